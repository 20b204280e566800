#include "genlib/image_codec.h"

#include <png.h>
#include <turbojpeg.h>

#include <cstdio>
#include <memory>

namespace genlib {

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                                    int quality) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3) return std::nullopt;
  tjhandle handle = tjInitCompress();
  if (!handle) return std::nullopt;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int rc = tjCompress2(handle, rgb.data(), width, 0, height, TJPF_RGB, &buffer, &size, TJSAMP_444, quality,
                             TJFLAG_ACCURATEDCT);
  std::optional<std::vector<std::uint8_t>> out;
  if (rc == 0) out.emplace(buffer, buffer + size);
  tjFree(buffer);
  tjDestroy(handle);
  return out;
}

std::optional<DecodedJpeg> DecodeJpeg(const std::vector<std::uint8_t>& jpeg) {
  tjhandle handle = tjInitDecompress();
  if (!handle) return std::nullopt;
  DecodedJpeg picture;
  int subsampling = 0, colorspace = 0;
  std::optional<DecodedJpeg> out;
  if (tjDecompressHeader3(handle, jpeg.data(), jpeg.size(), &picture.width, &picture.height, &subsampling,
                          &colorspace) == 0 &&
      picture.width > 0 && picture.height > 0) {
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    if (tjDecompress2(handle, jpeg.data(), jpeg.size(), picture.rgb.data(), picture.width, 0, picture.height, TJPF_RGB,
                      TJFLAG_ACCURATEDCT) == 0)
      out = std::move(picture);
  }
  tjDestroy(handle);
  return out;
}

bool WritePng(const std::string& path, const std::vector<std::uint8_t>& pixels, int width, int height, int channels) {
  if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
      pixels.size() != static_cast<std::size_t>(width) * height * channels)
    return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(&pixels[static_cast<std::size_t>(y) * width * channels]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fflush(file.get()) == 0;
}

}  // namespace genlib

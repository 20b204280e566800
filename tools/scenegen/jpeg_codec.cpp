#include "jpeg_codec.h"

#include <turbojpeg.h>

namespace scenegen {

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                                    int quality) {
  if (rgb.size() != static_cast<std::size_t>(width) * height * 3) return std::nullopt;
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

std::optional<DecodedPicture> DecodeJpeg(const std::vector<std::uint8_t>& jpeg) {
  tjhandle handle = tjInitDecompress();
  if (!handle) return std::nullopt;
  DecodedPicture picture;
  int subsampling = 0, colorspace = 0;
  std::optional<DecodedPicture> out;
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

}  // namespace scenegen

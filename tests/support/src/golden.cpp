#include "test_support/golden.h"

#include <png.h>

#include <cstdlib>
#include <cstring>

namespace testsupport {
namespace {

bool WritePngRgb(const std::string& path, int width, int height, std::span<const std::uint32_t> pixels) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(pixels.size() * 3);
  for (std::uint32_t p : pixels) {
    rgb.push_back(static_cast<std::uint8_t>(p >> 16));
    rgb.push_back(static_cast<std::uint8_t>(p >> 8));
    rgb.push_back(static_cast<std::uint8_t>(p));
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

}  // namespace

bool ReadPngRgb(const std::string& path, int& width, int& height, std::vector<std::uint8_t>& rgb) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return true;
}

::testing::AssertionResult MatchesGoldenPng(int width, int height, std::span<const std::uint32_t> pixels,
                                            const std::string& path) {
  if (pixels.size() != static_cast<std::size_t>(width) * height)
    return ::testing::AssertionFailure() << "frame of " << pixels.size() << " pixels is not " << width << " x " << height;
  if (std::getenv("VISTREL_UPDATE_GOLDEN") != nullptr) {
    if (!WritePngRgb(path, width, height, pixels)) return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess();
  }
  int goldenWidth = 0, goldenHeight = 0;
  std::vector<std::uint8_t> rgb;
  if (!ReadPngRgb(path, goldenWidth, goldenHeight, rgb))
    return ::testing::AssertionFailure() << "no golden " << path << " (VISTREL_UPDATE_GOLDEN=1 writes it)";
  if (goldenWidth != width || goldenHeight != height)
    return ::testing::AssertionFailure() << "size differs from " << path;
  std::size_t differing = 0, first = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = &rgb[i * 3];
    const std::uint32_t golden = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    if (golden != pixels[i] && differing++ == 0) first = i;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ from " << path << ", first at ("
                                       << first % width << ", " << first / width << ")";
}

}  // namespace testsupport

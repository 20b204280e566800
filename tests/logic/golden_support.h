#pragma once
// Frames compared with golden PNGs in tests/logic/golden. The goldens are
// never rewritten by a normal run: set VISTREL_UPDATE_GOLDEN=1 to write
// them, then look at them before committing.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless_backend.h"

namespace goldentest {

inline std::string GoldenPath(const std::string& name) { return std::string(LOGIC_GOLDEN_DIR) + "/" + name + ".png"; }

inline bool ReadPng(const std::string& path, int& width, int& height, std::vector<std::uint8_t>& rgb) {
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

// Pixels that differ from the golden, or a failure when it cannot be read.
inline ::testing::AssertionResult MatchesGolden(const platform::CapturedFrame& frame, const std::string& name) {
  const std::string path = GoldenPath(name);
  if (std::getenv("VISTREL_UPDATE_GOLDEN") != nullptr) {
    if (!platform::HeadlessBackend::WriteFramePng(frame, path)) return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess();
  }
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  if (!ReadPng(path, width, height, rgb)) return ::testing::AssertionFailure() << "no golden " << path;
  if (width != frame.width || height != frame.height) return ::testing::AssertionFailure() << "size differs from " << path;
  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      const std::uint32_t golden = (p[0] << 16) | (p[1] << 8) | p[2];
      if (golden != frame.Pixel(x, y)) {
        if (differing++ == 0) firstX = x, firstY = y;
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ from " << path << ", first at (" << firstX
                                       << ", " << firstY << ")";
}

}  // namespace goldentest

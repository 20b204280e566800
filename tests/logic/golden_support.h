#pragma once
// Frames compared with golden PNGs in tests/logic/golden (see
// test_support/golden.h for how they are updated).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "test_support/golden.h"

namespace goldentest {

inline std::string GoldenPath(const std::string& name) { return std::string(LOGIC_GOLDEN_DIR) + "/" + name + ".png"; }

// Pixels that differ from the golden, or a failure when it cannot be read.
inline ::testing::AssertionResult MatchesGolden(const platform::CapturedFrame& frame, const std::string& name) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(frame.width) * frame.height);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) pixels.push_back(frame.Pixel(x, y));
  return testsupport::MatchesGoldenPng(frame.width, frame.height, pixels, GoldenPath(name));
}

}  // namespace goldentest

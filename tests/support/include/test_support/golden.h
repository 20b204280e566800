#pragma once
// Frames compared with golden PNG files. The goldens are never rewritten by
// a normal run: set VISTREL_UPDATE_GOLDEN=1 to write them, then look at
// them before committing.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace testsupport {

// RGB rows of a PNG file; false when it cannot be read.
bool ReadPngRgb(const std::string& path, int& width, int& height, std::vector<std::uint8_t>& rgb);

// `pixels` (0x00RRGGBB, row by row) against the golden PNG at `path`: which
// pixels differ, or why it cannot be compared. With VISTREL_UPDATE_GOLDEN
// set the golden is written instead.
::testing::AssertionResult MatchesGoldenPng(int width, int height, std::span<const std::uint32_t> pixels,
                                            const std::string& path);

}  // namespace testsupport

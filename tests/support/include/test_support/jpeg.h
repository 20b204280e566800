#pragma once
// JPEG pictures for tests, through libjpeg-turbo as the real pictures go.
#include <cstdint>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
};

// The JPEG of packed RGB rows (width * 3 bytes each). `subsampling` is a
// TJSAMP_* value; empty when the encoder refuses.
Bytes EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height, int quality, int subsampling);

// RGB rows of one flat colour.
std::vector<std::uint8_t> FlatRgb(int width, int height, Colour colour);

}  // namespace testsupport

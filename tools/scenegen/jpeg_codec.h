#pragma once
// JPEG in and out of 8-bit RGB rows through TurboJPEG.
#include <cstdint>
#include <optional>
#include <vector>

namespace scenegen {

// Full-resolution colour (4:4:4), so every 8 x 8 block of the picture is
// coded on its own and unchanged blocks stay unchanged in both pictures.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                                    int quality);

struct DecodedPicture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};
std::optional<DecodedPicture> DecodeJpeg(const std::vector<std::uint8_t>& jpeg);

}  // namespace scenegen

#pragma once
// JPEG and PNG coding of 8-bit pictures, shared by the generators.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace genlib {

// Baseline JFIF JPEG of packed RGB rows, without chroma subsampling and
// with the accurate DCT, so the same pixels give the same bytes everywhere.
// Nothing when the buffer does not fit the size or the coder fails.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                                    int quality);

struct DecodedJpeg {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};
std::optional<DecodedJpeg> DecodeJpeg(const std::vector<std::uint8_t>& jpeg);

// An 8-bit PNG file of packed rows with 3 (RGB) or 4 (RGBA) channels.
// False when the file cannot be written.
bool WritePng(const std::string& path, const std::vector<std::uint8_t>& pixels, int width, int height, int channels);

}  // namespace genlib

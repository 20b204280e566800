#pragma once
// The two file encodings of the artwork: Windows bitmap files for the
// image table and baseline JFIF JPEG for the built-in pictures.
#include <cstdint>
#include <vector>

#include "canvas.h"

namespace artgen {

// A 24-bit bottom-up Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER,
// rows padded to four bytes, pixels blue-green-red).
std::vector<std::uint8_t> EncodeBmp(const RgbImage& image);

// Baseline JPEG with the JFIF marker at the given quality (1..100), without
// chroma subsampling so baked lettering stays crisp. Empty on failure.
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);

}  // namespace artgen

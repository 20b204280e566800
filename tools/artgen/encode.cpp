#include "encode.h"

#include "genlib/image_codec.h"
#include "gamefile/little_endian.h"

namespace artgen {

namespace {

using gamefile::PutU16;
using gamefile::PutU32;

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const RgbImage& image) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  const std::uint32_t headerBytes = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(headerBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, headerBytes + pixelBytes);
  PutU32(out, 0);  // reserved
  PutU32(out, headerBytes);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up rows
  PutU16(out, 1);                                          // planes
  PutU16(out, 24);                                         // bits per pixel
  PutU32(out, 0);                                          // BI_RGB, uncompressed
  PutU32(out, pixelBytes);
  PutU32(out, 2835);  // 72 dpi
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.at(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality) {
  auto jpeg = genlib::EncodeJpeg(image.rgb, image.width, image.height, quality);
  return jpeg ? std::move(*jpeg) : std::vector<std::uint8_t>{};
}

}  // namespace artgen

#include "gamefile/jpeg_info.h"

#include <algorithm>
#include <cstring>

namespace gamefile {
namespace {

bool IsStartOfFrame(std::uint8_t marker) {
  // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

JpegInfo ReadJpegInfo(std::span<const std::uint8_t> bytes) {
  JpegInfo info;
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return info;
  info.hasJfifMark = bytes.size() >= 10 && std::memcmp(bytes.data() + 6, "JFIF", 4) == 0;

  std::size_t pos = 2;
  while (pos + 4 <= bytes.size()) {
    if (bytes[pos] != 0xFF) return info;  // lost sync: not a JPEG we understand
    std::uint8_t marker = bytes[pos + 1];
    if (marker == 0xFF) {  // fill byte
      ++pos;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return info;  // end or scan before any frame
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without length
      pos += 2;
      continue;
    }
    std::size_t length = (static_cast<std::size_t>(bytes[pos + 2]) << 8) | bytes[pos + 3];
    if (length < 2) return info;
    if (IsStartOfFrame(marker)) {
      if (pos + 9 > bytes.size()) return info;
      info.height = (bytes[pos + 5] << 8) | bytes[pos + 6];
      info.width = (bytes[pos + 7] << 8) | bytes[pos + 8];
      info.isJpeg = true;
      return info;
    }
    pos += 2 + length;
  }
  return info;
}

bool IsGamePicture(const JpegInfo& info) {
  return info.isJpeg && info.hasJfifMark && info.width == kPictureWidth && info.height == kPictureHeight;
}

void FitSpanToBlocks(int& lo, int& hi, int extent, int minSide) {
  if (hi - lo < minSide) {
    lo = (lo + hi) / 2 - minSide / 2;
    hi = lo + minSide;
  }
  if (lo < 0) hi -= lo, lo = 0;
  if (hi > extent) lo -= hi - extent, hi = extent;
  lo = std::max(0, lo / kJpegBlock * kJpegBlock);
  hi = std::min(extent, (hi + kJpegBlock - 1) / kJpegBlock * kJpegBlock);
}

}  // namespace gamefile

#pragma once
// Small builders for game-file tests: JPEG-shaped bytes and picture records
// (temporary folders come from the shared test support).
#include <cstdint>
#include <filesystem>
#include <string>

#include "gamefile/game_file.h"
#include "test_support/temp_dir.h"

namespace testsupport {

// A JFIF header and a baseline frame header of the given size: enough for
// every reader that looks only at the markers.
inline gamefile::Bytes FakeJpeg(int width, int height, bool jfif = true, std::uint8_t fill = 0x55) {
  gamefile::Bytes b;
  b.reserve(64);
  b.insert(b.end(), {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10});
  const char* mark = jfif ? "JFIF" : "Exif";
  b.insert(b.end(), mark, mark + 4);
  b.insert(b.end(), {0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00});
  b.insert(b.end(), {0xFF, 0xC0, 0x00, 0x11, 0x08, static_cast<std::uint8_t>(height >> 8),
                     static_cast<std::uint8_t>(height & 0xFF), static_cast<std::uint8_t>(width >> 8),
                     static_cast<std::uint8_t>(width & 0xFF), 0x03, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
  for (int i = 0; i < 7; ++i) b.push_back(fill);
  b.insert(b.end(), {0xFF, 0xD9});
  return b;
}

inline gamefile::PictureRecord Picture(std::uint8_t fill, gamefile::RectSet rects = {}) {
  gamefile::PictureRecord record;
  record.jpeg = FakeJpeg(488, 430, true, fill);
  record.rects = rects;
  return record;
}

}  // namespace testsupport

#pragma once
// What the tools need to know about a JPEG without decoding it.
#include <cstdint>
#include <span>

namespace gamefile {

struct JpegInfo {
  bool isJpeg = false;   // starts with the SOI marker and has a frame header
  bool hasJfifMark = false;  // "JFIF" at byte offsets 6..9, the editor's test
  int width = 0;
  int height = 0;
};

// Reads the size from the first start-of-frame marker. Never reads beyond
// the span, whatever the bytes claim.
JpegInfo ReadJpegInfo(std::span<const std::uint8_t> bytes);

// The size every picture of a game file has.
inline constexpr int kPictureWidth = 488;
inline constexpr int kPictureHeight = 430;

// True for a JFIF JPEG of exactly 488 x 430 pixels.
bool IsGamePicture(const JpegInfo& info);

// JPEG codes a picture in blocks of 8 x 8 pixels: a change that keeps inside
// whole blocks leaves every block outside them coded as it was.
inline constexpr int kJpegBlock = 8;

// Widens [lo, hi) to at least minSide, keeps it inside [0, extent) and moves
// its ends out to whole blocks: one side of a difference's rectangle.
void FitSpanToBlocks(int& lo, int& hi, int extent, int minSide);

}  // namespace gamefile

#pragma once
// The checks a picture file must pass before it enters the table and again
// before it goes into a game file.
#include <cstdint>
#include <span>
#include <string>

namespace editor {

enum class PictureVerdict {
  Usable,         // JFIF mark present and exactly 488 x 430 pixels
  CannotOpen,     // the file cannot be opened or read
  NotJfif,        // no "JFIF" at byte offsets 6..9
  WrongSize,      // decodes to another size, or does not decode (0 x 0)
};

struct PictureCheck {
  PictureVerdict verdict = PictureVerdict::CannotOpen;
  std::uint32_t byteCount = 0;
  int width = 0;   // as decoded; 0 x 0 when the data does not decode
  int height = 0;
};

// The editor's own test for a JPEG: the letters J, F, I, F at offsets 6..9.
bool HasJfifMark(std::span<const std::uint8_t> bytes);

// Decodes the whole picture and reports its size; 0 x 0 when it does not
// decode, so a damaged file is never taken for a good one by its header.
void DecodedSize(std::span<const std::uint8_t> bytes, int& width, int& height);

PictureCheck CheckPictureBytes(std::span<const std::uint8_t> bytes);
PictureCheck CheckPictureFile(const std::string& path);

// The wall clock (nanoseconds since the epoch, as file times are kept) by
// which CheckPictureFile judges whether a file has settled long enough for
// its verdict to be remembered. nullptr restores the system clock; tests
// run one ahead instead of waiting.
using WallClockNs = std::int64_t (*)();
void SetPictureCheckClock(WallClockNs clock);

}  // namespace editor

#pragma once
// The editor's picture table: 512 pair positions of two picture slots each.
// Pair k owns slot 2k ("Bild 1") and slot 2k+1 ("Bild 2").
#include <array>
#include <cstdint>
#include <string>

namespace editor {

inline constexpr int kPairPositions = 512;
inline constexpr int kSlotCount = 2 * kPairPositions;
// The rectangle table has room for ten, but only the first five are ever
// set, saved, loaded or written.
inline constexpr int kRectCapacity = 10;
inline constexpr int kRectsUsed = 5;
inline constexpr std::int32_t kOwnBytes = -1;
inline constexpr std::int32_t kSavedWidthField = 490;
inline constexpr std::int32_t kSavedHeightField = 430;

struct RectTable {
  std::array<std::int32_t, kRectCapacity> x1{}, x2{}, y1{}, y2{};
  bool operator==(const RectTable&) const = default;
};

// Paths and file names are the file system's bytes, kept as they are.
struct PictureSlot {
  std::string path;       // empty = no picture
  std::string fileName;   // shown in the list
  std::uint32_t byteCount = 0;
  std::int32_t widthField = 0;
  std::int32_t heightField = 0;
  std::uint8_t colourKeyFlag = 0;
  std::uint16_t colourKey1 = 0;
  std::uint16_t colourKey2 = 0;
  std::int32_t sourceIndex = kOwnBytes;
  RectTable rects;
  bool operator==(const PictureSlot&) const = default;
};

using PictureTable = std::array<PictureSlot, kSlotCount>;

inline int FirstSlotOf(int pair) { return 2 * pair; }
inline int SecondSlotOf(int pair) { return 2 * pair + 1; }
// picture is 1 or 2, as the buttons name them.
inline int SlotOf(int pair, int picture) { return 2 * pair + picture - 1; }

// What removing a picture forgets: everything that describes the file. The
// source index and the rectangles belong to the position and stay.
void ClearPictureFields(PictureSlot& slot);

// True when the file can be opened for reading right now.
bool CanOpenForReading(const std::string& path);

}  // namespace editor

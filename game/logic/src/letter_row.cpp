#include "logic/letter_row.h"

#include <cstring>

#include "logic/name_entry.h"
#include "platform/platform.h"

namespace logic {
namespace {

constexpr int kCellWidth = 36;
constexpr int kFirstRowX = (1024 - 13 * kCellWidth) / 2;
constexpr int kRowY[3] = {520, 565, 615};
constexpr int kMargin = 5;
constexpr int kHoverGrowth = 6;

constexpr char kLetters[26][2] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                  "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

constexpr std::array<LetterCell, kLetterCellCount> MakeCells() {
  std::array<LetterCell, kLetterCellCount> cells{};
  for (int i = 0; i < 26; ++i) {
    cells[i] = LetterCell{'A' + i, kLetters[i], kFirstRowX + (i % 13) * kCellWidth, kRowY[i / 13]};
  }
  cells[26] = LetterCell{kKeySpace, "LEER", 330, kRowY[2]};
  cells[27] = LetterCell{kKeyBackspace, "ENTF", 470, kRowY[2]};
  cells[28] = LetterCell{kKeyReturn, "OK", 610, kRowY[2]};
  return cells;
}

constexpr std::array<LetterCell, kLetterCellCount> kCells = MakeCells();

// Text drawn at glyph size g is 0.8 g per character after the first.
int LabelWidth(const LetterCell& cell) {
  const int characters = static_cast<int>(std::strlen(cell.label));
  return kLetterGlyphSize + (characters - 1) * kLetterGlyphSize * 4 / 5;
}

bool Inside(const LetterCell& cell, int x, int y) {
  return x >= cell.x - kMargin && x < cell.x + LabelWidth(cell) + kMargin && y >= cell.y - kMargin &&
         y < cell.y + kLetterGlyphSize + kMargin;
}

}  // namespace

const std::array<LetterCell, kLetterCellCount>& LetterCells() { return kCells; }

std::optional<int> LetterKeyAt(int x, int y) {
  for (const LetterCell& cell : kCells) {
    if (Inside(cell, x, y)) return cell.virtualKey;
  }
  return std::nullopt;
}

void DrawLetterRow(platform::Platform& platform, int cursorX, int cursorY) {
  for (const LetterCell& cell : kCells) {
    const bool hovered = Inside(cell, cursorX, cursorY);
    const int size = hovered ? kLetterGlyphSize + kHoverGrowth : kLetterGlyphSize;
    const int shift = hovered ? kHoverGrowth / 2 : 0;
    platform::DrawText(platform, cell.label, cell.x - shift, cell.y - shift, size, size);
  }
}

}  // namespace logic

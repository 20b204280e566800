#pragma once
// The row of letters on the name-entry screen, for players without a
// keyboard at hand: pointed at with the cursor (the mouse or a pad's stick)
// and chosen with a click (a pad's A button). Each cell types what its key
// would, so the typing rules stay those of the keyboard.
#include <array>
#include <optional>

namespace platform {
struct Platform;
}

namespace logic {

struct LetterCell {
  int virtualKey;     // the key the cell stands for
  const char* label;  // drawn with the letter glyphs
  int x, y;           // top-left of the label
};

inline constexpr int kLetterCellCount = 26 + 3;
inline constexpr int kLetterGlyphSize = 25;

// A..Z in two rows of 13, then "LEER" (space), "ENTF" (delete the last
// letter) and "OK" (store the name).
const std::array<LetterCell, kLetterCellCount>& LetterCells();

// The key of the cell under the point, if any.
std::optional<int> LetterKeyAt(int x, int y);

// Draws every cell; the one under the cursor larger.
void DrawLetterRow(platform::Platform& platform, int cursorX, int cursorY);

}  // namespace logic

// The letter row of the name entry: where its cells are, that pointing and
// clicking types exactly as the keys would (the name stored byte for byte),
// that it only appears once the pointer is used, and a golden frame of it.
#include <gtest/gtest.h>

#include <set>

#include "flow_test_fixture.h"
#include "golden_support.h"
#include "logic/high_scores.h"
#include "logic/letter_row.h"
#include "logic/name_entry.h"

namespace logic {
namespace {

using flowtest::FlowGame;
using goldentest::MatchesGolden;

TEST(LetterRow, EveryCellIsFoundAtItsLabelAndNowhereElse) {
  std::set<int> keys;
  for (const LetterCell& cell : LetterCells()) {
    EXPECT_EQ(LetterKeyAt(cell.x + 5, cell.y + 10), cell.virtualKey) << cell.label;
    EXPECT_TRUE(IsNameEntryKey(cell.virtualKey)) << cell.label;
    keys.insert(cell.virtualKey);
  }
  EXPECT_EQ(keys.size(), static_cast<std::size_t>(kLetterCellCount));  // no two cells overlap a key
  EXPECT_EQ(LetterKeyAt(10, 10), std::nullopt);
  EXPECT_EQ(LetterKeyAt(500, 460), std::nullopt);  // the typed name itself
}

class PointerNameEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    game.SkipToMenu();
    game.state->level.levelNumber = 7;
    game.OpenHighScores(30500);
    ASSERT_TRUE(game.state->highScores.nameEntry);
    game.Frames(5);
  }
  // Moves the row's cursor onto the cell of `key` and clicks it.
  void ClickCell(int key) {
    for (const LetterCell& cell : LetterCells()) {
      if (cell.virtualKey != key) continue;
      HighScoreScreen& screen = game.state->highScores;
      game.backend.ScriptMotion(cell.x + 8 - screen.letterCursorX, cell.y + 8 - screen.letterCursorY);
      game.Frame();
      game.Click();
      game.Frame();
      return;
    }
    FAIL() << "no cell for " << key;
  }
  FlowGame game;
};

TEST_F(PointerNameEntry, ClickedLettersAreStoredAsTypedOnes) {
  EXPECT_FALSE(game.state->highScores.letterRowShown);
  for (int key : std::initializer_list<int>{'P', 'A', 'D', 'X', kKeyBackspace, kKeySpace, 'Z'}) ClickCell(key);
  EXPECT_TRUE(game.state->highScores.letterRowShown);
  EXPECT_EQ(game.state->highScores.name.editPosition, 5);
  ClickCell(kKeyReturn);
  ASSERT_FALSE(game.state->highScores.nameEntry);  // stored, the table shows
  const auto stored = LoadOrCreateHighScores(game.state->gameFile.highScoreFile);
  const std::array<std::uint8_t, 10> expected{'P', 'A', 'D', ' ', 'Z', ' ', ' ', ' ', ' ', ' '};
  bool found = false;
  for (const HighScoreEntry& entry : stored) found |= entry.name == expected && entry.points == 30500;
  EXPECT_TRUE(found);
  // The click on OK does not also leave the table it opened.
  game.Frames(3);
  EXPECT_EQ(game.state->flow.gameState, kStateHighScore);
}

TEST_F(PointerNameEntry, AHeldButtonTypesOnceAndClicksBesideTheCellsTypeNothing) {
  ClickCell('Q');
  game.backend.ScriptButton(0, true);
  game.Frames(10);
  game.backend.ScriptButton(0, false);
  game.Frame();
  EXPECT_EQ(game.state->highScores.name.editPosition, 2);  // Q, then one press of Q again
  game.backend.ScriptMotion(-2000, -2000);  // to the corner, on no cell
  game.Frame();
  game.Click();
  EXPECT_EQ(game.state->highScores.name.editPosition, 2);
  EXPECT_EQ(game.state->highScores.letterCursorX, 0);
  EXPECT_EQ(game.state->highScores.letterCursorY, 0);
}

TEST_F(PointerNameEntry, RowWithHoveredCellAndCursor) {
  for (int key : {'M', 'A'}) game.Key(key);
  const LetterCell& x = LetterCells()['X' - 'A'];
  HighScoreScreen& screen = game.state->highScores;
  game.backend.ScriptMotion(x.x + 8 - screen.letterCursorX, x.y + 8 - screen.letterCursorY);
  game.Frames(15);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "name_entry_letter_row"));
}

}  // namespace
}  // namespace logic

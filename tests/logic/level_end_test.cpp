// The level-complete and game-over screens, reached by scripted play.
#include "play_test_fixture.h"

#include "logic/level_end.h"

namespace logic {
namespace {

using playtest::PlayGame;

TEST(LevelComplete, WholeLevelWonIntoTheNextLevel) {
  PlayGame game;
  game.StartSearching();
  for (int s = 0; s < 9; ++s) game.Frame(1000);
  ASSERT_EQ(game.state.level.secondsLeft, 51);
  game.FindAll();
  ASSERT_EQ(game.state.level.phase, kPhaseLevelComplete);
  EXPECT_EQ(game.state.level.points, 500);
  EXPECT_EQ(game.SoundsPlayed(15), 1);  // last find with more than 5 seconds left
  // Effects 27..32 follow every find but the last.
  int findEffects = 0;
  for (int effect = 27; effect <= 32; ++effect) findEffects += game.SoundsPlayed(effect);
  EXPECT_EQ(findEffects, 4);

  // The frame that found the last difference is the one that switched phase;
  // now the end screen counts its own frames.
  int conversionFrames = 0;
  while (game.state.levelEnd.frameCounter < 2700) {
    const int before = game.state.level.secondsLeft;
    game.Frame();
    if (game.state.level.secondsLeft != before) ++conversionFrames;
    ASSERT_LT(game.state.levelEnd.frameCounter, 5000);
  }
  EXPECT_EQ(game.state.levelEnd.secondsNeeded, 9);
  EXPECT_EQ(game.state.level.timeBonus, 20);
  EXPECT_EQ(conversionFrames, 51);
  EXPECT_EQ(game.state.level.points, 500 + 5100);
  EXPECT_EQ(game.state.level.secondsLeft, 0);

  game.backend.ScriptButton(0, true);
  game.Frame();
  EXPECT_EQ(game.state.level.levelNumber, 2);
  EXPECT_EQ(game.state.level.phase, kPhaseIntroA);
  EXPECT_EQ(game.state.level.secondsLeft, 50 + 20);
  EXPECT_EQ(game.state.level.differencesLeft, 5);
  EXPECT_EQ(game.state.level.points, 5600);  // points carry into the next level
}

TEST(LevelComplete, ConversionPausesThenCountsEveryFifthFrame) {
  PlayGame game;
  game.StartSearching();
  game.FindAll();
  ASSERT_EQ(game.state.level.phase, kPhaseLevelComplete);
  const int secondsAtEnd = game.state.level.secondsLeft;
  for (int f = 0; f <= 101; ++f) game.Frame();
  EXPECT_EQ(game.state.level.secondsLeft, secondsAtEnd);  // the 100-frame pause
  for (int f = 0; f < 4; ++f) game.Frame();  // frame counter 102..105
  EXPECT_EQ(game.state.level.secondsLeft, secondsAtEnd - 1);
  EXPECT_EQ(game.state.levelEnd.secondsLeftAtEnd, secondsAtEnd);
  EXPECT_EQ(game.SoundsPlayed(10), 1);
  EXPECT_EQ(game.SoundsPlayed(1), 1);
}

TEST(LevelComplete, NoSecondsLeftSkipsTheConversion) {
  PlayGame game;
  game.StartSearching();
  for (int j = 0; j < 4; ++j) game.ClickAt(game.CentreCursorX(j), game.CentreCursorY(j));
  // The last find in the very frame the clock reaches 0 still wins.
  game.state.level.secondsLeft = 1;
  game.PlaceCursor(game.CentreCursorX(4), game.CentreCursorY(4));
  game.backend.ScriptButton(0, true);
  game.Frame(1000);
  ASSERT_EQ(game.state.level.phase, kPhaseLevelComplete);
  EXPECT_EQ(game.state.level.secondsLeft, 0);
  EXPECT_EQ(game.SoundsPlayed(22), 1);  // last find with 5 seconds or fewer
  // Holding the button: at frame counter 101 the counter jumps to 2900 and
  // the next level starts in that very frame.
  while (game.state.level.phase == kPhaseLevelComplete) {
    game.Frame();
    ASSERT_LT(game.state.levelEnd.frameCounter, 3000);
  }
  EXPECT_EQ(game.state.levelEnd.frameCounter, 2901);
  EXPECT_EQ(game.state.level.levelNumber, 2);
  EXPECT_EQ(game.state.level.timeBonus, 0);  // all 60 seconds needed
  EXPECT_EQ(game.state.level.secondsLeft, 50);
}

TEST(LevelComplete, PromptBlinksAfterTheConversion) {
  PlayGame game;
  game.StartSearching();
  game.FindAll();
  game.Frame();
  game.state.levelEnd.frameCounter = 3200;
  game.Frame();
  EXPECT_EQ(game.state.levelEnd.frameCounter, 3201);
  game.Frame();  // beyond 3200: back to 3101, prompt shown
  EXPECT_EQ(game.state.levelEnd.frameCounter, 3102);
}

TEST(GameOver, RevealsMissedDifferencesInRedAndKeepsFoundOnesBlue) {
  PlayGame game;
  game.StartSearching();
  game.ClickAt(game.CentreCursorX(2), game.CentreCursorY(2));
  game.RunOutOfTime();
  ASSERT_EQ(game.state.level.phase, kPhaseTimeOver);
  game.Frame();
  const auto& set = game.state.play.rects[0];
  for (int slot : {1, 2}) {
    for (int j = 0; j < kDifferences; ++j) {
      const std::uint32_t outer = game.SlotPixel(slot, set.left[j], set.top[j]);
      EXPECT_EQ(outer, j == 2 ? 0x000032u : 0x320000u) << "slot " << slot << " difference " << j;
      EXPECT_EQ(game.SlotPixel(slot, set.left[j] + 2, set.top[j] + 2), j == 2 ? 0x0000C8u : 0xC80000u);
    }
  }
  EXPECT_EQ(game.SoundsPlayed(0), 1);
  EXPECT_EQ(game.state.levelEnd.gameOverTextX, -98);
}

TEST(GameOver, ClickLeadsToTheHighScoresOnlyOnceThePromptShows) {
  PlayGame game;
  game.StartSearching();
  game.state.level.points = 1234;
  game.RunOutOfTime();
  ASSERT_EQ(game.state.level.phase, kPhaseTimeOver);
  game.backend.ScriptButton(0, true);
  for (int f = 0; f < 250; ++f) game.Frame();
  EXPECT_EQ(game.state.flow.gameState, kStatePlay);
  game.Frame();
  EXPECT_EQ(game.state.flow.gameState, kStateHighScore);
  EXPECT_FALSE(game.state.buttonReleaseLatch);
  EXPECT_EQ(game.state.level.points, 1234);  // the high-score screen ranks them
}

TEST(GameOver, PromptCycleRepeatsTheSound) {
  PlayGame game;
  game.StartSearching();
  game.RunOutOfTime();
  ASSERT_EQ(game.state.level.phase, kPhaseTimeOver);
  game.Frame();
  game.state.levelEnd.frameCounter = 495;
  for (int f = 0; f < 10; ++f) game.Frame();
  EXPECT_EQ(game.SoundsPlayed(8), 1);  // at frame 501
  game.state.levelEnd.frameCounter = 700;
  game.Frame();
  EXPECT_EQ(game.state.levelEnd.frameCounter, 701);
  game.Frame();  // beyond 700: back to 500
  EXPECT_EQ(game.state.levelEnd.frameCounter, 501);
  game.Frame();
  EXPECT_EQ(game.SoundsPlayed(8), 2);
}

}  // namespace
}  // namespace logic

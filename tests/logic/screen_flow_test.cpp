// Passages between the screens and the keyboard routing, on the headless game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "flow_test_fixture.h"
#include "logic/credits.h"
#include "logic/high_scores.h"
#include "logic/intro.h"
#include "logic/name_entry.h"

namespace logic {
namespace {

using flowtest::FlowGame;

constexpr int kNewGameX = 500, kNewGameY = 280;
constexpr int kHighScoreX = 500, kHighScoreY = 360;
constexpr int kInfoX = 500, kInfoY = 450;
constexpr int kQuitX = 500, kQuitY = 530;

int PlayedPairs(const GameState& state) {
  return static_cast<int>(std::count(state.gameFile.played.begin(), state.gameFile.played.end(), 1));
}

// The menu gets one frame to show itself before the item at (x, y) is clicked.
void ChooseInTheMenu(FlowGame& game, int x, int y) {
  game.Frame();
  game.ClickMenuAt(x, y);
}

// Straight from the start into the menu, and on to the item at (x, y).
void ChooseInTheFirstMenu(FlowGame& game, int x, int y) {
  game.SkipToMenu();
  ChooseInTheMenu(game, x, y);
}

TEST(IntroFlow, AKeyEndsTheIntroWithTheMenuMusicAndTheKeyGoesNoFurther) {
  FlowGame game;
  game.Frames(30);
  ASSERT_TRUE(game.state->flow.intro);
  game.Key(kKeyEscape);  // Escape during the intro must not end the program
  EXPECT_FALSE(game.state->flow.intro);
  EXPECT_TRUE(game.state->flow.running);
  EXPECT_EQ(game.Calls("sound-stop 4"), 1);
  EXPECT_TRUE(game.MusicRunning(2));
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_NE(game.state->menu.cursorX, -99999);  // that frame was already the menu's
}

TEST(IntroFlow, RunningOutShowsTheMenuAfter1154FramesWithMusicFromFrame650) {
  FlowGame game;
  game.Frames(699);  // counter -50 + 699 = 649
  EXPECT_FALSE(game.MusicRunning(2));
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(2));
  game.Frames(1154 - 701);
  EXPECT_TRUE(game.state->flow.intro);
  game.Frame();
  EXPECT_EQ(game.state->intro.counter, kIntroLastFrame);
  EXPECT_FALSE(game.state->flow.intro);
  EXPECT_EQ(game.backend.presentCount, 1154);
  EXPECT_EQ(game.Calls("music-start 2"), 1);
}

TEST(KeyRouting, EscapeInTheMenuEndsTheProgramAfterStoppingTheMenuMusic) {
  FlowGame game;
  game.SkipToMenu();
  game.state->flow.menuMusic = true;
  game.Frame();
  ASSERT_TRUE(game.MusicRunning(2));
  game.Key(kKeyLeftWindows);
  game.Key(kKeyRightWindows);
  game.Key('Q');
  EXPECT_TRUE(game.state->flow.running);
  game.backend.ScriptKey(kKeyEscape);
  game.Frame();
  EXPECT_FALSE(game.state->flow.running);
  EXPECT_FALSE(game.MusicRunning(2));
  EXPECT_EQ(game.Calls("music-rewind 2"), 1);
}

TEST(KeyRouting, StateOutsideTheFourScreensRunsFramesWithoutDrawing) {
  FlowGame game;
  game.SkipToMenu();
  game.Frame();
  const int shown = game.backend.presentCount;
  game.state->flow.gameState = 7;
  game.Frames(5);
  game.Key(kKeyEscape);
  EXPECT_EQ(game.backend.presentCount, shown);
  EXPECT_TRUE(game.state->flow.running);
}

TEST(PlayFlow, NewGameSetsUpLevelOneAndEscapeReturnsToTheMenuWithoutPoints) {
  FlowGame game;
  game.SkipToMenu();
  game.state->flow.menuMusic = true;
  ChooseInTheMenu(game, kNewGameX, kNewGameY);
  ASSERT_EQ(game.state->flow.gameState, kStatePlay);
  EXPECT_FALSE(game.MusicRunning(2));
  EXPECT_EQ(game.state->level.levelNumber, 1);
  EXPECT_EQ(PlayedPairs(*game.state), 1);
  game.Frames(300);  // into the search, which starts a play track
  const int track = game.state->play.currentPlayTrack;
  ASSERT_TRUE(game.MusicRunning(track));
  game.state->level.points = 400;
  game.Key(kKeyEscape);
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_EQ(game.state->level.points, 0);
  EXPECT_FALSE(game.MusicRunning(track));
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(2));  // the menu restarts its music
}

TEST(PlayFlow, EscapeAfterACompletedLevelContinuesWithTheNextLevelNumber) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kNewGameX, kNewGameY);
  game.state->level.phase = kPhaseLevelComplete;  // as the play screen leaves it
  game.state->level.points = 3000;
  game.Key(kKeyEscape);
  EXPECT_EQ(game.state->level.phase, kPhaseLevelComplete);
  ChooseInTheMenu(game, kNewGameX, kNewGameY);
  EXPECT_EQ(game.state->level.levelNumber, 2);
  EXPECT_EQ(game.state->level.points, 0);
}

TEST(PlayFlow, EscapeAfterTimeOverStartsTheNextGameAtLevelOne) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kNewGameX, kNewGameY);
  game.state->level.levelNumber = 4;
  game.state->level.phase = kPhaseTimeOver;
  game.Key(kKeyEscape);
  ChooseInTheMenu(game, kNewGameX, kNewGameY);
  EXPECT_EQ(game.state->level.levelNumber, 1);
}

TEST(HighScoreFlow, TimeOverWithEnoughPointsLeadsToTheNameEntry) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kNewGameX, kNewGameY);
  for (int i = 0; i < 400 && game.state->level.phase != kPhaseSearching; ++i) game.Frame();
  ASSERT_EQ(game.state->level.phase, kPhaseSearching);
  game.state->level.points = 45000;
  game.state->level.secondsLeft = 1;
  game.Frames(150);
  ASSERT_EQ(game.state->level.phase, kPhaseTimeOver);
  game.Frames(260);  // the game-over screen takes clicks from its frame 250 on
  game.Click();
  ASSERT_EQ(game.state->flow.gameState, kStateHighScore);
  EXPECT_TRUE(game.state->highScores.nameEntry);
  EXPECT_EQ(game.state->highScores.rank, 1);
  EXPECT_EQ(game.state->highScores.table[1].points, 0u);  // the placeholder
  EXPECT_EQ(game.state->highScores.table[2].points, 43000u);
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(6));
}

TEST(HighScoreFlow, TableViewLeftByAKeySetsUpOneUnseenLevel) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kHighScoreX, kHighScoreY);
  ASSERT_EQ(game.state->flow.gameState, kStateHighScore);
  EXPECT_FALSE(game.state->highScores.nameEntry);  // 0 points never rank
  game.Frames(3);
  EXPECT_TRUE(game.MusicRunning(0));
  const int playedBefore = PlayedPairs(*game.state);
  game.Key(kKeyEscape);  // any key, Escape included
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_FALSE(game.MusicRunning(0));
  EXPECT_EQ(PlayedPairs(*game.state), playedBefore + 1);
  EXPECT_EQ(leveltest::ReadBytes("qxdat.qxf").size(), 3u);
  EXPECT_TRUE(game.state->flow.running);
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(2));
}

TEST(HighScoreFlow, TableViewLeftByAClickClearsPointsAndLatch) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kHighScoreX, kHighScoreY);
  game.Frames(2);
  game.state->level.points = 10;  // leftover points never survive the screen
  game.Click();
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_EQ(game.state->level.points, 0);
  EXPECT_FALSE(game.state->buttonReleaseLatch);
  EXPECT_TRUE(game.state->flow.menuMusic);
}

TEST(HighScoreFlow, EnteredNameIsStoredAndShownInTheTable) {
  FlowGame game;
  game.SkipToMenu();
  game.state->level.levelNumber = 19;
  game.OpenHighScores(52001);
  ASSERT_TRUE(game.state->highScores.nameEntry);
  ASSERT_EQ(game.state->highScores.rank, 0);
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(6));
  EXPECT_EQ(game.EffectsPlayed(16), 1);
  for (int key : {'A', 'N', 'N', 'A'}) game.Key(key);
  game.Key(kKeyReturn);
  EXPECT_FALSE(game.state->highScores.nameEntry);
  EXPECT_EQ(game.state->level.points, 0);
  EXPECT_FALSE(game.MusicRunning(6));
  const auto stored = DecodeHighScores(leveltest::ReadBytes("HS.qxf"));
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(DisplayName((*stored)[0]), "ANNA      ");
  EXPECT_EQ((*stored)[0].points, 52001u);
  EXPECT_EQ((*stored)[0].level, 19);
  EXPECT_EQ((*stored)[1].points, 52000u);
  EXPECT_EQ((*stored)[9].points, 20000u);
  // The next frame is the table view with its own music, rising from below.
  game.Frame();
  EXPECT_TRUE(game.MusicRunning(0));
  EXPECT_EQ(game.state->highScores.scrollOffset, 799);
  // In table view a key goes back to the menu instead of typing.
  game.Key('B');
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
}

TEST(HighScoreFlow, NameEnteredWhereNothingCanBeStoredIsStillShown) {
  FlowGame game;
  game.SkipToMenu();
  game.state->gameFile.highScoreFile = "no-such-folder/game.vst.qxh";
  game.OpenHighScores(41000);
  ASSERT_EQ(game.state->highScores.rank, 2);
  game.Frame();
  game.Key('K');
  game.Key(kKeyReturn);
  EXPECT_FALSE(game.state->highScores.nameEntry);
  EXPECT_EQ(DisplayName(game.state->highScores.table[2]), "K         ");
  EXPECT_EQ(game.state->highScores.table[2].points, 41000u);
  EXPECT_FALSE(std::filesystem::exists("no-such-folder"));
}

TEST(HighScoreFlow, EscapeInTheNameEntryKeepsTheFileAsItWas) {
  FlowGame game;
  game.SkipToMenu();
  game.Frame();
  game.OpenHighScores(10001);  // creates HS.qxf with the default table
  ASSERT_EQ(game.state->highScores.rank, 9);
  const auto before = leveltest::ReadBytes("HS.qxf");
  game.Frame();
  game.Key('X');
  game.Key(kKeyEscape);
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_EQ(game.state->level.points, 0);
  EXPECT_FALSE(game.MusicRunning(6));
  EXPECT_EQ(leveltest::ReadBytes("HS.qxf"), before);
  // The next ranking starts from the stored file: no placeholder, no entry.
  ChooseInTheMenu(game, kHighScoreX, kHighScoreY);
  EXPECT_FALSE(game.state->highScores.nameEntry);
  EXPECT_EQ(game.state->highScores.table, DefaultHighScoreTable());
}

TEST(HighScoreFlow, SecondNameEntryVisitKeepsTheSweepingBackgroundOnScreen) {
  FlowGame game;
  game.SkipToMenu();
  game.state->gameFile.highScoreFile = "no-such-folder/HS.qxf";  // every visit ranks again
  for (int visit = 0; visit < 2; ++visit) {
    game.OpenHighScores(60000);
    for (int frame = 0; frame < 250; ++frame) {
      game.Frame();
      // The stretched background spans 20480 pixels from the sweep position.
      ASSERT_GE(game.state->highScores.sweep + 20480, 1024) << "visit " << visit << " frame " << frame;
    }
    game.Key(kKeyEscape);
  }
}

TEST(HighScoreFlow, NameEntryIgnoresKeypadAndFunctionKeys) {
  FlowGame game;
  game.SkipToMenu();
  game.OpenHighScores(60000);
  game.Frame();
  for (int key : {0x61, 0x70, int{'Z'}, kKeyLeftWindows}) game.Key(key);
  game.Key(kKeyReturn);
  const auto stored = DecodeHighScores(leveltest::ReadBytes("HS.qxf"));
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(DisplayName((*stored)[0]), "Z         ");
}

TEST(HighScoreFlow, ChosenGameFileKeepsItsOwnTable) {
  FlowGame game;
  game.SkipToMenu();
  game.state->gameFile.highScoreFile = "mine.vst.qxh";
  game.state->level.points = 100;
  PrepareHighScores(*game.state);
  EXPECT_FALSE(game.state->highScores.nameEntry);
  EXPECT_EQ(leveltest::ReadBytes("mine.vst.qxh"), EncodeHighScores(DefaultHighScoreTable()));
  EXPECT_FALSE(std::filesystem::exists("HS.qxf"));
}

TEST(CreditsFlow, InfoStartsTheCreditsAndAClickReturnsAtAnyMoment) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kInfoX, kInfoY);
  ASSERT_EQ(game.state->flow.gameState, kStateCredits);
  EXPECT_EQ(game.state->credits.counter, 0);
  EXPECT_FALSE(game.state->buttonReleaseLatch);
  game.Frames(500);
  EXPECT_TRUE(game.MusicRunning(3));
  game.Click();
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_FALSE(game.MusicRunning(3));
  ChooseInTheMenu(game, kInfoX, kInfoY);
  game.Frame();
  EXPECT_EQ(game.state->credits.counter, 1);  // from the beginning again
  EXPECT_TRUE(game.MusicRunning(3));
  game.Key(kKeyEscape);
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  EXPECT_FALSE(game.MusicRunning(3));
}

TEST(CreditsFlow, EveryRoundStartsItsMusicFromTheBeginning) {
  FlowGame game;
  ChooseInTheFirstMenu(game, kInfoX, kInfoY);
  game.Frames(2);
  ASSERT_TRUE(game.MusicRunning(3));
  game.state->credits.counter = kCreditsCycleFrames - 1;
  const std::size_t before = game.backend.audioCalls.size();
  game.Frames(3);  // 9000, 9001 (the end of the round), then 1 of the next
  const std::vector<std::string> calls(game.backend.audioCalls.begin() + static_cast<long>(before),
                                       game.backend.audioCalls.end());
  const auto rewind = std::find(calls.begin(), calls.end(), "music-rewind 3");
  ASSERT_NE(rewind, calls.end());
  EXPECT_NE(std::find(rewind, calls.end(), "music-start 3"), calls.end());
  EXPECT_EQ(game.state->credits.counter, 1);
  EXPECT_TRUE(game.MusicRunning(3));
}

TEST(CreditsFlow, HeldButtonFromTheMenuDoesNotLeaveTheCreditsAtOnce) {
  FlowGame game;
  game.SkipToMenu();
  game.Frame();
  game.MoveMenuCursorTo(kInfoX, kInfoY);
  game.backend.ScriptButton(0, true);
  game.Frames(5);
  EXPECT_EQ(game.state->flow.gameState, kStateCredits);
  game.backend.ScriptButton(0, false);
  game.Frame();
  game.Click();
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
}

TEST(MenuFlow, QuitEndsTheProgram) {
  FlowGame game;
  game.SkipToMenu();
  game.state->flow.menuMusic = true;
  ChooseInTheMenu(game, kQuitX, kQuitY);
  EXPECT_FALSE(game.state->flow.running);
  EXPECT_FALSE(game.MusicRunning(2));
}

}  // namespace
}  // namespace logic

// The main menu's hover sound, switches and sliders on the headless game.
#include <gtest/gtest.h>

#include "flow_test_fixture.h"

namespace logic {
namespace {

using flowtest::FlowGame;

class MenuScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.SkipToMenu();
    game.state->flow.menuMusic = true;
    game.Frame();
  }
  void Hold() { game.backend.ScriptButton(0, true); }
  void Release() { game.backend.ScriptButton(0, false); }
  FlowGame game;
};

TEST_F(MenuScreenTest, CursorStartsWhereTheSystemCursorWasAndStaysOnScreen) {
  FlowGame fresh;
  fresh.platform.startCursorX = 612;
  fresh.platform.startCursorY = 301;
  fresh.SkipToMenu();
  fresh.Frame();
  EXPECT_EQ(fresh.state->menu.cursorX, 612);
  EXPECT_EQ(fresh.state->menu.cursorY, 301);
  fresh.backend.ScriptMotion(5000, -5000);
  fresh.Frame();
  EXPECT_EQ(fresh.state->menu.cursorX, 1024);
  EXPECT_EQ(fresh.state->menu.cursorY, 0);
  fresh.backend.ScriptMotion(-9000, 9000);
  fresh.Frame();
  EXPECT_EQ(fresh.state->menu.cursorX, -490);  // minus the right picture's width
  EXPECT_EQ(fresh.state->menu.cursorY, 768);
}

TEST_F(MenuScreenTest, HoverSoundPlaysOnlyAfterTheCursorLeftEverything) {
  game.MoveMenuCursorTo(100, 100);  // over nothing: the sound is armed
  game.MoveMenuCursorTo(500, 280);
  game.Frame();                     // the first frame inside the box plays it
  EXPECT_EQ(game.EffectsPlayed(5), 1);
  game.MoveMenuCursorTo(500, 360);  // straight into the next box
  game.Frames(2);
  EXPECT_EQ(game.EffectsPlayed(5), 1);
  game.MoveMenuCursorTo(360, 610);  // over the music switch: not "nothing"
  game.Frame();
  game.MoveMenuCursorTo(500, 450);
  game.Frames(2);
  EXPECT_EQ(game.EffectsPlayed(5), 1);
  game.MoveMenuCursorTo(900, 700);
  game.Frame();
  game.MoveMenuCursorTo(500, 450);
  game.Frame();
  EXPECT_EQ(game.EffectsPlayed(5), 2);
}

TEST_F(MenuScreenTest, MusicSwitchStopsTheMenuMusicAndRestartsItFromTheBeginning) {
  ASSERT_TRUE(game.MusicRunning(2));
  game.ClickMenuAt(360, 610);
  EXPECT_EQ(game.platform.sound.musicOn, 0);
  EXPECT_FALSE(game.MusicRunning(2));
  EXPECT_EQ(game.Calls("music-rewind 2"), 1);
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
  game.Frame();
  game.Click();
  EXPECT_EQ(game.platform.sound.musicOn, 1);
  EXPECT_TRUE(game.MusicRunning(2));
}

TEST_F(MenuScreenTest, HeldButtonTogglesASwitchOnlyOnce) {
  game.MoveMenuCursorTo(360, 645);
  Hold();
  game.Frames(10);
  EXPECT_EQ(game.platform.sound.effectsOn, 0);
  Release();
  game.Frame();
  game.Click();
  EXPECT_EQ(game.platform.sound.effectsOn, 1);
  game.MoveMenuCursorTo(360, 672);  // the speech switch is clicked from y 670
  game.Click();
  EXPECT_EQ(game.platform.sound.speechOn, 0);
}

TEST_F(MenuScreenTest, DraggingAlongTheMusicBarFollowsTheCursorAndStopsAtTheEnds) {
  game.MoveMenuCursorTo(420, 610);
  Hold();
  game.Frame();
  EXPECT_EQ(game.platform.sound.musicVolume, 5);
  for (int x = 430; x <= 700; x += 10) {
    game.backend.ScriptMotion(10, 0);
    game.Frame();
  }
  // 674 was the last position inside the bar: (674 - 405) / 3.
  EXPECT_EQ(game.platform.sound.musicVolume, (670 - 405) / 3);
  EXPECT_GE(game.Calls("music-volume 2 "), 20);
  game.backend.ScriptMotion(-400, 0);  // far left of the bar, still in the row
  game.Frame();
  EXPECT_EQ(game.platform.sound.musicVolume, (670 - 405) / 3);
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
}

TEST_F(MenuScreenTest, DraggingTheEffectsBarReplaysTheSampleWheneverItEnded) {
  game.MoveMenuCursorTo(500, 645);
  Hold();
  game.Frames(10);  // 100 ms: the half-second sample is still playing
  EXPECT_EQ(game.EffectsPlayed(8), 1);
  EXPECT_EQ(game.platform.sound.effectsVolume, (500 - 405) / 3);
  game.Frames(45);
  EXPECT_EQ(game.EffectsPlayed(8), 2);
  Release();
  game.Frames(100);
  EXPECT_EQ(game.EffectsPlayed(8), 2);
}

TEST_F(MenuScreenTest, SpeechSliderSetsTheVolumeAndPlaysItsSample) {
  game.MoveMenuCursorTo(600, 680);
  Hold();
  game.Frame();
  EXPECT_EQ(game.platform.sound.speechVolume, 65);
  EXPECT_EQ(game.EffectsPlayed(20), 1);
}

TEST_F(MenuScreenTest, PressStartedOutsideAnItemDoesNotChooseItWhenDraggedIn) {
  game.MoveMenuCursorTo(500, 640);
  Hold();
  game.Frame();  // the slider clears the latch
  game.backend.ScriptMotion(0, 280 - 640);
  game.Frame();
  EXPECT_EQ(game.state->flow.gameState, kStateMenu);
}

}  // namespace
}  // namespace logic

// Whole frames of the menu, the high-score screens, the intro and the
// credits against golden PNGs: the artwork is flat colour per image slot,
// so each golden shows where every element and every glyph lands.
#include <cstdlib>

#include <gtest/gtest.h>

#include "flow_test_fixture.h"
#include "golden_support.h"
#include "logic/high_scores.h"

namespace logic {
namespace {

using flowtest::FlowGame;
using goldentest::MatchesGolden;

TEST(ScreenGolden, MenuWithHighlightedItemAndHelpLine) {
  FlowGame game;
  game.SkipToMenu();
  game.Frame();
  game.MoveMenuCursorTo(500, 370);
  game.Frame();
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "menu_highlight"));
  game.MoveMenuCursorTo(350, 612);
  game.Frame();
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "menu_music_switch_help"));
}

TEST(ScreenGolden, HighScoreTableRisingAndStanding) {
  FlowGame game;
  game.SkipToMenu();
  game.OpenHighScores(0);
  game.Frames(500);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "highscore_rising"));
  game.Frames(400);
  EXPECT_EQ(game.state->highScores.scrollOffset, -1);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "highscore_table"));
}

TEST(ScreenGolden, NameEntryWithTypedLettersAndCursor) {
  FlowGame game;
  game.SkipToMenu();
  game.OpenHighScores(30500);
  ASSERT_EQ(game.state->highScores.rank, 4);
  game.Frames(40);
  for (int key : {'M', 'A', 'X'}) game.Key(key);
  game.Frames(20);  // blink state on (toggled after 50 frames)
  EXPECT_TRUE(game.state->highScores.blinkOn);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "name_entry"));
}

TEST(ScreenGolden, IntroLogoTitleAndSlide) {
  FlowGame game;
  game.Frames(500);  // counter 450: the logo settled, "presents" shown
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "intro_logo"));
  game.Frames(300);  // counter 750: tiles dropping in
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "intro_title"));
  game.Frames(320);  // counter 1070: the menu background sliding in
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "intro_slide"));
}

TEST(ScreenGolden, CreditsPageAndRoll) {
  FlowGame game;
  game.SkipToMenu();
  game.state->flow.gameState = kStateCredits;
  game.Frames(60);  // the sparks start from frame 21 on
  // Jump ahead instead of running thousands of frames; the pages depend
  // only on the counter.
  game.state->credits.counter = 1480;
  game.Frames(20);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "credits_programmer"));
  game.state->credits.counter = 4000;
  game.state->credits.rollOffset = 400.0;
  game.Frames(20);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "credits_roll"));
}

TEST(ScreenGolden, EveryCreditsPageWithItsTextsAndPicture) {
  FlowGame game;
  game.SkipToMenu();
  game.state->flow.gameState = kStateCredits;
  game.Frames(30);
  const struct {
    int counter;
    const char* golden;
  } pages[] = {{100, "credits_a_game_by"},     {500, "credits_maker"},     {1000, "credits_team"},
               {2100, "credits_music_and_sound"}, {2750, "credits_graphics"}, {3400, "credits_photos"}};
  for (const auto& page : pages) {
    game.state->credits.counter = page.counter;
    game.Frames(20);
    EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), page.golden)) << page.golden;
  }
}

TEST(HighScoreBackground, BothCopiesStayJoinedThroughEveryWrap) {
  FlowGame game;
  game.SkipToMenu();
  game.OpenHighScores(0);
  for (int frame = 0; frame < 1600; ++frame) {
    game.Frames(1);
    const auto& screen = game.state->highScores;
    ASSERT_EQ(std::abs(screen.backgroundY1 - screen.backgroundY2), 768) << "frame " << frame;
  }
}

}  // namespace
}  // namespace logic

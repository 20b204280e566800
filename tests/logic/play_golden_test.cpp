// Whole play-screen frames against golden PNGs: flat-colour artwork per
// image slot, so each golden shows where pictures, covers, banners, labels,
// digits, markers, particles, the time bar and the end panels land.
#include "golden_support.h"
#include "play_test_fixture.h"

namespace logic {
namespace {

using goldentest::MatchesGolden;
using playtest::PlayGame;

TEST(PlayGolden, IntroPartsWithCovers) {
  PlayGame game;
  game.SetUp();
  for (int f = 0; f < 50; ++f) game.Frame();
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "play_intro_a"));
  while (game.state.level.phase < 200) game.Frame();
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "play_intro_b_covers_shrinking"));
}

TEST(PlayGolden, SearchWithMarkersBurstsAndBar) {
  PlayGame game;
  game.StartSearching();
  for (int s = 0; s < 5; ++s) game.Frame(1000);
  game.ClickAt(game.CentreCursorX(1), game.CentreCursorY(1));
  game.ClickAt(300, 450);
  for (int f = 0; f < 20; ++f) game.Frame(35);
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "play_search"));
}

TEST(PlayGolden, LevelCompletePanelAndGameOver) {
  PlayGame game;
  game.StartSearching();
  game.FindAll();
  while (game.state.levelEnd.frameCounter < 150) game.Frame();
  EXPECT_TRUE(MatchesGolden(*game.backend.LastFrame(), "play_level_complete"));

  PlayGame over;
  over.StartSearching();
  over.ClickAt(over.CentreCursorX(3), over.CentreCursorY(3));
  over.RunOutOfTime();
  while (over.state.levelEnd.frameCounter < 300) over.Frame();
  EXPECT_TRUE(MatchesGolden(*over.backend.LastFrame(), "play_game_over"));
}

}  // namespace
}  // namespace logic

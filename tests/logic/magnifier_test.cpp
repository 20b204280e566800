// The magnifier: where its two lenses go, what they show (golden image, and
// the enlarged pixels checked one by one), and that it changes nothing of
// the play: no points, no seconds, no marker, no sound, and a left click
// while it is held counts as before.
#include "golden_support.h"
#include "logic/level_rules.h"
#include "logic/magnifier.h"
#include "play_test_fixture.h"

namespace logic {
namespace {

using goldentest::MatchesGolden;
using playtest::PlayGame;

// A picture with detail: a grid of coloured squares, the right picture with
// one square changed, so the golden shows both lenses and the difference.
void PaintPictures(PlayGame& game) {
  for (int slot : {1, 2}) {
    SDL_Surface* surface = game.platform.images[slot].surface.get();
    ASSERT_NE(surface, nullptr);
    for (int y = 0; y < surface->h; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
      for (int x = 0; x < surface->w; ++x) {
        const int cell = (x / 6) + (y / 6);
        std::uint32_t colour = 0x203040 + ((cell % 5) * 0x2F0000) + ((x % 6 == 0 || y % 6 == 0) ? 0x0000A0 : 0);
        if (slot == 2 && x >= 240 && x < 252 && y >= 200 && y < 212) colour = 0xF0F000;
        row[x] = colour;
      }
    }
  }
}

TEST(Magnifier, LensesSitOnTheSpotAClickTestsOnBothPictures) {
  LensPlacement placement;
  ASSERT_TRUE(PlaceLenses(236, 273, placement));  // over the left picture
  EXPECT_EQ(placement.pictureX, LeftPictureX(236));
  EXPECT_EQ(placement.pictureY, PictureY(273));
  EXPECT_EQ(placement.leftCentreX, 10 + 246);
  EXPECT_EQ(placement.rightCentreX, 524 + 246);
  EXPECT_EQ(placement.centreY, 273);

  ASSERT_TRUE(PlaceLenses(746, 273, placement));  // the same spot from the right picture
  EXPECT_EQ(placement.pictureX, RightPictureX(746));
  EXPECT_EQ(placement.rightCentreX, 524 + 246);

  EXPECT_FALSE(PlaceLenses(300, 600, placement));  // below the pictures
  EXPECT_FALSE(PlaceLenses(495, 200, placement));  // between them
}

TEST(Magnifier, HeldRightButtonShowsBothSpotsEnlarged) {
  PlayGame game;
  game.StartSearching();
  PaintPictures(game);
  game.PlaceCursor(236, 273);  // picture point (246, 200)
  game.backend.ScriptButton(1, true);
  game.Frame();
  const platform::CapturedFrame frame = *game.backend.LastFrame();
  EXPECT_TRUE(MatchesGolden(frame, "play_magnifier"));

  // Each picture pixel near the centre covers two by two screen pixels
  // (the left lens is checked above the cursor, which is drawn over it).
  for (int dy = -20; dy < 20; dy += 3) {
    for (int dx = -20; dx < 20; dx += 3) {
      const int px = 246 + (dx >= 0 ? dx / 2 : -((-dx + 1) / 2));
      const int py = 200 + (dy >= 0 ? dy / 2 : -((-dy + 1) / 2));
      if (dy < 0) {
        EXPECT_EQ(frame.Pixel(256 + dx, 273 + dy), game.SlotPixel(1, px, py)) << dx << "," << dy;
      }
      EXPECT_EQ(frame.Pixel(770 + dx, 273 + dy), game.SlotPixel(2, px, py)) << dx << "," << dy;
    }
  }
  // The changed square stands out in the right lens only.
  EXPECT_EQ(frame.Pixel(770 + 10, 273 + 2), 0xF0F000u);
  EXPECT_NE(frame.Pixel(256 + 10, 273 + 2), 0xF0F000u);
  EXPECT_EQ(frame.Pixel(256 + 10, 273 + 2), game.SlotPixel(1, 251, 201));

  game.backend.ScriptButton(1, false);
  game.Frame();
  game.Frame();
  EXPECT_EQ(game.ScreenPixel(266, 275), game.SlotPixel(1, 256, 202));  // gone when let go
}

TEST(Magnifier, CostsNothingAndLeavesClicksAsTheyWere) {
  PlayGame game;
  game.StartSearching();
  const int points = game.state.level.points;
  const int seconds = game.state.level.secondsLeft;
  const std::size_t calls = game.backend.audioCalls.size();
  game.PlaceCursor(300, 450);  // on the pictures, on no difference
  game.backend.ScriptButton(1, true);
  for (int f = 0; f < 30; ++f) game.Frame();
  game.backend.ScriptButton(1, false);
  game.Frame();
  EXPECT_EQ(game.state.level.points, points);
  EXPECT_EQ(game.state.level.secondsLeft, seconds);
  EXPECT_EQ(game.backend.audioCalls.size(), calls);
  for (const ClickMarker& marker : game.state.play.markers) EXPECT_FALSE(marker.active);

  // A find with the lens held counts exactly as without it.
  game.backend.ScriptButton(1, true);
  game.ClickAt(game.CentreCursorX(2), game.CentreCursorY(2));
  EXPECT_EQ(game.state.level.differencesLeft, kDifferences - 1);
  EXPECT_EQ(game.state.level.points, points + 100);

  // Nor does it show outside the search.
  game.state.level.phase = kPhaseLevelComplete;
  game.state.levelEnd.frameCounter = 0;
  game.PlaceCursor(236, 273);
  game.Frame();
  EXPECT_NE(game.ScreenPixel(236 + 20 + kLensRadius + 1, 273), 0xEBEBEBu);
}

}  // namespace
}  // namespace logic

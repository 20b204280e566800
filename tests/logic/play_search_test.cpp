// Scripted play on the headless backend: the intro, clicks in and out of
// the difference rectangles, penalties, the clock and the time display.
#include "play_test_fixture.h"

namespace logic {
namespace {

using playtest::PlayGame;

TEST(PlayIntro, RunsThroughBothPartsAndIgnoresClicks) {
  PlayGame game;
  game.SetUp();
  ASSERT_FALSE(game.platform.endRequested);
  EXPECT_EQ(game.state.level.phase, kPhaseIntroA);
  // Clicking on a difference during the intro finds nothing.
  for (int i = 0; i < 40; ++i) game.ClickAt(game.CentreCursorX(0), game.CentreCursorY(0));
  EXPECT_EQ(game.state.level.differencesLeft, 5);
  EXPECT_EQ(game.state.level.points, 0);
  EXPECT_EQ(game.state.level.secondsLeft, 60);
  EXPECT_EQ(game.SoundsPlayed(6), 1);  // "part A" speech at phase 0
  game.RunUntilSearching();
  EXPECT_EQ(game.SoundsPlayed(7), 1);  // part B speech at phase 161
  // Covers shrank 15 pixels a frame from phase 190 until gone.
  EXPECT_GE(game.state.play.coverOffset, 430);
  const int track = game.state.play.currentPlayTrack;
  EXPECT_TRUE(track == 7 || track == 1 || track == 5 || track == 4);
}

TEST(PlayIntro, PartAEndsAfter1500MillisecondsOnASlowMachine) {
  PlayGame game;
  game.SetUp();
  game.Frame(100);  // phase 0: intro start taken from this frame's clock
  for (int i = 0; i < 16; ++i) game.Frame(100);
  // 1600 ms in 17 frames: the phase has jumped to part B long before 160.
  EXPECT_GE(game.state.level.phase, kPhaseIntroB);
  EXPECT_LT(game.state.level.phase, kPhaseIntroB + 5);
}

TEST(PlayIntro, ButtonHeldThroughTheIntroClicksOnceSearchingStarts) {
  PlayGame game;
  game.SetUp();
  game.PlaceCursor(game.CentreCursorX(2), game.CentreCursorY(2));
  game.backend.ScriptButton(0, true);
  while (game.state.level.phase != kPhaseSearching) game.Frame();
  EXPECT_EQ(game.state.level.differencesLeft, 5);  // phase 260 frame: no click yet
  game.Frame();
  EXPECT_EQ(game.state.level.differencesLeft, 4);
  game.Frame();  // still held: no second click
  EXPECT_EQ(game.state.level.points, 100);
}

TEST(PlayClicks, FindsInBothPicturesWithTheRightOneShiftedBy510) {
  PlayGame game;
  game.StartSearching();
  game.ClickAt(game.CentreCursorX(0), game.CentreCursorY(0));
  EXPECT_EQ(game.state.level.differencesLeft, 4);
  EXPECT_EQ(game.state.play.rects[0].found[0], 1);
  // Difference 1 in the right picture: picture x = cursor x - 500.
  game.ClickAt(game.CentreCursorX(1) + 510, game.CentreCursorY(1));
  EXPECT_EQ(game.state.level.differencesLeft, 3);
  EXPECT_EQ(game.state.level.points, 200);
  // Clicking a found difference again is a wrong click.
  game.ClickAt(game.CentreCursorX(1) + 510, game.CentreCursorY(1));
  EXPECT_EQ(game.state.level.differencesLeft, 3);
  EXPECT_EQ(game.state.level.points, 190);
  // The found ones are outlined in blue in both pictures: the outer ring at
  // the rectangle's top-left corner.
  const auto& set = game.state.play.rects[0];
  EXPECT_EQ(game.SlotPixel(1, set.left[1], set.top[1]), 0x000032u);
  EXPECT_EQ(game.SlotPixel(2, set.left[1], set.top[1]), 0x000032u);
  EXPECT_EQ(game.SlotPixel(2, set.left[1] + 3, set.top[1] + 3), 0xFFFFFFu);
  // Each hit marker is on its way up.
  const int hitMarkers = static_cast<int>(std::count_if(game.state.play.markers.begin(), game.state.play.markers.end(),
                                                        [](const ClickMarker& m) { return m.active && m.hit; }));
  EXPECT_EQ(hitMarkers, 2);
}

TEST(PlayClicks, EdgesOfARectangleDoNotCount) {
  PlayGame game;
  game.StartSearching();
  const auto& set = game.state.play.rects[0];
  // Cursor x + 10 == left edge: on the edge, a wrong click.
  game.ClickAt(set.left[0] - 10, game.CentreCursorY(0));
  EXPECT_EQ(game.state.level.differencesLeft, 5);
  game.ClickAt(set.left[0] - 9, set.top[0] + 73);
  EXPECT_EQ(game.state.level.differencesLeft, 5);
  game.ClickAt(set.left[0] - 9, set.top[0] + 74);
  EXPECT_EQ(game.state.level.differencesLeft, 4);
}

TEST(PlayClicks, WrongClicksCostPointsAndTimeWithFloors) {
  PlayGame game;
  game.StartSearching();
  game.ClickAt(game.CentreCursorX(0), game.CentreCursorY(0));  // 100 points
  const int secondsBefore = game.state.level.secondsLeft;
  game.ClickAt(400, 450);  // inside the left picture, no difference
  EXPECT_EQ(game.state.level.points, 90);
  EXPECT_EQ(game.state.level.secondsLeft, secondsBefore - 10);
  EXPECT_EQ(game.SoundsPlayed(2), 1);
  // Outside both picture areas a click costs nothing.
  game.ClickAt(495, 300);
  game.ClickAt(300, 600);
  EXPECT_EQ(game.state.level.points, 90);
  EXPECT_EQ(game.state.level.secondsLeft, secondsBefore - 10);
  game.state.level.secondsLeft = 999;  // room for many penalties
  for (int i = 0; i < 12; ++i) game.ClickAt(400, 450);
  EXPECT_EQ(game.state.level.points, 0);
}

TEST(PlayClicks, WrongClickInTheLastTenSecondsEndsTheLevelAtOnce) {
  PlayGame game;
  game.StartSearching(8);
  game.PlaceCursor(400, 450);
  game.backend.ScriptButton(0, true);
  game.Frame();
  EXPECT_EQ(game.state.level.secondsLeft, 0);
  EXPECT_EQ(game.state.level.phase, kPhaseTimeOver);
  EXPECT_EQ(game.state.levelEnd.frameCounter, 0);
}

TEST(PlayClicks, OneClickOnTwoOverlappingDifferences) {
  auto records = playtest::PlayRecords(1);
  for (auto& record : records) {
    record.rects[1] = record.rects[0];
    record.rects[1].x1 += 20;
    record.rects[1].x2 += 20;
  }
  PlayGame game(records);
  game.StartSearching();
  const auto& set = game.state.play.rects[0];
  game.ClickAt(set.left[0] + 30 - 10, set.top[0] + 10 + 73);  // inside both
  EXPECT_EQ(game.state.level.differencesLeft, 3);
  EXPECT_EQ(game.state.level.points, 100);
  // Speech for 4 left (11 or 18) and then for 3 left (12).
  EXPECT_EQ(game.SoundsPlayed(11) + game.SoundsPlayed(18), 1);
  EXPECT_EQ(game.SoundsPlayed(12), 1);
  EXPECT_EQ(std::count_if(game.state.play.bursts.begin(), game.state.play.bursts.end(),
                          [](const ParticleBurst& b) { return b.active; }),
            2);
}

TEST(PlayClicks, FullTablesReuseTheOldestSlot) {
  PlayGame game;
  game.StartSearching(999);  // room for many penalties
  for (int i = 0; i < 25; ++i) game.ClickAt(400 + (i % 2) * 2, 450);
  for (const ClickMarker& marker : game.state.play.markers) EXPECT_TRUE(marker.active);
  // The ten newest clicks (two frames each, 1.5 pixels of rise a frame)
  // hold the slots; the older markers gave way.
  for (const ClickMarker& marker : game.state.play.markers) EXPECT_LE(marker.rise, 30.0);
}

TEST(PlayClock, CountsSecondsAndCreepsTheBar) {
  PlayGame game;
  game.StartSearching();
  EXPECT_EQ(game.state.level.secondsLeft, 60);
  game.Frame(70);
  // 934 / 60 = 15.57 pixels a second: the bar creeps 1 pixel per 70 ms.
  EXPECT_EQ(game.state.play.clock.subSecondBarOffset, 1);
  for (int i = 0; i < 14; ++i) game.Frame(70);
  EXPECT_EQ(game.state.level.secondsLeft, 59);
  EXPECT_EQ(game.state.play.clock.subSecondBarOffset, 0);
  // One second gone: the bar's right 15 pixels are black (transparent).
  EXPECT_EQ(game.SlotPixel(3, 933, 5), 0u);
  EXPECT_EQ(game.SlotPixel(3, 934 - 16, 5), playtest::Xrgb(playtest::kTimeBar));
}

TEST(PlayClock, ShortLevelsCreepFaster) {
  PlayGame game;
  game.SetUp();
  game.state.level.secondsLeft = game.state.level.secondsAtStart = 20;
  game.state.level.timeBarScale = 934.0 / 20;
  game.SkipIntro();
  game.Frame(70);
  EXPECT_EQ(game.state.play.clock.subSecondBarOffset, 4);
}

TEST(PlayClock, TimeRunsOutIntoGameOver) {
  PlayGame game;
  game.StartSearching(12);
  int ticks = 0;
  for (int second = 0; second < 12 && game.state.level.phase == kPhaseSearching; ++second) {
    game.Frame(1000);
    if (game.state.level.secondsLeft == 10) {
      EXPECT_TRUE(game.state.play.clock.tenSecondWarning);
      EXPECT_EQ(game.SoundsPlayed(3), 1);
    }
    if (game.state.level.secondsLeft == 9) {
      EXPECT_FALSE(game.state.play.clock.tenSecondWarning);
    }
    ticks = game.SoundsPlayed(5);
  }
  EXPECT_EQ(game.state.level.phase, kPhaseTimeOver);
  EXPECT_EQ(game.state.level.secondsLeft, 0);
  EXPECT_EQ(ticks, 8);  // one tick for each of 8..1; the frame that shows 0 is an end frame
}

TEST(PlayClock, IdleSpeechAfterTwentyAndFortyFiveSeconds) {
  PlayGame game;
  game.StartSearching(999);  // long enough for the test
  for (int s = 0; s < 19; ++s) game.Frame(1000);
  EXPECT_EQ(game.state.play.clock.idleSeconds, 19);
  game.Frame(1000);
  EXPECT_EQ(game.state.play.clock.idleSeconds, 20);
  const int idle20 = game.SoundsPlayed(23) + game.SoundsPlayed(24);
  EXPECT_LE(idle20, 1);
  for (int s = 0; s < 25; ++s) game.Frame(1000);
  EXPECT_EQ(game.SoundsPlayed(25), 1);
  EXPECT_EQ(game.state.play.clock.idleSeconds, 0);
  // A find resets the count at the end of its second.
  for (int s = 0; s < 5; ++s) game.Frame(1000);
  game.ClickAt(game.CentreCursorX(0), game.CentreCursorY(0));
  EXPECT_EQ(game.state.play.clock.idleSeconds, 5);
  game.Frame(1000);
  EXPECT_EQ(game.state.play.clock.idleSeconds, 0);
}

TEST(PlayClock, DisplayBlinksDuringTheWarning) {
  PlayGame game;
  game.StartSearching(11);
  game.Frame(1000);
  ASSERT_TRUE(game.state.play.clock.tenSecondWarning);
  int hiddenFrames = 0;
  for (int i = 0; i < 40; ++i) {
    game.Frame(10);
    // The units digit cell of the time display, (830, 670)-(855, 695).
    if (game.ScreenPixel(840, 680) == playtest::Xrgb(playtest::kBackground)) ++hiddenFrames;
  }
  EXPECT_EQ(hiddenFrames, 20);
}

TEST(PlayScreen, PointsBeyondSixDigitsShowAsNines) {
  PlayGame game;
  game.StartSearching();
  game.state.level.points = 1234567;
  game.Frame();
  // Six cells of 20 x 20 from x = 160, all showing the 9: the first one is
  // never the artwork behind slot 10 + 12.
  for (int k = 0; k < 6; ++k) EXPECT_EQ(game.ScreenPixel(165 + 20 * k, 680), playtest::Xrgb(playtest::DigitColour(9))) << k;
}

}  // namespace
}  // namespace logic

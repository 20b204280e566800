#include "logic/play.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "logic/game_state.h"
#include "logic/level_end.h"
#include "logic/level_rules.h"
#include "logic/level_setup.h"
#include "logic/magnifier.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {

namespace {

namespace asset = platform::asset;

using platform::Platform;
using platform::Rect;

constexpr int kTimeBarX = 43, kTimeBarY = 534;
constexpr int kLeftPictureX = 10, kRightPictureX = 524, kPictureTop = 73;
constexpr std::uint32_t kIntroPartAMaxMs = 1500;
constexpr int kBurstLifeSteps = 2000;
constexpr double kMarkerRiseLimit = 200.0;
constexpr int kShownPointsLimit = 999999;  // six digits

bool IsEndPhase(int phase) { return phase == kPhaseLevelComplete || phase == kPhaseTimeOver; }

bool LeftButtonDown(const platform::MouseReading& reading) { return (reading.buttons[0] & 0x80) != 0; }

Rect At(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

void DrawSlotAtOwnSize(Platform& platform, int slot, int x, int y) {
  const platform::ImageSlot& image = platform.images[slot];
  platform::DrawSlotKeyed(platform, At(x, y, image.width, image.height), slot);
}

void DrawLevelCaption(GameState& state, Platform& platform) {
  platform::DrawText(platform, "Level ", 440, 570, 25, 25);
  platform::DrawNumber(platform, static_cast<std::uint8_t>(std::min(state.level.levelNumber, 99)), 2, 550,
                       570, 25, 25);
}

// The covers hide the pictures during the intro and shrink away from phase
// 190 on; a cover of no height draws nothing.
void DrawCovers(GameState& state, Platform& platform) {
  if (state.level.phase >= 190 && state.level.phase <= 279) state.play.coverOffset += 15;
  const platform::ImageSlot& cover = platform.images[asset::kCoverSlot];
  const int height = cover.height - state.play.coverOffset;
  if (height <= 0) return;
  platform::DrawSlotKeyed(platform, At(kLeftPictureX, kPictureTop, cover.width, height), asset::kCoverSlot);
  platform::DrawSlotKeyed(platform, At(kRightPictureX, kPictureTop, cover.width, height), asset::kCoverSlot);
}

void DrawTimeBarImage(Platform& platform) {
  platform::DrawSlotKeyed(platform, At(kTimeBarX, kTimeBarY, kTimeBarWidth, kTimeBarHeight), asset::kTimeBarSlot);
}

void DrawIntroScene(GameState& state, Platform& platform, int banner, int bannerX, int bannerY) {
  platform::DrawSlot(platform, At(0, 0, platform::kScreenWidth, platform::kScreenHeight), asset::kPlayBackgroundSlot);
  DrawPictures(platform);
  DrawCovers(state, platform);
  DrawSlotAtOwnSize(platform, banner, bannerX, bannerY);
}

void IntroPartAFrame(GameState& state, Platform& platform, std::uint32_t now) {
  LevelValues& level = state.level;
  if (level.phase == kPhaseIntroA) {
    state.play.introStart = now;
    platform::PlaySpeech(platform, asset::kFindFiveSpeech);
  }
  // Part A ends after 160 frames or 1500 ms, whichever comes first, so a slow
  // machine does not keep the player waiting.
  if (now - state.play.introStart > kIntroPartAMaxMs) {
    level.phase = kPhaseIntroB - 1;
    state.play.introStart = 0;
  }
  DrawIntroScene(state, platform, asset::kIntroBannerASlot, 250, 295);
  DrawPoints(state, platform);
  DrawTimeDisplay(state, platform);
  DrawLevelCaption(state, platform);
  DrawTimeBarImage(platform);
  ++level.phase;
}

void IntroPartBFrame(GameState& state, Platform& platform) {
  if (state.level.phase == kPhaseIntroB + 1) platform::PlaySpeech(platform, asset::kReadySteadyGoSpeech);
  DrawIntroScene(state, platform, asset::kIntroBannerBSlot, 250, 250);
  DrawLevelCaption(state, platform);
  DrawPoints(state, platform);
  DrawTimeDisplay(state, platform);
  DrawTimeBarImage(platform);
  ++state.level.phase;
}

// A different track from the previous level's, drawn from tracks 7, 1, 5, 4.
void StartPlayMusic(GameState& state, Platform& platform) {
  int track = state.play.previousPlayTrack;
  while (track == state.play.previousPlayTrack) track = PlayTrackForDraw(RandomBetween(state.random, 0, 3));
  state.play.currentPlayTrack = track;
  state.play.previousPlayTrack = track;
  platform::PlayMusic(platform, track);
}

void IdleSecond(GameState& state, Platform& platform) {
  PlayClock& clock = state.play.clock;
  if (clock.hitThisSecond) {
    clock.hitThisSecond = false;
    clock.idleSeconds = 0;
    return;
  }
  ++clock.idleSeconds;
  if (clock.idleSeconds == 20) {
    const int r = RandomBetween(state.random, 0, 2);
    if (r == 0) platform::PlaySpeech(platform, asset::kWhereIsItSpeech);
    if (r == 1) platform::PlaySpeech(platform, asset::kLookCloselySpeech);
  } else if (clock.idleSeconds == 45) {
    platform::PlaySpeech(platform, asset::kTimeIsRunningSpeech);
    clock.idleSeconds = 0;
  }
}

// The warning lasts the one second in which the clock shows 10: the play
// music pauses for a warning sound and comes back after it.
void TenSecondWarning(GameState& state, Platform& platform) {
  PlayClock& clock = state.play.clock;
  if (state.level.secondsLeft == 10) {
    if (!clock.tenSecondWarning) {
      clock.tenSecondWarning = true;
      platform::PlayEffect(platform, asset::kTenSecondWarningSound);
      platform::StopMusic(platform, state.play.currentPlayTrack);
    }
  } else if (clock.tenSecondWarning) {
    platform::PlayMusic(platform, state.play.currentPlayTrack);
    clock.tenSecondWarning = false;
  }
}

void AdvanceClock(GameState& state, Platform& platform, std::uint32_t now) {
  PlayClock& clock = state.play.clock;
  if (clock.frameTime == 0 && clock.lastSecondTick == 0) {
    clock.lastSecondTick = now;
    clock.lastStepTick = now;
  }
  clock.frameTime = now;
  if (now - clock.lastSecondTick >= 1000) {
    --state.level.secondsLeft;
    IdleSecond(state, platform);
    clock.lastSecondTick = now;
    clock.lastStepTick = now;
    clock.frameTimeCopy = now;
    clock.subSecondBarOffset = 0;
    TenSecondWarning(state, platform);
  } else if (now - clock.lastStepTick >= 70) {
    clock.lastStepTick = now;
    clock.subSecondBarOffset += static_cast<int>(state.level.timeBarScale * 0.1);
  }
}

void SearchingFrame(GameState& state, Platform& platform, std::uint32_t now) {
  DrawPlayBackground(state, platform);
  DrawPictures(platform);
  DrawPoints(state, platform);
  AdvanceClock(state, platform, now);
  LevelValues& level = state.level;
  if (level.secondsLeft <= 0) {
    level.phase = kPhaseTimeOver;
    state.levelEnd.frameCounter = 0;
  }
  // After the time test: a last find in the frame the time runs out wins.
  if (level.differencesLeft == 0) {
    level.phase = kPhaseLevelComplete;
    state.levelEnd.frameCounter = 0;
  }
  DrawTimeDisplay(state, platform);
}

// When all slots are busy the oldest one is reused, so a flurry of clicks
// never writes beyond the table.
template <typename Slots>
auto& FreeOrOldest(Slots& slots) {
  auto free = std::find_if(slots.begin(), slots.end(), [](const auto& s) { return !s.active; });
  if (free != slots.end()) return *free;
  return *std::min_element(slots.begin(), slots.end(),
                           [](const auto& a, const auto& b) { return a.startOrder < b.startOrder; });
}

void StartBurst(GameState& state, int j) {
  const DifferenceSet& set = state.play.rects[0];
  ParticleBurst& burst = FreeOrOldest(state.play.bursts);
  burst.active = true;
  burst.startOrder = ++state.play.startCounter;
  RandomGenerator& random = state.random;
  const int left = set.left[j], right = set.right[j], top = set.top[j], bottom = set.bottom[j];
  for (int i = 0; i < kParticlesPerBurst; ++i) {
    Particle& p = burst.particles[i];
    if (i <= 2) {
      p.x = RandomBetween(random, left, right), p.y = top + kPictureTop;
    } else if (i <= 5) {
      p.x = right, p.y = RandomBetween(random, top, bottom) + kPictureTop;
    } else if (i == 6 || i >= 10) {
      p.x = RandomBetween(random, left, right), p.y = bottom + kPictureTop;
    } else {
      p.x = left, p.y = RandomBetween(random, top, bottom) + kPictureTop;
    }
  }
  for (Particle& p : burst.particles) {
    p.vx = RandomBetween(random, 0, 2) == 1 ? 0.2 : 1.0;
    (void)RandomBetween(random, 0, 2);  // drawn, but the rise speed is fixed
    p.vy = -2.0;
    p.leftward = RandomBetween(random, 0, 1) != 0;
    p.colour = RandomBetween(random, 0, 5);
  }
}

void StartMarker(GameState& state, bool hit) {
  ClickMarker& marker = FreeOrOldest(state.play.markers);
  marker = ClickMarker{state.play.cursorX, state.play.cursorY, 0.0, true, hit, ++state.play.startCounter};
}

void MarkFound(GameState& state, Platform& platform, int j) {
  DifferenceSet& set = state.play.rects[0];
  platform::DrawBlueFrame(platform, 1, set.left[j], set.top[j], set.right[j], set.bottom[j]);
  platform::DrawBlueFrame(platform, 2, set.left[j], set.top[j], set.right[j], set.bottom[j]);
  StartBurst(state, j);
  --state.level.differencesLeft;
  set.found[j] = 1;
  const int r = RandomBetween(state.random, 0, 1);
  state.play.clock.hitThisSecond = true;
  platform::PlaySpeech(platform, SpeechForDifferencesLeft(state.level.differencesLeft, r, state.level.secondsLeft));
}

// Both pictures are tested against the left picture's rectangles, so a
// difference counts wherever the player spots it.
bool FindDifferencesAtCursor(GameState& state, Platform& platform) {
  bool foundAny = false;
  const int y = PictureY(state.play.cursorY);
  for (int x : {LeftPictureX(state.play.cursorX), RightPictureX(state.play.cursorX)}) {
    for (int j : DifferencesAt(state.play.rects[0], x, y)) {
      MarkFound(state, platform, j);
      foundAny = true;
    }
  }
  return foundAny;
}

void EvaluateClick(GameState& state, Platform& platform) {
  const bool foundAny = FindDifferencesAtCursor(state, platform);
  if (!InPictureArea(state.play.cursorX, state.play.cursorY)) return;
  StartMarker(state, foundAny);
  if (foundAny) {
    if (state.level.differencesLeft > 0) platform::PlayEffect(platform, asset::kFirstFindJingleSound + RandomBetween(state.random, 0, asset::kFindJingleCount - 1));
    state.level.points += 100;
    // A find gives the bar back the seconds drawn so far; it is drawn out
    // again from the elapsed time at once.
    ReloadTimeBar(platform);
    DrawTimeDisplay(state, platform);
  } else {
    platform::PlayEffect(platform, asset::kWrongClickSound);
    ApplyWrongClick(state.level);
  }
}

void HandleButton(GameState& state, Platform& platform, const platform::MouseReading& reading) {
  const int phase = state.level.phase;
  if (!LeftButtonDown(reading) || IsEndPhase(phase) || phase <= kPhaseSearchStart) {
    state.buttonReleaseLatch = true;
    return;
  }
  if (!state.buttonReleaseLatch) return;  // still held from an earlier click
  state.buttonReleaseLatch = false;
  EvaluateClick(state, platform);
}

void ClampCursor(GameState& state, const Platform& platform) {
  PlayScreenState& play = state.play;
  play.cursorY = std::max(play.cursorY, 0);
  play.cursorX = std::max(play.cursorX, -platform.images[asset::kRightPictureSlot].width);
  play.cursorX = std::min(play.cursorX, platform::kScreenWidth);
  play.cursorY = std::min(play.cursorY, platform::kScreenHeight);
}

void UpdateMarkers(GameState& state, Platform& platform) {
  const platform::ImageSlot& size = platform.images[asset::kMissMarkerSlot];
  for (ClickMarker& marker : state.play.markers) {
    if (!marker.active) continue;
    const int x = marker.x + static_cast<int>(8.0 * std::sin(0.2 * (marker.y - marker.rise)));
    const int y = marker.y - static_cast<int>(marker.rise);
    platform::DrawSlotKeyed(platform, At(x, y, size.width, size.height),
                            marker.hit ? asset::kHitMarkerSlot : asset::kMissMarkerSlot);
    marker.rise += 1.5;
    if (marker.rise > kMarkerRiseLimit) marker.active = false;
  }
}

void UpdateBursts(GameState& state, Platform& platform) {
  for (ParticleBurst& burst : state.play.bursts) {
    if (!burst.active) continue;
    for (Particle& p : burst.particles) {
      p.y = static_cast<int>(p.y + p.vy);
      p.x = static_cast<int>(p.leftward ? p.x - p.vx : p.x + p.vx);
      p.vy += 0.04;
      const int slot = asset::kFirstColourSlot + std::clamp(p.colour, 0, asset::kColourCount - 1);
      platform::DrawSlotKeyed(platform, Rect{p.x, p.y, p.x + 10, p.y + 10}, slot);
      platform::DrawSlotKeyed(platform, Rect{p.x + 500, p.y, p.x + 510, p.y + 10}, slot);
      // The life is counted per particle drawn: 13 a frame, so 154 frames.
      if (++burst.steps > kBurstLifeSteps) {
        burst.active = false;
        burst.steps = 0;
      }
    }
  }
}

void TickLastSeconds(GameState& state, Platform& platform) {
  PlayClock& clock = state.play.clock;
  if (state.level.secondsLeft == clock.lastShownSeconds) return;
  clock.lastShownSeconds = state.level.secondsLeft;
  if (state.level.secondsLeft < 9) platform::PlayEffect(platform, asset::kTickSound);
}

void RunPhase(GameState& state, Platform& platform, std::uint32_t now) {
  const int phase = state.level.phase;
  if (IsEndPhase(phase)) {
    DrawPlayBackground(state, platform);
    DrawPictures(platform);
    DrawPoints(state, platform);
    if (phase == kPhaseLevelComplete)
      LevelCompleteFrame(state, platform);
    else
      GameOverFrame(state, platform);
  } else if (phase >= kPhaseIntroA && phase < kPhaseIntroB) {
    IntroPartAFrame(state, platform, now);
  } else if (phase >= kPhaseIntroB && phase < kPhaseSearchStart) {
    IntroPartBFrame(state, platform);
  } else if (phase == kPhaseSearchStart) {
    state.level.phase = kPhaseSearching;
    StartPlayMusic(state, platform);
    SearchingFrame(state, platform, now);
  } else if (phase == kPhaseSearching) {
    SearchingFrame(state, platform, now);
  }
}

}  // namespace

void DrawPictures(Platform& platform) {
  const platform::ImageSlot& left = platform.images[asset::kLeftPictureSlot];
  const platform::ImageSlot& right = platform.images[asset::kRightPictureSlot];
  platform::DrawSlot(platform, At(kRightPictureX, kPictureTop, right.width, right.height), asset::kRightPictureSlot);
  platform::DrawSlot(platform, At(kLeftPictureX, kPictureTop, left.width, left.height), asset::kLeftPictureSlot);
}

void DrawPoints(GameState& state, Platform& platform) {
  const int shown = std::clamp(state.level.points, 0, kShownPointsLimit);
  platform::DrawSixDigits(platform, 160, 675, 20, 20, static_cast<std::uint32_t>(shown));
}

void DrawPlayBackground(GameState& state, Platform& platform) {
  platform::DrawSlot(platform, At(0, 0, platform::kScreenWidth, platform::kScreenHeight), asset::kPlayBackgroundSlot);
  platform::DrawText(platform, "Level", 12, 610, 25, 25);
  platform::DrawText(platform, "Punkte", 12, 670, 25, 25);
  platform::DrawText(platform, "Fehler", 870, 600, 25, 25);
  platform::DrawText(platform, "Zeit", 670, 670, 25, 25);
  platform::DrawNumber(platform, static_cast<std::uint8_t>(std::min(state.level.levelNumber, 99)), 2, 160, 615,
                       25, 20);
  platform::DrawNumber(platform, state.level.differencesLeft, 1, 910, 645, 50, 50);
}

void DrawTimeDisplay(GameState& state, Platform& platform) {
  PlayClock& clock = state.play.clock;
  if (clock.tenSecondWarning) {
    if (++clock.blinkCounter >= 10) {
      clock.blinkCounter = 0;
      clock.timeDisplayVisible = !clock.timeDisplayVisible;
    }
    if (!clock.timeDisplayVisible) return;
  } else {
    clock.timeDisplayVisible = true;
  }
  const LevelValues& level = state.level;
  const int elapsed = (level.secondsAtStart >= level.secondsLeft ? level.secondsAtStart - level.secondsLeft : 0) % 256;
  const int usedFrom = kTimeBarWidth - static_cast<int>(elapsed * level.timeBarScale) - clock.subSecondBarOffset;
  platform::DrawBlackBox(platform, asset::kTimeBarSlot, std::max(usedFrom, 0), 0, kTimeBarWidth, kTimeBarHeight);
  DrawTimeBarImage(platform);

  const int seconds = std::clamp(level.secondsLeft, 0, 99);
  platform::DrawSlotKeyed(platform, Rect{770, 670, 795, 695}, asset::kFirstDigitSlot + level.minutesDigit % 10);
  platform::DrawSlotKeyed(platform, Rect{790, 670, 815, 695}, asset::kColonSlot);
  platform::DrawSlotKeyed(platform, Rect{805, 670, 830, 695}, asset::kFirstDigitSlot + seconds / 10);
  platform::DrawSlotKeyed(platform, Rect{830, 670, 855, 695}, asset::kFirstDigitSlot + seconds % 10);
}

void PlayFrame(GameState& state, Platform& platform, std::uint32_t milliseconds) {
  const platform::MouseReading reading = platform::ReadMouse(platform);
  state.play.cursorX += 2 * reading.dx;
  state.play.cursorY += 2 * reading.dy;
  HandleButton(state, platform, reading);
  ClampCursor(state, platform);
  platform::ClearBackBuffer(platform, platform::kScreenWidth, platform::kScreenHeight);
  RunPhase(state, platform, milliseconds);
  if (platform.endRequested) return;  // a failed set-up released the display

  if (!IsEndPhase(state.level.phase)) {
    TickLastSeconds(state, platform);
    UpdateMarkers(state, platform);
    UpdateBursts(state, platform);
    if (state.level.phase == kPhaseSearching) DrawMagnifier(state, platform, reading);
  }
  if (state.level.phase > kPhaseIntroB || IsEndPhase(state.level.phase))
    DrawSlotAtOwnSize(platform, asset::kCursorSlot, state.play.cursorX, state.play.cursorY);
  platform::present(platform);
}

}  // namespace logic

#include "logic/level_end.h"

#include <algorithm>

#include "logic/game_state.h"
#include "logic/high_scores.h"
#include "logic/level_rules.h"
#include "logic/level_setup.h"
#include "logic/play.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {

namespace {

namespace asset = platform::asset;

using platform::Platform;

constexpr const char* kPrompt = "Klick fuer weiter";

bool LeftButtonDown(const Platform& platform) { return (platform.mouse.latest.buttons[0] & 0x80) != 0; }

std::uint8_t TwoDigits(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 99)); }

void DrawPrompt(Platform& platform) { platform::DrawText(platform, kPrompt, 350, 570, 25, 25); }

void StopPlayMusic(GameState& state, Platform& platform) {
  platform::StopMusic(platform, state.play.currentPlayTrack);
  platform::RewindMusic(platform, state.play.currentPlayTrack);
}

std::int8_t DrawConfettiDx(RandomGenerator& random) {
  const int dx = RandomRawInRange(random, 1, 4);
  return static_cast<std::int8_t>(dx > 2 ? -dx : dx);
}

void StartConfetti(GameState& state) {
  for (ConfettiPiece& piece : state.levelEnd.confetti) {
    piece.colour = RandomRawInRange(state.random, 0, 5);
    piece.x = 512.0;
    piece.y = 800.0;
    piece.active = true;
    piece.dx = DrawConfettiDx(state.random);
    piece.vy = RandomRawInRange(state.random, 6, 15);
  }
}

void FirstLevelCompleteFrame(GameState& state, Platform& platform) {
  LevelEndState& end = state.levelEnd;
  state.play.clock.tenSecondWarning = false;
  end.secondsLeftAtEnd = state.level.secondsLeft;
  StopPlayMusic(state, platform);
  end.secondsNeeded = state.level.secondsAtStart - state.level.secondsLeft;
  state.level.timeBonus = TimeBonusFor(end.secondsNeeded);
  StartConfetti(state);
  platform::PlaySpeech(platform, asset::kAllFoundSpeech);
  platform::PlayEffect(platform, asset::kLevelCompleteSound);
}

// After a pause of 100 frames every fifth frame turns one second left into
// 100 points; then the prompt shows and later blinks.
void ConvertTimeAndPrompt(GameState& state, Platform& platform) {
  int& frame = state.levelEnd.frameCounter;
  if (frame >= 101 && frame <= 2699) {
    if (state.level.secondsLeft == 0) {
      frame = 2900;
    } else if (frame % 5 == 0) {
      --state.level.secondsLeft;
      state.level.points += 100;
    }
  } else if (frame >= 2700) {
    if (frame > 3200) {
      frame = 3101;
      DrawPrompt(platform);
    } else if (frame < 3150) {
      DrawPrompt(platform);
    }
  }
}

void DrawSummaryPanel(GameState& state, Platform& platform) {
  platform::DrawSlot(platform, platform::Rect{100, 180, 900, 350}, asset::kCoverSlot);
  platform::DrawText(platform, "GESCHAFFT IN", 290, 200, 25, 25);
  platform::DrawNumber(platform, TwoDigits(state.levelEnd.secondsNeeded), 2, 550, 200, 25, 25);
  platform::DrawText(platform, "SEKUNDEN", 610, 200, 25, 25);
  platform::DrawText(platform, "Zeitbonus naechstes Level", 140, 300, 25, 25);
  platform::DrawNumber(platform, TwoDigits(state.level.timeBonus), 2, 650, 300, 25, 25);
  platform::DrawText(platform, "Sekunden", 710, 300, 25, 25);
}

// The pieces rise from the bottom centre, fall back and are thrown up again.
void MoveConfetti(GameState& state, Platform& platform) {
  for (ConfettiPiece& piece : state.levelEnd.confetti) {
    piece.vy -= 0.09;
    piece.y -= piece.vy;
    piece.x -= piece.dx;
    const int slot = asset::kFirstColourSlot + std::clamp(piece.colour, 0, asset::kColourCount - 1);
    const platform::ImageSlot& image = platform.images[slot];
    const int x = static_cast<int>(piece.x), y = static_cast<int>(piece.y);
    platform::DrawSlotKeyed(platform, platform::Rect{x, y, x + image.width, y + image.height}, slot);
    if (piece.y <= 800.0) continue;
    piece.y = 750.0;
    piece.x = 512.0;
    piece.dx = DrawConfettiDx(state.random);
    piece.vy = RandomRawInRange(state.random, 5, 15);
    platform::PlayEffect(platform, asset::kConfettiSound);
    if (RandomRawInRange(state.random, 0, 100) == 22) platform::PlayEffect(platform, asset::kAllFoundSpeech);
  }
}

void RevealDifferences(GameState& state, Platform& platform) {
  const DifferenceSet& set = state.play.rects[0];
  for (int j = 0; j < kDifferences; ++j) {
    auto frame = set.found[j] ? platform::DrawBlueFrame : platform::DrawRedFrame;
    frame(platform, 1, set.left[j], set.top[j], set.right[j], set.bottom[j]);
    frame(platform, 2, set.left[j], set.top[j], set.right[j], set.bottom[j]);
  }
}

void FirstGameOverFrame(GameState& state, Platform& platform) {
  state.play.clock.tenSecondWarning = false;
  state.levelEnd.gameOverTextX = -100;
  state.levelEnd.gameOverTextY = 350;
  StopPlayMusic(state, platform);
  platform::PlayEffect(platform, asset::kGameOverSound);
  RevealDifferences(state, platform);
}

// The text slides off to the right and stays there; beyond the screen it
// stops moving so a game-over screen left standing for days cannot overflow.
void SlideGameOverText(LevelEndState& end) {
  if (end.gameOverTextX < 2 * platform::kScreenWidth) end.gameOverTextX += 2;
  end.gameOverTextY = 350;
}

}  // namespace

void LevelCompleteFrame(GameState& state, Platform& platform) {
  LevelEndState& end = state.levelEnd;
  if (end.frameCounter == 0) FirstLevelCompleteFrame(state, platform);
  const int frameBefore = end.frameCounter;
  ConvertTimeAndPrompt(state, platform);
  if (frameBefore <= 3100) DrawSummaryPanel(state, platform);
  DrawTimeDisplay(state, platform);
  MoveConfetti(state, platform);
  ++end.frameCounter;
  if (end.frameCounter >= 2700 && LeftButtonDown(platform)) SetUpLevel(state, platform);
}

void GameOverFrame(GameState& state, Platform& platform) {
  LevelEndState& end = state.levelEnd;
  if (end.frameCounter == 0) FirstGameOverFrame(state, platform);
  platform::DrawText(platform, "Gameover", end.gameOverTextX, end.gameOverTextY, 25, 25);
  SlideGameOverText(end);
  if (end.frameCounter >= 250) {
    if (end.frameCounter == 501) platform::PlayEffect(platform, asset::kBounceSound);
    if (end.frameCounter > 700) {
      end.frameCounter = 500;
      DrawPrompt(platform);
    } else if (end.frameCounter < 600) {
      DrawPrompt(platform);
    }
    if (LeftButtonDown(platform)) {
      state.buttonReleaseLatch = false;
      PrepareHighScores(state);
      state.flow.gameState = kStateHighScore;
    }
  }
  ++end.frameCounter;
  DrawTimeDisplay(state, platform);
}

}  // namespace logic

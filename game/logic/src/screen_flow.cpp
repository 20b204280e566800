#include "logic/screen_flow.h"

#include "logic/credits.h"
#include "logic/high_scores.h"
#include "logic/intro.h"
#include "logic/level_setup.h"
#include "logic/menu.h"
#include "logic/name_entry.h"
#include "logic/play.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;


void BackToMenu(GameState& state) {
  state.flow.menuMusic = true;
  state.flow.gameState = kStateMenu;
}

void StopAndRewind(platform::Platform& platform, int track) {
  platform::StopMusic(platform, track);
  platform::RewindMusic(platform, track);
}

void HandleEscape(GameState& state, platform::Platform& platform) {
  switch (state.flow.gameState) {
    case kStateMenu:
      StopAndRewind(platform, asset::kMenuMusic);
      state.flow.running = false;
      break;
    case kStatePlay: AbandonLevel(state, platform); break;
    case kStateHighScore: AbandonNameEntry(state, platform); break;
    case kStateCredits: LeaveCredits(state, platform); break;
    default: break;
  }
}

}  // namespace

void RunFrame(GameState& state, platform::Platform& platform, std::uint32_t milliseconds) {
  if (state.flow.intro) {
    IntroFrame(state, platform);
    return;
  }
  switch (state.flow.gameState) {
    case kStateMenu: MenuFrame(state, platform); break;
    case kStatePlay: PlayFrame(state, platform, milliseconds); break;
    case kStateHighScore: HighScoreFrame(state, platform); break;
    case kStateCredits: CreditsFrame(state, platform); break;
    default: break;
  }
}

bool ScreenSaverMayRun(const GameState& state) {
  if (state.flow.intro) return false;
  return state.flow.gameState == kStateMenu || state.flow.gameState == kStateHighScore;
}

void HandleKeyDown(GameState& state, platform::Platform& platform, int virtualKey) {
  if (state.flow.gameState == kStateHighScore) {
    if (!state.highScores.nameEntry) {
      LeaveHighScoresByKey(state, platform);
      return;
    }
    if (IsNameEntryKey(virtualKey)) state.highScores.pendingKey = virtualKey;
  }
  // While the intro runs a key only ends it; no screen sees the key.
  if (state.flow.intro) {
    SkipIntro(state, platform);
    return;
  }
  if (virtualKey == kKeyLeftWindows || virtualKey == kKeyRightWindows) return;
  if (virtualKey == kKeyEscape) HandleEscape(state, platform);
}

void LeaveHighScoresByClick(GameState& state, platform::Platform& platform) {
  state.level.points = 0;
  StopAndRewind(platform, asset::kTableMusic);
  BackToMenu(state);
  state.buttonReleaseLatch = false;
}

void LeaveHighScoresByKey(GameState& state, platform::Platform& platform) {
  state.level.points = 0;
  StopAndRewind(platform, asset::kTableMusic);
  // Chooses and records a picture pair that is never shown.
  SetUpLevel(state, platform);
  BackToMenu(state);
}

void AbandonNameEntry(GameState& state, platform::Platform& platform) {
  state.level.points = 0;
  StopAndRewind(platform, asset::kTableMusic);
  platform::StopMusic(platform, asset::kNameEntryMusic);
  state.highScores.nameEntry = false;
  BackToMenu(state);
}

void AbandonLevel(GameState& state, platform::Platform& platform) {
  // The level phase stays: after a completed level the next game goes on
  // with the next level number.
  StopAndRewind(platform, state.play.currentPlayTrack);
  state.level.points = 0;
  BackToMenu(state);
}

void LeaveCredits(GameState& state, platform::Platform& platform) {
  StopAndRewind(platform, asset::kCreditsMusic);
  BackToMenu(state);
}

void SkipIntro(GameState& state, platform::Platform& platform) {
  platform::StopSound(platform, asset::kIntroStartSound);
  platform::PlayMusic(platform, asset::kMenuMusic);
  state.flow.intro = false;
}

}  // namespace logic

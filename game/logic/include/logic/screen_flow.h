#pragma once
// The passages between the game's screens, the keyboard routing and the
// choice of the screen that runs each frame.
#include <cstdint>

#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// One frame: the intro while its flag is set, else the screen of the game
// state; a state outside 0..3 runs nothing (the screen stays frozen).
void RunFrame(GameState& state, platform::Platform& platform, std::uint32_t milliseconds);

// Whether the desktop's screen saver may start now: while the game waits in
// the menu or the high-score screens, never during a level (nor the intro
// and credits, which play to be watched).
bool ScreenSaverMayRun(const GameState& state);

// One key-down message, with its Windows virtual-key code, between frames.
void HandleKeyDown(GameState& state, platform::Platform& platform, int virtualKey);

// Passages back to the menu. Every one of them sets the menu-music flag so
// the menu restarts its music on its next frame.
void LeaveHighScoresByClick(GameState& state, platform::Platform& platform);
void LeaveHighScoresByKey(GameState& state, platform::Platform& platform);
void AbandonNameEntry(GameState& state, platform::Platform& platform);
void AbandonLevel(GameState& state, platform::Platform& platform);
void LeaveCredits(GameState& state, platform::Platform& platform);

// The intro ends early: its start sound stops and the menu music begins.
void SkipIntro(GameState& state, platform::Platform& platform);

}  // namespace logic

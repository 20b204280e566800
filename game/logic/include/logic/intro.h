#pragma once
// The opening that runs once after start-up: the bouncing logo, "presents",
// the title tiles and the menu background sliding in.
#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// The intro counter value of the last intro frame (the counter starts at -50,
// so the intro lasts 1154 frames).
inline constexpr int kIntroLastFrame = 1104;
inline constexpr int kIntroMusicFrame = 650;

// Image slot (86..93) of each title tile, left to right.
int TitleTileSlot(int tile);

// One intro frame; clears the intro flag in its last frame.
void IntroFrame(GameState& state, platform::Platform& platform);

}  // namespace logic

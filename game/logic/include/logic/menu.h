#pragma once
// The main menu with its four items and the three sound options.
#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// One frame of the state `menu`. The cursor starts where the system cursor
// stood at start-up (platform.startCursorX/Y).
void MenuFrame(GameState& state, platform::Platform& platform);

}  // namespace logic

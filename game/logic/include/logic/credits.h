#pragma once
// The credits: fireworks over a moving background, timed pages and a slow
// roll, repeated until the player clicks.
#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// After this many frames the credits start over, music included.
inline constexpr int kCreditsCycleFrames = 9000;

// Spark colour for sparks started at credits frame `counter`.
std::uint8_t CreditsSparkColour(int counter);

// One frame of the state `credits`.
void CreditsFrame(GameState& state, platform::Platform& platform);

}  // namespace logic

#pragma once
// The high-score screen: name entry when the last game earned a place,
// otherwise the table scrolling into view.
#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// Loads (or creates) the current game file's table, ranks the current
// points and resets the screen. Runs before the state becomes `highscore`.
void PrepareHighScores(GameState& state);

// Writes the in-memory table; a failure keeps the old file and is not
// reported to the player. Returns whether the table was stored.
bool SaveHighScores(const GameState& state);

// One frame of the state `highscore`.
void HighScoreFrame(GameState& state, platform::Platform& platform);

}  // namespace logic

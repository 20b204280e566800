#pragma once
// The two end screens of a level, drawn by the play screen over its
// pictures: level complete (seconds left become points, the bonus for the
// next level) and game over (the missed differences revealed).
namespace platform {
struct Platform;
}

namespace logic {

struct GameState;

// One frame while the level phase is "level complete"; a click once the
// conversion is over sets up the next level.
void LevelCompleteFrame(GameState& state, platform::Platform& platform);

// One frame while the level phase is "time over"; a click once the prompt
// shows leads to the high-score screen.
void GameOverFrame(GameState& state, platform::Platform& platform);

}  // namespace logic

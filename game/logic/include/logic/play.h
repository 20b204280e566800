#pragma once
// The play screen: level intro over covered pictures, the search with its
// clock and clicks, and the end phases, which hand over to level_end.h.
#include <cstdint>

namespace platform {
struct Platform;
}

namespace logic {

struct GameState;

// One frame of the game state `play`.
void PlayFrame(GameState& state, platform::Platform& platform, std::uint32_t milliseconds);

// The time bar and the 0:SS digits; blinks during the ten-second warning.
// The used part of the bar is blacked out in the bar image itself.
void DrawTimeDisplay(GameState& state, platform::Platform& platform);

// Background, labels, level number, differences left and points, as every
// searching and end frame shows them.
void DrawPlayBackground(GameState& state, platform::Platform& platform);
void DrawPictures(platform::Platform& platform);
void DrawPoints(GameState& state, platform::Platform& platform);

}  // namespace logic

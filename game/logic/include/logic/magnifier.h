#pragma once
// The magnifier of the search: while the right mouse button (a shoulder
// button on a pad) is held, two round lenses show the spot a click would
// test, enlarged, on both pictures at once, so small differences can be
// compared. It only draws: clicks, time and points are untouched.
#include "platform/types.h"

namespace platform {
struct Platform;
}

namespace logic {

struct GameState;

inline constexpr int kLensRadius = 64;
inline constexpr int kLensZoom = 2;

// Where the lenses go for a play cursor: the picture-local point a click
// there would test, and the two lens centres on the screen (the same point
// on the left and on the right picture). False when the cursor is over
// neither picture.
struct LensPlacement {
  int pictureX = 0, pictureY = 0;
  int leftCentreX = 0, rightCentreX = 0, centreY = 0;
};
bool PlaceLenses(int cursorX, int cursorY, LensPlacement& placement);

// Draws both lenses when the reading holds the right button down.
void DrawMagnifier(const GameState& state, platform::Platform& platform, const platform::MouseReading& reading);

}  // namespace logic

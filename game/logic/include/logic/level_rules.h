#pragma once
// The rules of one level that need no screen: time per level, the bonus,
// what a click finds and what a wrong click costs.
#include <cstdint>
#include <vector>

#include "logic/level_state.h"

namespace logic {

// Seconds for a level: 60 at level 1 down to 15 from level 20 on; every level
// but the first gets the bonus earned in the previous one.
int SecondsForLevel(int levelNumber, int timeBonus);

// Bonus seconds for the next level by the seconds this level needed.
int TimeBonusFor(int secondsNeeded);

// Picture-local coordinates of a click at the play cursor: the left picture
// starts 10 pixels left of screen x 0 in its coordinates, the right one at 500.
inline int LeftPictureX(int cursorX) { return cursorX + 10; }
inline int RightPictureX(int cursorX) { return cursorX - 500; }
inline int PictureY(int cursorY) { return cursorY - 73; }

// A difference counts only when the point lies strictly inside all four edges.
bool StrictlyInside(const DifferenceSet& set, int j, int x, int y);

// The differences of set 0 not yet found that contain the point, in index
// order; one click may find several overlapping ones.
std::vector<int> DifferencesAt(const DifferenceSet& set, int x, int y);

// Whether a click at the cursor lies on one of the two picture areas; clicks
// elsewhere cost nothing.
bool InPictureArea(int cursorX, int cursorY);

// A wrong click: 10 points and 10 seconds, neither below 0.
void ApplyWrongClick(LevelValues& level);

// The speech that names the number of differences left after a find; r is
// the 0/1 draw that picks between two voicings.
int SpeechForDifferencesLeft(int differencesLeft, int r, int secondsLeft);

// The play tracks in the order the 0..3 draw names them.
int PlayTrackForDraw(int draw);

}  // namespace logic

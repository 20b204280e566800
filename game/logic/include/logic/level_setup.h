#pragma once
// Choosing the game file at start-up and preparing each level: time, the
// picture pair not yet played, both pictures and their differences.
#include <string>

namespace platform {
struct Platform;
}

namespace logic {

struct GameState;

// Start-up: reads vst.dat and checks the picture-pair file. A file that
// cannot be opened or is damaged shows the picture-pair message and asks the
// program to end (false).
bool ChooseGameFile(GameState& state, platform::Platform& platform);

// Prepares the next level (the one after a completed level, else level 1).
// A fatal problem (record not creatable, picture-pair file unusable) shows
// its message and asks the program to end; the state is then not to be used
// for play.
void SetUpLevel(GameState& state, platform::Platform& platform);

// Replaces image slot 3 with a fresh copy of the time bar; the play screen
// blacks it out from the right as time passes.
bool ReloadTimeBar(platform::Platform& platform);

// The two fatal messages of the level set-up, with the contact paragraph.
std::string PlayedRecordMessage();
std::string PicturePairFileMessage();

}  // namespace logic

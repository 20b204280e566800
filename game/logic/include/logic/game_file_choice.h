#pragma once
// Which game file is played: settled once at start-up from the choice file
// vst.dat that the launcher leaves in the start directory.
#include <cstdint>
#include <span>
#include <string>

#include "logic/level_state.h"

namespace logic {

inline constexpr const char* kChoiceFileName = "vst.dat";
inline constexpr std::size_t kMaxChoicePathBytes = 1000;

// The three file names for the choice file's bytes: the built-in files when
// the file is empty, starts with 0xFF or holds no path; otherwise the name
// file's path (ended by 0x00, 0xFF or the end, at most 1000 bytes) with
// ".qxs", ".qxh" and ".qxf" appended. Pair count and index stay untouched.
void ApplyChoiceFile(std::span<const std::uint8_t> choiceBytes, GameFileChoice& choice);

enum class ChoiceResult { Ready, PicturePairFileUnusable };

// Reads vst.dat (a missing one means the built-in game) and validates the
// picture-pair file. Paths are relative to the current directory, which the
// caller has set to the start directory.
ChoiceResult ReadGameFileChoice(GameFileChoice& choice);

}  // namespace logic

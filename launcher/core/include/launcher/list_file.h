#pragma once
// The launcher's two files in its home directory.
//
// vsts.dat, the list of user game files: byte 0 the entry count, byte 1 the
// combo item selected when it was written (0 = built-in game data, k = entry
// k-1, 0xFF = none), then each name-file path followed by 0x00.
//
// vst.dat, the choice the game reads at start-up: the single byte 0xFF for
// the built-in game data, otherwise the chosen name file's path bytes with no
// terminator.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gamefile/file_io.h"

namespace launcher {

inline constexpr char kListFileName[] = "vsts.dat";
inline constexpr char kChoiceFileName[] = "vst.dat";
inline constexpr std::uint8_t kBuiltInChoice = 0xFF;
inline constexpr std::uint8_t kNoSelection = 0xFF;

struct ListFile {
  std::uint8_t storedSelection = 0;
  std::vector<std::string> paths;  // as many as the count byte promises and the file holds
};

// A file shorter than two bytes is an empty list. Paths end at their 0x00 or
// at the end of the file; a count larger than the paths present yields only
// the paths present.
ListFile DecodeListFile(std::span<const std::uint8_t> bytes);
// The caller guarantees at most 255 paths (the count is one byte).
gamefile::Bytes EncodeListFile(std::uint8_t selection, const std::vector<std::string>& paths);

gamefile::Bytes EncodeBuiltInChoice();
gamefile::Bytes EncodeChoice(const std::string& nameFilePath);

}  // namespace launcher

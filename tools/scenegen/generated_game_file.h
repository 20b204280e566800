#pragma once
// A complete game file from the picture generator: a name file with a German
// name and a description that says how to make the same pictures again, and
// its picture-pair file. Shared by qxtool and the launcher; knows no toolkit.
#include <cstdint>
#include <optional>
#include <string>

#include "gamefile/game_file.h"
#include "generate.h"

namespace scenegen {

// A game file holds 1 to 512 pairs; 20 make a good evening.
inline constexpr int kMinGeneratedPairs = 1;
inline constexpr int kMaxGeneratedPairs = static_cast<int>(gamefile::kMaxPairsWritten);
inline constexpr int kDefaultGeneratedPairs = 20;

// Name and description as the name file stores them (Windows-1252, "\r\n").
gamefile::NameFile GeneratedNameFile(const SetRequest& request);

// A seed no one chose: different on every call, small enough to read out
// and type again (1 to 999999999).
std::uint64_t FreshSeed();

enum class GenerateOutcome {
  Written,  // both files are in place
  Stopped,  // the progress callback said stop; nothing was written
  Failed,   // nothing was written (or the previous files are back in place)
};

struct GenerateResult {
  GenerateOutcome outcome = GenerateOutcome::Failed;
  std::string message;  // German, UTF-8; empty when written
};

// Paints the pairs of `request` and writes `nameFilePath` and its
// picture-pair file. The folder is checked before any painting starts. Both
// files are written under temporary names first and only then moved into
// place, the pictures before the name: a full disk or a failure half-way
// leaves no half-written file, and files of the same name that were there
// before are either replaced as a whole or left as they were.
GenerateResult WriteGeneratedGameFile(const SetRequest& request, const std::string& nameFilePath,
                                      const SetProgress& progress = {});

// The checks WriteGeneratedGameFile makes before painting: a German message
// when the game file cannot be written there, nothing when it can.
std::optional<std::string> ProblemWithTarget(const std::string& nameFilePath);

}  // namespace scenegen

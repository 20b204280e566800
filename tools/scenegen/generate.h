#pragma once
// Picture sets on demand: as many fair pairs as asked for, from one seed.
// Shared by the build's built-in set, qxtool and the launcher; knows no
// toolkit. The same request always gives the same pictures, byte for byte.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "picture_set.h"

namespace scenegen {

// How hard the differences are to find: their size and their subtlety.
enum class Difficulty { Leicht, Mittel, Schwer };

// "leicht", "mittel", "schwer" (what the player reads and types).
std::string DifficultyName(Difficulty difficulty);
std::optional<Difficulty> ParseDifficulty(const std::string& name);

struct SetRequest {
  std::uint64_t seed = 1;
  int pairs = 20;
  Difficulty difficulty = Difficulty::Mittel;
};

// Called after each finished pair with the pairs done and the pairs asked
// for; returning false stops the work, and the set comes back empty.
using SetProgress = std::function<bool(int done, int total)>;

// The pairs of a request, in order. Empty when the work was stopped or a
// pair could not be made.
std::optional<std::vector<PicturePair>> GenerateSet(const SetRequest& request, const SetProgress& progress = {});

}  // namespace scenegen

#include "generate.h"

#include "similarity.h"

namespace scenegen {
namespace {

// Spreads one request seed over the pairs so that neighbouring seeds give
// unrelated pictures.
std::uint32_t MixSeed(std::uint64_t seed, int index) {
  std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(index + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}

DifferenceRules RulesFor(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Leicht:
      return EasyRules();
    case Difficulty::Schwer:
      return HardRules();
    default:
      return MediumRules();
  }
}

}  // namespace

std::string DifficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Leicht: return "leicht";
    case Difficulty::Mittel: return "mittel";
    case Difficulty::Schwer: return "schwer";
  }
  return "mittel";
}

std::optional<Difficulty> ParseDifficulty(const std::string& name) {
  for (Difficulty d : {Difficulty::Leicht, Difficulty::Mittel, Difficulty::Schwer})
    if (DifficultyName(d) == name) return d;
  return std::nullopt;
}

std::optional<std::vector<PicturePair>> GenerateSet(const SetRequest& request, const SetProgress& progress) {
  std::vector<PicturePair> pairs;
  const int kindOffset = static_cast<int>(MixSeed(request.seed, -1) % kSceneKindCount);
  // A pair that would look like one already made is made again from
  // another seed, so no set holds one picture twice.
  LookAlikeGuard guard;
  constexpr int kRetries = 8;
  for (int i = 0; i < request.pairs; ++i) {
    const auto kind = static_cast<SceneKind>((i + kindOffset) % kSceneKindCount);
    std::optional<PicturePair> pair;
    for (int retry = 0; retry <= kRetries; ++retry) {
      pair = MakePicturePair(kind, MixSeed(request.seed + static_cast<std::uint64_t>(retry) * 0x51ED27u, i),
                             RulesFor(request.difficulty));
      if (!pair) return std::nullopt;
      if (guard.LooksNew(pair->first, kPictureWidth, kPictureHeight)) break;
    }
    guard.Take(pair->first, kPictureWidth, kPictureHeight);
    pairs.push_back(std::move(*pair));
    if (progress && !progress(i + 1, request.pairs)) return std::nullopt;
  }
  return pairs;
}

}  // namespace scenegen

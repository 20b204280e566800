#pragma once
// The built-in picture set: which scenes, in which order, and the records
// that go into the picture-pair file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "differences.h"
#include "gamefile/game_file.h"
#include "scenes.h"

namespace scenegen {

inline constexpr int kJpegQuality = 88;

struct PicturePair {
  std::string title;
  std::uint32_t seed = 0;  // the scene seed that was finally used
  Pixels first, second;    // 8-bit RGB before JPEG coding
  std::vector<Difference> differences;
  gamefile::Bytes firstJpeg, secondJpeg;
};

// One pair of the given kind. Scene seeds are tried from `seed` upwards
// until a scene offers five fair differences; nothing when none of a
// generous number of seeds does, or the JPEG coder fails.
std::optional<PicturePair> MakePicturePair(SceneKind kind, std::uint32_t seed);
std::optional<PicturePair> MakePicturePair(SceneKind kind, std::uint32_t seed, const DifferenceRules& rules);

// The rectangles as the game file stores them: x1, x2, y1, y2 with the
// right and bottom edges on the last pixel inside the rectangle.
gamefile::RectSet StoredRectangles(const std::vector<Difference>& differences);

// How many pairs the built-in set holds: at least a hundred, and at least
// three of every kind of scene there is.
inline constexpr int kMinBuiltInPairs = 100;
inline constexpr int kBuiltInPairsPerKind = 3;
constexpr int BuiltInPairCount() {
  return kSceneKindCount * kBuiltInPairsPerKind > kMinBuiltInPairs ? kSceneKindCount * kBuiltInPairsPerKind
                                                                   : kMinBuiltInPairs;
}

// The kind and seed of pair `index` of the built-in set.
SceneKind KindOfPair(int index);
std::uint32_t SeedOfPair(int index);

// The whole built-in set, pair by pair; a pair that would look like an
// earlier one is made again from the next seed. Nothing when a pair cannot
// be made.
std::optional<std::vector<PicturePair>> BuildBuiltInSet(int pairs = BuiltInPairCount());

// The records of a picture-pair file for pairs: the first picture carries the
// rectangles, the second none (as the editor writes them).
std::vector<gamefile::PictureRecord> RecordsFor(const std::vector<PicturePair>& pairs);

}  // namespace scenegen

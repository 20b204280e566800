#include "picture_set.h"

#include "jpeg_codec.h"
#include "similarity.h"

namespace scenegen {

namespace {

constexpr int kSeedsPerPair = 40;

std::vector<Box> RectsOf(const std::vector<Difference>& differences) {
  std::vector<Box> rects;
  for (const Difference& d : differences) rects.push_back(d.rect);
  return rects;
}

}  // namespace

std::optional<PicturePair> MakePicturePair(SceneKind kind, std::uint32_t seed) {
  return MakePicturePair(kind, seed, MediumRules());
}

std::optional<PicturePair> MakePicturePair(SceneKind kind, std::uint32_t seed, const DifferenceRules& rules) {
  for (std::uint32_t s = seed; s < seed + kSeedsPerPair; ++s) {
    const Scene scene = BuildScene(kind, s);
    const Image base = RenderScene(scene);
    const Pixels baseRgb = Finish(scene, base);
    const std::optional<PairPlan> plan = PlanDifferences(scene, base, baseRgb, s * 7919ull + 17, rules);
    if (!plan) continue;

    Scene changed = scene;
    changed.items = plan->secondItems;
    const Pixels secondRgb = Finish(changed, RenderScene(changed));
    // Changes measured one at a time may meet when all are made together;
    // such a plan is dropped rather than stored with a wrong rectangle.
    if (CountChangesOutside(baseRgb, secondRgb, kPictureWidth, kPictureHeight, RectsOf(plan->differences)) != 0)
      continue;
    // Nor may one change dim another's brightness change below what a
    // greyscale copy shows.
    bool allVisible = true;
    for (const Difference& d : plan->differences)
      allVisible = allVisible && CountGreyChanges(baseRgb, secondRgb, kPictureWidth, d.rect) >= kMinGreyPixels;
    if (!allVisible) continue;

    PicturePair pair;
    pair.title = scene.title;
    pair.seed = s;
    pair.first = baseRgb;
    pair.second = secondRgb;
    pair.differences = plan->differences;
    auto first = EncodeJpeg(pair.first, kPictureWidth, kPictureHeight, kJpegQuality);
    auto second = EncodeJpeg(pair.second, kPictureWidth, kPictureHeight, kJpegQuality);
    if (!first || !second) return std::nullopt;
    pair.firstJpeg = std::move(*first);
    pair.secondJpeg = std::move(*second);
    return pair;
  }
  return std::nullopt;
}

gamefile::RectSet StoredRectangles(const std::vector<Difference>& differences) {
  gamefile::RectSet rects{};
  for (std::size_t i = 0; i < differences.size() && i < rects.size(); ++i) {
    const Box& b = differences[i].rect;
    // The game counts a click only strictly inside the edges and shows the
    // picture two pixels wider than it is, so a rectangle that reaches the
    // picture's right or bottom edge is stored with the edge of the shown
    // picture (490, 430), as the difference editor stores it; otherwise the
    // last columns of a change there could not be clicked.
    const int right = b.x1 >= kPictureWidth ? gamefile::kWidthField : b.x1 - 1;
    const int bottom = b.y1 >= kPictureHeight ? gamefile::kHeightField : b.y1 - 1;
    rects[i] = {static_cast<std::uint16_t>(b.x0), static_cast<std::uint16_t>(right),
                static_cast<std::uint16_t>(b.y0), static_cast<std::uint16_t>(bottom)};
  }
  return rects;
}

SceneKind KindOfPair(int index) { return static_cast<SceneKind>(index % kSceneKindCount); }

std::uint32_t SeedOfPair(int index) { return 1000u + static_cast<std::uint32_t>(index) * 97u; }

std::optional<std::vector<PicturePair>> BuildBuiltInSet(int count) {
  std::vector<PicturePair> pairs;
  LookAlikeGuard guard;
  constexpr int kRetries = 8;
  for (int i = 0; i < count; ++i) {
    std::optional<PicturePair> pair;
    for (int retry = 0; retry <= kRetries; ++retry) {
      pair = MakePicturePair(KindOfPair(i), SeedOfPair(i) + static_cast<std::uint32_t>(retry) * 100003u);
      if (!pair) return std::nullopt;
      if (guard.LooksNew(pair->first, kPictureWidth, kPictureHeight)) break;
    }
    guard.Take(pair->first, kPictureWidth, kPictureHeight);
    pairs.push_back(std::move(*pair));
  }
  return pairs;
}

std::vector<gamefile::PictureRecord> RecordsFor(const std::vector<PicturePair>& pairs) {
  std::vector<gamefile::PictureRecord> records;
  for (const PicturePair& pair : pairs) {
    gamefile::PictureRecord first;
    first.jpeg = pair.firstJpeg;
    first.rects = StoredRectangles(pair.differences);
    gamefile::PictureRecord second;
    second.jpeg = pair.secondJpeg;
    records.push_back(std::move(first));
    records.push_back(std::move(second));
  }
  return records;
}

}  // namespace scenegen

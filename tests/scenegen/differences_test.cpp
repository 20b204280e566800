// Choosing and measuring differences.
#include "differences.h"

#include <gtest/gtest.h>

#include "picture_set.h"
#include "scenes.h"

namespace scenegen {
namespace {

bool Aligned(const Box& b) {
  return b.x0 % kBlock == 0 && b.y0 % kBlock == 0 && (b.x1 % kBlock == 0 || b.x1 == kPictureWidth) &&
         (b.y1 % kBlock == 0 || b.y1 == kPictureHeight);
}

bool Contains(const Box& outer, const Box& inner) {
  return outer.x0 <= inner.x0 && outer.y0 <= inner.y0 && outer.x1 >= inner.x1 && outer.y1 >= inner.y1;
}

TEST(RectangleFor, AddsTheMarginAndAlignsToBlocks) {
  const Box changed{101, 53, 141, 90};
  const Box r = RectangleFor(changed);
  EXPECT_TRUE(Aligned(r));
  EXPECT_TRUE(Contains(r, Grow(changed, kRectMargin)));
  EXPECT_LT(r.Width(), changed.Width() + 2 * kRectMargin + 2 * kBlock);
}

TEST(RectangleFor, GrowsTinyChangesToTheMinimumSize) {
  const Box r = RectangleFor({200, 200, 203, 202});
  EXPECT_GE(r.Width(), kMinRectSide);
  EXPECT_GE(r.Height(), kMinRectSide);
  EXPECT_TRUE(Contains(r, {200, 200, 203, 202}));
}

TEST(RectangleFor, StaysInsideThePictureAtItsEdges) {
  for (const Box changed : {Box{0, 0, 2, 2}, Box{484, 426, 488, 430}, Box{470, 0, 488, 430}}) {
    const Box r = RectangleFor(changed);
    EXPECT_GE(r.x0, 0);
    EXPECT_GE(r.y0, 0);
    EXPECT_LE(r.x1, kPictureWidth);
    EXPECT_LE(r.y1, kPictureHeight);
    EXPECT_GE(r.Width(), kMinRectSide);
    EXPECT_GE(r.Height(), kMinRectSide);
    EXPECT_TRUE(Contains(r, changed));
  }
}

TEST(IsFairChange, RefusesFaintHairlineAndHugeChanges) {
  const Box area{10, 10, 40, 40};
  EXPECT_FALSE(IsFairChange({area, kMinStrongPixels - 1, area}, {8, 8, 48, 48}));
  EXPECT_FALSE(IsFairChange({{10, 10, 200, 40}, 5000, {10, 10, 200, 40}}, {8, 8, 208, 48}));
  EXPECT_FALSE(IsFairChange({area, 200, {10, 20, 40, 22}}, {8, 8, 48, 48})) << "a two-pixel line";
  EXPECT_TRUE(IsFairChange({area, kMinStrongPixels, area}, {8, 8, 48, 48}));
}

TEST(ApplyChanges, IndicesReferToTheOriginalListAndAddsGoByDepth) {
  Scene scene;
  for (int i = 0; i < 4; ++i) {
    Item it;
    it.depth = i * 10.0f;
    it.seed = static_cast<std::uint32_t>(i);
    scene.items.push_back(it);
  }
  Item added;
  added.depth = 25;
  added.seed = 99;
  Item moved = scene.items[3];
  moved.x = 50;
  const std::vector<Item> out =
      ApplyChanges(scene, {{ChangeType::Remove, 1, {}}, {ChangeType::Add, 0, added}, {ChangeType::Move, 3, moved}});
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0].seed, 0u);
  EXPECT_EQ(out[1].seed, 2u);
  EXPECT_EQ(out[2].seed, 99u);
  EXPECT_EQ(out[3].seed, 3u);
  EXPECT_FLOAT_EQ(out[3].x, 50.0f);
}

TEST(StoredRectangles, KeepTheLastPixelInsideAndReachTheShownPicturesEdges) {
  std::vector<Difference> d(5);
  d[0].rect = {8, 16, 40, 48};
  d[4].rect = {456, 400, 488, 430};
  const gamefile::RectSet r = StoredRectangles(d);
  EXPECT_EQ(r[0], (gamefile::Rect{8, 39, 16, 47}));
  // At the picture's edges the shown picture's size, so clicks on the last
  // columns and rows still lie strictly inside.
  EXPECT_EQ(r[4], (gamefile::Rect{456, 490, 400, 430}));
}

// A plain scene with a few objects to change, built by hand.
Scene SparseScene(int objects) {
  Scene scene;
  scene.background = Image(kPictureWidth, kPictureHeight, {0.3f, 0.5f, 0.3f});
  for (int i = 0; i < objects; ++i) {
    Item it;
    it.kind = Kind::Apple;
    it.x = 60.0f + i * 90, it.y = 200, it.size = 14;
    it.color = Rgb(200, 40, 30);
    it.seed = static_cast<std::uint32_t>(i + 1);
    it.depth = it.y;
    scene.items.push_back(it);
  }
  return scene;
}

TEST(MeasureChange, FindsWhatARemovalTouchesAndNothingForANoOp) {
  const Scene scene = SparseScene(3);
  const Image base = RenderScene(scene);
  const Pixels rgb = Finish(scene, base);
  const ChangeFootprint removed = MeasureChange(scene, base, rgb, {ChangeType::Remove, 1, {}});
  EXPECT_GE(removed.strongPixels, kMinStrongPixels);
  // The lens softness spreads a change by a few pixels, no further.
  const Box bounds = Grow(ItemBounds(scene.items[1]), kSoftRadius);
  EXPECT_GE(removed.changed.x0, bounds.x0);
  EXPECT_LE(removed.changed.x1, bounds.x1);
  EXPECT_GE(removed.changed.y0, bounds.y0);
  EXPECT_LE(removed.changed.y1, bounds.y1);

  const ChangeFootprint same = MeasureChange(scene, base, rgb, {ChangeType::Move, 1, scene.items[1]});
  EXPECT_TRUE(same.changed.Empty());
  EXPECT_EQ(same.strongPixels, 0);
}

TEST(PlanDifferences, GivesUpOnASceneWithTooLittleToChange) {
  const Scene scene = SparseScene(1);
  const Image base = RenderScene(scene);
  EXPECT_FALSE(PlanDifferences(scene, base, Finish(scene, base), 5).has_value());
  Scene locked = SparseScene(5);
  for (Item& it : locked.items) it.locked = true;
  const Image lockedBase = RenderScene(locked);
  EXPECT_FALSE(PlanDifferences(locked, lockedBase, Finish(locked, lockedBase), 5).has_value());
}

TEST(RecolorFor, GivesBelievableClearlyDifferentColours) {
  Rng r(3);
  constexpr Color kAutumn[] = {Rgb(205, 120, 40), Rgb(215, 170, 50), Rgb(175, 60, 40), Rgb(60, 120, 50)};
  Item tree;
  tree.kind = Kind::Tree;
  tree.color = Rgb(70, 125, 50);
  Item sheep;
  sheep.kind = Kind::Sheep;
  sheep.color = Rgb(240, 236, 225);
  Item boat;
  boat.kind = Kind::Sailboat;
  boat.color = Rgb(40, 90, 160);
  for (int i = 0; i < 50; ++i) {
    const Color autumn = RecolorFor(tree, r);
    EXPECT_TRUE(std::any_of(std::begin(kAutumn), std::end(kAutumn),
                            [&](Color c) { return ChannelDistance(c, autumn) < 1e-6f; }));
    EXPECT_GT(ChannelDistance(autumn, tree.color), 0.3f);
    const Color dark = RecolorFor(sheep, r);
    EXPECT_LT(ToHsv(dark).v, 0.5f) << "a white sheep turns dark, not pink";
    EXPECT_GT(ChannelDistance(RecolorFor(boat, r), boat.color), 0.2f);
  }
}

TEST(PictureSet, MixesAtLeastSixKindsOfScene) {
  std::vector<SceneKind> kinds;
  for (int i = 0; i < 24; ++i)
    if (std::find(kinds.begin(), kinds.end(), KindOfPair(i)) == kinds.end()) kinds.push_back(KindOfPair(i));
  EXPECT_GE(kinds.size(), 6u);
}

// One pair of every kind, made from scratch: five spread-out differences
// of several sorts, each rectangle holding a real change, nothing else
// changed.
class EveryKindOfPair : public ::testing::TestWithParam<int> {};

TEST_P(EveryKindOfPair, HasFiveFairSeparateDifferencesAndNothingElseChanges) {
  const auto pair = MakePicturePair(static_cast<SceneKind>(GetParam()), 500 + GetParam());
  ASSERT_TRUE(pair.has_value());
  ASSERT_EQ(pair->differences.size(), 5u);
  std::vector<Box> rects;
  std::vector<ChangeType> types;
  for (const Difference& d : pair->differences) {
    EXPECT_TRUE(Aligned(d.rect));
    EXPECT_GE(d.rect.Width(), kMinRectSide);
    EXPECT_GE(d.rect.Height(), kMinRectSide);
    for (const Box& other : rects) EXPECT_TRUE(Intersect(d.rect, other).Empty());
    rects.push_back(d.rect);
    if (std::find(types.begin(), types.end(), d.change.type) == types.end()) types.push_back(d.change.type);
  }
  EXPECT_GE(types.size(), 3u) << "a pair should mix kinds of change";
  for (std::size_t i = 0; i < pair->differences.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_NE(pair->differences[i].change.after.kind, pair->differences[j].change.after.kind)
          << "two differences on the same kind of thing";
  EXPECT_EQ(CountChangesOutside(pair->first, pair->second, kPictureWidth, kPictureHeight, rects), 0);
  // Each rectangle on its own holds changed pixels: leaving it out of the
  // list makes changes appear outside.
  for (std::size_t i = 0; i < rects.size(); ++i) {
    std::vector<Box> others = rects;
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
    EXPECT_GE(CountChangesOutside(pair->first, pair->second, kPictureWidth, kPictureHeight, others), kMinStrongPixels);
  }
}

TEST_P(EveryKindOfPair, IsTheSameOnEveryRun) {
  const auto a = MakePicturePair(static_cast<SceneKind>(GetParam()), 77);
  const auto b = MakePicturePair(static_cast<SceneKind>(GetParam()), 77);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->firstJpeg, b->firstJpeg);
  EXPECT_EQ(a->secondJpeg, b->secondJpeg);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKindOfPair, ::testing::Range(0, kSceneKindCount));

}  // namespace
}  // namespace scenegen

// Choosing and measuring differences.
#include "differences.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(ChangeTypeName, NamesEveryTypeOnceInGerman) {
  std::set<std::string> names;
  for (int t = 0; t < kChangeTypeCount; ++t) names.insert(ChangeTypeName(static_cast<ChangeType>(t)));
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kChangeTypeCount));
  EXPECT_EQ(names.count("?"), 0u);
  EXPECT_EQ(ChangeTypeName(ChangeType::Remove), "fehlt");
  EXPECT_EQ(ChangeTypeName(ChangeType::Count), "andere Anzahl");
  EXPECT_EQ(ChangeTypeName(static_cast<ChangeType>(kChangeTypeCount)), "?");
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

TEST(IsFairChange, RefusesFaintHairlineHugeAndColourOnlyChanges) {
  const Box area{10, 10, 40, 40};
  EXPECT_FALSE(IsFairChange({area, kMinStrongPixels - 1, area, 500}, {8, 8, 48, 48}));
  EXPECT_FALSE(IsFairChange({{10, 10, 200, 40}, 5000, {10, 10, 200, 40}, 5000}, {8, 8, 208, 48}));
  EXPECT_FALSE(IsFairChange({area, 200, {10, 20, 40, 22}, 200}, {8, 8, 48, 48})) << "a two-pixel line";
  EXPECT_FALSE(IsFairChange({area, 800, area, kMinGreyPixels - 1}, {8, 8, 48, 48}))
      << "a change of hue alone, invisible to a colour-blind player";
  EXPECT_TRUE(IsFairChange({area, kMinStrongPixels, area, kPlannedGreyPixels}, {8, 8, 48, 48}));
  const Box atTheEdge{0, 10, 30, 40};
  EXPECT_FALSE(IsFairChange({atTheEdge, 500, atTheEdge, 500}, {0, 8, 40, 48}))
      << "the first column lies on the stored rectangle's edge, outside it";
}

TEST(IsFairChange, DifficultyBoundsTheSizeOfAChange) {
  const Box area{10, 10, 70, 70};
  const ChangeFootprint big{area, 2000, area, 2000};
  const ChangeFootprint small{area, 200, area, 200};
  EXPECT_TRUE(IsFairChange(big, {8, 8, 80, 80}, EasyRules()));
  EXPECT_FALSE(IsFairChange(big, {8, 8, 80, 80}, HardRules()));
  EXPECT_FALSE(IsFairChange(small, {8, 8, 80, 80}, EasyRules()));
  EXPECT_TRUE(IsFairChange(small, {8, 8, 80, 80}, HardRules()));
  // No difficulty goes below the fairness floor.
  for (const DifferenceRules& rules : {EasyRules(), MediumRules(), HardRules()}) {
    EXPECT_FALSE(IsFairChange({area, kMinStrongPixels - 1, area, 500}, {8, 8, 48, 48}, rules));
    EXPECT_FALSE(IsFairChange({area, 500, area, kMinGreyPixels - 1}, {8, 8, 48, 48}, rules));
    EXPECT_GE(rules.recolorLumaStep, kMinRecolorLumaStep);
  }
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
    // An autumn colour, perhaps lighter or darker so it also shows in grey.
    EXPECT_TRUE(std::any_of(std::begin(kAutumn), std::end(kAutumn), [&](Color c) {
      return std::fabs(ToHsv(c).h - ToHsv(autumn).h) < 0.02f;
    }));
    EXPECT_GT(ChannelDistance(autumn, tree.color), 0.2f);
    const Color dark = RecolorFor(sheep, r);
    EXPECT_LT(ToHsv(dark).v, 0.5f) << "a white sheep turns dark, not pink";
    EXPECT_GT(ChannelDistance(RecolorFor(boat, r), boat.color), 0.2f);
  }
}

// Animals and wood keep the colours they could really have, lighter or
// darker: an easy recolour still never makes a blue deer or a green pig.
TEST(RecolorFor, AnimalsAndWoodStayNatural) {
  Rng r(11);
  for (Kind kind : {Kind::Deer, Kind::Fox, Kind::Cow, Kind::Pig, Kind::Hen, Kind::Goat, Kind::Stump, Kind::Loaf,
                    Kind::TeddyBear, Kind::Crab}) {
    Item it;
    it.kind = kind;
    it.color = Rgb(160, 105, 60);
    for (int i = 0; i < 30; ++i) {
      const Color c = RecolorFor(it, r, EasyRules().recolorLumaStep);
      EXPECT_GE(c.r + 0.02f, c.b) << "kind " << static_cast<int>(kind);
      EXPECT_GE(c.r + 0.02f, c.g) << "kind " << static_cast<int>(kind);
      EXPECT_GE(std::fabs(LumaOf(c) - LumaOf(it.color)), kMinRecolorLumaStep - 1e-3f);
    }
  }
}

// A hard pair's largest difference is no larger than an easy pair's
// smallest, so the two difficulties cannot give the same pair.
TEST(DifferenceRules, EasyAndHardSizesDoNotOverlap) {
  EXPECT_GE(EasyRules().minStrongPixels, HardRules().maxStrongPixels);
  EXPECT_LE(HardRules().maxRectSide, EasyRules().maxRectSide);
}

// The hue swaps a colour-blind player cannot see: red for green, green for
// red, blue for purple. Every recolour moves brightness as well.
TEST(RecolorFor, AlwaysMovesBrightnessSoGreyscaleShowsIt) {
  Rng r(11);
  const Color starts[] = {Rgb(200, 60, 50),  Rgb(60, 130, 90),   Rgb(70, 125, 50), Rgb(40, 90, 160),
                          Rgb(130, 70, 120), Rgb(240, 240, 235), Rgb(20, 20, 25),  Rgb(128, 128, 128)};
  const Kind kinds[] = {Kind::Tree, Kind::Apple, Kind::Cat, Kind::Car, Kind::Sheep, Kind::Balloon};
  for (const Kind kind : kinds)
    for (const Color start : starts) {
      Item it;
      it.kind = kind;
      it.color = start;
      for (int i = 0; i < 10; ++i)
        EXPECT_GE(std::fabs(LumaOf(RecolorFor(it, r)) - LumaOf(start)), kMinRecolorLumaStep - 1e-4f)
            << static_cast<int>(kind) << " from " << start.r << "," << start.g << "," << start.b;
    }
}

// The newer sorts of change paint through an off-screen copy of the
// object: each must show, in brightness, and stay within what it touches.
class NewChange : public ::testing::TestWithParam<ChangeType> {};

TEST_P(NewChange, ShowsInGreyAndStaysWithinItsBounds) {
  Scene scene = SparseScene(0);
  Item crate;
  crate.kind = GetParam() == ChangeType::Count ? Kind::Apple : Kind::Crate;
  crate.x = 240, crate.y = 260, crate.size = 18;
  crate.color = Rgb(175, 135, 85);
  crate.depth = crate.y;
  scene.items.push_back(crate);
  const Image base = RenderScene(scene);
  const Pixels rgb = Finish(scene, base);
  Change change{GetParam(), 0, crate};
  switch (GetParam()) {
    case ChangeType::Rotate:
      change.after.angle = 0.4f;
      break;
    case ChangeType::Pattern:
      change.after.pattern = 1;
      break;
    default:
      change.after.x += 30;
      change.after.depth += 0.01f;
      break;
  }
  const ChangeFootprint f = MeasureChange(scene, base, rgb, change);
  EXPECT_GE(f.strongPixels, kMinStrongPixels);
  EXPECT_GE(f.greyPixels, kMinGreyPixels);
  const Box reach = Grow(Union(ItemBounds(crate), ItemBounds(change.after)), kSoftRadius);
  EXPECT_EQ(Intersect(reach, f.changed), f.changed);
  // The whole picture agrees: the change is nowhere but in its rectangle.
  Scene second = scene;
  second.items = ApplyChanges(scene, {change});
  EXPECT_EQ(second.items.size(), GetParam() == ChangeType::Count ? 2u : 1u);
  const Pixels after = Finish(second, RenderScene(second));
  EXPECT_EQ(CountChangesOutside(rgb, after, kPictureWidth, kPictureHeight, {RectangleFor(f.changed)}), 0);
}

INSTANTIATE_TEST_SUITE_P(Types, NewChange,
                         ::testing::Values(ChangeType::Rotate, ChangeType::Pattern, ChangeType::Count));

TEST(PaintItem, APlainObjectPaintedOffScreenLooksAsPaintedDirectly) {
  // A pattern of zero painted the long way must match the direct painting,
  // or every turned object would shift its colours.
  Item it;
  it.kind = Kind::Vase;
  it.x = 100, it.y = 200, it.size = 16;
  it.color = Rgb(40, 90, 160);
  Image direct(kPictureWidth, kPictureHeight, {0.4f, 0.5f, 0.3f}), turned = direct;
  Canvas a(direct), b(turned);
  PaintItem(a, it);
  it.angle = 1e-6f;  // takes the off-screen path, turns by nothing visible
  PaintItem(b, it);
  float worst = 0;
  for (int y = 0; y < kPictureHeight; ++y)
    for (int x = 0; x < kPictureWidth; ++x) worst = std::max(worst, ChannelDistance(direct.At(x, y), turned.At(x, y)));
  EXPECT_LT(worst, 0.06f);
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
    EXPECT_GE(CountGreyChanges(pair->first, pair->second, kPictureWidth, rects[i]), kMinGreyPixels);
  }
}

// Easy pairs have larger differences than hard ones, of the same scene.
TEST_P(EveryKindOfPair, DifficultyChangesTheSizeOfTheDifferences) {
  const auto kind = static_cast<SceneKind>(GetParam());
  const auto easy = MakePicturePair(kind, 900 + GetParam(), EasyRules());
  const auto hard = MakePicturePair(kind, 900 + GetParam(), HardRules());
  ASSERT_TRUE(easy && hard);
  const auto changedPixels = [](const PicturePair& p) {
    int n = 0;
    for (const Difference& d : p.differences) n += CountGreyChanges(p.first, p.second, kPictureWidth, d.rect);
    return n;
  };
  EXPECT_GT(changedPixels(*easy), 7 * changedPixels(*hard) / 5);
  for (const Difference& d : hard->differences) EXPECT_LE(d.rect.Width(), HardRules().maxRectSide);
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

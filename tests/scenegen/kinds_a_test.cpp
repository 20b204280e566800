// The kitchen, classroom, market, workshop, playground, farm, forest and
// mountain village: fair pairs from several seeds, real variety between
// seeds, and objects whose colour and shape changes show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "picture_set.h"
#include "scenes.h"
#include "picture_checks.h"

namespace scenegen {
namespace {

constexpr SceneKind kNewKinds[] = {SceneKind::Kitchen, SceneKind::Classroom,  SceneKind::Market, SceneKind::Workshop,
                                   SceneKind::Playground, SceneKind::Farm, SceneKind::Forest, SceneKind::MountainVillage};
constexpr Kind kFirstNewObject = Kind::Pot;

float Luma(Color c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

class NewKind : public ::testing::TestWithParam<SceneKind> {};

TEST_P(NewKind, HasItsOwnGermanName) {
  const std::string name = SceneKindName(GetParam());
  EXPECT_NE(name, "?");
  EXPECT_EQ(BuildScene(GetParam(), 3).title, name);
  for (SceneKind other : kNewKinds) {
    if (other != GetParam()) {
      EXPECT_NE(SceneKindName(other), name);
    }
  }
  for (int k = 0; k < 8; ++k) EXPECT_NE(SceneKindName(static_cast<SceneKind>(k)), name);
}

// The name list and the builders must agree for every kind, the first
// eight and the later ones alike.
TEST(SceneKinds, EachIsCalledByTheTitleItsBuilderGives) {
  std::set<std::string> names;
  for (int k = 0; k < kSceneKindCount; ++k) {
    const auto kind = static_cast<SceneKind>(k);
    EXPECT_EQ(BuildScene(kind, 11).title, SceneKindName(kind)) << "kind " << k;
    names.insert(SceneKindName(kind));
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kSceneKindCount));
  EXPECT_EQ(names.count("?"), 0u);
  EXPECT_EQ(SceneKindName(static_cast<SceneKind>(kSceneKindCount)), "?");
}

// Several seeds, each a pair with five fair differences and nothing
// changed outside their rectangles.
TEST_P(NewKind, GivesFairPairsFromSeveralSeeds) {
  for (std::uint32_t seed : {11u, 2024u, 90001u}) {
    const auto pair = MakePicturePair(GetParam(), seed);
    ASSERT_TRUE(pair.has_value()) << "seed " << seed;
    ASSERT_EQ(pair->differences.size(), 5u);
    EXPECT_LT(pair->seed, seed + 10) << "most seeds should give a pair at the first or second try";
    const std::vector<Box> rects = RectanglesOf(*pair);
    EXPECT_EQ(CountChangesOutside(pair->first, pair->second, kPictureWidth, kPictureHeight, rects), 0);
    for (std::size_t i = 0; i < rects.size(); ++i)
      EXPECT_GE(CountStrongChanges(*pair, rects[i]), kMinStrongPixels) << "seed " << seed << " difference " << i;
  }
}

// Pictures of one kind from different seeds must not look like variations
// of one picture: their brightness layouts correlate only loosely, and
// what is in them, how much of it and in which light differs. The bounds
// hold for the tool's own thumbnails, whose fine grid already lowers the
// correlation of two loosely alike layouts.
constexpr float kMaxLayoutCorrelation = 0.88f;
constexpr float kMaxMeanLayoutCorrelation = 0.57f;

TEST_P(NewKind, DiffersForRealFromSeedToSeed) {
  std::vector<Pixels> pictures;
  std::set<std::map<Kind, int>> contents;  // which objects, and how many of each
  std::size_t fewest = 1 << 20, most = 0;
  std::vector<Color> means;
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    const Scene scene = BuildScene(GetParam(), seed * 7919u);
    const Pixels& rgb = pictures.emplace_back(Finish(scene, RenderScene(scene)));
    std::map<Kind, int> content;
    for (const Item& it : scene.items) ++content[it.kind];
    contents.insert(content);
    fewest = std::min(fewest, scene.items.size()), most = std::max(most, scene.items.size());
    Color mean{};
    for (std::size_t i = 0; i < rgb.size(); i += 3) mean = mean + Rgb(rgb[i], rgb[i + 1], rgb[i + 2]);
    means.push_back(mean * (3.0f / rgb.size()));
  }
  const SetSimilarity similarity = SimilarityOf(pictures);
  float colourSpread = 0;
  for (std::size_t i = 0; i < means.size(); ++i)
    for (std::size_t j = 0; j < i; ++j) colourSpread = std::max(colourSpread, ChannelDistance(means[i], means[j]));
  std::printf("%s: thumbnail correlation max %.3f mean %.3f, %zu to %zu objects, mean colour spread %.3f\n",
              SceneKindName(GetParam()).c_str(), similarity.maxCorrelation, similarity.meanCorrelation, fewest, most,
              colourSpread);
  EXPECT_LT(similarity.maxCorrelation, kMaxLayoutCorrelation);
  EXPECT_LT(similarity.meanCorrelation, kMaxMeanLayoutCorrelation);
  EXPECT_EQ(contents.size(), pictures.size()) << "no two scenes should hold the same objects";
  EXPECT_GE(most, fewest * 5 / 4) << "how many objects a scene holds should vary";
  EXPECT_GT(colourSpread, 0.06f) << "light and palette should vary";
}

// Many seeds of every new kind: everything placed lies in the picture,
// there is enough to change and to add, and the scene is the same each
// time it is built.
TEST_P(NewKind, EverySeedGivesASoundScene) {
  const Box picture{0, 0, kPictureWidth, kPictureHeight};
  for (std::uint32_t seed = 100; seed < 124; ++seed) {
    const Scene scene = BuildScene(GetParam(), seed);
    int changeable = 0;
    for (const Item& it : scene.items) {
      changeable += !it.locked;
      EXPECT_FALSE(Intersect(ItemBounds(it), picture).Empty()) << "seed " << seed << " kind " << static_cast<int>(it.kind);
      EXPECT_GT(it.size, 0.0f);
      EXPECT_GE(it.variant, 0);
      EXPECT_LT(it.variant, it.variants);
    }
    EXPECT_GE(changeable, 12) << "seed " << seed;
    EXPECT_GE(scene.spares.size(), 3u) << "seed " << seed;
    for (const Item& spare : scene.spares) {
      const Box b = ItemBounds(spare), in = Intersect(b, picture);
      EXPECT_GE(in.Width() * in.Height(), b.Width() * b.Height() / 2) << "seed " << seed << " spare kind "
                                                                      << static_cast<int>(spare.kind);
    }
    for (std::size_t i = 1; i < scene.items.size(); ++i) EXPECT_LE(scene.items[i - 1].depth, scene.items[i].depth);
    const Scene again = BuildScene(GetParam(), seed);
    ASSERT_EQ(again.items.size(), scene.items.size());
    for (std::size_t i = 0; i < scene.items.size(); ++i) {
      EXPECT_EQ(again.items[i].seed, scene.items[i].seed);
      EXPECT_EQ(again.items[i].x, scene.items[i].x);
    }
  }
}

// Writing, tools and hanging things read one way only or hang straight
// down: a scene never shows them mirrored.
TEST_P(NewKind, NeverMirrorsWritingOrHangingThings) {
  for (std::uint32_t seed = 200; seed < 216; ++seed) {
    const Scene scene = BuildScene(GetParam(), seed);
    for (const std::vector<Item>* list : {&scene.items, &scene.spares})
      for (const Item& it : *list)
        if (it.kind == Kind::ChalkDrawing || it.kind == Kind::Tool || it.kind == Kind::Utensil ||
            it.kind == Kind::HangingLamp) {
          EXPECT_FALSE(it.mirrored) << "seed " << seed << " kind " << static_cast<int>(it.kind);
        }
  }
}

// The light of the scene changes from seed to seed: several overall tints
// (time of day, lamps, weather) among a dozen scenes.
TEST_P(NewKind, LightChangesFromSeedToSeed) {
  std::set<std::tuple<float, float, float>> tints;
  for (std::uint32_t seed = 300; seed < 312; ++seed) {
    const Scene scene = BuildScene(GetParam(), seed);
    tints.insert({scene.tint.r, scene.tint.g, scene.tint.b});
  }
  EXPECT_GE(tints.size(), 2u);
}

// Over a few pairs the differences use many sorts of change, so the new
// objects take every kind of change the finder knows, not only removal.
TEST_P(NewKind, PairsMixManySortsOfChange) {
  std::set<ChangeType> types;
  for (std::uint32_t seed : {31u, 4711u, 65000u, 123456u}) {
    const auto pair = MakePicturePair(GetParam(), seed);
    ASSERT_TRUE(pair.has_value()) << "seed " << seed;
    for (const Difference& d : pair->differences) types.insert(d.change.type);
  }
  EXPECT_GE(types.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NewKind, ::testing::ValuesIn(kNewKinds),
                         [](const auto& info) { return "Kind" + std::to_string(static_cast<int>(info.param)); });

// Paints one object alone on grey and returns the picture.
Image PaintAlone(Item it) {
  it.x = 240, it.y = 300, it.size = 14;
  Image image(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
  Canvas canvas(image);
  PaintItem(canvas, it);
  return image;
}

// Every object the new scenes use, as the scenes make it.
std::vector<Item> NewObjectsInUse() {
  std::vector<Item> found;
  std::set<int> seen;
  for (SceneKind kind : kNewKinds)
    for (std::uint32_t seed : {5u, 6u, 7u, 8u}) {
      const Scene scene = BuildScene(kind, seed);
      for (const std::vector<Item>* list : {&scene.items, &scene.spares})
        for (const Item& it : *list)
          if (it.kind >= kFirstNewObject && !it.locked && seen.insert(static_cast<int>(it.kind) * 16 + it.variant).second)
            found.push_back(it);
    }
  return found;
}

// A recolouring that also changes brightness must show on most of the
// object, in a greyscale copy too: the main colour is not a trim.
TEST(NewObjects, MainColourCoversMuchOfTheObjectAndShowsInGrey) {
  int kinds = 0;
  std::set<int> seen;
  for (Item it : NewObjectsInUse()) {
    if (!seen.insert(static_cast<int>(it.kind)).second) continue;
    ++kinds;
    it.color = Rgb(50, 50, 50);
    const Image dark = PaintAlone(it);
    it.color = Rgb(225, 225, 225);
    const Image light = PaintAlone(it);
    int object = 0, changed = 0;
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) {
        const bool drawn = ChannelDistance(dark.At(x, y), {0.5f, 0.5f, 0.5f}) > 0.05f ||
                           ChannelDistance(light.At(x, y), {0.5f, 0.5f, 0.5f}) > 0.05f;
        object += drawn;
        changed += std::fabs(Luma(dark.At(x, y)) - Luma(light.At(x, y))) > 0.15f;
      }
    EXPECT_GE(changed, 120) << "kind " << static_cast<int>(it.kind);
    EXPECT_GE(changed, object / 5) << "kind " << static_cast<int>(it.kind) << ": " << changed << " of " << object;
  }
  EXPECT_GE(kinds, 30) << "the new scenes should use most of the new objects";
}

// A shape change turns the variant as the difference finder does; every
// variant a scene can give must look clearly different from the next.
TEST(NewObjects, ShapeVariantsDifferVisibly) {
  for (const Item& it : NewObjectsInUse()) {
    if (it.variants < 2) continue;
    Item other = it;
    other.variant = it.variants % 2 == 0 ? it.variant ^ 1 : (it.variant + 1) % it.variants;
    const Image a = PaintAlone(it), b = PaintAlone(other);
    int changed = 0;
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) changed += ChannelDistance(a.At(x, y), b.At(x, y)) > 0.15f;
    EXPECT_GE(changed, 80) << "kind " << static_cast<int>(it.kind) << " variant " << it.variant << " to "
                           << other.variant;
  }
}

// The finder repaints only an object's reach; every variant of every new
// painter, mirrored or not and at any size, must stay inside the bounds
// it reports.
TEST(NewObjects, EveryVariantPaintsInsideItsBounds) {
  for (int k = static_cast<int>(kFirstNewObject); k <= static_cast<int>(kLastKind); ++k)
    for (int variant = 0; variant < 4; ++variant)
      for (bool mirrored : {false, true})
        for (float size : {6.0f, 21.0f}) {
          Item it;
          it.kind = static_cast<Kind>(k);
          it.x = 250, it.y = 260, it.size = size;
          it.variant = variant, it.variants = 4, it.mirrored = mirrored;
          it.color = Rgb(200, 60, 50), it.accent = Rgb(40, 90, 160);
          it.seed = 99u + static_cast<std::uint32_t>(k);
          Image image(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
          Canvas canvas(image);
          PaintItem(canvas, it);
          const Box b = ItemBounds(it);
          int outside = 0, inside = 0;
          for (int y = 0; y < kPictureHeight; ++y)
            for (int x = 0; x < kPictureWidth; ++x) {
              const bool in = x >= b.x0 && x < b.x1 && y >= b.y0 && y < b.y1;
              const bool painted = ChannelDistance(image.At(x, y), {0.5f, 0.5f, 0.5f}) > 1e-6f;
              outside += painted && !in;
              inside += painted && in;
            }
          EXPECT_EQ(outside, 0) << "kind " << k << " variant " << variant;
          EXPECT_GE(inside, size > 10 ? 150 : 20) << "kind " << k << " variant " << variant;
        }
}

}  // namespace
}  // namespace scenegen

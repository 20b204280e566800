// The sea floor, space station, railway station, circus, bedroom, library,
// garden party and building site: their objects, their pairs and how much
// one picture of a kind differs from the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "painters.h"
#include "picture_set.h"
#include "scenes.h"
#include "picture_checks.h"

namespace scenegen {
namespace {

constexpr SceneKind kNewKinds[] = {SceneKind::Underwater,  SceneKind::SpaceStation, SceneKind::RailwayStation,
                                   SceneKind::Circus,      SceneKind::Bedroom,      SceneKind::Library,
                                   SceneKind::GardenParty, SceneKind::BuildingSite};

constexpr Kind kNewObjects[] = {
    Kind::Coral,      Kind::Seaweed,      Kind::Jellyfish, Kind::Starfish,   Kind::TreasureChest, Kind::Crab,
    Kind::Console,    Kind::Astronaut,    Kind::Robot,     Kind::Planet,     Kind::Rocket,        Kind::Satellite,
    Kind::Locomotive, Kind::Coach,        Kind::Suitcase,  Kind::RailSignal, Kind::Podium,        Kind::Elephant,
    Kind::Pennant,    Kind::CircusTent,   Kind::Hoop,      Kind::Bed,        Kind::TeddyBear,     Kind::Dresser,
    Kind::ToyBlock,   Kind::StandGlobe,        Kind::Armchair,  Kind::BookStack,  Kind::Hourglass,     Kind::Cake,
    Kind::Teapot,     Kind::PaperLantern, Kind::Gift,      Kind::Excavator,  Kind::TrafficCone,   Kind::Wheelbarrow,
    Kind::BrickStack, Kind::Barrier,      Kind::Crane};

bool IsNewObject(Kind kind) {
  return std::find(std::begin(kNewObjects), std::end(kNewObjects), kind) != std::end(kNewObjects);
}

float Luma(const Color& c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

// One object painted alone on grey at a size where it fills a good part of
// a 200 x 200 picture.
Image PaintAlone(Item it) {
  Image image(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
  Canvas canvas(image);
  PaintItem(canvas, it);
  return image;
}

Item Sample(Kind kind) {
  Item it;
  it.kind = kind;
  it.x = 240, it.y = kind == Kind::Crane ? 420 : 300;
  it.size = kind == Kind::Crane ? 12 : 24;
  it.color = Rgb(200, 60, 50);
  it.accent = Rgb(60, 90, 180);
  it.seed = 11;
  return it;
}

int PixelsWhoseBrightnessMoves(const Image& a, const Image& b, float by) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += std::fabs(Luma(a.At(x, y)) - Luma(b.At(x, y))) >= by;
  return n;
}

// A recolouring must show in a greyscale copy: when the main colour turns
// from dark to light, a large share of the object must brighten with it.
TEST(NewObjects, MainColourCoversMuchOfTheObjectAndShowsInGrey) {
  for (Kind kind : kNewObjects) {
    Item dark = Sample(kind), light = Sample(kind);
    dark.color = Rgb(60, 40, 40);
    light.color = Rgb(235, 215, 205);
    const Box bounds = ItemBounds(dark);
    ASSERT_FALSE(bounds.Empty()) << static_cast<int>(kind);
    const int moved = PixelsWhoseBrightnessMoves(PaintAlone(dark), PaintAlone(light), 0.2f);
    EXPECT_GE(moved, 400) << "object kind " << static_cast<int>(kind);
    EXPECT_GE(moved, bounds.Width() * bounds.Height() / 25) << "object kind " << static_cast<int>(kind);
  }
}

// Every shape variant is a different outline or part, not the same picture.
TEST(NewObjects, ShapeVariantsDifferClearlyAndStayInTheirBounds) {
  for (Kind kind : kNewObjects) {
    Item a = Sample(kind), b = Sample(kind);
    b.variant = 1;
    const Image pa = PaintAlone(a), pb = PaintAlone(b);
    EXPECT_GE(PixelsWhoseBrightnessMoves(pa, pb, 0.15f), 150) << "object kind " << static_cast<int>(kind);
    // Nothing is painted outside the bounds the difference planner is told.
    const Box bounds = Union(ItemBounds(a), ItemBounds(b));
    const Image blank(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) {
        if (x >= bounds.x0 && x < bounds.x1 && y >= bounds.y0 && y < bounds.y1) continue;
        ASSERT_EQ(ChannelDistance(pa.At(x, y), blank.At(x, y)), 0.0f) << static_cast<int>(kind) << " " << x << "," << y;
        ASSERT_EQ(ChannelDistance(pb.At(x, y), blank.At(x, y)), 0.0f) << static_cast<int>(kind) << " " << x << "," << y;
      }
  }
}

// Painters draw in the object's own units: mirrored, an object covers the
// mirror image of its box, and twice the size gives about twice the box.
TEST(NewObjects, MirrorAndScaleWithTheirAnchor) {
  for (Kind kind : kNewObjects) {
    Item it = Sample(kind);
    it.size = kind == Kind::Crane ? 6 : 12;
    const Box plain = ItemBounds(it);
    it.mirrored = true;
    const Box mirrored = ItemBounds(it);
    const int ax = static_cast<int>(it.x);
    EXPECT_NEAR(ax - plain.x0, mirrored.x1 - ax, 2) << "object kind " << static_cast<int>(kind);
    EXPECT_NEAR(plain.x1 - ax, ax - mirrored.x0, 2) << "object kind " << static_cast<int>(kind);
    EXPECT_EQ(plain.y0, mirrored.y0);
    EXPECT_EQ(plain.y1, mirrored.y1);
    it.mirrored = false;
    it.size *= 2;
    const Box twice = ItemBounds(it);
    EXPECT_NEAR(twice.Width(), 2 * plain.Width(), 12) << "object kind " << static_cast<int>(kind);
    EXPECT_NEAR(twice.Height(), 2 * plain.Height(), 12) << "object kind " << static_cast<int>(kind);
  }
}

TEST(NewKinds, HaveGermanTitlesAndManyChangeableObjects) {
  std::set<std::string> titles;
  for (SceneKind kind : kNewKinds) {
    for (std::uint32_t seed : {3u, 4u, 5u}) {
      const Scene scene = BuildScene(kind, seed);
      EXPECT_EQ(scene.title, SceneKindName(kind));
      int changeable = 0;
      std::set<Kind> sorts;
      for (const Item& it : scene.items)
        if (!it.locked) ++changeable, sorts.insert(it.kind);
      EXPECT_GE(changeable, 12) << scene.title << " " << seed;
      EXPECT_GE(sorts.size(), 6u) << scene.title << " " << seed;
      EXPECT_GE(scene.spares.size(), 3u) << scene.title << " " << seed;
      EXPECT_TRUE(std::is_sorted(scene.items.begin(), scene.items.end(),
                                 [](const Item& a, const Item& b) { return a.depth < b.depth; }));
    }
    titles.insert(SceneKindName(kind));
  }
  EXPECT_EQ(titles.size(), std::size(kNewKinds));
}

// No rectangle can mark the picture's first column or row, so nothing a
// difference may change is drawn there, in either group of new kinds.
TEST(NewKinds, DrawNothingChangeableIntoTheFirstRowOrColumn) {
  for (int k = static_cast<int>(SceneKind::Kitchen); k <= static_cast<int>(SceneKind::BuildingSite); ++k)
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
      const Scene scene = BuildScene(static_cast<SceneKind>(k), seed);
      for (const Item& it : scene.items) {
        if (it.locked) continue;
        const Box b = ItemBounds(it);
        EXPECT_TRUE(b.x0 >= 1 && b.y0 >= 1) << scene.title << " " << seed << " kind " << static_cast<int>(it.kind);
      }
      for (const Item& it : scene.spares) {
        const Box b = ItemBounds(it);
        EXPECT_TRUE(b.x0 >= 1 && b.y0 >= 1) << scene.title << " " << seed << " spare " << static_cast<int>(it.kind);
      }
    }
}

// The same seed composes the same scene; neighbouring seeds compose scenes
// with other objects in other numbers, under other light.
TEST(NewKinds, SeedsChangeWhichObjectsAppearHowManyAndTheLight) {
  for (SceneKind kind : kNewKinds) {
    const Scene a = BuildScene(kind, 42), b = BuildScene(kind, 42);
    ASSERT_EQ(a.items.size(), b.items.size());
    for (std::size_t i = 0; i < a.items.size(); ++i) {
      EXPECT_EQ(a.items[i].kind, b.items[i].kind);
      EXPECT_EQ(a.items[i].x, b.items[i].x);
      EXPECT_EQ(a.items[i].seed, b.items[i].seed);
    }
    std::set<std::size_t> counts;
    std::set<std::multiset<Kind>> contents;
    std::set<std::vector<float>> tints;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
      const Scene s = BuildScene(kind, seed);
      counts.insert(s.items.size());
      std::multiset<Kind> content;
      for (const Item& it : s.items) content.insert(it.kind);
      contents.insert(content);
      tints.insert({s.tint.r, s.tint.g, s.tint.b, s.vignette});
    }
    EXPECT_GE(counts.size(), 4u) << SceneKindName(kind);
    EXPECT_EQ(contents.size(), 8u) << SceneKindName(kind);
    EXPECT_GE(tints.size(), 2u) << SceneKindName(kind);
  }
}

// Everything a scene holds or may add is in the picture: a player can only
// find what he can see.
TEST(NewKinds, ObjectsAndSparesLieInThePicture) {
  const Box picture{0, 0, kPictureWidth, kPictureHeight};
  for (SceneKind kind : kNewKinds) {
    for (std::uint32_t seed : {9u, 10u, 11u, 12u}) {
      const Scene s = BuildScene(kind, seed);
      auto check = [&](const Item& it, const char* what) {
        const Box b = ItemBounds(it);
        const Box in = Intersect(b, picture);
        ASSERT_FALSE(b.Empty());
        // Trains may run out of the frame; anything else shows at least half.
        const bool train = it.kind == Kind::Locomotive || it.kind == Kind::Coach;
        EXPECT_GE(in.Width() * in.Height() * (train ? 8 : 2), b.Width() * b.Height())
            << SceneKindName(kind) << " " << seed << " " << what << " kind " << static_cast<int>(it.kind) << " at "
            << it.x << "," << it.y;
      };
      for (const Item& it : s.items) check(it, "item");
      for (const Item& it : s.spares) check(it, "spare");
    }
  }
}

// Pairs of every new kind from several seeds: five fair differences, nothing
// changed outside their rectangles, the same bytes from the same seed.
TEST(NewKinds, GiveFairPairsFromManySeeds) {
  for (SceneKind kind : kNewKinds) {
    for (std::uint32_t seed : {101u, 2024u, 77777u}) {
      const auto pair = MakePicturePair(kind, seed);
      ASSERT_TRUE(pair.has_value()) << SceneKindName(kind) << " " << seed;
      ASSERT_EQ(pair->differences.size(), 5u);
      EXPECT_EQ(CountChangesOutside(pair->first, pair->second, kPictureWidth, kPictureHeight, RectanglesOf(*pair)), 0);
      // A click on the first column or row is never inside a rectangle, so
      // nothing may change there.
      for (int x = 0; x < kPictureWidth; ++x)
        for (int k = 0; k < 3; ++k) ASSERT_EQ(pair->first[x * 3 + k], pair->second[x * 3 + k]) << x;
      for (int y = 0; y < kPictureHeight; ++y)
        for (int k = 0; k < 3; ++k) {
          const std::size_t i = static_cast<std::size_t>(y) * kPictureWidth * 3 + k;
          ASSERT_EQ(pair->first[i], pair->second[i]) << SceneKindName(kind) << " " << seed << " row " << y;
        }
      // Every change shows clearly; a change of one of these objects other
      // than a recolouring (whose brightness the planner's colour rule looks
      // after) also in a greyscale copy.
      for (const Difference& d : pair->differences) {
        const Box& r = d.rect;
        int grey = 0;
        for (int y = r.y0; y < r.y1; ++y)
          for (int x = r.x0; x < r.x1; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * kPictureWidth + x) * 3;
            const float la = 0.299f * pair->first[i] + 0.587f * pair->first[i + 1] + 0.114f * pair->first[i + 2];
            const float lb = 0.299f * pair->second[i] + 0.587f * pair->second[i + 1] + 0.114f * pair->second[i + 2];
            grey += std::fabs(la - lb) >= 24;
          }
        EXPECT_GE(CountStrongChanges(*pair, r), kMinStrongPixels) << SceneKindName(kind) << " " << seed;
        if (d.change.type != ChangeType::Recolor && IsNewObject(d.change.after.kind)) {
          EXPECT_GE(grey, 60) << SceneKindName(kind) << " " << seed << " " << ChangeTypeName(d.change.type) << " "
                              << static_cast<int>(d.change.after.kind);
        }
      }
      if (seed == 101u) {
        const auto again = MakePicturePair(kind, seed);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->firstJpeg, pair->firstJpeg);
        EXPECT_EQ(again->secondJpeg, pair->secondJpeg);
      }
    }
  }
}

// Two pictures of one kind must not look like variations of one picture:
// the correlation of their thumbnails stays below a bound, for every two of
// eight seeds, and is clearly lower on average.
constexpr float kMaxThumbCorrelation = 0.9f;
constexpr float kMaxMeanThumbCorrelation = 0.6f;

TEST(NewKinds, PicturesOfOneKindDifferFromSeedToSeed) {
  constexpr int kSeeds = 8;
  for (SceneKind kind : kNewKinds) {
    std::vector<Pixels> pictures;
    for (int i = 0; i < kSeeds; ++i) {
      const Scene scene = BuildScene(kind, 500u + static_cast<std::uint32_t>(i) * 7919u);
      pictures.push_back(Finish(scene, RenderScene(scene)));
    }
    const SetSimilarity similarity = SimilarityOf(pictures);
    std::printf("%-16s thumbnail correlation: mean %.2f, highest %.2f\n", SceneKindName(kind).c_str(),
                similarity.meanCorrelation, similarity.maxCorrelation);
    EXPECT_LT(similarity.maxCorrelation, kMaxThumbCorrelation) << SceneKindName(kind);
    EXPECT_LT(similarity.meanCorrelation, kMaxMeanThumbCorrelation) << SceneKindName(kind);
  }
}

}  // namespace
}  // namespace scenegen

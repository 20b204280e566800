// Painting primitives and scene rendering: the properties the difference
// finder relies on.
#include "canvas.h"

#include <gtest/gtest.h>

#include <numbers>

#include "color.h"
#include "noise.h"
#include "scene.h"
#include "scenes.h"

namespace scenegen {
namespace {

float Sum(const Image& image) {
  float sum = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) sum += image.At(x, y).r;
  return sum;
}

TEST(Canvas, CircleCoverageIsAntiAliasedAndMatchesItsArea) {
  Image image(64, 64);
  Canvas canvas(image);
  canvas.Fill(
      22, 22, 42, 42, [](float px, float py) { return CircleDistance(px, py, 32, 32, 10); }, Flat{{1, 1, 1}});
  EXPECT_NEAR(Sum(image), std::numbers::pi_v<float> * 100, 2.0f);
  EXPECT_FLOAT_EQ(image.At(32, 32).r, 1.0f);
  EXPECT_FLOAT_EQ(image.At(2, 2).r, 0.0f);
  int partial = 0;
  for (int x = 0; x < 64; ++x) partial += image.At(x, 32).r > 0.01f && image.At(x, 32).r < 0.99f;
  EXPECT_GE(partial, 1) << "edges must be smoothed, not stepped";
}

TEST(Canvas, PolygonDistanceIgnoresWindingAndMarksInside) {
  const Point clockwise[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const Point counter[] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  EXPECT_FLOAT_EQ(PolygonDistance(5, 5, clockwise), -5.0f);
  EXPECT_FLOAT_EQ(PolygonDistance(5, 5, counter), -5.0f);
  EXPECT_FLOAT_EQ(PolygonDistance(13, 5, counter), 3.0f);
}

TEST(Canvas, ClipAndMeasuringKeepPixelsOutsideUntouched) {
  Image image(40, 40);
  Canvas canvas(image);
  canvas.SetClip({10, 10, 20, 20});
  canvas.Fill(
      0, 0, 40, 40, [](float, float) { return -100.0f; }, Flat{{1, 1, 1}});
  EXPECT_FLOAT_EQ(Sum(image), 100.0f);
  EXPECT_EQ(canvas.Touched(), (Box{10, 10, 20, 20}));

  Canvas measuring = Canvas::Measuring(40, 40);
  measuring.Fill(
      5, 6, 7, 8, [](float, float) { return -1.0f; }, Flat{{1, 1, 1}});
  EXPECT_FALSE(measuring.Touched().Empty());
  EXPECT_LE(measuring.Touched().x0, 5);
  EXPECT_GE(measuring.Touched().x1, 8);
}

TEST(Color, RecolouringGivesAVisiblyDifferentColourAndHsvRoundTrips) {
  for (Color c : {Rgb(200, 60, 50), Rgb(40, 90, 160), Rgb(230, 190, 60), Rgb(128, 128, 128)}) {
    EXPECT_GT(ChannelDistance(c, RecolorHue(c, 0.4f)), 0.2f);
    const Color back = FromHsv(ToHsv(c));
    EXPECT_LT(ChannelDistance(c, back), 1e-5f);
  }
}

TEST(Rng, StaysInItsRangesAndRepeatsForASeed) {
  Rng a(42), b(42);
  bool sawLo = false, sawHi = false;
  for (int i = 0; i < 2000; ++i) {
    const int v = a.Int(3, 6);
    ASSERT_EQ(v, b.Int(3, 6));
    ASSERT_GE(v, 3);
    ASSERT_LE(v, 6);
    sawLo |= v == 3, sawHi |= v == 6;
    const float u = a.Uniform();
    b.Uniform();
    ASSERT_GE(u, 0.0f);
    ASSERT_LT(u, 1.0f);
  }
  EXPECT_TRUE(sawLo && sawHi);
}

// A kind without a painter would make invisible differences.
TEST(PaintItem, EveryKindOfObjectPaintsSomething) {
  for (int k = 0; k <= static_cast<int>(kLastKind); ++k) {
    Item it;
    it.kind = static_cast<Kind>(k);
    it.x = 240, it.y = 300, it.size = 14;
    it.color = Rgb(200, 60, 50);
    it.accent = Rgb(40, 90, 160);
    Image image(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
    Canvas canvas(image);
    PaintItem(canvas, it);
    int changed = 0;
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) changed += ChannelDistance(image.At(x, y), {0.5f, 0.5f, 0.5f}) > 0.1f;
    EXPECT_GE(changed, 50) << "kind " << k;
    EXPECT_FALSE(ItemBounds(it).Empty()) << "kind " << k;
  }
}

// Every kind of scene, so every painter is exercised.
class EveryScene : public ::testing::TestWithParam<int> {
 protected:
  Scene scene = BuildScene(static_cast<SceneKind>(GetParam()), 1234);
};

TEST_P(EveryScene, HasObjectsToChangeAndAddAndIsRepeatable) {
  int changeable = 0;
  for (const Item& it : scene.items) changeable += !it.locked;
  EXPECT_GE(changeable, 12);
  EXPECT_GE(scene.spares.size(), 3u);
  const Scene again = BuildScene(static_cast<SceneKind>(GetParam()), 1234);
  EXPECT_EQ(Finish(scene, RenderScene(scene)), Finish(again, RenderScene(again)));
}

// The finder measures a change by repainting only the reach of the changed
// object; that is only sound when a partial repaint equals the full one and
// no painter reaches beyond the bounds it reports.
TEST_P(EveryScene, PartialRepaintEqualsFullRenderInsideTheArea) {
  const Image full = RenderScene(scene);
  for (const Box area : {Box{0, 0, 97, 61}, Box{130, 150, 260, 300}, Box{300, 330, 488, 430}}) {
    Image partial(kPictureWidth, kPictureHeight, {0.3f, 0.1f, 0.9f});
    RenderArea(scene.background, scene.items, partial, area);
    for (int y = area.y0; y < area.y1; ++y)
      for (int x = area.x0; x < area.x1; ++x)
        ASSERT_LT(ChannelDistance(partial.At(x, y), full.At(x, y)), 1e-6f) << x << "," << y;
  }
}

TEST_P(EveryScene, NoObjectPaintsOutsideItsBounds) {
  for (const Item& it : scene.items) {
    Image image(kPictureWidth, kPictureHeight, {0.5f, 0.5f, 0.5f});
    Canvas canvas(image);
    PaintItem(canvas, it);
    const Box bounds = ItemBounds(it);
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) {
        const bool inside = x >= bounds.x0 && x < bounds.x1 && y >= bounds.y0 && y < bounds.y1;
        if (!inside) {
          ASSERT_LT(ChannelDistance(image.At(x, y), {0.5f, 0.5f, 0.5f}), 1e-6f) << static_cast<int>(it.kind);
        }
      }
  }
}

// Objects are painted back to front; an added object must be visible where
// it is put, or the difference it makes would be hidden or outside.
TEST_P(EveryScene, PaintsBackToFrontAndKeepsSparesInView) {
  for (std::size_t i = 1; i < scene.items.size(); ++i) EXPECT_LE(scene.items[i - 1].depth, scene.items[i].depth);
  const Box picture{0, 0, kPictureWidth, kPictureHeight};
  for (const Item& spare : scene.spares) {
    const Box b = ItemBounds(spare);
    EXPECT_FALSE(b.Empty());
    EXPECT_GE(Intersect(b, picture).Width() * Intersect(b, picture).Height(), b.Width() * b.Height() / 2)
        << "spare of kind " << static_cast<int>(spare.kind) << " mostly outside the picture";
  }
  for (const Item& it : scene.items)
    EXPECT_FALSE(Intersect(ItemBounds(it), picture).Empty()) << "kind " << static_cast<int>(it.kind) << " at " << it.x;
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryScene, ::testing::Range(0, kSceneKindCount));

}  // namespace
}  // namespace scenegen

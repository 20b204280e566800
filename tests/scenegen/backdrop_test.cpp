// Background layers and the small geometry under every painter.
#include "backdrop.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "noise.h"
#include "pen.h"
#include "scene.h"

namespace scenegen {
namespace {

constexpr Color kMarker{0.25f, 0.5f, 0.75f};

bool RowUntouched(const Image& image, int y) {
  for (int x = 0; x < image.Width(); ++x)
    if (ChannelDistance(image.At(x, y), kMarker) > 0) return false;
  return true;
}

TEST(Noise, StaysInRangeAndChangesSmoothly) {
  float lo = 1, hi = 0;
  for (int i = 0; i < 5000; ++i) {
    const float x = i * 0.137f, y = i * 0.071f;
    const float v = ValueNoise(x, y, 9), f = Fbm(x, y, 9);
    lo = std::min({lo, v, f}), hi = std::max({hi, v, f});
    EXPECT_LT(std::fabs(ValueNoise(x + 0.01f, y, 9) - v), 0.05f);
  }
  EXPECT_GE(lo, 0.0f);
  EXPECT_LE(hi, 1.0f);
  EXPECT_LT(lo, 0.25f);
  EXPECT_GT(hi, 0.75f);
  EXPECT_NE(Hash2(1, 2, 3), Hash2(2, 1, 3));
}

TEST(Geometry, DistanceFunctionsHaveTheRightSignAndScale) {
  EXPECT_LT(EllipseDistance(50, 50, 50, 50, 30, 10), 0);
  EXPECT_NEAR(EllipseDistance(85, 50, 50, 50, 30, 10), 5.0f, 0.5f);
  EXPECT_NEAR(EllipseDistance(50, 65, 50, 50, 30, 10), 5.0f, 1.0f);
  EXPECT_FLOAT_EQ(BoxDistance(15, 5, 0, 0, 10, 10), 5.0f);
  EXPECT_FLOAT_EQ(BoxDistance(5, 5, 0, 0, 10, 10), -5.0f);
  // A rounded corner lies further away than the sharp one.
  EXPECT_GT(BoxDistance(11, 11, 0, 0, 10, 10, 3), BoxDistance(11, 11, 0, 0, 10, 10, 0));
  EXPECT_FLOAT_EQ(SegmentDistance(3, 4, 0, 0, 0, 0), 5.0f);
  EXPECT_FLOAT_EQ(SegmentDistance(5, 2, 0, 0, 10, 0), 2.0f);
}

TEST(Geometry, BoxesUniteIntersectAndCopyOnlyWhatExists) {
  EXPECT_EQ(Union({}, Box{1, 2, 3, 4}), (Box{1, 2, 3, 4}));
  EXPECT_EQ(Union(Box{0, 0, 2, 2}, Box{5, 5, 6, 7}), (Box{0, 0, 6, 7}));
  EXPECT_TRUE(Intersect(Box{0, 0, 2, 2}, Box{2, 0, 4, 2}).Empty());
  Image from(10, 10, {1, 1, 1}), to(10, 10);
  to.CopyFrom(from, {-5, 8, 50, 50});  // mostly outside: copies rows 8 and 9 only
  EXPECT_FLOAT_EQ(to.At(0, 9).r, 1.0f);
  EXPECT_FLOAT_EQ(to.At(9, 7).r, 0.0f);
}

TEST(Pen, MirroringReflectsAboutTheAnchor) {
  Image plain(60, 30), mirrored(60, 30);
  Item it;
  it.x = 30, it.y = 15, it.size = 10;
  {
    Canvas c(plain);
    Pen p(c, it);
    p.Rect(0.5f, -0.5f, 2.0f, 0.5f, Flat{{1, 1, 1}});
  }
  it.mirrored = true;
  {
    Canvas c(mirrored);
    Pen p(c, it);
    p.Rect(0.5f, -0.5f, 2.0f, 0.5f, Flat{{1, 1, 1}});
  }
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_FLOAT_EQ(plain.At(x, y).r, mirrored.At(59 - x, y).r) << x << "," << y;
  EXPECT_FLOAT_EQ(plain.At(40, 15).r, 1.0f);
}

TEST(Backdrop, LayersPaintOnlyTheirRows) {
  Image image(120, 100, kMarker);
  PaintWater(image, {40, 60, Rgb(10, 20, 30), Rgb(30, 40, 50), Rgb(200, 200, 200), 1});
  EXPECT_TRUE(RowUntouched(image, 39));
  EXPECT_FALSE(RowUntouched(image, 40));
  EXPECT_FALSE(RowUntouched(image, 59));
  EXPECT_TRUE(RowUntouched(image, 60));

  Image floor(120, 100, kMarker);
  PaintFloorboards(floor, 70, 100, Rgb(150, 100, 60), 2);
  EXPECT_TRUE(RowUntouched(floor, 69));
  EXPECT_FALSE(RowUntouched(floor, 99));
}

TEST(Backdrop, RidgeCoversEverythingBelowItsEdgeAndNothingAbove) {
  Image image(200, 120, kMarker);
  const Ridge ridge{60, 15, 50, Rgb(100, 150, 80), Rgb(60, 110, 50), 0.2f, 0.05f, 4};
  PaintRidge(image, ridge);
  for (int x = 0; x < 200; x += 7) {
    const float edge = RidgeHeight(ridge, x + 0.5f);
    EXPECT_GE(edge, 60 - 15.5f);
    EXPECT_LE(edge, 60 + 15.5f);
    const int above = static_cast<int>(std::floor(edge)) - 2, below = static_cast<int>(std::ceil(edge)) + 2;
    if (above >= 0) {
      EXPECT_FLOAT_EQ(ChannelDistance(image.At(x, above), kMarker), 0.0f) << x;
    }
    if (below < 120) {
      EXPECT_GT(ChannelDistance(image.At(x, below), kMarker), 0.0f) << x;
    }
  }
}

TEST(Finish, GrainDependsOnPositionOnlySoEqualScenesFinishEqually) {
  Scene a, b;
  a.grainSeed = b.grainSeed = 11;
  Image image(kPictureWidth, kPictureHeight, {0.4f, 0.5f, 0.6f});
  const std::vector<std::uint8_t> fa = Finish(a, image), fb = Finish(b, image);
  EXPECT_EQ(fa, fb);
  // The grain is there: a flat colour does not come out flat.
  EXPECT_NE(fa[0], fa[3 * 200 + 3 * kPictureWidth * 100]);
  std::vector<std::uint8_t> partial(fa.size(), 7);
  FinishArea(a, image, {8, 8, 16, 16}, partial);
  EXPECT_EQ(partial[0], 7);
  EXPECT_EQ(partial[(8 * kPictureWidth + 8) * 3], fa[(8 * kPictureWidth + 8) * 3]);
}

}  // namespace
}  // namespace scenegen

// The building blocks: bitmap encoding, the transparency rule, fonts and
// writing into the data folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "canvas.h"
#include "noise.h"
#include "encode.h"
#include "generator.h"
#include "shapes.h"
#include "test_images.h"
#include "text.h"

namespace artgen {
namespace {

std::filesystem::path TempDir(const char* name) {
  auto dir = std::filesystem::temp_directory_path() / ("artgen_test_" + std::string(name));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

TEST(BitmapEncoding, RowsArePaddedBottomUpAndReadBackExactly) {
  // Width 3 needs one padding byte per row; an error in padding or row
  // order shears or flips the picture.
  RgbImage image{3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90}};
  auto bytes = EncodeBmp(image);
  EXPECT_EQ(bytes.size(), 54u + 2 * 12);
  auto dir = TempDir("bmp");
  auto path = (dir / "tiny.dat").string();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
  RgbImage back = testing::LoadBitmap(path);
  ASSERT_EQ(back.width, 3);
  ASSERT_EQ(back.height, 2);
  EXPECT_EQ(back.rgb, image.rgb);
}

TEST(KeyedConversion, HalfCoveredPixelsDecideAndDarkPixelsStayVisible) {
  Canvas canvas(4, 1);
  canvas.Blend(0, 0, {0, 0, 0}, 1.0f);        // painted black: must not vanish
  canvas.Blend(1, 0, {1, 1, 1}, 0.49f);       // mostly uncovered: transparent
  canvas.Blend(2, 0, {0.5f, 0.25f, 1}, 0.5f);  // half covered: keeps its colour
  RgbImage image = ToKeyedImage(canvas);
  const std::uint8_t* dark = image.at(0, 0);
  EXPECT_GE(std::max({dark[0], dark[1], dark[2]}), kDarkestVisible);
  EXPECT_TRUE(testing::IsBlack(image, 1, 0));
  EXPECT_EQ(image.at(2, 0)[2], 255);
  EXPECT_TRUE(testing::IsBlack(image, 3, 0));  // never painted
}

TEST(Shapes, CoverageFollowsTheDistanceAtTheEdge) {
  Canvas canvas(20, 20);
  FillShape(canvas, Circle(10, 10, 6), Solid({1, 1, 1}));
  EXPECT_FLOAT_EQ(canvas.alpha(10, 10), 1.0f);  // centre
  EXPECT_FLOAT_EQ(canvas.alpha(0, 0), 0.0f);    // far outside
  // A pixel whose centre lies on the rim is half covered.
  float rim = canvas.alpha(15, 9);  // centre (15.5, 9.5): distance 5.52 - 6
  EXPECT_GT(rim, 0.5f);
  EXPECT_LT(rim, 1.0f);
  // Rounded boxes are symmetric: left and right edges match.
  Canvas box(20, 10);
  FillShape(box, RoundedBox(2.3f, 2, 17.7f, 8, 2), Solid({1, 1, 1}));
  EXPECT_NEAR(box.alpha(2, 5), box.alpha(17, 5), 1e-5f);
}

TEST(Shapes, PolygonsAreNegativeInsideWhicheverWayTheyWind) {
  Sdf clockwise = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  Sdf counter = Polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
  for (const Sdf& square : {clockwise, counter}) {
    EXPECT_NEAR(square(5, 5), -5, 1e-4);
    EXPECT_NEAR(square(13, 5), 3, 1e-4);
    EXPECT_NEAR(square(13, 14), 5, 1e-4);  // nearest the corner
  }
  Sdf star = Star(0, 0, 10, 4, 5, 0);
  EXPECT_LT(star(0, 0), 0);
  EXPECT_LT(star(0, -9), 0);  // inside the top point
  EXPECT_GT(star(0, 9), 0);   // between the two lower points
  Sdf ring = Ring(Circle(0, 0, 10), 1);
  EXPECT_LT(ring(10, 0), 0);
  EXPECT_GT(ring(0, 0), 0);
  EXPECT_GT(Subtract(Circle(0, 0, 5), Circle(0, 0, 2))(0, 0), 0);
}

TEST(Noise, RepeatsVerticallyWithItsPeriodAndNowhereElse) {
  // The high-score background tiles because its noise repeats.
  for (float x : {0.3f, 17.9f, 250.5f})
    for (float y : {0.0f, 2.25f, 5.9f}) {
      EXPECT_NEAR(ValueNoise(x, y, 7, 6), ValueNoise(x, y + 6, 7, 6), 1e-5);
      EXPECT_NEAR(Fbm(x, y, 7, 5, 6), Fbm(x, y + 6, 7, 5, 6), 1e-5);
    }
  int different = 0;
  for (int i = 0; i < 20; ++i) different += ValueNoise(i * 0.7f, 1.5f, 7) != ValueNoise(i * 0.7f, 7.5f, 7);
  EXPECT_GT(different, 15);
  float lo = 1, hi = 0;
  for (int i = 0; i < 500; ++i) {
    float v = Fbm(i * 0.37f, i * 0.11f, 3, 4);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_GE(lo, 0.0f);
  EXPECT_LE(hi, 1.0f);
  EXPECT_GT(hi - lo, 0.3f);
}

TEST(Fonts, MissingFontIsNamedAndTextHasSensibleMeasures) {
  Fonts fonts;
  std::string missing;
  EXPECT_FALSE(LoadFonts("/nonexistent/fonts", fonts, missing));
  EXPECT_NE(missing.find("/nonexistent/fonts/"), std::string::npos);
  ASSERT_TRUE(LoadFonts("/usr/share/fonts/truetype/dejavu", fonts, missing)) << missing;
  TextShape h = fonts.bold->Render("H", 40);
  // Capital H: about 0.73 em tall, standing on the baseline.
  EXPECT_NEAR(h.inkHeight(), 29, 1.5);
  EXPECT_NEAR(h.inkBottom, 0, 0.5);
  EXPECT_LT(h.field.Sample((h.inkLeft + 3), -10), 0);      // inside the left stem
  EXPECT_GT(h.field.Sample((h.inkLeft + h.inkRight) / 2, -25), 0);  // above the crossbar
  // UTF-8 umlauts are real letters: the dots stand above a plain u.
  EXPECT_LT(fonts.bold->Render("\xC3\xBC", 40).inkTop, fonts.bold->Render("u", 40).inkTop - 5);
  EXPECT_NEAR(fonts.bold->Render("\xC3\xBC", 40).advance, fonts.bold->Render("u", 40).advance, 0.01);
  // Wider text with the squeeze factor below one is narrower.
  EXPECT_LT(fonts.bold->Render("MW", 40, 0.7f).inkWidth(), fonts.bold->Render("MW", 40).inkWidth() * 0.75f);
}

TEST(Writing, FailureNamesTheFileAndLeavesNothingBehind) {
  auto dir = TempDir("write");
  // A plain file where a folder should be: the folder cannot be made.
  std::ofstream(dir / "qxdata") << "not a folder";
  std::vector<OutputFile> files = {{"data001.dat", {1, 2, 3}}, {"qxdata/1.dat", {4, 5, 6}}};
  std::string problem;
  EXPECT_FALSE(WriteOutputFiles(dir.string(), files, problem));
  EXPECT_NE(problem.find("qxdata"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "qxdata"));
  // The earlier file was written whole, and no temporary file is left.
  EXPECT_EQ(std::filesystem::file_size(dir / "data001.dat"), 3u);
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir)) (void)entry, ++entries;
  EXPECT_EQ(entries, 2);
}

}  // namespace
}  // namespace artgen

// Five differences made in real photographs: fair, visible without colour,
// spread out, and refused where a photo has too little to change.
#include <gtest/gtest.h>

#include <cmath>

#include "fairness/fairness.h"
#include "photo/differences.h"
#include "photo/pair_files.h"
#include "photo_test_support.h"

namespace {

using namespace phototest;

photo::PhotoPair PairOf(const std::string& path, std::uint64_t seed) {
  auto fitted = photo::FitPhotoFile(path);
  EXPECT_TRUE(fitted.ok()) << path;
  auto pair = photo::MakePair(*fitted, seed);
  EXPECT_TRUE(pair.ok()) << path << ": " << (pair.ok() ? "" : pair.error().detail);
  return pair.ok() ? *pair : photo::PhotoPair{};
}

bool InsideAny(int x, int y, const photo::PhotoPair& pair) {
  for (const auto& d : pair.differences)
    if (x >= d.box.left && x < d.box.right && y >= d.box.top && y < d.box.bottom) return true;
  return false;
}

// Everything a finished pair must be, checked on the JPEGs as the player
// gets them.
void ExpectFair(const photo::PhotoPair& pair, const std::string& label) {
  auto first = fairness::DecodePicture(pair.firstJpeg);
  auto second = fairness::DecodePicture(pair.secondJpeg);
  ASSERT_TRUE(first.ok() && second.ok()) << label;
  EXPECT_TRUE(fairness::CheckPair(pair.rects, *first, *second).empty()) << label;
  int outside = 0;
  for (int y = 0; y < 430; ++y)
    for (int x = 0; x < 488; ++x) {
      if (InsideAny(x, y, pair)) continue;
      const std::size_t i = (static_cast<std::size_t>(y) * 488 + x) * 3;
      outside += first->rgb[i] != second->rgb[i] || first->rgb[i + 1] != second->rgb[i + 1] ||
                 first->rgb[i + 2] != second->rgb[i + 2];
    }
  EXPECT_EQ(outside, 0) << label << ": pixels changed outside the rectangles";
  for (std::size_t i = 0; i < pair.differences.size(); ++i) {
    const auto& d = pair.differences[i];
    EXPECT_GE(photo::CountLumaChanges(*first, *second, d.box), photo::kMinLumaPixels) << label << " difference " << i;
    EXPECT_EQ(d.box.left % 8, 0);
    EXPECT_EQ(d.box.top % 8, 0);
    EXPECT_TRUE(d.box.right % 8 == 0 || d.box.right == 488);
    EXPECT_TRUE(d.box.bottom % 8 == 0 || d.box.bottom == 430);
    const fairness::Box clickable = fairness::ClickableBox(pair.rects[i]);
    EXPECT_LE(clickable.left, d.box.left);
    EXPECT_GE(clickable.right, d.box.right);
    for (std::size_t k = i + 1; k < pair.differences.size(); ++k) {
      const auto& e = pair.differences[k];
      const double dx = (d.box.left + d.box.right - e.box.left - e.box.right) / 2.0;
      const double dy = (d.box.top + d.box.bottom - e.box.top - e.box.bottom) / 2.0;
      EXPECT_GE(std::hypot(dx, dy), photo::kMinCentreDistance) << label << ": differences bunch together";
    }
  }
}

TEST(MakePair, RealPhotographsGetFiveFairDifferences) {
  for (const std::string& path : {kCat, kMotorcycle, kLadybird, kCoffee, kAstronaut}) {
    REQUIRE_PHOTO(path);
    ExpectFair(PairOf(path, 1), path);
  }
}

TEST(MakePair, DifferencesAreOfSeveralKinds) {
  REQUIRE_PHOTO(kMotorcycle);
  const auto pair = PairOf(kMotorcycle, 1);
  int recoloured = 0;
  for (const auto& d : pair.differences) recoloured += d.kind == photo::EditKind::Recoloured;
  EXPECT_LE(recoloured, 3);
}

TEST(MakePair, SameSeedSamePairOtherSeedOtherDifferences) {
  REQUIRE_PHOTO(kCat);
  const auto a = PairOf(kCat, 7), again = PairOf(kCat, 7), other = PairOf(kCat, 8);
  EXPECT_EQ(a.rects, again.rects);
  EXPECT_EQ(a.secondJpeg, again.secondJpeg);
  EXPECT_NE(a.rects, other.rects);
  ExpectFair(other, "seed 8");
}

TEST(MakePair, PhotoWithTooLittleToChangeIsRefusedInGerman) {
  // A blank sky: a smooth gradient with nothing on it.
  photo::Picture sky = Plain(488, 430, 0, 0, 0);
  for (int y = 0; y < 430; ++y) Paint(sky, 0, y, 488, y + 1, 90, static_cast<std::uint8_t>(140 + y / 8), 230);
  auto pair = photo::MakePair(sky, 1);
  ASSERT_FALSE(pair.ok());
  EXPECT_NE(pair.error().detail.find("zu wenig"), std::string::npos) << pair.error().detail;
}

TEST(MakePair, BeachIsEitherFairOrRefused) {
  REQUIRE_PHOTO(kBeach);
  auto fitted = photo::FitPhotoFile(kBeach);
  ASSERT_TRUE(fitted.ok());
  for (std::uint64_t seed : {1, 2, 3}) {
    auto pair = photo::MakePair(*fitted, seed);
    if (pair.ok()) {
      ExpectFair(*pair, "Strand");
    } else {
      EXPECT_NE(pair.error().detail.find("zu wenig"), std::string::npos);
    }
  }
}

TEST(MakePair, WrongSizeIsRefused) {
  EXPECT_FALSE(photo::MakePair(Plain(100, 100, 1, 2, 3), 1).ok());
}

TEST(PairFiles, RectanglesTextRoundTripsAndRefusesDamage) {
  gamefile::RectSet rects{{{1, 2, 3, 4}, {10, 50, 20, 60}, {0, 0, 0, 0}, {400, 490, 300, 430}, {65535, 0, 7, 8}}};
  const std::string text = photo::RectsText(rects);
  EXPECT_EQ(text.substr(0, 14), "# x1 x2 y1 y2\n");
  auto parsed = photo::ParseRectsText(text);
  ASSERT_TRUE(parsed.ok());
  EXPECT_EQ(*parsed, rects);
  EXPECT_TRUE(photo::ParseRectsText("1 2 3 4\r\n\n5 6 7 8\n1 1 1 1\n2 2 2 2\n3 3 3 3").ok());
  for (const char* bad : {"", "1 2 3 4\n", "1 2 3\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n",
                          "1 2 3 4 5\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n", "a b c d\n",
                          "1 2 3 65536\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n",
                          "-1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n",
                          "1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4\n"})
    EXPECT_FALSE(photo::ParseRectsText(bad).ok()) << bad;
}

TEST(PairFiles, NamesComeFromThePhoto) {
  EXPECT_EQ(photo::NameOfPhoto("/fotos/Strand.jpeg"), "Strand");
  EXPECT_EQ(photo::NameOfPhoto("a.b.png"), "a.b");
  EXPECT_EQ(photo::NameOfPhoto(".jpg"), ".jpg");
  EXPECT_EQ(photo::FolderOf("/fotos/Strand.jpeg"), "/fotos");
  EXPECT_EQ(photo::FolderOf("Strand.jpeg"), ".");
  const auto paths = photo::PairPathsFor("/out", "Strand");
  EXPECT_EQ(paths.first, "/out/Strand_1.jpg");
  EXPECT_EQ(paths.second, "/out/Strand_2.jpg");
  EXPECT_EQ(paths.rects, "/out/Strand.txt");
}

}  // namespace

// The picture set the build painted, checked as the game and the editor
// see it: file layout, pictures, rectangles and the pixels themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"
#include "jpeg_codec.h"
#include "picture_set.h"
#include "picture_checks.h"
#include "temp_dir.h"

namespace scenegen {
namespace {

// A channel step JPEG noise never reaches in unchanged blocks, and a real
// change clearly does.
constexpr int kVisibleStep = 40;

class Dataset : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto bytes = gamefile::ReadWholeFile(SCENEGEN_DATASET);
    ASSERT_TRUE(bytes.ok()) << SCENEGEN_DATASET;
    file = new gamefile::Bytes(std::move(*bytes));
    auto read = gamefile::ReadPicturePairs(*file);
    ASSERT_TRUE(read.ok()) << read.error().detail;
    records = new std::vector<gamefile::PictureRecord>(std::move(*read));
  }
  static void TearDownTestSuite() {
    delete records;
    delete file;
  }
  static inline gamefile::Bytes* file = nullptr;
  static inline std::vector<gamefile::PictureRecord>* records = nullptr;
};

TEST_F(Dataset, HoldsEnoughPairsOfJfifPicturesOfTheGameSize) {
  ASSERT_NE(records, nullptr);
  const auto index = gamefile::ScanPicturePairs(*file);
  ASSERT_TRUE(index.ok());
  EXPECT_GE(index->pairCount, kMinBuiltInPairs);
  EXPECT_EQ(index->pairCount, BuiltInPairCount());
  EXPECT_EQ(records->size(), 2u * index->pairCount);
  for (const gamefile::PictureRecord& r : *records) {
    EXPECT_EQ(r.sourceIndex, gamefile::kOwnBytes);
    EXPECT_EQ(r.widthField, 490);
    EXPECT_EQ(r.heightField, 430);
    const gamefile::JpegInfo info = gamefile::ReadJpegInfo(r.jpeg);
    EXPECT_TRUE(gamefile::IsGamePicture(info)) << info.width << "x" << info.height;
  }
}

TEST_F(Dataset, FirstPicturesCarryFiveValidSeparateRectangles) {
  ASSERT_NE(records, nullptr);
  for (std::size_t p = 0; p < records->size(); p += 2) {
    const gamefile::RectSet& rects = (*records)[p].rects;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      const gamefile::Rect& r = rects[i];
      EXPECT_LT(r.x1, r.x2);
      EXPECT_LT(r.y1, r.y2);
      // Inside the picture, or at the edge of the shown picture (490 x 430)
      // for a change that reaches the picture's right or bottom edge.
      EXPECT_TRUE(r.x2 < 488 || r.x2 == 490) << "pair " << p / 2 << " x2 " << r.x2;
      EXPECT_LE(r.y2, 430) << "pair " << p / 2;
      // At least 24 pixels even when the edges are counted as lines between pixels.
      EXPECT_GE(r.x2 - r.x1, 24) << "pair " << p / 2;
      EXPECT_GE(r.y2 - r.y1, 24) << "pair " << p / 2;
      for (std::size_t j = 0; j < i; ++j) {
        const gamefile::Rect& o = rects[j];
        const bool apart = r.x2 < o.x1 || o.x2 < r.x1 || r.y2 < o.y1 || o.y2 < r.y1;
        EXPECT_TRUE(apart) << "pair " << p / 2 << " rectangles " << j << " and " << i;
      }
    }
  }
}

TEST_F(Dataset, PicturesDifferOnlyInsideTheRectanglesAndInEachOfThem) {
  ASSERT_NE(records, nullptr);
  int worstOfAll = 0, fewestStrong = 1 << 30, fewestGrey = 1 << 30;
  for (std::size_t p = 0; p + 1 < records->size(); p += 2) {
    const auto a = DecodeJpeg((*records)[p].jpeg);
    const auto b = DecodeJpeg((*records)[p + 1].jpeg);
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->rgb.size(), b->rgb.size());
    const gamefile::RectSet& rects = (*records)[p].rects;
    std::array<int, 5> strongInside{}, greyInside{};
    int worstOutside = 0;
    for (int y = 0; y < a->height; ++y) {
      for (int x = 0; x < a->width; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * a->width + x) * 3;
        int step = 0;
        for (int k = 0; k < 3; ++k) step = std::max(step, std::abs(a->rgb[i + k] - b->rgb[i + k]));
        int in = -1;
        bool onEdge = false;
        for (int j = 0; j < 5; ++j)
          if (x >= rects[j].x1 && x <= rects[j].x2 && y >= rects[j].y1 && y <= rects[j].y2) {
            in = j;
            // The left and top edges are not inside, as the game and the
            // fairness check count them: JPEG noise may touch them, a
            // change may not.
            onEdge = x == rects[j].x1 || y == rects[j].y1;
          }
        if (onEdge) {
          EXPECT_LT(step, kVisibleStep) << "pair " << p / 2 << " change on the edge at " << x << "," << y;
        }
        if (in < 0)
          worstOutside = std::max(worstOutside, step);
        else if (step >= kVisibleStep)
          ++strongInside[in];
        if (in >= 0 && std::abs(GreyOf(&a->rgb[i]) - GreyOf(&b->rgb[i])) >= kGreyStep) ++greyInside[in];
      }
    }
    EXPECT_LE(worstOutside, 2) << "pair " << p / 2;
    for (int j = 0; j < 5; ++j) {
      EXPECT_GE(strongInside[j], kMinStrongPixels) << "pair " << p / 2 << " rectangle " << j;
      // Seen in greyscale, as a colour-blind player sees it.
      EXPECT_GE(greyInside[j], kMinGreyPixels) << "pair " << p / 2 << " rectangle " << j;
    }
    worstOfAll = std::max(worstOfAll, worstOutside);
    for (int n : strongInside) fewestStrong = std::min(fewestStrong, n);
    for (int n : greyInside) fewestGrey = std::min(fewestGrey, n);
  }
  std::printf(
      "largest step outside the rectangles: %d; fewest clearly changed pixels in a rectangle: %d; "
      "fewest pixels changed by %d or more in grey: %d\n",
      worstOfAll, fewestStrong, kGreyStep, fewestGrey);
}

TEST_F(Dataset, NoPictureComesTwice) {
  ASSERT_NE(records, nullptr);
  for (std::size_t i = 0; i < records->size(); i += 2)
    for (std::size_t j = 0; j < i; j += 2) EXPECT_NE((*records)[i].jpeg, (*records)[j].jpeg) << i / 2 << " " << j / 2;
}

TEST(BuiltInSet, HoldsEveryKindOfSceneAtLeastThreeTimes) {
  std::vector<int> perKind(kSceneKindCount, 0);
  for (int i = 0; i < BuiltInPairCount(); ++i) ++perKind[static_cast<std::size_t>(KindOfPair(i))];
  for (int k = 0; k < kSceneKindCount; ++k) EXPECT_GE(perKind[static_cast<std::size_t>(k)], kBuiltInPairsPerKind) << k;
  EXPECT_GE(BuiltInPairCount(), kMinBuiltInPairs);
}

// No two pairs of the set look like one picture twice, by layout and colour.
TEST_F(Dataset, HasNoTwoPairsThatLookAlike) {
  ASSERT_NE(records, nullptr);
  std::vector<Pixels> firsts;
  for (std::size_t p = 0; p < records->size(); p += 2) {
    const auto decoded = DecodeJpeg((*records)[p].jpeg);
    ASSERT_TRUE(decoded);
    firsts.push_back(decoded->rgb);
  }
  const SetSimilarity s = SimilarityOf(firsts);
  std::printf("built-in set of %d: thumbnail correlation max %.3f (pairs %d, %d) mean %.3f; colour overlap max %.3f "
              "mean %.3f; look-alikes %d\n",
              s.pictures, s.maxCorrelation, s.closestA, s.closestB, s.meanCorrelation, s.maxOverlap, s.meanOverlap,
              s.lookAlikes);
  EXPECT_EQ(s.lookAlikes, 0);
  for (const auto& [a, b] : s.lookAlikePairs) ADD_FAILURE() << "pairs " << a << " and " << b << " look alike";
  EXPECT_LE(s.maxCorrelation, kSameLayoutCorrelation);
  EXPECT_LT(s.meanCorrelation, 0.3f);
}

TEST_F(Dataset, IsWhatTheGeneratorMakes) {
  ASSERT_NE(records, nullptr);
  const auto pair = MakePicturePair(KindOfPair(1), SeedOfPair(1));
  ASSERT_TRUE(pair.has_value());
  EXPECT_EQ((*records)[2].jpeg, pair->firstJpeg);
  EXPECT_EQ((*records)[3].jpeg, pair->secondJpeg);
  EXPECT_EQ((*records)[2].rects, StoredRectangles(pair->differences));
}

// The tool itself: a bad call and an unwritable target fail with a nonzero
// status and leave no file; a good call writes a readable file.
TEST(Tool, FailsCleanlyAndWritesWhatItIsAskedFor) {
  const std::filesystem::path dir = MakeTempDir("scenegen-tool");
  ASSERT_FALSE(dir.empty());
  const std::string tool = SCENEGEN_TOOL;
  EXPECT_NE(std::system((tool + " > /dev/null 2>&1").c_str()), 0);
  EXPECT_NE(std::system((tool + " " + (dir / "x.qxs").string() + " --pairs 0 > /dev/null 2>&1").c_str()), 0);
  const std::string missing = (dir / "no" / "such" / "x.qxs").string();
  EXPECT_NE(std::system((tool + " " + missing + " --pairs 1 > /dev/null 2>&1").c_str()), 0);
  EXPECT_FALSE(std::filesystem::exists(missing));

  const std::string out = (dir / "one.qxs").string();
  ASSERT_EQ(std::system((tool + " " + out + " --pairs 1 > /dev/null 2>&1").c_str()), 0);
  const auto read = gamefile::ReadPicturePairFile(out);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->size(), 2u);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace scenegen

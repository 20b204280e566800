// Sets made on demand: repeatable from their seed, different between seeds,
// and with no two pairs that look like one picture twice.
#include "generate.h"

#include <gtest/gtest.h>

#include "similarity.h"

namespace scenegen {
namespace {

std::vector<const Pixels*> FirstPictures(const std::vector<PicturePair>& pairs) {
  std::vector<const Pixels*> out;
  for (const PicturePair& p : pairs) out.push_back(&p.first);
  return out;
}

TEST(GenerateSet, TheSameRequestGivesTheSameBytesAndAnotherSeedOtherPictures) {
  const auto a = GenerateSet({42, 3, Difficulty::Mittel});
  const auto b = GenerateSet({42, 3, Difficulty::Mittel});
  const auto c = GenerateSet({43, 3, Difficulty::Mittel});
  ASSERT_TRUE(a && b && c);
  ASSERT_EQ(a->size(), 3u);
  for (std::size_t i = 0; i < a->size(); ++i) {
    EXPECT_EQ((*a)[i].firstJpeg, (*b)[i].firstJpeg);
    EXPECT_EQ((*a)[i].secondJpeg, (*b)[i].secondJpeg);
    EXPECT_EQ(StoredRectangles((*a)[i].differences), StoredRectangles((*b)[i].differences));
    for (const PicturePair& other : *c) EXPECT_NE((*a)[i].firstJpeg, other.firstJpeg);
  }
}

TEST(GenerateSet, DifficultyKeepsTheScenesAndChangesTheDifferences) {
  const auto easy = GenerateSet({7, 2, Difficulty::Leicht});
  const auto hard = GenerateSet({7, 2, Difficulty::Schwer});
  ASSERT_TRUE(easy && hard);
  int easyPixels = 0, hardPixels = 0;
  for (std::size_t i = 0; i < easy->size(); ++i) {
    const PicturePair &e = (*easy)[i], &h = (*hard)[i];
    EXPECT_EQ(e.title, h.title);
    for (const Difference& d : e.differences) easyPixels += CountGreyChanges(e.first, e.second, kPictureWidth, d.rect);
    for (const Difference& d : h.differences) hardPixels += CountGreyChanges(h.first, h.second, kPictureWidth, d.rect);
  }
  EXPECT_GT(easyPixels, 7 * hardPixels / 5);
}

TEST(GenerateSet, ReportsProgressAndStopsWhenAsked) {
  std::vector<int> seen;
  const auto all = GenerateSet({5, 2, Difficulty::Leicht}, [&](int done, int total) {
    EXPECT_EQ(total, 2);
    seen.push_back(done);
    return true;
  });
  ASSERT_TRUE(all);
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
  int calls = 0;
  EXPECT_FALSE(GenerateSet({5, 3, Difficulty::Leicht}, [&](int, int) { return ++calls < 1; }).has_value());
  EXPECT_EQ(calls, 1);
}

TEST(Similarity, KnowsOnePictureAndItsVariationFromTwoScenes) {
  const auto set = GenerateSet({11, 3, Difficulty::Mittel});
  ASSERT_TRUE(set);
  const PicturePair& p = (*set)[0];
  // The two pictures of a pair are the plainest case of "one picture twice".
  const SetSimilarity same = MeasureSimilarity({&p.first, &p.second}, kPictureWidth, kPictureHeight);
  EXPECT_GT(same.maxCorrelation, 0.97f);
  EXPECT_GT(same.maxOverlap, 0.95f);
  EXPECT_EQ(same.lookAlikes, 1);
  // A flat picture has no layout and correlates with nothing.
  const Pixels grey(static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 3, 128);
  EXPECT_NEAR(ThumbnailCorrelation(GreyThumbnail(grey, kPictureWidth, kPictureHeight),
                                   GreyThumbnail(p.first, kPictureWidth, kPictureHeight)),
              0.0f, 1e-6f);
  LookAlikeGuard guard;
  EXPECT_TRUE(guard.LooksNew(p.first, kPictureWidth, kPictureHeight));
  guard.Take(p.first, kPictureWidth, kPictureHeight);
  EXPECT_FALSE(guard.LooksNew(p.second, kPictureWidth, kPictureHeight));
  EXPECT_TRUE(guard.LooksNew((*set)[1].first, kPictureWidth, kPictureHeight));
  const SetSimilarity apart = MeasureSimilarity(FirstPictures(*set), kPictureWidth, kPictureHeight);
  EXPECT_EQ(apart.lookAlikes, 0);
  EXPECT_LT(apart.maxCorrelation, same.maxCorrelation);
}

// A generated set of two rounds through every kind: no pair may look like
// another one again, even of the same kind.
TEST(Similarity, AGeneratedSetHasNoLookAlikes) {
  const auto set = GenerateSet({2026, 2 * kSceneKindCount, Difficulty::Mittel});
  ASSERT_TRUE(set);
  const SetSimilarity s = MeasureSimilarity(FirstPictures(*set), kPictureWidth, kPictureHeight);
  std::printf("generated set of %d: thumbnail correlation max %.3f (pairs %d, %d) mean %.3f; colour overlap max %.3f "
              "mean %.3f; look-alikes %d\n",
              s.pictures, s.maxCorrelation, s.closestA, s.closestB, s.meanCorrelation, s.maxOverlap, s.meanOverlap,
              s.lookAlikes);
  EXPECT_EQ(s.lookAlikes, 0);
  EXPECT_LE(s.maxCorrelation, kSameLayoutCorrelation);
  EXPECT_LT(s.meanCorrelation, 0.3f);
}

}  // namespace
}  // namespace scenegen

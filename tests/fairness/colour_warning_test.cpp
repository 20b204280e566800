// The colour-only hint: a difference that changes hue but hardly brightness
// is pointed out (and only that), on raw and on JPEG-coded pictures, and it
// never makes a pair unfair.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "colour_pictures.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "qxtool.h"

namespace {

using namespace colourtest;
using fairness::Picture;

// Brighter or darker versions of objects 1 to 4: changes a greyscale copy
// shows. Object 0 is left for each test to change.
Picture WithVisibleChanges(Picture p) {
  p = Recoloured(std::move(p), 1, {230, 230, 120});
  p = Recoloured(std::move(p), 2, {40, 20, 10});
  p = Recoloured(std::move(p), 3, kYellow);
  return Recoloured(std::move(p), 4, {250, 200, 250});
}

struct Coding {
  int quality;  // 0: not coded at all
  int subsampling;
};
const Coding kCodings[] = {{0, 0}, {50, TJSAMP_420}, {75, TJSAMP_420}, {88, TJSAMP_420}, {95, TJSAMP_444}};

fairness::PairReview Review(const Picture& first, const Picture& second, const Coding& coding,
                            const gamefile::RectSet& rects = RectsAroundObjects()) {
  if (coding.quality == 0) return fairness::ReviewPair(rects, first, second);
  return fairness::ReviewPair(rects, ThroughJpeg(first, coding.quality, coding.subsampling),
                              ThroughJpeg(second, coding.quality, coding.subsampling));
}

std::string CodingName(const Coding& coding) {
  return coding.quality == 0 ? std::string("raw") : "JPEG q" + std::to_string(coding.quality);
}

TEST(ColourOnlyHint, TheTestColoursAreWhatTheirNamesSay) {
  EXPECT_NEAR(Luma(kGreen), Luma(kRed), 1);
  EXPECT_GT(Luma(kYellow) - Luma(kGreen), 100);
}

TEST(ColourOnlyHint, AHueSwapAtEqualBrightnessIsHintedNotRefused) {
  const Picture first = Scene();
  const Picture second = Recoloured(WithVisibleChanges(first), 0, kRed);
  for (const Coding& coding : kCodings) {
    SCOPED_TRACE(CodingName(coding));
    const auto review = Review(first, second, coding);
    EXPECT_TRUE(review.problems.empty()) << fairness::DescribeProblem(review.problems.front());
    ASSERT_EQ(review.warnings.size(), 1u);
    const auto& warning = review.warnings[0];
    EXPECT_EQ(warning.rect, 0);
    EXPECT_LT(warning.BrightPercent(), fairness::kMinBrightPercent);
    // The hint points at the object, not somewhere near it.
    EXPECT_LE(std::abs(warning.where.left - kObjects[0].left), 4);
    EXPECT_LE(std::abs(warning.where.bottom - kObjects[0].bottom), 4);
  }
}

TEST(ColourOnlyHint, ChangesThatAlterBrightnessAreNotHinted) {
  const Picture first = Scene();
  // Object 0 recoloured with a clear step in brightness, or moved, or
  // turned red and darker at once.
  const Picture brighter = Recoloured(WithVisibleChanges(first), 0, kYellow);
  Picture moved = WithVisibleChanges(first);
  Paint(moved, {kObjects[0].left - 2, kObjects[0].top - 2, kObjects[0].right + 2, kObjects[0].bottom + 2},
        {120, 128, 100});
  Paint(moved, {kObjects[0].left + 20, kObjects[0].top, kObjects[0].right + 20, kObjects[0].bottom}, kGreen);
  const Picture moved2 = moved;
  const Picture darkerRed = Recoloured(WithVisibleChanges(first), 0, {150, 10, 10});
  for (const Picture* second : {&brighter, &moved2, &darkerRed}) {
    for (const Coding& coding : kCodings) {
      SCOPED_TRACE(CodingName(coding));
      const auto review = Review(first, *second, coding);
      EXPECT_TRUE(review.warnings.empty()) << fairness::DescribeWarning(review.warnings.front());
    }
  }
}

TEST(ColourOnlyHint, ASmallStepInBrightnessBesideTheHueIsStillHinted) {
  const Picture first = Scene();
  const Picture slightlyBrighter = Recoloured(WithVisibleChanges(first), 0, {250, 48, 48});  // luma + 9
  const auto review = Review(first, slightlyBrighter, {88, TJSAMP_420});
  ASSERT_EQ(review.warnings.size(), 1u);
  EXPECT_EQ(review.warnings[0].rect, 0);
}

TEST(ColourOnlyHint, EveryHueSwapIsNamedAndAnUnmarkedOneByItsPlace) {
  const Picture first = Scene();
  Picture second = Recoloured(WithVisibleChanges(first), 0, kRed);
  second = Recoloured(std::move(second), 3, kRed);  // object 3 is green too
  auto review = Review(first, second, {75, TJSAMP_420});
  ASSERT_EQ(review.warnings.size(), 2u);
  EXPECT_EQ(review.warnings[0].rect + review.warnings[1].rect, 0 + 3);

  gamefile::RectSet rects = RectsAroundObjects();
  rects[0] = {};
  review = Review(first, second, {75, TJSAMP_420}, rects);
  bool unmarkedHinted = false;
  for (const auto& w : review.warnings) {
    if (w.rect != -1) continue;
    unmarkedHinted = true;
    EXPECT_NE(fairness::DescribeWarning(w).find("Der Unterschied bei X"), std::string::npos);
  }
  EXPECT_TRUE(unmarkedHinted);
  // The missing rectangle is still a problem of its own.
  EXPECT_FALSE(review.problems.empty());
}

TEST(ColourOnlyHint, TheHintSaysWhatIsWrongInGerman) {
  fairness::ColourWarning w;
  w.rect = 1;
  w.pixels = 2500;
  w.brightPixels = 300;
  EXPECT_EQ(fairness::DescribeWarning(w),
            "Fehler 2 ändert fast nur die Farbe: nur 12 % seiner 2500 geänderten Pixel werden deutlich heller "
            "oder dunkler.");
  // Short lines, each ended, for report windows that do not wrap.
  const std::string explanation = fairness::kColourWarningExplanation;
  EXPECT_TRUE(explanation.ends_with("\n"));
  for (std::size_t start = 0, end; (end = explanation.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 90u) << explanation.substr(start, end - start);
  EXPECT_NE(std::string(fairness::kColourWarningExplanation).find("Schwarzweiß"), std::string::npos);
}

TEST(ColourOnlyHint, QxtoolShowsTheHintAndStillCallsThePairFair) {
  const Picture first = Scene();
  const Picture second = Recoloured(WithVisibleChanges(first), 0, kRed);
  std::string pattern = (std::filesystem::temp_directory_path() / "colour-hint-XXXXXX").string();
  const std::string dir = ::mkdtemp(pattern.data());
  const std::string nameFile = dir + "/farbe.vst";
  gamefile::PictureRecord one, two;
  one.jpeg = Jpeg(first, 88, TJSAMP_420);
  one.rects = RectsAroundObjects();
  two.jpeg = Jpeg(second, 88, TJSAMP_420);
  ASSERT_TRUE(gamefile::WriteNameFile(nameFile, {"Farbe", ""}).ok());
  ASSERT_TRUE(gamefile::WritePicturePairFile(gamefile::PicturePairPathFor(nameFile), std::vector{one, two}).ok());

  std::ostringstream out, err;
  EXPECT_EQ(qxtool::Run({"check", "--fair", nameFile}, out, err), 0);
  const std::string report = out.str();
  EXPECT_NE(report.find("Bilderpaar 1:\n  Hinweis: Fehler 1 ändert fast nur die Farbe"), std::string::npos) << report;
  EXPECT_NE(report.find("1 Hinweis zur Farbe.\n"), std::string::npos) << report;
  EXPECT_NE(report.find(fairness::kColourWarningExplanation), std::string::npos);
  EXPECT_NE(report.find("In Ordnung: 1 Bildpaare, alle fair."), std::string::npos) << report;
  std::filesystem::remove_all(dir);
}

}  // namespace

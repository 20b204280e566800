// The fairness check on pairs made here with known changes.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <sstream>

#include "fairness/fairness.h"
#include "qxtool.h"
#include "test_support/jpeg.h"

namespace {

using fairness::Box;
using fairness::Picture;
using fairness::Problem;
using fairness::ProblemKind;

// A textured picture (gradients and fine stripes, so JPEG has edges to get
// wrong) of the game's size.
Picture Scenery() {
  Picture p{488, 430, std::vector<std::uint8_t>(488 * 430 * 3)};
  for (int y = 0; y < 430; ++y)
    for (int x = 0; x < 488; ++x) {
      std::uint8_t* px = &p.rgb[(y * 488 + x) * 3];
      px[0] = static_cast<std::uint8_t>(x / 2);
      px[1] = static_cast<std::uint8_t>(((x / 7 + y / 5) % 2) ? 200 : 60);
      px[2] = static_cast<std::uint8_t>(y / 2);
    }
  return p;
}

void Paint(Picture& p, const Box& b, std::uint8_t r, std::uint8_t g, std::uint8_t bl) {
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x) {
      std::uint8_t* px = &p.rgb[(y * p.width + x) * 3];
      px[0] = r, px[1] = g, px[2] = bl;
    }
}

// Through JPEG and back, as every picture of a game file goes.
Picture ThroughJpeg(const Picture& p, int quality, int subsampling = TJSAMP_420) {
  const std::vector<std::uint8_t> bytes = testsupport::EncodeJpeg(p.rgb, p.width, p.height, quality, subsampling);
  EXPECT_FALSE(bytes.empty());
  auto decoded = fairness::DecodePicture(bytes);
  EXPECT_TRUE(decoded.ok());
  return decoded.ok() ? *decoded : Picture{};
}

// Five changes far apart, and the rectangles a careful user draws round them.
const Box kChanges[5] = {{40, 40, 80, 76}, {200, 60, 236, 100}, {380, 30, 420, 70}, {100, 300, 140, 340},
                         {330, 320, 378, 360}};
gamefile::Rect Around(const Box& b) {
  const auto u = [](int v) { return static_cast<std::uint16_t>(v); };
  return {u(b.left - 6), u(b.right + 6), u(b.top - 6), u(b.bottom + 6)};
}

struct Pair {
  Picture first, second;
};
Pair FiveChanges(int quality = 88) {
  Picture base = Scenery();
  Picture changed = base;
  Paint(changed, kChanges[0], 250, 20, 20);
  Paint(changed, kChanges[1], 20, 250, 20);
  Paint(changed, kChanges[2], 250, 250, 250);
  Paint(changed, kChanges[3], 0, 0, 0);
  Paint(changed, kChanges[4], 240, 200, 0);
  return {ThroughJpeg(base, quality), ThroughJpeg(changed, quality)};
}

bool Contains(const Box& outer, const Box& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right && outer.bottom >= inner.bottom;
}

TEST(FairnessCheck, AFairPairHasNoProblem) {
  const Pair pair = FiveChanges();
  gamefile::RectSet rects;
  for (int i = 0; i < 5; ++i) rects[i] = Around(kChanges[i]);
  EXPECT_TRUE(fairness::CheckPair(rects, pair.first, pair.second).empty());
  // The changes are found as regions of their own, each on its change.
  const auto map = fairness::FindChanges(pair.first, pair.second);
  ASSERT_EQ(map.regions.size(), 5u);
  for (const auto& region : map.regions) {
    const bool onAChange = std::any_of(std::begin(kChanges), std::end(kChanges), [&](const Box& c) {
      return Contains(fairness::Box{region.box.left - 3, region.box.top - 3, region.box.right + 3, region.box.bottom + 3}, c) &&
             Contains(fairness::Box{c.left - 3, c.top - 3, c.right + 3, c.bottom + 3}, region.box);
    });
    EXPECT_TRUE(onAChange);
  }
}

TEST(FairnessCheck, ReportsAnUnmarkedChangeWithItsPlaceAndAMissingRectangle) {
  const Pair pair = FiveChanges();
  gamefile::RectSet rects{};
  for (int i = 0; i < 4; ++i) rects[i] = Around(kChanges[i]);
  const auto problems = fairness::CheckPair(rects, pair.first, pair.second);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(fairness::DescribeProblem(problems[0]), "Nur 4 von 5 Fehlern sind eingezeichnet.");
  ASSERT_EQ(problems[1].kind, ProblemKind::Unmarked);
  // The unmarked change at 330,320 (48 x 40), give or take the smoothing.
  const Box& w = problems[1].where;
  EXPECT_TRUE(Contains(w, {kChanges[4].left + 1, kChanges[4].top + 1, kChanges[4].right - 1, kChanges[4].bottom - 1}));
  EXPECT_TRUE(Contains({326, 316, 382, 364}, w));
  EXPECT_EQ(fairness::DescribeProblem(problems[1]), "Unmarkierter Unterschied bei X " + std::to_string(w.left) + ", Y " +
                                                      std::to_string(w.top) + " (" + std::to_string(w.Width()) +
                                                      " x " + std::to_string(w.Height()) + " Pixel).");
}

TEST(FairnessCheck, ReportsEmptySmallAndOverlappingRectangles) {
  const Pair pair = FiveChanges();
  gamefile::RectSet rects;
  for (int i = 0; i < 5; ++i) rects[i] = Around(kChanges[i]);
  rects[2] = {250, 300, 200, 250};  // nothing changed here; the third change is left unmarked
  rects[3] = Around(kChanges[3]);
  rects[4] = {330, 380, 316, 338};  // 22 high: too small, and it misses half its change
  rects[1] = {36, 90, 34, 82};      // overlaps rectangle 1
  const auto problems = fairness::CheckPair(rects, pair.first, pair.second);
  std::vector<std::string> lines;
  for (const auto& p : problems) lines.push_back(fairness::DescribeProblem(p));
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Fehler 5 ist kleiner als 24 x 24 Pixel.");
  EXPECT_EQ(lines[1], "Fehler 1 und Fehler 2 überschneiden sich.");
  EXPECT_EQ(lines[2], "In Fehler 3 unterscheiden sich die Bilder nicht.");
  // Unmarked: the second change (whose rectangle moved away), the third,
  // and the lower part of the fifth.
  int unmarked = 0;
  for (const auto& p : problems) unmarked += p.kind == ProblemKind::Unmarked;
  EXPECT_EQ(unmarked, 3);
}

TEST(FairnessCheck, ReEncodingNoiseIsNoChange) {
  // The same picture saved twice at different qualities and chroma: only
  // noise differs, so every rectangle is empty and nothing is unmarked.
  const Picture base = Scenery();
  gamefile::RectSet rects;
  for (int i = 0; i < 5; ++i) rects[i] = Around(kChanges[i]);
  for (int quality : {50, 75, 95}) {
    const Picture once = ThroughJpeg(base, 90, TJSAMP_444);
    const Picture again = ThroughJpeg(once, quality, TJSAMP_420);
    EXPECT_TRUE(fairness::FindChanges(once, again).regions.empty()) << quality;
    const auto problems = fairness::CheckPair(rects, once, again);
    ASSERT_EQ(problems.size(), 5u);
    for (int i = 0; i < 5; ++i) {
      Problem empty;
      empty.kind = ProblemKind::EmptyRect;
      empty.rect = i;
      EXPECT_EQ(problems[i], empty);
    }
  }
}

TEST(FairnessCheck, PicturesThatCannotBeComparedAreReported) {
  const std::vector<std::uint8_t> garbage{0xFF, 0xD8, 0x00, 0x01};
  auto problems = fairness::CheckPair({}, garbage, garbage);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(fairness::DescribeProblem(problems[0]), "Bild 1 kann nicht gelesen werden.");
  Picture small{10, 10, std::vector<std::uint8_t>(300)};
  problems = fairness::CheckPair({}, Scenery(), small);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, ProblemKind::Undecodable);
}

TEST(ClickableArea, FollowsTheGamesStrictTestOnTheStretchedPicture) {
  // x1 < X < x2 on the 490 wide picture: the left edge's own column is out.
  EXPECT_EQ(fairness::ClickableBox({10, 40, 20, 50}), (Box{11, 21, 40, 50}));
  // Column 0 and row 0 lie on no rectangle's inside.
  EXPECT_EQ(fairness::ClickableBox({0, 40, 0, 50}).left, 1);
  EXPECT_EQ(fairness::ClickableBox({0, 40, 0, 50}).top, 1);
  // Only a right edge of 490 reaches the picture's last column.
  EXPECT_EQ(fairness::ClickableBox({400, 490, 0, 430}).right, 488);
  EXPECT_EQ(fairness::ClickableBox({400, 487, 0, 430}).right, 485);
  EXPECT_TRUE(fairness::ClickableBox({10, 11, 20, 50}).Empty());
  // The covering rectangle of any box makes all of it clickable, tightly.
  for (int left : {1, 121, 122, 244, 300, 486})
    for (int width : {1, 2, 30}) {
      const Box b{left, 5, std::min(488, left + width), 429};
      const gamefile::Rect r = fairness::RectCovering(b);
      EXPECT_TRUE(Contains(fairness::ClickableBox(r), b)) << left << " " << width;
      EXPECT_LE(r.x2 - r.x1, width + 4);
    }
}

TEST(Suggestions, LandOnTheFiveChangesWithoutOverlap) {
  const Pair pair = FiveChanges();
  const gamefile::RectSet suggested = fairness::SuggestRects({}, pair.first, pair.second);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(fairness::IsDrawn(suggested[i])) << i;
    const Box clickable = fairness::ClickableBox(suggested[i]);
    int hits = 0;
    for (const Box& c : kChanges) hits += Contains(clickable, c);
    EXPECT_EQ(hits, 1) << i;
    // Padded by a few pixels, no more.
    EXPECT_LE(clickable.Width(), 48 + 2 * (fairness::kSuggestPadding + 3));
  }
  // Largest first: the 48 x 40 change.
  EXPECT_TRUE(Contains(fairness::ClickableBox(suggested[0]), kChanges[4]));
  EXPECT_TRUE(fairness::CheckPair(suggested, pair.first, pair.second).empty());
}

TEST(Suggestions, KeepDrawnRectanglesAndFillOnlyTheEmptyOnes) {
  const Pair pair = FiveChanges();
  gamefile::RectSet rects{};
  rects[1] = Around(kChanges[0]);
  rects[3] = {300, 330, 150, 180};  // a wrong one stays: the user decides
  const gamefile::RectSet suggested = fairness::SuggestRects(rects, pair.first, pair.second);
  EXPECT_EQ(suggested[1], rects[1]);
  EXPECT_EQ(suggested[3], rects[3]);
  for (int i : {0, 2, 4}) EXPECT_TRUE(fairness::IsDrawn(suggested[i]));
  // Nothing left to suggest once every change is covered.
  const gamefile::RectSet again = fairness::SuggestRects(suggested, pair.first, pair.second);
  EXPECT_EQ(again, suggested);
  // Noise alone suggests nothing.
  EXPECT_EQ(fairness::SuggestRects({}, pair.first, ThroughJpeg(pair.first, 60)), gamefile::RectSet{});
}

TEST(BuiltInPictureSet, PassesTheFairnessCheck) {
  std::ostringstream out, err;
  EXPECT_EQ(qxtool::Run({"check", "--fair", VISTREL_DATASET}, out, err), 0) << out.str();
  // Colour hints may stand above it; they do not make a pair unfair.
  const std::string verdict = "In Ordnung: 100 Bildpaare, alle fair.\n";
  EXPECT_TRUE(out.str().ends_with(verdict)) << out.str();
}

}  // namespace

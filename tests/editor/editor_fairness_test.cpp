// The fairness check as the editor user meets it: "Bilderpaare prüfen" and
// the question before a game file is built from unfair pairs.
#include <gtest/gtest.h>

#include "../fairness/colour_pictures.h"
#include "editor/fairness_report.h"
#include "editor/picture_table.h"
#include "editor/messages.h"
#include "editor_test_support.h"
#include "gamefile/file_io.h"

namespace {

using editortest::EditorFixture;

// Pictures of the fixture have no rectangles drawn: every pair is unfair.
TEST(EditorFairness, UnfairPairsAreReportedAndStopTheBuildWhenTheUserSaysNo) {
  EditorFixture f;
  f.core.CheckPairFairness();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kNoPairToCheck);

  f.FillPairs(2);
  f.core.CheckPairFairness();
  ASSERT_EQ(f.ui.reports.size(), 1u);
  // Both pairs are named with their file names.
  EXPECT_NE(f.ui.reports[0].find("p0a.jpg"), std::string::npos) << f.ui.reports[0];
  EXPECT_NE(f.ui.reports[0].find("p1b.jpg"), std::string::npos) << f.ui.reports[0];
  EXPECT_GE(f.ui.progressCalls, 2);

  // "No" to the question: no dialog, nothing written.
  f.ui.buildAnyway = false;
  f.ui.saveAnswers.push_back(f.dir.file("x.vst"));
  f.ui.nameAnswers.push_back(editor::TypedGameFileName{"Urlaub", ""});
  f.core.BuildGameFile();
  ASSERT_EQ(f.ui.fairnessQuestions.size(), 1u);
  EXPECT_FALSE(gamefile::FileExists(f.dir.file("x.vst")));
  EXPECT_EQ(f.ui.saveAnswers.size(), 1u);  // the save dialog never opened

  // "Yes": built exactly as without the check.
  f.ui.buildAnyway = true;
  f.core.BuildGameFile();
  EXPECT_EQ(f.ui.fairnessQuestions.size(), 2u);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("x.vst.qxs")));
}

TEST(EditorFairness, StoppingTheCheckStopsTheBuild) {
  EditorFixture f;
  f.FillPairs(3);
  f.ui.stopAfterProgress = 1;
  f.ui.saveAnswers.push_back(f.dir.file("x.vst"));
  f.core.BuildGameFile();
  EXPECT_TRUE(f.ui.fairnessQuestions.empty());
  EXPECT_FALSE(gamefile::FileExists(f.dir.file("x.vst")));
}

}  // namespace

namespace {

// A pair whose five differences are all marked, one of them a hue swap at
// equal brightness: fair, with a colour hint that must not stop the build.
TEST(EditorFairness, AColourHintIsReportedButDoesNotStopTheBuild) {
  using namespace colourtest;
  EditorFixture f;
  const fairness::Picture first = Scene();
  fairness::Picture second = Recoloured(first, 0, kRed);
  second = Recoloured(std::move(second), 1, {230, 230, 120});
  second = Recoloured(std::move(second), 2, {40, 20, 10});
  second = Recoloured(std::move(second), 3, kYellow);
  second = Recoloured(std::move(second), 4, {250, 200, 250});
  editortest::WriteBytes(f.dir.file("szene1.jpg"), Jpeg(first, 88, TJSAMP_420));
  editortest::WriteBytes(f.dir.file("szene2.jpg"), Jpeg(second, 88, TJSAMP_420));
  f.Load(0, 1, f.dir.file("szene1.jpg"));
  f.Load(0, 2, f.dir.file("szene2.jpg"));
  const gamefile::RectSet rects = RectsAroundObjects();
  auto& stored = f.core.table()[editor::FirstSlotOf(0)].rects;
  for (int i = 0; i < 5; ++i) {
    stored.x1[i] = rects[i].x1, stored.x2[i] = rects[i].x2;
    stored.y1[i] = rects[i].y1, stored.y2[i] = rects[i].y2;
  }

  f.core.CheckPairFairness();
  ASSERT_EQ(f.ui.reports.size(), 1u);
  const std::string& report = f.ui.reports[0];
  EXPECT_NE(report.find("Bilderpaar 0 (szene1.jpg - szene2.jpg):\r\n    Hinweis: Fehler 1 ändert fast nur die Farbe"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("Das Bilderpaar ist in Ordnung"), std::string::npos) << report;
  EXPECT_NE(report.find("1 Hinweis zur Farbe:\r\nEtwa jeder zwölfte Mann kann Rot und Grün kaum unterscheiden. "
                        "Ein Unterschied,\r\nder nur"),
            std::string::npos)
      << report;
  EXPECT_TRUE(report.ends_with("trotzdem spielen.")) << report;

  f.ui.saveAnswers.push_back(f.dir.file("farbe.vst"));
  f.ui.nameAnswers.push_back(editor::TypedGameFileName{"Farbe", ""});
  f.core.BuildGameFile();
  EXPECT_TRUE(f.ui.fairnessQuestions.empty());
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("farbe.vst.qxs")));
}

}  // namespace

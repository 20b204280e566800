// The fairness check as the editor user meets it: "Bilderpaare prüfen" and
// the question before a game file is built from unfair pairs.
#include <gtest/gtest.h>

#include "editor/fairness_report.h"
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

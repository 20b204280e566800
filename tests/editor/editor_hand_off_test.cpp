// The hand-off to the difference editor through dat.txt and the done flag,
// and the program shell's help and quit.
#include <gtest/gtest.h>

#include "editor/messages.h"
#include "editor_test_support.h"
#include "handoff/dat_file.h"
#include "handoff/done_signal.h"

namespace {

using editortest::EditorFixture;
using editortest::ReadBytes;

std::vector<std::uint8_t> Numbers(const std::vector<int>& values) {
  std::vector<std::uint8_t> out;
  for (int v : values) {
    const std::string text = std::to_string(v);
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
  }
  return out;
}

struct HandOffFixture : EditorFixture {
  HandOffFixture() { FillPairs(2); }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) core.PollTick();
  }
};

// Both pictures of the first pair, through the open dialog as a user loads them.
void LoadFirstPair(editor::EditorCore& core, editortest::ScriptedUi& ui, const editortest::TempDir& dir) {
  for (int picture : {1, 2}) {
    const std::string path = dir.file("b" + std::to_string(picture) + ".jpg");
    editortest::WriteBytes(path, editortest::MakeJpeg(488, 430, picture));
    core.Select(0);
    ui.openAnswers.push_back(path);
    core.LoadPicture(picture);
  }
}

TEST(EditorHandOff, UndrawnPairIsHandedOverAsTwoPathsAndTwentyZeros) {
  HandOffFixture f;
  f.core.Select(1);
  f.core.EditDifferences();
  ASSERT_EQ(f.handOff.starts, 1);
  std::vector<std::uint8_t> expected;
  for (const auto& path : {f.dir.file("p1a.jpg"), f.dir.file("p1b.jpg")}) {
    expected.insert(expected.end(), path.begin(), path.end());
    expected.push_back(0);
  }
  const auto zeros = Numbers(std::vector<int>(20, 0));
  expected.insert(expected.end(), zeros.begin(), zeros.end());
  EXPECT_EQ(f.handOff.requestSeen, expected);
  EXPECT_TRUE(f.core.pollRunning());
}

TEST(EditorHandOff, RectanglesTravelByNameAndLandOnTheThirdTick) {
  HandOffFixture f;
  auto& rects = f.core.table()[0].rects;
  rects.x1[0] = 12; rects.y1[0] = 30; rects.x2[0] = 40; rects.y2[0] = 50;
  f.handOff.answer = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 480, 420});
  f.core.Select(0);
  f.core.EditDifferences();
  const auto& seen = f.handOff.requestSeen;
  EXPECT_NE(std::string(seen.begin(), seen.end()).find(std::string("12\0" "30\0" "40\0" "50\0", 12)),
            std::string::npos);

  f.Ticks(2);
  EXPECT_EQ(rects.x1[0], 12) << "not read before the third tick";
  f.Ticks(1);
  EXPECT_FALSE(f.core.pollRunning());
  EXPECT_EQ(rects.x1[0], 1);
  EXPECT_EQ(rects.y1[0], 2);
  EXPECT_EQ(rects.x2[0], 3);
  EXPECT_EQ(rects.y2[0], 4);
  EXPECT_EQ(rects.x2[4], 480);
  EXPECT_EQ(rects.y2[4], 420);
  EXPECT_FALSE(f.handOff.flagSet) << "the flag is deleted after reading";
  EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
}

TEST(EditorHandOff, ResultLandsInTheHandedOverPairWhateverIsSelectedNow) {
  HandOffFixture f;
  f.handOff.answer = Numbers(std::vector<int>(20, 9));
  f.core.Select(1);
  f.core.EditDifferences();
  f.core.Select(0);
  f.Ticks(3);
  EXPECT_EQ(f.core.table()[2].rects.x1[0], 9);
  EXPECT_EQ(f.core.table()[0].rects.x1[0], 0);
  EXPECT_EQ(f.core.selection(), 0);
}

TEST(EditorHandOff, ResultForAChangedPairIsDropped) {
  HandOffFixture f;
  f.handOff.answer = Numbers(std::vector<int>(20, 9));
  f.core.Select(1);
  f.core.EditDifferences();
  f.ui.okAnswers.push_back(true);
  f.core.RemovePicture(2);
  f.Ticks(3);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kHandOffPairChanged);
  EXPECT_EQ(f.core.table()[2].rects.x1[0], 0);
  EXPECT_FALSE(f.core.pollRunning());
}

TEST(EditorHandOff, CancelledOrMissingDifferenceEditorChangesNothing) {
  HandOffFixture f;
  f.core.table()[0].rects.x1[2] = 44;
  f.core.Select(0);
  f.core.EditDifferences();  // the user cancels: no flag ever comes
  f.Ticks(50);
  EXPECT_TRUE(f.core.pollRunning());
  EXPECT_EQ(f.core.table()[0].rects.x1[2], 44);

  f.handOff.startWorks = false;
  f.core.EditDifferences();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::CannotStartWizard());
  EXPECT_NE(f.ui.lastMessage().find("qualdrex support unter support@"), std::string::npos);
}

TEST(EditorHandOff, UnreadableResultIsReportedAndDropped) {
  HandOffFixture f;
  f.handOff.answer = std::vector<std::uint8_t>{'1', 0, 'x'};
  f.core.Select(0);
  f.core.EditDifferences();
  f.Ticks(3);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kHandOffResultUnreadable);
  EXPECT_EQ(f.core.table()[0].rects.x1[0], 0);
}

TEST(EditorHandOff, LeftoverFlagIsDeletedBeforeTheStart) {
  HandOffFixture f;
  f.handOff.flagSet = true;
  f.core.Select(0);
  f.core.EditDifferences();
  EXPECT_FALSE(f.handOff.flagSet);
  f.Ticks(5);
  EXPECT_TRUE(f.core.pollRunning());
}

TEST(EditorHandOff, RefusesWithoutACompleteSelectedPair) {
  HandOffFixture f;
  f.core.Select(std::nullopt);
  f.core.EditDifferences();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kChooseRecordFirst);
  f.core.Select(5);
  f.core.EditDifferences();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kPairIncompleteForEdit);
  EXPECT_EQ(f.handOff.starts, 0);
}

TEST(EditorHandOff, WorksFromTheStartupDirectoryAfterTheCurrentOneMoved) {
  HandOffFixture f;
  editortest::TempDir elsewhere;
  ASSERT_EQ(::chdir(elsewhere.path().c_str()), 0);
  f.core.Select(0);
  f.core.EditDifferences();
  EXPECT_EQ(f.handOff.startDirectory, f.dir.path());
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("dat.txt")));
  EXPECT_FALSE(gamefile::FileExists(elsewhere.file("dat.txt")));
}

// A real round trip through the system flag and the hand-off library, the
// way the difference editor answers.
TEST(EditorHandOff, RoundTripThroughTheSystemFlag) {
  const std::string flag = "/WIZARD_DONE_test_" + std::to_string(::getpid());
  struct WizardStandIn final : editor::HandOffPort {
    editor::SystemHandOffPort system;
    explicit WizardStandIn(const std::string& name) : system(name, "./nicht-da") {}
    bool StartWizard() override {
      auto request = handoff::ReadRequestFile("dat.txt");
      if (!request) return false;
      handoff::ExchangeRects rects = request->rects;
      rects[3] = {100, 110, 200, 210};
      handoff::WriteResultFile("dat.txt", rects);
      handoff::AddDoneSignal(flag);
      return true;
    }
    bool IsDoneFlagSet() override { return system.IsDoneFlagSet(); }
    void DeleteDoneFlag() override { system.DeleteDoneFlag(); }
    std::string flag;
  } wizard(flag);
  wizard.flag = flag;

  editortest::TempDir dir;
  editortest::ScriptedUi ui;
  editor::EditorCore core(ui, wizard, dir.path());
  core.Start();
  LoadFirstPair(core, ui, dir);
  core.table()[0].rects.x1[0] = 7;
  core.EditDifferences();
  for (int i = 0; i < 3; ++i) core.PollTick();
  EXPECT_FALSE(core.pollRunning());
  EXPECT_FALSE(handoff::IsDoneSignalSet(flag));
  EXPECT_EQ(core.table()[0].rects.x1[0], 7);
  EXPECT_EQ(core.table()[0].rects.x1[3], 100);
  EXPECT_EQ(core.table()[0].rects.y1[3], 110);
  handoff::DeleteDoneSignal(flag);
}

// The real start of a separate program: a stand-in "./wizard" in the
// start-up directory answers through dat.txt and the flag as the difference
// editor does (POSIX shared memory objects live in /dev/shm).
TEST(EditorHandOff, RoundTripWithAStartedProgram) {
  if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
  const std::string flag = "/WIZARD_DONE_proc_" + std::to_string(::getpid());
  editortest::TempDir dir;
  const std::string script =
      "#!/bin/sh\n"
      "grep -q b2.jpg dat.txt || exit 1\n"
      "printf '5\\0006\\0007\\0008\\000' > dat.new\n"
      "for i in 1 2 3 4; do printf '0\\0000\\0000\\0000\\000' >> dat.new; done\n"
      "mv dat.new dat.txt\n"
      ": > /dev/shm" + flag + "\n";
  editortest::WriteBytes(dir.file("wizard"), std::vector<std::uint8_t>(script.begin(), script.end()));
  std::filesystem::permissions(dir.file("wizard"), std::filesystem::perms::owner_all);

  editortest::ScriptedUi ui;
  editor::SystemHandOffPort port(flag, "./wizard");
  editor::EditorCore core(ui, port, dir.path());
  core.Start();
  LoadFirstPair(core, ui, dir);
  core.EditDifferences();
  ASSERT_TRUE(ui.messages.empty()) << ui.lastMessage();
  for (int tick = 0; tick < 100 && core.pollRunning(); ++tick) {
    ::usleep(100 * 1000);
    core.PollTick();
  }
  EXPECT_FALSE(core.pollRunning());
  const auto& rects = core.table()[0].rects;
  EXPECT_EQ(rects.x1[0], 5);
  EXPECT_EQ(rects.y1[0], 6);
  EXPECT_EQ(rects.x2[0], 7);
  EXPECT_EQ(rects.y2[0], 8);
  EXPECT_FALSE(handoff::IsDoneSignalSet(flag));
  handoff::DeleteDoneSignal(flag);
}

TEST(EditorShell, HelpPageIsLookedUpInTheCurrentDirectory) {
  EditorFixture f;
  editortest::TempDir pictures;
  ASSERT_EQ(::chdir(pictures.path().c_str()), 0);
  f.core.OpenHelp();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotStartBrowser);
  EXPECT_TRUE(f.ui.browserPages.empty());

  editortest::WriteBytes(pictures.file("editor.html"), {'<', '>'});
  f.core.OpenHelp();
  ASSERT_EQ(f.ui.browserPages.size(), 1u);
  EXPECT_EQ(f.ui.browserPages[0], pictures.file("editor.html"));
  f.ui.browserWorks = false;
  f.core.OpenHelp();
  EXPECT_EQ(f.ui.messages.size(), 2u);
}

TEST(EditorShell, QuitAsksAndCancelKeepsEverything) {
  EditorFixture f;
  f.FillPairs(1);
  f.core.Select(0);
  f.ui.okAnswers.push_back(false);
  EXPECT_FALSE(f.core.ConfirmQuit());
  EXPECT_EQ(f.ui.questions.back(), "Sicher dass sie beenden wollen ?");
  EXPECT_EQ(f.core.selection(), 0);
  EXPECT_EQ(f.core.pairCount(), 1);
  f.ui.okAnswers.push_back(true);
  EXPECT_TRUE(f.core.ConfirmQuit());
}

}  // namespace

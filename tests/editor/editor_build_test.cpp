// Building a game file from the picture table.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "editor/game_file_builder.h"
#include "editor/messages.h"
#include "editor_test_support.h"
#include "gamefile/game_file.h"

namespace {

using editortest::EditorFixture;
using editortest::ReadBytes;
using editor::TypedGameFileName;

struct BuildFixture : EditorFixture {
  // Answers the save dialog and the name dialog, then builds.
  void Build(const std::string& chosenPath) { Build(chosenPath, "Urlaub", ""); }
  void Build(const std::string& chosenPath, const char* name, const char* description) {
    ui.saveAnswers.push_back(chosenPath);
    ui.nameAnswers.push_back(TypedGameFileName{name, description});
    core.BuildGameFile();
  }

  // Both files of the game file at `path`, as they stand on disk.
  struct GameFileBytes {
    std::vector<std::uint8_t> nameFile, pairFile;
  };
  GameFileBytes OnDisk(const std::string& path) const { return {ReadBytes(path), ReadBytes(path + ".qxs")}; }

  // Builds x.vst from `pairCount` pairs: the good game file that a later,
  // failing build must leave as it is. The caller checks the build succeeded.
  GameFileBytes BuildPreviousGameFile(int pairCount) {
    FillPairs(pairCount);
    Build(dir.file("x.vst"), "Alt", "");
    return OnDisk(dir.file("x.vst"));
  }
};

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(EditorBuild, OnePairGivesTheExactRecordLayout) {
  BuildFixture f;
  f.FillPairs(1);
  auto& rects = f.core.table()[0].rects;
  rects.x1[0] = 12; rects.x2[0] = 40; rects.y1[0] = 30; rects.y2[0] = 50;
  rects.x1[4] = -1;  // only the low 16 bits are stored
  f.Build(f.dir.file("Urlaub.vst"), "Abc", "");
  ASSERT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);

  const auto pic1 = ReadBytes(f.dir.file("p0a.jpg"));
  const auto pic2 = ReadBytes(f.dir.file("p0b.jpg"));
  const auto pairs = ReadBytes(f.dir.file("Urlaub.vst.qxs"));
  ASSERT_EQ(pairs.size(), 2 + (52 + pic1.size()) + (52 + pic2.size()));
  EXPECT_EQ(U16(pairs, 0), 1);
  EXPECT_EQ(U32(pairs, 2), 0xFFFFFFFFu);
  EXPECT_EQ(U32(pairs, 6), pic1.size());
  EXPECT_EQ(pairs[10], 0xEA); EXPECT_EQ(pairs[11], 0x01);
  EXPECT_EQ(pairs[12], 0xAE); EXPECT_EQ(pairs[13], 0x01);
  EXPECT_TRUE(std::equal(pic1.begin(), pic1.end(), pairs.begin() + 14));
  const std::size_t rectAt = 14 + pic1.size();
  EXPECT_EQ(U16(pairs, rectAt), 12);
  EXPECT_EQ(U16(pairs, rectAt + 2), 40);
  EXPECT_EQ(U16(pairs, rectAt + 4), 30);
  EXPECT_EQ(U16(pairs, rectAt + 6), 50);
  EXPECT_EQ(U16(pairs, rectAt + 32), 0xFFFF);
  const std::size_t second = rectAt + 40;
  EXPECT_EQ(U32(pairs, second + 4), pic2.size());
  EXPECT_EQ(pairs[second + 8], 0xEA);

  EXPECT_EQ(ReadBytes(f.dir.file("Urlaub.vst")), (std::vector<std::uint8_t>{'A', 'b', 'c', 0, 0}));
  EXPECT_EQ(f.core.table()[0].widthField, 490);
  EXPECT_EQ(f.core.table()[1].heightField, 430);
  // The game's own reader accepts what we wrote.
  EXPECT_TRUE(gamefile::ReadPicturePairFile(f.dir.file("Urlaub.vst.qxs")).ok());
  EXPECT_EQ(f.ui.dialogs.back().filter, "Vistrel Spieldateien (*.vst)|*.vst|Alle Dateien (*.*)|*.*");
}

TEST(EditorBuild, NameAndDescriptionAreStoredAsWindowsText) {
  BuildFixture f;
  f.FillPairs(1);
  f.Build(f.dir.file("x.vst"), "Grüße", "Zeile 1\nZeile 2");
  const auto bytes = ReadBytes(f.dir.file("x.vst"));
  const std::string expected = std::string("Gr\xFC\xDF" "e") + '\0' + "Zeile 1\r\nZeile 2" + '\0';
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(f.core.rememberedName().name, "Gr\xFC\xDF" "e");
}

TEST(EditorBuild, OnlyTheUnbrokenRunOfPairsIsWritten) {
  BuildFixture f;
  f.Load(0, 1, f.Picture("a.jpg"));
  f.Build(f.dir.file("x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kFirstPairIncomplete);
  EXPECT_TRUE(f.ui.dialogs.size() == 1) << "no save dialog after the refusal";

  f.Load(0, 2, f.Picture("b.jpg"));
  f.Load(1, 2, f.Picture("c.jpg"));
  f.Build(f.dir.file("x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  auto index = gamefile::ScanPicturePairFile(f.dir.file("x.vst.qxs"));
  ASSERT_TRUE(index.ok());
  EXPECT_EQ(index->pairCount, 1);
}

TEST(EditorBuild, NamesWithoutExtensionGetTheGameFileExtension) {
  BuildFixture f;
  f.FillPairs(1);
  f.Build(f.dir.file("Urlaub"));
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("Urlaub.vst")));
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("Urlaub.vst.qxs")));
  f.Build(f.dir.file("Ferien.vst"));
  EXPECT_TRUE(gamefile::FileExists(f.dir.file("Ferien.vst.qxs")));
  EXPECT_EQ(editor::WithDefaultExtension("/a.b/c", "vst"), "/a.b/c.vst");
  EXPECT_EQ(editor::WithDefaultExtension("/a/c.qxs", "vst"), "/a/c.qxs");
}

TEST(EditorBuild, PicturesAreCheckedAgainWhenBuilding) {
  BuildFixture f;
  f.FillPairs(2);
  // Replaced by another good picture: built with the new bytes and length.
  const auto replacement = editortest::MakeJpeg(488, 430, 7);
  editortest::WriteBytes(f.dir.file("p1a.jpg"), replacement);
  f.Build(f.dir.file("x.vst"));
  ASSERT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  auto pictures = gamefile::ReadPicturePairFile(f.dir.file("x.vst.qxs"));
  ASSERT_TRUE(pictures.ok());
  EXPECT_EQ((*pictures)[2].jpeg, replacement);
  EXPECT_EQ(f.core.table()[2].byteCount, replacement.size());

  // Replaced by one of another size: stopped before anything is written.
  const auto good = ReadBytes(f.dir.file("x.vst.qxs"));
  editortest::WriteBytes(f.dir.file("p1b.jpg"), editortest::MakeJpeg(400, 300));
  f.Build(f.dir.file("x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::BuildWrongSize(f.dir.file("p1b.jpg"), 400, 300));
  EXPECT_NE(f.ui.lastMessage().find("Bilddatei/"), std::string::npos) << "no space before the path";
  EXPECT_EQ(ReadBytes(f.dir.file("x.vst.qxs")), good);

  editortest::WriteBytes(f.dir.file("p1b.jpg"), {0xFF, 0xD8, 0xFF});
  f.Build(f.dir.file("x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::BuildNotJfif(f.dir.file("p1b.jpg")));
  std::filesystem::remove(f.dir.file("p1b.jpg"));
  f.Build(f.dir.file("x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::CannotAccessPicture(f.dir.file("p1b.jpg")));
}

TEST(EditorBuild, NameDialogRefusesOnlyAnEmptyNameAndCancelWritesNothing) {
  BuildFixture f;
  f.FillPairs(1);
  editortest::WriteBytes(f.dir.file("old.vst"), {'o', 0, 0});

  f.ui.saveAnswers.push_back(f.dir.file("old.vst"));
  f.ui.nameAnswers.push_back(TypedGameFileName{"", "desc"});
  f.ui.nameAnswers.push_back(std::nullopt);
  f.core.BuildGameFile();
  EXPECT_EQ(f.ui.nameDialogs, 2);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kNameYourGameFile);
  EXPECT_EQ(ReadBytes(f.dir.file("old.vst")), (std::vector<std::uint8_t>{'o', 0, 0}));
  EXPECT_FALSE(gamefile::FileExists(f.dir.file("old.vst.qxs")));

  f.Build(f.dir.file("old.vst"), "   ", "");
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  EXPECT_EQ(ReadBytes(f.dir.file("old.vst")), (std::vector<std::uint8_t>{' ', ' ', ' ', 0, 0}));

  // Cancelling the save dialog ends silently.
  const auto messages = f.ui.messages.size();
  f.core.BuildGameFile();
  EXPECT_EQ(f.ui.messages.size(), messages);
}

TEST(EditorBuild, AFailedWriteKeepsThePreviousGameFileAndLeavesNoDebris) {
  BuildFixture f;
  const auto previous = f.BuildPreviousGameFile(3);
  ASSERT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  const auto filesBefore = f.dir.names().size();

  // A picture that shrank after the check: the copy runs short mid-file.
  ASSERT_FALSE(editor::RecheckPictures(f.core.table()));
  editortest::WriteBytes(f.dir.file("p2a.jpg"), {1, 2, 3});
  auto failure = editor::WriteGameFile(f.core.table(), 3, f.dir.file("x.vst"), {"Neu", ""});
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, editor::text::NotAccessible(f.dir.file("p2a.jpg")));
  const auto after = f.OnDisk(f.dir.file("x.vst"));
  EXPECT_EQ(after.nameFile, previous.nameFile);
  EXPECT_EQ(after.pairFile, previous.pairFile);
  EXPECT_EQ(f.dir.names().size(), filesBefore);

  editortest::WriteBytes(f.dir.file("p2a.jpg"), editortest::MakeJpeg(488, 430));
  // A picture of the list is never replaced by a game file or a project.
  const auto picture = ReadBytes(f.dir.file("p0a.jpg"));
  f.Build(f.dir.file("p0a.jpg"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kWouldReplacePicture);
  f.ui.saveAnswers.push_back(f.dir.file("p0a.jpg"));
  f.core.SaveProject();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kWouldReplacePicture);
  EXPECT_EQ(ReadBytes(f.dir.file("p0a.jpg")), picture);

  // A folder that does not exist.
  f.Build(f.dir.file("nirgends/x.vst"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenOrCreate);
}

TEST(EditorBuild, AFullDiskIsReportedAndNothingIsReplaced) {
  BuildFixture f;
  f.FillPairs(4);
  editortest::WriteBytes(f.dir.file("x.vst"), {'o', 0, 0});
  // Writes beyond the file-size limit fail as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  f.Build(f.dir.file("x.vst"));
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenOrCreate);
  EXPECT_EQ(ReadBytes(f.dir.file("x.vst")), (std::vector<std::uint8_t>{'o', 0, 0}));
  EXPECT_FALSE(gamefile::FileExists(f.dir.file("x.vst.qxs")));
  for (const auto& name : f.dir.names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

// The build is killed while it writes: whichever moment it dies, the game
// file of that name is the previous one, whole, never a part of the new one.
TEST(EditorBuild, AKilledBuildLeavesThePreviousGameFileWhole) {
  BuildFixture f;
  const auto previous = f.BuildPreviousGameFile(2);
  ASSERT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  f.FillPairs(60);

  for (int delayMs : {1, 5, 20, 60}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Builds again and again, so the kill always lands inside a write.
      for (;;) (void)editor::WriteGameFile(f.core.table(), 60, f.dir.file("x.vst"), {"Neu", ""});
    }
    // Waits for the first staged file, then kills a little later.
    for (int i = 0; i < 2000; ++i) {
      bool staging = false;
      for (const auto& name : f.dir.names()) staging |= name.find(".tmp") != std::string::npos;
      if (staging) break;
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const auto now = f.OnDisk(f.dir.file("x.vst"));
    // Either file may already be the complete new one; neither is ever cut.
    EXPECT_TRUE(now.nameFile == previous.nameFile || now.nameFile == gamefile::EncodeNameFile({"Neu", ""})) << delayMs;
    auto scanned = gamefile::ScanPicturePairs(now.pairFile);
    ASSERT_TRUE(scanned.ok()) << delayMs << ": " << scanned.error().detail;
    EXPECT_TRUE(now.pairFile == previous.pairFile || scanned->records.size() == 120) << delayMs;
  }
}

TEST(EditorBuild, SharedPicturesAreWrittenSoTheGameCanReadThem) {
  BuildFixture f;
  f.FillPairs(2);
  f.core.table()[3].sourceIndex = 0;  // picture 2 of pair 1 reuses record 0
  f.Build(f.dir.file("x.vst"));
  ASSERT_EQ(f.ui.lastMessage(), editor::text::kBuildSucceeded);
  auto index = gamefile::ScanPicturePairFile(f.dir.file("x.vst.qxs"));
  ASSERT_TRUE(index.ok()) << index.error().detail;
  EXPECT_EQ(index->records[3].sourceIndex, 0);
  EXPECT_EQ(index->records[3].byteCount, 0u);

  f.core.table()[3].sourceIndex = 900;  // names no written record
  f.ui.saveAnswers.push_back(f.dir.file("y.vst"));
  f.core.BuildGameFile();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::BadSharedPicture(3));
  EXPECT_FALSE(gamefile::FileExists(f.dir.file("y.vst")));
}

}  // namespace

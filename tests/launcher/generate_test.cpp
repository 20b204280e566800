// "neu erzeugen": the difficulty asked, the new game file painted into the
// player's folder while the UI follows the progress, then listed and
// selected like one added by hand; and every way it can go wrong.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "chooser_fixture.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "launcher/generation_job.h"
#include "launcher/list_file.h"

namespace {

namespace fs = std::filesystem;
using gamefile::Bytes;

// Answers the difficulty question with `difficulty` and follows the painting.
class GenerateUi : public launchertest::RecordingUi {
 public:
  std::optional<int> AskChoice(const std::string& caption, const std::string& question,
                               const std::vector<std::string>& choices, int preselected) override {
    ++questions;
    askedCaption = caption;
    askedQuestion = question;
    offered = choices;
    offeredFirst = preselected;
    return difficulty;
  }
  // Polls as the dialog does; presses "Abbrechen" once `stopAfter` pairs
  // are done.
  void FollowGeneration(launcher::GenerationJob& job) override {
    ++follows;
    totalSeen = job.PairsTotal();
    while (!job.Finished()) {
      if (stopAfter >= 0 && job.PairsDone() >= stopAfter) job.Stop();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    lastDoneSeen = job.PairsDone();
  }

  std::optional<int> difficulty = 1;
  int stopAfter = -1;
  int questions = 0, follows = 0, totalSeen = 0, lastDoneSeen = 0, offeredFirst = -1;
  std::string askedCaption, askedQuestion;
  std::vector<std::string> offered;
};

class GenerateTest : public launchertest::ChooserFixture<GenerateUi> {
 protected:
  fs::path Folder() const { return home_ / launcher::kGeneratedFolderName; }
  std::vector<fs::path> FilesInFolder() const {
    std::vector<fs::path> files;
    if (fs::is_directory(Folder()))
      for (const auto& entry : fs::directory_iterator(Folder())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
  }
  Bytes ListFile() const { return *gamefile::ReadWholeFile((home_ / "vsts.dat").string()); }
};

TEST_F(GenerateTest, ANewGameFileIsPaintedListedAndSelected) {
  auto& chooser = Loaded();
  ui_.difficulty = 2;  // "schwer"
  chooser.Generate();

  EXPECT_TRUE(ui_.messages.empty()) << ui_.messages.front();
  EXPECT_EQ(ui_.askedCaption, "Neue Spieldatei erzeugen");
  EXPECT_EQ(ui_.askedQuestion,
            "Wie schwer sollen die Unterschiede zu finden sein ?\r\n"
            "Es werden 20 neue Bilderpaare gemalt; das dauert einige Sekunden.");
  ASSERT_EQ(ui_.offered.size(), 3u);
  EXPECT_EQ(ui_.offered[0].rfind("leicht", 0), 0u);
  EXPECT_EQ(ui_.offered[2].rfind("schwer", 0), 0u);
  EXPECT_EQ(ui_.offeredFirst, 1);
  EXPECT_EQ(ui_.totalSeen, 20);
  EXPECT_EQ(ui_.lastDoneSeen, 20);

  // In the player's folder, under a name that tells the files apart.
  const auto files = FilesInFolder();
  ASSERT_EQ(files.size(), 2u);
  const std::string path = files[0].string();
  EXPECT_EQ(files[1].string(), path + ".qxs");
  EXPECT_EQ(files[0].filename().string().rfind("neu-schwer-", 0), 0u) << path;
  EXPECT_EQ(gamefile::ReadPicturePairFile(path + ".qxs")->size(), 40u);

  // Listed after the built-in item and selected, with its description.
  ASSERT_EQ(chooser.Entries().size(), 1u);
  EXPECT_EQ(chooser.Entries()[0].path, path);
  EXPECT_EQ(chooser.Selection(), 1);
  EXPECT_EQ(chooser.ComboItems()[1].rfind("Bilder ", 0), 0u) << chooser.ComboItems()[1];
  EXPECT_NE(chooser.Description().find("Schwierigkeit: schwer\r\nStartwert: "), std::string::npos);

  // Like "hinzufügen", it reaches vsts.dat only with Start.
  EXPECT_EQ(ListFile(), (Bytes{0x00, 0x00}));
  ASSERT_TRUE(chooser.Start(chooser.Selection()));
  Bytes expected{0x01, 0x01};
  expected.insert(expected.end(), path.begin(), path.end());
  expected.push_back(0x00);
  EXPECT_EQ(ListFile(), expected);
  EXPECT_EQ(*gamefile::ReadWholeFile((home_ / "vst.dat").string()), Bytes(path.begin(), path.end()));
}

TEST_F(GenerateTest, CancellingTheQuestionChangesNothing) {
  auto& chooser = Loaded();
  ui_.difficulty = std::nullopt;
  chooser.Generate();
  EXPECT_EQ(ui_.questions, 1);
  EXPECT_EQ(ui_.follows, 0);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_FALSE(fs::exists(Folder()));
  EXPECT_TRUE(chooser.Entries().empty());
  EXPECT_EQ(chooser.Selection(), 0);
}

TEST_F(GenerateTest, StoppingThePaintingLeavesNoFileAndNoMessage) {
  auto& chooser = Loaded();
  ui_.stopAfter = 1;
  chooser.Generate();
  EXPECT_EQ(ui_.follows, 1);
  EXPECT_LT(ui_.lastDoneSeen, 20);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_TRUE(FilesInFolder().empty());
  EXPECT_TRUE(chooser.Entries().empty());
  EXPECT_EQ(chooser.Selection(), 0);
}

TEST_F(GenerateTest, AFolderThatCannotBeMadeIsToldBeforePainting) {
  gamefile::WriteFileAtomically(Folder().string(), Bytes{'x'});  // a file where the folder belongs
  auto& chooser = Loaded();
  chooser.Generate();
  EXPECT_EQ(ui_.follows, 0);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgNoGeneratedFolder});
  EXPECT_TRUE(chooser.Entries().empty());
}

TEST_F(GenerateTest, AFullListIsToldBeforeTheQuestion) {
  std::vector<std::string> paths;
  for (int i = 0; i < 100; ++i) {
    std::string name = "s";  // appended, not "s" + ..., which GCC 12 warns about wrongly
    name += std::to_string(i) + ".vst";
    paths.push_back((home_ / name).string());
    ASSERT_TRUE(gamefile::WriteNameFile(paths.back(), {"S", ""}).ok());
  }
  ASSERT_TRUE(gamefile::WriteFileAtomically((home_ / "vsts.dat").string(), launcher::EncodeListFile(0, paths)).ok());
  auto& chooser = Loaded();
  chooser.Generate();
  EXPECT_EQ(ui_.questions, 0);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgListFull});
  EXPECT_EQ(chooser.Entries().size(), 100u);
}

TEST_F(GenerateTest, AHomeTooDeepForTheListIsToldBeforePainting) {
  fs::path deep = home_;
  while (deep.string().size() < 280) deep /= "ordner-mit-langem-namen";
  fs::create_directories(deep);
  chooser_.Load(deep.string());
  chooser_.Generate();
  EXPECT_EQ(ui_.follows, 0);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgPathTooLong});
  EXPECT_TRUE(chooser_.Entries().empty());
}

TEST_F(GenerateTest, AFullDiskIsToldAndNothingIsListed) {
  auto& chooser = Loaded();
  rlimit previous{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  const auto handler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = previous;
  limited.rlim_cur = 100'000;  // far less than 20 pictures
  ::setrlimit(RLIMIT_FSIZE, &limited);
  chooser.Generate();
  ::setrlimit(RLIMIT_FSIZE, &previous);
  ::signal(SIGXFSZ, handler);

  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_NE(ui_.messages[0].find("konnte nicht geschrieben werden"), std::string::npos) << ui_.messages[0];
  EXPECT_TRUE(FilesInFolder().empty());
  EXPECT_TRUE(chooser.Entries().empty());
}

class GenerationJobTest : public ::testing::Test {
 protected:
  static void WaitForFirstPair(const launcher::GenerationJob& job) {
    while (job.PairsDone() < 1 && !job.Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  testsupport::TempDir temp_{"launcher-job"};
  fs::path dir_ = temp_.path();
};

TEST_F(GenerationJobTest, AStopEndsTheWorkAfterThePairBeingPainted) {
  launcher::GenerationJob job({7, 200, scenegen::Difficulty::Leicht}, (dir_ / "viel.vst").string());
  WaitForFirstPair(job);
  job.Stop();
  job.Wait();
  EXPECT_TRUE(job.Finished());
  EXPECT_LE(job.PairsDone(), 2);
  EXPECT_EQ(job.Result().outcome, scenegen::GenerateOutcome::Stopped);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(GenerationJobTest, EndingTheDialogWhilePaintingLeavesNothing) {
  {
    launcher::GenerationJob job({8, 200, scenegen::Difficulty::Mittel}, (dir_ / "viel.vst").string());
    WaitForFirstPair(job);
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(GenerationProgress, NamesThePairBeingPainted) {
  EXPECT_EQ(launcher::GenerationProgressText(0, 20), "Bilderpaar 1 von 20 wird gemalt ...");
  EXPECT_EQ(launcher::GenerationProgressText(19, 20), "Bilderpaar 20 von 20 wird gemalt ...");
  EXPECT_EQ(launcher::GenerationProgressText(20, 20), "Bilderpaar 20 von 20 wird gemalt ...");
}

}  // namespace

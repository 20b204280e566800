// qxtool generate: a whole game file from a seed, the same bytes for the
// same seed, and nothing half-written when the disk or the folder fails.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/text_encoding.h"
#include "generated_game_file.h"
#include "qxtool.h"
#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code;
  std::string out, err;
};

Outcome RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = qxtool::Run(args, out, err);
  return {code, out.str(), err.str()};
}

class GenerateTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return dir_.file(name); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names = dir_.names();
    std::sort(names.begin(), names.end());
    return names;
  }
  gamefile::Bytes Bytes(const std::string& name) const { return *gamefile::ReadWholeFile(File(name)); }

  testsupport::TempDir dir_{"qxtool-generate"};
};

TEST_F(GenerateTest, WritesAGameFileThatQxtoolAcceptsAsFair) {
  const auto run = RunTool({"generate", "--seed", "4711", "--pairs", "2", "--difficulty", "leicht", File("urlaub.vst")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "Geschrieben: " + File("urlaub.vst") + " und " + File("urlaub.vst.qxs") +
                         " (2 Bilderpaare, Schwierigkeit leicht, Startwert 4711).\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"urlaub.vst", "urlaub.vst.qxs"}));

  const auto names = *gamefile::ReadNameFile(File("urlaub.vst"));
  EXPECT_EQ(gamefile::Cp1252ToUtf8(names.name), "Bilder 4711 (leicht)");
  const std::string description = gamefile::Cp1252ToUtf8(names.description);
  EXPECT_NE(description.find("2 Bilderpaare"), std::string::npos) << description;
  EXPECT_NE(description.find("Schwierigkeit: leicht\r\nStartwert: 4711\r\n"), std::string::npos) << description;
  EXPECT_EQ(description.find('\n', 0), description.find("\r\n") + 1) << "line breaks are stored as CR LF";

  const auto records = *gamefile::ReadPicturePairFile(File("urlaub.vst.qxs"));
  ASSERT_EQ(records.size(), 4u);
  for (const auto& record : records) {
    EXPECT_EQ(record.sourceIndex, gamefile::kOwnBytes);
    EXPECT_EQ(record.widthField, 490);
    EXPECT_EQ(record.heightField, 430);
  }

  const auto check = RunTool({"check", "--fair", File("urlaub.vst")});
  EXPECT_EQ(check.code, 0) << check.out;
  EXPECT_NE(check.out.find("In Ordnung: 2 Bildpaare, alle fair."), std::string::npos) << check.out;
}

TEST_F(GenerateTest, TheSameSeedGivesTheSameBytesAndAnotherSeedOtherPictures) {
  ASSERT_EQ(RunTool({"generate", "--seed", "99", "--pairs", "1", File("a.vst")}).code, 0);
  ASSERT_EQ(RunTool({"generate", "--pairs", "1", "--seed", "99", File("b.vst")}).code, 0);
  ASSERT_EQ(RunTool({"generate", "--seed", "100", "--pairs", "1", File("c.vst")}).code, 0);
  EXPECT_EQ(Bytes("a.vst"), Bytes("b.vst"));
  EXPECT_EQ(Bytes("a.vst.qxs"), Bytes("b.vst.qxs"));
  EXPECT_NE(Bytes("a.vst.qxs"), Bytes("c.vst.qxs"));
  // The default difficulty is "mittel", and the name file says so.
  EXPECT_NE(gamefile::ReadNameFile(File("a.vst"))->description.find("Schwierigkeit: mittel"), std::string::npos);
}

TEST_F(GenerateTest, WithoutASeedOneIsChosenAndNamed) {
  const auto run = RunTool({"generate", "--pairs", "1", File("frei")});
  ASSERT_EQ(run.code, 0) << run.err;
  // A name without extension gets ".vst".
  EXPECT_EQ(Names(), (std::vector<std::string>{"frei.vst", "frei.vst.qxs"}));
  ASSERT_EQ(run.out.rfind("Startwert ", 0), 0u) << run.out;
  const std::string seed = run.out.substr(10, run.out.find(' ', 10) - 10);
  EXPECT_NE(run.out.find("--seed " + seed + " ergibt dieselben Bilder"), std::string::npos) << run.out;
  EXPECT_NE(gamefile::ReadNameFile(File("frei.vst"))->description.find("Startwert: " + seed + "\r\n"),
            std::string::npos);

  // Naming that seed again gives the very same file.
  ASSERT_EQ(RunTool({"generate", "--seed", seed, "--pairs", "1", File("wieder.vst")}).code, 0);
  EXPECT_EQ(Bytes("frei.vst.qxs"), Bytes("wieder.vst.qxs"));
}

TEST_F(GenerateTest, WrongArgumentsAreRefusedBeforeAnythingIsWritten) {
  const std::vector<std::vector<std::string>> wrong = {
      {"generate"},
      {"generate", "--pairs", "0", File("x.vst")},
      {"generate", "--pairs", "513", File("x.vst")},
      {"generate", "--pairs", "zwei", File("x.vst")},
      {"generate", "--seed", "-1", File("x.vst")},
      {"generate", "--seed", "12abc", File("x.vst")},
      {"generate", "--seed", "18446744073709551616", File("x.vst")},
      {"generate", "--difficulty", "hart", File("x.vst")},
      {"generate", File("x.vst"), "--seed"},
      {"generate", "--farbe", "rot", File("x.vst")},
      {"generate", File("x.vst"), File("y.vst")},
  };
  for (const auto& args : wrong) {
    const auto run = RunTool(args);
    EXPECT_EQ(run.code, 2) << args.back();
    EXPECT_NE(run.err.find("Aufruf: qxtool generate"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(Names().empty());
  EXPECT_NE(RunTool({"generate", "--difficulty", "hart", File("x.vst")}).err.find("leicht, mittel oder schwer"),
            std::string::npos);
}

TEST_F(GenerateTest, AMissingFolderIsNamedAndNothingIsPainted) {
  const auto run = RunTool({"generate", "--seed", "1", File("fehlt/neu.vst")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "Der Ordner \u201E" + File("fehlt") + "\u201C existiert nicht. Es wurde keine Datei geschrieben.\n");
  EXPECT_TRUE(Names().empty());

  fs::create_directory(File("ordner.vst"));
  const auto intoFolder = RunTool({"generate", "--seed", "1", File("ordner.vst")});
  EXPECT_EQ(intoFolder.code, 1);
  EXPECT_NE(intoFolder.err.find("ist ein Ordner"), std::string::npos) << intoFolder.err;
}

// A disk that fills up half-way: simulated with the file-size limit, which
// makes every write beyond it fail as a full disk does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  sighandler_t previousHandler_ = SIG_DFL;
};

TEST_F(GenerateTest, AFullDiskLeavesTheOldGameFileWholeAndNoTemporaryFiles) {
  ASSERT_EQ(RunTool({"generate", "--seed", "5", "--pairs", "1", File("spiel.vst")}).code, 0);
  const gamefile::Bytes oldNames = Bytes("spiel.vst"), oldPairs = Bytes("spiel.vst.qxs");

  Outcome run;
  {
    FileSizeLimit limit(oldPairs.size() / 2);
    run = RunTool({"generate", "--seed", "6", "--pairs", "1", File("spiel.vst")});
  }
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("konnte nicht geschrieben werden"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Datenträger voll"), std::string::npos) << run.err;
  EXPECT_EQ(Names(), (std::vector<std::string>{"spiel.vst", "spiel.vst.qxs"}));
  EXPECT_EQ(Bytes("spiel.vst"), oldNames);
  EXPECT_EQ(Bytes("spiel.vst.qxs"), oldPairs);

  // A new game file on a full disk: no trace of it.
  {
    FileSizeLimit limit(1000);
    EXPECT_EQ(RunTool({"generate", "--seed", "6", "--pairs", "1", File("neu.vst")}).code, 1);
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"spiel.vst", "spiel.vst.qxs"}));
}

TEST_F(GenerateTest, StoppingThePaintingWritesNothing) {
  scenegen::SetRequest request{3, 3, scenegen::Difficulty::Schwer};
  int calls = 0;
  const auto result = scenegen::WriteGeneratedGameFile(request, File("halb.vst"), [&](int done, int total) {
    ++calls;
    EXPECT_EQ(total, 3);
    return done < 1;
  });
  EXPECT_EQ(result.outcome, scenegen::GenerateOutcome::Stopped);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(Names().empty());
}

TEST(GeneratedNameFile, FitsTheLauncherAndNamesEveryFact) {
  for (auto difficulty : {scenegen::Difficulty::Leicht, scenegen::Difficulty::Mittel, scenegen::Difficulty::Schwer}) {
    const auto names = scenegen::GeneratedNameFile({18446744073709551615ull, 512, difficulty});
    EXPECT_LE(names.name.size(), 254u);
    EXPECT_LE(names.description.size(), 2999u);
    EXPECT_NE(names.name.find("18446744073709551615"), std::string::npos);
    EXPECT_NE(names.description.find(scenegen::DifficultyName(difficulty)), std::string::npos);
    EXPECT_NE(names.description.find("512 Bilderpaare"), std::string::npos);
  }
  EXPECT_NE(scenegen::GeneratedNameFile({1, 1, scenegen::Difficulty::Mittel}).description.find("1 Bilderpaar,"),
            std::string::npos);
  // Fresh seeds are small enough to type and differ from call to call.
  const auto a = scenegen::FreshSeed(), b = scenegen::FreshSeed();
  EXPECT_NE(a, b);
  EXPECT_GE(a, 1u);
  EXPECT_LE(a, 999'999'999u);
}

}  // namespace

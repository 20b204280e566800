// Files a user's disk may hold that were never written by this system, each
// built here byte by byte, and the outcome each reader owes them: a clear
// refusal (with the message the program shows), never a crash, a hang or a
// huge allocation. Inputs the fuzzers once broke are kept in regression/ and
// run through their readers on every build.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "editor/project_file.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/little_endian.h"
#include "handoff/dat_file.h"
#include "launcher/chooser.h"
#include "launcher/list_file.h"
#include "logic/game_file_choice.h"
#include "logic/high_score_table.h"
#include "platform/display.h"
#include "platform/headless_backend.h"
#include "platform/images.h"
#include "platform/platform.h"
#include "platform/sound.h"
#include "test_support/temp_dir.h"
#include "test_support/wave.h"

namespace {

namespace fs = std::filesystem;
using gamefile::Bytes;
using gamefile::ErrorCode;
using gamefile::PutU16;
using gamefile::PutU32;

constexpr std::uint32_t kOwnBytes = 0xFFFFFFFF;

class HostileFolder : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = fs::current_path(); }
  void TearDown() override { fs::current_path(previous_); }
  std::string Put(const std::string& name, const Bytes& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  testsupport::TempDir temp_{"vistrel-hostile"};
  fs::path folder_ = temp_.path();
  fs::path previous_;
};

// One record header: source index, byte count, the width and height fields.
void PutRecordHeader(Bytes& out, std::uint32_t source, std::uint32_t byteCount) {
  PutU32(out, source);
  PutU32(out, byteCount);
  PutU16(out, 490);
  PutU16(out, 430);
}

void PutRects(Bytes& out) {
  for (int i = 0; i < 5; ++i) {
    for (std::uint16_t v : {10, 50, 10, 50}) PutU16(out, v);
  }
}

Bytes PairFileHeader(std::uint16_t pairs) {
  Bytes out;
  PutU16(out, pairs);
  return out;
}

ErrorCode ScanError(const std::string& path) {
  auto scanned = gamefile::ScanPicturePairFile(path);
  EXPECT_FALSE(scanned.ok());
  return scanned.ok() ? ErrorCode::TooLarge : scanned.error().code;
}

// The game reads the same file through vst.dat: it must refuse it before
// any picture is decoded.
logic::ChoiceResult GameChoiceFor(const std::string& nameFilePath) {
  const Bytes choice = launcher::EncodeChoice(nameFilePath);
  EXPECT_TRUE(gamefile::WriteFileAtomically(logic::kChoiceFileName, choice).ok());
  logic::GameFileChoice gameChoice;
  return logic::ReadGameFileChoice(gameChoice);
}

TEST_F(HostileFolder, PicturePairFilesThatLieAreRefusedBeforeAnythingIsAllocated) {
  fs::current_path(folder_);
  // A byte count of 4 GB in a file of a few bytes.
  Bytes huge = PairFileHeader(1);
  PutRecordHeader(huge, kOwnBytes, 0xFFFFFFFF);
  huge.insert(huge.end(), 100, 0xAB);
  Put("huge.vst.qxs", huge);
  EXPECT_EQ(ScanError("huge.vst.qxs"), ErrorCode::CountBeyondFile);
  EXPECT_EQ(GameChoiceFor("huge.vst"), logic::ChoiceResult::PicturePairFileUnusable);

  // 65535 pairs promised, one record present.
  Bytes many = PairFileHeader(65535);
  PutRecordHeader(many, kOwnBytes, 4);
  many.insert(many.end(), {0xFF, 0xD8, 0xFF, 0xD9});
  PutRects(many);
  Put("many.vst.qxs", many);
  // 131070 records need far more bytes than the file has: refused as cut short.
  EXPECT_EQ(ScanError("many.vst.qxs"), ErrorCode::Truncated);
  EXPECT_EQ(GameChoiceFor("many.vst"), logic::ChoiceResult::PicturePairFileUnusable);

  // Source indices naming the record itself and a record past the end.
  for (std::uint32_t source : {1u, 2u, 7u, 0x7FFFFFFFu}) {
    Bytes shared = PairFileHeader(1);
    PutRecordHeader(shared, kOwnBytes, 4);
    shared.insert(shared.end(), {0xFF, 0xD8, 0xFF, 0xD9});
    PutRects(shared);
    PutRecordHeader(shared, source, 0);
    PutRects(shared);
    Put("shared.vst.qxs", shared);
    EXPECT_EQ(ScanError("shared.vst.qxs"), ErrorCode::BadSourceIndex) << "source " << source;
  }
}

class SilentUi : public launcher::ChooserUi {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::optional<std::string> AskGameFileToAdd() override { return answer; }
  std::vector<std::string> messages;
  std::optional<std::string> answer;
};

TEST_F(HostileFolder, NameFilesWithoutTerminatorOrWithHugeFieldsDoNotReachTheList) {
  // A name without terminator is the whole file; the description is empty.
  const std::string open = Put("open.vst", Bytes{'U', 'r', 'l', 'a', 'u', 'b'});
  auto read = gamefile::ReadNameFile(open);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().name, "Urlaub");
  EXPECT_EQ(read.value().description, "");

  // A 10 MB name field is refused as a whole; the launcher says it cannot
  // open the file and keeps its list as it was.
  const std::string huge = Put("huge.vst", Bytes(10u << 20, 'A'));
  EXPECT_EQ(gamefile::ReadNameFile(huge).error().code, ErrorCode::TooLarge);
  SilentUi ui;
  launcher::Chooser chooser(ui);
  chooser.Load(folder_.string());
  ui.answer = huge;
  chooser.Add();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], launcher::kMsgCannotOpenFile);
  EXPECT_EQ(chooser.ComboItems().size(), 1u);

  // The name that does read is cut to the launcher's field.
  ui.answer = open;
  chooser.Add();
  EXPECT_EQ(chooser.ComboItems().size(), 2u);
}

TEST_F(HostileFolder, ProjectFileCutInsideARecordLoadsNothing) {
  auto table = std::make_unique<editor::PictureTable>();
  (*table)[0].path = "/home/anna/bild1.jpg";
  (*table)[0].fileName = "bild1.jpg";
  const Bytes whole = editor::EncodeProjectFile(*table);
  ASSERT_TRUE(editor::DecodeProjectFile(whole));
  // Cut in the middle of the first record, in the middle of the last one,
  // and one byte short of complete.
  for (std::size_t cut : {std::size_t{30}, whole.size() - 30, whole.size() - 1}) {
    const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_FALSE(editor::DecodeProjectFile(part)) << "cut at " << cut;
  }
}

struct Display {
  Display() {
    game.backend = &backend;
    platform::StartDisplay(game, platform::kScreenWidth, platform::kScreenHeight, 32);
  }
  platform::HeadlessBackend backend;
  platform::Platform game;
};

Bytes Wave(std::uint32_t claimedDataBytes, std::size_t presentDataBytes) {
  testsupport::WaveLayout layout;
  layout.channels = 2;
  layout.rate = 44100;
  layout.claimedDataBytes = claimedDataBytes;
  return testsupport::MakeWave(layout, Bytes(presentDataBytes, 0x11));
}

TEST_F(HostileFolder, WavesAndBitmapsThatClaimTooMuchAreRefused) {
  Display display;
  display.game.startDirectory = folder_.string();
  Put("ok.wav", Wave(400, 400));
  Put("long.wav", Wave(0x7FFFFFF0, 400));
  EXPECT_TRUE(platform::LoadWave(display.game, "ok.wav", 0));
  EXPECT_FALSE(platform::LoadWave(display.game, "long.wav", 1));

  // A bitmap header claiming 100000 x 100000 pixels over 54 bytes.
  Bytes bitmap{'B', 'M'};
  PutU32(bitmap, 54);
  PutU32(bitmap, 0);
  PutU32(bitmap, 54);
  PutU32(bitmap, 40);
  PutU32(bitmap, 100000);
  PutU32(bitmap, 100000);
  PutU16(bitmap, 1);
  PutU16(bitmap, 24);
  for (int i = 0; i < 6; ++i) PutU32(bitmap, 0);
  Put("huge.bmp", bitmap);
  EXPECT_FALSE(platform::LoadBitmapFile(display.game, "huge.bmp", 64, 64));
  EXPECT_FALSE(display.game.endRequested);
  EXPECT_TRUE(display.backend.messages.empty());
}

// Every input a fuzzer once broke, run through the reader it broke.
std::vector<Bytes> RegressionInputs(const std::string& reader) {
  std::vector<Bytes> inputs;
  const fs::path folder = fs::path(VISTREL_HOSTILE_DIR) / "regression" / reader;
  if (!fs::exists(folder)) return inputs;
  for (const auto& entry : fs::directory_iterator(folder)) {
    auto bytes = gamefile::ReadWholeFile(entry.path().string());
    if (bytes) inputs.push_back(*bytes);
  }
  return inputs;
}

TEST(FuzzerFindings, StayRefusedOrReadSafely) {
  for (const Bytes& input : RegressionInputs("wave")) (void)platform::ParseWave(input);
  for (const Bytes& input : RegressionInputs("game_file")) (void)gamefile::ReadPicturePairs(input);
  for (const Bytes& input : RegressionInputs("hand_off")) (void)handoff::DecodeRequest(input);
  for (const Bytes& input : RegressionInputs("project_file")) (void)editor::DecodeProjectFile(input);
  for (const Bytes& input : RegressionInputs("high_scores")) (void)logic::DecodeHighScores(input);
  Display display;
  for (const Bytes& input : RegressionInputs("jpeg")) {
    (void)platform::DecodeJpeg(display.game, 490, 430, input.data(), input.size());
  }
  // The folder is found (an empty run would pass without checking anything).
  EXPECT_FALSE(RegressionInputs("wave").empty());
}

}  // namespace

// The whole program on the headless backend: real start-up from a data
// folder made here, the frame loop, and shut-down writing vol.qxf.
#include <gtest/gtest.h>

#include "flow_test_fixture.h"
#include "logic/game_program.h"
#include "logic/name_entry.h"
#include "test_support/wave.h"

namespace logic {
namespace {

void WriteSilentWave(const std::string& path) {
  leveltest::WriteBytes(path, testsupport::MakeWave({}, std::vector<std::uint8_t>(4410 * 2, 0)));
}

// Everything the catalogue names, in flat colours and silence.
void WriteDataFolder() {
  namespace fs = std::filesystem;
  fs::create_directories("data/qxdata");
  fs::create_directories("data/qxdata_0");
  for (const platform::BitmapEntry& entry : platform::BitmapCatalogue()) {
    flowtest::WriteFlatBitmap(entry.path, entry.width, entry.height, flowtest::SlotColour(entry.slot));
  }
  for (int track = 0; track < platform::kMusicTrackCount; ++track) {
    ASSERT_TRUE(flowtest::WriteSilentOgg(platform::MusicTrackPath(track)));
  }
  for (int buffer = 0; buffer < platform::kSoundBufferCount; ++buffer) {
    if (!platform::SoundBufferPath(buffer).empty()) WriteSilentWave(platform::SoundBufferPath(buffer));
  }
  std::vector<gamefile::PictureRecord> builtIn(8);
  for (int i = 0; i < 8; ++i) {
    builtIn[i].jpeg = flowtest::FlatJpeg(128, 96, flowtest::SlotColour(25 + i));
    builtIn[i].widthField = 1024;
    builtIn[i].heightField = 768;
  }
  ASSERT_TRUE(gamefile::WriteFileAtomically("data//igdata.qxs", gamefile::EncodePicturePairFile(builtIn)).ok());
  std::vector<gamefile::PictureRecord> pairs(4);
  for (auto& record : pairs) {
    record.jpeg = flowtest::FlatJpeg(488, 430, {90, 140, 200});
    record.rects = leveltest::SampleRects();
  }
  ASSERT_TRUE(gamefile::WritePicturePairFile("data//dataset.qxs", pairs).ok());
}

class GameProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDataFolder();
    // Each clock query moves 1 ms on, so the loop makes progress by itself.
    backend.clockStepPerQuery = 1000;
    backend.cursorX = 512;
    backend.cursorY = 384;
  }
  leveltest::ScratchDirectory dir;
  platform::HeadlessBackend backend;
};

TEST_F(GameProgramTest, QuitDuringTheIntroEndsAtOnceAndStillWritesTheSettings) {
  backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
    if (frame == 40) b.ScriptQuit();
  };
  EXPECT_EQ(RunGame(backend), 0);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(backend.presentCount, 40);
  EXPECT_EQ(leveltest::ReadBytes("vol.qxf"), (std::vector<std::uint8_t>{1, 43, 1, 70, 1, 70}));
}

TEST_F(GameProgramTest, MenuChangesReachVolQxfWhenEscapeEndsTheProgram) {
  leveltest::WriteBytes("vol.qxf", {1, 43, 5, 70, 0, 20});  // "on" bytes other than 0 read as on
  backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
    if (frame == 3) b.ScriptKey('A');                 // skip the intro
    if (frame == 5) b.ScriptMotion(600 - 512, 680 - 384);  // onto the speech slider
    if (frame == 6) b.ScriptButton(0, true);
    if (frame == 8) b.ScriptButton(0, false);
    if (frame == 10) b.ScriptKey(kKeyEscape);
  };
  EXPECT_EQ(RunGame(backend), 0);
  EXPECT_LT(backend.presentCount, 20);
  EXPECT_EQ(leveltest::ReadBytes("vol.qxf"), (std::vector<std::uint8_t>{1, 43, 1, 70, 0, 65}));
}

// The screen saver stays off through the intro and every level, and may
// start in the menu and the high-score screens; the backend hears of each
// change once.
TEST_F(GameProgramTest, ScreenSaverOnlyWhileTheGameWaits) {
  std::vector<std::pair<int, bool>> seen;  // (frame, allowed) at each change
  std::size_t reported = 0;
  backend.onPresent = [&](platform::HeadlessBackend& b, int frame) {
    for (; reported < b.screenSaverChanges.size(); ++reported) seen.emplace_back(frame, b.screenSaverChanges[reported]);
    if (frame == 3) b.ScriptKey('A');  // the intro ends: the menu
    if (frame == 10) b.ScriptMotion(400 - 512, 290 - 384);  // onto "Neues Spiel"
    if (frame == 11) b.ScriptClick();
    if (frame == 30) b.ScriptKey(kKeyEscape);  // the level is abandoned
    if (frame == 40) b.ScriptKey(kKeyEscape);  // the menu ends the program
  };
  EXPECT_EQ(RunGame(backend), 0);
  // The change made in a frame is reported after that frame's picture, so it
  // shows up in the next frame's report.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_TRUE(seen[0].second);   // menu after the intro
  EXPECT_GE(seen[0].first, 4);
  EXPECT_FALSE(seen[1].second);  // the level
  EXPECT_GE(seen[1].first, 12);
  EXPECT_LE(seen[1].first, 14);
  EXPECT_TRUE(seen[2].second);   // back in the menu
  EXPECT_GE(seen[2].first, 31);
}

// The switch between window and full screen is remembered in a file of its
// own; vol.qxf keeps its six bytes, and no key reaches the screens.
TEST_F(GameProgramTest, WindowModeIsRememberedForTheNextStart) {
  backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
    if (frame == 3) b.ScriptWindowModeSwitch(true);
    if (frame == 6) b.ScriptQuit();
  };
  EXPECT_EQ(RunGame(backend), 0);
  EXPECT_FALSE(backend.windowedChosen);  // the first start: full screen
  EXPECT_EQ(leveltest::ReadBytes("fenster.qxf"), (std::vector<std::uint8_t>{1}));
  EXPECT_EQ(leveltest::ReadBytes("vol.qxf").size(), 6u);

  platform::HeadlessBackend next;
  next.clockStepPerQuery = 1000;
  next.onPresent = [](platform::HeadlessBackend& b, int frame) {
    if (frame == 2) b.ScriptWindowModeSwitch(false);
    if (frame == 4) b.ScriptQuit();
  };
  EXPECT_EQ(RunGame(next), 0);
  EXPECT_TRUE(next.windowedChosen);
  EXPECT_EQ(leveltest::ReadBytes("fenster.qxf"), (std::vector<std::uint8_t>{0}));
}

TEST_F(GameProgramTest, PointerOnBeendenBeforeTheStartEndsTheGameWithOneClick) {
  // Taking the mouse moves the system pointer to the window's middle; the
  // menu cursor still starts where the player left it, on "Beenden".
  backend.cursorX = 530;
  backend.cursorY = 540;
  backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
    if (frame == 3) b.ScriptKey('A');  // skip the intro
    if (frame == 6) b.ScriptButton(0, true);
    if (frame == 8) b.ScriptButton(0, false);
    if (frame == 100) b.ScriptQuit();  // the click did nothing
  };
  EXPECT_EQ(RunGame(backend), 0);
  EXPECT_LT(backend.presentCount, 20);
}

TEST_F(GameProgramTest, MissingPicturePairFileEndsWithItsMessage) {
  std::filesystem::remove("data//dataset.qxs");
  EXPECT_EQ(RunGame(backend), 0);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].caption, "Fehler");
  EXPECT_NE(backend.messages[0].text.find("Spieldatei"), std::string::npos);
  EXPECT_EQ(backend.presentCount, 0);
}

}  // namespace
}  // namespace logic

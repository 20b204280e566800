// SetUpLevel on the headless platform: pictures into slots 1 and 2, the
// played-picture record through several levels, the time per level, and the
// messages for damaged or missing files.
#include "play_test_fixture.h"

#include <set>

#include "logic/level_setup.h"

namespace logic {
namespace {

using leveltest::ReadBytes;
using leveltest::WriteBytes;
using playtest::PlayGame;

// Pictures are decoded with their size fields: 490 x 430, stretched from 488.
TEST(LevelSetUp, LoadsThePairAndItsRectangles) {
  PlayGame game;
  game.SetUp();
  ASSERT_FALSE(game.platform.endRequested);
  const int pick = game.state.level.chosenPair;
  ASSERT_GE(pick, 0);
  for (int side = 0; side < 2; ++side) {
    const auto& image = game.platform.images[1 + side];
    EXPECT_EQ(image.width, 490);
    EXPECT_EQ(image.height, 430);
    const std::uint32_t expected = playtest::Xrgb(playtest::PictureColour(2 * pick + side));
    const std::uint32_t actual = game.SlotPixel(1 + side, 245, 215);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(static_cast<int>((actual >> shift) & 0xFF), static_cast<int>((expected >> shift) & 0xFF), 3);
  }
  const auto rects = playtest::PlayRects();
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(game.state.play.rects[0].left[j], rects[j].x1);
    EXPECT_EQ(game.state.play.rects[0].right[j], rects[j].x2);
    EXPECT_EQ(game.state.play.rects[0].top[j], rects[j].y1);
    EXPECT_EQ(game.state.play.rects[0].bottom[j], rects[j].y2);
  }
  EXPECT_EQ(game.state.level.levelNumber, 1);
  EXPECT_EQ(game.state.level.secondsLeft, 60);
  EXPECT_EQ(game.state.level.secondsAtStart, 60);
  EXPECT_DOUBLE_EQ(game.state.level.timeBarScale, 934.0 / 60);
  EXPECT_EQ(game.platform.images[3].width, 934);
}

TEST(LevelSetUp, LevelNumberFollowsThePreviousPhase) {
  PlayGame game;
  game.SetUp();
  game.state.level.phase = kPhaseLevelComplete;
  game.state.level.timeBonus = 20;
  game.SetUp();
  EXPECT_EQ(game.state.level.levelNumber, 2);
  EXPECT_EQ(game.state.level.secondsLeft, 70);
  game.state.level.phase = kPhaseTimeOver;
  game.SetUp();
  EXPECT_EQ(game.state.level.levelNumber, 1);
  EXPECT_EQ(game.state.level.secondsLeft, 60);  // the bonus does not count at level 1
}

TEST(LevelSetUp, RecordFillsUpOverNLevelsThenStartsOver) {
  PlayGame game(3);
  std::set<int> picks;
  for (int level = 1; level <= 3; ++level) {
    game.SetUp();
    picks.insert(game.state.level.chosenPair);
    const auto record = ReadBytes("qxdat.qxf");
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(std::count(record.begin(), record.end(), 1), level);
  }
  EXPECT_EQ(picks.size(), 3u);
  game.SetUp();
  const auto record = ReadBytes("qxdat.qxf");
  EXPECT_EQ(std::count(record.begin(), record.end(), 1), 1);
}

TEST(LevelSetUp, RecordOfWrongLengthIsRebuilt) {
  PlayGame game(3);
  WriteBytes("qxdat.qxf", {1, 1, 1, 1});
  game.SetUp();
  const auto record = ReadBytes("qxdat.qxf");
  ASSERT_EQ(record.size(), 3u);
  EXPECT_EQ(std::count(record.begin(), record.end(), 1), 1);
}

TEST(LevelSetUp, SharedPictureShowsTheSameImageOnBothSides) {
  auto records = playtest::PlayRecords(2);
  for (int pair = 0; pair < 2; ++pair) {
    records[2 * pair + 1].sourceIndex = 2 * pair;
    records[2 * pair + 1].jpeg.clear();
  }
  PlayGame game(records);
  game.SetUp();
  ASSERT_FALSE(game.platform.endRequested);
  EXPECT_EQ(game.SlotPixel(1, 100, 100), game.SlotPixel(2, 100, 100));
  EXPECT_EQ(game.SlotPixel(1, 400, 300), game.SlotPixel(2, 400, 300));
}

TEST(LevelSetUp, UncreatableRecordEndsTheGameWithItsMessage) {
  PlayGame game;
  std::filesystem::create_directory("qxdat.qxf");  // a folder where the record belongs
  game.SetUp();
  EXPECT_TRUE(game.platform.endRequested);
  ASSERT_EQ(game.backend.messages.size(), 1u);
  EXPECT_EQ(game.backend.messages[0].caption, "Fehler");
  EXPECT_EQ(game.backend.messages[0].text, PlayedRecordMessage());
  EXPECT_NE(game.backend.messages[0].text.find("Die Datei qxdat.qxf konnte nicht erzeugt werden."), std::string::npos);
  EXPECT_GE(game.backend.minimiseCount, 1);
  EXPECT_FALSE(game.platform.displayStarted);
}

TEST(LevelSetUp, PicturePairFileGoneOrDamagedEndsTheGameWithItsMessage) {
  {
    PlayGame game;
    std::filesystem::remove("data//dataset.qxs");
    game.SetUp();
    EXPECT_TRUE(game.platform.endRequested);
    ASSERT_EQ(game.backend.messages.size(), 1u);
    EXPECT_EQ(game.backend.messages[0].text, PicturePairFileMessage());
  }
  {
    // Same length, but the JPEG bytes replaced: the decoder reports it.
    PlayGame game(1);
    auto bytes = ReadBytes("data//dataset.qxs");
    std::fill(bytes.begin() + 14, bytes.end() - 100, 0x00);
    WriteBytes("data//dataset.qxs", bytes);
    game.SetUp();
    EXPECT_TRUE(game.platform.endRequested);
    EXPECT_EQ(game.backend.messages.size(), 1u);
  }
}

TEST(LevelSetUp, ImplausiblePictureSizeIsRefusedBeforeDecoding) {
  auto records = playtest::PlayRecords(1);
  records[0].widthField = 60000;
  records[0].heightField = 60000;
  PlayGame game(records);
  game.SetUp();
  EXPECT_TRUE(game.platform.endRequested);
  ASSERT_EQ(game.backend.messages.size(), 1u);
  EXPECT_EQ(game.backend.messages[0].text, PicturePairFileMessage());
}

TEST(LevelSetUp, ChoiceOfAUserGameFile) {
  PlayGame game;  // built-in file present
  const std::string nameFile = (game.dir.path() / "eigene.vst").string();
  ASSERT_TRUE(gamefile::WritePicturePairFile(nameFile + ".qxs", playtest::PlayRecords(2)).ok());
  WriteBytes("vst.dat", std::vector<std::uint8_t>(nameFile.begin(), nameFile.end()));
  GameState state;
  ASSERT_TRUE(ChooseGameFile(state, game.platform));
  EXPECT_EQ(state.gameFile.pairCount, 2);
  EXPECT_EQ(state.gameFile.playedRecordFile, nameFile + ".qxf");
  SetUpLevel(state, game.platform);
  EXPECT_EQ(ReadBytes(nameFile + ".qxf").size(), 2u);
  EXPECT_FALSE(std::filesystem::exists("qxdat.qxf"));

  // A damaged user file is refused at start-up with the game-file message.
  WriteBytes(nameFile + ".qxs", {5, 0, 1, 2, 3});
  GameState damaged;
  EXPECT_FALSE(ChooseGameFile(damaged, game.platform));
  EXPECT_TRUE(game.platform.endRequested);
  EXPECT_EQ(game.backend.messages.back().text, PicturePairFileMessage());
}

}  // namespace
}  // namespace logic

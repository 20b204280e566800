// A generated game file, chosen as the launcher chooses it, is set up by the
// game's level set-up: both pictures decoded and the stored rectangles live.
#include "play_test_fixture.h"

#include "generated_game_file.h"

namespace {

TEST(GeneratedGameFile, LoadsInTheGamesLevelSetUp) {
  playtest::PlayGame game;  // the built-in set is present, as in every install
  const std::string nameFile = (game.dir.path() / "neu.vst").string();
  const auto result = scenegen::WriteGeneratedGameFile({21, 2, scenegen::Difficulty::Schwer}, nameFile);
  ASSERT_EQ(result.outcome, scenegen::GenerateOutcome::Written) << result.message;
  leveltest::WriteBytes("vst.dat", std::vector<std::uint8_t>(nameFile.begin(), nameFile.end()));

  logic::GameState state;
  ASSERT_TRUE(logic::ChooseGameFile(state, game.platform));
  EXPECT_EQ(state.gameFile.pairCount, 2);
  const auto records = *gamefile::ReadPicturePairFile(nameFile + ".qxs");
  for (int level = 0; level < 2; ++level) {
    logic::SetUpLevel(state, game.platform);
    ASSERT_FALSE(game.platform.endRequested) << "level " << level;
    const int pair = state.level.chosenPair;
    ASSERT_GE(pair, 0);
    for (int side = 1; side <= 2; ++side) {
      EXPECT_EQ(game.platform.images[side].width, 490);
      EXPECT_EQ(game.platform.images[side].height, 430);
    }
    const auto& stored = records[2 * pair].rects;
    for (int j = 0; j < 5; ++j) {
      EXPECT_EQ(state.play.rects[0].left[j], stored[j].x1);
      EXPECT_EQ(state.play.rects[0].right[j], stored[j].x2);
      EXPECT_EQ(state.play.rects[0].top[j], stored[j].y1);
      EXPECT_EQ(state.play.rects[0].bottom[j], stored[j].y2);
      EXPECT_GT(stored[j].x2, stored[j].x1);
    }
  }
  EXPECT_EQ(leveltest::ReadBytes(nameFile + ".qxf").size(), 2u) << "both pairs recorded as played";
}

}  // namespace

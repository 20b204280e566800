// Random source, choice file, played-picture record and level timing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "level_test_support.h"
#include "logic/game_file_choice.h"
#include "logic/level_rules.h"
#include "logic/played_record.h"
#include "logic/random.h"

namespace logic {
namespace {

using leveltest::ReadBytes;
using leveltest::ScratchDirectory;
using leveltest::WriteBytes;

TEST(RandomSource, ReproducesTheCRuntimeSequence) {
  RandomGenerator generator;
  SeedRandom(generator, 1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(NextRandomRaw(generator), value);
}

TEST(RandomSource, BetweenScalesAndSwapsBounds) {
  RandomGenerator generator;
  SeedRandom(generator, 1);
  // 41 * 6 / 32768 = 0, 18467 * 6 / 32768 = 3, 6334 * 6 / 32768 = 1
  EXPECT_EQ(RandomBetween(generator, 0, 5), 0);
  EXPECT_EQ(RandomBetween(generator, 0, 5), 3);
  EXPECT_EQ(RandomBetween(generator, 10, 15), 11);
  // lo > hi: lo becomes hi, so the result is always hi.
  EXPECT_EQ(RandomBetween(generator, 9, 4), 4);
  for (int i = 0; i < 1000; ++i) {
    const int v = RandomBetween(generator, -3, 3);
    ASSERT_GE(v, -3);
    ASSERT_LE(v, 3);
  }
}

TEST(RandomSource, RawInRangeRejectsOthers) {
  RandomGenerator generator;
  SeedRandom(generator, 1);
  // 41 and 18467 are rejected for 6000..7000; 6334 is taken.
  EXPECT_EQ(RandomRawInRange(generator, 6000, 7000), 6334);
  EXPECT_EQ(NextRandomRaw(generator), 26500);
}

TEST(ChoiceFile, SelectsBuiltInOrDerivedNames) {
  GameFileChoice choice;
  ApplyChoiceFile({}, choice);
  EXPECT_TRUE(choice.builtIn);
  EXPECT_EQ(choice.picturePairFile, "data//dataset.qxs");
  EXPECT_EQ(choice.highScoreFile, "HS.qxf");
  EXPECT_EQ(choice.playedRecordFile, "qxdat.qxf");

  const std::string path = "/home/u/Meine Bilder.vst";
  for (std::uint8_t end : {0x00, 0xFF}) {
    std::vector<std::uint8_t> bytes(path.begin(), path.end());
    bytes.push_back(end);
    bytes.push_back('x');
    ApplyChoiceFile(bytes, choice);
    EXPECT_FALSE(choice.builtIn);
    EXPECT_EQ(choice.picturePairFile, path + ".qxs");
    EXPECT_EQ(choice.highScoreFile, path + ".qxh");
    EXPECT_EQ(choice.playedRecordFile, path + ".qxf");
  }
  const std::vector<std::uint8_t> plain(path.begin(), path.end());
  ApplyChoiceFile(plain, choice);
  EXPECT_EQ(choice.picturePairFile, path + ".qxs");

  ApplyChoiceFile(std::vector<std::uint8_t>{0xFF, 'a', 'b'}, choice);
  EXPECT_TRUE(choice.builtIn);
  ApplyChoiceFile(std::vector<std::uint8_t>{0x00, 'a', 'b'}, choice);
  EXPECT_TRUE(choice.builtIn);
  EXPECT_EQ(choice.picturePairFile, "data//dataset.qxs");
}

TEST(ChoiceFile, PathIsCutAfterThousandBytes) {
  GameFileChoice choice;
  std::vector<std::uint8_t> bytes(1500, 'a');
  ApplyChoiceFile(bytes, choice);
  EXPECT_EQ(choice.picturePairFile, std::string(1000, 'a') + ".qxs");
}

TEST(ChoiceFile, ValidatesThePicturePairFile) {
  ScratchDirectory dir;
  const std::string nameFile = (dir.path() / "spiel.vst").string();
  WriteBytes("vst.dat", std::vector<std::uint8_t>(nameFile.begin(), nameFile.end()));
  GameFileChoice choice;
  EXPECT_EQ(ReadGameFileChoice(choice), ChoiceResult::PicturePairFileUnusable);  // no .qxs yet

  const auto records = leveltest::SampleRecords(3, gamefile::Bytes(30, 7));
  WriteBytes(nameFile + ".qxs", gamefile::EncodePicturePairFile(records));
  ASSERT_EQ(ReadGameFileChoice(choice), ChoiceResult::Ready);
  EXPECT_EQ(choice.pairCount, 3);
  EXPECT_EQ(choice.index.records.size(), 6u);

  // Damaged files: pair count 0, and a count larger than the records held.
  WriteBytes(nameFile + ".qxs", {0, 0});
  EXPECT_EQ(ReadGameFileChoice(choice), ChoiceResult::PicturePairFileUnusable);
  auto claimsMore = gamefile::EncodePicturePairFile(records);
  claimsMore[0] = 200;
  WriteBytes(nameFile + ".qxs", claimsMore);
  EXPECT_EQ(ReadGameFileChoice(choice), ChoiceResult::PicturePairFileUnusable);
}

TEST(PlayedRecord, FirstRunCreatesZeroRecordAndMarksOnePair) {
  ScratchDirectory dir;
  std::vector<int> played;
  EXPECT_EQ(LoadPlayedRecord("qxdat.qxf", 4, played), RecordLoad::Rebuilt);
  EXPECT_EQ(ReadBytes("qxdat.qxf"), std::vector<std::uint8_t>(4, 0));
  RandomGenerator random;
  const int pick = ChooseUnplayedPair(played, random);
  SavePlayedRecord("qxdat.qxf", played);
  auto bytes = ReadBytes("qxdat.qxf");
  ASSERT_EQ(bytes.size(), 4u);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 1), 1);
  EXPECT_EQ(bytes[pick], 1);
}

TEST(PlayedRecord, WrongLengthIsRebuiltAndStrayBytesCountAsUnplayed) {
  ScratchDirectory dir;
  std::vector<int> played;
  for (std::size_t length : {3u, 5u, 100000u}) {
    WriteBytes("r.qxf", std::vector<std::uint8_t>(length, 1));
    EXPECT_EQ(LoadPlayedRecord("r.qxf", 4, played), RecordLoad::Rebuilt);
    EXPECT_EQ(played, std::vector<int>(4, 0));
    EXPECT_EQ(ReadBytes("r.qxf"), std::vector<std::uint8_t>(4, 0));
  }
  WriteBytes("r.qxf", {1, 0, 7, 1});
  EXPECT_EQ(LoadPlayedRecord("r.qxf", 4, played), RecordLoad::Loaded);
  EXPECT_EQ(played, (std::vector<int>{1, 0, 0, 1}));
}

TEST(PlayedRecord, UncreatableRecordIsReported) {
  ScratchDirectory dir;
  std::vector<int> played;
  EXPECT_EQ(LoadPlayedRecord("missing/qxdat.qxf", 4, played), RecordLoad::CannotCreate);
  SavePlayedRecord("missing/qxdat.qxf", played);  // silent
  EXPECT_FALSE(std::filesystem::exists("missing/qxdat.qxf"));
}

TEST(PlayedRecord, EveryPairOnceBeforeAnyRepeats) {
  RandomGenerator random;
  SeedRandom(random, 12345);
  std::vector<int> played(6, 0);
  std::set<int> firstRound;
  for (int level = 0; level < 6; ++level) firstRound.insert(ChooseUnplayedPair(played, random));
  EXPECT_EQ(firstRound.size(), 6u);
  EXPECT_EQ(played, std::vector<int>(6, 1));
  // The seventh choice starts over: exactly one flag is set again.
  const int pick = ChooseUnplayedPair(played, random);
  EXPECT_EQ(std::count(played.begin(), played.end(), 1), 1);
  EXPECT_EQ(played[pick], 1);

  std::vector<int> single(1, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ChooseUnplayedPair(single, random), 0);
}

TEST(PlayedRecord, SeededChoiceIsReproducible) {
  RandomGenerator a, b;
  SeedRandom(a, 777);
  SeedRandom(b, 777);
  std::vector<int> pa(10, 0), pb(10, 0);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(ChooseUnplayedPair(pa, a), ChooseUnplayedPair(pb, b));
}

TEST(PlayedRecord, PairsBeyondTheGeneratorRangeAreStillReached) {
  // With more pairs than raw values, odd indexes can never be drawn; the
  // choice must still end.
  RandomGenerator random;
  std::vector<int> played(40000, 1);
  played[39999] = 0;
  EXPECT_EQ(ChooseUnplayedPair(played, random), 39999);
}

TEST(LevelTiming, SecondsByLevelWithBonus) {
  EXPECT_EQ(SecondsForLevel(1, 20), 60);
  EXPECT_EQ(SecondsForLevel(2, 20), 70);
  EXPECT_EQ(SecondsForLevel(3, 0), 45);
  EXPECT_EQ(SecondsForLevel(7, 0), 25);
  EXPECT_EQ(SecondsForLevel(8, 5), 25);
  EXPECT_EQ(SecondsForLevel(19, 0), 20);
  EXPECT_EQ(SecondsForLevel(20, 0), 15);
  EXPECT_EQ(SecondsForLevel(25, 7), 22);
}

TEST(LevelTiming, BonusBySecondsNeeded) {
  const std::pair<int, int> table[] = {{0, 20}, {9, 20}, {10, 15}, {14, 15}, {15, 10}, {19, 10},
                                       {20, 7}, {24, 7}, {25, 5},  {29, 5},  {30, 0},  {200, 0}};
  for (auto [needed, bonus] : table) EXPECT_EQ(TimeBonusFor(needed), bonus) << needed;
}

TEST(ClickRules, StrictInsideAndOverlaps) {
  DifferenceSet set;
  set.left[0] = 10, set.right[0] = 20, set.top[0] = 10, set.bottom[0] = 20;
  set.left[1] = 15, set.right[1] = 30, set.top[1] = 15, set.bottom[1] = 30;
  for (int j = 2; j < 5; ++j) set.left[j] = 400, set.right[j] = 450, set.top[j] = 300, set.bottom[j] = 350;
  EXPECT_TRUE(DifferencesAt(set, 10, 15).empty());   // on the left edge
  EXPECT_TRUE(DifferencesAt(set, 11, 10).empty());   // on the top edge
  EXPECT_EQ(DifferencesAt(set, 11, 11), std::vector<int>{0});
  EXPECT_EQ(DifferencesAt(set, 19, 19), (std::vector<int>{0, 1}));
  EXPECT_EQ(DifferencesAt(set, 20, 19), std::vector<int>{1});  // right edge of 0
  set.found[1] = 1;
  EXPECT_EQ(DifferencesAt(set, 19, 19), std::vector<int>{0});
  // Rectangles beyond the first five are never tested.
  set.left[5] = 0, set.right[5] = 500, set.top[5] = 0, set.bottom[5] = 500;
  EXPECT_TRUE(DifferencesAt(set, 100, 100).empty());
}

TEST(ClickRules, PictureAreasAndPenalty) {
  EXPECT_FALSE(InPictureArea(-10, 200));
  EXPECT_TRUE(InPictureArea(-9, 200));
  EXPECT_TRUE(InPictureArea(491, 74));
  EXPECT_FALSE(InPictureArea(492, 200));
  EXPECT_FALSE(InPictureArea(500, 200));  // the gap between the pictures
  EXPECT_TRUE(InPictureArea(501, 502));
  EXPECT_FALSE(InPictureArea(990, 200));
  EXPECT_FALSE(InPictureArea(200, 73));
  EXPECT_FALSE(InPictureArea(200, 503));

  LevelValues level;
  level.points = 15;
  level.secondsLeft = 25;
  ApplyWrongClick(level);
  EXPECT_EQ(level.points, 5);
  EXPECT_EQ(level.secondsLeft, 15);
  ApplyWrongClick(level);
  EXPECT_EQ(level.points, 0);
  EXPECT_EQ(level.secondsLeft, 5);
  ApplyWrongClick(level);
  EXPECT_EQ(level.secondsLeft, 0);
}

}  // namespace
}  // namespace logic

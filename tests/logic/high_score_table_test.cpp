#include "logic/high_score_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "gamefile/file_io.h"

namespace logic {
namespace {

namespace fs = std::filesystem;

class HighScoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("hs_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  fs::path folder_;
};

TEST(HighScoreEncoding, DefaultTableHasTheExactFileLayout) {
  const std::vector<std::uint8_t> bytes = EncodeHighScores(DefaultHighScoreTable());
  ASSERT_EQ(bytes.size(), 150u);
  // Rank 1: "QUALDREX  ", 52000 = 0x0000CB20 big-endian, level 18.
  const std::vector<std::uint8_t> first(bytes.begin(), bytes.begin() + 15);
  EXPECT_EQ(first, (std::vector<std::uint8_t>{'Q', 'U', 'A', 'L', 'D', 'R', 'E', 'X', ' ', ' ', 0x00, 0x00,
                                               0xCB, 0x20, 18}));
  // Rank 10: 10000 = 0x2710, level 3.
  EXPECT_EQ(bytes[135], 'Q');
  EXPECT_EQ(bytes[145], 0x00);
  EXPECT_EQ(bytes[146], 0x00);
  EXPECT_EQ(bytes[147], 0x27);
  EXPECT_EQ(bytes[148], 0x10);
  EXPECT_EQ(bytes[149], 3);
}

TEST(HighScoreEncoding, RoundTripKeepsNamesBytesAndLargePoints) {
  HighScoreTable table = DefaultHighScoreTable();
  table[4].name = {'J', 0xC4, 'R', 'G', 0, 0, 'x', 0, 0, 0};  // cp1252 umlaut and leftovers kept as bytes
  table[4].points = 0x01020304;
  table[4].level = 200;
  auto decoded = DecodeHighScores(EncodeHighScores(table));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, table);
  EXPECT_EQ(EncodeHighScores(table)[4 * 15 + 10], 0x01);
}

TEST(HighScoreEncoding, ShortIsDamagedAndTrailingBytesAreIgnored) {
  std::vector<std::uint8_t> bytes = EncodeHighScores(DefaultHighScoreTable());
  EXPECT_TRUE(DecodeHighScores(bytes).has_value());
  bytes.pop_back();
  EXPECT_FALSE(DecodeHighScores(bytes).has_value());
  bytes.push_back(3);
  bytes.push_back(0xEE);
  bytes.push_back(0xEE);
  EXPECT_EQ(DecodeHighScores(bytes), DefaultHighScoreTable());
  EXPECT_FALSE(DecodeHighScores({}).has_value());
}

TEST_F(HighScoreFileTest, MissingFileIsCreatedWithTheDefaultTable) {
  const std::string path = PathOf("game.vst.qxh");
  EXPECT_EQ(LoadOrCreateHighScores(path), DefaultHighScoreTable());
  auto stored = gamefile::ReadWholeFile(path);
  ASSERT_TRUE(stored.ok());
  EXPECT_EQ(*stored, EncodeHighScores(DefaultHighScoreTable()));
}

TEST_F(HighScoreFileTest, ExistingFileIsReadAsStored) {
  HighScoreTable table = DefaultHighScoreTable();
  table[0].points = 99999;
  ASSERT_TRUE(SaveHighScoreTable(PathOf("HS.qxf"), table));
  EXPECT_EQ(LoadOrCreateHighScores(PathOf("HS.qxf")), table);
}

TEST_F(HighScoreFileTest, TruncatedFileIsReplacedByTheDefaultTable) {
  const std::string path = PathOf("HS.qxf");
  std::vector<std::uint8_t> damaged = EncodeHighScores(DefaultHighScoreTable());
  damaged[10 + 3] = 0x99;  // would be 52000 + something if read
  damaged.resize(80);
  ASSERT_TRUE(gamefile::WriteFileAtomically(path, damaged).ok());
  EXPECT_EQ(LoadOrCreateHighScores(path), DefaultHighScoreTable());
  EXPECT_EQ(fs::file_size(path), 150u);
}

TEST_F(HighScoreFileTest, LongerFileIsReadAndLeftAsItIs) {
  const std::string path = PathOf("game.vst.qxh");
  HighScoreTable table = DefaultHighScoreTable();
  table[0].name = {'A', 'n', 'n', 'a', ' ', ' ', ' ', ' ', ' ', ' '};
  table[0].points = 61000;
  table[0].level = 20;
  std::vector<std::uint8_t> stored = EncodeHighScores(table);
  stored.insert(stored.end(), {0x0D, 0x0A, 'x', 0x00});  // left there by some other program
  ASSERT_TRUE(gamefile::WriteFileAtomically(path, stored).ok());
  EXPECT_EQ(LoadOrCreateHighScores(path), table);
  EXPECT_EQ(*gamefile::ReadWholeFile(path), stored);

  // Far larger than any table: still only its first ten entries count.
  stored.resize(1u << 20, 0x55);
  ASSERT_TRUE(gamefile::WriteFileAtomically(path, stored).ok());
  EXPECT_EQ(LoadOrCreateHighScores(path), table);
  EXPECT_EQ(fs::file_size(path), 1u << 20);
}

TEST_F(HighScoreFileTest, UnwritablePlaceStillGivesTheDefaultTable) {
  // A folder that does not exist cannot be written, whatever rights the test has.
  const std::string path = PathOf("missing-folder/HS.qxf");
  EXPECT_EQ(LoadOrCreateHighScores(path), DefaultHighScoreTable());
  EXPECT_FALSE(SaveHighScoreTable(path, DefaultHighScoreTable()));
  EXPECT_FALSE(fs::exists(path));
}

TEST(HighScoreRanking, EqualPointsRankBelowTheOlderEntry) {
  const HighScoreTable table = DefaultHighScoreTable();
  EXPECT_EQ(RankFor(table, 52000), 1);
  EXPECT_EQ(RankFor(table, 52001), 0);
  EXPECT_EQ(RankFor(table, 10000), kNoRank);
  EXPECT_EQ(RankFor(table, 10001), 9);
  EXPECT_EQ(RankFor(table, 0), kNoRank);
  EXPECT_EQ(RankFor(table, 42999), 2);
}

TEST(HighScoreRanking, ZeroPointsNeverRankEvenAgainstAnEmptyTable) {
  HighScoreTable table{};
  EXPECT_EQ(RankFor(table, 0), kNoRank);
  EXPECT_EQ(RankFor(table, 1), 0);
}

TEST(HighScoreRanking, PlaceholderShiftsLaterEntriesAndDropsTheLast) {
  HighScoreTable table = DefaultHighScoreTable();
  InsertPlaceholder(table, 9);
  EXPECT_EQ(table[9].points, 0u);
  EXPECT_EQ(table[9].level, 0);
  EXPECT_EQ(DisplayName(table[9]), "          ");
  EXPECT_EQ(table[8].points, 20000u);

  table = DefaultHighScoreTable();
  InsertPlaceholder(table, 0);
  EXPECT_EQ(table[0].points, 0u);
  EXPECT_EQ(table[1].points, 52000u);
  EXPECT_EQ(table[9].points, 20000u);  // 10000 dropped out
}

TEST(HighScoreDisplay, NameEndsAtZeroAndForeignBytesShowAsSpaces) {
  HighScoreEntry entry;
  entry.name = {'A', 'n', '1', 0xC4, '!', 'Z', 0, 'Q', 'Q', 'Q'};
  EXPECT_EQ(DisplayName(entry), "An   Z");
  entry.name = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'};
  EXPECT_EQ(DisplayName(entry), "ABCDEFGHIJ");
}

}  // namespace
}  // namespace logic

// Every named asset number against the catalogue: the file a slot is loaded
// from, its size and whether black is transparent, and the data file behind
// each named sound buffer and music track. A name that drifts from the
// artwork it stands for fails here, not as a wrong picture on one screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/asset_numbers.h"
#include "platform/assets.h"
#include "platform/types.h"

namespace {

namespace asset = platform::asset;

struct ExpectedImage {
  int slot;
  const char* path;
  int width;
  int height;
  bool keyed;
};

const platform::BitmapEntry* CatalogueRow(const std::vector<platform::BitmapEntry>& table, int slot) {
  auto row = std::find_if(table.begin(), table.end(), [slot](const auto& e) { return e.slot == slot; });
  return row == table.end() ? nullptr : &*row;
}

void ExpectRow(const std::vector<platform::BitmapEntry>& table, const ExpectedImage& expected) {
  SCOPED_TRACE(expected.slot);
  const platform::BitmapEntry* row = CatalogueRow(table, expected.slot);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->path, expected.path);
  EXPECT_EQ(row->width, expected.width);
  EXPECT_EQ(row->height, expected.height);
  EXPECT_EQ(row->blackTransparent, expected.keyed);
}

TEST(AssetNumbers, EveryNamedBitmapSlotHoldsItsFileSizeAndTransparency) {
  const auto table = platform::BitmapCatalogue();
  const ExpectedImage named[] = {
      {asset::kMenuHighlightSlot, "data/data001.dat", 383, 70, true},
      {asset::kTimeBarSlot, "data/data002.dat", 934, 12, true},
      {asset::kIntroBannerASlot, "data/data003.dat", 583, 114, true},
      {asset::kIntroBannerBSlot, "data/data004.dat", 577, 219, true},
      {asset::kHitMarkerSlot, "data/data005.dat", 81, 40, true},
      {asset::kMissMarkerSlot, "data/data006.dat", 81, 40, true},
      {asset::kCursorSlot, "data/data007.dat", 28, 35, true},
      {asset::kCreditsFinalSlot, "data/data008.dat", 201, 24, true},
      {asset::kFirstDigitSlot, "data/data018.dat", 40, 45, true},
      {asset::kFirstDigitSlot + 1, "data/data009.dat", 40, 45, true},
      {asset::kFirstDigitSlot + asset::kDigitCount - 1, "data/data017.dat", 40, 45, true},
      {asset::kColonSlot, "data/data019.dat", 40, 45, true},
      {asset::kLogoSlot, "data/data020.dat", 110, 100, true},
      {asset::kCoverSlot, "data/data021.dat", 490, 430, true},
      {asset::kFirstGlyphSlot, "data/qxdata/1.dat", 25, 25, true},
      {asset::kTextCursorGlyphSlot, "data/qxdata/27.dat", 25, 25, true},
      {asset::kFirstSmallGlyphSlot, "data/qxdata/l_1.dat", 25, 25, true},
      {asset::kFirstSmallGlyphSlot + asset::kSmallGlyphCount - 1, "data/qxdata/l_26.dat", 25, 25, true},
      {asset::kFirstTitleLetterSlot, "data/qxdata_0/data001.dat", 125, 125, true},
      {asset::kFirstTitleLetterSlot + asset::kTitleLetterCount - 1, "data/qxdata_0/data008.dat", 125, 125, true},
      {asset::kFirstColourSlot, "data/data022.dat", 74, 71, true},
      {asset::kFirstColourSlot + asset::kColourCount - 1, "data/data027.dat", 74, 71, true},
      {asset::kSpeechOffSlot, "data/data028.dat", 32, 30, false},
      {asset::kSpeechOnSlot, "data/data029.dat", 32, 30, false},
      {asset::kMusicOnSlot, "data/data030.dat", 32, 30, false},
      {asset::kMusicOffSlot, "data/data031.dat", 32, 30, false},
      {asset::kKnobSlot, "data/data032.dat", 31, 16, true},
      {asset::kBarSlot, "data/data033.dat", 301, 19, false},
      {asset::kEffectsOnSlot, "data/data034.dat", 32, 30, false},
      {asset::kEffectsOffSlot, "data/data035.dat", 32, 30, false},
  };
  for (const ExpectedImage& expected : named) ExpectRow(table, expected);
  EXPECT_EQ(asset::kTextCursorGlyphSlot, asset::kFirstGlyphSlot + asset::kGlyphCount - 1);
}

TEST(AssetNumbers, RangesAreWhollyInTheCatalogueWithOneSizeEach) {
  const auto table = platform::BitmapCatalogue();
  struct Range {
    int first, count, width, height;
  };
  for (const Range& range : {Range{asset::kFirstDigitSlot, asset::kDigitCount, 40, 45},
                             Range{asset::kFirstGlyphSlot, asset::kGlyphCount, 25, 25},
                             Range{asset::kFirstSmallGlyphSlot, asset::kSmallGlyphCount, 25, 25},
                             Range{asset::kFirstTitleLetterSlot, asset::kTitleLetterCount, 125, 125},
                             Range{asset::kFirstColourSlot, asset::kColourCount, 74, 71}}) {
    for (int slot = range.first; slot < range.first + range.count; ++slot) {
      SCOPED_TRACE(slot);
      const platform::BitmapEntry* row = CatalogueRow(table, slot);
      ASSERT_NE(row, nullptr);
      EXPECT_EQ(row->width, range.width);
      EXPECT_EQ(row->height, range.height);
      EXPECT_TRUE(row->blackTransparent);
    }
  }
}

TEST(AssetNumbers, PictureSlotsAreFilledByNothingElse) {
  const auto table = platform::BitmapCatalogue();
  std::set<int> pictures(std::begin(asset::kBuiltInPictureSlots), std::end(asset::kBuiltInPictureSlots));
  EXPECT_EQ(pictures.size(), 8u);
  pictures.insert(asset::kLeftPictureSlot);
  pictures.insert(asset::kRightPictureSlot);
  for (int slot : pictures) {
    EXPECT_GE(slot, 0);
    EXPECT_LT(slot, platform::kImageSlotCount);
    EXPECT_EQ(CatalogueRow(table, slot), nullptr) << slot;
  }
  const std::vector<int> fileOrder(std::begin(asset::kBuiltInPictureSlots), std::end(asset::kBuiltInPictureSlots));
  EXPECT_EQ(fileOrder, (std::vector<int>{asset::kPlayBackgroundSlot, asset::kTableBackgroundSlot,
                                         asset::kMenuBackgroundSlot, asset::kPanoramaSlot,
                                         asset::kCreditsSoundPictureSlot, asset::kCreditsProgrammerPictureSlot,
                                         asset::kCreditsGraphicsPictureSlot, asset::kTitleCardSlot}));
}

TEST(AssetNumbers, NamedSoundsAndTracksComeFromTheirDataFiles) {
  struct Expected {
    int number;
    const char* path;
  };
  const Expected sounds[] = {
      {asset::kGameOverSound, "data/mdat008.dat"},         {asset::kLevelCompleteSound, "data/mdat009.dat"},
      {asset::kWrongClickSound, "data/mdat010.dat"},       {asset::kTenSecondWarningSound, "data/mdat011.dat"},
      {asset::kIntroStartSound, "data/mdat012.dat"},       {asset::kTickSound, "data/mdat013.dat"},
      {asset::kBounceSound, "data/mdat016.dat"},           {asset::kConfettiSound, "data/mdat017.dat"},
      {asset::kNameEntryFanfareSound, "data/mdat024.dat"}, {asset::kLogoSettleSound, "data/mdat025.dat"},
      {asset::kFirstFindJingleSound, "data/mdat034.dat"},
      {asset::kFirstFindJingleSound + asset::kFindJingleCount - 1, "data/mdat039.dat"},
      {asset::kFindFiveSpeech, "data/mdat014.dat"},        {asset::kReadySteadyGoSpeech, "data/mdat015.dat"},
      {asset::kAllFoundSpeech, "data/mdat018.dat"},        {asset::kFourLeftSpeech, "data/mdat019.dat"},
      {asset::kThreeLeftSpeech, "data/mdat020.dat"},       {asset::kTwoLeftSpeech, "data/mdat021.dat"},
      {asset::kOneLeftSpeech, "data/mdat022.dat"},         {asset::kLastFoundSpeech, "data/mdat023.dat"},
      {asset::kFourLeftOtherSpeech, "data/mdat026.dat"},   {asset::kTwoLeftOtherSpeech, "data/mdat028.dat"},
      {asset::kOneLeftOtherSpeech, "data/mdat029.dat"},    {asset::kLastFoundLateSpeech, "data/mdat030.dat"},
      {asset::kWhereIsItSpeech, "data/mdat031.dat"},       {asset::kLookCloselySpeech, "data/mdat032.dat"},
      {asset::kTimeIsRunningSpeech, "data/mdat033.dat"},
  };
  for (const Expected& sound : sounds) EXPECT_EQ(platform::SoundBufferPath(sound.number), sound.path) << sound.number;

  const Expected tracks[] = {{asset::kTableMusic, "data/mdat001.dat"},
                             {asset::kMenuMusic, "data/mdat003.dat"},
                             {asset::kCreditsMusic, "data/mdat004.dat"},
                             {asset::kNameEntryMusic, "data/mdat007.dat"}};
  for (const Expected& track : tracks) EXPECT_EQ(platform::MusicTrackPath(track.number), track.path) << track.number;
  std::set<int> playTracks;
  for (int track : asset::kPlayMusicTracks) {
    EXPECT_FALSE(platform::MusicTrackPath(track).empty()) << track;
    for (int screenTrack : {asset::kTableMusic, asset::kMenuMusic, asset::kCreditsMusic, asset::kNameEntryMusic})
      EXPECT_NE(track, screenTrack);
    playTracks.insert(track);
  }
  EXPECT_EQ(playTracks.size(), 4u);  // a level can always pick a track other than the last one
}

}  // namespace

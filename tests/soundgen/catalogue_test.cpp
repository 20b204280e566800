#include "catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "dsp.h"
#include "effects.h"

namespace soundgen {
namespace {

TEST(Catalogue, FilesMapToTracksAndBuffersAsTheGameLoadsThem) {
  const auto entries = SoundCatalogue();
  ASSERT_EQ(entries.size(), 40u);
  EXPECT_EQ(DataFileName(entries[0].fileNumber), "mdat001.dat");
  EXPECT_EQ(DataFileName(entries[39].fileNumber), "mdat040.dat");
  std::set<int> tracks, buffers;
  for (const AssetEntry& e : entries) {
    (e.kind == AssetKind::Music ? tracks : buffers).insert(e.index);
  }
  EXPECT_EQ(tracks, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(buffers.size(), 32u);
  EXPECT_EQ(buffers.count(26), 0u);  // buffer 26 has no file
  EXPECT_EQ(entries[7].index, 0);    // mdat008 -> buffer 0
  EXPECT_EQ(entries[32].index, 25);  // mdat033 -> buffer 25
  EXPECT_EQ(entries[33].index, 27);  // mdat034 -> buffer 27
  EXPECT_EQ(entries[38].index, 32);  // mdat039 -> buffer 32
  EXPECT_EQ(entries[39].kind, AssetKind::Music);
  EXPECT_EQ(entries[39].index, 7);   // mdat040 -> track 7
}

TEST(Catalogue, SpeechAndEffectsFallWhereTheScreensUseThem) {
  // Played with PlaySpeech by the play, level-end and menu screens.
  for (int buffer : {6, 7, 10, 11, 12, 13, 14, 15, 18, 20, 21, 22, 23, 24, 25}) {
    EXPECT_TRUE(IsSpeechBuffer(buffer)) << buffer;
  }
  for (int buffer : {0, 1, 2, 3, 4, 5, 8, 9, 16, 17, 27, 28, 29, 30, 31, 32}) {
    EXPECT_FALSE(IsSpeechBuffer(buffer)) << buffer;
    auto effect = MakeEffect(buffer);
    ASSERT_TRUE(effect.has_value()) << buffer;
    const Levels levels = MeasureLevels(*effect);
    EXPECT_LE(levels.peak, kSoundPeakCeiling + 1e-6) << buffer;
    EXPECT_GT(ToDecibels(levels.activeRms), -24.0) << buffer;
  }
  EXPECT_FALSE(MakeEffect(26).has_value());
  EXPECT_FALSE(MakeEffect(6).has_value());
}

TEST(Catalogue, TheTickIsShortEnoughForOnePerSecondAndHover) {
  // Buffer 5 ticks every second and sounds on every menu hover.
  EXPECT_LT(MeasureLevels(*MakeEffect(5)).seconds, 0.2);
  // The six hit jingles are distinct sounds.
  std::set<std::vector<float>> jingles;
  for (int buffer = 27; buffer <= 32; ++buffer) jingles.insert(MakeEffect(buffer)->left);
  EXPECT_EQ(jingles.size(), 6u);
}

}  // namespace
}  // namespace soundgen

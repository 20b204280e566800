// Wave files and the two sound channels: parsing, refusal of damaged or
// non-PCM files, volume mapping and the on/off rules of effects and speech.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace {

TEST(ParseWave, ReadsPcmAndFindsTheFormatChunkByName) {
  auto wave = platform::ParseWave(fixtures::WaveBytes(100, 11025));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.formatTag, 1);
  EXPECT_EQ(wave->format.channels, 1);
  EXPECT_EQ(wave->format.samplesPerSecond, 11025u);
  EXPECT_EQ(wave->format.bitsPerSample, 16);
  EXPECT_EQ(wave->samples.size(), 200u);
  EXPECT_EQ(wave->samples[2], 200 & 0xFF);

  // A tag list in front of the format chunk (with an odd, padded size).
  auto tagged = platform::ParseWave(fixtures::WaveBytes(100, 11025, 1, true));
  ASSERT_TRUE(tagged);
  EXPECT_EQ(tagged->format.samplesPerSecond, 11025u);
  EXPECT_EQ(tagged->samples, wave->samples);
}

TEST(ParseWave, RefusesNonPcmDamagedAndLyingFiles) {
  EXPECT_FALSE(platform::ParseWave(fixtures::WaveBytes(100, 22050, 2)));  // ADPCM tag
  EXPECT_FALSE(platform::ParseWave(std::vector<std::uint8_t>{}));
  EXPECT_FALSE(platform::ParseWave(fixtures::BitmapBytes(2, 2, [](int, int) { return fixtures::Rgb{}; })));

  auto bytes = fixtures::WaveBytes(100);
  auto truncated = bytes;
  truncated.resize(30);  // inside the format chunk
  EXPECT_FALSE(platform::ParseWave(truncated));

  auto lying = bytes;
  // The data chunk claims a megabyte the file does not hold.
  const std::size_t dataSize = lying.size() - 200 - 4;
  lying[dataSize + 2] = 0x10;
  EXPECT_FALSE(platform::ParseWave(lying));

  auto noData = bytes;
  noData[36] = 'x';  // "data" renamed
  EXPECT_FALSE(platform::ParseWave(noData));
}

TEST(SoundVolume, SettingsMapToDecibelsAndMixerLevels) {
  EXPECT_EQ(platform::SoundVolumeToHundredthsDb(70), -1500);
  EXPECT_EQ(platform::SoundVolumeToHundredthsDb(0), -5000);
  EXPECT_EQ(platform::SoundVolumeToHundredthsDb(100), 0);
  EXPECT_EQ(platform::SoundVolumeToHundredthsDb(255), 0);
  EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(0), 128);
  EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(-1500), 23);  // 128 * 10^-0.75
  EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(-600), 64);
  // -50 dB is quiet but audible; only -100 dB is silence.
  EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(-5000), 1);
  EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(-10000), 0);
}

class SoundChannels : public ::testing::Test {
 protected:
  void SetUp() override {
    game.backend = &backend;
    fixtures::WriteFile("tick.dat", fixtures::WaveBytes(2205, 22050));  // 100 ms
    ASSERT_TRUE(platform::LoadWave(game, "tick.dat", 4));
  }
  fixtures::ScopedWorkDir dir;
  platform::HeadlessBackend backend;
  platform::Platform game;
};

TEST_F(SoundChannels, EachChannelHasItsOwnSwitchAndVolume) {
  game.sound.effectsOn = 0;
  game.sound.speechOn = 1;
  game.sound.speechVolume = 70;
  platform::PlayEffect(game, 4);
  EXPECT_TRUE(backend.audioCalls.empty());
  platform::PlaySpeech(game, 4);
  EXPECT_EQ(backend.audioCalls, std::vector<std::string>{"sound-play 4 23"});

  game.sound.effectsOn = 1;
  game.sound.effectsVolume = 0;
  game.sound.speechOn = 0;
  backend.audioCalls.clear();
  platform::PlaySpeech(game, 4);
  platform::PlayEffect(game, 4);
  EXPECT_EQ(backend.audioCalls, std::vector<std::string>{"sound-play 4 1"});
}

TEST_F(SoundChannels, PlayingRestartsAndStopEnds) {
  platform::PlayEffect(game, 4);
  EXPECT_TRUE(platform::IsSoundPlaying(game, 4));
  backend.AdvanceClock(80'000);
  platform::PlayEffect(game, 4);  // restarts from the beginning
  backend.AdvanceClock(80'000);
  EXPECT_TRUE(platform::IsSoundPlaying(game, 4));
  backend.AdvanceClock(30'000);
  EXPECT_FALSE(platform::IsSoundPlaying(game, 4));
  platform::PlayEffect(game, 4);
  platform::StopSound(game, 4);
  EXPECT_FALSE(platform::IsSoundPlaying(game, 4));
}

TEST_F(SoundChannels, EmptyAndUnknownBuffersAreIgnored) {
  platform::PlayEffect(game, 26);
  platform::PlaySpeech(game, 33);
  platform::PlayEffect(game, -1);
  platform::StopSound(game, 26);
  EXPECT_FALSE(platform::IsSoundPlaying(game, 26));
  EXPECT_TRUE(backend.audioCalls.empty());
  EXPECT_FALSE(platform::LoadWave(game, "tick.dat", 33));
  EXPECT_FALSE(platform::LoadWave(game, "missing.dat", 5));
}

}  // namespace

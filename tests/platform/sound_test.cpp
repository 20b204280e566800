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
  // The data chunk claims a megabyte the file does not hold: what is there
  // plays, and nothing past the file's end is read.
  const std::size_t dataSize = lying.size() - 200 - 4;
  lying[dataSize + 2] = 0x10;
  auto present = platform::ParseWave(lying);
  ASSERT_TRUE(present);
  EXPECT_EQ(present->samples, platform::ParseWave(bytes)->samples);
  lying.pop_back();  // half a frame at the end is left out
  EXPECT_EQ(platform::ParseWave(lying)->samples.size(), 198u);
  // More than any sound buffer holds.
  lying[dataSize + 3] = 0x10;
  EXPECT_FALSE(platform::ParseWave(lying));

  auto noData = bytes;
  noData[36] = 'x';  // "data" renamed
  EXPECT_FALSE(platform::ParseWave(noData));
}

struct PcmFormat {
  std::uint16_t channels, blockAlign, bits;
  std::uint32_t rate = 22050;
};

// A wave of the given PCM format over the data bytes as they stand.
std::vector<std::uint8_t> PcmWave(PcmFormat format, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out;
  auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
  auto u16 = [&](std::uint32_t v) {
    for (int i = 0; i < 2; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  tag("RIFF");
  u32(static_cast<std::uint32_t>(36 + data.size()));
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);
  u16(format.channels);
  u32(format.rate);
  u32(format.rate * format.blockAlign);
  u16(format.blockAlign);
  u16(format.bits);
  tag("data");
  u32(static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<std::int16_t> Samples16(const platform::WaveData& wave) {
  EXPECT_EQ(wave.format.bitsPerSample, 16);
  EXPECT_EQ(wave.format.blockAlign, 2 * wave.format.channels);
  std::vector<std::int16_t> samples;
  for (std::size_t i = 0; i + 1 < wave.samples.size(); i += 2) {
    samples.push_back(static_cast<std::int16_t>(wave.samples[i] | (wave.samples[i + 1] << 8)));
  }
  return samples;
}

TEST(ParseWave, PlaysEveryPcmSampleSizeAndChannelCount) {
  // 24-bit mono: the top two bytes of each sample.
  auto wave24 = platform::ParseWave(PcmWave({1, 3, 24}, {0x11, 0x22, 0x33, 0xFF, 0x00, 0x80, 0x01, 0x02}));
  ASSERT_TRUE(wave24);
  EXPECT_EQ(wave24->format.channels, 1);
  EXPECT_EQ(wave24->format.samplesPerSecond, 22050u);
  EXPECT_EQ(Samples16(*wave24), (std::vector<std::int16_t>{0x3322, -32768}));  // the last, partial frame is left out

  // 32-bit stereo.
  auto wave32 = platform::ParseWave(PcmWave({2, 8, 32}, {0, 0, 0x34, 0x12, 0, 0, 0xCC, 0xED}));
  ASSERT_TRUE(wave32);
  EXPECT_EQ(wave32->format.channels, 2);
  EXPECT_EQ(Samples16(*wave32), (std::vector<std::int16_t>{0x1234, -0x1234}));

  // 12 bits in 16-bit containers keep their bytes.
  auto wave12 = platform::ParseWave(PcmWave({1, 2, 12}, {0x10, 0x7F}));
  ASSERT_TRUE(wave12);
  EXPECT_EQ(Samples16(*wave12), (std::vector<std::int16_t>{0x7F10}));

  // Four channels of 8 bits: the first two, as 16 bits.
  auto quad = platform::ParseWave(PcmWave({4, 4, 8}, {0x80, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF}));
  ASSERT_TRUE(quad);
  EXPECT_EQ(quad->format.channels, 2);
  EXPECT_EQ(Samples16(*quad), (std::vector<std::int16_t>{0, 127 * 256, -32768, 0}));
}

TEST(ParseWave, BlockAlignThatCannotBeRightIsLeftAside) {
  const std::vector<std::uint8_t> data{1, 2, 3, 4, 5, 6, 7, 8};
  // 16-bit stereo claiming 3 or 0 bytes a frame: the samples are packed.
  for (std::uint16_t blockAlign : {3, 0, 1}) {
    auto wave = platform::ParseWave(PcmWave({2, blockAlign, 16}, data));
    ASSERT_TRUE(wave) << blockAlign;
    EXPECT_EQ(wave->format.blockAlign, 4) << blockAlign;
    EXPECT_EQ(wave->format.averageBytesPerSecond, 22050u * 4);
    EXPECT_EQ(wave->samples, data) << blockAlign;
  }
  // 16-bit mono in 4-byte blocks: each sample left-justified in its block.
  auto padded = platform::ParseWave(PcmWave({1, 4, 16}, data));
  ASSERT_TRUE(padded);
  EXPECT_EQ(Samples16(*padded), (std::vector<std::int16_t>{0x0403, 0x0807}));
}

TEST(ParseWave, RefusesWhatNoDeviceCanPlay) {
  const std::vector<std::uint8_t> data(64, 0x40);
  EXPECT_TRUE(platform::ParseWave(PcmWave({1, 2, 16, 100}, data)));
  EXPECT_TRUE(platform::ParseWave(PcmWave({1, 2, 16, 200000}, data)));
  EXPECT_FALSE(platform::ParseWave(PcmWave({0, 2, 16}, data)));           // no channel
  EXPECT_FALSE(platform::ParseWave(PcmWave({1, 2, 16, 0}, data)));        // no rate
  EXPECT_FALSE(platform::ParseWave(PcmWave({1, 2, 16, 99}, data)));
  EXPECT_FALSE(platform::ParseWave(PcmWave({1, 2, 16, 200001}, data)));
  EXPECT_FALSE(platform::ParseWave(PcmWave({1, 2, 0}, data)));            // no bits
  EXPECT_FALSE(platform::ParseWave(PcmWave({1, 8, 64}, data)));           // beyond 32 bits
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

TEST_F(SoundChannels, ConvertedSoundsLoadAndPlay) {
  fixtures::WriteFile("deep.dat", PcmWave({2, 6, 24, 44100}, std::vector<std::uint8_t>(6 * 4410, 0x20)));
  ASSERT_TRUE(platform::LoadWave(game, "deep.dat", 7));
  game.sound.effectsOn = 1;
  platform::PlayEffect(game, 7);
  EXPECT_TRUE(platform::IsSoundPlaying(game, 7));
}

}  // namespace

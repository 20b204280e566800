// Checks the sound and music files the build wrote into the data folder:
// every file is there, loads the way the game loads it, has the length its
// screen needs, does not clip and sits at the common level.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "catalogue.h"
#include "dsp.h"
#include "speech.h"
#include "vorbis_memory.h"
#include "wave_file.h"

namespace soundgen {
namespace {

std::string PathOf(int fileNumber) { return std::string(SOUNDGEN_DATA_DIR) + "/" + DataFileName(fileNumber); }

gamefile::Bytes Load(int fileNumber) {
  auto bytes = gamefile::ReadWholeFile(PathOf(fileNumber));
  return bytes.ok() ? bytes.value() : gamefile::Bytes{};
}

StereoBuffer ToStereo(const PcmWave& wave) {
  StereoBuffer out(wave.frames());
  for (std::size_t i = 0; i < wave.frames(); ++i) {
    out.left[i] = wave.samples[2 * i] / 32768.0f;
    out.right[i] = wave.samples[2 * i + 1] / 32768.0f;
  }
  return out;
}

// The waves decoded once for all tests.
const std::map<int, StereoBuffer>& Waves() {
  static const std::map<int, StereoBuffer> waves = [] {
    std::map<int, StereoBuffer> m;
    for (const AssetEntry& e : SoundCatalogue()) {
      if (e.kind == AssetKind::Music) continue;
      auto parsed = ParseWave(Load(e.fileNumber));
      if (parsed.ok() && parsed.value().channels == 2) m[e.index] = ToStereo(parsed.value());
    }
    return m;
  }();
  return waves;
}

TEST(DataFiles, EveryWaveHasTheHeaderTheGameReads) {
  for (const AssetEntry& e : SoundCatalogue()) {
    if (e.kind == AssetKind::Music) continue;
    SCOPED_TRACE(DataFileName(e.fileNumber));
    const gamefile::Bytes bytes = Load(e.fileNumber);
    ASSERT_GE(bytes.size(), 46u) << "missing or empty";
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVE", 4), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 12, "fmt ", 4), 0) << "format chunk must come first";
    const std::uint32_t riffSize = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | bytes[7] << 24;
    EXPECT_EQ(riffSize + 8, bytes.size());
    auto wave = ParseWave(bytes);
    ASSERT_TRUE(wave.ok()) << wave.reason();
    EXPECT_EQ(wave.value().formatTag, 1);
    EXPECT_EQ(wave.value().sampleRate, 44100);
    EXPECT_EQ(wave.value().channels, 2);
    EXPECT_EQ(wave.value().bitsPerSample, 16);
  }
  EXPECT_EQ(Waves().size(), 32u);
}

TEST(DataFiles, WavesDoNotClipAndShareOneLevel) {
  std::vector<double> levels;
  for (const auto& [buffer, sound] : Waves()) {
    SCOPED_TRACE("buffer " + std::to_string(buffer));
    const Levels l = MeasureLevels(sound);
    EXPECT_LT(l.peak, 0.95);  // at most -1 dBFS was written
    EXPECT_GT(l.peak, 0.2);   // and nothing is near silent
    levels.push_back(ToDecibels(l.activeRms));
    EXPECT_LT(std::abs(sound.left.front()), 0.01f);  // starts without a click
    EXPECT_LT(std::abs(sound.left.back()), 0.01f);
  }
  std::sort(levels.begin(), levels.end());
  const double median = levels[levels.size() / 2];
  for (double level : levels) EXPECT_NEAR(level, median, 6.0);
}

TEST(DataFiles, SoundLengthsFitTheirMoments) {
  const auto& w = Waves();
  auto seconds = [&](int buffer) { return static_cast<double>(w.at(buffer).frames()) / kSampleRate; };
  EXPECT_LT(seconds(5), 0.2);   // the tick, once a second in the last eight seconds
  EXPECT_LT(seconds(9), 0.5);   // a confetti throw, many per second
  EXPECT_LT(seconds(3), 1.2);   // the warning lasts the one second at ten
  EXPECT_LT(seconds(6), 2.0);   // said during the 1.5 s of intro part A
  for (int buffer = 27; buffer <= 32; ++buffer) EXPECT_LT(seconds(buffer), 1.0) << buffer;
  for (const SpeechLine& line : SpeechLines()) {
    EXPECT_GT(seconds(line.buffer), 0.5) << line.buffer;
    EXPECT_LT(seconds(line.buffer), 5.0) << line.buffer;
  }
}

TEST(DataFiles, LevelCompleteWaitsForThePraiseOfTheLastFind) {
  // Speech 15 or 22 starts one frame before speech 10; 10 must not talk over it.
  const StereoBuffer& complete = Waves().at(kLevelCompleteSpeech);
  std::size_t firstSound = 0;
  while (firstSound < complete.frames() && std::abs(complete.left[firstSound]) < 0.003f) ++firstSound;
  for (int buffer : kLastFindSpeeches) {
    EXPECT_GE(firstSound, Waves().at(buffer).frames()) << buffer;
  }
}

TEST(DataFiles, SdlMixerLoadsEveryWave) {
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
  for (const AssetEntry& e : SoundCatalogue()) {
    if (e.kind == AssetKind::Music) continue;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(PathOf(e.fileNumber).c_str(), "rb"), 1);
    ASSERT_NE(chunk, nullptr) << DataFileName(e.fileNumber) << ": " << Mix_GetError();
    // At the mixer's own format nothing is converted: every byte arrives.
    EXPECT_EQ(chunk->alen, Waves().at(e.index).frames() * 4) << DataFileName(e.fileNumber);
    Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  SDL_Quit();
}

TEST(DataFiles, MusicDecodesWithVorbisfileAtItsLength) {
  // track -> least seconds: play tracks outlast a level, menu and credits
  // a long stay; music is never looped.
  const std::map<int, double> least = {{0, 60}, {1, 100}, {2, 120}, {3, 120},
                                       {4, 100}, {5, 100}, {6, 60}, {7, 100}};
  for (const AssetEntry& e : SoundCatalogue()) {
    if (e.kind != AssetKind::Music) continue;
    SCOPED_TRACE(DataFileName(e.fileNumber));
    const auto decoded = testing::DecodeVorbis(Load(e.fileNumber));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.totalFrames, static_cast<long long>(decoded.sound.frames()));
    const double seconds = static_cast<double>(decoded.sound.frames()) / kSampleRate;
    EXPECT_GE(seconds, least.at(e.index));
    EXPECT_LT(seconds, 180.0);
    const Levels levels = MeasureLevels(decoded.sound);
    EXPECT_LT(levels.peak, 1.0);  // decoded floats: no clipping
    EXPECT_GT(ToDecibels(levels.activeRms), -24.0);
    EXPECT_LT(ToDecibels(levels.activeRms), -10.0);
    // Quiet at both ends, so a rewind and restart does not click.
    StereoBuffer head = decoded.sound, tail = decoded.sound;
    head.resize(SecondsToFrames(0.005));
    tail.left.erase(tail.left.begin(), tail.left.end() - SecondsToFrames(0.1));
    tail.right.erase(tail.right.begin(), tail.right.end() - SecondsToFrames(0.1));
    EXPECT_LT(MeasureLevels(head).peak, 0.05);
    EXPECT_LT(MeasureLevels(tail).peak, 0.05);
    // No section drops out: every second between the first and the closing
    // chord carries music.
    const std::size_t second = SecondsToFrames(1.0);
    for (std::size_t at = 2 * second; at + 6 * second < decoded.sound.frames(); at += second) {
      double energy = 0.0;
      for (std::size_t i = at; i < at + second; ++i) energy += decoded.sound.left[i] * decoded.sound.left[i];
      ASSERT_GT(ToDecibels(std::sqrt(energy / second)), -35.0) << "silent near " << at / second << " s";
    }
  }
}

}  // namespace
}  // namespace soundgen

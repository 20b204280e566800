#include "dsp.h"

#include <gtest/gtest.h>

#include <cmath>

namespace soundgen {
namespace {

StereoBuffer Sine(double hz, double seconds, double amplitude) {
  StereoBuffer b(SecondsToFrames(seconds));
  for (std::size_t i = 0; i < b.frames(); ++i) {
    b.left[i] = b.right[i] = static_cast<float>(amplitude * std::sin(2.0 * M_PI * hz * i / kSampleRate));
  }
  return b;
}

TEST(Dsp, UpsamplingKeepsPitchAndLevel) {
  MonoBuffer in;
  in.sampleRate = 22050;
  for (int i = 0; i < 22050; ++i) in.samples.push_back(static_cast<float>(0.5 * std::sin(2.0 * M_PI * 1000.0 * i / 22050)));
  const MonoBuffer out = UpsampleTwice(in);
  ASSERT_EQ(out.sampleRate, 44100);
  ASSERT_EQ(out.samples.size(), 44100u);
  double worst = 0.0;
  for (int i = 1000; i < 43000; ++i) {  // away from the filter's edges
    const double expected = 0.5 * std::sin(2.0 * M_PI * 1000.0 * i / 44100);
    worst = std::max(worst, std::abs(out.samples[i] - expected));
  }
  EXPECT_LT(worst, 0.005);
}

TEST(Dsp, LevelsIgnoreSilenceAndNormalisingReachesTheTarget) {
  StereoBuffer tone = Sine(440, 0.5, 0.1);
  const double alone = MeasureLevels(tone).activeRms;
  AppendSilence(tone, 2.0);
  const Levels withPause = MeasureLevels(tone);
  EXPECT_NEAR(withPause.activeRms, alone, alone * 0.02);
  EXPECT_NEAR(withPause.activeRms, 0.1 / std::sqrt(2.0), 0.002);
  EXPECT_NEAR(withPause.seconds, 2.5, 1e-3);

  NormaliseLoudness(tone, 0.2, 0.9);
  EXPECT_NEAR(MeasureLevels(tone).activeRms, 0.2, 0.005);
}

TEST(Dsp, LimiterHoldsTheCeilingAndLeavesQuietPartsAlone) {
  StereoBuffer sound = Sine(220, 4.0, 0.3);
  sound.left[44100] = 1.8f;  // one spike after a second
  LimitPeaks(sound, 0.8);
  EXPECT_LE(MeasureLevels(sound).peak, 0.8 + 1e-6);
  const StereoBuffer untouched = Sine(220, 4.0, 0.3);
  EXPECT_EQ(sound.left[1000], untouched.left[1000]);      // long before the spike
  EXPECT_EQ(sound.left[170000], untouched.left[170000]);  // long after it
  EXPECT_LT(std::abs(sound.left[44090]), std::abs(untouched.left[44090]) + 1e-6);  // dips ahead

  StereoBuffer spiky = Sine(220, 1.0, 0.01);
  spiky.left[100] = 1.0f;  // loudness would need +30 dB: the peak caps the gain
  NormaliseLoudness(spiky, 0.2, 0.9);
  EXPECT_LE(MeasureLevels(spiky).peak, 0.9 + 1e-6);
}

TEST(Dsp, FadesMakeSilentEnds) {
  StereoBuffer sound = Sine(300, 0.5, 0.5);
  for (auto& v : sound.left) v = 0.5f;  // a DC edge would click hardest
  FadeEdges(sound, 0.01, 0.05);
  EXPECT_EQ(sound.left.front(), 0.0f);
  EXPECT_LT(std::abs(sound.left.back()), 0.001f);
  EXPECT_FLOAT_EQ(sound.left[sound.frames() / 2], 0.5f);
}

TEST(Dsp, FastSineMatchesTheLibraryForAnyPhase) {
  for (double phase : {-3.3, -0.25, 0.0, 0.1, 0.5, 0.999, 7.77, 12345.678}) {
    EXPECT_NEAR(FastSin(phase), std::sin(2.0 * M_PI * phase), 2e-6) << phase;
  }
}

TEST(Dsp, ReverbAddsADecayingTail) {
  StereoBuffer send(SecondsToFrames(3.0));
  send.left[0] = send.right[0] = 1.0f;
  StereoBuffer mix(send.frames());
  AddReverb(send, mix, ReverbSettings{});
  auto energy = [&](double from, double to) {
    double e = 0.0;
    for (std::size_t i = SecondsToFrames(from); i < SecondsToFrames(to); ++i) e += mix.left[i] * mix.left[i];
    return e;
  };
  EXPECT_GT(energy(0.0, 0.5), 0.0);
  EXPECT_GT(energy(0.0, 0.5), 10.0 * energy(2.0, 2.5));
  EXPECT_NE(mix.left[5000], mix.right[5000]);  // the two sides differ: a wide room
}

}  // namespace
}  // namespace soundgen

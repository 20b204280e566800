#include "dsp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace soundgen {
namespace {

const std::array<float, kSineTableSize + 1> kSineValues = [] {
  std::array<float, kSineTableSize + 1> t{};
  for (int i = 0; i <= kSineTableSize; ++i) {
    t[i] = static_cast<float>(std::sin(2.0 * M_PI * i / kSineTableSize));
  }
  return t;
}();

// One channel of the reverb. Each filter runs over the whole signal with its
// state in locals, which keeps it in registers: per-sample loops over a set
// of filter objects were the slowest part of a song.
void DampedComb(const std::vector<float>& in, std::vector<float>& sum, std::size_t length, float feedback,
                float damping) {
  std::vector<float> line(length, 0.0f);
  std::size_t pos = 0;
  float filtered = 0.0f;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const float out = line[pos];
    filtered = out * (1.0f - damping) + filtered * damping;
    line[pos] = in[i] + filtered * feedback;
    if (++pos == length) pos = 0;
    sum[i] += out;
  }
}

void AllPass(std::vector<float>& signal, std::size_t length) {
  std::vector<float> line(length, 0.0f);
  std::size_t pos = 0;
  for (float& v : signal) {
    const float delayed = line[pos];
    line[pos] = v + delayed * 0.5f;
    v = delayed - v;
    if (++pos == length) pos = 0;
  }
}

// The right channel uses slightly longer lines so the two sides
// decorrelate and the room sounds wide.
void ReverbChannel(const std::vector<float>& in, std::vector<float>& out, std::size_t spread,
                   const ReverbSettings& s) {
  static constexpr std::array<std::size_t, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
  static constexpr std::array<std::size_t, 3> kAllPasses = {556, 441, 341};
  std::vector<float> input(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) input[i] = in[i] * 0.2f;
  std::vector<float> wet(in.size(), 0.0f);
  for (auto length : kCombs) {
    DampedComb(input, wet, length + spread, static_cast<float>(s.roomSize), static_cast<float>(s.damping));
  }
  for (auto length : kAllPasses) AllPass(wet, length + spread);
  const auto gain = static_cast<float>(s.wet / kCombs.size() * 3.0);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] += wet[i] * gain;
}

}  // namespace

const float* const kSineTable = kSineValues.data();

Levels MeasureLevels(const StereoBuffer& sound) {
  Levels levels;
  levels.seconds = static_cast<double>(sound.frames()) / kSampleRate;
  const std::size_t block = kSampleRate / 100;
  double activeSum = 0.0;
  std::size_t activeCount = 0;
  for (std::size_t start = 0; start < sound.frames(); start += block) {
    const std::size_t end = std::min(sound.frames(), start + block);
    double sum = 0.0;
    for (std::size_t i = start; i < end; ++i) {
      const double l = sound.left[i];
      const double r = sound.right[i];
      levels.peak = std::max({levels.peak, std::abs(l), std::abs(r)});
      sum += l * l + r * r;
    }
    const std::size_t count = 2 * (end - start);
    // -50 dBFS separates pauses and reverb tails from the sound itself.
    if (std::sqrt(sum / count) > 0.00316) {
      activeSum += sum;
      activeCount += count;
    }
  }
  levels.activeRms = activeCount > 0 ? std::sqrt(activeSum / activeCount) : 0.0;
  return levels;
}

double ToDecibels(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9)); }

void ApplyGain(StereoBuffer& sound, double gain) {
  const auto g = static_cast<float>(gain);
  for (auto& v : sound.left) v *= g;
  for (auto& v : sound.right) v *= g;
}

void NormaliseLoudness(StereoBuffer& sound, double targetRms, double peakCeiling) {
  const Levels levels = MeasureLevels(sound);
  if (levels.peak <= 0.0 || levels.activeRms <= 0.0) return;
  const double gain = std::min(targetRms / levels.activeRms, 2.0 * peakCeiling / levels.peak);
  ApplyGain(sound, gain);
  LimitPeaks(sound, peakCeiling);
}

void LimitPeaks(StereoBuffer& sound, double ceiling) {
  const std::size_t n = sound.frames();
  if (n == 0) return;
  // Works on the gain reduction (1 - gain): it decays towards exactly 0,
  // where a gain stepped towards 1 in float would stick just below it.
  std::vector<float> reduction(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double peak = std::max(std::abs(sound.left[i]), std::abs(sound.right[i]));
    reduction[i] = peak > ceiling ? static_cast<float>(1.0 - ceiling / peak) : 0.0f;
  }
  // Backwards, a peak's reduction spreads into the time before it (the
  // look-ahead); forwards, into the time after it (the release). Each pass
  // only deepens the reduction, so every sample ends at or below the ceiling.
  const auto attack = static_cast<float>(std::exp(-1.0 / (0.002 * kSampleRate)));
  const auto release = static_cast<float>(std::exp(-1.0 / (0.12 * kSampleRate)));
  auto spread = [](float own, float neighbour, float factor) {
    const float carried = neighbour * factor;
    return std::max(own, carried < 1e-9f ? 0.0f : carried);
  };
  for (std::size_t i = n - 1; i-- > 0;) reduction[i] = spread(reduction[i], reduction[i + 1], attack);
  for (std::size_t i = 1; i < n; ++i) reduction[i] = spread(reduction[i], reduction[i - 1], release);
  for (std::size_t i = 0; i < n; ++i) {
    sound.left[i] *= 1.0f - reduction[i];
    sound.right[i] *= 1.0f - reduction[i];
  }
}

void FadeEdges(StereoBuffer& sound, double fadeInSeconds, double fadeOutSeconds) {
  const std::size_t frames = sound.frames();
  const std::size_t in = std::min(frames, SecondsToFrames(fadeInSeconds));
  const std::size_t out = std::min(frames, SecondsToFrames(fadeOutSeconds));
  for (std::size_t i = 0; i < in; ++i) {
    const auto g = static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / in));
    sound.left[i] *= g;
    sound.right[i] *= g;
  }
  for (std::size_t i = 0; i < out; ++i) {
    const std::size_t at = frames - 1 - i;
    const auto g = static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / out));
    sound.left[at] *= g;
    sound.right[at] *= g;
  }
}

MonoBuffer UpsampleTwice(const MonoBuffer& in) {
  constexpr int kHalfTaps = 16;
  std::array<float, 2 * kHalfTaps> taps{};
  for (int k = 0; k < 2 * kHalfTaps; ++k) {
    const double x = k - kHalfTaps + 0.5;  // distance to the new sample, in input samples
    const double sinc = std::sin(M_PI * x) / (M_PI * x);
    const double window = 0.42 + 0.5 * std::cos(M_PI * x / kHalfTaps) +
                          0.08 * std::cos(2.0 * M_PI * x / kHalfTaps);  // Blackman
    taps[k] = static_cast<float>(sinc * window);
  }
  MonoBuffer out;
  out.sampleRate = in.sampleRate * 2;
  const auto n = static_cast<long>(in.samples.size());
  out.samples.resize(2 * in.samples.size());
  for (long i = 0; i < n; ++i) {
    out.samples[2 * i] = in.samples[i];
    float sum = 0.0f;
    for (int k = 0; k < 2 * kHalfTaps; ++k) {
      const long at = i + k - kHalfTaps + 1;
      if (at >= 0 && at < n) sum += in.samples[at] * taps[k];
    }
    out.samples[2 * i + 1] = sum;
  }
  return out;
}

StereoBuffer MonoToStereo(const MonoBuffer& mono, double leadingSilence) {
  const std::size_t offset = SecondsToFrames(leadingSilence);
  StereoBuffer out(offset + mono.samples.size());
  for (std::size_t i = 0; i < mono.samples.size(); ++i) {
    out.left[offset + i] = mono.samples[i];
    out.right[offset + i] = mono.samples[i];
  }
  return out;
}

void HighPass(StereoBuffer& sound, double cutoffHz) {
  const auto r = static_cast<float>(1.0 - 2.0 * M_PI * cutoffHz / kSampleRate);
  for (auto* channel : {&sound.left, &sound.right}) {
    float previousIn = 0.0f;
    float previousOut = 0.0f;
    for (auto& v : *channel) {
      const float out = v - previousIn + r * previousOut;
      previousIn = v;
      previousOut = out;
      v = out;
    }
  }
}

void AppendSilence(StereoBuffer& sound, double seconds) {
  sound.resize(sound.frames() + SecondsToFrames(seconds));
}

void AddReverb(const StereoBuffer& send, StereoBuffer& mix, const ReverbSettings& settings) {
  ReverbChannel(send.left, mix.left, 0, settings);
  ReverbChannel(send.right, mix.right, 23, settings);
}

OnePoleLowPass::OnePoleLowPass(double cutoffHz) { setCutoff(cutoffHz); }

void OnePoleLowPass::setCutoff(double cutoffHz) {
  coefficient_ = static_cast<float>(1.0 - std::exp(-2.0 * M_PI * cutoffHz / kSampleRate));
}

StateVariableFilter::StateVariableFilter(double cutoffHz, double resonance) {
  setCutoff(cutoffHz);
  q_ = static_cast<float>(1.0 / std::max(0.5, resonance));
}

void StateVariableFilter::setCutoff(double cutoffHz) {
  const double limited = std::min(cutoffHz, kSampleRate / 6.0);  // stays stable
  f_ = static_cast<float>(2.0 * std::sin(M_PI * limited / kSampleRate));
}

void StateVariableFilter::process(float x) {
  low_ += f_ * band_;
  high_ = x - low_ - q_ * band_;
  band_ += f_ * high_;
}

}  // namespace soundgen

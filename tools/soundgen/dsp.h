#pragma once
// Signal processing shared by effects, speech and music: level measuring,
// gain staging, fades, resampling and a small stereo reverb.
#include <cstddef>

#include "audio.h"

namespace soundgen {

struct Levels {
  double peak = 0.0;       // largest absolute sample, 0..1
  double activeRms = 0.0;  // RMS over the 10 ms blocks that are not silence
  double seconds = 0.0;
};

// Loudness is judged on the audible part only, so a short tick and a long
// sentence with pauses compare fairly.
Levels MeasureLevels(const StereoBuffer& sound);

double ToDecibels(double amplitude);

void ApplyGain(StereoBuffer& sound, double gain);

// Scales the sound so its active RMS reaches targetRms and lets a peak
// limiter hold the peaks at peakCeiling. The limiter takes at most 6 dB off
// the loudest transients; a sound that would need more stays quieter.
void NormaliseLoudness(StereoBuffer& sound, double targetRms, double peakCeiling);

// Look-ahead peak limiter: no sample leaves above `ceiling`, the gain dips
// within about 2 ms before a peak and recovers over about 120 ms, so drum
// hits are tamed without audible pumping.
void LimitPeaks(StereoBuffer& sound, double ceiling);

// Short raised-cosine fades at both ends, so no sound starts or stops with
// a click when the game restarts it from the beginning.
void FadeEdges(StereoBuffer& sound, double fadeInSeconds, double fadeOutSeconds);

// Doubles the sample rate with a windowed-sinc half-band filter (espeak-ng
// speaks at 22050 Hz, the game mixes at 44100 Hz).
MonoBuffer UpsampleTwice(const MonoBuffer& in);

StereoBuffer MonoToStereo(const MonoBuffer& mono, double seconds_of_leading_silence = 0.0);

// Removes DC and rumble below ~30 Hz, which would only eat headroom.
void HighPass(StereoBuffer& sound, double cutoffHz);

// Appends `seconds` of silence (room for reverb tails to die away).
void AppendSilence(StereoBuffer& sound, double seconds);

struct ReverbSettings {
  double roomSize = 0.78;  // comb feedback
  double damping = 0.35;   // high-frequency loss per round trip
  double wet = 0.25;
};

// Schroeder-style stereo reverb (parallel combs into series all-passes) of
// `send`, added to `mix`. Both buffers must have the same length.
void AddReverb(const StereoBuffer& send, StereoBuffer& mix, const ReverbSettings& settings);

// One-pole low-pass, stateful, for darkening noise and pads per sample.
class OnePoleLowPass {
 public:
  explicit OnePoleLowPass(double cutoffHz);
  void setCutoff(double cutoffHz);
  float process(float x) {
    state_ += coefficient_ * (x - state_);
    return state_;
  }

 private:
  float coefficient_ = 1.0f;
  float state_ = 0.0f;
};

// Chamberlin state-variable filter: low-pass, band-pass and high-pass at once.
class StateVariableFilter {
 public:
  StateVariableFilter(double cutoffHz, double resonance);
  void setCutoff(double cutoffHz);
  void process(float x);
  float low() const { return low_; }
  float band() const { return band_; }
  float high() const { return high_; }

 private:
  float f_ = 0.1f;
  float q_ = 1.0f;
  float low_ = 0.0f;
  float band_ = 0.0f;
  float high_ = 0.0f;
};

// Wraps a phase in cycles into 0..1 without calling floor, which is not
// inlined on plain x86-64.
inline double WrapPhase(double cycles) {
  auto whole = static_cast<long long>(cycles);
  if (cycles < static_cast<double>(whole)) --whole;
  return cycles - static_cast<double>(whole);
}

// Table sine, a few times faster than std::sin and plenty precise for
// oscillators; phase is in cycles.
extern const float* const kSineTable;
constexpr int kSineTableSize = 4096;
inline float FastSin(double phaseCycles) {
  const double position = WrapPhase(phaseCycles) * kSineTableSize;
  const auto index = static_cast<int>(position);
  const auto fraction = static_cast<float>(position - index);
  return kSineTable[index] + (kSineTable[index + 1] - kSineTable[index]) * fraction;
}

}  // namespace soundgen

#pragma once
// Sample buffers and the deterministic random source shared by every
// generator stage. Everything is float in -1..1 until the file writers.
#include "genlib/random.h"
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace soundgen {

// The game's mixer runs at 44100 Hz stereo; writing that rate means no
// resampling happens at load time.
constexpr int kSampleRate = 44100;

struct StereoBuffer {
  std::vector<float> left;
  std::vector<float> right;

  StereoBuffer() = default;
  explicit StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  std::size_t frames() const { return left.size(); }
  void resize(std::size_t frames) {
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
  }
  // Adds one frame with a constant-power pan (-1 left .. 1 right); frames
  // beyond the end are dropped so callers never need to clip note tails.
  void add(std::size_t frame, float value, float panLeft, float panRight) {
    if (frame >= left.size()) return;
    left[frame] += value * panLeft;
    right[frame] += value * panRight;
  }
};

struct MonoBuffer {
  int sampleRate = kSampleRate;
  std::vector<float> samples;
};

// Constant-power pan gains for pan in -1..1.
struct PanGains {
  float left;
  float right;
};
PanGains PanFor(float pan);

// SplitMix64: tiny, fast and identical on every platform, unlike the
// standard distributions whose output differs between library versions.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : mix_(seed) {}
  std::uint64_t next();
  double uniform();                // 0 <= x < 1
  double bipolar();                // -1 <= x < 1
  int between(int lo, int hi);     // lo..hi inclusive
  bool chance(double probability);

 private:
  genlib::SplitMix64 mix_;
};

inline std::size_t SecondsToFrames(double seconds) {
  return seconds <= 0.0 ? 0 : static_cast<std::size_t>(seconds * kSampleRate + 0.5);
}

double MidiToHz(double midi);

// A value or a German reason why it could not be made. Expected failures
// (espeak-ng missing, a damaged wave) travel this way, never as exceptions.
template <typename T>
class Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}
  static Outcome Fail(std::string reason) {
    Outcome o;
    o.reason_ = std::move(reason);
    return o;
  }
  bool ok() const { return value_.has_value(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  const std::string& reason() const { return reason_; }

 private:
  Outcome() = default;
  std::optional<T> value_;
  std::string reason_;
};

}  // namespace soundgen

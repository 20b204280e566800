#include "synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "dsp.h"

namespace soundgen {
namespace {

double CentsToRatio(double cents) { return std::pow(2.0, cents / 1200.0); }

std::size_t StartFrame(double seconds) { return SecondsToFrames(seconds); }

// exp(-rate * t) stepped per sample by one multiplication.
class Decay {
 public:
  explicit Decay(double rate) : factor_(std::exp(-rate / kSampleRate)) {}
  double next() {
    const double v = value_;
    value_ *= factor_;
    return v;
  }

 private:
  double factor_;
  double value_ = 1.0;
};

}  // namespace

double Envelope::at(double t, double gate) const {
  auto held = [this](double time) {
    if (time < attack) return time / attack;
    const double d = time - attack;
    if (d < decay) return 1.0 - (1.0 - sustain) * (d / decay);
    return sustain;
  };
  if (t < 0.0) return 0.0;
  if (t < gate) return held(t);
  const double released = t - gate;
  if (released >= release) return 0.0;
  const double fall = 1.0 - released / release;
  return held(gate) * fall * fall;
}

EnvelopeCurve::EnvelopeCurve(const Envelope& envelope, double gate, std::size_t frames) {
  const std::size_t points = (frames >> 5) + 2;
  points_.resize(points);
  for (std::size_t p = 0; p < points; ++p) {
    points_[p] = static_cast<float>(envelope.at(static_cast<double>(p * 32) / kSampleRate, gate));
  }
}

void RenderFm(Mixer& mix, const Note& note, const FmPatch& patch) {
  const std::size_t first = StartFrame(note.start);
  const std::size_t count = SecondsToFrames(patch.envelope.length(note.gate));
  const PanGains pan = PanFor(note.pan);
  const double dt = 1.0 / kSampleRate;
  const double detune = CentsToRatio(patch.detuneCents);
  // Small vibrato depths: 2^(c/1200) is 1 + c * ln2 / 1200 to well below a cent.
  const double vibratoDepth = patch.vibratoCents * std::log(2.0) / 1200.0;
  const double indexFall = std::exp(-patch.indexDecay * dt);
  double decaying = 1.0;
  const EnvelopeCurve curve(patch.envelope, note.gate, count);
  double carrier = 0.0, carrier2 = 0.0, modulator = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i * dt;
    const double vibrato =
        patch.vibratoHz > 0.0
            ? 1.0 + vibratoDepth * FastSin(patch.vibratoHz * t) * std::min(1.0, t * 2.0)
            : 1.0;
    const double hz = note.hz * vibrato;
    const double index = patch.index * (patch.indexSustain + (1.0 - patch.indexSustain) * decaying);
    decaying *= indexFall;
    // Phases run in cycles, the modulation index is in radians.
    const double mod = index * (1.0 / (2.0 * M_PI)) * FastSin(modulator);
    double value = FastSin(carrier + mod);
    if (patch.detuneCents != 0.0) value = 0.5 * (value + FastSin(carrier2 + mod));
    carrier = WrapPhase(carrier + hz * dt);
    carrier2 = WrapPhase(carrier2 + hz * detune * dt);
    modulator = WrapPhase(modulator + hz * patch.ratio * dt);
    const auto v = static_cast<float>(value * curve.at(i) * note.velocity);
    mix.dry.add(first + i, v, pan.left, pan.right);
    mix.send.add(first + i, v * static_cast<float>(note.send), pan.left, pan.right);
  }
}

namespace {

constexpr std::size_t kTableSize = 2048;

// One cycle of a harmonic waveform, limited to the harmonics that stay
// below Nyquist at `hz`; reading it costs two lookups per sample instead
// of one sine per partial.
std::vector<float> BuildHarmonicTable(const std::vector<double>& partials, std::size_t usable, double tilt) {
  std::vector<float> table(kTableSize + 1, 0.0f);
  double norm = 0.0;
  for (std::size_t h = 0; h < usable; ++h) {
    const double k = static_cast<double>(h + 1);
    const double amplitude = partials[h] / std::pow(k, tilt);
    norm += amplitude;
    for (std::size_t i = 0; i < kTableSize; ++i) {
      table[i] += static_cast<float>(amplitude * FastSin(k * i / kTableSize));
    }
  }
  if (norm > 0.0) {
    for (auto& v : table) v = static_cast<float>(v / norm);
  }
  table[kTableSize] = table[0];
  return table;
}

// Tables are shared between notes: a song plays thousands of notes on a
// handful of instruments, and only the Nyquist limit tells them apart.
// One cache per thread, as songs are rendered side by side.
const std::vector<float>& HarmonicTable(const std::vector<double>& partials, double hz, double tilt) {
  std::size_t usable = 0;
  while (usable < partials.size() && hz * (usable + 1) < kSampleRate * 0.45) ++usable;
  using Key = std::tuple<std::vector<double>, std::size_t, double>;
  thread_local std::map<Key, std::vector<float>> cache;
  Key key{partials, usable, tilt};
  auto found = cache.find(key);
  if (found == cache.end()) {
    found = cache.emplace(key, BuildHarmonicTable(partials, usable, tilt)).first;
  }
  return found->second;
}

// phaseCycles must already lie in 0..1.
float ReadTable(const std::vector<float>& table, double phaseCycles) {
  const double position = phaseCycles * kTableSize;
  const auto index = static_cast<std::size_t>(position);
  const auto fraction = static_cast<float>(position - index);
  return table[index] + (table[index + 1] - table[index]) * fraction;
}

}  // namespace

void RenderAdditive(Mixer& mix, const Note& note, const AdditivePatch& patch) {
  const std::size_t first = StartFrame(note.start);
  const std::size_t count = SecondsToFrames(patch.envelope.length(note.gate));
  const PanGains pan = PanFor(note.pan);
  const double dt = 1.0 / kSampleRate;
  const double detune = CentsToRatio(patch.detuneCents);
  // Brightness fades from the full spectrum towards a mellow one, the way
  // struck and bowed tones lose their upper harmonics first.
  const auto& bright = HarmonicTable(patch.partials, note.hz * detune, 0.0);
  const auto& mellow = HarmonicTable(patch.partials, note.hz * detune, 2.0);
  double phase = 0.0;
  double phase2 = 0.37;  // a fixed offset, so the chorus pair does not cancel at the start
  const double fade = std::exp(-patch.partialDecay * dt);
  double mix1 = 1.0;
  const EnvelopeCurve curve(patch.envelope, note.gate, count);
  for (std::size_t i = 0; i < count; ++i) {
    mix1 *= fade;
    const double a = ReadTable(bright, phase) + ReadTable(bright, phase2);
    const double b = ReadTable(mellow, phase) + ReadTable(mellow, phase2);
    const double value = 0.5 * (a * mix1 + b * (1.0 - mix1));
    phase = WrapPhase(phase + note.hz * dt);
    phase2 = WrapPhase(phase2 + note.hz * detune * dt);
    const auto v = static_cast<float>(value * curve.at(i) * note.velocity);
    mix.dry.add(first + i, v, pan.left, pan.right);
    mix.send.add(first + i, v * static_cast<float>(note.send), pan.left, pan.right);
  }
}

void RenderPluck(Mixer& mix, const Note& note, double brightness, Rng& rng) {
  const std::size_t first = StartFrame(note.start);
  const auto period = std::max<std::size_t>(2, static_cast<std::size_t>(kSampleRate / note.hz));
  std::vector<float> line(period);
  OnePoleLowPass shape(800.0 + 6000.0 * brightness);
  for (auto& v : line) v = shape.process(static_cast<float>(rng.bipolar()));
  const std::size_t count = SecondsToFrames(note.gate + 0.15);
  const std::size_t releaseStart = SecondsToFrames(note.gate);
  const PanGains pan = PanFor(note.pan);
  const auto blend = static_cast<float>(0.5 + 0.45 * brightness);
  std::size_t pos = 0;
  float previous = 0.0f;
  for (std::size_t i = 0; i < count; ++i) {
    const float current = line[pos];
    line[pos] = (current * blend + previous * (1.0f - blend)) * 0.996f;
    previous = current;
    if (++pos == period) pos = 0;
    float gain = static_cast<float>(note.velocity);
    if (i > releaseStart) gain *= 1.0f - static_cast<float>(i - releaseStart) / (count - releaseStart);
    if (i < 32) gain *= static_cast<float>(i) / 32.0f;  // soften the attack edge
    const float v = current * gain;
    mix.dry.add(first + i, v, pan.left, pan.right);
    mix.send.add(first + i, v * static_cast<float>(note.send), pan.left, pan.right);
  }
}

void RenderBass(Mixer& mix, const Note& note, double cutoffHz, double sub) {
  const std::size_t first = StartFrame(note.start);
  const Envelope envelope{0.005, 0.25, 0.6, 0.06};
  const std::size_t count = SecondsToFrames(envelope.length(note.gate));
  const double dt = 1.0 / kSampleRate;
  StateVariableFilter filter(cutoffHz, 1.2);
  static const std::vector<double> kSaw = {1.0, 0.5, 0.333, 0.25, 0.2, 0.167, 0.143, 0.125,
                                           0.111, 0.1, 0.091, 0.083};
  const auto& table = HarmonicTable(kSaw, note.hz, 0.0);
  const EnvelopeCurve curve(envelope, note.gate, count);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i * dt;
    const double saw = ReadTable(table, phase) * 3.0;
    if (i % 32 == 0) filter.setCutoff(cutoffHz * (0.6 + 1.4 * std::exp(-t * 12.0)));
    filter.process(static_cast<float>(saw * 0.55));
    const double value = filter.low() + sub * FastSin(phase);
    phase = WrapPhase(phase + note.hz * dt);
    const auto v = static_cast<float>(value * curve.at(i) * note.velocity);
    mix.dry.add(first + i, v, 0.707f, 0.707f);
  }
}

void RenderKick(Mixer& mix, double start, double velocity) {
  const std::size_t first = StartFrame(start);
  const std::size_t count = SecondsToFrames(0.35);
  const double dt = 1.0 / kSampleRate;
  double phase = 0.0;
  Decay sweep(30.0), click(400.0), body(9.0);
  for (std::size_t i = 0; i < count; ++i) {
    const double hz = 48.0 + 110.0 * sweep.next();
    phase += hz * dt;
    const double value = (FastSin(phase) * body.next() + click.next() * 0.3) * velocity;
    mix.dry.add(first + i, static_cast<float>(value), 0.707f, 0.707f);
  }
}

void RenderSnare(Mixer& mix, double start, double velocity, Rng& rng) {
  const std::size_t first = StartFrame(start);
  const std::size_t count = SecondsToFrames(0.25);
  const double dt = 1.0 / kSampleRate;
  StateVariableFilter noiseFilter(5000.0, 0.8);
  double phase = 0.0;
  Decay bodyDecay(35.0), sweep(50.0), noiseDecay(18.0);
  for (std::size_t i = 0; i < count; ++i) {
    noiseFilter.process(static_cast<float>(rng.bipolar()));
    const double body = FastSin(phase) * bodyDecay.next() * 0.5;
    phase += (180.0 + 40.0 * sweep.next()) * dt;
    const double noise = (noiseFilter.band() + noiseFilter.high() * 0.4) * noiseDecay.next();
    const auto v = static_cast<float>((body + noise * 0.7) * velocity);
    mix.dry.add(first + i, v, 0.68f, 0.73f);
    mix.send.add(first + i, v * 0.25f, 0.68f, 0.73f);
  }
}

void RenderHat(Mixer& mix, double start, double velocity, bool open, Rng& rng) {
  const std::size_t first = StartFrame(start);
  const double decay = open ? 9.0 : 45.0;
  const std::size_t count = SecondsToFrames(open ? 0.4 : 0.09);
  StateVariableFilter filter(9000.0, 0.9);
  Decay fall(decay);
  for (std::size_t i = 0; i < count; ++i) {
    filter.process(static_cast<float>(rng.bipolar()));
    const auto v = static_cast<float>(filter.high() * fall.next() * velocity * 0.25);
    mix.dry.add(first + i, v, 0.62f, 0.78f);
  }
}

void RenderClap(Mixer& mix, double start, double velocity, Rng& rng) {
  const std::size_t first = StartFrame(start);
  const std::size_t count = SecondsToFrames(0.3);
  const double dt = 1.0 / kSampleRate;
  StateVariableFilter filter(1500.0, 1.5);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i * dt;
    // Three quick bursts and a tail, as a few hands never clap at once.
    const double burst = std::fmod(t, 0.011) < 0.004 && t < 0.033 ? 1.0 : 0.0;
    const double shape = t < 0.033 ? burst : std::exp(-(t - 0.033) * 20.0);
    filter.process(static_cast<float>(rng.bipolar()));
    const auto v = static_cast<float>(filter.band() * shape * velocity * 1.4);
    mix.dry.add(first + i, v, 0.73f, 0.68f);
    mix.send.add(first + i, v * 0.35f, 0.73f, 0.68f);
  }
}

void RenderCymbal(Mixer& mix, double start, double velocity, double length, Rng& rng) {
  const std::size_t first = StartFrame(start);
  const std::size_t count = SecondsToFrames(length);
  const double dt = 1.0 / kSampleRate;
  StateVariableFilter left(7000.0, 0.7), right(7400.0, 0.7);
  Decay fall(3.0 / length);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i * dt;
    const double shape = std::min(1.0, t * 200.0) * fall.next();
    left.process(static_cast<float>(rng.bipolar()));
    right.process(static_cast<float>(rng.bipolar()));
    const auto g = static_cast<float>(shape * velocity * 0.07);
    if (first + i >= mix.dry.frames()) break;
    mix.dry.left[first + i] += left.high() * g;
    mix.dry.right[first + i] += right.high() * g;
    mix.send.left[first + i] += left.high() * g * 0.3f;
    mix.send.right[first + i] += right.high() * g * 0.3f;
  }
}

}  // namespace soundgen

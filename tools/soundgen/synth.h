#pragma once
// The instruments: FM and additive voices, a plucked string and a small
// drum kit. Each renders one note into a Mixer (a dry bus and a reverb
// send), so music and effects share one sound.
#include <vector>

#include "audio.h"

namespace soundgen {

struct Mixer {
  StereoBuffer dry;
  StereoBuffer send;
  explicit Mixer(std::size_t frames) : dry(frames), send(frames) {}
};

struct Envelope {
  double attack = 0.01;
  double decay = 0.2;
  double sustain = 0.7;
  double release = 0.2;
  // Level at time t for a note held for `gate` seconds; the release starts
  // from whatever level the note had reached, so short notes do not jump.
  double at(double t, double gate) const;
  double length(double gate) const { return gate + release; }
};

// An envelope sampled every 32 frames and interpolated in between: exact
// enough for attacks of a few milliseconds, and far cheaper per sample.
class EnvelopeCurve {
 public:
  EnvelopeCurve(const Envelope& envelope, double gate, std::size_t frames);
  float at(std::size_t frame) const {
    const std::size_t block = frame >> 5;
    const float fraction = static_cast<float>(frame & 31) * (1.0f / 32.0f);
    return points_[block] + (points_[block + 1] - points_[block]) * fraction;
  }

 private:
  std::vector<float> points_;
};

struct Note {
  double start = 0.0;     // seconds
  double gate = 0.1;      // seconds held
  double hz = 440.0;
  double velocity = 1.0;  // 0..1
  float pan = 0.0f;       // -1..1
  double send = 0.2;      // reverb send 0..1
};

struct FmPatch {
  double ratio = 1.0;        // modulator / carrier frequency
  double index = 1.0;        // modulation depth at the attack
  double indexSustain = 0.3; // share of the depth left after the decay
  double indexDecay = 4.0;   // per second
  double detuneCents = 0.0;  // a second carrier, for warmth
  double vibratoHz = 0.0;
  double vibratoCents = 0.0;
  Envelope envelope;
};

struct AdditivePatch {
  std::vector<double> partials;  // amplitude of harmonic 1, 2, 3, ...
  double partialDecay = 0.0;     // extra decay per second for higher harmonics
  double detuneCents = 6.0;      // chorus pair
  Envelope envelope;
};

void RenderFm(Mixer& mix, const Note& note, const FmPatch& patch);
void RenderAdditive(Mixer& mix, const Note& note, const AdditivePatch& patch);
// Karplus-Strong string; brightness 0..1 sets how fast the tone darkens.
void RenderPluck(Mixer& mix, const Note& note, double brightness, Rng& rng);
// Subtractive bass: a saw through a low-pass whose cutoff falls per note.
void RenderBass(Mixer& mix, const Note& note, double cutoffHz, double sub);

void RenderKick(Mixer& mix, double start, double velocity);
void RenderSnare(Mixer& mix, double start, double velocity, Rng& rng);
void RenderHat(Mixer& mix, double start, double velocity, bool open, Rng& rng);
void RenderClap(Mixer& mix, double start, double velocity, Rng& rng);
// A soft cymbal swell or crash for section starts.
void RenderCymbal(Mixer& mix, double start, double velocity, double length, Rng& rng);

}  // namespace soundgen

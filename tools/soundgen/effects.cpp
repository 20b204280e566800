#include "effects.h"

#include <cmath>
#include <vector>

#include "dsp.h"
#include "synth.h"

namespace soundgen {
namespace {

FmPatch MarimbaPatch() {
  FmPatch p;
  p.ratio = 4.0, p.index = 1.6, p.indexSustain = 0.0, p.indexDecay = 25.0;
  p.envelope = {0.001, 0.45, 0.0, 0.1};
  return p;
}

FmPatch BellPatch() {
  FmPatch p;
  p.ratio = 3.5, p.index = 2.0, p.indexSustain = 0.1, p.indexDecay = 3.0;
  p.envelope = {0.002, 1.2, 0.0, 0.4};
  return p;
}

FmPatch BrassPatch() {
  FmPatch p;
  p.ratio = 1.0, p.index = 2.8, p.indexSustain = 0.7, p.indexDecay = 2.0, p.detuneCents = 6.0;
  p.vibratoHz = 5.5, p.vibratoCents = 14.0;
  p.envelope = {0.03, 0.15, 0.85, 0.12};
  return p;
}

// Renders the dry and reverb buses into one buffer with a little room.
StereoBuffer Finish(Mixer& mix, double room) {
  ReverbSettings reverb;
  reverb.roomSize = 0.62, reverb.wet = room;
  AddReverb(mix.send, mix.dry, reverb);
  return std::move(mix.dry);
}

struct JingleNote {
  double at;
  int midi;
};

// A chime of ascending notes: bell over marimba, alternately panned.
StereoBuffer Jingle(const std::vector<JingleNote>& notes, double length, double sparkle) {
  Mixer mix(SecondsToFrames(length));
  float pan = -0.3f;
  for (const JingleNote& n : notes) {
    const double hz = MidiToHz(n.midi);
    RenderFm(mix, {n.at, 0.08, hz, 0.5, pan, 0.4}, MarimbaPatch());
    RenderFm(mix, {n.at, 0.12, hz * 2.0, 0.3 * sparkle, -pan, 0.5}, BellPatch());
    pan = -pan;
  }
  return Finish(mix, 0.2);
}

StereoBuffer GameOver() {
  Mixer mix(SecondsToFrames(3.0));
  const int notes[] = {67, 66, 65};
  for (int i = 0; i < 3; ++i) {
    RenderFm(mix, {i * 0.42, 0.34, MidiToHz(notes[i]), 0.6, 0.0f, 0.3}, BrassPatch());
  }
  // The last note sags in pitch, the classic sound of a lost round.
  const std::size_t first = SecondsToFrames(1.26);
  const std::size_t count = SecondsToFrames(1.3);
  double phase = 0.0, mod = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = MidiToHz(64.0 - 1.2 * t) * (1.0 + 0.012 * std::sin(2.0 * M_PI * 5.0 * t));
    phase += hz / kSampleRate;
    mod += hz / kSampleRate;
    const double envelope = std::min(1.0, t / 0.03) * (t < 1.0 ? 1.0 : (1.3 - t) / 0.3);
    const double index = 2.2 * (0.5 + 0.5 * envelope) / (2.0 * M_PI);  // radians to cycles
    const double v = FastSin(phase + index * FastSin(mod)) * envelope * 0.6;
    mix.dry.add(first + i, static_cast<float>(v), 0.707f, 0.707f);
    mix.send.add(first + i, static_cast<float>(v * 0.3), 0.707f, 0.707f);
  }
  return Finish(mix, 0.25);
}

StereoBuffer LevelComplete() {
  Mixer mix(SecondsToFrames(2.4));
  Rng rng(11);
  const int run[] = {72, 76, 79};
  for (int i = 0; i < 3; ++i) {
    RenderFm(mix, {i * 0.11, 0.09, MidiToHz(run[i]), 0.55, 0.0f, 0.3}, BrassPatch());
  }
  for (int midi : {72, 76, 79, 84}) {
    RenderFm(mix, {0.33, 0.9, MidiToHz(midi), 0.35, static_cast<float>((midi - 78) / 12.0), 0.4},
             BrassPatch());
    RenderFm(mix, {0.33, 0.2, MidiToHz(midi + 12), 0.15, 0.0f, 0.6}, BellPatch());
  }
  RenderCymbal(mix, 0.33, 0.7, 1.8, rng);
  return Finish(mix, 0.25);
}

StereoBuffer WrongClick() {
  Mixer mix(SecondsToFrames(0.5));
  for (int pulse = 0; pulse < 2; ++pulse) {
    const std::size_t first = SecondsToFrames(pulse * 0.21);
    const std::size_t count = SecondsToFrames(0.16);
    OnePoleLowPass tone(1800.0);
    double a = 0.0, b = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      a += 138.0 / kSampleRate;
      b += 146.5 / kSampleRate;
      // Two detuned square waves beat against each other: a harsh buzz.
      const double square = (a - std::floor(a) < 0.5 ? 1.0 : -1.0) + (b - std::floor(b) < 0.5 ? 1.0 : -1.0);
      const double envelope = std::min(1.0, t / 0.004) * std::min(1.0, (0.16 - t) / 0.02);
      mix.dry.add(first + i, tone.process(static_cast<float>(square * 0.3 * envelope)), 0.707f, 0.707f);
    }
  }
  return Finish(mix, 0.0);
}

StereoBuffer TenSecondWarning() {
  Mixer mix(SecondsToFrames(1.1));
  FmPatch beep;
  beep.ratio = 2.0, beep.index = 0.8, beep.indexSustain = 0.6;
  beep.envelope = {0.004, 0.05, 0.8, 0.03};
  for (int i = 0; i < 4; ++i) {
    const double hz = i % 2 == 0 ? 988.0 : 740.0;
    RenderFm(mix, {i * 0.22, 0.15, hz, 0.5, i % 2 ? 0.3f : -0.3f, 0.2}, beep);
  }
  return Finish(mix, 0.15);
}

StereoBuffer IntroDrop() {
  const double length = 1.3;
  Mixer mix(SecondsToFrames(length + 0.2));
  Rng rng(4);
  StateVariableFilter whoosh(600.0, 2.0);
  double phase = 0.0;
  const std::size_t count = SecondsToFrames(length);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double progress = t / length;
    // A falling whistle over wind that opens up as the logo gathers speed.
    const double hz = 1800.0 * std::pow(300.0 / 1800.0, progress);
    phase += hz / kSampleRate;
    if (i % 16 == 0) whoosh.setCutoff(400.0 + 2600.0 * progress * progress);
    whoosh.process(static_cast<float>(rng.bipolar()));
    const double envelope = std::min(1.0, t / 0.08) * std::min(1.0, (length - t) / 0.05);
    const double v = (0.35 * FastSin(phase) + 0.8 * whoosh.band() * (0.3 + progress)) * envelope;
    const PanGains pan = PanFor(static_cast<float>(0.6 * (1.0 - 2.0 * progress)));
    mix.dry.add(i, static_cast<float>(v), pan.left, pan.right);
    mix.send.add(i, static_cast<float>(v * 0.3), pan.left, pan.right);
  }
  return Finish(mix, 0.2);
}

StereoBuffer Tick() {
  Mixer mix(SecondsToFrames(0.09));
  FmPatch block;
  block.ratio = 1.48, block.index = 3.0, block.indexSustain = 0.0, block.indexDecay = 60.0;
  block.envelope = {0.0005, 0.04, 0.0, 0.02};
  RenderFm(mix, {0.0, 0.01, 1250.0, 0.8, 0.0f, 0.0}, block);
  return Finish(mix, 0.0);
}

StereoBuffer Bounce() {
  Mixer mix(SecondsToFrames(0.55));
  const std::size_t count = SecondsToFrames(0.4);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    // Pitch springs up and wobbles, like a rubber ball leaving the floor.
    const double hz = 260.0 + 300.0 * (1.0 - std::exp(-t * 40.0)) + 25.0 * std::sin(2.0 * M_PI * 14.0 * t);
    phase += hz / kSampleRate;
    const double envelope = std::min(1.0, t / 0.003) * std::exp(-t * 9.0);
    const double v = (FastSin(phase) + 0.25 * FastSin(2.0 * phase)) * envelope * 0.6;
    mix.dry.add(i, static_cast<float>(v), 0.707f, 0.707f);
    mix.send.add(i, static_cast<float>(v * 0.3), 0.707f, 0.707f);
  }
  return Finish(mix, 0.15);
}

StereoBuffer ConfettiPop() {
  Mixer mix(SecondsToFrames(0.35));
  Rng rng(9);
  StateVariableFilter air(2500.0, 1.2);
  double phase = 0.0;
  const std::size_t count = SecondsToFrames(0.25);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    air.process(static_cast<float>(rng.bipolar()));
    phase += (1500.0 + 2500.0 * t * 4.0) / kSampleRate;
    const double pop = air.band() * std::exp(-t * 30.0) * std::min(1.0, t / 0.002);
    const double blip = 0.2 * FastSin(phase) * std::exp(-t * 18.0);
    const double v = pop + blip;
    mix.dry.add(i, static_cast<float>(v), 0.75f, 0.66f);
    mix.send.add(i, static_cast<float>(v * 0.2), 0.75f, 0.66f);
  }
  return Finish(mix, 0.12);
}

StereoBuffer NameEntryFanfare() {
  Mixer mix(SecondsToFrames(3.2));
  Rng rng(16);
  struct Blast {
    double at, gate;
    int midi;
  };
  const Blast blasts[] = {{0.0, 0.12, 67}, {0.18, 0.12, 67}, {0.36, 0.12, 67}, {0.54, 0.7, 72},
                          {1.3, 0.12, 76}, {1.48, 0.12, 74}, {1.66, 1.0, 79}};
  for (const Blast& b : blasts) {
    RenderFm(mix, {b.at, b.gate, MidiToHz(b.midi), 0.5, -0.15f, 0.3}, BrassPatch());
    RenderFm(mix, {b.at, b.gate, MidiToHz(b.midi - 5), 0.3, 0.2f, 0.3}, BrassPatch());
  }
  for (int i = 0; i < 8; ++i) RenderSnare(mix, 1.0 + i * 0.04, 0.2 + i * 0.05, rng);
  RenderKick(mix, 1.66, 0.7);
  RenderCymbal(mix, 1.66, 0.6, 1.5, rng);
  return Finish(mix, 0.25);
}

StereoBuffer LogoSettle() {
  Mixer mix(SecondsToFrames(2.2));
  const int notes[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) {
    RenderFm(mix, {i * 0.06, 0.3, MidiToHz(notes[i]), 0.4, static_cast<float>(-0.5 + i / 3.0), 0.6},
             BellPatch());
  }
  RenderFm(mix, {0.0, 0.6, MidiToHz(72), 0.3, 0.0f, 0.5}, BellPatch());
  return Finish(mix, 0.35);
}

}  // namespace

void MasterShortSound(StereoBuffer& sound) {
  HighPass(sound, 30.0);
  NormaliseLoudness(sound, kSoundTargetRms, kSoundPeakCeiling);
  FadeEdges(sound, 0.002, 0.02);
}

std::optional<StereoBuffer> MakeEffect(int buffer) {
  StereoBuffer sound;
  switch (buffer) {
    case 0: sound = GameOver(); break;
    case 1: sound = LevelComplete(); break;
    case 2: sound = WrongClick(); break;
    case 3: sound = TenSecondWarning(); break;
    case 4: sound = IntroDrop(); break;
    case 5: sound = Tick(); break;
    case 8: sound = Bounce(); break;
    case 9: sound = ConfettiPop(); break;
    case 16: sound = NameEntryFanfare(); break;
    case 17: sound = LogoSettle(); break;
    case 27: sound = Jingle({{0.0, 84}, {0.09, 91}}, 0.8, 1.0); break;
    case 28: sound = Jingle({{0.0, 76}, {0.07, 79}, {0.14, 84}}, 0.8, 0.8); break;
    case 29: sound = Jingle({{0.0, 79}, {0.06, 83}, {0.12, 86}, {0.18, 91}}, 0.85, 0.7); break;
    case 30: sound = Jingle({{0.0, 81}, {0.05, 85}, {0.1, 88}, {0.15, 93}}, 0.85, 1.0); break;
    case 31: sound = Jingle({{0.0, 77}, {0.08, 81}, {0.16, 84}, {0.24, 89}}, 0.9, 0.8); break;
    case 32: sound = Jingle({{0.0, 86}, {0.1, 93}, {0.2, 98}}, 0.9, 1.2); break;
    default: return std::nullopt;
  }
  MasterShortSound(sound);
  return sound;
}

}  // namespace soundgen

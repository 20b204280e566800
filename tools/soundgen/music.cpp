#include "music.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace soundgen {
namespace {

constexpr double kTailSeconds = 3.5;  // the last chord rings out in the room
constexpr int kOutroBars = 2;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Pitches of a key: scale degrees (any integer, 7 per octave) to MIDI notes.
class Key {
 public:
  Key(int tonic, Mode mode) : tonic_(tonic), mode_(mode) {}

  int pitch(int degree) const {
    static constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
    static constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};
    static constexpr std::array<int, 7> kDorian = {0, 2, 3, 5, 7, 9, 10};
    const auto& scale = mode_ == Mode::Major ? kMajor : mode_ == Mode::Minor ? kMinor : kDorian;
    const int octave = FloorDiv(degree, 7);
    return tonic_ + 12 * octave + scale[degree - 7 * octave];
  }

  // Tone k (0 root, 1 third, 2 fifth, 3 seventh) of the chord on `root`.
  // In minor the dominant takes the leading tone, so cadences pull home.
  int chordPitch(int root, int k) const {
    int p = pitch(root + 2 * k);
    const int rootInOctave = root - 7 * FloorDiv(root, 7);
    if (mode_ == Mode::Minor && rootInOctave == 4 && k == 1) p += 1;
    return p;
  }

  bool isChordTone(int root, int degree) const {
    const int d = ((degree - root) % 7 + 7) % 7;
    return d == 0 || d == 2 || d == 4;
  }

  int tonic() const { return tonic_; }

 private:
  int tonic_;
  Mode mode_;
};

// Folds a pitch into [low, low + 12).
int FoldInto(int pitch, int low) {
  while (pitch < low) pitch += 12;
  while (pitch >= low + 12) pitch -= 12;
  return pitch;
}

struct MelodyNote {
  double beat;   // from the phrase start
  double beats;  // length
  int degree;    // scale degree above the tonic
  double velocity;
};
using Phrase = std::vector<MelodyNote>;

// Rhythms of one 4/4 bar in eighths; a negative length is a rest.
using Rhythm = std::vector<int>;
const std::vector<Rhythm>& BarRhythms() {
  static const std::vector<Rhythm> kRhythms = {
      {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 2, 2}, {1, 1, 2, 4},       {4, 2, 2},
      {2, 2, 4},    {3, 3, 2},    {1, 1, 1, 1, 2, 2}, {2, -2, 2, 2}, {3, 1, 3, 1}};
  return kRhythms;
}
const std::vector<Rhythm>& CadenceRhythms() {
  static const std::vector<Rhythm> kRhythms = {{4, 2, -2}, {2, 2, 3, -1}, {6, -2}, {3, 1, 3, -1}};
  return kRhythms;
}

int NearestChordTone(const Key& key, int root, int near) {
  for (int distance = 0; distance < 4; ++distance) {
    if (key.isChordTone(root, near - distance)) return near - distance;
    if (key.isChordTone(root, near + distance)) return near + distance;
  }
  return near;
}

// A melodic step: mostly by step, sometimes a leap, pulled back towards the
// middle of the range so the line neither climbs nor sinks for good.
int NextDegree(Rng& rng, int previous) {
  static constexpr std::array<int, 11> kSteps = {-1, 1, -1, 1, -2, 2, 0, -3, 3, -4, 4};
  int next = previous + kSteps[rng.between(0, static_cast<int>(kSteps.size()) - 1)];
  if (next > 10) next -= 3;
  if (next < 0) next += 3;
  return next;
}

struct BarPlan {
  Rhythm rhythm;
  std::vector<int> degrees;  // one per sounding note
};

BarPlan FreeBar(Rng& rng, const Key& key, int chordRoot, int& previous, const Rhythm& rhythm) {
  BarPlan bar{rhythm, {}};
  int position = 0;
  for (int length : rhythm) {
    if (length > 0) {
      int degree = NextDegree(rng, previous);
      if (position % 4 == 0) degree = NearestChordTone(key, chordRoot, degree);  // strong beats
      bar.degrees.push_back(degree);
      previous = degree;
    }
    position += std::abs(length);
  }
  return bar;
}

// The same bar moved by `shift` degrees, strong beats fitted to the chord.
BarPlan Sequence(const BarPlan& source, const Key& key, int chordRoot, int shift) {
  BarPlan bar = source;
  int position = 0;
  std::size_t note = 0;
  for (int length : bar.rhythm) {
    if (length > 0) {
      int degree = std::clamp(source.degrees[note] + shift, 0, 12);
      if (position % 4 == 0) degree = NearestChordTone(key, chordRoot, degree);
      bar.degrees[note++] = degree;
    }
    position += std::abs(length);
  }
  return bar;
}

void AppendBar(Phrase& phrase, const BarPlan& bar, int barIndex, double accent) {
  int position = 0;
  std::size_t note = 0;
  for (int length : bar.rhythm) {
    if (length > 0) {
      const double velocity = (position == 0 ? 1.0 : position == 4 ? 0.9 : 0.78) * accent;
      phrase.push_back({barIndex * 4.0 + position * 0.5, length * 0.5, bar.degrees[note++], velocity});
    }
    position += std::abs(length);
  }
}

// Eight bars (repeated for longer sections): motif, its sequence over the
// next chords, the motif again, a free bar and a cadence on a chord tone.
Phrase MakePhrase(Rng& rng, const Key& key, const std::vector<int>& chords, int bars) {
  const auto& rhythms = BarRhythms();
  auto pick = [&](const std::vector<Rhythm>& set) { return set[rng.between(0, static_cast<int>(set.size()) - 1)]; };
  auto chordAt = [&](int bar) { return chords[bar % chords.size()]; };
  int previous = rng.between(4, 7);
  const BarPlan motif1 = FreeBar(rng, key, chordAt(0), previous, pick(rhythms));
  const BarPlan motif2 = FreeBar(rng, key, chordAt(1), previous, pick(rhythms));
  const Rhythm cadence = pick(CadenceRhythms());
  Phrase phrase;
  for (int bar = 0; bar < bars; ++bar) {
    const int role = bar % 8;
    const int root = chordAt(bar);
    BarPlan plan;
    if (role < 2) {
      plan = Sequence(role == 0 ? motif1 : motif2, key, root, 0);
    } else if (role < 4) {
      plan = Sequence(role == 2 ? motif1 : motif2, key, root, chordAt(bar) - chordAt(bar - 2));
    } else if (role < 6) {
      plan = Sequence(role == 4 ? motif1 : motif2, key, root, role == 5 ? 1 : 0);
    } else if (role == 6) {
      plan = FreeBar(rng, key, root, previous, pick(rhythms));
    } else {
      plan = FreeBar(rng, key, root, previous, cadence);
      for (auto& degree : plan.degrees) degree = NearestChordTone(key, root, degree);
      plan.degrees.back() = NearestChordTone(key, root, plan.degrees.back() >= 5 ? 7 : 2);
    }
    if (!plan.degrees.empty()) previous = plan.degrees.back();
    AppendBar(phrase, plan, bar, role == 7 ? 0.9 : 1.0);
  }
  return phrase;
}

struct StepPattern {
  std::array<double, 16> kick{};
  std::array<double, 16> snare{};
  std::array<double, 16> hat{};
  std::array<double, 16> openHat{};
};

StepPattern GrooveSteps(DrumGroove groove) {
  StepPattern p;
  switch (groove) {
    case DrumGroove::Gentle:
      p.kick[0] = 0.9, p.kick[10] = 0.6;
      p.snare[4] = 0.45, p.snare[12] = 0.5;
      for (int s = 0; s < 16; s += 2) p.hat[s] = s % 4 == 0 ? 0.45 : 0.3;
      break;
    case DrumGroove::FourOnFloor:
      for (int s = 0; s < 16; s += 4) p.kick[s] = 1.0;
      p.snare[4] = 0.85, p.snare[12] = 0.85;
      for (int s = 0; s < 16; ++s) p.hat[s] = s % 4 == 2 ? 0.0 : (s % 2 ? 0.22 : 0.3);
      for (int s = 2; s < 16; s += 4) p.openHat[s] = 0.35;
      break;
    case DrumGroove::Breakbeat:
      p.kick[0] = 1.0, p.kick[6] = 0.7, p.kick[10] = 0.85;
      p.snare[4] = 1.0, p.snare[12] = 1.0, p.snare[7] = 0.22, p.snare[15] = 0.28;
      for (int s = 0; s < 16; ++s) p.hat[s] = s % 2 ? 0.15 : 0.42;
      break;
    case DrumGroove::March:
      p.kick[0] = 1.0, p.kick[8] = 0.8;
      p.snare[4] = 0.9, p.snare[12] = 0.9, p.snare[14] = 0.35, p.snare[15] = 0.45;
      for (int s = 0; s < 16; s += 2) p.hat[s] = 0.35;
      break;
  }
  return p;
}

// Renders one whole song into a mixer, bar by bar.
class SongRenderer {
 public:
  explicit SongRenderer(const SongPlan& plan)
      : plan_(plan),
        key_(plan.tonic, plan.mode),
        arrangement_(plan.arrangement),
        beat_(60.0 / plan.bpm),
        bar_(4.0 * beat_),
        mix_(SecondsToFrames(SongSeconds(plan))),
        rng_(plan.seed) {
    Rng melodyRng(plan.seed * 7919 + 1);
    verse_ = MakePhrase(melodyRng, key_, plan.verseChords, 8);
    chorus_ = MakePhrase(melodyRng, key_, plan.chorusChords, 8);
    melodyShift_ = RegisterShift(verse_);
  }

  Mixer& render() {
    int bar = 0;
    std::vector<Section> form = plan_.form;
    form.push_back({SectionKind::Outro, kOutroBars});
    for (std::size_t s = 0; s < form.size(); ++s) {
      const Section& section = form[s];
      const bool nextIsBreak = s + 1 < form.size() && form[s + 1].kind == SectionKind::Break;
      for (int b = 0; b < section.bars; ++b, ++bar) {
        const bool lastBar = b == section.bars - 1;
        renderBar(section.kind, b, bar * bar_, lastBar && !nextIsBreak);
      }
      if (section.kind == SectionKind::Verse) ++verseRepeats_;
      if (section.kind == SectionKind::Chorus) ++chorusRepeats_;
    }
    return mix_;
  }

 private:
  // Whole octaves that bring the verse's average pitch near G4..G5, so every
  // lead sits in the same comfortable register whatever the song's key.
  int RegisterShift(const Phrase& phrase) const {
    if (phrase.empty()) return 0;
    double sum = 0.0;
    for (const MelodyNote& m : phrase) sum += key_.pitch(m.degree);
    const double average = sum / phrase.size();
    return -12 * static_cast<int>(std::lround((average - 73.0) / 12.0));
  }

  double MelodyHz(int degree) const { return MidiToHz(key_.pitch(degree) + melodyShift_); }

  int chordFor(SectionKind kind, int barInSection) const {
    const auto& chords = kind == SectionKind::Chorus ? plan_.chorusChords : plan_.verseChords;
    return chords[barInSection % chords.size()];
  }

  void renderBar(SectionKind kind, int b, double t0, bool fill) {
    if (kind == SectionKind::Outro) {
      if (b == 0) renderOutro(t0);
      return;
    }
    const int root = chordFor(kind, b);
    const bool introStart = kind == SectionKind::Intro && b < 2;
    renderPad(root, t0, kind == SectionKind::Break ? 1.2 : 1.0);
    if (arrangement_.arpeggio != Arpeggio::None) renderArpeggio(root, t0, introStart ? 0.7 : 1.0);
    if (introStart) return;
    renderBass(root, t0, kind == SectionKind::Break ? BassLine::Roots : arrangement_.bass);
    const bool fullDrums = kind == SectionKind::Verse || kind == SectionKind::Chorus;
    renderDrums(t0, fullDrums ? 1.0 : 0.6, kind == SectionKind::Break, fill && fullDrums);
    if (b == 0 && fullDrums) RenderCymbal(mix_, t0, 0.5 * arrangement_.drumLevel / 0.45, 2.2, rng_);
    if (kind == SectionKind::Verse || kind == SectionKind::Chorus || kind == SectionKind::Break) {
      renderMelody(kind, b, t0);
    }
  }

  void renderPad(int root, double t0, double level) {
    const int low = key_.tonic() - 8;
    const int tones = 3;
    for (int k = 0; k < tones; ++k) {
      const int pitch = FoldInto(key_.chordPitch(root, k), low);
      Note note{t0, bar_ * 0.98, MidiToHz(pitch), arrangement_.padLevel * level,
                static_cast<float>(-0.6 + 0.6 * k), 0.5};
      RenderAdditive(mix_, note, arrangement_.pad);
    }
  }

  void renderArpeggio(int root, double t0, double level) {
    std::vector<int> tones;
    for (int octave = 0; octave < 2; ++octave) {
      for (int k = 0; k < 3; ++k) {
        tones.push_back(FoldInto(key_.chordPitch(root, k), key_.tonic() - 5) + 12 * octave);
      }
    }
    std::sort(tones.begin(), tones.end());
    const bool sixteenths = arrangement_.arpeggio == Arpeggio::Sixteenths;
    const int steps = sixteenths ? 16 : 8;
    const double stepLength = bar_ / steps;
    for (int s = 0; s < steps; ++s) {
      int index = s % static_cast<int>(tones.size());
      if (!sixteenths && (s / tones.size()) % 2 == 1) index = static_cast<int>(tones.size()) - 1 - index;
      const double accent = s % 4 == 0 ? 1.0 : 0.7;
      Note note{t0 + swung(s, stepLength), stepLength * 0.9, MidiToHz(tones[index]),
                arrangement_.arpLevel * level * accent, s % 2 ? 0.65f : -0.65f, 0.45};
      RenderPluck(mix_, note, 0.45, rng_);
    }
  }

  double swung(int step, double stepLength) const {
    return step * stepLength + (step % 2 ? arrangement_.swing * stepLength : 0.0);
  }

  void renderBass(int root, double t0, BassLine line) {
    const int pitch = FoldInto(key_.chordPitch(root, 0), key_.tonic() - 29);
    const int fifth = pitch + (key_.chordPitch(root, 2) - key_.chordPitch(root, 0));
    struct Hit {
      double beat;
      double beats;
      int pitch;
      double velocity;
    };
    std::vector<Hit> hits;
    switch (line) {
      case BassLine::Roots:
        hits = {{0, 1.8, pitch, 1.0}, {2, 0.9, fifth, 0.85}, {3, 0.4, pitch + 12, 0.7}, {3.5, 0.4, pitch, 0.75}};
        break;
      case BassLine::Eighths:
        for (int e = 0; e < 8; ++e) {
          const int p = e == 2 || e == 6 ? pitch + 12 : e == 7 ? fifth : pitch;
          hits.push_back({e * 0.5, 0.42, p, e % 2 ? 0.75 : 0.95});
        }
        break;
      case BassLine::Syncopated:
        hits = {{0, 1.3, pitch, 1.0}, {1.5, 0.4, pitch, 0.7}, {2, 0.9, fifth, 0.9},
                {3, 0.4, pitch + 12, 0.75}, {3.5, 0.4, pitch, 0.8}};
        break;
    }
    for (const Hit& hit : hits) {
      Note note{t0 + hit.beat * beat_, hit.beats * beat_, MidiToHz(hit.pitch),
                arrangement_.bassLevel * hit.velocity, 0.0f, 0.0};
      RenderBass(mix_, note, arrangement_.bassCutoffHz, 0.35);
    }
  }

  void renderDrums(double t0, double level, bool hatsOnly, bool fill) {
    const StepPattern p = GrooveSteps(arrangement_.drums);
    const double step = bar_ / 16.0;
    const double g = arrangement_.drumLevel * level;
    for (int s = 0; s < 16; ++s) {
      const double at = t0 + swung(s, step);
      const double human = 1.0 + 0.08 * rng_.bipolar();
      const bool fillStep = fill && s >= 8;
      if (!hatsOnly && p.kick[s] > 0.0 && !(fillStep && s > 12)) RenderKick(mix_, at, g * p.kick[s] * 1.1);
      if (!hatsOnly && (p.snare[s] > 0.0 || (fillStep && s % 2 == 0) || (fillStep && s >= 12))) {
        const double v = fillStep ? 0.4 + 0.6 * (s - 8) / 7.0 : p.snare[s];
        RenderSnare(mix_, at, g * v * human * 0.75, rng_);
      }
      if (p.hat[s] > 0.0) RenderHat(mix_, at, g * p.hat[s] * human, false, rng_);
      if (p.openHat[s] > 0.0 && !hatsOnly) RenderHat(mix_, at, g * p.openHat[s] * human, true, rng_);
    }
  }

  void renderMelody(SectionKind kind, int b, double t0) {
    const bool chorus = kind == SectionKind::Chorus;
    const Phrase& phrase = chorus ? chorus_ : verse_;
    const int repeats = chorus ? chorusRepeats_ : verseRepeats_;
    const double phraseBar = b % 8;
    for (const MelodyNote& m : phrase) {
      if (m.beat < phraseBar * 4.0 || m.beat >= phraseBar * 4.0 + 4.0) continue;
      const double start = t0 + (m.beat - phraseBar * 4.0) * beat_;
      const double gate = m.beats * beat_ * 0.92;
      const double hz = MelodyHz(m.degree);
      if (kind == SectionKind::Break) {
        RenderPluck(mix_, {start, gate, hz, arrangement_.leadLevel * 0.55 * m.velocity, 0.4f, 0.5}, 0.6, rng_);
        continue;
      }
      renderLead({start, gate, hz, arrangement_.leadLevel * m.velocity, 0.1f, 0.3});
      if (repeats > 0) {
        // Later returns of a section are thickened by a counter voice a
        // third below, which keeps the tune recognisable but fuller.
        const double below = MelodyHz(m.degree - 2);
        RenderFm(mix_, {start, gate, below, arrangement_.leadLevel * 0.45 * m.velocity, -0.5f, 0.35},
                 arrangement_.counter);
      }
    }
  }

  void renderLead(const Note& note) {
    if (arrangement_.leadVoice == LeadVoice::Pluck) {
      RenderPluck(mix_, note, 0.7, rng_);
    } else {
      RenderFm(mix_, note, arrangement_.lead);
    }
  }

  void renderOutro(double t0) {
    const double hold = bar_ * kOutroBars;
    const int low = key_.tonic() - 8;
    for (int k = 0; k < 3; ++k) {
      const int pitch = FoldInto(key_.chordPitch(0, k), low);
      Note note{t0, hold, MidiToHz(pitch), arrangement_.padLevel, static_cast<float>(-0.6 + 0.6 * k), 0.6};
      RenderAdditive(mix_, note, arrangement_.pad);
    }
    renderLead({t0, bar_ * 1.5, MelodyHz(7), arrangement_.leadLevel * 0.9, 0.1f, 0.45});
    RenderBass(mix_, {t0, bar_ * 1.5, MidiToHz(FoldInto(key_.tonic(), key_.tonic() - 29)),
                      arrangement_.bassLevel, 0.0f, 0.0},
               arrangement_.bassCutoffHz, 0.35);
    RenderKick(mix_, t0, arrangement_.drumLevel * 1.1);
    RenderCymbal(mix_, t0, 0.6 * arrangement_.drumLevel / 0.45, 3.5, rng_);
  }

  const SongPlan& plan_;
  Key key_;
  const Arrangement& arrangement_;
  double beat_;
  double bar_;
  Mixer mix_;
  Rng rng_;
  Phrase verse_;
  Phrase chorus_;
  int melodyShift_ = 0;
  int verseRepeats_ = 0;
  int chorusRepeats_ = 0;
};

}  // namespace

double SongSeconds(const SongPlan& plan) {
  int bars = kOutroBars;
  for (const Section& section : plan.form) bars += section.bars;
  return bars * 4.0 * 60.0 / plan.bpm + kTailSeconds;
}

StereoBuffer RenderSong(const SongPlan& plan) {
  SongRenderer renderer(plan);
  Mixer& mix = renderer.render();
  AddReverb(mix.send, mix.dry, plan.arrangement.reverb);
  StereoBuffer out = std::move(mix.dry);
  HighPass(out, 25.0);
  NormaliseLoudness(out, kMusicTargetRms, kMusicPeakCeiling);
  FadeEdges(out, 0.01, 2.0);
  return out;
}

}  // namespace soundgen

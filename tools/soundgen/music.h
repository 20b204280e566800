#pragma once
// The composer: a song is a plan (key, tempo, chord progressions, form and
// an arrangement style); RenderSong turns it into a finished stereo mix.
// Melodies are made from a seeded motif that returns, is sequenced over the
// chords and cadences at the phrase end, so every section sounds composed
// rather than random.
#include <cstdint>
#include <string>
#include <vector>

#include "audio.h"
#include "dsp.h"
#include "synth.h"

namespace soundgen {

enum class Mode { Major, Minor, Dorian };

enum class SectionKind { Intro, Verse, Chorus, Break, Outro };

struct Section {
  SectionKind kind;
  int bars;
};

enum class DrumGroove { Gentle, FourOnFloor, Breakbeat, March };
enum class BassLine { Roots, Eighths, Syncopated };
enum class Arpeggio { None, Sixteenths, UpDownEighths };
enum class LeadVoice { Fm, Pluck };

struct Arrangement {
  FmPatch lead;
  LeadVoice leadVoice = LeadVoice::Fm;
  FmPatch counter;  // answers the lead in repeated verses
  AdditivePatch pad;
  DrumGroove drums = DrumGroove::Gentle;
  BassLine bass = BassLine::Roots;
  Arpeggio arpeggio = Arpeggio::None;
  double swing = 0.0;  // delay of off-beat sixteenths, share of a sixteenth
  double padLevel = 0.10;
  double leadLevel = 0.22;
  double bassLevel = 0.30;
  double arpLevel = 0.08;
  double drumLevel = 0.45;
  double bassCutoffHz = 900.0;
  ReverbSettings reverb;
};

struct SongPlan {
  std::string title;
  std::uint64_t seed = 1;
  double bpm = 110.0;
  int tonic = 60;  // MIDI note of the key's tonic in the melody's octave
  Mode mode = Mode::Major;
  std::vector<int> verseChords;   // scale degrees 0..6, one chord per bar, repeated
  std::vector<int> chorusChords;
  std::vector<Section> form;      // an Outro is always appended
  Arrangement arrangement;
};

// Seconds the plan lasts, including the closing chord and its reverb tail.
double SongSeconds(const SongPlan& plan);

// Renders the plan, mastered: rumble removed, reverb added, levels set to
// the music loudness target, silent first sample and a faded last second.
StereoBuffer RenderSong(const SongPlan& plan);

// The eight tracks of the game, in track order 0..7.
std::vector<SongPlan> GameSongs();

// Target levels for mastered music (linear amplitude).
constexpr double kMusicTargetRms = 0.16;   // about -16 dBFS
constexpr double kMusicPeakCeiling = 0.7;  // leaves room for Vorbis overshoot

}  // namespace soundgen

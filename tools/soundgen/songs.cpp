// The eight pieces of the game. Each has its own key, tempo, groove and
// instruments, so the player hears at once which screen they are on.
#include "music.h"

namespace soundgen {
namespace {

FmPatch ElectricPiano() {
  FmPatch p;
  p.ratio = 1.0, p.index = 1.8, p.indexSustain = 0.12, p.indexDecay = 3.0, p.detuneCents = 4.0;
  p.envelope = {0.003, 1.2, 0.25, 0.35};
  return p;
}

FmPatch Bell() {
  FmPatch p;
  p.ratio = 3.5, p.index = 2.2, p.indexSustain = 0.1, p.indexDecay = 2.5;
  p.envelope = {0.002, 1.6, 0.12, 0.8};
  return p;
}

FmPatch Brass() {
  FmPatch p;
  p.ratio = 1.0, p.index = 2.4, p.indexSustain = 0.65, p.indexDecay = 1.5, p.detuneCents = 5.0;
  p.vibratoHz = 5.0, p.vibratoCents = 12.0;
  p.envelope = {0.035, 0.2, 0.8, 0.15};
  return p;
}

FmPatch SynthLead() {
  FmPatch p;
  p.ratio = 1.0, p.index = 2.6, p.indexSustain = 0.45, p.indexDecay = 2.0, p.detuneCents = 9.0;
  p.vibratoHz = 5.5, p.vibratoCents = 10.0;
  p.envelope = {0.008, 0.3, 0.7, 0.12};
  return p;
}

FmPatch Organ() {
  FmPatch p;
  p.ratio = 2.0, p.index = 1.1, p.indexSustain = 0.85, p.indexDecay = 1.0, p.detuneCents = 3.0;
  p.envelope = {0.01, 0.1, 0.9, 0.08};
  return p;
}

FmPatch Flute() {
  FmPatch p;
  p.ratio = 1.0, p.index = 0.55, p.indexSustain = 0.4, p.indexDecay = 2.0;
  p.vibratoHz = 4.8, p.vibratoCents = 14.0;
  p.envelope = {0.06, 0.2, 0.75, 0.2};
  return p;
}

AdditivePatch WarmPad() {
  AdditivePatch p;
  p.partials = {1.0, 0.5, 0.33, 0.25, 0.2, 0.16, 0.14, 0.12};
  p.partialDecay = 1.2, p.detuneCents = 7.0;
  p.envelope = {0.45, 0.6, 0.8, 0.8};
  return p;
}

AdditivePatch GlassPad() {
  AdditivePatch p;
  p.partials = {1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12, 0.0, 0.06};
  p.partialDecay = 0.6, p.detuneCents = 9.0;
  p.envelope = {0.6, 0.8, 0.75, 1.0};
  return p;
}

AdditivePatch Strings() {
  AdditivePatch p;
  p.partials = {1.0, 0.6, 0.4, 0.3, 0.22, 0.17, 0.13, 0.1, 0.08, 0.06};
  p.partialDecay = 0.5, p.detuneCents = 11.0;
  p.envelope = {0.25, 0.4, 0.85, 0.5};
  return p;
}

using K = SectionKind;

SongPlan HighScoreTable() {
  SongPlan s;
  s.title = "Ruhmeshalle";
  s.seed = 101, s.bpm = 104, s.tonic = 67, s.mode = Mode::Major;
  s.verseChords = {0, 3, 5, 4};
  s.chorusChords = {3, 4, 2, 5};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8}, {K::Break, 4}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = ElectricPiano(), a.counter = Flute(), a.pad = WarmPad();
  a.drums = DrumGroove::Gentle, a.bass = BassLine::Roots, a.arpeggio = Arpeggio::UpDownEighths;
  return s;
}

SongPlan PlayChase() {
  SongPlan s;
  s.title = "Jagd";
  s.seed = 202, s.bpm = 124, s.tonic = 69, s.mode = Mode::Minor;
  s.verseChords = {0, 5, 2, 6};
  s.chorusChords = {3, 4, 0, 0};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8},
            {K::Break, 8}, {K::Verse, 8}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = SynthLead(), a.counter = Bell(), a.pad = Strings();
  a.drums = DrumGroove::FourOnFloor, a.bass = BassLine::Eighths, a.arpeggio = Arpeggio::Sixteenths;
  a.bassCutoffHz = 1200.0, a.padLevel = 0.07;
  return s;
}

SongPlan MenuTheme() {
  SongPlan s;
  s.title = "Willkommen";
  s.seed = 303, s.bpm = 96, s.tonic = 65, s.mode = Mode::Major;
  s.verseChords = {0, 5, 3, 4};
  s.chorusChords = {1, 4, 0, 5};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8},
            {K::Break, 8}, {K::Verse, 8}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = ElectricPiano(), a.counter = Flute(), a.pad = WarmPad();
  a.drums = DrumGroove::Gentle, a.bass = BassLine::Roots, a.arpeggio = Arpeggio::UpDownEighths;
  a.swing = 0.25, a.reverb.wet = 0.3;
  return s;
}

SongPlan CreditsTheme() {
  SongPlan s;
  s.title = "Abspann";
  s.seed = 404, s.bpm = 88, s.tonic = 62, s.mode = Mode::Major;
  s.verseChords = {0, 4, 5, 3};
  s.chorusChords = {3, 0, 4, 5};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Break, 8}, {K::Verse, 8}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = Bell(), a.counter = Flute(), a.pad = GlassPad();
  a.drums = DrumGroove::Gentle, a.bass = BassLine::Roots, a.arpeggio = Arpeggio::Sixteenths;
  a.drumLevel = 0.35, a.padLevel = 0.12, a.reverb.roomSize = 0.84, a.reverb.wet = 0.35;
  return s;
}

SongPlan PlayPulse() {
  SongPlan s;
  s.title = "Puls";
  s.seed = 505, s.bpm = 132, s.tonic = 64, s.mode = Mode::Minor;
  s.verseChords = {0, 3, 6, 2};
  s.chorusChords = {5, 6, 0, 0};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8}, {K::Break, 8},
            {K::Verse, 8}, {K::Chorus, 8}, {K::Chorus, 4}};
  auto& a = s.arrangement;
  a.lead = SynthLead(), a.leadVoice = LeadVoice::Pluck, a.counter = Organ(), a.pad = Strings();
  a.drums = DrumGroove::Breakbeat, a.bass = BassLine::Syncopated, a.arpeggio = Arpeggio::None;
  a.leadLevel = 0.3, a.bassCutoffHz = 1000.0;
  return s;
}

SongPlan PlayGroove() {
  SongPlan s;
  s.title = "Spurensuche";
  s.seed = 606, s.bpm = 116, s.tonic = 62, s.mode = Mode::Dorian;
  s.verseChords = {0, 3, 0, 3};
  s.chorusChords = {6, 3, 0, 4};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8},
            {K::Break, 8}, {K::Verse, 8}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = Organ(), a.counter = ElectricPiano(), a.pad = WarmPad();
  a.drums = DrumGroove::FourOnFloor, a.bass = BassLine::Syncopated, a.arpeggio = Arpeggio::UpDownEighths;
  a.swing = 0.3, a.leadLevel = 0.2;
  return s;
}

SongPlan NameEntryFanfare() {
  SongPlan s;
  s.title = "Bestenliste";
  s.seed = 707, s.bpm = 128, s.tonic = 60, s.mode = Mode::Major;
  s.verseChords = {0, 3, 4, 0};
  s.chorusChords = {5, 3, 0, 4};
  s.form = {{K::Intro, 2}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8}, {K::Chorus, 4}};
  auto& a = s.arrangement;
  a.lead = Brass(), a.counter = Brass(), a.pad = Strings();
  a.drums = DrumGroove::March, a.bass = BassLine::Eighths, a.arpeggio = Arpeggio::None;
  a.leadLevel = 0.24;
  return s;
}

SongPlan PlayTension() {
  SongPlan s;
  s.title = "Spannung";
  s.seed = 808, s.bpm = 120, s.tonic = 60, s.mode = Mode::Minor;
  s.verseChords = {0, 5, 3, 4};
  s.chorusChords = {5, 6, 2, 4};
  s.form = {{K::Intro, 4}, {K::Verse, 8}, {K::Chorus, 8}, {K::Verse, 8},
            {K::Break, 8}, {K::Verse, 8}, {K::Chorus, 8}};
  auto& a = s.arrangement;
  a.lead = Bell(), a.counter = SynthLead(), a.pad = GlassPad();
  a.drums = DrumGroove::Breakbeat, a.bass = BassLine::Eighths, a.arpeggio = Arpeggio::Sixteenths;
  a.leadLevel = 0.26;
  return s;
}

}  // namespace

std::vector<SongPlan> GameSongs() {
  return {HighScoreTable(), PlayChase(), MenuTheme(),        CreditsTheme(),
          PlayPulse(),      PlayGroove(), NameEntryFanfare(), PlayTension()};
}

}  // namespace soundgen

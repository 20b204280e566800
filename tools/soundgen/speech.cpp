#include "speech.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "dsp.h"
#include "effects.h"
#include "wave_file.h"

extern char** environ;

namespace soundgen {
namespace {

// Speaking a little slower than espeak-ng's default keeps the German
// clear over the music.
constexpr const char* kWordsPerMinute = "150";
constexpr const char* kPitch = "48";

bool RunEspeak(const std::string& text, const std::string& wavePath) {
  std::vector<std::string> args = {"espeak-ng", "-v", "de", "-b", "1", "-s", kWordsPerMinute,
                                   "-p", kPitch, "-w", wavePath, text};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The span of samples above -40 dBFS, or the whole buffer if none is.
std::pair<std::size_t, std::size_t> AudibleSpan(const std::vector<float>& samples) {
  std::size_t first = 0, last = samples.size();
  while (first < samples.size() && std::abs(samples[first]) < 0.01f) ++first;
  while (last > first && std::abs(samples[last - 1]) < 0.01f) --last;
  if (first >= last) return {0, samples.size()};
  return {first, last};
}

}  // namespace

const std::vector<SpeechLine>& SpeechLines() {
  static const std::vector<SpeechLine> kLines = {
      {6, "Finde die fünf Fehler!"},
      {7, "Achtung, fertig, los!"},
      {10, "Geschafft! Alle Fehler gefunden!"},
      {11, "Sehr gut! Noch vier."},
      {12, "Prima! Noch drei."},
      {13, "Klasse! Noch zwei."},
      {14, "Toll! Nur noch einer."},
      {15, "Ausgezeichnet!"},
      {18, "Gefunden! Noch vier Fehler."},
      {19, "Super! Noch drei Fehler."},
      {20, "Weiter so! Nur noch zwei."},
      {21, "Fast geschafft! Noch einer."},
      {22, "Puh, das war knapp!"},
      {23, "Na, wo steckt der nächste Fehler?"},
      {24, "Schau genau hin!"},
      {25, "Hallo? Die Zeit läuft!"},
  };
  return kLines;
}

Outcome<MonoBuffer> SpeakGerman(const std::string& text, const std::string& workDir) {
  const std::string path = (std::filesystem::path(workDir) / "speech.wav").string();
  std::remove(path.c_str());
  if (!RunEspeak(text, path)) {
    return Outcome<MonoBuffer>::Fail(
        "espeak-ng konnte nicht ausgeführt werden (ist das Paket espeak-ng installiert?)");
  }
  auto bytes = gamefile::ReadWholeFile(path, 64u << 20);
  std::remove(path.c_str());
  if (!bytes.ok()) return Outcome<MonoBuffer>::Fail("espeak-ng hat keine Wave-Datei geschrieben");
  auto wave = ParseWave(bytes.value());
  if (!wave.ok()) return Outcome<MonoBuffer>::Fail("Ausgabe von espeak-ng unlesbar: " + wave.reason());
  if (wave.value().sampleRate != kSampleRate && wave.value().sampleRate * 2 != kSampleRate) {
    return Outcome<MonoBuffer>::Fail("espeak-ng liefert eine unerwartete Abtastrate");
  }
  return ToMono(wave.value());
}

StereoBuffer PrepareSpeech(const MonoBuffer& raw, double leadingSilence) {
  const auto [first, last] = AudibleSpan(raw.samples);
  // Keep a breath before the first and after the last sound, so consonants
  // are not cut.
  const std::size_t margin = static_cast<std::size_t>(raw.sampleRate / 50);
  MonoBuffer trimmed;
  trimmed.sampleRate = raw.sampleRate;
  trimmed.samples.assign(raw.samples.begin() + (first > margin ? first - margin : 0),
                         raw.samples.begin() + std::min(raw.samples.size(), last + 3 * margin));
  if (trimmed.sampleRate * 2 == kSampleRate) trimmed = UpsampleTwice(trimmed);
  StereoBuffer sound = MonoToStereo(trimmed, leadingSilence);
  MasterShortSound(sound);
  return sound;
}

}  // namespace soundgen

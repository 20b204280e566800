#include "generator.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <atomic>
#include <map>
#include <thread>

#include "catalogue.h"
#include "dsp.h"
#include "effects.h"
#include "music.h"
#include "speech.h"
#include "vorbis_encoder.h"
#include "wave_file.h"

namespace soundgen {
namespace {

constexpr float kVorbisQuality = 0.3f;

// A private scratch folder for espeak-ng's output, removed again at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "soundgen-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct Built {
  gamefile::Bytes bytes;
  Levels levels;
};

// Speech is made first: the level-complete sentence has to wait for the
// longest praise of the last find, so it needs their lengths.
Outcome<std::map<int, StereoBuffer>> MakeAllSpeech() {
  ScratchDir scratch;
  if (scratch.path().empty()) {
    return Outcome<std::map<int, StereoBuffer>>::Fail("kein temporärer Ordner für die Sprachausgabe");
  }
  std::map<int, MonoBuffer> raw;
  for (const SpeechLine& line : SpeechLines()) {
    auto spoken = SpeakGerman(line.text, scratch.path());
    if (!spoken.ok()) return Outcome<std::map<int, StereoBuffer>>::Fail(spoken.reason());
    raw[line.buffer] = std::move(spoken.value());
  }
  std::map<int, StereoBuffer> prepared;
  for (auto& [buffer, mono] : raw) {
    if (buffer != kLevelCompleteSpeech) prepared[buffer] = PrepareSpeech(mono, 0.0);
  }
  double wait = 0.0;
  for (int buffer : kLastFindSpeeches) {
    wait = std::max(wait, static_cast<double>(prepared[buffer].frames()) / kSampleRate);
  }
  prepared[kLevelCompleteSpeech] = PrepareSpeech(raw[kLevelCompleteSpeech], wait + 0.1);
  return prepared;
}

Outcome<Built> BuildMusic(int track) {
  const StereoBuffer song = RenderSong(GameSongs().at(track));
  auto encoded = EncodeVorbis(song, kVorbisQuality);
  if (!encoded.ok()) return Outcome<Built>::Fail(encoded.reason());
  return Built{std::move(encoded.value()), MeasureLevels(song)};
}

// Renders and encodes all tracks on up to two threads: the tracks are
// independent (each song has its own seeds), so the bytes do not depend on
// the order in which they finish.
std::vector<Outcome<Built>> BuildAllMusic(int trackCount) {
  std::vector<std::optional<Outcome<Built>>> results(trackCount);
  std::atomic<int> next{0};
  auto work = [&] {
    for (int track = next++; track < trackCount; track = next++) results[track] = BuildMusic(track);
  };
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
  std::vector<std::thread> threads;
  for (unsigned w = 1; w < workers; ++w) threads.emplace_back(work);
  work();
  for (auto& thread : threads) thread.join();
  std::vector<Outcome<Built>> built;
  for (auto& result : results) built.push_back(std::move(*result));
  return built;
}

Built BuildWave(const StereoBuffer& sound) { return {EncodeWave(sound), MeasureLevels(sound)}; }

const char* KindName(AssetKind kind) {
  switch (kind) {
    case AssetKind::Music: return "Musik";
    case AssetKind::Effect: return "Effekt";
    case AssetKind::Speech: return "Sprache";
  }
  return "";
}

}  // namespace

Outcome<int> GenerateSoundFiles(const std::string& outputDir, const ProgressReport& report) {
  std::error_code error;
  std::filesystem::create_directories(outputDir, error);
  if (error) return Outcome<int>::Fail("Ordner " + outputDir + " kann nicht angelegt werden");
  auto speech = MakeAllSpeech();
  if (!speech.ok()) return Outcome<int>::Fail(speech.reason());

  auto music = BuildAllMusic(static_cast<int>(GameSongs().size()));

  int written = 0;
  for (const AssetEntry& entry : SoundCatalogue()) {
    const std::string name = DataFileName(entry.fileNumber);
    Built built;
    if (entry.kind == AssetKind::Music) {
      auto& track = music.at(entry.index);
      if (!track.ok()) return Outcome<int>::Fail(name + ": " + track.reason());
      built = std::move(track.value());
    } else if (entry.kind == AssetKind::Speech) {
      built = BuildWave(speech.value().at(entry.index));
    } else {
      auto effect = MakeEffect(entry.index);
      if (!effect) return Outcome<int>::Fail(name + ": kein Klang für Puffer " + std::to_string(entry.index));
      built = BuildWave(*effect);
    }
    const std::string path = (std::filesystem::path(outputDir) / name).string();
    auto status = gamefile::WriteFileAtomically(path, built.bytes);
    if (!status.ok()) return Outcome<int>::Fail(name + " kann nicht geschrieben werden: " + status.error().detail);
    ++written;
    if (report) {
      report({name, KindName(entry.kind), built.levels.seconds, ToDecibels(built.levels.peak),
              ToDecibels(built.levels.activeRms), built.bytes.size()});
    }
  }
  return written;
}

}  // namespace soundgen

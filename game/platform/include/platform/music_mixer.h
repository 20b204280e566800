#pragma once
// Mixes the eight music tracks into one 16-bit stereo stream. Each track is
// an Ogg Vorbis file streamed from disk (never decoded whole), converted to
// the output rate, with its own running flag, position and gain. Mix() runs
// on the audio thread; every other call comes from the game thread, so the
// track table is guarded by a mutex.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

class MusicMixer {
 public:
  static constexpr int kTracks = 8;

  MusicMixer(int outputRate, int outputChannels);
  ~MusicMixer();
  MusicMixer(const MusicMixer&) = delete;
  MusicMixer& operator=(const MusicMixer&) = delete;

  // Opens `path` as track `track`; false when it is not a readable Ogg Vorbis file.
  bool Open(int track, const std::string& path);
  void Start(int track);
  void Stop(int track);
  void Rewind(int track);
  void SetVolume(int track, int hundredthsDb);

  bool IsOpen(int track) const;
  bool IsStarted(int track) const;
  // True once a started track has played to its end (it then adds silence).
  bool IsFinished(int track) const;

  // Adds every started track into `out` (interleaved 16-bit samples,
  // `frames` frames), overwriting what was there.
  void Mix(std::int16_t* out, int frames);

 private:
  struct Track;
  int outputRate_;
  int outputChannels_;
  mutable std::mutex mutex_;
  std::unique_ptr<Track[]> tracks_;
  std::vector<int> sum_;
  std::vector<std::int16_t> part_;
};

}  // namespace platform

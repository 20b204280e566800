#pragma once
// Background music: eight tracks, each opened once at start-up and then
// started, stopped and rewound by the screens through its track number.
// A track is not looped; at its end it stays "running" and silent until it
// is stopped or rewound.
#include <cstdint>
#include <string>

namespace platform {

class Backend;
struct Platform;

class MusicTrack {
 public:
  enum State : std::int32_t { kNotLoaded = 0, kStopped = 1, kPaused = 2, kRunning = 3 };

  // Result codes: 0 success, kFailed for an operation not allowed in the
  // current state or refused by the device. Callers may ignore them.
  static constexpr int kSucceeded = 0;
  static constexpr int kFailed = -1;

  // Binds the track to its stream number in the audio backend.
  void Attach(Backend* backend, int track);

  int Open(const std::string& fileName);
  int Run();
  int Stop();
  int SetVolume(int hundredthsDb);
  int Rewind();

  State state() const { return state_; }
  const std::string& fileName() const { return fileName_; }

 private:
  Backend* backend_ = nullptr;
  int track_ = 0;
  std::string fileName_;
  State state_ = kNotLoaded;
};

// Music volume setting (0..50 and above) to hundredths of a decibel:
// (v - 50) * 200 clamped to -10000..0.
int MusicVolumeToHundredthsDb(int setting);

// Track-number operations used by the screens.
void PlayMusic(Platform& platform, int track);  // only when music is on
void StopMusic(Platform& platform, int track);
void RewindMusic(Platform& platform, int track);
void SetMusicVolume(Platform& platform, int track, std::uint8_t setting);

}  // namespace platform

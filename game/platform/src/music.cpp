#include "platform/music.h"

#include <algorithm>

#include "platform/platform.h"

namespace platform {
namespace {

constexpr int kSilentHundredthsDb = -10000;

MusicTrack* TrackFor(Platform& platform, int track) {
  if (track < 0 || track >= kMusicTrackCount) return nullptr;
  return &platform.music[track];
}

}  // namespace

void MusicTrack::Attach(Backend* backend, int track) {
  backend_ = backend;
  track_ = track;
}

int MusicTrack::Open(const std::string& fileName) {
  fileName_.clear();
  state_ = kNotLoaded;
  if (backend_ == nullptr || !backend_->OpenMusicStream(track_, fileName)) return kFailed;
  fileName_ = fileName;
  state_ = kStopped;
  return kSucceeded;
}

int MusicTrack::Run() {
  if (state_ != kStopped && state_ != kPaused) return kFailed;
  backend_->StartMusicStream(track_);
  state_ = kRunning;
  return kSucceeded;
}

int MusicTrack::Stop() {
  if (state_ != kPaused && state_ != kRunning) return kFailed;
  backend_->StopMusicStream(track_);
  state_ = kStopped;
  return kSucceeded;
}

int MusicTrack::SetVolume(int hundredthsDb) {
  if (state_ == kNotLoaded) return kFailed;
  backend_->SetMusicStreamVolume(track_, std::clamp(hundredthsDb, kSilentHundredthsDb, 0));
  return kSucceeded;
}

int MusicTrack::Rewind() {
  if (state_ == kNotLoaded) return kFailed;
  Stop();
  backend_->RewindMusicStream(track_);
  return kSucceeded;
}

int MusicVolumeToHundredthsDb(int setting) {
  return std::clamp((setting - 50) * 200, kSilentHundredthsDb, 0);
}

void PlayMusic(Platform& platform, int track) {
  MusicTrack* music = TrackFor(platform, track);
  if (music == nullptr || platform.sound.musicOn != 1) return;
  music->SetVolume(MusicVolumeToHundredthsDb(platform.sound.musicVolume));
  music->Run();
}

void StopMusic(Platform& platform, int track) {
  if (MusicTrack* music = TrackFor(platform, track)) music->Stop();
}

void RewindMusic(Platform& platform, int track) {
  if (MusicTrack* music = TrackFor(platform, track)) music->Rewind();
}

void SetMusicVolume(Platform& platform, int track, std::uint8_t setting) {
  if (MusicTrack* music = TrackFor(platform, track)) {
    music->SetVolume(MusicVolumeToHundredthsDb(setting));
  }
}

}  // namespace platform

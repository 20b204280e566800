#pragma once
// The backend qxdata plays on: SDL2 window and renderer, SDL relative mouse,
// SDL_mixer channels for the numbered sounds and a music hook that mixes the
// eight Ogg Vorbis tracks.
#include <memory>

#include "platform/backend.h"
#include "platform/music_mixer.h"

namespace platform {

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  bool CreateGameWindow() override;
  void ChooseWindowMode(bool windowed) override;
  void AllowScreenSaver(bool allowed) override;
  void MinimiseWindow() override;
  bool StartDisplay(int depth) override;
  void ReleaseDisplay() override;
  void Present(SDL_Surface& backBuffer) override;
  void ShowMessage(std::string_view caption, std::string_view text) override;
  void StartInput() override;
  void ReleaseInput() override;
  bool PollEvent(InputEvent& event) override;
  bool ReadCursorPosition(int& x, int& y) override;
  bool StartSound() override;
  bool CreateSoundBuffer(int buffer, const WaveData& wave) override;
  void PlaySoundBuffer(int buffer, int mixerVolume) override;
  void StopSoundBuffer(int buffer) override;
  bool IsSoundBufferPlaying(int buffer) override;
  void ReleaseSound() override;
  bool OpenMusicStream(int track, const std::string& path) override;
  void StartMusicStream(int track) override;
  void StopMusicStream(int track) override;
  void RewindMusicStream(int track) override;
  void SetMusicStreamVolume(int track, int hundredthsDb) override;
  std::uint64_t PerformanceFrequency() override;
  std::uint64_t PerformanceCounter() override;
  std::uint32_t Milliseconds() override;
  std::int64_t CalendarSeconds() override;
  void Idle(int microseconds) override;

 // For tests: the mode shown now, the window, how often the mixer was
  // opened again on another device, and the music mixer in use.
  bool IsWindowed() const;
  SDL_Window* Window() const;
  int AudioReopenCount() const;
  const MusicMixer& Music() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform

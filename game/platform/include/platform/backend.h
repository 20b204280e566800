#pragma once
// The device side of the platform layer: window and presentation, input
// source, audio output and clocks. The core (compositor, asset loading,
// sound and music rules) is the same for every backend; only these calls
// differ between the SDL backend used for play and the headless one used by
// tests and benchmarks.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

class Backend {
 public:
  virtual ~Backend() = default;

  // --- window and presentation ---
  // Creates (or recreates, on the 16-bit fallback) the game's window.
  virtual bool CreateGameWindow() = 0;
  // The mode the next CreateGameWindow opens in: a resizable window or the
  // whole screen (the default).
  virtual void ChooseWindowMode(bool /*windowed*/) {}
  // Whether the desktop's screen saver may start: yes while the game only
  // waits for the player, never while a level runs.
  virtual void AllowScreenSaver(bool /*allowed*/) {}
  virtual void MinimiseWindow() = 0;
  // Prepares presentation of a 1024 x 768 frame at 32 or 16 bits per pixel.
  virtual bool StartDisplay(int depth) = 0;
  virtual void ReleaseDisplay() = 0;
  // Shows the finished back buffer. Never waits for vertical sync.
  virtual void Present(SDL_Surface& backBuffer) = 0;
  // Modal box with an OK button and no owner window. Caption and text are
  // UTF-8 and passed verbatim.
  virtual void ShowMessage(std::string_view caption, std::string_view text) = 0;

  // --- input ---
  virtual void StartInput() = 0;
  virtual void ReleaseInput() = 0;
  // Takes the next pending event without waiting; false when there is none.
  virtual bool PollEvent(InputEvent& event) = 0;
  // The system cursor position at start-up; false when it cannot be read.
  virtual bool ReadCursorPosition(int& x, int& y) = 0;

  // --- audio: numbered sounds ---
  // False when no sound device could be opened; the backend then still
  // accepts every sound so that the game runs silent.
  virtual bool StartSound() = 0;
  virtual bool CreateSoundBuffer(int buffer, const WaveData& wave) = 0;
  // Plays the buffer from its start at `mixerVolume` (0..128), restarting it
  // if it is still playing.
  virtual void PlaySoundBuffer(int buffer, int mixerVolume) = 0;
  virtual void StopSoundBuffer(int buffer) = 0;
  virtual bool IsSoundBufferPlaying(int buffer) = 0;
  virtual void ReleaseSound() = 0;

  // --- audio: music streams (one per track, opened once, streamed) ---
  virtual bool OpenMusicStream(int track, const std::string& path) = 0;
  virtual void StartMusicStream(int track) = 0;
  virtual void StopMusicStream(int track) = 0;
  virtual void RewindMusicStream(int track) = 0;
  // Volume in hundredths of a decibel, already clamped to -10000..0.
  virtual void SetMusicStreamVolume(int track, int hundredthsDb) = 0;

  // --- clocks ---
  // 0 when no high-resolution counter is available.
  virtual std::uint64_t PerformanceFrequency() = 0;
  virtual std::uint64_t PerformanceCounter() = 0;
  virtual std::uint32_t Milliseconds() = 0;
  // Calendar time in seconds, for the random seed.
  virtual std::int64_t CalendarSeconds() = 0;
  // Gives the processor back for about `microseconds` while the main loop
  // has nothing to do before its next frame. Backends without a real clock
  // need not wait.
  virtual void Idle(int /*microseconds*/) {}
};

}  // namespace platform

#pragma once
// A backend without devices, for tests and benchmarks: scripted input, a
// controllable clock, captured frames and a record of every sound and music
// call. The compositor, the asset loading and the sound and music rules are
// the ones the game uses.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/music_mixer.h"

namespace platform {

struct ShownMessage {
  std::string caption;
  std::string text;
};

// The colour SDL's converter gives an RGB555 pixel, as XRGB8888.
std::uint32_t Rgb555AsXrgb(std::uint16_t pixel);

// One presented frame as the back buffer held it: XRGB8888 in `pixels` at
// 32 bits, RGB555 in `pixels555` at 16 bits. Presenting is one plain copy
// either way; Pixel() reads both alike as 0xRRGGBB.
struct CapturedFrame {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint16_t> pixels555;
  std::uint32_t Pixel(int x, int y) const {
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    return pixels555.empty() ? pixels[at] & 0xFFFFFF : Rgb555AsXrgb(pixels555[at]);
  }
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // --- configuration ---
  bool refuseDepth32 = false;
  bool refuseDepth16 = false;
  bool noSoundDevice = false;
  bool highResolutionClock = true;
  int cursorX = 0;
  int cursorY = 0;
  bool cursorReadable = true;
  // Each clock query advances the clock by this many units, so a main loop
  // makes progress without a test driving the clock (0 = frozen clock).
  std::uint64_t clockStepPerQuery = 0;
  // Keep every presented frame (otherwise only the latest).
  bool keepAllFrames = false;
  // Called after each presented frame with its number (from 1); tests script
  // per-frame input here.
  std::function<void(HeadlessBackend&, int frameNumber)> onPresent;

  // --- scripted input ---
  void ScriptKey(int virtualKey);
  void ScriptMotion(int dx, int dy);
  void ScriptWheel(int delta);
  void ScriptButton(int button, bool down);
  void ScriptClick(int button = 0);  // press and release
  void ScriptQuit();
  // The player switched between the full screen and a window (the switching
  // keys themselves never reach the game).
  void ScriptWindowModeSwitch(bool windowed);

  // --- clock ---
  void AdvanceClock(std::uint64_t units);
  std::uint64_t clock = 0;  // counter value; milliseconds follow it at 1 unit = 1 us

  // --- what happened ---
  std::vector<ShownMessage> messages;
  std::vector<std::string> audioCalls;  // e.g. "play 4 23", "music-start 2"
  std::vector<CapturedFrame> frames;
  int presentCount = 0;
  int windowsCreated = 0;
  int minimiseCount = 0;
  int displayStarts = 0;
  bool windowedChosen = false;  // the mode the last CreateGameWindow opened in
  std::vector<bool> screenSaverChanges;  // every AllowScreenSaver, in order
  const CapturedFrame* LastFrame() const { return frames.empty() ? nullptr : &frames.back(); }
  // Writes a captured frame as an RGB PNG; false on failure.
  static bool WriteFramePng(const CapturedFrame& frame, const std::string& path);

  // The music mixer the tracks play through; tests pull samples from it.
  MusicMixer& mixer() { return *mixer_; }

  // --- Backend ---
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
  int idleCalls = 0;
  std::vector<int> idleMicroseconds;  // each Idle call's wait

 private:
  struct SoundBuffer {
    bool loaded = false;
    std::uint64_t durationUs = 0;
    bool playing = false;
    std::uint64_t startedAt = 0;
  };
  std::deque<InputEvent> events_;
  std::vector<SoundBuffer> sounds_;
  std::unique_ptr<MusicMixer> mixer_;
};

}  // namespace platform

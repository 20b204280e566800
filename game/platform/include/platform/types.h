#pragma once
// Small value types shared by every part of the platform layer.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The game always draws into a 1024 x 768 frame, whatever the desktop size.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

inline constexpr int kImageSlotCount = 115;
inline constexpr int kSoundBufferCount = 33;
inline constexpr int kMusicTrackCount = 8;
inline constexpr int kMouseButtonCount = 8;

// Owns an SDL surface; surfaces are freed by whoever holds the pointer.
struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Screen rectangle, right and bottom exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// One numbered image of the image table, with the size it was loaded at.
struct ImageSlot {
  SurfacePtr surface;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// PCM format of a wave file, exactly the 18 bytes of its format chunk.
struct WaveFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSecond = 0;
  std::uint32_t averageBytesPerSecond = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t extraSize = 0;
};

// The whole sample data of one sound, held in memory from start-up on.
struct WaveData {
  WaveFormat format;
  std::vector<std::uint8_t> samples;
};

// One reading of the mouse: motion since the previous reading and the
// button states (0x80 = down, or pressed at some time since the previous reading).
struct MouseReading {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::int32_t wheel = 0;
  std::array<std::uint8_t, kMouseButtonCount> buttons{};
};

// The six bytes of vol.qxf.
struct SoundSettings {
  std::uint8_t musicOn = 1;
  std::uint8_t musicVolume = 43;
  std::uint8_t effectsOn = 1;
  std::uint8_t effectsVolume = 70;
  std::uint8_t speechOn = 1;
  std::uint8_t speechVolume = 70;
};

// What the device side hands to the platform core, one event at a time.
struct InputEvent {
  // WindowModeChanged: the player switched between the full screen and a
  // window; the backend has already done it and only the choice is left to
  // remember. The switching keys never arrive as KeyDown.
  enum class Kind { Quit, KeyDown, MouseMotion, MouseWheel, MouseButton, WindowModeChanged };
  Kind kind = Kind::Quit;
  int virtualKey = 0;   // KeyDown: Windows virtual-key code
  int dx = 0;           // MouseMotion
  int dy = 0;           // MouseMotion
  int wheel = 0;        // MouseWheel
  int button = 0;       // MouseButton: 0 left, 1 right, 2 middle, 3.. extra
  bool down = false;    // MouseButton
  bool windowed = false;  // WindowModeChanged: the mode now shown
};

// One maker for each kind, so every backend fills in the same fields.
inline InputEvent QuitEvent() { return {.kind = InputEvent::Kind::Quit}; }
inline InputEvent KeyDownEvent(int virtualKey) { return {.kind = InputEvent::Kind::KeyDown, .virtualKey = virtualKey}; }
inline InputEvent MotionEvent(int dx, int dy) { return {.kind = InputEvent::Kind::MouseMotion, .dx = dx, .dy = dy}; }
inline InputEvent WheelEvent(int delta) { return {.kind = InputEvent::Kind::MouseWheel, .wheel = delta}; }
inline InputEvent ButtonEvent(int button, bool down) {
  return {.kind = InputEvent::Kind::MouseButton, .button = button, .down = down};
}
inline InputEvent WindowModeEvent(bool windowed) {
  return {.kind = InputEvent::Kind::WindowModeChanged, .windowed = windowed};
}

}  // namespace platform

#pragma once
// The program-wide platform state of qxdata and every operation on it.
// One `Platform` lives for the whole run (created in main); operations are
// free functions taking it. Include this header to get the whole layer.
#include <array>
#include <cstdint>
#include <string>

#include "platform/backend.h"
#include "platform/music.h"
#include "platform/types.h"

namespace platform {

// Which clock the frame pacing uses (high-resolution counter, or the
// millisecond timer when the counter is not available).
struct FramePacing {
  bool highResolution = false;
  std::uint64_t interval = 0;    // in clock units
  std::uint64_t nextFrame = 0;   // clock value after which the next frame runs
  std::uint64_t frequency = 1000;  // clock units per second
};

// Mouse state between two readings, fed by the event pump.
struct MouseState {
  MouseReading latest;  // the latest reading handed to a screen
  std::int32_t pendingDx = 0;
  std::int32_t pendingDy = 0;
  std::int32_t pendingWheel = 0;
  std::array<bool, kMouseButtonCount> down{};
  // A press seen since the previous reading: keeps a press-and-release
  // between two readings visible in the next one.
  std::array<bool, kMouseButtonCount> pressedSinceReading{};
};

struct Platform {
  Backend* backend = nullptr;

  std::string startDirectory;       // current directory at start-up
  int startCursorX = 0;             // system cursor at start-up
  int startCursorY = 0;

  // Display: 32 or 16 bits per pixel, and the back buffer all drawing goes to.
  int colourDepth = 32;
  bool displayStarted = false;
  SurfacePtr backBuffer;
  // A clear of the back buffer not carried out yet (see ClearBackBuffer).
  bool clearPending = false;
  SDL_Rect pendingClear{};

  std::array<ImageSlot, kImageSlotCount> images{};
  std::array<bool, kSoundBufferCount> soundLoaded{};
  bool soundStarted = false;
  std::array<MusicTrack, kMusicTrackCount> music{};
  SoundSettings sound;

  MouseState mouse;
  FramePacing pacing;

  // Shown in a resizable window instead of the whole screen (fenster.qxf).
  bool windowed = false;
  // The screen saver is let run (the game only waits); kept so the backend
  // hears of a change only once.
  bool screenSaverAllowed = false;

  // Set when a fatal message has been shown: the program must end with exit
  // code 0 as soon as control returns to the main loop.
  bool endRequested = false;
};

}  // namespace platform

#include "platform/assets.h"
#include "platform/display.h"
#include "platform/draw.h"
#include "platform/images.h"
#include "platform/input.h"
#include "platform/lens.h"
#include "platform/lifecycle.h"
#include "platform/sound.h"
#include "platform/window_settings.h"

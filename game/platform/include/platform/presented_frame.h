#pragma once
// What a newly finished frame changes on the screen. The game composes every
// frame in full, but most frames repeat the one before (a menu at rest) or
// change only a few rows (the cursor, the clock, the time bar). Handing an
// unchanged frame to the renderer again costs a whole upload and a whole
// present for nothing, so the presenter asks this record first.
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace platform {

// The smallest rectangle that holds every pixel that differs from the last
// frame taken; `changed` false when the frame is the same, pixel for pixel.
struct FrameChange {
  bool changed = false;
  SDL_Rect area{0, 0, 0, 0};
};

class PresentedFrame {
 public:
  // Compares `frame` with the frame taken last and keeps it as the new last
  // one. The first frame, a frame of another size or format, and the first
  // frame after Forget() count as changed everywhere.
  FrameChange Take(const SDL_Surface& frame);
  // The screen no longer shows the last frame (a new texture, a lost
  // device): the next frame is handed over whole.
  void Forget() { known_ = false; }

 private:
  FrameChange TakeWhole(const SDL_Surface& frame);

  std::vector<std::uint8_t> pixels_;
  int width_ = 0;
  int height_ = 0;
  std::uint32_t format_ = 0;
  bool known_ = false;
};

}  // namespace platform

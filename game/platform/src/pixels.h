#pragma once
// Pixel helpers shared by the image loaders and the compositor.
#include <SDL.h>

#include <cstdint>

namespace platform {

// Clears the unused bits of every pixel (the X byte of XRGB8888, bit 15 of
// RGB555), so black is exactly 0 and matches the black colour key whatever
// the converter left there.
void ClearUnusedBits(SDL_Surface* surface);

// Locks a surface for direct pixel access for the lifetime of the guard.
class SurfaceLock {
 public:
  explicit SurfaceLock(SDL_Surface* surface) : surface_(surface) {
    locked_ = SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) == 0;
  }
  ~SurfaceLock() {
    if (locked_) SDL_UnlockSurface(surface_);
  }
  SurfaceLock(const SurfaceLock&) = delete;
  SurfaceLock& operator=(const SurfaceLock&) = delete;

 private:
  SDL_Surface* surface_;
  bool locked_ = false;
};

}  // namespace platform

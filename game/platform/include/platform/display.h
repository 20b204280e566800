#pragma once
// The 1024 x 768 display: back buffer, presentation, colour key, release.
#include <cstdint>

#include "platform/types.h"

namespace platform {

struct Platform;

// Sets up presentation at `depth` (32 or 16) and creates the back buffer in
// that depth's pixel format (XRGB8888 or RGB555). The frame is always
// 1024 x 768; width and height bound the back buffer's clip rectangle.
bool StartDisplay(Platform& platform, int width, int height, int depth);

// Frees the back buffer, every image slot's surface and the presentation.
// Safe at any time and more than once.
void ReleaseDisplay(Platform& platform);

// Shows the back buffer (once per frame, never waiting).
void present(Platform& platform);

// Gives `surface` a source colour key: pixels in low..high are transparent
// in keyed draws. The game passes 0, 0 (pure black). Returns 0 on success.
int SetBlackTransparent(SDL_Surface* surface, std::uint32_t low, std::uint32_t high);

// SDL pixel format used for `depth` bits per pixel.
std::uint32_t PixelFormatForDepth(int depth);

// A zero-filled surface of the display's pixel format; null on failure.
SurfacePtr CreateImageSurface(const Platform& platform, int width, int height);

}  // namespace platform

#include "platform/display.h"

#include "platform/platform.h"

namespace platform {

std::uint32_t PixelFormatForDepth(int depth) {
  return depth == 16 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB888;
}

SurfacePtr CreateImageSurface(const Platform& platform, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::uint32_t format = PixelFormatForDepth(platform.colourDepth);
  // SDL zero-fills new surfaces, so a fresh image is black (transparent when keyed).
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height,
                                                   SDL_BITSPERPIXEL(format), format));
}

bool StartDisplay(Platform& platform, int width, int height, int depth) {
  platform.colourDepth = depth == 16 ? 16 : 32;
  if (platform.backend == nullptr || !platform.backend->StartDisplay(platform.colourDepth)) {
    return false;
  }
  platform.clearPending = false;
  platform.backBuffer = CreateImageSurface(platform, kScreenWidth, kScreenHeight);
  if (!platform.backBuffer) return false;
  // Callers pass the screen size as 16-bit values; the clip rectangle keeps
  // drawing inside it.
  SDL_Rect clip{0, 0, static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)};
  SDL_SetClipRect(platform.backBuffer.get(), &clip);
  platform.displayStarted = true;
  return true;
}

void ReleaseDisplay(Platform& platform) {
  platform.backBuffer.reset();
  for (ImageSlot& slot : platform.images) slot.surface.reset();
  if (platform.displayStarted && platform.backend != nullptr) platform.backend->ReleaseDisplay();
  platform.displayStarted = false;
}

void present(Platform& platform) {
  if (platform.backBuffer && platform.displayStarted) {
    FinishBackBuffer(platform);
    platform.backend->Present(*platform.backBuffer);
  }
}

int SetBlackTransparent(SDL_Surface* surface, std::uint32_t low, std::uint32_t /*high*/) {
  // SDL keys a single value; the game only ever asks for the range 0..0.
  if (surface == nullptr) return -1;
  return SDL_SetColorKey(surface, SDL_TRUE, low);
}

}  // namespace platform

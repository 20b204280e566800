#include "pixels.h"

namespace platform {

void ClearUnusedBits(SDL_Surface* surface) {
  if (surface == nullptr) return;
  SurfaceLock lock(surface);
  auto* rowStart = static_cast<std::uint8_t*>(surface->pixels);
  if (surface->format->BytesPerPixel == 4) {
    for (int y = 0; y < surface->h; ++y, rowStart += surface->pitch) {
      auto* pixel = reinterpret_cast<std::uint32_t*>(rowStart);
      for (int x = 0; x < surface->w; ++x) pixel[x] &= 0x00FFFFFFu;
    }
  } else if (surface->format->BytesPerPixel == 2) {
    for (int y = 0; y < surface->h; ++y, rowStart += surface->pitch) {
      auto* pixel = reinterpret_cast<std::uint16_t*>(rowStart);
      for (int x = 0; x < surface->w; ++x) pixel[x] &= 0x7FFFu;
    }
  }
}

}  // namespace platform

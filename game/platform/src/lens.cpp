#include "platform/lens.h"

#include <algorithm>
#include <cstring>

#include "platform/draw.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr int kRingWidth = 2;

// Floor division, so image pixels left of and above the centre enlarge into
// blocks of the same size as those right of and below it.
int FloorDiv(int value, int divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

std::uint8_t* PixelAt(SDL_Surface& surface, int x, int y) {
  return static_cast<std::uint8_t*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch +
         static_cast<std::ptrdiff_t>(x) * surface.format->BytesPerPixel;
}

void PutPixel(SDL_Surface& target, int x, int y, std::uint32_t value) {
  std::memcpy(PixelAt(target, x, y), &value, target.format->BytesPerPixel);  // little-endian pixels
}

}  // namespace

void DrawLens(Platform& platform, const Lens& lens, int slot, int imageX, int imageY) {
  if (!platform.backBuffer || slot < 0 || slot >= kImageSlotCount || lens.radius <= 0 || lens.zoom <= 0) return;
  SDL_Surface& target = *platform.backBuffer;
  SDL_Surface* image = platform.images[slot].surface.get();
  // The image must share the back buffer's pixel format to be copied by
  // value; every slot is loaded in it.
  if (image != nullptr && image->format->format != target.format->format) image = nullptr;
  FinishBackBuffer(platform);
  const SDL_Rect clip = target.clip_rect;
  const std::uint32_t ring = SDL_MapRGB(target.format, 235, 235, 235);
  const int outer = lens.radius + kRingWidth;
  const int bytes = target.format->BytesPerPixel;
  for (int dy = -outer; dy <= outer; ++dy) {
    const int y = lens.centreY + dy;
    if (y < clip.y || y >= clip.y + clip.h) continue;
    for (int dx = -outer; dx <= outer; ++dx) {
      const int x = lens.centreX + dx;
      if (x < clip.x || x >= clip.x + clip.w) continue;
      const int distance = dx * dx + dy * dy;
      if (distance > outer * outer) continue;
      if (distance > lens.radius * lens.radius) {
        PutPixel(target, x, y, ring);
        continue;
      }
      const int sx = imageX + FloorDiv(dx, lens.zoom);
      const int sy = imageY + FloorDiv(dy, lens.zoom);
      if (image == nullptr || sx < 0 || sy < 0 || sx >= image->w || sy >= image->h) {
        PutPixel(target, x, y, 0);
      } else {
        std::memcpy(PixelAt(target, x, y), PixelAt(*image, sx, sy), bytes);
      }
    }
  }
}

}  // namespace platform

#include "platform/draw.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "pixels.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr int kMaxTextCharacters = 80;

// A stretch of target columns that all show one source column.
struct ColumnRun {
  std::uint32_t sourceColumn;
  int length;
};

// Fills a row run by run. Runs are short (about ten pixels), so each is
// written as one fixed-size block of its colour, which compiles to a couple
// of vector stores; the next run then overwrites what spilled past its end.
// Near the end of the row, where a block would spill out of it, the runs
// are filled exactly.
template <typename Pixel>
void FillRuns(Pixel* row, int width, const Pixel* sourceRow, const std::vector<ColumnRun>& runs) {
  constexpr int kBlock = 32 / static_cast<int>(sizeof(Pixel));
  Pixel* out = row;
  Pixel* const end = row + width;
  for (const ColumnRun& run : runs) {
    const Pixel colour = sourceRow[run.sourceColumn];
    if (run.length <= kBlock && end - out >= kBlock) {
      Pixel block[kBlock];
      for (Pixel& pixel : block) pixel = colour;
      std::memcpy(out, block, sizeof block);
      out += run.length;
    } else {
      out = std::fill_n(out, run.length, colour);
    }
  }
}

// Nearest-neighbour copy of the whole `image` onto `whole` of `target`,
// limited to `visible` (the part of `whole` inside the target's clip
// rectangle). Each target pixel samples the source at its centre, as SDL's
// stretchers do, and the sampling is taken from the unclipped rectangle so
// an image sliding off the screen keeps its pixels where they were. Keyed
// copies skip source pixels equal to the key.
template <typename Pixel, bool Keyed>
void CopyPixels(SDL_Surface& image, SDL_Surface& target, const SDL_Rect& whole, const SDL_Rect& visible,
                Pixel key) {
  SurfaceLock sourceLock(&image);
  SurfaceLock targetLock(&target);
  const bool sameSize = whole.w == image.w && whole.h == image.h;
  const std::uint64_t stepX = (static_cast<std::uint64_t>(image.w) << 16) / static_cast<std::uint64_t>(whole.w);
  const std::uint64_t stepY = (static_cast<std::uint64_t>(image.h) << 16) / static_cast<std::uint64_t>(whole.h);
  const auto sourceIndex = [](int offset, std::uint64_t step) {
    return static_cast<int>((step / 2 + static_cast<std::uint64_t>(offset) * step) >> 16);
  };
  const int firstColumn = visible.x - whole.x;
  // The source column of every visible target column, worked out once per
  // draw instead of once per row.
  static thread_local std::vector<std::uint32_t> columns;
  if (!sameSize) {
    columns.resize(static_cast<std::size_t>(visible.w));
    for (int x = 0; x < visible.w; ++x) columns[x] = static_cast<std::uint32_t>(sourceIndex(firstColumn + x, stepX));
  }
  // Strongly widened opaque images (the panoramas, ten times their width)
  // repeat each source pixel many times over: filled run by run, a row is
  // a few dozen fills instead of a thousand single copies.
  static thread_local std::vector<ColumnRun> runs;
  runs.clear();
  if (!Keyed && !sameSize && stepX <= 0x4000) {
    for (int x = 0; x < visible.w; ++x) {
      if (runs.empty() || runs.back().sourceColumn != columns[x]) runs.push_back({columns[x], 0});
      ++runs.back().length;
    }
  }
  // Plain locals for the loops: the compiler cannot tell that writing pixels
  // leaves the rectangles alone, and would read them again for every pixel.
  const int width = visible.w;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
  const std::uint32_t* const column = columns.data();
  const Pixel* previousRow = nullptr;
  int previousSourceY = -1;
  for (int y = visible.y; y < visible.y + visible.h; ++y) {
    const int sourceY = sameSize ? y - whole.y : sourceIndex(y - whole.y, stepY);
    const auto* sourceRow = reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(image.pixels) +
                                                           static_cast<std::ptrdiff_t>(sourceY) * image.pitch);
    auto* targetRow = reinterpret_cast<Pixel*>(static_cast<std::uint8_t*>(target.pixels) +
                                               static_cast<std::ptrdiff_t>(y) * target.pitch) + visible.x;
    if (sameSize) {
      const Pixel* from = sourceRow + firstColumn;
      if constexpr (Keyed) {
        // Written as a select rather than a branch so it compiles to vector code.
        for (int x = 0; x < width; ++x) targetRow[x] = from[x] != key ? from[x] : targetRow[x];
      } else {
        std::memcpy(targetRow, from, rowBytes);
      }
      continue;
    }
    if constexpr (Keyed) {
      for (int x = 0; x < width; ++x) {
        const Pixel pixel = sourceRow[column[x]];
        targetRow[x] = pixel != key ? pixel : targetRow[x];
      }
    } else if (sourceY == previousSourceY) {
      std::memcpy(targetRow, previousRow, rowBytes);  // a stretched row repeats the one above
    } else if (!runs.empty()) {
      FillRuns(targetRow, width, sourceRow, runs);
    } else {
      for (int x = 0; x < width; ++x) targetRow[x] = sourceRow[column[x]];
    }
    previousRow = targetRow;
    previousSourceY = sourceY;
  }
}

template <typename Pixel>
void CopyPixels(SDL_Surface& image, SDL_Surface& target, const SDL_Rect& whole, const SDL_Rect& visible,
                bool keyed, std::uint32_t key) {
  if (keyed) {
    CopyPixels<Pixel, true>(image, target, whole, visible, static_cast<Pixel>(key));
  } else {
    CopyPixels<Pixel, false>(image, target, whole, visible, Pixel{});
  }
}

// The general path for images whose format differs from the back buffer's.
// The key stays with the image; an opaque draw of a keyed image lifts it for
// this one blit.
void BlitThroughSdl(SDL_Surface* image, SDL_Surface* target, SDL_Rect whole, bool keyed) {
  std::uint32_t key = 0;
  const bool hasKey = SDL_GetColorKey(image, &key) == 0;
  if (hasKey && !keyed) SDL_SetColorKey(image, SDL_FALSE, key);
  SDL_BlitScaled(image, nullptr, target, &whole);
  if (hasKey && !keyed) SDL_SetColorKey(image, SDL_TRUE, key);
}

// A stretched image kept at the size it was last drawn at, with the source
// pixels it was made from.
struct StretchedCopy {
  std::uint32_t format = 0;
  int sourceWidth = 0;
  int sourceHeight = 0;
  std::vector<std::uint8_t> source;  // the source's rows, packed
  SurfacePtr stretched;
};

constexpr int kStretchCacheEntries = 4;
// Smaller draws (sparks, confetti, digits) cost less to stretch again than
// to look up.
constexpr int kSmallestCachedArea = 16 * 1024;
// Comparing the source streams through memory many times faster than
// sampling it pixel by pixel, so even a source a few times the drawn area
// (the summary panel: 490 x 430 drawn at 800 x 170) is checked cheaper than
// stretched again.
constexpr long kLargestSourceShare = 4;

bool SameSource(const StretchedCopy& copy, SDL_Surface& image) {
  if (copy.format != image.format->format || copy.sourceWidth != image.w || copy.sourceHeight != image.h) {
    return false;
  }
  SurfaceLock lock(&image);
  const std::size_t rowBytes = static_cast<std::size_t>(image.w) * image.format->BytesPerPixel;
  const auto* rows = static_cast<const std::uint8_t*>(image.pixels);
  for (int y = 0; y < image.h; ++y) {
    if (std::memcmp(&copy.source[rowBytes * y], rows + static_cast<std::ptrdiff_t>(y) * image.pitch, rowBytes) != 0) {
      return false;
    }
  }
  return true;
}

void RememberSource(StretchedCopy& copy, SDL_Surface& image) {
  SurfaceLock lock(&image);
  const std::size_t rowBytes = static_cast<std::size_t>(image.w) * image.format->BytesPerPixel;
  copy.source.resize(rowBytes * static_cast<std::size_t>(image.h));
  const auto* rows = static_cast<const std::uint8_t*>(image.pixels);
  for (int y = 0; y < image.h; ++y) {
    std::memcpy(&copy.source[rowBytes * y], rows + static_cast<std::ptrdiff_t>(y) * image.pitch, rowBytes);
  }
  copy.format = image.format->format;
  copy.sourceWidth = image.w;
  copy.sourceHeight = image.h;
}

// Several screens stretch the same large image to the same place every frame
// (the level summary panel, the table's backgrounds), and stretching
// samples pixel by pixel while a same-size copy moves whole rows. Such an
// image is stretched once and the result reused for as long as its source is
// unchanged, checked byte for byte on every draw. The stretched copy holds exactly the pixels a direct
// stretch would write (the sampling depends only on the two sizes), so the
// frame is the same either way. Null when the draw is not worth keeping:
// small, from a much larger source, or reaching past the screen.
SDL_Surface* KeptStretch(SDL_Surface& image, const SDL_Rect& whole, const SDL_Rect& visible) {
  const long area = static_cast<long>(whole.w) * whole.h;
  if (area < kSmallestCachedArea || static_cast<long>(image.w) * image.h > kLargestSourceShare * area) return nullptr;
  if (visible.w != whole.w || visible.h != whole.h) return nullptr;
  static thread_local std::vector<StretchedCopy> kept(kStretchCacheEntries);
  static thread_local std::size_t nextToReplace = 0;
  for (StretchedCopy& copy : kept) {
    if (copy.stretched && copy.stretched->w == whole.w && copy.stretched->h == whole.h && SameSource(copy, image)) {
      return copy.stretched.get();
    }
  }
  StretchedCopy& copy = kept[nextToReplace];
  nextToReplace = (nextToReplace + 1) % kept.size();
  copy.stretched.reset(SDL_CreateRGBSurfaceWithFormat(0, whole.w, whole.h, image.format->BitsPerPixel,
                                                      image.format->format));
  if (!copy.stretched) return nullptr;
  const SDL_Rect full{0, 0, whole.w, whole.h};
  if (image.format->BytesPerPixel == 4) {
    CopyPixels<std::uint32_t, false>(image, *copy.stretched, full, full, 0);
  } else {
    CopyPixels<std::uint16_t, false>(image, *copy.stretched, full, full, 0);
  }
  RememberSource(copy, image);
  return copy.stretched.get();
}

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}

// Carries out a clear still owed to the back buffer, as far as the draw
// about to happen does not cover it with opaque pixels anyway (`opaqueArea`,
// null for a keyed draw). Most screens clear and then lay one or two
// backgrounds over the whole screen, and the clear would be a wasted pass
// over 3 MB. A draw covering a full-width band at the top or the bottom of
// the owed area takes that band off it; the rest stays owed.
void SettlePendingClear(Platform& platform, const SDL_Rect* opaqueArea) {
  if (!platform.clearPending) return;
  SDL_Rect& owed = platform.pendingClear;
  if (opaqueArea != nullptr) {
    const SDL_Rect& area = *opaqueArea;
    if (Contains(area, owed)) {
      platform.clearPending = false;
      return;
    }
    const bool fullWidth = area.x <= owed.x && area.x + area.w >= owed.x + owed.w;
    const int owedBottom = owed.y + owed.h, areaBottom = area.y + area.h;
    if (fullWidth && area.y <= owed.y && areaBottom > owed.y) {
      owed.h = owedBottom - areaBottom;
      owed.y = areaBottom;
      return;
    }
    if (fullWidth && areaBottom >= owedBottom && area.y < owedBottom) {
      owed.h = area.y - owed.y;
      return;
    }
  }
  platform.clearPending = false;
  SDL_FillRect(platform.backBuffer.get(), &owed, 0);
}

// Every frame is made of these copies, so images in the back buffer's own
// format (all of the game's) take a direct path instead of SDL's general
// blitter, whose keyed stretch converts pixel by pixel.
void Blit(Platform& platform, const Rect& rect, SDL_Surface* image, bool keyed) {
  if (image == nullptr || !platform.backBuffer) return;
  SDL_Surface* target = platform.backBuffer.get();
  const SDL_Rect whole{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  if (whole.w <= 0 || whole.h <= 0 || image->w <= 0 || image->h <= 0) return;
  const int bytesPerPixel = target->format->BytesPerPixel;
  if (image->format->format != target->format->format || (bytesPerPixel != 2 && bytesPerPixel != 4)) {
    SettlePendingClear(platform, nullptr);
    BlitThroughSdl(image, target, whole, keyed);
    return;
  }
  SDL_Rect visible;
  if (!SDL_IntersectRect(&whole, &target->clip_rect, &visible)) return;
  std::uint32_t key = 0;
  const bool useKey = keyed && SDL_GetColorKey(image, &key) == 0;
  SettlePendingClear(platform, useKey ? nullptr : &visible);
  if (whole.w != image->w || whole.h != image->h) {
    if (SDL_Surface* stretched = KeptStretch(*image, whole, visible)) image = stretched;
  }
  if (bytesPerPixel == 4) {
    CopyPixels<std::uint32_t>(*image, *target, whole, visible, useKey, key);
  } else {
    CopyPixels<std::uint16_t>(*image, *target, whole, visible, useKey, key);
  }
}

SDL_Surface* SlotSurface(Platform& platform, int slot) {
  if (slot < 0 || slot >= kImageSlotCount) return nullptr;
  return platform.images[slot].surface.get();
}

void DrawGlyph(Platform& platform, int slot, int x, int y, int width, int height) {
  DrawSlotKeyed(platform, Rect{x, y, x + width, y + height}, slot);
}

struct Colour {
  std::uint8_t red, green, blue;
};

// One-pixel outline of (left, top, right, bottom), right and bottom
// exclusive, clipped to the surface.
void DrawOutline(SDL_Surface* surface, int left, int top, int right, int bottom, Colour colour) {
  if (right <= left || bottom <= top) return;
  const std::uint32_t pixel = SDL_MapRGB(surface->format, colour.red, colour.green, colour.blue);
  const SDL_Rect edges[] = {
      {left, top, right - left, 1},
      {left, bottom - 1, right - left, 1},
      {left, top, 1, bottom - top},
      {right - 1, top, 1, bottom - top},
  };
  for (const SDL_Rect& edge : edges) SDL_FillRect(surface, &edge, pixel);
}

void DrawRings(Platform& platform, std::uint8_t slot, int left, int top, int right, int bottom,
               const Colour (&rings)[4]) {
  SDL_Surface* surface = SlotSurface(platform, slot);
  if (surface == nullptr) return;
  for (int ring = 0; ring < 4; ++ring) {
    DrawOutline(surface, left + ring, top + ring, right - ring, bottom - ring, rings[ring]);
  }
}

}  // namespace

void ClearBackBuffer(Platform& platform, std::uint16_t width, std::uint16_t height) {
  if (!platform.backBuffer) return;
  SettlePendingClear(platform, nullptr);
  const SDL_Rect area{0, 0, width, height};
  // Only the part inside the clip rectangle is ever filled, so only that
  // part needs covering to make the fill unnecessary.
  if (!SDL_IntersectRect(&area, &platform.backBuffer->clip_rect, &platform.pendingClear)) return;
  platform.clearPending = true;
}

void FinishBackBuffer(Platform& platform) {
  if (platform.backBuffer) SettlePendingClear(platform, nullptr);
}

void DrawImage(Platform& platform, const Rect& rect, SDL_Surface* image) {
  Blit(platform, rect, image, false);
}

void DrawImageKeyed(Platform& platform, const Rect& rect, SDL_Surface* image) {
  Blit(platform, rect, image, true);
}

void DrawSlot(Platform& platform, const Rect& rect, int slot) {
  DrawImage(platform, rect, SlotSurface(platform, slot));
}

void DrawSlotKeyed(Platform& platform, const Rect& rect, int slot) {
  DrawImageKeyed(platform, rect, SlotSurface(platform, slot));
}

int GlyphSlotFor(std::uint8_t character) {
  if (character == 0xFE) return asset::kTextCursorGlyphSlot;
  if (character >= 'A' && character <= 'Z') return character - 35;
  return (character - 37) & 0xFF;
}

void DrawText(Platform& platform, const char* text, int x, int y, int glyphWidth,
              int glyphHeight) {
  if (text == nullptr) return;
  for (int i = 0; i < kMaxTextCharacters; ++i) {
    const auto character = static_cast<std::uint8_t>(text[i]);
    if (character == 0) break;
    // Each character advances by 0.8 glyph widths, so neighbours overlap by
    // a fifth; the arithmetic is kept in this exact form so positions match
    // the artwork's spacing to the pixel.
    const int pen = static_cast<int>(i * glyphWidth - 0.2 * glyphWidth * i);
    const int slot = GlyphSlotFor(character);
    if (slot < kImageSlotCount) DrawGlyph(platform, slot, x + pen, y, glyphWidth, glyphHeight);
  }
}

void DrawNumber(Platform& platform, std::uint8_t value, int digitCount, int x, int y,
                int glyphWidth, int glyphHeight) {
  if (digitCount == 1) {
    DrawGlyph(platform, asset::kFirstDigitSlot + value % 10, x, y, glyphWidth, glyphHeight);
  } else if (digitCount == 2) {
    DrawGlyph(platform, asset::kFirstDigitSlot + value / 10, x, y, glyphWidth, glyphHeight);
    DrawGlyph(platform, asset::kFirstDigitSlot + value % 10, x + glyphWidth, y, glyphWidth, glyphHeight);
  }
}

void DrawSixDigits(Platform& platform, int x, int y, int glyphWidth, int glyphHeight,
                   std::uint32_t value) {
  const std::uint32_t digits[6] = {value / 100000,         (value % 100000) / 10000,
                                   (value % 10000) / 1000, (value % 1000) / 100,
                                   (value % 100) / 10,     value % 10};
  for (int i = 0; i < 6; ++i) {
    // The leading digit is not reduced modulo 10; a value of a million or
    // more would address a slot past the digits, so it is limited here.
    const int digit = static_cast<int>(std::min<std::uint32_t>(digits[i], 9));
    DrawGlyph(platform, asset::kFirstDigitSlot + digit, x + i * glyphWidth, y, glyphWidth, glyphHeight);
  }
}

void DrawBlueFrame(Platform& platform, std::uint8_t slot, int left, int top, int right,
                   int bottom) {
  static constexpr Colour kRings[4] = {{0, 0, 50}, {0, 0, 100}, {0, 0, 200}, {255, 255, 255}};
  DrawRings(platform, slot, left, top, right, bottom, kRings);
}

void DrawRedFrame(Platform& platform, std::uint8_t slot, int left, int top, int right,
                  int bottom) {
  static constexpr Colour kRings[4] = {{50, 0, 0}, {100, 0, 0}, {200, 0, 0}, {255, 255, 255}};
  DrawRings(platform, slot, left, top, right, bottom, kRings);
}

void DrawBlackBox(Platform& platform, std::uint8_t slot, int left, int top, int right,
                  int bottom) {
  SDL_Surface* surface = SlotSurface(platform, slot);
  if (surface == nullptr || right <= left || bottom <= top) return;
  SDL_Rect box{left, top, right - left, bottom - top};
  SDL_FillRect(surface, &box, 0);
}

}  // namespace platform

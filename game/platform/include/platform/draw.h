#pragma once
// The compositor: what the screens draw their frames with. All lettering
// is made of glyph images from the image table.
#include <cstdint>

#include "platform/types.h"

namespace platform {

struct Platform;

// Fills (0, 0, width, height) of the back buffer with black. The fill is
// owed until the next draw or present and left out when that draw covers the
// area opaquely, which gives the same picture.
void ClearBackBuffer(Platform& platform, std::uint16_t width, std::uint16_t height);

// Carries out whatever the back buffer still owes (an owed clear) before its
// pixels are read; presenting does this itself.
void FinishBackBuffer(Platform& platform);

// Stretches the whole image onto the rectangle of the back buffer, opaque.
void DrawImage(Platform& platform, const Rect& rect, SDL_Surface* image);
// As DrawImage, but pixels equal to the image's colour key are not drawn.
void DrawImageKeyed(Platform& platform, const Rect& rect, SDL_Surface* image);
// The same by image slot number (an empty or unknown slot draws nothing).
void DrawSlot(Platform& platform, const Rect& rect, int slot);
void DrawSlotKeyed(Platform& platform, const Rect& rect, int slot);

// Draws a zero-terminated byte text with the letter glyphs, each character
// 0.8 glyph widths after the previous one; at most 80 characters.
void DrawText(Platform& platform, const char* text, int x, int y, int glyphWidth,
              int glyphHeight);
// Glyph slot of one text byte (115 or more draws nothing).
int GlyphSlotFor(std::uint8_t character);

// digitCount 1: ones digit at x; 2: tens at x, ones at x + glyphWidth.
void DrawNumber(Platform& platform, std::uint8_t value, int digitCount, int x, int y,
                int glyphWidth, int glyphHeight);
// Six digit cells with leading zeros; callers keep value below one million.
void DrawSixDigits(Platform& platform, int x, int y, int glyphWidth, int glyphHeight,
                   std::uint32_t value);

// Marks drawn into the image's own surface, in the image's pixel coordinates
// (right and bottom exclusive): four nested one-pixel rings, dark outside to
// white inside; and a filled black box.
void DrawBlueFrame(Platform& platform, std::uint8_t slot, int left, int top, int right,
                   int bottom);
void DrawRedFrame(Platform& platform, std::uint8_t slot, int left, int top, int right,
                  int bottom);
void DrawBlackBox(Platform& platform, std::uint8_t slot, int left, int top, int right,
                  int bottom);

}  // namespace platform

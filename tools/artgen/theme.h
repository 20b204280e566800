#pragma once
// One palette and a few shared styles, so every screen looks like the
// same game: deep night blues, teal glass, warm gold lettering.
#include <string_view>

#include "canvas.h"
#include "shapes.h"
#include "text.h"

namespace artgen::theme {

inline constexpr Rgb kNight = Hex(0x0B1026);
inline constexpr Rgb kNavy = Hex(0x16224A);
inline constexpr Rgb kDusk = Hex(0x2A2F6E);
inline constexpr Rgb kSteel = Hex(0x3C5A8C);
inline constexpr Rgb kTeal = Hex(0x23A6B4);
inline constexpr Rgb kTealDeep = Hex(0x0E5A6E);
inline constexpr Rgb kIce = Hex(0xA8EEF4);
inline constexpr Rgb kCream = Hex(0xFFF6DC);
inline constexpr Rgb kGold = Hex(0xFFC850);
inline constexpr Rgb kAmber = Hex(0xEB8C28);
inline constexpr Rgb kCoral = Hex(0xE6463C);
inline constexpr Rgb kLeaf = Hex(0x5AC86E);
inline constexpr Rgb kInk = Hex(0x12142E);      // outlines: the darkest visible tone
inline constexpr Rgb kPanel = Hex(0x1A2750);    // flat inner colour of the menu's option panel

// Golden lettering between the given top and bottom of the ink.
Paint GoldFill(float top, float bottom);
Paint IceFill(float top, float bottom);

// The style of every piece of golden lettering, scaled by its size.
Style GoldLettering(float top, float bottom, float outline);

// Draws text centred on (cx, cy) in the style; returns the ink width.
float DrawCentredText(Canvas& canvas, const Font& font, std::string_view utf8, float pixelSize, float cx,
                      float cy, const Style& style, float xScale = 1.0f);

// The magnifying glass that is the game's emblem: lens centre, lens radius,
// handle pointing down to the right.
void DrawMagnifier(Canvas& canvas, float cx, float cy, float radius);

// A soft round light (bokeh) for backgrounds.
void DrawBokeh(Canvas& canvas, float cx, float cy, float radius, Rgb colour, float opacity);

}  // namespace artgen::theme

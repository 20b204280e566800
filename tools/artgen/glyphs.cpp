// The lettering of the game: every text on screen is assembled from these
// images, so they share one baseline, one style and a fixed cell.
#include <algorithm>
#include <string>
#include <string_view>

#include "artwork.h"
#include "theme.h"

namespace artgen {

namespace {

// Letter cells are 25 x 25 and the game advances 20 pixels per letter, so
// the ink is centred in the cell and kept within about 21 pixels.
constexpr float kLetterCell = 25;
constexpr float kLetterEm = 20.5f;
// Wider than the font's own shapes so a word fills its 20-pixel advance
// instead of looking letter-spaced.
constexpr float kLetterWidening = 1.3f;
constexpr float kLetterBaseline = 18.5f;
constexpr float kLetterMaxInk = 21.0f;
constexpr float kCapTop = kLetterBaseline - kLetterEm * 0.73f;

}  // namespace

RgbImage PaintLetter(const Fonts& fonts, char letter) {
  // The narrowest letters come from the monospaced face, whose serifs let
  // them fill a fixed advance instead of leaving a gap on either side.
  const bool narrow = std::string_view("iIjl").find(letter) != std::string_view::npos;
  const Font& font = narrow ? *fonts.monoBold : *fonts.bold;
  std::string text(1, letter);
  TextShape shape = font.Render(text, kLetterEm, narrow ? 1.0f : kLetterWidening);
  if (shape.inkWidth() > kLetterMaxInk)
    shape = font.Render(text, kLetterEm, kLetterWidening * kLetterMaxInk / shape.inkWidth());
  float penX = kLetterCell / 2 - (shape.inkLeft + shape.inkRight) / 2;
  Canvas canvas(25, 25);
  Style style = theme::GoldLettering(kCapTop, kLetterBaseline + 3, 1.1f);
  style.bevelWidth = 1.4f;
  DrawShape(canvas, shape.At(penX, kLetterBaseline), style);
  return ToKeyedImage(canvas);
}

RgbImage PaintCursorMark() {
  // A bar on the baseline where the next letter will go; it blinks with a
  // space, so it must read as "type here" on its own.
  Canvas canvas(25, 25);
  Style style;
  style.fill = theme::IceFill(kLetterBaseline - 1, kLetterBaseline + 4);
  style.outline = theme::kInk;
  style.outlineWidth = 1.1f;
  style.bevelWidth = 1.5f;
  DrawShape(canvas, RoundedBox(4.5f, kLetterBaseline - 1.5f, 20.5f, kLetterBaseline + 3.0f, 1.5f), style);
  return ToKeyedImage(canvas);
}

RgbImage PaintDigit(const Fonts& fonts, int digit) {
  const Font& font = *fonts.bold;
  TextShape shape = font.Render(std::to_string(digit), 47.0f, 0.95f);
  Canvas canvas(40, 45);
  float top = 22.5f - shape.inkHeight() / 2;
  Style style = theme::GoldLettering(top, top + shape.inkHeight(), 2.0f);
  style.bevelWidth = 3.0f;
  DrawShape(canvas, shape.CentredAt(20.0f, 22.5f), style);
  return ToKeyedImage(canvas);
}

RgbImage PaintColon() {
  Canvas canvas(40, 45);
  Style style = theme::GoldLettering(9, 37, 2.0f);
  style.bevelWidth = 3.0f;
  DrawShape(canvas, Union(RoundedBox(15, 10, 25, 20, 2.5f), RoundedBox(15, 27, 25, 37, 2.5f)), style);
  return ToKeyedImage(canvas);
}

namespace {

// The intro places the eleven tiles at fixed, unevenly spaced positions;
// shifting each letter within its tile (the same shift wherever the letter
// recurs) evens out the gaps of the spelled title.
float TitleLetterShift(char letter) {
  switch (letter) {
    case 'F': return 10;
    case 'E': return -8.5f;
    case 'H': return -5.5f;
    case 'L': return -8;
    case 'R': return -7.5f;
    case 'S': return 7.5f;
    case 'U': return 10.5f;
    case 'C': return 2;
    default: return 0;
  }
}

}  // namespace

RgbImage PaintTitleLetter(const Fonts& fonts, char letter) {
  // Drawn over black during the intro, eleven of them side by side about
  // 75 pixels apart: chunky, bevelled and kept narrow enough to overlap
  // at most their neighbour's shadow.
  const Font& font = *fonts.bold;
  std::string text(1, letter);
  const float widening = 1.05f, maxInk = 78;
  TextShape shape = font.Render(text, 112.0f, widening, 14);
  if (shape.inkWidth() > maxInk) shape = font.Render(text, 112.0f, widening * maxInk / shape.inkWidth(), 14);
  Canvas canvas(125, 125);
  float top = 62.5f - shape.inkHeight() / 2;
  Style style = theme::GoldLettering(top, top + shape.inkHeight(), 3.5f);
  style.bevelWidth = 7.0f;
  style.bevelStrength = 0.5f;
  style.shadowDx = 4;
  style.shadowDy = 5;
  style.shadowSoftness = 2.5f;
  style.shadowAlpha = 0.9f;
  style.shadow = Hex(0x0A0C1C);
  DrawShape(canvas, shape.CentredAt(60.5f + TitleLetterShift(letter), 61.5f), style);
  return ToKeyedImage(canvas);
}

}  // namespace artgen

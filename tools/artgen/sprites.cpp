// Sprites and panels: everything the screens draw over the backgrounds.
#include <cmath>
#include <numbers>

#include "artwork.h"
#include "theme.h"

namespace artgen {

namespace {

using namespace theme;

// The glassy teal of every button plate, brighter when lit.
Paint GlassFill(float top, float bottom, float brightness) {
  return VerticalGradient(top, bottom,
                          {Shade(Hex(0x48D2E0), brightness), Shade(Hex(0x1E8FA8), brightness),
                           Shade(Hex(0x11597A), brightness), Shade(Hex(0x0C3A5C), brightness)});
}

// A gentle shine across the upper half of a rounded plate.
void DrawGloss(Canvas& canvas, const Sdf& plate, float top, float bottom, float opacity) {
  float middle = (top + bottom) / 2;
  FillShape(canvas, Intersect(Grow(plate, -2.5f), [=](float, float y) { return y - middle; }),
            [=](float, float y) { return Mix({1, 1, 1}, kIce, (y - top) / (middle - top)); }, opacity);
}

void DrawSparkle(Canvas& canvas, float cx, float cy, float size, Rgb colour) {
  Sdf star = Star(cx, cy, size, size * 0.22f, 4, 0);
  Box box = AroundCircle(cx, cy, size, 3);
  GlowShape(canvas, Circle(cx, cy, size * 0.35f), colour, size * 0.35f, 0.7f, box);
  FillShape(canvas, star, Solid(Mix(colour, {1, 1, 1}, 0.6f)), 1.0f, box);
}

Style PlateRim(float top, float bottom, float width) {
  Style rim;
  rim.fill = GoldFill(top, bottom);
  rim.outline = kInk;
  rim.outlineWidth = 1.0f;
  rim.bevelWidth = width;
  rim.bevelStrength = 0.5f;
  return rim;
}

RgbImage PaintBadge(const Fonts& fonts, const char* text, Rgb light, Rgb dark) {
  Canvas canvas(81, 40);
  Sdf pill = RoundedBox(2.5f, 3.5f, 78.5f, 36.5f, 16.5f);
  Style body;
  body.fill = VerticalGradient(4, 36, {Shade(light, 0.35f), light, dark});
  body.outline = kInk;
  body.outlineWidth = 1.5f;
  body.bevelWidth = 4;
  body.bevelStrength = 0.45f;
  DrawShape(canvas, pill, body);
  DrawGloss(canvas, pill, 4, 36, 0.25f);
  Style letters;
  letters.fill = VerticalGradient(10, 30, {Hex(0xFFFFFF), kCream});
  letters.outline = Scale(dark, 0.55f);
  letters.outlineWidth = 1.6f;
  DrawCentredText(canvas, *fonts.bold, text, 25, 40.5f, 20.5f, letters, 0.95f);
  return ToKeyedImage(canvas);
}

}  // namespace

RgbImage PaintMenuHighlight() {
  // The hovered menu item: the plate lights up with a golden rim; the
  // item's text is drawn over it.
  Canvas canvas(383, 70);
  Sdf plate = RoundedBox(3, 3, 380, 67, 18);
  Style body;
  body.fill = GlassFill(3, 67, 0.12f);
  body.bevelWidth = 10;
  body.bevelStrength = 0.25f;
  DrawShape(canvas, plate, body);
  GlowShape(canvas, Ring(plate, 0.5f), kIce, 9, 0.45f);
  DrawGloss(canvas, plate, 3, 67, 0.22f);
  DrawShape(canvas, Ring(Grow(plate, -1.5f), 2.0f), PlateRim(3, 67, 2.5f));
  DrawSparkle(canvas, 28, 35, 11, kGold);
  DrawSparkle(canvas, 355, 35, 11, kGold);
  return ToKeyedImage(canvas);
}

RgbImage PaintTimeBar() {
  // Full on the right means plenty of time; the game blacks out the bar
  // from the right, so what is left turns from green towards red.
  Canvas canvas(934, 12);
  Sdf bar = RoundedBox(0, 0, 950, 12, 6);
  Paint hue = HorizontalGradient(0, 934, {kCoral, kAmber, kGold, Hex(0x9AD65A), kLeaf});
  Style style;
  style.fill = [hue](float x, float y) {
    Rgb c = hue(x, y);
    float shine = 0.45f - std::abs(y - 4.0f) * 0.12f;
    return y < 4 ? Shade(c, shine) : Shade(c, -(y - 4.0f) * 0.06f);
  };
  style.bevelWidth = 1.5f;
  style.bevelStrength = 0.3f;
  DrawShape(canvas, bar, style);
  return ToKeyedImage(canvas);
}

RgbImage PaintReadyBanner(const Fonts& fonts) {
  Canvas canvas(583, 114);
  // Ribbon tails behind the main band.
  Style tail;
  tail.fill = VerticalGradient(30, 104, {kDusk, kNavy});
  tail.outline = kInk;
  tail.outlineWidth = 1.5f;
  tail.bevelWidth = 3;
  DrawShape(canvas, Polygon({{4, 30}, {70, 30}, {70, 104}, {4, 104}, {26, 67}}), tail);
  DrawShape(canvas, Polygon({{579, 30}, {513, 30}, {513, 104}, {579, 104}, {557, 67}}), tail);
  Sdf band = RoundedBox(40, 8, 543, 96, 22);
  Style body;
  body.fill = VerticalGradient(8, 96, {kSteel, kDusk, kNavy});
  body.outline = kInk;
  body.outlineWidth = 2;
  body.bevelWidth = 8;
  body.bevelStrength = 0.3f;
  body.shadowDx = 0;
  body.shadowDy = 6;
  body.shadowSoftness = 4;
  body.shadowAlpha = 0.8f;
  body.shadow = kInk;
  DrawShape(canvas, band, body);
  DrawShape(canvas, Ring(Grow(band, -6), 1.6f), PlateRim(8, 96, 2));
  DrawGloss(canvas, Grow(band, -8), 14, 90, 0.12f);
  Style letters = GoldLettering(30, 76, 2.5f);
  letters.shadowDy = 3;
  letters.shadowSoftness = 2;
  letters.shadowAlpha = 0.6f;
  letters.shadow = kInk;
  DrawCentredText(canvas, *fonts.bold, "Mach dich bereit!", 50, 291.5f, 52, letters);
  DrawSparkle(canvas, 70, 30, 10, kGold);
  DrawSparkle(canvas, 515, 76, 8, kIce);
  return ToKeyedImage(canvas);
}

RgbImage PaintSearchBanner(const Fonts& fonts) {
  Canvas canvas(577, 219);
  Sdf panel = RoundedBox(8, 8, 569, 205, 30);
  Style body;
  body.fill = GlassFill(8, 205, 0.0f);
  body.outline = kInk;
  body.outlineWidth = 2;
  body.bevelWidth = 12;
  body.bevelStrength = 0.3f;
  body.shadowDy = 6;
  body.shadowSoftness = 5;
  body.shadowAlpha = 0.8f;
  body.shadow = kInk;
  DrawShape(canvas, panel, body);
  DrawGloss(canvas, Grow(panel, -6), 14, 200, 0.16f);
  DrawShape(canvas, Ring(Grow(panel, -7), 2.0f), PlateRim(8, 205, 2.5f));
  Style title = GoldLettering(40, 125, 3.5f);
  title.shadowDy = 4;
  title.shadowSoftness = 3;
  title.shadowAlpha = 0.7f;
  title.shadow = kInk;
  DrawCentredText(canvas, *fonts.bold, "LOS GEHT'S!", 76, 288.5f, 88, title);
  Style line;
  line.fill = VerticalGradient(140, 180, {Hex(0xFFFFFF), kIce});
  line.outline = kInk;
  line.outlineWidth = 2.2f;
  line.bevelWidth = 2;
  DrawCentredText(canvas, *fonts.bold, "Finde die 5 Fehler!", 36, 288.5f, 163, line);
  DrawMagnifier(canvas, 500, 150, 20);
  DrawSparkle(canvas, 60, 52, 12, kGold);
  DrawSparkle(canvas, 520, 40, 9, kIce);
  return ToKeyedImage(canvas);
}

RgbImage PaintHitMarker(const Fonts& fonts) { return PaintBadge(fonts, "+100", Hex(0x52C868), Hex(0x1C6E3A)); }

RgbImage PaintMissMarker(const Fonts& fonts) { return PaintBadge(fonts, "-10", Hex(0xF0604E), Hex(0x8E1E22)); }

RgbImage PaintCursor() {
  // Its tip is the top-left pixel: the game places the image's corner at
  // the cursor position.
  Canvas canvas(28, 35);
  Sdf arrow = Polygon({{1.6f, 1.6f}, {1.6f, 27.5f}, {8.2f, 21.6f}, {12.8f, 32.2f}, {17.6f, 30.0f},
                       {13.0f, 19.8f}, {21.8f, 19.8f}});
  Style style;
  style.fill = VerticalGradient(2, 32, {Hex(0xFFFFFF), kCream, kGold, kAmber});
  style.outline = kInk;
  style.outlineWidth = 1.4f;
  style.bevelWidth = 2.0f;
  style.bevelStrength = 0.3f;
  DrawShape(canvas, arrow, style);
  return ToKeyedImage(canvas);
}

RgbImage PaintCreditsEnd(const Fonts& fonts) {
  Canvas canvas(201, 24);
  TextShape probe = fonts.condensedBold->Render("Danke fürs Spielen!", 20);
  float squeeze = std::min(1.0f, 186.0f / probe.inkWidth());
  DrawCentredText(canvas, *fonts.condensedBold, "Danke fürs Spielen!", 20, 100.5f, 12, GoldLettering(4, 20, 1.2f),
                  squeeze);
  return ToKeyedImage(canvas);
}

RgbImage PaintLogo(const Fonts& fonts) {
  // The maker's emblem: a magnifying glass with a Q in the lens.
  Canvas canvas(110, 100);
  DrawMagnifier(canvas, 43, 41, 31);
  Style letter;
  letter.fill = VerticalGradient(22, 62, {kTealDeep, kNavy});
  letter.outline = Hex(0xE8FCFF);
  letter.outlineWidth = 1.5f;
  DrawCentredText(canvas, *fonts.serifBold, "Q", 40, 43, 43, letter);
  return ToKeyedImage(canvas);
}

RgbImage PaintPictureCover() {
  // Covers each picture during the level intro (shrinking upwards) and is
  // stretched to a wide, flat panel on the level-complete screen, so it
  // carries only a pattern that survives both. Fully opaque.
  Canvas canvas(490, 430);
  canvas.Fill([](float x, float y) {
    Rgb base = Mix(kDusk, kNavy, y / 430.0f);
    float glow = std::exp(-(std::pow((x - 245) / 260.0f, 2.0f) + std::pow((y - 215) / 200.0f, 2.0f)));
    base = Screen(base, kTeal, 0.35f * glow);
    // Diamond lattice of fine teal lines.
    float u = std::fmod(x + y, 36.0f), v = std::fmod(x - y + 4320.0f, 36.0f);
    float line = std::min(std::min(u, 36.0f - u), std::min(v, 36.0f - v));
    float lattice = 1 - Smoothstep(0.4f, 1.6f, line);
    base = Mix(base, Shade(kTeal, -0.2f), lattice * 0.35f);
    return base;
  });
  Sdf frame = RoundedBox(0, 0, 490, 430, 0);
  Style rim = PlateRim(0, 430, 3);
  rim.outlineWidth = 0;
  DrawShape(canvas, Ring(Grow(frame, -4), 3.0f), rim);
  Style edge;
  edge.fill = Solid(kInk);
  DrawShape(canvas, Ring(frame, 1.2f), edge);
  return ToKeyedImage(canvas);
}

RgbImage PaintParticle(int colour) {
  // Sparks, confetti and the bursts around a found difference: a glossy
  // star that reads at 10 x 10 as well as at full size.
  static constexpr Rgb kHues[6] = {Hex(0xF0483C), Hex(0xFFC43C), Hex(0x54D26A),
                                   Hex(0x2CCCE0), Hex(0x7C6CFF), Hex(0xEC5ACC)};
  Rgb hue = kHues[colour];
  Canvas canvas(74, 71);
  const float cx = 37, cy = 37.5f;
  Sdf star = Grow(Star(cx, cy, 30, 13.5f, 5, 0), 2.5f);
  Style style;
  style.fill = [=](float x, float y) {
    float t = Clamp01(std::hypot(x - (cx - 4), y - (cy - 6)) / 30.0f);
    return SampleStops({Shade(hue, 0.8f), Shade(hue, 0.25f), hue, Shade(hue, -0.35f)}, t);
  };
  style.outline = Shade(hue, -0.62f);
  style.outlineWidth = 1.6f;
  style.bevelWidth = 5;
  style.bevelStrength = 0.4f;
  DrawShape(canvas, star, style);
  FillShape(canvas, Circle(cx - 6, cy - 8, 4.5f), Solid({1, 1, 1}), 0.75f);
  return ToKeyedImage(canvas);
}

RgbImage PaintSwitch(const Fonts& fonts, SwitchKind kind, bool on) {
  Canvas canvas(32, 30);
  Sdf button = RoundedBox(1.5f, 1.5f, 30.5f, 28.5f, 7);
  Style body;
  body.fill = on ? GlassFill(2, 28, 0.05f) : VerticalGradient(2, 28, {Hex(0x4A5272), Hex(0x2A3150), Hex(0x1E2440)});
  body.outline = kInk;
  body.outlineWidth = 1.0f;
  body.bevelWidth = 3;
  body.bevelStrength = 0.4f;
  DrawShape(canvas, button, body);
  if (on) GlowShape(canvas, Circle(16, 15, 8), kIce, 6, 0.35f);

  Style icon;
  icon.fill = on ? VerticalGradient(6, 24, {Hex(0xFFFFFF), kCream}) : Solid(Hex(0x8A90AC));
  icon.outline = on ? kTealDeep : Hex(0x1A1E34);
  icon.outlineWidth = 1.0f;
  switch (kind) {
    case SwitchKind::Music:
      DrawCentredText(canvas, *fonts.sans, "\u266B", 20, 16, 15.5f, icon);
      break;
    case SwitchKind::Effects: {
      Sdf speaker = Polygon({{6.5f, 11.5f}, {10.5f, 11.5f}, {16, 6.5f}, {16, 23.5f}, {10.5f, 18.5f}, {6.5f, 18.5f}});
      Sdf right = [](float x, float) { return 18.5f - x; };
      Sdf waves = Intersect(Union(Ring(Circle(15, 15, 5.5f), 0.9f), Ring(Circle(15, 15, 9.5f), 0.9f)), right);
      DrawShape(canvas, Union(speaker, waves), icon);
      break;
    }
    case SwitchKind::Speech: {
      Sdf bubble = Union(Ellipse(16, 13, 10, 7.5f), Polygon({{9, 17}, {14, 19}, {7.5f, 25}}));
      DrawShape(canvas, bubble, icon);
      Rgb dot = on ? kTealDeep : Hex(0x3A4060);
      for (float x : {11.5f, 16.0f, 20.5f}) FillShape(canvas, Circle(x, 13, 1.5f), Solid(dot));
      break;
    }
  }
  if (!on) {
    Style strike;
    strike.fill = Solid(kCoral);
    strike.outline = kInk;
    strike.outlineWidth = 0.8f;
    DrawShape(canvas, Capsule({7, 24}, {25, 6}, 1.6f), strike);
  }
  return ToOpaqueImage(canvas, kPanel);
}

RgbImage PaintKnob() {
  Canvas canvas(31, 16);
  Sdf knob = RoundedBox(1.2f, 1.2f, 29.8f, 14.8f, 6.5f);
  Style style;
  style.fill = GoldFill(1, 15);
  style.outline = kInk;
  style.outlineWidth = 1.0f;
  style.bevelWidth = 3;
  style.bevelStrength = 0.45f;
  DrawShape(canvas, knob, style);
  Style groove;
  groove.fill = Solid(Shade(kAmber, -0.35f));
  for (float x : {11.5f, 15.5f, 19.5f}) DrawShape(canvas, Capsule({x, 5}, {x, 11}, 0.8f), groove);
  return ToKeyedImage(canvas);
}

RgbImage PaintSliderBar() {
  // A recessed track with a rising wedge: louder to the right.
  Canvas canvas(301, 19);
  Sdf track = RoundedBox(1, 3.5f, 300, 15.5f, 6);
  Style recess;
  recess.fill = VerticalGradient(4, 15, {Hex(0x070B1E), Hex(0x121A3A)});
  recess.outline = Hex(0x2E3D70);
  recess.outlineWidth = 1.0f;
  recess.bevelWidth = 3;
  recess.bevelStrength = -0.5f;  // lit from below: it lies deeper than the panel
  DrawShape(canvas, track, recess);
  Sdf wedge = Polygon({{7, 12.5f}, {294, 6.5f}, {294, 12.5f}});
  Style fill;
  fill.fill = HorizontalGradient(7, 294, {kTealDeep, kTeal, kIce});
  DrawShape(canvas, Intersect(wedge, Grow(track, -1.5f)), fill);
  for (int i = 1; i < 10; ++i) {
    float x = 7 + 28.7f * static_cast<float>(i);
    FillShape(canvas, RoundedBox(x - 0.5f, 1, x + 0.5f, 3.2f, 0.3f), Solid(Hex(0x6C7CB0)), 0.8f);
  }
  return ToOpaqueImage(canvas, kPanel);
}

}  // namespace artgen

// The built-in pictures: the backgrounds of the play, menu and high-score
// screens, the panorama behind the fireworks and the credits pictures.
#include <cmath>
#include <numbers>

#include "artwork.h"
#include "noise.h"
#include "theme.h"

namespace artgen {

namespace {

using namespace theme;

constexpr float kPi = std::numbers::pi_v<float>;

RgbImage Finish(const Canvas& canvas) { return ToOpaqueImage(canvas, kNight); }

// Night-blue backdrop with soft nebula clouds, shared by the screens.
Rgb NightSky(float x, float y, float height, std::uint32_t seed) {
  Rgb base = SampleStops({Hex(0x0A0F2A), Hex(0x141C46), Hex(0x1E2258)}, y / height);
  float cloud = Fbm(x / 240.0f, y / 240.0f, seed, 5);
  float wisps = Fbm(x / 90.0f + 7, y / 90.0f, seed + 9, 4);
  base = Screen(base, kTeal, Smoothstep(0.45f, 0.85f, cloud) * 0.22f);
  base = Screen(base, Hex(0x8A4FC0), Smoothstep(0.5f, 0.9f, wisps * cloud * 1.6f) * 0.18f);
  return base;
}

// A shape given in coordinates around its own centre, turned and placed.
Sdf Placed(Sdf local, float cx, float cy, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  return [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return local(c * dx + s * dy, -s * dx + c * dy);
  };
}
Paint PlacedPaint(Paint local, float cx, float cy, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  return [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return local(c * dx + s * dy, -s * dx + c * dy);
  };
}

void DrawStars(Canvas& canvas, std::uint32_t seed, int count, float maxY) {
  Sequence random(seed);
  for (int i = 0; i < count; ++i) {
    float x = random.Between(0, static_cast<float>(canvas.width()));
    float y = random.Between(0, maxY);
    float r = random.Between(0.5f, 1.3f);
    float bright = random.Between(0.35f, 0.95f);
    GlowShape(canvas, Circle(x, y, r), Mix(kIce, {1, 1, 1}, random.Next()), r, bright, AroundCircle(x, y, r, 3));
  }
}

void DrawBokehField(Canvas& canvas, std::uint32_t seed, int count, float minR, float maxR, float opacity) {
  Sequence random(seed);
  const Rgb colours[] = {kTeal, kIce, kGold, Hex(0x8A6CFF)};
  for (int i = 0; i < count; ++i) {
    float x = random.Between(0, static_cast<float>(canvas.width()));
    float y = random.Between(0, static_cast<float>(canvas.height()));
    float r = random.Between(minR, maxR);
    Rgb c = colours[static_cast<int>(random.Next() * 4) % 4];
    DrawBokeh(canvas, x, y, r, c, opacity * random.Between(0.4f, 1.0f));
  }
}

// A little photograph (landscape with sun and a tree) as a tilted print:
// the game's idea in one picture.
void DrawPhotoCard(Canvas& canvas, float cx, float cy, float w, float h, float angle, bool withSun) {
  Sdf outer = Placed(RoundedBox(-w / 2, -h / 2, w / 2, h / 2, 4), cx, cy, angle);
  Style print;
  print.fill = Solid(Hex(0xF4F0E6));
  print.outline = kInk;
  print.outlineWidth = 1.2f;
  print.shadowDx = 5;
  print.shadowDy = 7;
  print.shadowSoftness = 6;
  print.shadowAlpha = 0.5f;
  print.shadow = Hex(0x05081A);
  DrawShape(canvas, outer, print);
  float m = w * 0.07f;
  float iw = w / 2 - m, top = -h / 2 + m, bottom = h / 2 - m * 2.2f;
  Sdf inner = Placed(RoundedBox(-iw, top, iw, bottom, 2), cx, cy, angle);
  Paint scene = [=](float x, float y) {
    float t = (y - top) / (bottom - top);
    Rgb c = SampleStops({Hex(0x6FB8E8), Hex(0xBFE4F4), Hex(0xF8E6B8)}, t * 1.4f);
    if (withSun && std::hypot(x - iw * 0.45f, y - (top + (bottom - top) * 0.25f)) < w * 0.09f) c = Hex(0xFFD85A);
    float hill1 = bottom - (bottom - top) * (0.38f + 0.08f * std::sin(x / w * 7.0f));
    float hill2 = bottom - (bottom - top) * (0.22f + 0.06f * std::sin(x / w * 11.0f + 2));
    if (y > hill1) c = Mix(Hex(0x4E9A56), Hex(0x2F6E3E), (y - hill1) / (bottom - top));
    if (y > hill2) c = Mix(Hex(0x3C8444), Hex(0x1F5030), (y - hill2) / (bottom - top));
    float treeX = -iw * 0.45f, trunkTop = bottom - (bottom - top) * 0.45f;
    if (std::abs(x - treeX) < w * 0.018f && y > trunkTop && y < hill2 + 2) c = Hex(0x5A3A22);
    if (std::hypot(x - treeX, y - trunkTop) < w * 0.09f) c = Hex(0x2E7A3A);
    return c;
  };
  FillShape(canvas, inner, PlacedPaint(scene, cx, cy, angle));
}

Style GoldRim(float top, float bottom) {
  Style rim;
  rim.fill = GoldFill(top, bottom);
  rim.bevelWidth = 2;
  rim.bevelStrength = 0.5f;
  return rim;
}

// A framed panel of the play screen's lower bar.
void DrawPanel(Canvas& canvas, float left, float top, float right, float bottom) {
  Sdf panel = RoundedBox(left, top, right, bottom, 14);
  Style style;
  style.fill = VerticalGradient(top, bottom, {Hex(0x1C2A5A), Hex(0x121A40), Hex(0x0E1434)});
  style.outline = kInk;
  style.outlineWidth = 1.5f;
  style.bevelWidth = 4;
  style.bevelStrength = 0.3f;
  style.shadowDy = 4;
  style.shadowSoftness = 6;
  style.shadowAlpha = 0.6f;
  style.shadow = Hex(0x04061A);
  DrawShape(canvas, panel, style);
  Style rim;
  rim.fill = VerticalGradient(top, bottom, {Hex(0x5ED8E6), Hex(0x1E7E96)});
  DrawShape(canvas, Ring(Grow(panel, -3), 0.8f), rim);
}

// A recessed well, darker than its panel.
void DrawWell(Canvas& canvas, float left, float top, float right, float bottom, float radius) {
  Style well;
  well.fill = VerticalGradient(top, bottom, {Hex(0x060A1C), Hex(0x0E1636)});
  well.outline = Hex(0x3A4C86);
  well.outlineWidth = 1.0f;
  well.bevelWidth = 4;
  well.bevelStrength = -0.45f;
  DrawShape(canvas, RoundedBox(left, top, right, bottom, radius), well);
}

void DrawPictureFrame(Canvas& canvas, float left, float top, float right, float bottom) {
  Sdf frame = RoundedBox(left - 7, top - 7, right + 7, bottom + 7, 8);
  Style style;
  style.fill = GoldFill(top - 7, bottom + 7);
  style.outline = kInk;
  style.outlineWidth = 1.5f;
  style.bevelWidth = 4;
  style.bevelStrength = 0.5f;
  style.shadowDx = 3;
  style.shadowDy = 6;
  style.shadowSoftness = 8;
  style.shadowAlpha = 0.7f;
  style.shadow = Hex(0x03051A);
  DrawShape(canvas, frame, style);
  Style inner;
  inner.fill = Solid(kInk);
  DrawShape(canvas, RoundedBox(left - 2, top - 2, right + 2, bottom + 2, 2), inner);
}

// Golden game title with a soft shadow.
void DrawTitle(Canvas& canvas, const Fonts& fonts, float cx, float cy, float size) {
  Style title = GoldLettering(cy - size * 0.38f, cy + size * 0.38f, size * 0.045f);
  title.bevelWidth = size * 0.07f;
  title.bevelStrength = 0.5f;
  title.shadowDx = size * 0.03f;
  title.shadowDy = size * 0.06f;
  title.shadowSoftness = size * 0.05f;
  title.shadowAlpha = 0.75f;
  title.shadow = Hex(0x04061A);
  DrawCentredText(canvas, *fonts.bold, "FEHLERSUCHE", size, cx, cy, title);
}

void DrawLabel(Canvas& canvas, const Fonts& fonts, const char* text, float size, float cx, float cy, Rgb colour) {
  Style style;
  style.fill = VerticalGradient(cy - size / 2, cy + size / 2, {Shade(colour, 0.3f), colour});
  style.outline = kInk;
  style.outlineWidth = std::max(1.0f, size * 0.07f);
  DrawCentredText(canvas, *fonts.condensedBold, text, size, cx, cy, style);
}

// Frames a credits picture: a bevelled golden edge on every side.
void DrawCardFrame(Canvas& canvas) {
  float w = static_cast<float>(canvas.width()), h = static_cast<float>(canvas.height());
  Sdf frame = RoundedBox(0, 0, w, h, 0);
  Style rim;
  rim.fill = GoldFill(0, h);
  rim.bevelWidth = 3;
  rim.bevelStrength = 0.5f;
  DrawShape(canvas, Ring(Grow(frame, -3.5f), 3.5f), rim);
  Style edge;
  edge.fill = Solid(kInk);
  DrawShape(canvas, Ring(frame, 1.0f), edge);
  DrawShape(canvas, Ring(Grow(frame, -7.5f), 0.6f), edge);
}

}  // namespace

RgbImage PaintMenuBackground(const Fonts& fonts) {
  Canvas canvas(1024, 768);
  canvas.Fill([](float x, float y) {
    Rgb c = NightSky(x, y, 768, 11);
    float spot = std::exp(-(std::pow((x - 532) / 330.0f, 2.0f) + std::pow((y - 420) / 300.0f, 2.0f)));
    return Screen(c, Hex(0x3A6AB0), spot * 0.28f);
  });
  DrawStars(canvas, 12, 160, 768);
  DrawBokehField(canvas, 13, 34, 8, 42, 0.22f);

  DrawTitle(canvas, fonts, 512, 118, 104);
  DrawLabel(canvas, fonts, "Finde die fünf Unterschiede", 30, 512, 200, kIce);

  DrawMagnifier(canvas, 150, 440, 74);
  DrawPhotoCard(canvas, 872, 390, 190, 150, -0.10f, true);
  DrawPhotoCard(canvas, 890, 478, 190, 150, 0.08f, false);

  // Plates under the four items, exactly where the highlight lands.
  const float corners[4][2] = {{350, 249}, {349, 335}, {347, 417}, {346, 503}};
  for (const auto& c : corners) {
    Sdf plate = RoundedBox(c[0] + 3, c[1] + 3, c[0] + 380, c[1] + 67, 18);
    Style style;
    style.fill = VerticalGradient(c[1], c[1] + 70, {Hex(0x21406E), Hex(0x152A52), Hex(0x0E1B3C)});
    style.outline = kInk;
    style.outlineWidth = 1.5f;
    style.bevelWidth = 8;
    style.bevelStrength = 0.3f;
    style.shadowDy = 5;
    style.shadowSoftness = 6;
    style.shadowAlpha = 0.6f;
    style.shadow = Hex(0x03051A);
    DrawShape(canvas, plate, style);
    Style rim;
    rim.fill = VerticalGradient(c[1], c[1] + 70, {Hex(0x7AE4EE), Hex(0x1E7E96)});
    DrawShape(canvas, Ring(Grow(plate, -1.5f), 1.0f), rim);
  }

  // Panel of the sound options; its inside is the flat colour the switch
  // and slider images are painted on, so they sit in it without a seam.
  Sdf panel = RoundedBox(272, 588, 736, 764, 16);
  Style frame;
  frame.fill = Solid(kPanel);
  frame.outline = kInk;
  frame.outlineWidth = 1.5f;
  frame.shadowDy = 4;
  frame.shadowSoftness = 6;
  frame.shadowAlpha = 0.6f;
  frame.shadow = Hex(0x03051A);
  DrawShape(canvas, panel, frame);
  Style rim;
  rim.fill = VerticalGradient(588, 764, {Hex(0x7AE4EE), Hex(0x1E7E96)});
  DrawShape(canvas, Ring(Grow(panel, -2.5f), 1.0f), rim);
  DrawLabel(canvas, fonts, "Musik", 16, 318, 615, kCream);
  DrawLabel(canvas, fonts, "Effekte", 16, 318, 650, kCream);
  DrawLabel(canvas, fonts, "Sprache", 16, 318, 685, kCream);
  FillShape(canvas, RoundedBox(290, 722, 718, 723, 0.5f), Solid(Hex(0x3A4C86)));
  return Finish(canvas);
}

RgbImage PaintPlayBackground(const Fonts& fonts) {
  Canvas canvas(1024, 768);
  canvas.Fill([](float x, float y) { return NightSky(x, y, 768, 21); });
  DrawStars(canvas, 22, 90, 768);
  DrawBokehField(canvas, 23, 18, 10, 36, 0.18f);

  // Header.
  FillShape(canvas, RoundedBox(-20, -20, 1044, 58, 18), VerticalGradient(0, 58, {Hex(0x1E2C60), Hex(0x111A42)}));
  FillShape(canvas, RoundedBox(-20, 56, 1044, 58, 0), Solid(Hex(0x3FB8CC)), 0.8f);
  DrawTitle(canvas, fonts, 512, 30, 40);
  DrawMagnifier(canvas, 262, 25, 12);
  DrawMagnifier(canvas, 742, 25, 12);

  DrawPictureFrame(canvas, 10, 73, 500, 503);
  DrawPictureFrame(canvas, 524, 73, 1014, 503);

  // Trough of the time bar (the bar itself lies at 43..977, 534..546).
  DrawWell(canvas, 36, 527, 984, 553, 12);

  // Lower bar: level and points on the left, time and differences left
  // on the right; the middle stays free for the level intro and prompts.
  DrawPanel(canvas, 4, 598, 300, 710);
  DrawWell(canvas, 152, 609, 218, 641, 7);
  DrawWell(canvas, 152, 668, 288, 702, 7);
  DrawPanel(canvas, 656, 597, 1018, 712);
  DrawWell(canvas, 762, 663, 862, 702, 8);
  FillShape(canvas, RoundedBox(865, 610, 867, 700, 1), Solid(Hex(0x3A4C86)));
  Style badge;
  badge.fill = [](float x, float y) {
    return Mix(Hex(0x1B3A6E), Hex(0x0A1230), Clamp01(std::hypot(x - 925, y - 655) / 45));
  };
  badge.outline = kInk;
  badge.outlineWidth = 1.2f;
  badge.bevelWidth = 4;
  badge.bevelStrength = -0.4f;
  DrawShape(canvas, Circle(935, 670, 33), badge);
  DrawShape(canvas, Ring(Circle(935, 670, 33), 1.5f), GoldRim(637, 703));
  DrawPanel(canvas, 330, 640, 626, 740);
  DrawMagnifier(canvas, 380, 680, 20);
  DrawLabel(canvas, fonts, "Finde die", 20, 500, 674, kIce);
  DrawLabel(canvas, fonts, "Unterschiede!", 20, 500, 702, kIce);
  return Finish(canvas);
}

RgbImage PaintHighScoreBackground() {
  // Scrolls upwards endlessly in two copies, so nothing may change from the
  // bottom row to the top row: colour depends on x only, and every pattern
  // repeats after 768 rows.
  Canvas canvas(1024, 768);
  canvas.Fill([](float x, float y) {
    float side = std::abs(x - 512) / 512;
    Rgb c = Mix(Hex(0x0C0E2C), Hex(0x2A1B5A), Smoothstep(0.25f, 1.0f, side));
    float clouds = Fbm(x / 128.0f, y / 128.0f, 31, 5, 6);
    c = Screen(c, Hex(0x6A3FB0), Smoothstep(0.45f, 0.8f, clouds) * 0.25f);
    float rays = 0.5f + 0.5f * std::sin(2 * kPi * (x * 0.35f + y) / 256.0f);
    c = Screen(c, kTeal, std::pow(rays, 6.0f) * 0.10f * Smoothstep(0.1f, 0.9f, side));
    return c;
  });
  Sequence random(32);
  const Rgb colours[] = {kGold, kTeal, Hex(0xB07CFF), kIce};
  for (int i = 0; i < 46; ++i) {
    float x = random.Between(0, 1024), y = random.Between(0, 768), r = random.Between(6, 34);
    Rgb colour = colours[i % 4];
    float opacity = random.Between(0.08f, 0.22f) * (0.4f + 0.6f * std::abs(x - 512) / 512);
    for (float copy : {-768.0f, 0.0f, 768.0f}) DrawBokeh(canvas, x, y + copy, r, colour, opacity);
  }
  for (int i = 0; i < 120; ++i) {
    float x = random.Between(0, 1024), y = random.Between(0, 768), r = random.Between(0.5f, 1.2f);
    float bright = random.Between(0.3f, 0.9f);
    for (float copy : {-768.0f, 0.0f, 768.0f})
      GlowShape(canvas, Circle(x, y + copy, r), kIce, r, bright, AroundCircle(x, y + copy, r, 3));
  }
  return Finish(canvas);
}

RgbImage PaintPanorama() {
  // Shown stretched ten times in width and twice in height, and only its
  // upper half is ever on screen: the sky is designed in screen units
  // (sx, sy) and holds no detail narrower than the stretch.
  const int w = 2048, h = 768;
  Canvas canvas(w, h);
  const float horizon = 748;  // screen units
  canvas.Fill([=](float x, float y) {
    float sx = x * 10, sy = y * 2;
    float above = sy <= horizon ? sy : 2 * horizon - sy;  // water mirrors the sky
    Rgb c = SampleStops({Hex(0x060920), Hex(0x101644), Hex(0x24205C), Hex(0x5A2A72), Hex(0xB0504A), Hex(0xE88A4A)},
                        std::pow(above / horizon, 1.6f));
    float cloud = Fbm(sx / 1400.0f, above / 110.0f, 41, 5);
    float band = Smoothstep(0.5f, 0.85f, cloud) * Smoothstep(150, 600, above);
    c = Mix(c, Shade(Hex(0x3A2A6A), 0.1f + 0.4f * above / horizon), band * 0.55f);
    // Aurora: a ribbon that wanders up and down, with vertical rays.
    float aurora = Fbm(sx / 3000.0f, 3.0f, 43, 4);
    float centre = 230 + 180 * (Fbm(sx / 5000.0f, 7.0f, 48, 3) - 0.5f);
    float curtain = std::exp(-std::pow((above - centre) / 120.0f, 2.0f)) * Smoothstep(0.3f, 0.7f, aurora);
    float rays = Fbm(sx / 160.0f, above / 1400.0f, 49, 3);
    Rgb auroraColour = Mix(Hex(0x2AD2B0), Hex(0x7A5AE0), Smoothstep(centre - 60, centre + 120, above));
    c = Screen(c, auroraColour, curtain * (0.35f + 0.9f * rays * rays) * 0.4f);
    if (sy > horizon) c = Shade(c, -0.45f - 0.25f * Fbm(sx / 600.0f, sy / 6.0f, 47, 3));
    return c;
  });
  // City skyline on the horizon, with lit windows; mirrored in the water.
  Sequence random(44);
  const float base = horizon / 2;  // image rows
  for (float x = 0; x < w;) {
    float width = std::floor(random.Between(4, 15));
    float height = random.Between(10, 55) * (0.6f + 0.4f * std::sin(x / w * 9.0f + 1) * std::sin(x / w * 9.0f + 1));
    Rgb body = Mix(Hex(0x0C0E26), Hex(0x1A1640), random.Next());
    for (int yy = static_cast<int>(base - height); yy < static_cast<int>(base); ++yy)
      for (int xx = static_cast<int>(x); xx < static_cast<int>(x + width) && xx < w; ++xx) {
        bool window = (xx - static_cast<int>(x)) % 2 == 1 && (static_cast<int>(base) - yy) % 4 == 2 &&
                      yy > base - height + 2 && HashUnit(xx, yy, 45) < 0.45f;
        Rgb c = window ? Mix(Hex(0xFFD27A), Hex(0xFFF2C8), HashUnit(xx, yy, 46)) : body;
        canvas.Blend(xx, yy, c, 1);
        int mirrored = static_cast<int>(2 * base) - yy;
        canvas.Blend(xx, mirrored, Shade(c, -0.6f), 0.8f);
      }
    x += width + std::floor(random.Between(0, 3));
  }
  return Finish(canvas);
}

RgbImage PaintMusicCredit(const Fonts& fonts) {
  Canvas canvas(300, 200);
  canvas.Fill([](float x, float y) {
    Rgb c = Mix(Hex(0x3A1F6E), Hex(0x0E1A44), Clamp01((x + y) / 480));
    return Screen(c, Hex(0xE06AC0), 0.25f * std::exp(-std::pow((x - 220) / 90, 2.0f) - std::pow((y - 60) / 70, 2.0f)));
  });
  DrawBokehField(canvas, 51, 10, 6, 22, 0.3f);
  // A wavy stave with notes dancing along it.
  auto wave = [](float x) { return 12 * std::sin(x / 38.0f); };
  for (int line = 0; line < 5; ++line) {
    float offset = 80 + line * 9.0f;
    FillShape(canvas, [=](float x, float y) { return std::abs(y - offset - wave(x)) - 0.8f; },
              Solid(Hex(0xCFC0F0)), 0.7f);
  }
  Style note;
  note.fill = GoldFill(40, 140);
  note.outline = kInk;
  note.outlineWidth = 1.5f;
  note.bevelWidth = 2;
  const float notes[][2] = {{60, 3}, {110, 1}, {160, 4}, {210, 2}, {250, 0}};
  for (const auto& n : notes) {
    float hx = n[0], hy = 80 + n[1] * 9.0f + wave(n[0]);
    Sdf head = Placed(Ellipse(0, 0, 7, 5), hx, hy, -0.35f);
    Sdf stem = RoundedBox(hx + 5, hy - 34, hx + 7.5f, hy, 1);
    DrawShape(canvas, Union(head, stem), note);
  }
  Style glyph = GoldLettering(20, 80, 2);
  DrawCentredText(canvas, *fonts.sans, "\u266B", 64, 245, 150, glyph);
  DrawCardFrame(canvas);
  return Finish(canvas);
}

RgbImage PaintProgrammingCredit(const Fonts& fonts) {
  Canvas canvas(320, 240);
  canvas.Fill([](float x, float y) {
    Rgb c = Mix(Hex(0x0E3A5A), Hex(0x0A1430), Clamp01(y / 240));
    return Screen(c, kTeal, 0.2f * std::exp(-std::pow((x - 160) / 120, 2.0f) - std::pow((y - 100) / 80, 2.0f)));
  });
  // Monitor on its stand.
  Style casing;
  casing.fill = VerticalGradient(30, 180, {Hex(0x5A6480), Hex(0x2A3048)});
  casing.outline = kInk;
  casing.outlineWidth = 1.5f;
  casing.bevelWidth = 4;
  casing.bevelStrength = 0.4f;
  DrawShape(canvas, Polygon({{140, 176}, {180, 176}, {194, 206}, {126, 206}}), casing);
  DrawShape(canvas, RoundedBox(100, 200, 220, 210, 4), casing);
  DrawShape(canvas, RoundedBox(48, 30, 272, 182, 10), casing);
  FillShape(canvas, RoundedBox(58, 40, 262, 168, 4), VerticalGradient(40, 168, {Hex(0x0C1A2E), Hex(0x081020)}));
  // Lines of code in a few syntax colours.
  Sequence random(61);
  const Rgb syntax[] = {kTeal, kGold, Hex(0xE070C0), kIce, kLeaf};
  for (int line = 0; line < 10; ++line) {
    float y = 50 + line * 11.5f;
    float x = 66 + (line % 4 == 0 ? 0 : 12.0f * (1 + line % 3));
    int words = 1 + static_cast<int>(random.Next() * 4);
    for (int word = 0; word < words && x < 240; ++word) {
      float length = random.Between(10, 38);
      float end = std::min(x + length, 252.0f);
      FillShape(canvas, Capsule({x, y}, {end, y}, 2.2f), Solid(syntax[(line + word * 2) % 5]), 0.9f);
      x = end + 8;
    }
  }
  FillShape(canvas, RoundedBox(66, 162, 74, 165, 0.5f), Solid(kCream));  // the text cursor
  FillShape(canvas, Intersect(RoundedBox(58, 40, 262, 168, 4), [](float x, float y) { return (x + y) - 160; }),
            Solid({1, 1, 1}), 0.06f);
  DrawLabel(canvas, fonts, "C++", 18, 288, 26, kGold);
  DrawCardFrame(canvas);
  return Finish(canvas);
}

RgbImage PaintGraphicsCredit(const Fonts& fonts) {
  Canvas canvas(320, 240);
  canvas.Fill([](float x, float y) {
    Rgb c = Mix(Hex(0x5A2A3A), Hex(0x1A1440), Clamp01((y + x * 0.3f) / 330));
    return Screen(c, kGold, 0.2f * std::exp(-std::pow((x - 120) / 110, 2.0f) - std::pow((y - 90) / 80, 2.0f)));
  });
  // A painter's palette with its thumb hole and blobs of paint.
  Sdf palette = Subtract(Union(Ellipse(140, 125, 110, 78), Circle(200, 160, 40)), Ellipse(86, 150, 16, 13));
  palette = Subtract(palette, Circle(250, 178, 30));
  Style wood;
  wood.fill = [](float x, float y) {
    float grain = 0.5f + 0.5f * std::sin((x * 0.8f + y * 0.2f) / 6.0f + 3 * Fbm(x / 40, y / 40, 71, 3));
    return Mix(Hex(0xD89A5A), Hex(0xB87440), grain);
  };
  wood.outline = kInk;
  wood.outlineWidth = 1.5f;
  wood.bevelWidth = 6;
  wood.bevelStrength = 0.4f;
  wood.shadowDx = 4;
  wood.shadowDy = 6;
  wood.shadowSoftness = 6;
  wood.shadowAlpha = 0.5f;
  wood.shadow = Hex(0x05081A);
  DrawShape(canvas, palette, wood);
  const float blobs[][2] = {{80, 95}, {120, 74}, {168, 72}, {210, 92}, {150, 125}, {200, 128}};
  const Rgb paints[] = {kCoral, kGold, kLeaf, kTeal, Hex(0x7C6CFF), Hex(0xF4F0E6)};
  for (int i = 0; i < 6; ++i) {
    Style blob;
    blob.fill = Solid(paints[i]);
    blob.outline = Shade(paints[i], -0.5f);
    blob.outlineWidth = 1.0f;
    blob.bevelWidth = 5;
    blob.bevelStrength = 0.5f;
    DrawShape(canvas, Ellipse(blobs[i][0], blobs[i][1], 15, 12), blob);
  }
  // A brush lying across it.
  Style handle;
  handle.fill = HorizontalGradient(170, 300, {Hex(0x2A60B0), Hex(0x1A3A80)});
  handle.outline = kInk;
  handle.outlineWidth = 1.2f;
  handle.bevelWidth = 3;
  handle.bevelStrength = 0.5f;
  DrawShape(canvas, Capsule({178, 60}, {296, 22}, 5), handle);
  Style ferrule = handle;
  ferrule.fill = Solid(Hex(0xC8CCD8));
  DrawShape(canvas, Capsule({160, 66}, {180, 59}, 6), ferrule);
  Style bristles = handle;
  bristles.fill = VerticalGradient(60, 80, {kCoral, Hex(0x9A2A2A)});
  DrawShape(canvas, Polygon({{161, 60}, {161, 73}, {138, 80}, {132, 74}}), bristles);
  DrawLabel(canvas, fonts, "Pixel", 18, 272, 216, kCream);
  DrawCardFrame(canvas);
  return Finish(canvas);
}

RgbImage PaintTitleCard(const Fonts& fonts) {
  Canvas canvas(488, 430);
  canvas.Fill([](float x, float y) { return NightSky(x, y, 430, 81); });
  DrawStars(canvas, 82, 60, 430);
  DrawBokehField(canvas, 83, 12, 8, 30, 0.25f);
  DrawPhotoCard(canvas, 176, 250, 210, 160, -0.12f, true);
  DrawPhotoCard(canvas, 312, 262, 210, 160, 0.09f, false);
  DrawMagnifier(canvas, 320, 230, 48);
  DrawTitle(canvas, fonts, 244, 70, 52);
  DrawLabel(canvas, fonts, "Finde die fünf Unterschiede", 22, 244, 390, kIce);
  DrawCardFrame(canvas);
  return Finish(canvas);
}

}  // namespace artgen

#include "theme.h"

#include <cmath>

namespace artgen::theme {

Paint GoldFill(float top, float bottom) {
  return VerticalGradient(top, bottom, {kCream, Hex(0xFFE08A), kGold, kAmber});
}

Paint IceFill(float top, float bottom) {
  return VerticalGradient(top, bottom, {Hex(0xFFFFFF), kIce, Hex(0x5CCFE0), Hex(0x2A8FB0)});
}

Style GoldLettering(float top, float bottom, float outline) {
  Style style;
  style.fill = GoldFill(top, bottom);
  style.outline = kInk;
  style.outlineWidth = outline;
  style.bevelWidth = outline * 1.5f;
  style.bevelStrength = 0.35f;
  return style;
}

float DrawCentredText(Canvas& canvas, const Font& font, std::string_view utf8, float pixelSize, float cx, float cy,
                      const Style& style, float xScale) {
  TextShape text = font.Render(utf8, pixelSize, xScale, style.outlineWidth + 4);
  Style placed = style;
  Sdf shape = text.CentredAt(cx, cy);
  float halfW = text.inkWidth() / 2 + style.outlineWidth + 8 + std::abs(style.shadowDx);
  float halfH = text.inkHeight() / 2 + style.outlineWidth + 8 + std::abs(style.shadowDy);
  DrawShape(canvas, shape, placed,
            {static_cast<int>(cx - halfW), static_cast<int>(cy - halfH), static_cast<int>(cx + halfW) + 1,
             static_cast<int>(cy + halfH) + 1});
  return text.inkWidth();
}

void DrawMagnifier(Canvas& canvas, float cx, float cy, float radius) {
  const float ring = radius * 0.2f;
  const float angle = 0.785f;  // handle to the lower right
  Point handleStart{cx + std::cos(angle) * (radius + ring * 0.6f), cy + std::sin(angle) * (radius + ring * 0.6f)};
  Point handleEnd{cx + std::cos(angle) * radius * 2.05f, cy + std::sin(angle) * radius * 2.05f};
  Box box = AroundCircle(cx + radius * 0.5f, cy + radius * 0.5f, radius * 2.2f, 4);

  // Handle: dark wood with a brass collar.
  Style handle;
  handle.fill = [=](float x, float y) {
    float along = ((x - cx) + (y - cy)) / (radius * 2.9f);
    return Mix(Hex(0x7A3E1E), Hex(0x3A1A0C), Clamp01(along));
  };
  handle.outline = kInk;
  handle.outlineWidth = std::max(1.0f, radius * 0.05f);
  handle.bevelWidth = ring * 0.8f;
  handle.bevelStrength = 0.5f;
  DrawShape(canvas, Capsule(handleStart, handleEnd, ring * 0.95f), handle, box);
  Point collarEnd{handleStart.x + (handleEnd.x - handleStart.x) * 0.28f,
                  handleStart.y + (handleEnd.y - handleStart.y) * 0.28f};
  Style collar = handle;
  collar.fill = GoldFill(cy, cy + radius * 1.6f);
  DrawShape(canvas, Capsule(handleStart, collarEnd, ring * 1.1f), collar, box);

  // Lens: pale glass, brighter at the top left, with a curved reflection.
  Style glass;
  glass.fill = [=](float x, float y) {
    float t = Clamp01(std::hypot(x - (cx - radius * 0.35f), y - (cy - radius * 0.35f)) / (radius * 1.6f));
    return Mix(Hex(0xD8FAFF), Hex(0x3F8FB8), t);
  };
  DrawShape(canvas, Circle(cx, cy, radius), glass, box);
  Sdf reflection = Subtract(Circle(cx - radius * 0.08f, cy - radius * 0.08f, radius * 0.78f),
                            Circle(cx + radius * 0.08f, cy + radius * 0.08f, radius * 0.78f));
  FillShape(canvas, Intersect(reflection, Circle(cx, cy, radius * 0.8f)), Solid({1, 1, 1}), 0.55f, box);

  Style rim;
  rim.fill = GoldFill(cy - radius, cy + radius);
  rim.outline = kInk;
  rim.outlineWidth = std::max(1.0f, radius * 0.05f);
  rim.bevelWidth = ring * 0.7f;
  rim.bevelStrength = 0.55f;
  DrawShape(canvas, Ring(Circle(cx, cy, radius), ring / 2), rim, box);
}

void DrawBokeh(Canvas& canvas, float cx, float cy, float radius, Rgb colour, float opacity) {
  Box box = AroundCircle(cx, cy, radius, 3);
  GlowShape(canvas, Circle(cx, cy, radius * 0.92f), colour, radius * 0.1f + 0.8f, opacity * 0.55f, box);
  GlowShape(canvas, Ring(Circle(cx, cy, radius * 0.9f), radius * 0.05f), colour, 1.2f, opacity * 0.35f, box);
}

}  // namespace artgen::theme

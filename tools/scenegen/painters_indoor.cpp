// Painters for rooms and still lifes.
#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {
constexpr Color kStem = Rgb(95, 70, 40);
constexpr Color kLeaf = Rgb(70, 125, 50);

void TableShadow(Pen& p, float halfWidth) { p.Shadow(0.35f, 0, halfWidth, 0.22f, 0.4f); }
}  // namespace

void PaintPictureFrame(Pen& p, const Item& it) {
  // Anchor: the middle of the frame's lower edge, hanging on the wall.
  p.Rect(-2.1f, -3.1f, 2.3f, 0.25f, Flat{{0.05f, 0.04f, 0.04f}}, 0.1f, 0.25f);
  p.Rect(-2.2f, -3.3f, 2.2f, 0, p.Gradient(-3.3f, 0, Lighter(it.color, 0.25f), Darker(it.color, 0.25f)), 0.05f);
  p.Rect(-1.85f, -2.95f, 1.85f, -0.35f, p.Gradient(-2.95f, -1.4f, it.accent, Lighter(it.accent, 0.5f)));
  // The little painting inside: hills or a sea with a sun.
  if (it.variant % 2 == 0) {
    p.Poly({{-1.85f, -0.35f},
            {-1.85f, -1.0f},
            {-1.1f, -1.3f},
            {-0.3f, -1.2f},
            {0.5f, -0.8f},
            {1.2f, -0.6f},
            {1.85f, -0.55f},
            {1.85f, -0.35f}},
           Flat{Rgb(90, 140, 70)});
    p.Poly({{0.0f, -0.35f}, {0.7f, -0.8f}, {1.4f, -1.0f}, {1.85f, -0.95f}, {1.85f, -0.35f}}, Flat{Rgb(60, 110, 55)});
  } else {
    p.Rect(-1.85f, -1.2f, 1.85f, -0.35f, p.Gradient(-1.2f, -0.35f, Rgb(70, 120, 160), Rgb(40, 80, 120)));
    p.Poly({{-0.6f, -1.25f}, {-0.6f, -2.3f}, {0.3f, -1.25f}}, Flat{Rgb(245, 240, 230)});
  }
  p.Circle(1.1f, -2.3f, 0.3f, Flat{Rgb(250, 225, 150)});
}

void PaintLamp(Pen& p, const Item& it) {
  TableShadow(p, 1.1f);
  p.Ellipse(0, -0.15f, 0.8f, 0.2f, p.Sphere(0, -0.2f, 0.8f, Rgb(170, 140, 80), 0.4f));
  p.Rect(-0.1f, -2.8f, 0.1f, -0.2f, p.Cylinder(0, 0.1f, Rgb(180, 150, 90), 0.5f));
  p.Ellipse(0, -3.0f, 1.6f, 1.2f, Flat{Rgb(255, 230, 160)}, 0.18f, 8.0f);
  const float w = it.variant % 2 ? 1.0f : 1.35f;
  p.Poly({{-0.65f, -4.2f}, {0.65f, -4.2f}, {w, -2.6f}, {-w, -2.6f}},
         p.Gradient(-4.2f, -2.6f, Lighter(it.color, 0.3f), it.color));
}

void PaintVase(Pen& p, const Item& it) {
  TableShadow(p, 0.9f);
  if (it.variant % 2 == 0) {
    Rng r(it.seed);
    for (int i = 0; i < 5; ++i) {
      const float u = -0.7f + i * 0.35f + r.Range(-0.1f, 0.1f), v = -3.3f - r.Range(0, 0.7f);
      p.Line(0, -1.9f, u, v, 0.07f, Flat{kLeaf});
      p.Circle(u, v, 0.28f, p.Sphere(u, v, 0.28f, it.accent, 0.3f));
      p.Circle(u, v, 0.09f, Flat{Rgb(240, 200, 60)});
    }
  }
  p.Poly({{-0.35f, -2.2f},
          {0.35f, -2.2f},
          {0.3f, -1.8f},
          {0.75f, -1.1f},
          {0.6f, -0.15f},
          {0.4f, 0},
          {-0.4f, 0},
          {-0.6f, -0.15f},
          {-0.75f, -1.1f},
          {-0.3f, -1.8f}},
         p.Cylinder(0, 0.75f, it.color, 0.45f));
  p.Ellipse(0, -2.2f, 0.36f, 0.08f, Flat{Darker(it.color, 0.4f)});
}

void PaintClock(Pen& p, const Item& it) {
  // Anchor: the clock's centre on the wall.
  p.Circle(0.1f, 0.12f, 1.25f, Flat{{0.05f, 0.04f, 0.04f}}, 0.3f, 2.0f);
  p.Circle(0, 0, 1.25f, p.Sphere(0, 0, 1.25f, it.color, 0.3f));
  p.Circle(0, 0, 1.02f, Flat{Rgb(246, 240, 226)});
  for (int i = 0; i < 12; ++i) {
    const float a = i * 0.5236f;
    p.Line(std::cos(a) * 0.82f, std::sin(a) * 0.82f, std::cos(a) * 0.95f, std::sin(a) * 0.95f, 0.08f,
           Flat{Rgb(40, 40, 40)});
  }
  const float hour = 0.6f + it.variant * 1.9f, minute = -1.2f + it.variant * 2.6f;
  p.Line(0, 0, std::cos(hour) * 0.5f, std::sin(hour) * 0.5f, 0.13f, Flat{Rgb(30, 30, 30)});
  p.Line(0, 0, std::cos(minute) * 0.8f, std::sin(minute) * 0.8f, 0.08f, Flat{Rgb(30, 30, 30)});
  p.Circle(0, 0, 0.08f, Flat{Rgb(150, 40, 30)});
}

void PaintBook(Pen& p, const Item& it) {
  // Anchor: the middle of the spine's foot on the shelf.
  const float h = 2.0f + (it.seed % 5) * 0.15f + (it.variant % 2 ? 0.6f : 0);
  p.Rect(-0.3f, -h, 0.3f, 0, p.Cylinder(0, 0.3f, it.color, 0.15f), 0.04f);
  p.Rect(-0.3f, -h + 0.3f, 0.3f, -h + 0.42f, Flat{it.accent});
  p.Rect(-0.3f, -0.45f, 0.3f, -0.33f, Flat{it.accent});
}

void PaintCup(Pen& p, const Item& it) {
  TableShadow(p, 1.0f);
  p.Ellipse(0, -0.05f, 1.1f, 0.22f, p.Sphere(0, -0.2f, 1.1f, Rgb(235, 235, 230), 0.3f));
  p.Line(0.65f, -0.95f, 1.05f, -0.7f, 0.16f, Flat{it.color});
  p.Line(1.05f, -0.7f, 0.6f, -0.35f, 0.16f, Flat{it.color});
  p.Poly({{-0.7f, -1.2f}, {0.7f, -1.2f}, {0.5f, -0.15f}, {-0.5f, -0.15f}}, p.Cylinder(0, 0.7f, it.color, 0.4f));
  p.Ellipse(0, -1.2f, 0.7f, 0.14f, Flat{Rgb(90, 55, 35)});
  if (it.variant % 2) p.Rect(-0.6f, -0.85f, 0.6f, -0.65f, Flat{Lighter(it.color, 0.6f)}, 0, 0.9f);
}

void PaintApple(Pen& p, const Item& it) {
  TableShadow(p, 1.0f);
  p.Circle(-0.32f, -0.9f, 0.78f, p.Sphere(0, -0.95f, 1.0f, it.color, 0.45f));
  p.Circle(0.32f, -0.9f, 0.78f, p.Sphere(0, -0.95f, 1.0f, it.color, 0.45f));
  p.Circle(0, -1.55f, 0.16f, Flat{Darker(it.color, 0.45f)}, 0.8f);
  p.Line(0, -1.6f, 0.12f, -2.1f, 0.09f, Flat{kStem});
  if (it.variant % 2 == 0) p.Ellipse(0.42f, -2.0f, 0.3f, 0.12f, Flat{kLeaf});
}

void PaintPear(Pen& p, const Item& it) {
  TableShadow(p, 0.9f);
  const SphereShade body = p.Sphere(0, -0.9f, 1.1f, it.color, 0.35f);
  p.Circle(0, -0.75f, 0.78f, body);
  p.Circle(0.05f, -1.6f, 0.48f, body);
  p.Poly({{-0.6f, -1.1f}, {0.62f, -1.1f}, {0.45f, -1.6f}, {-0.38f, -1.6f}}, body);
  if (it.variant % 2 == 0) p.Line(0.05f, -2.0f, -0.12f, -2.5f, 0.09f, Flat{kStem});
  p.Circle(-0.35f, -0.6f, 0.1f, Flat{Darker(it.color, 0.3f)}, 0.5f);
}

void PaintOrange(Pen& p, const Item& it) {
  TableShadow(p, 1.0f);
  p.Circle(0, -0.85f, 0.85f, [&](float px, float py) {
    return SphereShade{it.color, p.X(0), p.Y(-0.85f), p.L(0.85f), 0.3f}(px, py) *
           (0.93f + 0.1f * Hash2(static_cast<int>(px), static_cast<int>(py), it.seed));
  });
  p.Circle(0.12f, -1.6f, 0.08f, Flat{Rgb(90, 110, 40)});
  if (it.variant % 2) p.Ellipse(0.4f, -1.72f, 0.32f, 0.12f, Flat{kLeaf});
}

void PaintGrapes(Pen& p, const Item& it) {
  TableShadow(p, 1.1f);
  const int rows = it.variant % 2 ? 4 : 5;
  for (int row = rows - 1; row >= 0; --row) {
    const int n = std::max(1, 4 - row * 3 / rows);
    for (int i = 0; i < n; ++i) {
      const float u = (i - (n - 1) * 0.5f) * 0.5f + (row % 2) * 0.12f, v = -0.35f - (rows - 1 - row) * 0.42f;
      p.Circle(u, v, 0.3f, p.Sphere(u, v, 0.3f, it.color, 0.5f));
    }
  }
  p.Line(0.05f, -0.35f - rows * 0.42f, 0.2f, -0.6f - rows * 0.42f, 0.09f, Flat{kStem});
}

void PaintBottle(Pen& p, const Item& it) {
  TableShadow(p, 0.8f);
  const float neck = it.variant % 2 ? -4.2f : -3.6f;
  p.Poly({{-0.6f, 0},
          {0.6f, 0},
          {0.6f, -2.3f},
          {0.2f, -2.9f},
          {0.2f, neck},
          {-0.2f, neck},
          {-0.2f, -2.9f},
          {-0.6f, -2.3f}},
         p.Cylinder(0, 0.6f, it.color, 0.55f));
  p.Rect(-0.22f, neck - 0.2f, 0.22f, neck + 0.35f, Flat{Rgb(140, 40, 40)}, 0.05f);
  p.Rect(-0.6f, -1.7f, 0.6f, -0.6f, p.Cylinder(0, 0.6f, it.accent, 0.1f));
}

void PaintJug(Pen& p, const Item& it) {
  TableShadow(p, 1.2f);
  p.Line(-0.8f, -2.3f, -1.3f, -1.7f, 0.22f, Flat{Darker(it.color, 0.1f)});
  p.Line(-1.3f, -1.7f, -0.85f, -0.8f, 0.22f, Flat{Darker(it.color, 0.1f)});
  p.Poly({{-0.7f, -2.6f},
          {0.6f, -2.6f},
          {1.05f, -2.85f},
          {0.8f, -2.2f},
          {1.0f, -1.0f},
          {0.7f, 0},
          {-0.7f, 0},
          {-1.0f, -1.0f},
          {-0.8f, -2.2f}},
         p.Cylinder(0, 1.0f, it.color, 0.35f));
  if (it.variant % 2 == 0) p.Rect(-0.95f, -1.5f, 0.95f, -1.25f, p.Cylinder(0, 1.0f, it.accent, 0.2f));
}

void PaintCandle(Pen& p, const Item& it) {
  TableShadow(p, 0.8f);
  p.Ellipse(0, -0.1f, 0.9f, 0.22f, p.Sphere(0, -0.2f, 0.9f, Rgb(200, 170, 90), 0.5f));
  const float h = it.variant % 2 ? 2.0f : 3.0f;
  p.Rect(-0.3f, -h, 0.3f, -0.15f, p.Cylinder(0, 0.3f, it.color, 0.3f));
  p.Circle(0, -h - 0.55f, 0.9f, Flat{Rgb(255, 220, 140)}, 0.2f, 6.0f);
  p.Ellipse(0, -h - 0.4f, 0.14f, 0.32f, p.Gradient(-h - 0.7f, -h - 0.1f, Rgb(255, 250, 200), Rgb(255, 160, 40)));
  p.Line(0, -h, 0, -h - 0.15f, 0.05f, Flat{Rgb(30, 30, 30)});
}

void PaintLemon(Pen& p, const Item& it) {
  TableShadow(p, 1.0f);
  const float len = it.variant % 2 ? 0.8f : 1.05f;
  p.Poly({{-len - 0.2f, -0.6f},
          {-len + 0.1f, -0.95f},
          {-0.3f, -1.2f},
          {0.3f, -1.2f},
          {len - 0.1f, -0.95f},
          {len + 0.2f, -0.6f},
          {len - 0.1f, -0.2f},
          {0.3f, 0},
          {-0.3f, 0},
          {-len + 0.1f, -0.2f}},
         p.Sphere(0, -0.6f, 1.1f, it.color, 0.3f));
}

void PaintCherries(Pen& p, const Item& it) {
  TableShadow(p, 0.7f);
  p.Line(-0.45f, -0.45f, 0.15f, -2.0f, 0.06f, Flat{kStem});
  p.Line(0.45f, -0.45f, 0.15f, -2.0f, 0.06f, Flat{kStem});
  if (it.variant % 2 == 0) p.Ellipse(0.5f, -2.0f, 0.35f, 0.13f, Flat{kLeaf});
  for (float u : {-0.45f, 0.45f}) p.Circle(u, -0.42f, 0.42f, p.Sphere(u, -0.42f, 0.42f, it.color, 0.6f));
}

void PaintCat(Pen& p, const Item& it) {
  // A cat sitting, seen from the front and a little from the side, its tail
  // curled along the ground.
  p.Shadow(0.2f, 0, 1.5f, 0.22f);
  const Color fur = it.color, dark = Darker(fur, 0.25f), light = Lighter(fur, 0.4f);
  p.Line(0.6f, -0.12f, 1.45f, -0.22f, 0.26f, Flat{dark});
  p.Line(1.45f, -0.22f, 1.7f, -0.75f, 0.22f, Flat{dark});
  p.Poly({{-0.9f, 0},
          {0.9f, 0},
          {1.0f, -0.6f},
          {0.65f, -1.45f},
          {0.15f, -1.9f},
          {-0.45f, -1.85f},
          {-0.85f, -1.25f},
          {-1.0f, -0.55f}},
         p.Sphere(-0.1f, -1.0f, 1.25f, fur, 0.08f));
  p.Ellipse(-0.3f, -1.25f, 0.3f, 0.5f, Flat{light}, 0.85f, 1.0f);
  for (float u : {-0.5f, -0.1f}) {
    p.Line(u, -0.95f, u, -0.05f, 0.22f, Flat{Mix(fur, light, 0.3f)});
    p.Ellipse(u, -0.05f, 0.16f, 0.08f, Flat{light});
  }
  p.Poly({{-0.75f, -2.45f}, {-0.68f, -3.2f}, {-0.3f, -2.85f}}, Flat{fur});
  p.Poly({{-0.05f, -2.85f}, {0.3f, -3.2f}, {0.35f, -2.45f}}, Flat{fur});
  p.Poly({{-0.66f, -2.6f}, {-0.63f, -3.0f}, {-0.42f, -2.8f}}, Flat{Rgb(220, 150, 150)}, 0.8f);
  p.Circle(-0.2f, -2.35f, 0.6f, p.Sphere(-0.2f, -2.35f, 0.6f, fur, 0.1f));
  p.Ellipse(-0.2f, -2.12f, 0.3f, 0.18f, Flat{light}, 0.9f);
  for (float u : {-0.42f, 0.02f}) {
    p.Ellipse(u, -2.45f, 0.11f, 0.08f, Flat{it.accent});
    p.Ellipse(u, -2.45f, 0.03f, 0.075f, Flat{Rgb(15, 12, 10)});
  }
  p.Poly({{-0.28f, -2.27f}, {-0.12f, -2.27f}, {-0.2f, -2.17f}}, Flat{Rgb(210, 120, 120)});
  for (float side : {-1.0f, 1.0f})
    for (float dv : {-0.05f, 0.06f})
      p.Line(-0.2f + side * 0.2f, -2.15f, -0.2f + side * 0.75f, -2.15f + dv - 0.04f, 0.02f, Flat{Rgb(235, 235, 230)},
             0.35f);
  if (it.variant % 2) p.Rect(-0.65f, -1.85f, 0.25f, -1.72f, Flat{Rgb(200, 40, 40)}, 0.06f);
}

void PaintChair(Pen& p, const Item& it) {
  // Seen from the front, turned a little: the back legs show shorter.
  p.Shadow(0.2f, 0, 1.6f, 0.22f);
  const Color wood = it.color;
  const Flat dark{Darker(wood, 0.3f)};
  for (float u : {-0.85f, 0.95f}) p.Line(u, -2.0f, u, -0.35f, 0.2f, dark);
  for (float u : {-1.05f, 1.15f}) p.Line(u, -5.0f, u, -2.0f, 0.24f, Flat{wood});
  const int slats = it.variant % 2 ? 2 : 3;
  for (int i = 0; i < slats; ++i) {
    const float u = -1.05f + (i + 1) * 2.2f / (slats + 1);
    p.Line(u, -4.7f, u, -2.3f, 0.18f, Flat{Lighter(wood, 0.08f)});
  }
  p.Rect(-1.2f, -5.1f, 1.3f, -4.6f, p.Gradient(-5.1f, -4.6f, Lighter(wood, 0.2f), wood), 0.1f);
  p.Poly({{-1.25f, -2.3f}, {1.35f, -2.3f}, {1.55f, -1.8f}, {-1.45f, -1.8f}},
         p.Gradient(-2.3f, -1.8f, Lighter(wood, 0.25f), wood));
  p.Rect(-1.45f, -1.85f, 1.55f, -1.6f, Flat{Darker(wood, 0.15f)});
  for (float u : {-1.3f, 1.4f}) p.Line(u, -1.65f, u * 1.05f, 0, 0.24f, Flat{wood});
}

void PaintPlate(Pen& p, const Item& it) {
  TableShadow(p, 2.2f);
  p.Ellipse(0, -0.35f, 2.2f, 0.55f, p.Gradient(-0.9f, 0.2f, Rgb(245, 245, 240), Rgb(190, 190, 195)));
  if (it.variant % 2) p.Ellipse(0, -0.36f, 1.9f, 0.46f, Flat{it.color}, 0.75f);
  p.Ellipse(0, -0.38f, 1.5f, 0.33f, Flat{Mix(Rgb(235, 235, 232), it.color, 0.15f)});
}

void PaintWindow(Pen& p, const Item& it) {
  // Anchor: the middle of the sill. The view outside is a soft sky and hills.
  p.Rect(-2.9f, -6.2f, 2.9f, 0, Flat{Rgb(240, 236, 226)}, 0.08f);
  p.Rect(-2.6f, -5.9f, 2.6f, -0.3f, p.Gradient(-5.9f, -0.3f, Rgb(120, 170, 225), Rgb(215, 228, 240)));
  // Hills inside the glass only.
  p.Poly({{-2.6f, -0.3f},
          {-2.6f, -1.5f},
          {-1.8f, -1.85f},
          {-0.9f, -1.95f},
          {0.0f, -1.7f},
          {0.8f, -1.3f},
          {1.6f, -1.05f},
          {2.6f, -1.0f},
          {2.6f, -0.3f}},
         Flat{Rgb(120, 165, 100)});
  p.Poly({{-0.4f, -0.3f}, {0.4f, -0.75f}, {1.2f, -1.2f}, {2.0f, -1.5f}, {2.6f, -1.45f}, {2.6f, -0.3f}},
         Flat{Rgb(90, 140, 80)});
  p.Ellipse(-1.2f, -4.4f, 1.0f, 0.35f, Flat{Rgb(250, 250, 250)}, 0.9f, 2.0f);
  p.Line(0, -5.9f, 0, -0.3f, 0.2f, Flat{Rgb(240, 236, 226)});
  p.Line(-2.6f, -3.1f, 2.6f, -3.1f, 0.2f, Flat{Rgb(240, 236, 226)});
  p.Rect(-3.2f, -0.1f, 3.2f, 0.35f, p.Gradient(-0.1f, 0.35f, Rgb(250, 248, 240), Rgb(200, 195, 185)), 0.05f);
  // Curtains in the main colour.
  for (float side : {-1.0f, 1.0f}) {
    p.Poly(
        {{side * 3.4f, -6.6f}, {side * 2.3f, -6.6f}, {side * 2.6f, -3.5f}, {side * 2.2f, -0.4f}, {side * 3.4f, -0.4f}},
        [&](float px, float py) {
          const float fold = 0.8f + 0.2f * std::sin(px * 0.5f);
          return it.color * fold * (0.95f + 0.1f * ValueNoise(px * 0.2f, py * 0.05f, it.seed));
        });
  }
}

}  // namespace scenegen

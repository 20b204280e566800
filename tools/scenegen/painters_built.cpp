// Painters for buildings, boats and the things people leave outdoors.
#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {

constexpr Color kWood = Rgb(120, 82, 50);
constexpr Color kGlass = Rgb(70, 95, 120);
constexpr Color kFrame = Rgb(238, 234, 222);

// A window pane with frame, cross bars and a sky reflection.
void PaneWindow(Pen& p, float u0, float v0, float u1, float v1, bool arched = false) {
  p.Rect(u0 - 0.12f, v0 - 0.12f, u1 + 0.12f, v1 + 0.12f, Flat{kFrame}, arched ? (u1 - u0) * 0.5f : 0.02f);
  p.Rect(u0, v0, u1, v1, p.Gradient(v0, v1, Lighter(kGlass, 0.35f), Darker(kGlass, 0.2f)),
         arched ? (u1 - u0) * 0.45f : 0);
  p.Line((u0 + u1) / 2, v0, (u0 + u1) / 2, v1, 0.09f, Flat{kFrame});
  p.Line(u0, (v0 + v1) / 2, u1, (v0 + v1) / 2, 0.09f, Flat{kFrame});
}

// Plaster or brick: a wall colour with a little noise and faint courses.
struct WallShade {
  Color color;
  float courseHeight;
  std::uint32_t seed;
  Color operator()(float px, float py) const {
    const float n = Fbm(px * 0.08f, py * 0.08f, seed, 3);
    const float course = courseHeight > 0 && std::fmod(py, courseHeight) < 1.0f ? 0.93f : 1.0f;
    return color * ((0.9f + 0.2f * n) * course);
  }
};

// Roof tiles in rows, darker at the bottom of each row.
struct TileShade {
  Color color;
  float rowHeight;
  std::uint32_t seed;
  Color operator()(float px, float py) const {
    const float f = std::fmod(py, rowHeight) / rowHeight;
    const float n = ValueNoise(px * 0.25f, py * 0.25f, seed);
    return color * (0.78f + 0.3f * f) * (0.92f + 0.16f * n);
  }
};

}  // namespace

void PaintCottage(Pen& p, const Item& it) {
  p.Shadow(0.6f, 0, 3.8f, 0.35f, 0.3f);
  const float roofTop = it.variant % 2 ? -6.0f : -5.4f;
  // Chimney first so the roof covers its foot.
  p.Rect(1.4f, roofTop + 0.4f, 2.0f, -3.6f, WallShade{Rgb(150, 80, 60), p.L(0.35f), it.seed + 3});
  p.Rect(1.3f, roofTop + 0.25f, 2.1f, roofTop + 0.5f, Flat{Rgb(90, 60, 50)});
  p.Rect(-3, -3.3f, 3, 0, WallShade{it.color, 0, it.seed});
  if (it.variant % 2) {
    p.Poly({{-3.5f, -3.2f}, {3.5f, -3.2f}, {0, roofTop}}, TileShade{it.accent, p.L(0.45f), it.seed});
  } else {
    p.Poly({{-3.5f, -3.2f}, {3.5f, -3.2f}, {2.0f, roofTop}, {-2.0f, roofTop}},
           TileShade{it.accent, p.L(0.45f), it.seed});
  }
  p.Rect(-3, -3.3f, 3, -3.0f, Flat{{0.1f, 0.08f, 0.08f}}, 0, 0.3f);
  p.Rect(-0.7f, -2.0f, 0.3f, 0, p.Gradient(-2, 0, Rgb(110, 60, 40), Rgb(80, 45, 30)), 0.05f);
  p.Circle(0.1f, -1.0f, 0.08f, Flat{Rgb(220, 190, 90)});
  PaneWindow(p, -2.5f, -2.4f, -1.4f, -1.3f);
  PaneWindow(p, 1.0f, -2.4f, 2.3f, -1.3f);
  if (it.variant >= 2) PaneWindow(p, -0.45f, roofTop + 1.3f, 0.45f, roofTop + 2.1f, true);
}

void PaintTownhouse(Pen& p, const Item& it) {
  const int floors = 3 + it.variant % 2;
  const float top = -1.6f - floors * 1.6f;
  p.Rect(-2, top, 2, 0, WallShade{it.color, p.L(0.4f), it.seed});
  // Stepped or plain gable against the sky.
  if (it.variant >= 2) {
    p.Poly({{-2, top},
            {-2, top - 0.6f},
            {-1.2f, top - 0.6f},
            {-1.2f, top - 1.2f},
            {-0.5f, top - 1.2f},
            {-0.5f, top - 1.8f},
            {0.5f, top - 1.8f},
            {0.5f, top - 1.2f},
            {1.2f, top - 1.2f},
            {1.2f, top - 0.6f},
            {2, top - 0.6f},
            {2, top}},
           WallShade{it.color, p.L(0.4f), it.seed});
  } else {
    p.Poly({{-2.2f, top}, {2.2f, top}, {0, top - 1.7f}}, TileShade{it.accent, p.L(0.35f), it.seed});
  }
  p.Rect(-2.1f, top - 0.05f, 2.1f, top + 0.2f, Flat{Lighter(it.color, 0.4f)});
  for (int f = 0; f < floors; ++f) {
    const float v = top + 0.5f + f * 1.6f;
    for (float u : {-1.45f, -0.35f, 0.75f}) PaneWindow(p, u, v, u + 0.7f, v + 1.0f, it.variant % 3 == 1);
  }
  p.Rect(-2, -1.5f, 2, 0, WallShade{Darker(it.color, 0.15f), 0, it.seed + 1});
  p.Rect(-1.5f, -1.3f, -0.6f, 0, p.Gradient(-1.3f, 0, Rgb(90, 55, 35), Rgb(60, 35, 25)), 0.4f);
  PaneWindow(p, 0.0f, -1.2f, 1.5f, -0.3f);
}

void PaintSailboat(Pen& p, const Item& it) {
  // Anchor: the waterline at the middle of the hull. First the boat's
  // reflection, squashed and faint, so it moves with the boat.
  p.Poly({{-2.2f, 0.2f}, {2.4f, 0.2f}, {3.0f, 0.9f}, {-2.8f, 0.9f}}, Flat{Darker(it.color, 0.5f)}, 0.35f, 1.0f);
  p.Poly({{0.35f, 1.0f}, {0.35f, 3.6f}, {2.6f, 1.0f}}, Flat{it.accent}, 0.18f, 1.5f);
  p.Ellipse(0, 0.15f, 3.2f, 0.3f, Flat{{0.05f, 0.1f, 0.18f}}, 0.3f, 2.0f);
  p.Poly({{-3.0f, -0.9f}, {3.2f, -0.9f}, {2.4f, 0.2f}, {-2.2f, 0.2f}},
         p.Gradient(-0.9f, 0.2f, it.color, Darker(it.color, 0.4f)));
  p.Rect(-3.0f, -1.0f, 3.2f, -0.8f, Flat{Rgb(235, 232, 220)});
  p.Line(0.2f, -0.9f, 0.2f, -7.0f, 0.13f, Flat{Rgb(90, 70, 50)});
  const Color sail = it.accent;
  p.Poly({{0.35f, -6.8f}, {0.35f, -1.3f}, {3.0f, -1.3f}},
         p.Gradient(-6.8f, -1.3f, Lighter(sail, 0.2f), Darker(sail, 0.15f)));
  if (it.variant % 2)
    p.Poly({{0.05f, -6.0f}, {0.05f, -1.3f}, {-2.2f, -1.3f}}, p.Gradient(-6.0f, -1.3f, sail, Darker(sail, 0.25f)));
  p.Poly({{0.2f, -7.0f}, {0.2f, -6.5f}, {1.0f, -6.75f}}, Flat{Rgb(200, 40, 40)});
}

void PaintRowboat(Pen& p, const Item& it) {
  p.Ellipse(0, 0.1f, 2.4f, 0.25f, Flat{{0.05f, 0.1f, 0.18f}}, 0.3f, 1.5f);
  p.Poly({{-2.4f, -0.8f}, {2.2f, -0.8f}, {1.6f, 0.1f}, {-1.8f, 0.1f}},
         p.Gradient(-0.8f, 0.1f, it.color, Darker(it.color, 0.45f)));
  p.Rect(-2.3f, -0.85f, 2.2f, -0.7f, Flat{Darker(kWood, 0.1f)});
  if (it.variant % 2 == 0) p.Line(-1.6f, -1.2f, 0.6f, 0.3f, 0.14f, Flat{kWood});
}

void PaintLighthouse(Pen& p, const Item& it) {
  p.Poly({{-1.1f, 0}, {1.1f, 0}, {0.7f, -7.5f}, {-0.7f, -7.5f}}, [&](float px, float py) {
    const int band = static_cast<int>(std::floor((p.Y(0) - py) / p.L(1.25f)));
    const Color c = band % 2 ? it.color : Rgb(240, 238, 230);
    return CylinderShade{c, p.X(0), p.L(1.0f), 0.3f}(px, py);
  });
  p.Rect(-1.0f, -7.8f, 1.0f, -7.4f, Flat{Rgb(50, 50, 55)});
  p.Rect(-0.55f, -8.9f, 0.55f, -7.8f, p.Gradient(-8.9f, -7.8f, Rgb(255, 240, 170), Rgb(230, 190, 90)));
  p.Poly({{-0.8f, -8.9f}, {0.8f, -8.9f}, {0, -9.8f}}, Flat{Darker(it.color, 0.3f)});
  p.Rect(-0.25f, -1.6f, 0.25f, 0, Flat{Rgb(60, 45, 35)}, 0.2f);
}

void PaintBuoy(Pen& p, const Item& it) {
  p.Ellipse(0, 0.1f, 1.0f, 0.2f, Flat{{0.05f, 0.1f, 0.18f}}, 0.3f, 1.0f);
  p.Circle(0, -0.5f, 0.75f, p.Sphere(0, -0.5f, 0.75f, it.color, 0.4f));
  p.Rect(-0.75f, -0.6f, 0.75f, -0.35f, Flat{Rgb(240, 240, 235)}, 0, 0.9f);
  p.Line(0, -1.2f, 0, -2.0f, 0.12f, Flat{Rgb(70, 70, 70)});
  if (it.variant % 2) p.Circle(0, -2.1f, 0.2f, Flat{Rgb(255, 230, 120)});
}

void PaintBarrel(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.2f, 0.2f);
  p.Poly({{-0.8f, 0}, {-0.95f, -1.1f}, {-0.8f, -2.2f}, {0.8f, -2.2f}, {0.95f, -1.1f}, {0.8f, 0}},
         [&](float px, float py) {
           const float stave = std::fabs(std::sin((px - p.X(0)) / std::max(1.0f, p.L(0.3f)) * 1.57f));
           return CylinderShade{it.color, p.X(0), p.L(0.95f), 0.2f}(px, py) * (0.88f + 0.12f * stave);
         });
  for (float v : {-1.8f, -0.45f}) p.Rect(-0.92f, v - 0.09f, 0.92f, v + 0.09f, Flat{Rgb(70, 70, 75)});
  p.Ellipse(0, -2.2f, 0.8f, 0.2f, Flat{Darker(it.color, 0.25f)});
}

void PaintCrate(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.4f, 0.2f);
  p.Rect(-1.1f, -2.0f, 1.1f, 0, [&](float px, float py) {
    const float plank = std::fmod(py - p.Y(-2.0f), p.L(0.5f)) < 1.0f ? 0.8f : 1.0f;
    return it.color * plank * (0.9f + 0.2f * ValueNoise(px * 0.5f, py * 0.05f, it.seed));
  });
  p.Line(-1.0f, -1.9f, 1.0f, -0.1f, 0.16f, Flat{Darker(it.color, 0.2f)});
  if (it.variant % 2) p.Line(1.0f, -1.9f, -1.0f, -0.1f, 0.16f, Flat{Darker(it.color, 0.2f)});
}

void PaintBench(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.3f, 0.25f);
  const Color iron = Rgb(45, 45, 50);
  for (float u : {-1.7f, 1.7f}) {
    p.Line(u, -1.0f, u - 0.2f, 0, 0.15f, Flat{iron});
    p.Line(u, -1.0f, u + 0.2f, -2.2f, 0.15f, Flat{iron});
  }
  for (int i = 0; i < 2; ++i)
    p.Rect(-2.1f, -1.15f - i * 0.25f, 2.1f, -0.97f - i * 0.25f, Flat{Lighter(it.color, i * 0.1f)}, 0.05f);
  const int slats = it.variant % 2 ? 2 : 3;
  for (int i = 0; i < slats; ++i) p.Rect(-2.0f, -2.25f + i * 0.32f, 2.0f, -2.05f + i * 0.32f, Flat{it.color}, 0.05f);
}

void PaintBirdhouse(Pen& p, const Item& it) {
  p.Rect(-0.12f, -2.6f, 0.12f, 0, p.Cylinder(0, 0.12f, kWood, 0.1f));
  p.Rect(-0.6f, -3.6f, 0.6f, -2.5f, Flat{it.color});
  p.Poly({{-0.8f, -3.5f}, {0.8f, -3.5f}, {0, -4.3f}}, Flat{it.accent});
  p.Circle(0, -3.15f, 0.2f, Flat{Rgb(30, 20, 15)});
  if (it.variant % 2) p.Line(0, -2.75f, 0.35f, -2.75f, 0.08f, Flat{kWood});
}

void PaintFlowerPot(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.0f, 0.15f);
  Rng r(it.seed);
  const Color leaf = Rgb(60, 120, 50);
  for (int i = 0; i < 6; ++i) {
    const float a = -2.6f + i * 0.45f;
    p.Ellipse(std::cos(a) * 0.7f, -1.5f + std::sin(a) * 0.7f, 0.35f, 0.2f,
              Flat{Mix(leaf, Rgb(90, 150, 60), r.Uniform())});
  }
  if (it.variant % 2 == 0)
    for (int i = 0; i < 3; ++i)
      p.Circle(-0.4f + i * 0.4f, -2.1f + (i % 2) * 0.25f, 0.22f,
               p.Sphere(-0.4f + i * 0.4f, -2.1f, 0.22f, it.accent, 0.3f));
  p.Poly({{-0.7f, -1.2f}, {0.7f, -1.2f}, {0.5f, 0}, {-0.5f, 0}}, p.Cylinder(0, 0.65f, it.color, 0.2f));
  p.Rect(-0.78f, -1.3f, 0.78f, -1.05f, Flat{Lighter(it.color, 0.1f)}, 0.05f);
}

void PaintDuck(Pen& p, const Item& it) {
  p.Ellipse(0, 0.05f, 1.3f, 0.18f, Flat{{0.05f, 0.1f, 0.18f}}, 0.25f, 1.0f);
  p.Ellipse(0, -0.45f, 1.1f, 0.55f, p.Sphere(0, -0.6f, 1.0f, it.accent, 0.15f));
  p.Poly({{-1.0f, -0.5f}, {-1.45f, -0.9f}, {-0.8f, -0.75f}}, Flat{it.accent});
  p.Circle(0.8f, -1.25f, 0.42f, p.Sphere(0.8f, -1.25f, 0.42f, it.color, 0.3f));
  p.Poly({{1.1f, -1.3f}, {1.6f, -1.15f}, {1.1f, -1.05f}}, Flat{Rgb(240, 160, 40)});
  p.Circle(0.9f, -1.35f, 0.07f, Flat{Rgb(10, 10, 10)});
}

void PaintPicket(Pen& p, const Item& it) {
  p.Poly({{-0.3f, 0}, {0.3f, 0}, {0.3f, -2.6f}, {0, -3.0f}, {-0.3f, -2.6f}}, p.Cylinder(0, 0.3f, it.color, 0.1f));
}

void PaintStreetLamp(Pen& p, const Item& it) {
  const Color iron = it.color;
  p.Rect(-0.3f, -0.6f, 0.3f, 0, Flat{Darker(iron, 0.2f)}, 0.05f);
  p.Rect(-0.12f, -6.0f, 0.12f, -0.5f, p.Cylinder(0, 0.12f, iron, 0.3f));
  if (it.variant % 2) {
    p.Line(0, -6.0f, 0.9f, -6.3f, 0.12f, Flat{iron});
    p.Poly({{0.55f, -6.3f}, {1.25f, -6.3f}, {1.1f, -5.7f}, {0.7f, -5.7f}}, Flat{Rgb(255, 236, 170)});
  } else {
    p.Poly({{-0.45f, -6.9f}, {0.45f, -6.9f}, {0.3f, -6.0f}, {-0.3f, -6.0f}}, Flat{Rgb(255, 236, 170)});
    p.Poly({{-0.55f, -6.9f}, {0.55f, -6.9f}, {0, -7.4f}}, Flat{iron});
  }
}

void PaintCar(Pen& p, const Item& it) {
  p.Shadow(0, 0, 2.8f, 0.25f, 0.45f);
  p.Poly({{-2.6f, -0.45f},
          {-2.6f, -1.1f},
          {-1.4f, -1.3f},
          {-0.8f, -2.1f},
          {1.0f, -2.1f},
          {1.7f, -1.3f},
          {2.6f, -1.15f},
          {2.6f, -0.45f}},
         p.Gradient(-2.1f, -0.45f, Lighter(it.color, 0.15f), Darker(it.color, 0.3f)));
  p.Poly({{-1.2f, -1.3f}, {-0.7f, -1.95f}, {0.05f, -1.95f}, {0.05f, -1.3f}},
         p.Gradient(-1.95f, -1.3f, Rgb(190, 210, 225), Rgb(90, 110, 130)));
  p.Poly({{0.2f, -1.3f}, {0.2f, -1.95f}, {0.95f, -1.95f}, {1.45f, -1.3f}},
         p.Gradient(-1.95f, -1.3f, Rgb(190, 210, 225), Rgb(90, 110, 130)));
  p.Rect(2.35f, -1.05f, 2.6f, -0.8f, Flat{Rgb(255, 240, 190)}, 0.05f);
  for (float u : {-1.6f, 1.6f}) {
    p.Circle(u, -0.45f, 0.5f, Flat{Rgb(25, 25, 28)});
    p.Circle(u, -0.45f, 0.22f, p.Sphere(u, -0.45f, 0.22f, Rgb(170, 170, 175), 0.4f));
  }
  if (it.variant % 2) p.Rect(-1.0f, -2.3f, 0.9f, -2.15f, Flat{Rgb(60, 60, 60)}, 0.05f);
}

void PaintBalloon(Pen& p, const Item& it) {
  p.Line(0, 0, 0.3f, 2.6f, 0.05f, Flat{Rgb(80, 80, 80)});
  p.Ellipse(0, -0.9f, 0.75f, 0.95f, p.Sphere(0, -0.9f, 0.85f, it.color, 0.55f));
  p.Poly({{-0.12f, 0.1f}, {0.12f, 0.1f}, {0, -0.05f}}, Flat{Darker(it.color, 0.2f)});
}

void PaintFish(Pen& p, const Item& it) {
  p.Ellipse(0, 0, 1.0f, 0.45f, p.Sphere(0, -0.1f, 1.0f, it.color, 0.3f));
  p.Poly({{-0.85f, 0}, {-1.6f, -0.5f}, {-1.6f, 0.5f}}, Flat{Darker(it.color, 0.15f)});
  p.Circle(0.6f, -0.1f, 0.09f, Flat{Rgb(10, 10, 10)});
}

void PaintParasol(Pen& p, const Item& it) {
  p.Shadow(0.8f, 0, 3.0f, 0.45f, 0.3f);
  p.Line(0, 0, 0.15f, -4.6f, 0.14f, Flat{Rgb(235, 235, 230)});
  const int stripes = it.variant % 2 ? 8 : 6;
  const float cx = p.X(0.15f), cy = p.Y(-4.4f);
  // The canopy: a flattened dome whose stripes fan out from its top.
  p.Poly({{-2.9f, -3.5f},
          {-2.2f, -4.3f},
          {-1.1f, -4.85f},
          {0.15f, -5.05f},
          {1.4f, -4.85f},
          {2.5f, -4.3f},
          {3.2f, -3.5f},
          {2.4f, -3.62f},
          {1.6f, -3.5f},
          {0.8f, -3.62f},
          {0.15f, -3.5f},
          {-0.6f, -3.62f},
          {-1.3f, -3.5f},
          {-2.1f, -3.62f}},
         [=](float px, float py) {
           const float angle = std::atan2(py - cy + 8.0f, px - cx);
           const int band = static_cast<int>(std::floor(angle / 3.14159f * stripes + 100));
           const Color c = band % 2 ? it.color : Rgb(248, 246, 240);
           return c * (0.8f + 0.25f * Clamp01((cy - py) / 20.0f + 0.5f));
         });
  p.Circle(0.15f, -5.05f, 0.12f, Flat{Rgb(235, 235, 230)});
}

void PaintBeachBall(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.0f, 0.18f);
  const float cx = p.X(0), cy = p.Y(-0.9f), r = p.L(0.9f);
  p.Circle(0, -0.9f, 0.9f, [=](float px, float py) {
    const float a = std::atan2(py - cy, px - cx) + (it.variant % 2 ? 0.5f : 0.0f);
    const int seg = static_cast<int>(std::floor((a + 3.14159f) / 1.0472f)) % 3;
    const Color c = seg == 0 ? it.color : (seg == 1 ? it.accent : Rgb(250, 250, 245));
    return SphereShade{c, cx, cy, r, 0.5f}(px, py);
  });
}

void PaintTowel(Pen& p, const Item& it) {
  // Lying flat: a parallelogram foreshortened by the view.
  const bool stripes = it.variant % 2 == 0;
  const float x0 = p.X(-2.2f), x1 = p.X(2.2f);
  p.Poly({{-2.2f, 0}, {1.8f, 0}, {2.4f, -0.9f}, {-1.6f, -0.9f}}, [=](float px, float) {
    const float t = (px - std::min(x0, x1)) / std::max(1.0f, std::fabs(x1 - x0));
    const bool band = stripes ? static_cast<int>(t * 7) % 2 == 0 : false;
    return band ? it.accent : it.color;
  });
  p.Line(-2.2f, 0, 1.8f, 0, 0.08f, Flat{Darker(it.color, 0.3f)}, 0.6f);
}

void PaintShell(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 0.8f, 0.12f, 0.25f);
  p.Poly({{0, 0}, {-0.8f, -0.55f}, {-0.65f, -1.0f}, {-0.25f, -1.25f}, {0.25f, -1.25f}, {0.65f, -1.0f}, {0.8f, -0.55f}},
         p.Sphere(0, -0.8f, 1.0f, it.color, 0.35f));
  for (int i = -2; i <= 2; ++i) p.Line(0, 0, i * 0.3f, -1.15f, 0.05f, Flat{Darker(it.color, 0.25f)}, 0.8f);
}

void PaintSandcastle(Pen& p, const Item& it) {
  p.Shadow(0.5f, 0, 2.6f, 0.3f);
  const Color sand = it.color;
  const Mottled grainy = p.Mottle(sand, 0.15f, 0.15f, it.seed);
  p.Rect(-2.2f, -1.2f, 2.2f, 0, grainy, 0.1f);
  const int towers = it.variant % 2 ? 3 : 2;
  for (int i = 0; i < towers; ++i) {
    const float u = towers == 2 ? (i ? 1.3f : -1.3f) : (i - 1) * 1.5f;
    const float top = i == towers / 2 && towers == 3 ? -3.3f : -2.6f;
    p.Rect(u - 0.55f, top, u + 0.55f, -1.1f, p.Cylinder(u, 0.55f, sand, 0.1f));
    for (float d : {-0.4f, 0.0f, 0.4f}) p.Rect(u + d - 0.13f, top - 0.3f, u + d + 0.13f, top + 0.02f, grainy);
    p.Rect(u - 0.15f, top + 0.5f, u + 0.15f, top + 0.85f, Flat{Darker(sand, 0.45f)}, 0.1f);
  }
  p.Line(0, -1.2f, 0, -3.6f, 0.06f, Flat{Rgb(110, 80, 50)});
  p.Poly({{0, -3.6f}, {0.8f, -3.35f}, {0, -3.1f}}, Flat{it.accent});
  p.Rect(-0.35f, -0.8f, 0.35f, 0, Flat{Darker(sand, 0.4f)}, 0.3f);
}

}  // namespace scenegen

// Painters for things that grow or float outdoors.
#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {
constexpr Color kBark = Rgb(92, 64, 42);
}

void PaintCloud(Pen& p, const Item& it) {
  const int blobs = 5 + it.variant % 3 * 2;
  const Color shadow = Mix(it.color, Rgb(150, 160, 185), 0.55f);
  for (int pass = 0; pass < 2; ++pass) {
    Rng b(it.seed);
    for (int i = 0; i < blobs; ++i) {
      const float t = (i + 0.5f) / blobs * 2 - 1;
      const float u = t * 2.2f + b.Range(-0.2f, 0.2f);
      const float rad = (1.0f - 0.45f * t * t) * b.Range(0.75f, 1.05f);
      const float v = -rad * 0.55f + b.Range(-0.15f, 0.1f);
      if (pass == 0) {
        p.Ellipse(u, v + 0.18f, rad * 1.05f, rad * 0.8f, Flat{shadow}, 0.9f, 2.0f);
      } else {
        p.Ellipse(u - 0.08f, v - 0.05f, rad * 0.92f, rad * 0.7f,
                  p.Gradient(v - rad, v + rad * 0.5f, it.color, Mix(it.color, shadow, 0.6f)), 0.95f, 1.6f);
      }
    }
  }
}

void PaintBird(Pen& p, const Item& it) {
  const float lift = it.variant % 2 ? -0.55f : -0.3f;
  const Flat ink{it.color};
  p.Line(-1.0f, lift, -0.45f, lift * 0.3f - 0.1f, 0.16f, ink);
  p.Line(-0.45f, lift * 0.3f - 0.1f, 0.0f, 0.05f, 0.2f, ink);
  p.Line(0.0f, 0.05f, 0.45f, lift * 0.3f - 0.1f, 0.2f, ink);
  p.Line(0.45f, lift * 0.3f - 0.1f, 1.0f, lift, 0.16f, ink);
  p.Ellipse(0.05f, 0.05f, 0.16f, 0.1f, ink);
}

void PaintTree(Pen& p, const Item& it) {
  Rng r(it.seed);
  p.Shadow(0.35f, 0, 2.2f, 0.35f);
  const float crownV = it.variant == 1 ? -5.2f : -4.4f;
  p.Poly({{-0.35f, 0}, {0.35f, 0}, {0.2f, crownV + 1.2f}, {-0.2f, crownV + 1.2f}}, p.Cylinder(0, 0.35f, kBark, 0.15f));
  p.Line(0.05f, crownV + 2.2f, 0.9f, crownV + 1.0f, 0.18f, Flat{Darker(kBark, 0.2f)});
  const int clumps = it.variant == 1 ? 7 : 9;
  const float spreadU = it.variant == 1 ? 1.0f : 1.9f, spreadV = it.variant == 1 ? 2.4f : 1.5f;
  const Color dark = Darker(it.color, 0.45f);
  p.Ellipse(0, crownV, spreadU + 0.5f, spreadV + 0.4f, p.Mottle(dark, 0.6f, 0.25f, it.seed), 1, 1.2f);
  for (int i = 0; i < clumps; ++i) {
    const float a = i * 2.39996f;
    const float d = std::sqrt((i + 0.5f) / clumps);
    const float u = std::cos(a) * d * spreadU, v = crownV + std::sin(a) * d * spreadV - 0.15f;
    const float rad = r.Range(0.75f, 1.05f) * (it.variant == 1 ? 0.75f : 0.95f);
    p.Circle(u, v, rad, p.Sphere(u, v, rad, it.color, 0.12f), 1, 0.8f);
    p.Circle(u, v, rad * 0.95f, p.Mottle(Lighter(it.color, 0.1f), 0.25f, 0.3f, it.seed + i), 0.35f, 0.8f);
  }
  if (it.variant == 2) {
    Rng f(it.seed + 5);
    for (int i = 0; i < 7; ++i) {
      const float u = f.Range(-1.6f, 1.6f), v = crownV + f.Range(-1.0f, 1.2f);
      p.Circle(u, v, 0.22f, p.Sphere(u, v, 0.22f, it.accent, 0.5f));
    }
  }
}

void PaintPine(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.6f, 0.28f);
  p.Rect(-0.22f, -1.2f, 0.22f, 0, p.Cylinder(0, 0.22f, kBark, 0.1f));
  const int tiers = 3 + it.variant % 2;
  const bool snow = it.variant >= 2;
  for (int i = 0; i < tiers; ++i) {
    const float base = -0.7f - i * 4.6f / tiers;
    const float w = 1.8f * (1 - i * 0.62f / tiers);
    const float top = base - 6.2f / tiers - 0.7f;
    const float h = base - top;
    // Needle tips droop along the lower edge of each tier.
    p.Poly({{0, top},
            {w * 0.55f, top + h * 0.62f},
            {w, base},
            {w * 0.72f, base - h * 0.1f},
            {w * 0.5f, base + h * 0.04f},
            {w * 0.25f, base - h * 0.1f},
            {0, base + h * 0.05f},
            {-w * 0.25f, base - h * 0.1f},
            {-w * 0.5f, base + h * 0.04f},
            {-w * 0.72f, base - h * 0.1f},
            {-w, base},
            {-w * 0.55f, top + h * 0.62f}},
           [&](float px, float py) {
             const float left = std::min(p.X(-w), p.X(w)), right = std::max(p.X(-w), p.X(w));
             const float across = Clamp01((px - left) / std::max(1.0f, right - left));
             const float down = Clamp01((py - p.Y(top)) / std::max(1.0f, p.L(h)));
             const float needles = ValueNoise(px * 0.7f, py * 0.35f, it.seed);
             return it.color * ((1.15f - 0.45f * down) * (1.1f - 0.35f * across) * (0.8f + 0.35f * needles));
           });
    if (snow)
      p.Poly({{0, top},
              {w * 0.62f, top + h * 0.7f},
              {w * 0.3f, top + h * 0.55f},
              {0, top + h * 0.68f},
              {-w * 0.3f, top + h * 0.55f},
              {-w * 0.62f, top + h * 0.7f}},
             p.Gradient(top, top + h * 0.7f, Rgb(250, 252, 255), Rgb(200, 212, 232)), 0.95f);
  }
}

void PaintBush(Pen& p, const Item& it) {
  Rng r(it.seed);
  p.Shadow(0, 0, 1.6f, 0.25f);
  for (int i = 0; i < 5; ++i) {
    const float u = (i - 2) * 0.55f + r.Range(-0.1f, 0.1f);
    const float rad = 0.75f - std::fabs(i - 2.0f) * 0.1f;
    const float v = -rad * 0.85f - (i == 2 ? 0.2f : 0);
    p.Circle(u, v, rad, p.Sphere(u, v, rad, it.color, 0.08f), 1, 0.6f);
    p.Circle(u, v, rad * 0.9f, p.Mottle(Lighter(it.color, 0.15f), 0.2f, 0.35f, it.seed + i), 0.4f, 0.6f);
  }
  if (it.variant % 2) {
    for (int i = 0; i < 9; ++i) {
      const float u = r.Range(-1.3f, 1.3f), v = r.Range(-1.3f, -0.3f);
      p.Circle(u, v, 0.11f, p.Sphere(u, v, 0.11f, it.accent, 0.6f));
    }
  }
}

void PaintRock(Pen& p, const Item& it) {
  Rng r(it.seed);
  p.Shadow(0.2f, 0, 1.3f, 0.22f, 0.3f);
  const float k = it.variant % 2 ? 1.25f : 1.0f;
  float h[6];
  for (float& v : h) v = r.Range(0.75f, 1.1f);
  p.Poly({{-1.2f * k, 0},
          {-1.1f * k, -0.5f * h[0]},
          {-0.6f * k, -0.95f * h[1]},
          {0.1f * k, -1.1f * h[2]},
          {0.7f * k, -0.8f * h[3]},
          {1.15f * k, -0.35f * h[4]},
          {1.2f * k, 0}},
         [&](float px, float py) {
           const float t = Clamp01((py - p.Y(-1.1f)) / std::max(1.0f, p.L(1.1f)));
           const float lit = Clamp01(0.5f - (px - p.X(0)) / std::max(1.0f, p.L(2.4f)));
           Color c = it.color * (0.75f + 0.35f * lit - 0.25f * t);
           return c * (0.85f + 0.3f * Fbm(px * 0.15f, py * 0.15f, it.seed, 3));
         });
}

void PaintFlower(Pen& p, const Item& it) {
  const Color stem = Rgb(60, 110, 45);
  p.Line(0, 0, 0.1f, -2.4f, 0.16f, Flat{stem});
  p.Ellipse(0.35f, -0.9f, 0.4f, 0.14f, Flat{Lighter(stem, 0.1f)});
  if (it.variant % 2 == 0) {
    for (int i = 0; i < 6; ++i) {
      const float a = i * 1.0472f + 0.3f;
      const float u = 0.1f + std::cos(a) * 0.5f, v = -2.5f + std::sin(a) * 0.5f;
      p.Circle(u, v, 0.42f, p.Sphere(u, v, 0.42f, it.color, 0.25f));
    }
    p.Circle(0.1f, -2.5f, 0.28f, p.Sphere(0.1f, -2.5f, 0.28f, Rgb(240, 190, 40), 0.4f));
  } else {
    p.Poly({{-0.45f, -3.1f},
            {-0.25f, -2.5f},
            {0.1f, -3.05f},
            {0.45f, -2.5f},
            {0.65f, -3.1f},
            {0.55f, -2.2f},
            {0.1f, -1.9f},
            {-0.35f, -2.2f}},
           p.Sphere(0.1f, -2.5f, 0.65f, it.color, 0.3f));
  }
}

void PaintHaystack(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 2.0f, 0.3f);
  const float h = it.variant % 2 ? 2.6f : 2.0f;
  p.Ellipse(0, -0.05f, 1.8f, h, [&](float px, float py) {
    const float streak = ValueNoise(px * 0.9f, py * 0.12f, it.seed);
    return SphereShade{it.color, p.X(0), p.Y(-h * 0.6f), p.L(h), 0.1f}(px, py) * (0.8f + 0.35f * streak);
  });
  p.Rect(-1.9f, -0.05f, 1.9f, 0.2f, Flat{Darker(it.color, 0.5f)}, 0.1f, 0.5f);
}

void PaintSheep(Pen& p, const Item& it) {
  Rng r(it.seed);
  p.Shadow(0, 0, 1.5f, 0.25f);
  const Color leg = Rgb(45, 40, 38);
  for (float u : {-0.7f, -0.35f, 0.35f, 0.7f}) p.Line(u, -0.7f, u, 0, 0.16f, Flat{leg});
  for (int i = 0; i < 8; ++i) {
    const float u = -0.9f + (i % 4) * 0.6f + r.Range(-0.1f, 0.1f);
    const float v = -1.2f + (i / 4) * 0.35f;
    p.Circle(u, v, 0.5f, p.Sphere(u, v, 0.5f, it.color, 0.15f), 1, 0.5f);
  }
  const float headU = 1.35f, headV = it.variant % 2 ? -1.55f : -1.05f;
  p.Ellipse(headU, headV, 0.38f, 0.3f, p.Sphere(headU, headV, 0.4f, leg, 0.2f));
  p.Ellipse(headU - 0.2f, headV - 0.25f, 0.16f, 0.08f, Flat{leg});
}

void PaintButterfly(Pen& p, const Item& it) {
  const Color edge = Darker(it.color, 0.5f);
  for (float side : {-1.0f, 1.0f}) {
    p.Ellipse(side * 0.55f, -0.35f, 0.55f, 0.45f, Flat{edge});
    p.Ellipse(side * 0.55f, -0.35f, 0.45f, 0.36f, p.Sphere(side * 0.55f, -0.35f, 0.5f, it.color, 0.2f));
    p.Ellipse(side * 0.4f, 0.3f, 0.35f, 0.3f, p.Sphere(side * 0.4f, 0.3f, 0.35f, it.accent, 0.2f));
    p.Circle(side * 0.6f, -0.4f, 0.12f, Flat{edge});
  }
  p.Ellipse(0, 0, 0.1f, 0.55f, Flat{Rgb(40, 30, 25)});
}

void PaintMushroom(Pen& p, const Item& it) {
  p.Shadow(0, 0, 0.9f, 0.15f);
  p.Poly({{-0.28f, 0}, {0.28f, 0}, {0.2f, -0.9f}, {-0.2f, -0.9f}}, p.Cylinder(0, 0.28f, Rgb(238, 230, 210), 0.2f));
  const float w = it.variant % 2 ? 0.75f : 1.0f;
  p.Ellipse(0, -0.95f, w, 0.55f, p.Sphere(0, -1.1f, w, it.color, 0.4f));
  Rng r(it.seed);
  for (int i = 0; i < 4; ++i)
    p.Circle(r.Range(-0.6f, 0.6f) * w, r.Range(-1.3f, -1.05f), 0.1f, Flat{Rgb(250, 248, 240)});
}

void PaintKite(Pen& p, const Item& it) {
  p.Poly({{0, -1.4f}, {0.85f, 0}, {0, 1.3f}, {-0.85f, 0}}, Flat{it.color});
  p.Poly({{0, -1.4f}, {0.85f, 0}, {0, 0}}, Flat{it.accent});
  p.Poly({{0, 1.3f}, {-0.85f, 0}, {0, 0}}, Flat{it.accent});
  p.Line(0, 1.3f, 0.6f, 2.4f, 0.06f, Flat{Rgb(60, 60, 60)});
  p.Line(0.6f, 2.4f, 0.3f, 3.4f, 0.06f, Flat{Rgb(60, 60, 60)});
  for (float v : {2.0f, 2.8f}) p.Ellipse(v * 0.22f, v, 0.18f, 0.09f, Flat{it.accent});
}

}  // namespace scenegen

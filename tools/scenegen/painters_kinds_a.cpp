// Painters for the kitchen, classroom, market, workshop, playground, farm,
// forest and mountain village. Every painter keeps its main colour on most
// of the object, so a recolouring shows, and draws its shape variants
// different enough that a player sees the change.
#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {

constexpr Color kSteel = Rgb(175, 180, 188);
constexpr Color kDarkSteel = Rgb(70, 72, 80);
constexpr Color kWoodA = Rgb(130, 90, 55);
constexpr Color kInk = Rgb(25, 22, 20);

Flat Dark(Color c, float t = 0.35f) { return Flat{Darker(c, t)}; }

// Woven wicker or burlap: a criss-cross of light and dark threads.
struct Weave {
  Color color;
  float cell;  // pixels per thread
  Color operator()(float px, float py) const {
    const float a = std::sin(px / cell * 3.1416f), b = std::sin(py / cell * 3.1416f);
    return color * (0.82f + 0.18f * (a * b > 0 ? 1.0f : -0.3f));
  }
};

// Four legs under a body, seen from the side: the far pair a little darker.
void Legs(Pen& p, float u0, float u1, float top, float width, Color c) {
  p.Line(u0 + 0.25f, top, u0 + 0.3f, -0.02f, width, Dark(c, 0.3f));
  p.Line(u1 - 0.25f, top, u1 - 0.2f, -0.02f, width, Dark(c, 0.3f));
  p.Line(u0, top, u0 - 0.05f, 0, width, Flat{c});
  p.Line(u1, top, u1 + 0.05f, 0, width, Flat{c});
}

}  // namespace

// ---- Kitchen ----

void PaintPot(Pen& p, const Item& it) {
  const bool tall = it.variant % 2;
  const float h = tall ? 2.3f : 1.4f, w = tall ? 1.1f : 1.45f;
  p.Shadow(0.3f, 0, w + 0.4f, 0.22f, 0.4f);
  for (float side : {-1.0f, 1.0f})
    p.Rect(side * (w + 0.45f), -h + 0.2f, side * (w - 0.05f), -h + 0.5f, Dark(it.color, 0.45f), 0.12f);
  p.Rect(-w, -h, w, 0, p.Cylinder(0, w, it.color, 0.5f), 0.15f);
  p.Rect(-w, -0.35f, w, -0.2f, Dark(it.color, 0.25f));
  p.Ellipse(0, -h, w, 0.22f * w, Flat{Lighter(it.color, 0.3f)});
  p.Ellipse(0, -h - 0.08f, w * 0.95f, 0.25f * w, p.Sphere(-0.3f, -h - 0.5f, w, kSteel, 0.5f));
  p.Ellipse(0, -h - 0.38f, 0.3f, 0.14f, Flat{kDarkSteel});
}

void PaintKettle(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.5f, 0.2f, 0.4f);
  const bool round = it.variant % 2 == 0;
  p.Poly({{0.8f, -0.9f}, {1.7f, -1.9f}, {1.85f, -1.8f}, {1.05f, -0.55f}}, p.Cylinder(1.2f, 0.5f, it.color, 0.3f));
  if (round) {
    p.Ellipse(0, -1.05f, 1.25f, 1.05f, p.Sphere(0, -1.05f, 1.25f, it.color, 0.55f));
    p.Line(-0.8f, -1.9f, 0, -2.75f, 0.16f, Flat{kInk});
    p.Line(0, -2.75f, 0.8f, -1.9f, 0.16f, Flat{kInk});
  } else {
    p.Poly({{-1.2f, 0}, {1.2f, 0}, {0.7f, -2.1f}, {-0.7f, -2.1f}}, p.Cylinder(0, 1.2f, it.color, 0.5f));
    p.Line(-0.9f, -1.4f, -1.6f, -1.6f, 0.18f, Flat{kInk});
    p.Line(-1.6f, -1.6f, -1.3f, -0.5f, 0.18f, Flat{kInk});
  }
  p.Ellipse(0, round ? -2.0f : -2.1f, 0.5f, 0.14f, Dark(it.color, 0.3f));
  p.Circle(0, round ? -2.15f : -2.25f, 0.16f, Flat{kInk});
}

void PaintJar(Pen& p, const Item& it) {
  const bool tall = it.variant % 2;
  const float h = tall ? 2.6f : 1.7f, w = tall ? 0.7f : 0.85f;
  p.Shadow(0.2f, 0, w + 0.3f, 0.15f, 0.35f);
  // Glass with the contents showing through, lit from the left.
  p.Rect(-w, -h, w, 0, p.Cylinder(0, w, Rgb(205, 215, 218), 0.6f), 0.2f, 0.55f);
  p.Rect(-w + 0.08f, -h * 0.78f, w - 0.08f, -0.06f, [&](float px, float py) {
    return p.Cylinder(0, w, it.color, 0.15f)(px, py) * (0.85f + 0.3f * ValueNoise(px * 0.6f, py * 0.6f, it.seed));
  }, 0.15f);
  p.Rect(-w * 0.9f, -h - 0.35f, w * 0.9f, -h + 0.05f, p.Cylinder(0, w, it.accent, 0.4f), 0.06f);
  p.Rect(-w * 0.75f, -h * 0.55f, w * 0.75f, -h * 0.3f, Flat{Rgb(245, 238, 220)}, 0.03f);
  p.Line(-w * 0.5f, -h * 0.43f, w * 0.4f, -h * 0.43f, 0.06f, Flat{Rgb(90, 80, 70)});
  p.Rect(-w * 0.7f, -h + 0.1f, -w * 0.45f, -0.3f, Flat{{1, 1, 1}}, 0.1f, 0.35f);
}

void PaintUtensil(Pen& p, const Item& it) {
  // Anchor: the hook it hangs from.
  p.Circle(0, 0, 0.14f, Flat{kDarkSteel});
  p.Line(0, 0.1f, 0.04f, 0.5f, 0.08f, Flat{kDarkSteel});
  const Color c = it.color;
  switch (it.variant % 4) {
    case 0:  // ladle
      p.Rect(-0.16f, 0.45f, 0.16f, 3.0f, p.Cylinder(0, 0.16f, c, 0.3f), 0.1f);
      p.Ellipse(0, 3.5f, 0.75f, 0.6f, p.Sphere(-0.1f, 3.3f, 0.8f, Lighter(kSteel, 0.1f), 0.6f));
      p.Ellipse(0, 3.2f, 0.7f, 0.18f, Flat{Darker(kSteel, 0.35f)});
      break;
    case 1:  // spatula
      p.Rect(-0.16f, 0.45f, 0.16f, 2.5f, p.Cylinder(0, 0.16f, c, 0.3f), 0.1f);
      p.Rect(-0.6f, 2.4f, 0.6f, 3.9f, p.Gradient(2.4f, 3.9f, Lighter(c, 0.15f), Darker(c, 0.2f)), 0.15f);
      for (float u : {-0.25f, 0.05f, 0.35f}) p.Rect(u - 0.06f, 2.7f, u + 0.06f, 3.6f, Dark(c, 0.4f), 0.05f);
      break;
    case 2:  // whisk
      p.Rect(-0.17f, 0.45f, 0.17f, 1.9f, p.Cylinder(0, 0.17f, c, 0.3f), 0.1f);
      // Coated wire loops: a bulb in the handle's colour with dark gaps.
      p.Ellipse(0, 2.9f, 0.62f, 1.05f, p.Sphere(-0.1f, 2.7f, 0.9f, c, 0.4f));
      for (float u : {-0.36f, 0.0f, 0.36f}) p.Ellipse(u * 0.9f, 2.95f, 0.08f, 0.8f, Flat{Darker(c, 0.55f)});
      break;
    default:  // wooden spoon
      p.Rect(-0.14f, 0.45f, 0.14f, 2.8f, p.Cylinder(0, 0.14f, c, 0.25f), 0.1f);
      p.Ellipse(0, 3.4f, 0.5f, 0.75f, p.Sphere(-0.1f, 3.2f, 0.8f, c, 0.3f));
      break;
  }
}

void PaintLoaf(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.7f, 0.2f, 0.4f);
  const Color crust = it.color;
  if (it.variant % 2 == 0) {
    p.Ellipse(0, -0.8f, 1.5f, 0.85f, p.Sphere(-0.2f, -1.0f, 1.6f, crust, 0.2f));
    p.Line(-0.7f, -1.2f, 0.7f, -0.6f, 0.12f, Flat{Lighter(crust, 0.45f)});
    p.Line(-0.7f, -0.6f, 0.7f, -1.2f, 0.12f, Flat{Lighter(crust, 0.45f)});
  } else {
    p.Rect(-2.0f, -1.15f, 2.0f, 0, p.Sphere(-0.3f, -0.9f, 2.1f, crust, 0.2f), 0.55f);
    for (float u : {-1.2f, -0.4f, 0.4f, 1.2f}) p.Line(u - 0.3f, -0.6f, u + 0.3f, -1.0f, 0.14f, Flat{Lighter(crust, 0.45f)});
  }
}

// ---- Classroom ----

void PaintDesk(Pen& p, const Item& it) {
  // A pupil's desk seen from behind and a little above: the top, its front
  // edge and the shelf under it.
  p.Shadow(0.2f, 0, 2.6f, 0.3f, 0.35f);
  for (float u : {-2.0f, 2.0f}) p.Line(u, -2.4f, u * 1.02f, 0, 0.16f, Flat{kDarkSteel});
  p.Line(-2.0f, -0.6f, 2.0f, -0.6f, 0.1f, Flat{kDarkSteel});
  const bool shelf = it.variant % 2 == 0;
  if (shelf) p.Rect(-2.0f, -2.2f, 2.0f, -1.55f, p.Gradient(-2.2f, -1.55f, Darker(it.color, 0.2f), Darker(it.color, 0.45f)));
  p.Poly({{-2.25f, -2.55f}, {2.25f, -2.55f}, {2.05f, -3.3f}, {-2.05f, -3.3f}},
         p.Gradient(-3.3f, -2.55f, Lighter(it.color, 0.2f), it.color));
  p.Rect(-2.25f, -2.55f, 2.25f, -2.3f, Dark(it.color, 0.3f));
  if (!shelf) p.Rect(-1.9f, -2.3f, 1.9f, -1.2f, p.Gradient(-2.3f, -1.2f, it.color, Darker(it.color, 0.3f)), 0.05f);
}

void PaintGlobe(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.0f, 0.16f, 0.35f);
  p.Ellipse(0, -0.18f, 0.8f, 0.2f, p.Sphere(0, -0.3f, 0.8f, kWoodA, 0.3f));
  p.Rect(-0.09f, -1.0f, 0.09f, -0.15f, Flat{Darker(kWoodA, 0.2f)});
  const float cx = p.X(0), cy = p.Y(-2.3f), r = p.L(1.2f);
  const std::uint32_t landSeed = it.seed + static_cast<std::uint32_t>(it.variant) * 977u;
  const float scale = 1.6f / std::max(1.0f, r);
  p.Circle(0, -2.3f, 1.2f, [=](float px, float py) {
    const float n = Fbm((px - cx) * scale + 3, (py - cy) * scale + 5, landSeed, 3);
    const Color base = n > 0.55f ? Rgb(120, 160, 70) : (n > 0.5f ? Rgb(210, 195, 140) : it.color);
    return SphereShade{base, cx, cy, r, 0.45f}(px, py);
  });
  // The meridian ring, a half or a full circle by shape.
  const float ring = 1.38f;
  const int steps = it.variant % 2 ? 10 : 5;
  for (int i = 0; i < steps; ++i) {
    const float a0 = 1.5708f + i * 3.1416f / 5, a1 = a0 + 3.1416f / 5;
    p.Line(std::cos(a0) * ring, -2.3f - std::sin(a0) * ring, std::cos(a1) * ring, -2.3f - std::sin(a1) * ring, 0.12f,
           Flat{Rgb(190, 160, 80)});
  }
}

void PaintSatchel(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.5f, 0.18f, 0.35f);
  p.Line(-0.7f, -2.1f, -0.4f, -2.9f, 0.14f, Dark(it.color, 0.4f));
  p.Line(-0.4f, -2.9f, 0.4f, -2.9f, 0.14f, Dark(it.color, 0.4f));
  p.Line(0.4f, -2.9f, 0.7f, -2.1f, 0.14f, Dark(it.color, 0.4f));
  p.Rect(-1.3f, -2.2f, 1.3f, 0, p.Cylinder(0, 1.3f, it.color, 0.25f), 0.3f);
  const bool longFlap = it.variant % 2 == 0;
  const float flapEnd = longFlap ? -0.5f : -1.3f;
  p.Rect(-1.35f, -2.3f, 1.35f, flapEnd, p.Gradient(-2.3f, flapEnd, Lighter(it.color, 0.15f), Darker(it.color, 0.1f)), 0.25f);
  for (float u : {-0.6f, 0.6f}) {
    p.Rect(u - 0.12f, -2.2f, u + 0.12f, flapEnd + 0.15f, Dark(it.color, 0.4f));
    p.Rect(u - 0.2f, flapEnd - 0.1f, u + 0.2f, flapEnd + 0.2f, Flat{Rgb(220, 200, 120)}, 0.04f);
  }
  p.Rect(-0.9f, -0.9f, 0.9f, -0.7f, Flat{it.accent}, 0.05f, longFlap ? 0.0f : 0.9f);
}

void PaintChalkDrawing(Pen& p, const Item& it) {
  // Anchor: the drawing's middle on the board. Chalk is never quite solid.
  const float a = 0.85f;
  auto chalk = [&](float px, float py) {
    return it.color * (0.8f + 0.3f * ValueNoise(px * 0.9f, py * 0.9f, it.seed));
  };
  constexpr float w = 0.16f;
  switch (it.variant % 4) {
    case 0:  // a house
      p.Line(-1.2f, 1.2f, 1.2f, 1.2f, w, chalk, a), p.Line(-1.2f, 1.2f, -1.2f, -0.2f, w, chalk, a);
      p.Line(1.2f, 1.2f, 1.2f, -0.2f, w, chalk, a), p.Line(-1.5f, -0.1f, 0, -1.4f, w, chalk, a);
      p.Line(0, -1.4f, 1.5f, -0.1f, w, chalk, a), p.Line(-1.5f, -0.1f, 1.5f, -0.1f, w, chalk, a);
      p.Rect(-0.3f, 0.4f, 0.3f, 1.2f, chalk, 0, 0.5f);
      break;
    case 1:  // a sun
      p.Circle(0, 0, 0.75f, chalk, 0.55f);
      for (int i = 0; i < 8; ++i) {
        const float ang = i * 0.7854f;
        p.Line(std::cos(ang) * 0.95f, std::sin(ang) * 0.95f, std::cos(ang) * 1.45f, std::sin(ang) * 1.45f, w, chalk, a);
      }
      break;
    case 2: {  // a sum: 1 + 2 = 3
      auto arc = [&](float cu, float cv, float rad, float from, float to) {
        for (int i = 0; i < 6; ++i) {
          const float a0 = from + (to - from) * i / 6, a1 = from + (to - from) * (i + 1) / 6;
          p.Line(cu + std::cos(a0) * rad, cv + std::sin(a0) * rad, cu + std::cos(a1) * rad, cv + std::sin(a1) * rad, w,
                 chalk, a);
        }
      };
      p.Line(-1.7f, -0.6f, -1.7f, 0.6f, w, chalk, a), p.Line(-1.7f, -0.6f, -1.9f, -0.4f, w, chalk, a);
      p.Line(-1.4f, 0, -0.9f, 0, w, chalk, a), p.Line(-1.15f, -0.25f, -1.15f, 0.25f, w, chalk, a);
      arc(-0.35f, -0.3f, 0.3f, 3.4f, 6.6f);
      p.Line(-0.08f, -0.18f, -0.65f, 0.6f, w, chalk, a), p.Line(-0.65f, 0.6f, -0.05f, 0.6f, w, chalk, a);
      p.Line(0.25f, -0.12f, 0.7f, -0.12f, w, chalk, a), p.Line(0.25f, 0.14f, 0.7f, 0.14f, w, chalk, a);
      arc(1.25f, -0.3f, 0.3f, 3.6f, 7.6f);
      arc(1.25f, 0.3f, 0.3f, 4.7f, 8.6f);
      break;
    }
    default:  // a triangle and a circle
      p.Line(-1.6f, 0.9f, -0.2f, 0.9f, w, chalk, a), p.Line(-0.2f, 0.9f, -0.9f, -0.8f, w, chalk, a);
      p.Line(-0.9f, -0.8f, -1.6f, 0.9f, w, chalk, a);
      for (int i = 0; i < 12; ++i) {
        const float a0 = i * 0.5236f, a1 = a0 + 0.5236f;
        p.Line(0.9f + std::cos(a0) * 0.75f, 0.1f + std::sin(a0) * 0.75f, 0.9f + std::cos(a1) * 0.75f,
               0.1f + std::sin(a1) * 0.75f, w, chalk, a);
      }
      break;
  }
}

// ---- Market ----

void PaintStall(Pen& p, const Item& it) {
  // A market stall: posts, a counter and a striped awning. Part of the
  // composition, so it is never changed itself; its goods are.
  p.Shadow(0, 0, 5.0f, 0.5f, 0.35f);
  for (float u : {-4.2f, 4.2f}) p.Rect(u - 0.12f, -6.2f, u + 0.12f, 0, p.Cylinder(u, 0.12f, kWoodA, 0.2f));
  p.Rect(-4.6f, -2.3f, 4.6f, 0, [&](float px, float py) {
    const float plank = std::fmod(px - p.X(-4.6f) + 1000, p.L(0.9f)) < 1.0f ? 0.7f : 1.0f;
    return Darker(it.accent, 0.1f) * plank * (0.88f + 0.2f * ValueNoise(px * 0.1f, py * 0.4f, it.seed));
  });
  p.Rect(-4.8f, -2.55f, 4.8f, -2.2f, Flat{Lighter(it.accent, 0.2f)});
  const float x0 = p.X(-5.0f);
  const float stripe = p.L(0.8f);
  auto awning = [=](float px, float py) {
    const bool band = static_cast<int>(std::floor((px - x0 + 1000 * stripe) / stripe)) % 2 == 0;
    const Color c = band ? it.color : Rgb(245, 242, 232);
    return c * (0.92f + 0.08f * ValueNoise(px * 0.2f, py * 0.2f, 3));
  };
  p.Poly({{-5.0f, -6.0f}, {5.0f, -6.0f}, {4.6f, -7.2f}, {-4.6f, -7.2f}},
         [=](float px, float py) { return awning(px, py) * 0.85f; });
  p.Rect(-5.0f, -6.05f, 5.0f, -5.45f, awning);
  if (it.variant % 2)
    for (int i = 0; i < 12; ++i)
      p.Circle(-4.6f + i * 0.835f, -5.45f, 0.36f, awning);
}

void PaintFruitCrate(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.9f, 0.2f, 0.4f);
  Rng r(it.seed);
  const bool pyramid = it.variant % 2 == 0;
  const float fr = 0.36f;
  // The heap first, the crate's front before it.
  const int rows = pyramid ? 3 : 2;
  for (int row = 0; row < rows; ++row) {
    const int n = pyramid ? 5 - row * 2 + (row == 2 ? 0 : 0) : 5;
    for (int i = 0; i < n; ++i) {
      const float u = (i - (n - 1) * 0.5f) * fr * 1.85f + r.Range(-0.05f, 0.05f);
      const float v = -1.0f - row * fr * 1.5f - (pyramid ? 0 : (i % 2) * 0.12f);
      const float rad = pyramid ? fr : fr * 0.9f;
      if (pyramid)
        p.Circle(u, v, rad, p.Sphere(u, v, rad, it.color, 0.4f));
      else
        p.Ellipse(u, v, rad * 1.0f, rad * 0.65f, p.Sphere(u, v, rad, it.color, 0.35f));
    }
  }
  const Color wood = it.accent;
  p.Rect(-1.9f, -1.1f, 1.9f, 0, [&](float px, float py) {
    const float slat = std::fmod(py - p.Y(-1.1f), p.L(0.37f)) < 1.0f ? 0.6f : 1.0f;
    return wood * slat * (0.85f + 0.25f * ValueNoise(px * 0.4f, py * 0.08f, it.seed));
  });
  p.Rect(-1.9f, -1.1f, -1.65f, 0, Dark(wood, 0.2f));
  p.Rect(1.65f, -1.1f, 1.9f, 0, Dark(wood, 0.2f));
}

void PaintBasket(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.6f, 0.18f, 0.4f);
  Rng r(it.seed);
  const bool handle = it.variant % 2 == 0;
  if (handle)
    for (int i = 0; i < 8; ++i) {
      const float a0 = 3.1416f * i / 8, a1 = 3.1416f * (i + 1) / 8;
      p.Line(-std::cos(a0) * 1.25f, -1.1f - std::sin(a0) * 1.8f, -std::cos(a1) * 1.25f, -1.1f - std::sin(a1) * 1.8f,
             0.26f, Flat{Rgb(160, 115, 60)});
    }
  for (int i = 0; i < 5; ++i) {
    const float u = -0.9f + i * 0.45f, v = -1.3f - r.Range(0, 0.2f) - (i % 2) * 0.2f;
    p.Circle(u, v, 0.48f, p.Sphere(u, v, 0.48f, it.color, 0.35f));
  }
  for (int i = 0; i < 3; ++i) {
    const float u = -0.5f + i * 0.5f, v = -1.8f - r.Range(0, 0.15f);
    p.Circle(u, v, 0.42f, p.Sphere(u, v, 0.42f, it.color, 0.35f));
  }
  p.Poly({{-1.4f, -1.2f}, {1.4f, -1.2f}, {1.05f, 0}, {-1.05f, 0}}, [&](float px, float py) {
    return Weave{Rgb(185, 140, 80), std::max(1.5f, p.L(0.14f))}(px, py) * (1.05f - 0.3f * Clamp01((py - p.Y(-1.2f)) / p.L(1.2f)));
  });
  p.Rect(-1.45f, -1.3f, 1.45f, -1.1f, Flat{Rgb(150, 105, 55)}, 0.08f);
}

void PaintSack(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.4f, 0.18f, 0.4f);
  const bool open = it.variant % 2 == 0;
  const Weave cloth{it.color, 2.0f};
  p.Poly({{-1.1f, 0},
          {1.1f, 0},
          {1.25f, -0.8f},
          {1.05f, -1.8f},
          {open ? 1.2f : 0.35f, open ? -2.3f : -2.2f},
          {open ? -1.2f : -0.35f, open ? -2.3f : -2.2f},
          {-1.05f, -1.8f},
          {-1.25f, -0.8f}},
         [&](float px, float py) { return cloth(px, py) * (1.1f - 0.35f * Clamp01((px - p.X(-1.2f)) / p.L(2.4f) * (p.X(1) > p.X(0) ? 1.0f : -1.0f))); });
  if (open) {
    p.Ellipse(0, -2.3f, 1.2f, 0.3f, Flat{Darker(it.color, 0.25f)});
    p.Ellipse(0, -2.35f, 1.0f, 0.24f, p.Mottle(it.accent, 0.12f, 0.35f, it.seed));
    p.Ellipse(0, -2.45f, 0.7f, 0.2f, p.Mottle(Lighter(it.accent, 0.15f), 0.1f, 0.35f, it.seed + 1));
  } else {
    p.Rect(-0.45f, -2.25f, 0.45f, -2.05f, Flat{Rgb(120, 90, 50)}, 0.05f);
    p.Poly({{-0.35f, -2.2f}, {0.35f, -2.2f}, {0.7f, -2.9f}, {-0.7f, -2.9f}}, cloth);
  }
}

// ---- Workshop ----

void PaintTool(Pen& p, const Item& it) {
  // Anchor: the peg it hangs from; the tool hangs below.
  p.Circle(0, 0, 0.12f, Flat{kDarkSteel});
  const Color grip = it.color;
  switch (it.variant % 4) {
    case 0:  // hammer
      p.Rect(-0.2f, 0.3f, 0.2f, 4.0f, p.Cylinder(0, 0.2f, grip, 0.35f), 0.12f);
      p.Rect(-0.9f, -0.1f, 0.9f, 0.6f, p.Gradient(-0.1f, 0.6f, Lighter(kDarkSteel, 0.3f), kDarkSteel), 0.08f);
      p.Poly({{0.9f, -0.1f}, {1.4f, -0.4f}, {1.3f, 0.1f}, {0.9f, 0.5f}}, Flat{kDarkSteel});
      break;
    case 1:  // wrench
      p.Rect(-0.22f, 0.6f, 0.22f, 3.6f, p.Cylinder(0, 0.22f, kSteel, 0.5f), 0.1f);
      p.Rect(-0.27f, 2.0f, 0.27f, 3.6f, p.Cylinder(0, 0.27f, grip, 0.3f), 0.12f);
      p.Circle(0, 0.4f, 0.55f, p.Sphere(0, 0.4f, 0.55f, kSteel, 0.4f));
      p.Rect(-0.2f, -0.3f, 0.2f, 0.45f, Flat{Rgb(120, 100, 80)});
      p.Circle(0, 3.95f, 0.45f, p.Sphere(0, 3.95f, 0.45f, kSteel, 0.4f));
      p.Circle(0, 3.95f, 0.22f, Flat{Rgb(120, 100, 80)});
      break;
    case 2:  // saw
      p.Poly({{-0.45f, 1.5f}, {0.45f, 1.5f}, {0.3f, 5.2f}, {-0.2f, 5.2f}, {-0.45f, 4.0f}}, p.Cylinder(0, 0.45f, kSteel, 0.6f));
      for (int i = 0; i < 9; ++i) {
        const float v = 1.7f + i * 0.38f;
        p.Poly({{0.42f - i * 0.014f, v}, {0.62f - i * 0.014f, v + 0.19f}, {0.4f - i * 0.014f, v + 0.38f}}, Flat{Darker(kSteel, 0.2f)});
      }
      p.Rect(-0.6f, 0.1f, 0.6f, 1.6f, p.Gradient(0.1f, 1.6f, Lighter(grip, 0.2f), grip), 0.3f);
      p.Rect(-0.25f, 0.5f, 0.25f, 1.2f, Flat{Rgb(60, 50, 40)}, 0.15f, 0.7f);
      break;
    default:  // screwdriver
      p.Rect(-0.32f, 0.3f, 0.32f, 2.2f, p.Cylinder(0, 0.32f, grip, 0.45f), 0.2f);
      for (float u : {-0.12f, 0.12f}) p.Line(u, 0.5f, u, 2.0f, 0.06f, Dark(grip, 0.35f));
      p.Rect(-0.09f, 2.2f, 0.09f, 4.2f, p.Cylinder(0, 0.09f, kSteel, 0.6f));
      p.Poly({{-0.14f, 4.2f}, {0.14f, 4.2f}, {0.05f, 4.5f}, {-0.05f, 4.5f}}, Flat{kSteel});
      break;
  }
}

void PaintPaintCan(Pen& p, const Item& it) {
  const bool tall = it.variant % 2;
  const float h = tall ? 2.2f : 1.5f, w = tall ? 0.85f : 1.1f;
  p.Shadow(0.3f, 0, w + 0.3f, 0.16f, 0.35f);
  if (!tall)
    for (int i = 0; i < 7; ++i) {
      const float a0 = 3.1416f * i / 7, a1 = 3.1416f * (i + 1) / 7;
      p.Line(-std::cos(a0) * w, -h - std::sin(a0) * 0.9f, -std::cos(a1) * w, -h - std::sin(a1) * 0.9f, 0.07f, Flat{kDarkSteel});
    }
  p.Rect(-w, -h, w, 0, p.Cylinder(0, w, kSteel, 0.5f), 0.06f);
  p.Rect(-w, -h * 0.78f, w, -h * 0.2f, p.Cylinder(0, w, it.color, 0.3f));
  p.Circle(-w * 0.2f, -h * 0.5f, std::min(w, h) * 0.22f, Flat{Lighter(it.color, 0.55f)});
  p.Ellipse(0, -h, w, 0.2f * w, Flat{Darker(kSteel, 0.2f)});
  // Paint run over the rim.
  p.Rect(w * 0.2f, -h - 0.05f, w * 0.45f, -h * 0.65f, Flat{it.color}, 0.12f);
  p.Circle(w * 0.325f, -h * 0.65f, 0.14f, Flat{it.color});
}

void PaintToolbox(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 2.1f, 0.2f, 0.4f);
  const bool open = it.variant % 2;
  if (open) {
    p.Line(-0.9f, -1.4f, -0.4f, -2.7f, 0.2f, Flat{Rgb(150, 110, 70)});
    p.Rect(-0.7f, -3.0f, -0.1f, -2.6f, Flat{kDarkSteel}, 0.05f);
    p.Line(0.3f, -1.4f, 0.8f, -2.5f, 0.25f, Flat{Rgb(200, 60, 40)});
    p.Line(0.8f, -2.5f, 1.0f, -2.9f, 0.08f, Flat{kSteel});
    p.Poly({{-1.8f, -1.45f}, {1.8f, -1.45f}, {1.6f, -2.1f}, {-1.6f, -2.1f}}, Flat{Darker(it.color, 0.45f)});
  } else {
    p.Rect(-0.6f, -2.25f, 0.6f, -1.9f, Flat{kDarkSteel}, 0.1f);
    p.Rect(-1.85f, -1.85f, 1.85f, -1.35f, p.Gradient(-1.85f, -1.35f, Lighter(it.color, 0.25f), it.color), 0.1f);
  }
  p.Rect(-1.8f, -1.45f, 1.8f, 0, p.Gradient(-1.45f, 0, it.color, Darker(it.color, 0.3f)), 0.08f);
  p.Rect(-1.8f, -1.5f, 1.8f, -1.3f, Dark(it.color, 0.4f));
  p.Rect(-0.25f, -1.35f, 0.25f, -1.0f, Flat{kSteel}, 0.05f);
}

void PaintHangingLamp(Pen& p, const Item& it) {
  // Anchor: where the cord leaves the ceiling; the shade hangs 3 units down.
  p.Line(0, 0, 0, 3.0f, 0.06f, Flat{kInk});
  p.Ellipse(0, 4.6f, 1.8f, 1.0f, Flat{Rgb(255, 225, 150)}, 0.12f, 6.0f);
  if (it.variant % 2 == 0) {
    p.Poly({{-0.4f, 2.8f}, {0.4f, 2.8f}, {1.9f, 4.4f}, {-1.9f, 4.4f}}, p.Gradient(2.8f, 4.4f, Lighter(it.color, 0.2f), it.color));
  } else {
    p.Ellipse(0, 4.2f, 1.5f, 1.4f, p.Sphere(-0.3f, 3.5f, 1.6f, it.color, 0.45f));
  }
  p.Ellipse(0, 4.35f, 0.6f, 0.22f, Flat{Rgb(255, 248, 215)});
}

// ---- Playground ----

void PaintSwing(Pen& p, const Item& it) {
  p.Shadow(0, 0, 3.2f, 0.35f, 0.3f);
  const Color frame = it.color;
  for (float side : {-1.0f, 1.0f}) {
    p.Line(side * 2.6f, -4.6f, side * 3.3f, 0, 0.2f, Flat{frame});
    p.Line(side * 2.6f, -4.6f, side * 1.9f, 0, 0.2f, Dark(frame, 0.2f));
  }
  p.Rect(-2.8f, -4.8f, 2.8f, -4.45f, p.Cylinder(0, 2.8f, frame, 0.2f), 0.12f);
  const int seats = it.variant % 2 ? 2 : 1;
  for (int s = 0; s < seats; ++s) {
    const float u = seats == 1 ? 0 : (s ? 1.2f : -1.2f);
    for (float d : {-0.45f, 0.45f}) p.Line(u + d, -4.45f, u + d, -1.2f, 0.05f, Flat{kDarkSteel});
    p.Rect(u - 0.6f, -1.3f, u + 0.6f, -1.0f, Flat{Darker(it.accent, 0.1f)}, 0.08f);
  }
}

void PaintSlide(Pen& p, const Item& it) {
  p.Shadow(0.5f, 0, 3.6f, 0.35f, 0.3f);
  // Ladder at the back, platform, and the chute running down to the right.
  for (float u : {-2.6f, -1.9f}) p.Line(u, -4.2f, u - 0.25f, 0, 0.16f, Flat{kSteel});
  for (int i = 1; i < 6; ++i) {
    const float v = -i * 0.7f;
    p.Line(-2.6f - 0.25f * (1 + v / 4.2f), v, -1.9f - 0.25f * (1 + v / 4.2f), v, 0.1f, Flat{Darker(kSteel, 0.2f)});
  }
  p.Rect(-2.75f, -4.45f, -1.3f, -4.15f, Flat{Darker(it.accent, 0.1f)}, 0.05f);
  for (float u : {-2.7f, -1.4f}) p.Line(u, -4.4f, u, -5.3f, 0.1f, Flat{kSteel});
  p.Line(-2.7f, -5.3f, -1.4f, -5.3f, 0.1f, Flat{kSteel});
  const bool wavy = it.variant % 2;
  if (wavy)
    p.Poly({{-1.4f, -4.5f}, {-0.4f, -3.1f}, {0.4f, -2.8f}, {1.4f, -1.5f}, {2.2f, -0.7f}, {3.2f, -0.6f},
            {3.2f, -0.1f}, {2.1f, -0.2f}, {1.2f, -1.0f}, {0.3f, -2.3f}, {-0.5f, -2.6f}, {-1.4f, -3.9f}},
           p.Gradient(-4.5f, -0.1f, Lighter(it.color, 0.25f), Darker(it.color, 0.15f)));
  else
    p.Poly({{-1.4f, -4.5f}, {2.6f, -0.8f}, {3.3f, -0.7f}, {3.3f, -0.15f}, {2.4f, -0.25f}, {-1.4f, -3.85f}},
           p.Gradient(-4.5f, -0.15f, Lighter(it.color, 0.25f), Darker(it.color, 0.15f)));
  p.Line(2.8f, -0.4f, 2.8f, 0, 0.14f, Flat{kSteel});
}

void PaintSeesaw(Pen& p, const Item& it) {
  p.Shadow(0, 0, 3.4f, 0.3f, 0.3f);
  p.Poly({{-0.6f, 0}, {0.6f, 0}, {0.15f, -1.3f}, {-0.15f, -1.3f}}, p.Cylinder(0, 0.6f, kDarkSteel, 0.3f));
  const float tilt = it.variant % 2 ? 0.28f : -0.28f;  // rise per unit to the right
  auto at = [&](float u) { return -1.35f - u * tilt; };
  p.Poly({{-3.4f, at(-3.4f) - 0.15f}, {3.4f, at(3.4f) - 0.15f}, {3.4f, at(3.4f) + 0.18f}, {-3.4f, at(-3.4f) + 0.18f}},
         p.Gradient(-3.0f, 0, Lighter(it.color, 0.2f), Darker(it.color, 0.2f)));
  for (float u : {-2.6f, 2.6f}) {
    p.Line(u, at(u) - 0.1f, u, at(u) - 0.95f, 0.12f, Flat{kSteel});
    p.Line(u - 0.35f, at(u) - 0.95f, u + 0.35f, at(u) - 0.95f, 0.14f, Flat{it.accent});
  }
  p.Circle(0, -1.35f, 0.2f, Flat{kInk});
}

void PaintBucket(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.1f, 0.15f, 0.35f);
  if (it.variant % 2 == 0) {
    p.Line(-0.75f, -1.5f, 0, -2.3f, 0.07f, Flat{kDarkSteel});
    p.Line(0, -2.3f, 0.75f, -1.5f, 0.07f, Flat{kDarkSteel});
    p.Poly({{-0.85f, -1.55f}, {0.85f, -1.55f}, {0.6f, 0}, {-0.6f, 0}}, p.Cylinder(0, 0.85f, it.color, 0.45f));
    p.Ellipse(0, -1.55f, 0.85f, 0.18f, Flat{Darker(it.color, 0.35f)});
    p.Line(0.4f, -1.6f, 1.1f, -2.6f, 0.1f, Flat{it.accent});
    p.Ellipse(1.15f, -2.75f, 0.2f, 0.3f, Flat{it.accent});
  } else {
    p.Poly({{-1.4f, -0.25f}, {-1.2f, -1.25f}, {0.3f, -0.95f}, {0.3f, -0.05f}}, p.Gradient(-1.25f, 0, it.color, Darker(it.color, 0.3f)));
    p.Ellipse(0.35f, -0.5f, 0.22f, 0.48f, Flat{Darker(it.color, 0.45f)});
    p.Ellipse(0.9f, -0.15f, 0.6f, 0.17f, Flat{Rgb(215, 190, 130)});
    p.Line(-1.1f, -0.2f, 1.3f, -0.4f, 0.12f, Flat{it.accent});
  }
}

// ---- Farm ----

void PaintBarn(Pen& p, const Item& it) {
  p.Shadow(0.6f, 0, 4.2f, 0.4f, 0.3f);
  const bool gambrel = it.variant % 2 == 0;
  const Color wall = it.color;
  auto boards = [&](float px, float py) {
    const float b = std::fmod(px - p.X(-3.5f) + 1000, p.L(0.45f)) < 1.0f ? 0.78f : 1.0f;
    return wall * b * (0.88f + 0.22f * ValueNoise(px * 0.3f, py * 0.03f, it.seed));
  };
  if (gambrel) {
    p.Poly({{-3.3f, 0}, {3.3f, 0}, {3.3f, -3.3f}, {2.4f, -5.0f}, {0, -6.0f}, {-2.4f, -5.0f}, {-3.3f, -3.3f}}, boards);
    p.Poly({{-3.7f, -3.1f}, {-2.6f, -5.2f}, {0, -6.3f}, {2.6f, -5.2f}, {3.7f, -3.1f}, {3.3f, -3.1f}, {2.3f, -4.9f}, {0, -5.85f}, {-2.3f, -4.9f}, {-3.3f, -3.1f}},
           Flat{it.accent});
  } else {
    p.Poly({{-3.3f, 0}, {3.3f, 0}, {3.3f, -3.6f}, {0, -5.8f}, {-3.3f, -3.6f}}, boards);
    p.Poly({{-3.75f, -3.35f}, {0, -6.1f}, {3.75f, -3.35f}, {3.3f, -3.35f}, {0, -5.6f}, {-3.3f, -3.35f}}, Flat{it.accent});
  }
  // The big door with its white cross braces, and the hay loft.
  const Color trim = Rgb(240, 236, 226);
  p.Rect(-1.5f, -2.9f, 1.5f, 0, boards);
  p.Rect(-1.5f, -2.9f, 1.5f, 0, Flat{{0, 0, 0}}, 0, 0.2f);
  p.Line(-1.5f, -2.9f, 1.5f, 0, 0.16f, Flat{trim}), p.Line(-1.5f, 0, 1.5f, -2.9f, 0.16f, Flat{trim});
  p.Line(0, -2.9f, 0, 0, 0.14f, Flat{trim});
  for (float v : {-2.9f, 0.0f}) p.Line(-1.5f, v, 1.5f, v, 0.18f, Flat{trim});
  for (float u : {-1.5f, 1.5f}) p.Line(u, -2.9f, u, 0, 0.18f, Flat{trim});
  p.Rect(-0.6f, -4.7f, 0.6f, -3.7f, Flat{Rgb(60, 40, 30)});
  p.Ellipse(0, -3.85f, 0.55f, 0.2f, Flat{Rgb(220, 185, 90)});
}

void PaintCow(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 2.2f, 0.25f, 0.35f);
  const Color hide = it.color;
  const Color patch = it.accent;
  Legs(p, -1.3f, 1.1f, -1.3f, 0.3f, Darker(hide, 0.1f));
  for (float u : {-1.3f, 1.1f}) p.Rect(u - 0.17f, -0.2f, u + 0.17f, 0, Flat{kInk});
  p.Line(-1.75f, -2.0f, -2.05f, -0.8f, 0.1f, Dark(hide, 0.2f));
  p.Ellipse(-2.05f, -0.75f, 0.12f, 0.2f, Flat{kInk});
  const float cx = p.X(0), cy = p.Y(-1.8f);
  const float sc = 1.0f / std::max(1.0f, p.L(0.9f)), rr = p.L(1.85f);
  p.Ellipse(0, -1.8f, 1.85f, 0.8f, [=](float px, float py) {
    const bool spot = Fbm((px - cx) * sc + 2, (py - cy) * sc + 7, it.seed, 2) > 0.58f;
    return SphereShade{spot ? patch : hide, cx, cy, rr, 0.1f}(px, py);
  });
  p.Ellipse(0.6f, -0.95f, 0.35f, 0.2f, Flat{Rgb(240, 180, 180)});
  const bool grazing = it.variant % 2;
  const float hu = 2.1f, hv = grazing ? -0.6f : -2.35f;
  p.Poly({{1.5f, -2.4f}, {1.7f, -1.4f}, {hu - 0.2f, hv + 0.3f}, {hu + 0.1f, hv - 0.3f}}, Flat{hide});
  p.Ellipse(hu, hv, 0.45f, 0.6f, p.Sphere(hu, hv, 0.6f, hide, 0.1f));
  p.Ellipse(hu + 0.05f, hv + 0.45f, 0.4f, 0.25f, Flat{Rgb(230, 170, 170)});
  for (float d : {-0.45f, 0.45f}) {
    p.Ellipse(hu + d, hv - 0.45f, 0.25f, 0.1f, Flat{Darker(hide, 0.15f)});
    p.Line(hu + d * 0.5f, hv - 0.55f, hu + d * 0.8f, hv - 0.9f, 0.1f, Flat{Rgb(235, 225, 200)});
  }
  p.Circle(hu - 0.2f, hv - 0.1f, 0.07f, Flat{kInk}), p.Circle(hu + 0.2f, hv - 0.1f, 0.07f, Flat{kInk});
}

void PaintPig(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.6f, 0.2f, 0.35f);
  const Color skin = it.color;
  for (float u : {-0.9f, -0.55f, 0.55f, 0.9f}) p.Rect(u - 0.12f, -0.6f, u + 0.12f, 0, Flat{Darker(skin, u < 0 ? 0.2f : 0.1f)}, 0.05f);
  for (int i = 0; i < 5; ++i) {
    const float a = i * 1.25f;
    p.Line(-1.35f + std::cos(a) * 0.15f, -1.3f + std::sin(a) * 0.15f, -1.35f + std::cos(a + 1.25f) * 0.15f,
           -1.3f + std::sin(a + 1.25f) * 0.15f, 0.07f, Dark(skin, 0.2f));
  }
  p.Ellipse(0, -1.05f, 1.35f, 0.65f, p.Sphere(-0.2f, -1.35f, 1.4f, skin, 0.2f));
  if (it.variant % 2)
    for (float u : {-0.7f, 0.0f, 0.6f}) p.Ellipse(u, -1.15f + std::fabs(u) * 0.2f, 0.42f, 0.3f, Flat{Rgb(90, 60, 45)}, 0.9f);
  p.Circle(1.3f, -1.2f, 0.5f, p.Sphere(1.3f, -1.3f, 0.5f, skin, 0.2f));
  p.Ellipse(1.75f, -1.1f, 0.15f, 0.22f, Flat{Darker(skin, 0.15f)});
  p.Circle(1.78f, -1.15f, 0.04f, Flat{kInk}), p.Circle(1.78f, -1.03f, 0.04f, Flat{kInk});
  p.Circle(1.45f, -1.35f, 0.06f, Flat{kInk});
  p.Poly({{1.0f, -1.55f}, {1.3f, -1.65f}, {1.05f, it.variant % 2 ? -1.35f : -2.05f}}, Flat{Darker(skin, 0.1f)});
}

void PaintHen(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 0.9f, 0.12f, 0.3f);
  const Color body = it.color;
  for (float u : {-0.15f, 0.2f}) p.Line(u, -0.6f, u, 0, 0.08f, Flat{Rgb(220, 160, 50)});
  p.Poly({{-1.2f, -1.9f}, {-0.7f, -1.0f}, {-0.9f, -1.6f}}, Flat{Darker(body, 0.3f)});
  p.Ellipse(0, -1.0f, 0.95f, 0.6f, p.Sphere(-0.1f, -1.2f, 1.0f, body, 0.2f));
  p.Ellipse(-0.15f, -1.05f, 0.5f, 0.28f, Flat{Darker(body, 0.2f)});
  const bool pecking = it.variant % 2;
  const float hu = pecking ? 1.05f : 0.8f, hv = pecking ? -0.55f : -1.75f;
  p.Circle(hu, hv, 0.33f, p.Sphere(hu, hv, 0.33f, body, 0.2f));
  p.Poly({{hu - 0.15f, hv - 0.3f}, {hu - 0.05f, hv - 0.55f}, {hu + 0.08f, hv - 0.35f}, {hu + 0.2f, hv - 0.52f}, {hu + 0.25f, hv - 0.25f}},
         Flat{Rgb(210, 40, 35)});
  p.Poly({{hu + 0.28f, hv - 0.05f}, {hu + 0.6f, hv + 0.05f}, {hu + 0.28f, hv + 0.15f}}, Flat{Rgb(235, 170, 40)});
  p.Ellipse(hu + 0.18f, hv + 0.3f, 0.09f, 0.15f, Flat{Rgb(210, 40, 35)});
  p.Circle(hu + 0.1f, hv - 0.05f, 0.05f, Flat{kInk});
}

void PaintTractor(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.8f, 0.3f, 0.4f);
  const Color body = it.color;
  const bool cab = it.variant % 2 == 0;
  if (cab) {
    p.Rect(-1.9f, -3.9f, -0.2f, -1.9f, p.Gradient(-3.9f, -1.9f, body, Darker(body, 0.25f)), 0.1f);
    p.Rect(-1.7f, -3.65f, -0.4f, -2.1f, p.Gradient(-3.6f, -2.1f, Rgb(190, 210, 225), Rgb(110, 130, 150)));
    p.Rect(-2.05f, -4.1f, 0.0f, -3.85f, Flat{body}, 0.05f);
  } else {
    p.Line(-1.4f, -1.9f, -1.6f, -3.0f, 0.14f, Flat{kInk});
    p.Rect(-1.9f, -2.55f, -1.1f, -2.35f, Flat{kInk}, 0.05f);
  }
  p.Rect(-0.2f, -2.4f, 2.3f, -0.8f, p.Gradient(-2.4f, -0.8f, Lighter(body, 0.2f), body), 0.2f);
  p.Rect(-2.2f, -2.0f, 0.0f, -0.9f, p.Gradient(-2.0f, -0.9f, body, Darker(body, 0.2f)), 0.1f);
  p.Rect(1.1f, -3.1f, 1.3f, -2.2f, Flat{kInk});
  for (int i = 0; i < 3; ++i) p.Line(0.2f + i * 0.35f, -2.1f, 0.2f + i * 0.35f, -1.3f, 0.08f, Dark(body, 0.4f));
  auto wheel = [&](float u, float r) {
    p.Circle(u, -r, r, Flat{Rgb(30, 30, 30)});
    p.Circle(u, -r, r * 0.55f, p.Sphere(u, -r, r * 0.55f, it.accent, 0.3f));
    p.Circle(u, -r, r * 0.15f, Flat{kInk});
  };
  wheel(-1.3f, 1.25f);
  wheel(1.6f, 0.7f);
}

// ---- Forest ----

void PaintDeer(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.8f, 0.2f, 0.3f);
  const Color fur = it.color;
  Legs(p, -1.0f, 0.9f, -1.7f, 0.16f, Darker(fur, 0.1f));
  p.Ellipse(-1.35f, -2.15f, 0.22f, 0.3f, Flat{Rgb(245, 240, 230)});
  p.Ellipse(0, -2.15f, 1.45f, 0.6f, p.Sphere(-0.2f, -2.4f, 1.5f, fur, 0.15f));
  p.Ellipse(0, -1.85f, 1.1f, 0.25f, Flat{Lighter(fur, 0.3f)}, 0.5f, 1.0f);
  p.Poly({{0.9f, -2.5f}, {1.3f, -2.0f}, {1.75f, -3.3f}, {1.4f, -3.55f}}, Flat{fur});
  p.Ellipse(1.75f, -3.55f, 0.45f, 0.3f, p.Sphere(1.7f, -3.6f, 0.45f, fur, 0.15f));
  p.Ellipse(2.15f, -3.45f, 0.18f, 0.15f, Flat{Darker(fur, 0.5f)});
  p.Ellipse(1.4f, -3.95f, 0.12f, 0.28f, Flat{Darker(fur, 0.15f)});
  p.Circle(1.8f, -3.65f, 0.07f, Flat{kInk});
  if (it.variant % 2 == 0) {
    const Flat antler{Rgb(215, 195, 160)};
    p.Line(1.6f, -3.8f, 1.1f, -5.2f, 0.16f, antler), p.Line(1.4f, -4.5f, 0.8f, -4.8f, 0.13f, antler);
    p.Line(1.1f, -5.2f, 0.7f, -5.8f, 0.13f, antler), p.Line(1.1f, -5.2f, 1.4f, -5.9f, 0.13f, antler);
    p.Line(1.85f, -3.8f, 2.3f, -5.2f, 0.16f, antler), p.Line(2.1f, -4.5f, 2.7f, -4.7f, 0.13f, antler);
    p.Line(2.3f, -5.2f, 2.1f, -5.9f, 0.13f, antler), p.Line(2.3f, -5.2f, 2.75f, -5.75f, 0.13f, antler);
  }
}

void PaintFox(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.6f, 0.18f, 0.3f);
  const Color fur = it.color;
  const bool sitting = it.variant % 2;
  const Color white = Rgb(245, 240, 232);
  if (sitting) {
    p.Poly({{-1.9f, -0.15f}, {-1.2f, -0.55f}, {-0.3f, -0.35f}, {-0.5f, 0}, {-1.5f, 0.05f}}, Flat{fur});
    p.Circle(-1.9f, -0.12f, 0.22f, Flat{white});
    p.Poly({{-0.8f, 0}, {0.6f, 0}, {0.6f, -1.1f}, {0.3f, -2.1f}, {-0.4f, -1.9f}, {-0.9f, -0.9f}}, p.Sphere(-0.2f, -1.1f, 1.2f, fur, 0.15f));
    p.Ellipse(0.3f, -1.3f, 0.25f, 0.55f, Flat{white});
    p.Line(0.45f, -0.8f, 0.5f, 0, 0.15f, Flat{kInk});
  } else {
    Legs(p, -0.8f, 0.8f, -0.9f, 0.14f, Rgb(50, 35, 30));
    p.Poly({{-1.0f, -1.4f}, {-2.2f, -1.0f}, {-2.9f, -0.6f}, {-2.4f, -0.95f}, {-1.0f, -1.0f}}, Flat{fur});
    p.Ellipse(-2.6f, -0.75f, 0.35f, 0.18f, Flat{white});
    p.Ellipse(0, -1.25f, 1.15f, 0.45f, p.Sphere(-0.2f, -1.4f, 1.2f, fur, 0.15f));
    p.Ellipse(0.2f, -1.0f, 0.8f, 0.18f, Flat{white}, 0.8f, 1.0f);
  }
  const float hu = sitting ? 0.35f : 1.3f, hv = sitting ? -2.2f : -1.7f;
  p.Poly({{hu - 0.45f, hv - 0.15f}, {hu + 0.75f, hv + 0.2f}, {hu - 0.1f, hv + 0.45f}}, Flat{fur});
  p.Poly({{hu + 0.2f, hv + 0.22f}, {hu + 0.75f, hv + 0.2f}, {hu, hv + 0.45f}}, Flat{white});
  p.Circle(hu - 0.05f, hv, 0.38f, p.Sphere(hu - 0.05f, hv, 0.38f, fur, 0.15f));
  for (float d : {-0.3f, 0.15f}) p.Poly({{hu + d - 0.1f, hv - 0.25f}, {hu + d + 0.05f, hv - 0.75f}, {hu + d + 0.22f, hv - 0.22f}}, Flat{Darker(fur, 0.2f)});
  p.Circle(hu + 0.75f, hv + 0.2f, 0.07f, Flat{kInk});
  p.Circle(hu + 0.15f, hv - 0.05f, 0.06f, Flat{kInk});
}

void PaintStump(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.7f, 0.22f, 0.4f);
  const bool tall = it.variant % 2;
  const float h = tall ? 2.2f : 1.1f;
  const Color bark = it.color;
  for (float side : {-1.0f, 1.0f})
    p.Poly({{side * 1.0f, -0.6f}, {side * 1.7f, 0.05f}, {side * 0.6f, 0.05f}}, Flat{Darker(bark, 0.15f)});
  p.Rect(-1.05f, -h, 1.05f, 0, [&](float px, float py) {
    const float ridge = 0.8f + 0.3f * ValueNoise(px * 0.6f, py * 0.05f, it.seed);
    return CylinderShade{bark, p.X(0), p.L(1.05f), 0.1f}(px, py) * ridge;
  });
  const float cx = p.X(0), cy = p.Y(-h), rr = p.L(1.0f);
  p.Ellipse(0, -h, 1.0f, 0.32f, [=](float px, float py) {
    const float d = std::hypot((px - cx) / rr, (py - cy) / (rr * 0.32f));
    const float ring = 0.85f + 0.15f * std::sin(d * 22.0f);
    return Rgb(215, 180, 125) * ring * (1.0f - 0.2f * d);
  });
  if (tall) {
    p.Poly({{-1.05f, -h}, {-0.4f, -h - 0.8f}, {0.1f, -h - 0.2f}, {0.5f, -h - 1.0f}, {1.05f, -h}}, [&](float px, float py) {
      return CylinderShade{Rgb(215, 180, 125), p.X(0), p.L(1.05f), 0.1f}(px, py);
    });
  } else {
    for (int i = 0; i < 3; ++i) {
      const float u = 0.75f + i * 0.28f, v = -0.25f - i * 0.2f;
      p.Ellipse(u, v, 0.35f, 0.14f, p.Sphere(u, v, 0.35f, Rgb(200, 160, 90), 0.3f));
    }
  }
}

void PaintFern(Pen& p, const Item& it) {
  const bool upright = it.variant % 2;
  const int fronds = upright ? 5 : 7;
  for (int f = 0; f < fronds; ++f) {
    const float t = (f + 0.5f) / fronds * 2 - 1;  // -1 .. 1, left to right
    const float reach = upright ? 2.8f : 2.4f;
    const float tipU = t * (upright ? 1.3f : 2.6f), tipV = -reach * (1 - 0.45f * t * t) - (upright ? 0.3f : 0);
    const int leaves = 7;
    for (int i = 0; i < leaves; ++i) {
      const float s = (i + 0.5f) / leaves;
      const float u = tipU * s, v = tipV * s + 0.35f * s * s * std::fabs(t) * reach * 0.6f;
      const float len = 0.55f * (1 - s * 0.7f);
      const Color c = Mix(it.color, Lighter(it.color, 0.2f), s);
      p.Ellipse(u - len * 0.45f, v + 0.05f, len * 0.55f, 0.14f, Flat{c});
      p.Ellipse(u + len * 0.45f, v + 0.05f, len * 0.55f, 0.14f, Flat{Darker(c, 0.12f)});
    }
    p.Line(0, 0, tipU, tipV, 0.07f, Flat{Darker(it.color, 0.35f)});
  }
}

void PaintOwl(Pen& p, const Item& it) {
  // Anchor: where its feet grip the perch.
  const Color feathers = it.color;
  p.Ellipse(0, -1.2f, 0.85f, 1.2f, p.Sphere(-0.2f, -1.5f, 1.2f, feathers, 0.1f));
  p.Ellipse(0, -0.9f, 0.55f, 0.8f, [&](float, float py) {
    const float bars = std::sin((py - p.Y(0)) / std::max(1.0f, p.L(0.12f)));
    return Lighter(feathers, 0.45f) * (0.85f + 0.15f * bars);
  });
  p.Circle(0, -2.35f, 0.75f, p.Sphere(0, -2.4f, 0.8f, feathers, 0.1f));
  if (it.variant % 2 == 0)
    for (float side : {-1.0f, 1.0f})
      p.Poly({{side * 0.2f, -2.85f}, {side * 0.85f, -3.7f}, {side * 0.8f, -2.6f}}, Flat{Darker(feathers, 0.2f)});
  else
    p.Ellipse(0, -2.35f, 0.72f, 0.6f, Flat{Lighter(feathers, 0.7f)});
  for (float side : {-1.0f, 1.0f}) {
    p.Circle(side * 0.32f, -2.4f, 0.3f, Flat{Lighter(feathers, 0.6f)});
    p.Circle(side * 0.32f, -2.4f, 0.17f, Flat{Rgb(245, 190, 40)});
    p.Circle(side * 0.32f, -2.4f, 0.09f, Flat{kInk});
  }
  p.Poly({{-0.1f, -2.2f}, {0.1f, -2.2f}, {0, -1.95f}}, Flat{Rgb(90, 70, 40)});
  for (float u : {-0.25f, 0.25f}) p.Line(u, -0.05f, u, 0.1f, 0.12f, Flat{Rgb(200, 160, 60)});
}

void PaintHedgehog(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.3f, 0.15f, 0.35f);
  const Color spines = it.color;
  const bool curled = it.variant % 2;
  if (!curled) {
    p.Poly({{0.6f, -0.2f}, {1.5f, -0.35f}, {0.8f, -0.9f}}, Flat{Rgb(190, 160, 120)});
    p.Circle(1.5f, -0.35f, 0.1f, Flat{kInk});
    p.Circle(0.95f, -0.55f, 0.06f, Flat{kInk});
  }
  const float cx = p.X(-0.1f), cy = p.Y(curled ? -0.7f : -0.55f);
  p.Ellipse(-0.1f, curled ? -0.7f : -0.55f, curled ? 0.8f : 1.05f, curled ? 0.7f : 0.6f, [=](float px, float py) {
    const float a = std::atan2(py - cy, px - cx);
    const float spike = 0.7f + 0.3f * std::sin(a * 26.0f + ValueNoise(px * 0.5f, py * 0.5f, it.seed) * 3);
    return spines * spike * (1.0f - 0.25f * Clamp01((py - cy) * 0.05f));
  }, 1.0f, 0.8f);
}

// ---- Mountain village ----

void PaintChalet(Pen& p, const Item& it) {
  p.Shadow(0.5f, 0, 3.6f, 0.35f, 0.3f);
  const bool twoFloors = it.variant % 2;
  const float wallTop = twoFloors ? -4.4f : -3.2f;
  // Stone ground floor, timber above.
  p.Rect(-2.8f, -1.3f, 2.8f, 0, p.Mottle(Rgb(215, 210, 200), 0.3f, 0.18f, it.seed));
  p.Rect(-2.8f, wallTop, 2.8f, -1.3f, [&](float px, float py) {
    const float log = std::fmod(py - p.Y(wallTop) + 1000 * p.L(0.4f), p.L(0.4f)) < 1.0f ? 0.7f : 1.0f;
    return it.color * log * (0.9f + 0.18f * ValueNoise(px * 0.1f, py * 0.5f, it.seed));
  });
  p.Poly({{-3.9f, wallTop + 0.1f}, {0, wallTop - 1.9f}, {3.9f, wallTop + 0.1f}, {3.9f, wallTop + 0.45f}, {0, wallTop - 1.5f}, {-3.9f, wallTop + 0.45f}},
         p.Gradient(wallTop - 1.9f, wallTop + 0.45f, Lighter(it.accent, 0.15f), Darker(it.accent, 0.2f)));
  p.Poly({{-3.3f, wallTop + 0.45f}, {0, wallTop - 1.5f}, {3.3f, wallTop + 0.45f}}, [&](float px, float py) {
    return Darker(it.color, 0.2f) * (0.9f + 0.18f * ValueNoise(px * 0.4f, py * 0.1f, it.seed + 2));
  });
  p.Rect(-2.8f, wallTop + 0.45f, 2.8f, wallTop + 0.8f, Flat{{0, 0, 0}}, 0, 0.25f);
  const Color shutter = Rgb(60, 110, 60);
  for (float u : {-1.7f, 1.1f}) {
    p.Rect(u - 0.15f, -2.7f, u + 0.75f, -1.75f, Flat{Rgb(70, 90, 110)});
    p.Rect(u - 0.5f, -2.7f, u - 0.15f, -1.75f, Flat{shutter});
    p.Rect(u + 0.75f, -2.7f, u + 1.1f, -1.75f, Flat{shutter});
  }
  if (twoFloors) {
    // A balcony with geraniums.
    p.Rect(-2.6f, -3.1f, 2.6f, -2.95f, Flat{Darker(it.color, 0.35f)});
    for (int i = 0; i < 14; ++i) p.Line(-2.5f + i * 0.385f, -3.0f, -2.5f + i * 0.385f, -3.7f, 0.1f, Flat{Darker(it.color, 0.3f)});
    p.Rect(-2.6f, -3.8f, 2.6f, -3.65f, Flat{Darker(it.color, 0.35f)});
    for (int i = 0; i < 9; ++i) p.Circle(-2.3f + i * 0.58f, -3.9f, 0.22f, Flat{Rgb(210, 40, 50)});
  }
  p.Rect(-0.4f, -1.1f, 0.4f, 0, p.Gradient(-1.1f, 0, Rgb(110, 70, 40), Rgb(70, 45, 25)), 0.1f);
}

void PaintChapel(Pen& p, const Item& it) {
  p.Shadow(0.4f, 0, 2.8f, 0.3f, 0.3f);
  const Color wall = it.color;
  p.Rect(-0.2f, -2.8f, 2.6f, 0, p.Mottle(Darker(wall, 0.08f), 0.4f, 0.08f, it.seed));
  p.Poly({{-0.4f, -2.7f}, {1.2f, -4.0f}, {2.8f, -2.7f}}, Flat{it.accent});
  p.Rect(-1.3f, -5.2f, 0.1f, 0, p.Mottle(wall, 0.4f, 0.08f, it.seed + 1));
  p.Circle(-0.6f, -4.3f, 0.42f, Flat{Rgb(240, 236, 226)});
  p.Line(-0.6f, -4.3f, -0.6f, -4.6f, 0.06f, Flat{kInk}), p.Line(-0.6f, -4.3f, -0.4f, -4.25f, 0.06f, Flat{kInk});
  p.Rect(-0.85f, -3.3f, -0.35f, -2.6f, Flat{Rgb(60, 55, 60)}, 0.25f);
  if (it.variant % 2 == 0) {
    p.Poly({{-1.45f, -5.2f}, {0.25f, -5.2f}, {-0.6f, -7.6f}}, Flat{it.accent});
  } else {
    p.Ellipse(-0.6f, -5.75f, 0.8f, 0.65f, p.Sphere(-0.8f, -5.9f, 0.8f, it.accent, 0.3f));
    p.Rect(-0.75f, -6.6f, -0.45f, -6.3f, Flat{it.accent});
    p.Ellipse(-0.6f, -6.7f, 0.25f, 0.3f, p.Sphere(-0.65f, -6.75f, 0.3f, it.accent, 0.3f));
  }
  p.Line(-0.6f, -7.4f - (it.variant % 2 ? -0.4f : 0), -0.6f, -8.2f + (it.variant % 2 ? 0.8f : 0), 0.07f, Flat{Rgb(200, 170, 70)});
  for (float u : {0.7f, 1.7f}) p.Rect(u - 0.18f, -2.0f, u + 0.18f, -1.0f, Flat{Rgb(70, 90, 120)}, 0.18f);
  p.Rect(-0.9f, -1.2f, -0.3f, 0, Flat{Rgb(100, 65, 40)}, 0.3f);
}

void PaintGoat(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.4f, 0.16f, 0.3f);
  const Color fur = it.color;
  Legs(p, -0.8f, 0.7f, -1.1f, 0.16f, Darker(fur, 0.1f));
  p.Poly({{-1.2f, -1.8f}, {-1.5f, -2.2f}, {-1.05f, -1.95f}}, Flat{fur});
  p.Ellipse(0, -1.5f, 1.2f, 0.55f, p.Sphere(-0.2f, -1.7f, 1.2f, fur, 0.12f));
  const bool up = it.variant % 2 == 0;
  const float hu = up ? 1.35f : 1.45f, hv = up ? -2.4f : -1.0f;
  p.Poly({{0.8f, -1.9f}, {1.0f, -1.3f}, {hu + 0.1f, hv + 0.2f}, {hu - 0.1f, hv - 0.2f}}, Flat{fur});
  p.Ellipse(hu + 0.15f, hv, 0.45f, 0.28f, p.Sphere(hu + 0.1f, hv - 0.1f, 0.45f, fur, 0.12f));
  p.Poly({{hu + 0.35f, hv + 0.2f}, {hu + 0.5f, hv + 0.7f}, {hu + 0.2f, hv + 0.25f}}, Flat{Darker(fur, 0.35f)});
  p.Line(hu - 0.1f, hv - 0.2f, hu - 0.5f, hv - 0.75f, 0.12f, Flat{Rgb(120, 105, 85)});
  p.Line(hu - 0.5f, hv - 0.75f, hu - 0.75f, hv - 0.6f, 0.1f, Flat{Rgb(120, 105, 85)});
  p.Ellipse(hu - 0.2f, hv + 0.05f, 0.25f, 0.1f, Flat{Darker(fur, 0.25f)});
  p.Circle(hu + 0.15f, hv - 0.08f, 0.06f, Flat{kInk});
}

void PaintCableCar(Pen& p, const Item& it) {
  // Anchor: where the carriage grips the rope.
  p.Rect(-0.5f, -0.25f, 0.5f, 0.2f, Flat{kDarkSteel}, 0.1f);
  p.Line(0, 0, 0, 1.3f, 0.14f, Flat{kDarkSteel});
  const bool round = it.variant % 2;
  if (round) {
    p.Ellipse(0, 2.5f, 1.2f, 1.2f, p.Sphere(-0.3f, 2.2f, 1.3f, it.color, 0.4f));
    p.Rect(-0.9f, 1.9f, 0.9f, 2.6f, p.Gradient(1.9f, 2.6f, Rgb(200, 220, 235), Rgb(110, 130, 150)), 0.2f);
  } else {
    p.Rect(-1.3f, 1.3f, 1.3f, 3.6f, p.Gradient(1.3f, 3.6f, Lighter(it.color, 0.15f), Darker(it.color, 0.2f)), 0.2f);
    for (float u : {-0.65f, 0.65f}) p.Rect(u - 0.5f, 1.6f, u + 0.5f, 2.6f, p.Gradient(1.6f, 2.6f, Rgb(200, 220, 235), Rgb(110, 130, 150)), 0.08f);
    p.Rect(-1.3f, 3.1f, 1.3f, 3.3f, Flat{Rgb(240, 236, 226)});
  }
}

}  // namespace scenegen

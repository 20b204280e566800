// Painters for the sea floor, the space station, the railway station, the
// circus, the bedroom, the library, the garden party and the building site.
// Every painter puts its main colour on most of the object, so a recolouring
// shows, and its shape variants differ in outline, so a reshaping shows.
#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {

constexpr Color kInk = Rgb(30, 28, 30);
constexpr Color kSteel = Rgb(150, 155, 165);
constexpr Color kGold = Rgb(225, 180, 60);
constexpr Color kWhite = Rgb(245, 243, 236);
constexpr Color kDarkWood = Rgb(95, 62, 38);

// A box seen a little from above and from the right: front face, lighter
// top and darker side, `d` units deep.
void Block(Pen& p, float u0, float v0, float u1, float v1, float d, Color c) {
  p.Poly({{u0, v0}, {u0 + d, v0 - d * 0.6f}, {u1 + d, v0 - d * 0.6f}, {u1, v0}}, Flat{Lighter(c, 0.25f)});
  p.Poly({{u1, v0}, {u1 + d, v0 - d * 0.6f}, {u1 + d, v1 - d * 0.6f}, {u1, v1}}, Flat{Darker(c, 0.3f)});
  p.Rect(u0, v0, u1, v1, p.Gradient(v0, v1, c, Darker(c, 0.12f)));
}

// A curved line as short straight pieces: x(t), y(t) for t in 0..1.
template <typename PointAt>
void Curve(Pen& p, PointAt at, int pieces, float width0, float width1, Color c, float alpha = 1) {
  Point prev = at(0.0f);
  for (int i = 1; i <= pieces; ++i) {
    const float t = static_cast<float>(i) / pieces;
    const Point next = at(t);
    p.Line(prev.x, prev.y, next.x, next.y, Lerp(width0, width1, t), Flat{c}, alpha);
    prev = next;
  }
}

// Five- or six-pointed star outline around (u, v).
void Star(Pen& p, float u, float v, float r, Color c) {
  const float k = 0.45f;
  auto pt = [&](int i) {
    const float a = -1.5708f + i * 0.6283f;
    const float rr = i % 2 ? r * k : r;
    return Point{u + std::cos(a) * rr, v + std::sin(a) * rr};
  };
  p.Poly({pt(0), pt(1), pt(2), pt(3), pt(4), pt(5), pt(6), pt(7), pt(8), pt(9)}, Flat{c});
}

}  // namespace

// ---------------------------------------------------------------- sea floor

void PaintCoral(Pen& p, const Item& it) {
  Rng r(it.seed);
  const Color c = it.color, tip = Lighter(it.color, 0.35f), deep = Darker(it.color, 0.3f);
  p.Shadow(0.2f, 0, 1.8f, 0.25f, 0.3f);
  switch (it.variant % 3) {
    case 0: {  // branching
      struct Branch {
        float u, v, a, len, w;
        int depth;
      };
      Branch stack[32];
      int n = 0;
      for (int i = 0; i < 3; ++i) stack[n++] = {(i - 1) * 0.5f, 0, -1.57f + (i - 1) * 0.45f, 1.3f, 0.42f, 0};
      while (n > 0) {
        const Branch b = stack[--n];
        const float u1 = b.u + std::cos(b.a) * b.len, v1 = b.v + std::sin(b.a) * b.len;
        p.Line(b.u, b.v, u1, v1, b.w, Flat{Mix(deep, c, 0.4f + b.depth * 0.25f)});
        if (b.depth < 2 && n < 28) {
          stack[n++] = {u1, v1, b.a - r.Range(0.3f, 0.6f), b.len * 0.75f, b.w * 0.75f, b.depth + 1};
          stack[n++] = {u1, v1, b.a + r.Range(0.3f, 0.6f), b.len * 0.75f, b.w * 0.75f, b.depth + 1};
        } else {
          p.Circle(u1, v1, b.w * 0.65f, Flat{tip});
        }
      }
      break;
    }
    case 1: {  // brain coral: a dome with winding grooves
      p.Ellipse(0, -0.8f, 1.7f, 1.0f, p.Sphere(-0.2f, -1.0f, 1.6f, c, 0.15f));
      for (int i = 0; i < 5; ++i) {
        const float v = -1.5f + i * 0.32f, w = 1.5f * std::sqrt(std::max(0.05f, 1 - (v + 0.8f) * (v + 0.8f)));
        Curve(
            p,
            [&](float t) {
              return Point{-w + 2 * w * t, v + std::sin(t * 9 + i) * 0.08f};
            },
            10, 0.07f, 0.07f, deep, 0.8f);
      }
      p.Rect(-1.7f, -0.1f, 1.7f, 0.05f, Flat{deep}, 0.05f, 0.6f);
      break;
    }
    default: {  // sea fan: a flat net on a short stalk
      p.Line(0, 0, 0, -0.8f, 0.25f, Flat{deep});
      p.Poly({{-0.2f, -0.7f},
              {-1.6f, -1.6f},
              {-1.9f, -2.6f},
              {-1.2f, -3.4f},
              {0, -3.7f},
              {1.2f, -3.4f},
              {1.9f, -2.6f},
              {1.6f, -1.6f},
              {0.2f, -0.7f}},
             p.Mottle(c, 0.3f, 0.25f, it.seed), 0.85f);
      for (int i = 0; i < 7; ++i) {
        const float a = -2.7f + i * 0.23f;
        p.Line(0, -0.8f, std::cos(a) * 2.7f, -0.8f + std::sin(a) * 2.8f, 0.08f, Flat{tip}, 0.9f);
      }
      for (float k : {0.45f, 0.7f}) {
        Curve(
            p,
            [&](float t) {
              const float a = -2.75f + t * 2.4f;
              return Point{std::cos(a) * 2.7f * k, -0.8f + std::sin(a) * 2.8f * k};
            },
            8, 0.07f, 0.07f, tip, 0.8f);
      }
    }
  }
}

void PaintSeaweed(Pen& p, const Item& it) {
  Rng r(it.seed);
  const Color c = it.color;
  if (it.variant % 2 == 0) {  // tall kelp with leaves along it
    for (int s = 0; s < 3; ++s) {
      const float base = (s - 1) * 0.35f, h = 5.0f + s % 2 * 1.2f, phase = r.Range(0, 6);
      auto at = [&](float t) { return Point{base + std::sin(t * 5 + phase) * 0.35f * t, -t * h}; };
      Curve(p, at, 12, 0.34f, 0.16f, Mix(Darker(c, 0.15f), c, s * 0.4f));
      for (int l = 1; l < 6; ++l) {
        const Point q = at(l / 6.0f);
        const float side = l % 2 ? 1.0f : -1.0f;
        p.Ellipse(q.x + side * 0.42f, q.y, 0.5f, 0.2f, Flat{Lighter(c, 0.12f)});
      }
    }
  } else {  // a low bushy clump of blades
    for (int s = 0; s < 9; ++s) {
      const float base = (s - 4) * 0.18f, lean = (s - 4) * 0.22f + r.Range(-0.2f, 0.2f), h = r.Range(1.6f, 2.6f);
      Curve(
          p,
          [&](float t) {
            return Point{base + lean * t + std::sin(t * 4) * 0.15f, -t * h};
          },
          6, 0.3f, 0.08f, Mix(Darker(c, 0.25f), Lighter(c, 0.15f), s % 3 * 0.5f));
    }
  }
}

void PaintJellyfish(Pen& p, const Item& it) {
  // Anchor: the middle of the bell's rim; it floats.
  const Color c = it.color;
  const bool tall = it.variant % 2 == 1;
  const float h = tall ? 1.6f : 1.0f, len = tall ? 2.6f : 1.7f;
  for (int i = 0; i < 5; ++i) {
    const float u0 = -0.8f + i * 0.4f, ph = i * 1.3f;
    Curve(
        p,
        [&](float t) {
          return Point{u0 + std::sin(t * 6 + ph) * 0.18f, 0.05f + t * len};
        },
        8, 0.1f, 0.04f, Lighter(c, 0.3f), 0.75f);
  }
  if (tall)
    for (float u : {-0.25f, 0.25f})
      Curve(
          p,
          [&](float t) {
            return Point{u + std::sin(t * 3 + u) * 0.3f, t * 2.0f};
          },
          8, 0.3f, 0.1f, c, 0.85f);
  p.Ellipse(0, 0, 1.2f, h, p.Sphere(-0.2f, -h * 0.5f, 1.2f, c, 0.5f), 0.85f);
  p.Ellipse(0, 0.02f, 1.2f, 0.18f, Flat{Lighter(c, 0.45f)}, 0.9f);
}

void PaintStarfish(Pen& p, const Item& it) {
  // Lying on the sand, seen from above at a slant.
  const float fat = it.variant % 2 ? 0.62f : 0.28f, arms = it.variant % 2 ? 1.15f : 1.4f;
  auto pt = [&](int i) {
    const float a = -1.5708f + i * 0.6283f + 0.2f;
    const float rr = i % 2 ? fat : arms;
    return Point{std::cos(a) * rr, -0.6f + std::sin(a) * rr * 0.6f};
  };
  p.Shadow(0.1f, 0.05f, 1.2f, 0.25f, 0.3f);
  p.Poly({pt(0), pt(1), pt(2), pt(3), pt(4), pt(5), pt(6), pt(7), pt(8), pt(9)},
         p.Sphere(-0.2f, -0.8f, 1.3f, it.color, 0.2f));
  Rng r(it.seed);
  for (int i = 0; i < 7; ++i)
    p.Circle(r.Range(-0.5f, 0.5f), -0.6f + r.Range(-0.25f, 0.25f), 0.06f, Flat{Lighter(it.color, 0.5f)});
}

void PaintTreasureChest(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.9f, 0.25f);
  const Color wood = it.color;
  p.Rect(-1.5f, -1.4f, 1.5f, 0, [&](float px, float py) {
    const float plank = std::fmod(py - p.Y(-1.4f), p.L(0.45f)) < 1.0f ? 0.75f : 1.0f;
    return wood * plank * (0.85f + 0.25f * ValueNoise(px * 0.4f, py * 0.08f, it.seed));
  });
  if (it.variant % 2 == 0) {  // closed: a rounded lid
    p.Ellipse(0, -1.4f, 1.5f, 0.7f, p.Sphere(-0.3f, -1.8f, 1.6f, Lighter(wood, 0.1f), 0.15f));
    p.Rect(-1.5f, -1.45f, 1.5f, -1.3f, Flat{Darker(wood, 0.35f)});
  } else {  // open: the lid stands up and gold shows
    p.Rect(-1.5f, -3.0f, 1.5f, -1.5f, p.Gradient(-3.0f, -1.5f, Darker(wood, 0.35f), Darker(wood, 0.15f)), 0.3f);
    for (int i = 0; i < 6; ++i) {
      const float u = -1.1f + i * 0.45f;
      p.Circle(u, -1.5f - (i % 2) * 0.15f, 0.3f, p.Sphere(u, -1.6f, 0.3f, kGold, 0.7f));
    }
  }
  for (float u : {-1.1f, 1.1f}) p.Rect(u - 0.14f, -1.45f, u + 0.14f, 0, Flat{it.accent});
  p.Rect(-0.22f, -1.25f, 0.22f, -0.75f, Flat{it.accent}, 0.05f);
}

void PaintCrab(Pen& p, const Item& it) {
  p.Shadow(0, 0, 1.6f, 0.2f, 0.3f);
  const Color c = it.color, dark = Darker(c, 0.3f);
  for (float side : {-1.0f, 1.0f})
    for (int i = 0; i < 3; ++i) {
      const float u = side * (0.6f + i * 0.2f);
      p.Line(u, -0.5f, u + side * 0.5f, -0.7f + i * 0.1f, 0.12f, Flat{dark});
      p.Line(u + side * 0.5f, -0.7f + i * 0.1f, u + side * 0.75f, 0, 0.1f, Flat{dark});
    }
  const bool up = it.variant % 2 == 1;
  for (float side : {-1.0f, 1.0f}) {
    const float cu = side * (up ? 1.2f : 1.45f), cv = up ? -2.2f : -0.75f;
    p.Line(side * 0.6f, -0.75f, cu, cv + 0.3f, 0.2f, Flat{dark});
    p.Ellipse(cu, cv, 0.5f, 0.38f, p.Sphere(cu, cv, 0.5f, c, 0.4f));
    p.Poly({{cu + side * 0.1f, cv - 0.1f}, {cu + side * 0.45f, cv - 0.45f}, {cu + side * 0.2f, cv - 0.05f}},
           Flat{dark});
  }
  p.Ellipse(0, -0.65f, 0.95f, 0.5f, p.Sphere(-0.2f, -0.85f, 1.0f, c, 0.3f));
  for (float u : {-0.25f, 0.25f}) {
    p.Line(u, -1.05f, u, -1.35f, 0.06f, Flat{dark});
    p.Circle(u, -1.4f, 0.1f, Flat{kInk});
  }
}

// ------------------------------------------------------------- space station

void PaintConsole(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.8f, 0.25f);
  const Color body = it.color;
  p.Rect(-2.5f, -1.6f, 2.5f, 0, p.Gradient(-1.6f, 0, body, Darker(body, 0.35f)), 0.1f);
  p.Poly({{-2.7f, -1.6f}, {2.7f, -1.6f}, {2.3f, -2.3f}, {-2.3f, -2.3f}}, Flat{Lighter(body, 0.2f)});
  Rng r(it.seed);
  constexpr Color kLights[] = {Rgb(240, 70, 60), Rgb(90, 220, 110), Rgb(250, 210, 60), Rgb(80, 170, 250)};
  for (int i = 0; i < 8; ++i) p.Circle(-2.0f + i * 0.55f, -1.95f, 0.12f, Flat{kLights[static_cast<int>(r.Next() % 4)]});
  auto screen = [&](float u0, float u1, float top) {
    p.Rect(u0 - 0.1f, top - 0.1f, u1 + 0.1f, -2.2f, Flat{Rgb(40, 44, 52)}, 0.08f);
    p.Rect(u0, top, u1, -2.35f, p.Gradient(top, -2.35f, Rgb(40, 120, 150), Rgb(20, 60, 90)));
    for (int k = 0; k < 4; ++k) {
      const float v = top + 0.3f + k * 0.3f;
      if (v < -2.45f)
        p.Line(u0 + 0.2f, v, u0 + 0.2f + (u1 - u0 - 0.4f) * r.Range(0.3f, 1.0f), v, 0.08f, Flat{Rgb(140, 240, 220)},
               0.9f);
    }
  };
  if (it.variant % 2 == 0) {
    screen(-1.8f, 1.8f, -4.2f);
  } else {
    screen(-2.2f, -0.2f, -3.6f);
    screen(0.2f, 2.2f, -3.6f);
  }
  p.Rect(-1.6f, -1.2f, -0.4f, -0.5f, Flat{Darker(body, 0.45f)}, 0.1f);
  p.Rect(0.4f, -1.2f, 1.6f, -0.5f, Flat{Darker(body, 0.45f)}, 0.1f);
}

void PaintAstronaut(Pen& p, const Item& it) {
  // Anchor: between the boots. The suit takes the main colour.
  p.Shadow(0, 0, 1.3f, 0.2f);
  const Color suit = it.color, fold = Darker(suit, 0.2f);
  p.Rect(-0.85f, -3.4f, 0.85f, -1.5f, p.Cylinder(0, 0.85f, suit, 0.25f), 0.35f);
  p.Rect(-1.25f, -3.2f, -0.75f, -2.0f, Flat{Darker(suit, 0.35f)}, 0.2f);  // backpack edge
  for (float u : {-0.45f, 0.45f}) {
    p.Rect(u - 0.32f, -1.7f, u + 0.32f, -0.25f, p.Cylinder(u, 0.32f, fold, 0.2f), 0.15f);
    p.Rect(u - 0.38f, -0.4f, u + 0.38f, 0, Flat{Rgb(70, 72, 80)}, 0.12f);
  }
  p.Line(-0.8f, -3.1f, -1.15f, -1.9f, 0.45f, Flat{fold});
  if (it.variant % 2)
    p.Line(0.8f, -3.1f, 1.5f, -4.2f, 0.45f, Flat{suit}), p.Circle(1.55f, -4.35f, 0.28f, Flat{Rgb(220, 220, 225)});
  else
    p.Line(0.8f, -3.1f, 1.15f, -1.9f, 0.45f, Flat{suit});
  p.Rect(-0.4f, -2.9f, 0.4f, -2.4f, Flat{Rgb(60, 65, 80)}, 0.05f);
  p.Circle(-0.2f, -2.65f, 0.08f, Flat{Rgb(240, 60, 60)});
  p.Circle(0.15f, -2.65f, 0.08f, Flat{Rgb(70, 200, 90)});
  p.Circle(0, -4.1f, 0.85f, p.Sphere(0, -4.1f, 0.85f, Lighter(suit, 0.1f), 0.3f));
  p.Ellipse(0.1f, -4.1f, 0.6f, 0.45f, p.Sphere(0, -4.3f, 0.7f, it.accent, 0.8f));
}

void PaintRobot(Pen& p, const Item& it) {
  p.Shadow(0, 0, 1.5f, 0.22f);
  const Color c = it.color;
  const bool dome = it.variant % 2 == 1;
  if (dome) {
    p.Ellipse(0, -0.35f, 1.0f, 0.35f, Flat{Rgb(50, 50, 55)});
    p.Circle(-0.55f, -0.35f, 0.3f, Flat{Rgb(30, 30, 32)});
    p.Circle(0.55f, -0.35f, 0.3f, Flat{Rgb(30, 30, 32)});
  } else {
    for (float u : {-0.45f, 0.45f}) p.Rect(u - 0.2f, -1.0f, u + 0.2f, 0, Flat{kSteel}, 0.05f);
  }
  p.Rect(-1.0f, -2.9f, 1.0f, -0.7f, p.Cylinder(0, 1.0f, c, 0.3f), 0.25f);
  p.Rect(-0.55f, -2.4f, 0.55f, -1.5f, Flat{Rgb(40, 45, 55)}, 0.1f);
  for (int i = 0; i < 3; ++i) p.Rect(-0.4f, -2.25f + i * 0.27f, 0.4f, -2.15f + i * 0.27f, Flat{Rgb(90, 230, 150)});
  for (float side : {-1.0f, 1.0f}) p.Line(side * 1.05f, -2.6f, side * 1.45f, -1.5f, 0.22f, Flat{kSteel});
  if (dome) {
    p.Ellipse(0, -3.0f, 0.85f, 0.85f, p.Sphere(0, -3.3f, 0.85f, Lighter(c, 0.15f), 0.5f));
  } else {
    p.Rect(-0.75f, -4.2f, 0.75f, -2.95f, p.Cylinder(0, 0.75f, Lighter(c, 0.1f), 0.3f), 0.15f);
  }
  for (float u : {-0.3f, 0.3f}) p.Circle(u, -3.45f, 0.16f, Flat{Rgb(120, 230, 255)});
  p.Line(0, -4.1f, 0.25f, -4.7f, 0.07f, Flat{kSteel});
  p.Circle(0.25f, -4.75f, 0.12f, Flat{Rgb(250, 80, 60)});
}

void PaintPlanet(Pen& p, const Item& it) {
  // Anchor: the planet's centre, out in space.
  const Color c = it.color;
  const bool ringed = it.variant % 2 == 1;
  if (ringed) p.Ellipse(0, 0, 2.3f, 0.55f, Flat{Mix(it.accent, c, 0.3f)});
  const float cx = p.X(0), cy = p.Y(0), rr = p.L(1.0f);
  p.Circle(0, 0, 1.0f, [=](float px, float py) {
    const float band = std::sin((py - cy) / rr * 7.0f + Fbm(px / rr * 2, py / rr * 2, it.seed, 3) * 3.0f);
    const Color base = Mix(c, it.accent, 0.25f + 0.25f * band);
    return SphereShade{base, cx, cy, rr, 0.15f}(px, py);
  });
  if (ringed) {
    // The front half of the ring passes over the planet.
    p.Poly({{-2.3f, 0}, {-1.7f, 0.38f}, {0, 0.55f}, {1.7f, 0.38f}, {2.3f, 0}, {1.6f, 0.2f}, {0, 0.3f}, {-1.6f, 0.2f}},
           Flat{Lighter(it.accent, 0.2f)});
  }
}

void PaintRocket(Pen& p, const Item& it) {
  // Anchor: the base of the rocket body; it flies upwards.
  const Color c = it.color;
  const bool three = it.variant % 2 == 1;
  p.Ellipse(0, 0.9f, 0.35f, 0.9f, p.Gradient(0, 1.8f, Rgb(255, 240, 170), Rgb(255, 120, 40)), 0.9f, 1.0f);
  for (float side : {-1.0f, 1.0f})
    p.Poly({{side * 0.5f, -1.2f}, {side * 1.1f, 0.2f}, {side * 0.5f, -0.1f}}, Flat{Darker(c, 0.15f)});
  if (three)
    for (float side : {-1.0f, 1.0f}) {
      p.Rect(side * 0.85f - 0.28f, -2.2f, side * 0.85f + 0.28f, 0.2f, p.Cylinder(side * 0.85f, 0.28f, c, 0.3f), 0.1f);
      p.Poly({{side * 0.85f - 0.28f, -2.15f}, {side * 0.85f, -2.9f}, {side * 0.85f + 0.28f, -2.15f}},
             Flat{Lighter(c, 0.3f)});
    }
  p.Rect(-0.5f, -3.2f, 0.5f, 0, p.Cylinder(0, 0.5f, Rgb(235, 235, 230), 0.4f), 0.1f);
  p.Poly({{-0.5f, -3.15f}, {0, three ? -4.6f : -4.1f}, {0.5f, -3.15f}}, p.Cylinder(0, 0.5f, c, 0.3f));
  p.Rect(-0.5f, -1.0f, 0.5f, -0.6f, Flat{c});
  p.Circle(0, -2.3f, 0.25f, Flat{Rgb(90, 90, 100)});
  p.Circle(0, -2.3f, 0.17f, p.Sphere(0, -2.3f, 0.17f, Rgb(120, 190, 240), 0.7f));
}

void PaintSatellite(Pen& p, const Item& it) {
  // Anchor: the satellite's centre.
  const Color c = it.color;
  const float span = it.variant % 2 ? 1.6f : 2.6f;
  for (float side : {-1.0f, 1.0f}) {
    p.Line(side * 0.5f, 0, side * 0.9f, 0, 0.1f, Flat{kSteel});
    const float a = side * 0.9f, b = side * (0.9f + span);
    p.Rect(std::min(a, b), -0.45f, std::max(a, b), 0.45f, Flat{Rgb(40, 60, 130)});
    for (float k = 0.5f; k < span; k += 0.5f)
      p.Line(a + side * k, -0.45f, a + side * k, 0.45f, 0.05f, Flat{Rgb(140, 170, 220)});
    p.Line(a, 0, b, 0, 0.05f, Flat{Rgb(140, 170, 220)});
  }
  p.Rect(-0.6f, -0.7f, 0.6f, 0.7f, p.Cylinder(0, 0.6f, c, 0.5f), 0.1f);
  if (it.variant % 2) {
    p.Line(0, -0.7f, 0, -1.2f, 0.08f, Flat{kSteel});
    p.Ellipse(0, -1.35f, 0.8f, 0.3f, p.Sphere(0, -1.5f, 0.8f, Rgb(230, 230, 235), 0.4f));
  }
}

// ------------------------------------------------------------ railway station

void PaintLocomotive(Pen& p, const Item& it) {
  // Seen from the side, facing right; anchor on the rail under its middle.
  p.Ellipse(0, -0.1f, 4.6f, 0.3f, Flat{{0.05f, 0.05f, 0.05f}}, 0.35f, 1.5f);
  const Color c = it.color, dark = Darker(c, 0.35f);
  if (it.variant % 2 == 0) {  // steam
    p.Rect(-4.2f, -1.3f, 4.4f, -0.7f, Flat{Rgb(40, 38, 40)});
    p.Rect(-1.6f, -3.4f, 3.9f, -1.3f, p.Cylinder(1.0f, 1.0f, c, 0.3f), 1.0f);
    p.Rect(-4.2f, -4.4f, -1.5f, -1.3f, p.Gradient(-4.4f, -1.3f, c, dark), 0.1f);
    p.Rect(-4.4f, -4.7f, -1.3f, -4.3f, Flat{kInk}, 0.1f);
    p.Rect(-3.6f, -3.9f, -2.2f, -2.9f, Flat{Rgb(230, 215, 160)}, 0.1f);
    p.Rect(2.7f, -4.5f, 3.3f, -3.3f, Flat{kInk});
    p.Rect(2.55f, -4.8f, 3.45f, -4.45f, Flat{kInk}, 0.1f);
    p.Ellipse(0.9f, -3.5f, 0.45f, 0.35f, Flat{kGold});
    p.Circle(3.7f, -0.9f, 0.55f, Flat{Rgb(40, 38, 40)});
    for (float u : {-2.8f, -0.9f, 1.0f}) {
      p.Circle(u, -0.85f, 0.85f, Flat{Darker(c, 0.5f)});
      p.Circle(u, -0.85f, 0.6f, Flat{Rgb(60, 55, 55)});
      p.Circle(u, -0.85f, 0.15f, Flat{kSteel});
    }
    p.Line(-2.8f, -0.7f, 1.0f, -0.7f, 0.15f, Flat{kSteel});
  } else {  // electric
    p.Rect(-4.3f, -4.0f, 4.3f, -1.0f, p.Gradient(-4.0f, -1.0f, Lighter(c, 0.1f), dark), 0.3f);
    p.Rect(-4.3f, -1.8f, 4.3f, -1.5f, Flat{Rgb(240, 240, 235)});
    for (float u : {-3.6f, 2.8f}) p.Rect(u, -3.6f, u + 0.8f, -2.5f, Flat{Rgb(150, 190, 220)}, 0.1f);
    for (float u : {-1.6f, -0.4f, 0.8f}) p.Rect(u, -3.4f, u + 0.7f, -2.8f, Flat{Darker(c, 0.2f)}, 0.05f);
    p.Line(-1.0f, -4.0f, 0, -5.2f, 0.1f, Flat{kInk});
    p.Line(0, -5.2f, 1.0f, -4.0f, 0.1f, Flat{kInk});
    p.Line(-0.7f, -5.2f, 0.7f, -5.2f, 0.12f, Flat{kInk});
    for (float u : {-3.2f, -2.0f, 2.0f, 3.2f}) {
      p.Circle(u, -0.75f, 0.5f, Flat{Rgb(45, 42, 44)});
      p.Circle(u, -0.75f, 0.15f, Flat{kSteel});
    }
  }
}

void PaintCoach(Pen& p, const Item& it) {
  p.Ellipse(0, -0.1f, 4.6f, 0.3f, Flat{{0.05f, 0.05f, 0.05f}}, 0.35f, 1.5f);
  const Color c = it.color;
  p.Rect(-4.4f, -4.2f, 4.4f, -1.0f, p.Gradient(-4.2f, -1.0f, Lighter(c, 0.1f), Darker(c, 0.3f)), 0.25f);
  p.Rect(-4.5f, -4.5f, 4.5f, -4.1f, Flat{Rgb(110, 110, 115)}, 0.3f);
  if (it.variant % 2 == 0) {
    for (int i = 0; i < 6; ++i)
      p.Rect(-3.9f + i * 1.35f, -3.6f, -3.0f + i * 1.35f, -2.5f,
             p.Gradient(-3.6f, -2.5f, Rgb(200, 225, 240), Rgb(90, 120, 140)), 0.15f);
  } else {
    p.Rect(-4.4f, -2.3f, 4.4f, -1.9f, Flat{Lighter(c, 0.55f)});
    for (int i = 0; i < 3; ++i)
      p.Rect(-3.6f + i * 1.3f, -3.6f, -2.4f + i * 1.3f, -2.6f, Flat{Rgb(170, 200, 220)}, 0.1f);
    p.Rect(0.5f, -3.8f, 1.5f, -1.1f, Flat{Darker(c, 0.3f)}, 0.1f);
    p.Rect(2.2f, -3.6f, 3.6f, -2.6f, Flat{Rgb(170, 200, 220)}, 0.1f);
  }
  for (float u : {-3.3f, -2.3f, 2.3f, 3.3f}) {
    p.Circle(u, -0.7f, 0.45f, Flat{Rgb(45, 42, 44)});
    p.Circle(u, -0.7f, 0.13f, Flat{kSteel});
  }
}

void PaintSuitcase(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.3f, 0.18f);
  const Color c = it.color;
  if (it.variant % 2 == 0) {  // upright case with a handle on top
    p.Rect(-0.35f, -2.3f, 0.35f, -1.8f, Flat{kInk}, 0.15f);
    p.Rect(-0.2f, -2.15f, 0.2f, -1.9f, Flat{c});
    p.Rect(-1.0f, -1.95f, 1.0f, 0, p.Cylinder(0, 1.0f, c, 0.2f), 0.18f);
    for (float u : {-0.55f, 0.55f}) p.Rect(u - 0.09f, -1.95f, u + 0.09f, 0, Flat{Darker(c, 0.35f)});
  } else {  // a wide travelling bag
    p.Line(-0.6f, -1.3f, 0, -1.8f, 0.12f, Flat{kInk});
    p.Line(0, -1.8f, 0.6f, -1.3f, 0.12f, Flat{kInk});
    p.Ellipse(0, -0.6f, 1.5f, 0.75f, p.Sphere(-0.3f, -0.9f, 1.5f, c, 0.2f));
    p.Rect(-1.5f, -0.7f, 1.5f, 0, p.Gradient(-0.7f, 0, c, Darker(c, 0.25f)), 0.3f);
    p.Line(-1.3f, -0.75f, 1.3f, -0.75f, 0.08f, Flat{kGold});
  }
}

void PaintRailSignal(Pen& p, const Item& it) {
  const Color c = it.color;
  p.Rect(-0.3f, -0.4f, 0.3f, 0, Flat{Rgb(90, 90, 95)});
  p.Rect(-0.12f, -6.0f, 0.12f, -0.3f, p.Cylinder(0, 0.12f, Rgb(70, 72, 78), 0.3f));
  if (it.variant % 2 == 0) {  // light signal
    p.Rect(-0.6f, -7.6f, 0.6f, -5.0f, p.Cylinder(0, 0.6f, c, 0.25f), 0.3f);
    p.Circle(0, -7.0f, 0.33f, Flat{Rgb(250, 70, 50)});
    p.Circle(0, -6.1f, 0.33f, Flat{Rgb(40, 60, 45)});
    p.Circle(0, -5.4f, 0.2f, Flat{Rgb(250, 220, 120)});
  } else {  // semaphore arm
    p.Rect(-0.25f, -6.5f, 0.25f, -5.9f, Flat{Rgb(70, 72, 78)});
    p.Poly({{0.2f, -6.4f}, {3.0f, -7.3f}, {3.05f, -6.85f}, {0.2f, -5.95f}}, Flat{c});
    p.Poly({{1.6f, -6.85f}, {2.1f, -7.0f}, {2.15f, -6.55f}, {1.65f, -6.4f}}, Flat{kWhite});
    p.Circle(0, -6.2f, 0.25f, Flat{kInk});
  }
}

// --------------------------------------------------------------------- circus

void PaintPodium(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.0f, 0.3f);
  const bool tall = it.variant % 2 == 1;
  auto drum = [&](float r, float v0, float v1) {
    const float cx = p.X(0), hw = p.L(r);
    p.Rect(-r, v0, r, v1, [=](float px, float py) {
      const int stripe = static_cast<int>(std::floor((px - cx) / hw * 3 + 10));
      const Color base = stripe % 2 ? it.color : it.accent;
      return CylinderShade{base, cx, hw, 0.3f}(px, py);
    });
    p.Ellipse(0, v1, r, r * 0.25f, Flat{Darker(it.color, 0.3f)});
    p.Ellipse(0, v0, r, r * 0.25f, p.Gradient(v0 - r * 0.25f, v0 + r * 0.25f, Lighter(it.color, 0.4f), it.color));
  };
  if (tall) {
    drum(1.7f, -1.3f, 0);
    drum(1.1f, -2.6f, -1.3f);
    Star(p, 0, -1.9f, 0.4f, kGold);
  } else {
    drum(2.0f, -1.5f, 0);
    Star(p, 0, -0.75f, 0.55f, kGold);
  }
}

void PaintElephant(Pen& p, const Item& it) {
  // Side view facing right; the blanket on its back takes the accent.
  p.Shadow(0.2f, 0, 3.0f, 0.35f);
  const Color c = it.color, dark = Darker(c, 0.2f);
  for (float u : {-1.6f, 1.0f}) p.Rect(u - 0.45f, -2.0f, u + 0.45f, 0, p.Cylinder(u, 0.45f, dark, 0.1f), 0.2f);
  p.Line(-2.4f, -2.6f, -2.9f, -1.4f, 0.12f, Flat{dark});
  p.Ellipse(-0.3f, -2.5f, 2.3f, 1.45f, p.Sphere(-0.6f, -3.0f, 2.3f, c, 0.1f));
  const bool rearing = it.variant % 2 == 1;
  p.Rect(-1.55f, -2.0f, -0.65f, 0, p.Cylinder(-1.1f, 0.45f, c, 0.1f), 0.2f);
  if (rearing) {
    p.Line(1.3f, -2.0f, 2.3f, -1.2f, 0.9f, Flat{c});
  } else {
    p.Rect(1.05f, -2.0f, 1.95f, 0, p.Cylinder(1.5f, 0.45f, c, 0.1f), 0.2f);
  }
  p.Poly({{-1.5f, -3.7f}, {0.9f, -3.7f}, {1.1f, -2.2f}, {-1.7f, -2.2f}}, Flat{it.accent}, 0.95f);
  p.Rect(-1.7f, -2.4f, 1.1f, -2.2f, Flat{kGold});
  p.Circle(2.0f, -3.3f, 1.05f, p.Sphere(1.8f, -3.6f, 1.05f, c, 0.1f));
  p.Ellipse(1.6f, -3.2f, 0.7f, 0.9f, Flat{dark});
  if (it.variant % 2 == 0) {
    Curve(
        p,
        [](float t) {
          return Point{2.8f + t * 0.4f, -3.0f + t * 2.6f};
        },
        6, 0.45f, 0.22f, c);
  } else {
    Curve(
        p,
        [](float t) {
          return Point{2.8f + std::sin(t * 2.2f) * 1.2f, -3.0f - std::sin(t * 2.8f) * 1.8f};
        },
        8, 0.45f, 0.2f, c);
  }
  p.Circle(2.35f, -3.6f, 0.1f, Flat{kInk});
  p.Line(2.6f, -2.7f, 3.1f, -2.4f, 0.12f, Flat{kWhite});
}

void PaintPennant(Pen& p, const Item& it) {
  // A string of flags; anchor at the left end of the string.
  const int flags = 5;
  auto at = [](float t) { return Point{t * 8.0f, std::sin(t * 3.14159f) * 1.1f}; };
  Curve(p, at, 10, 0.06f, 0.06f, Rgb(60, 55, 50));
  for (int i = 0; i < flags; ++i) {
    const Point a = at((i + 0.15f) / flags), b = at((i + 0.85f) / flags);
    const Color c = i % 2 ? it.accent : it.color;
    const float mu = (a.x + b.x) * 0.5f, mv = (a.y + b.y) * 0.5f;
    if (it.variant % 2 == 0)
      p.Poly({a, b, {mu, mv + 1.5f}}, p.Gradient(mv, mv + 1.5f, c, Darker(c, 0.2f)));
    else
      p.Poly({a, b, {b.x, b.y + 1.3f}, {mu, mv + 0.8f}, {a.x, a.y + 1.3f}},
             p.Gradient(mv, mv + 1.3f, c, Darker(c, 0.2f)));
  }
}

void PaintCircusTent(Pen& p, const Item& it) {
  p.Shadow(0.5f, 0, 4.0f, 0.35f, 0.3f);
  const float cx = p.X(0), hw = p.L(3.0f);
  auto stripes = [=](float px, float py) {
    const int s = static_cast<int>(std::floor((px - cx) / hw * 4 + 20));
    const Color base = s % 2 ? it.color : kWhite;
    return CylinderShade{base, cx, hw, 0.2f}(px, py);
  };
  p.Rect(-3.0f, -3.0f, 3.0f, 0, stripes);
  p.Poly({{-0.6f, 0}, {0.6f, 0}, {0.4f, -1.9f}, {-0.4f, -1.9f}}, Flat{Rgb(40, 25, 25)});
  if (it.variant % 2 == 0) {
    p.Poly({{-3.4f, -2.9f}, {0, -6.5f}, {3.4f, -2.9f}}, stripes);
    p.Line(0, -6.5f, 0, -7.5f, 0.08f, Flat{kInk});
    p.Poly({{0, -7.5f}, {0.9f, -7.2f}, {0, -6.9f}}, Flat{it.accent});
  } else {
    p.Poly({{-3.4f, -2.9f}, {-1.6f, -5.4f}, {0, -4.3f}, {1.6f, -5.4f}, {3.4f, -2.9f}}, stripes);
    for (float u : {-1.6f, 1.6f}) {
      p.Line(u, -5.4f, u, -6.3f, 0.08f, Flat{kInk});
      p.Poly({{u, -6.3f}, {u + 0.8f, -6.05f}, {u, -5.8f}}, Flat{it.accent});
    }
  }
  for (int i = 0; i < 7; ++i) {
    const float u = -3.2f + i * 1.07f;
    p.Circle(u, -2.95f, 0.28f, Flat{it.accent});
  }
}

void PaintHoop(Pen& p, const Item& it) {
  p.Shadow(0, 0, 1.5f, 0.2f);
  p.Line(-0.9f, 0, 0, -1.0f, 0.15f, Flat{kSteel});
  p.Line(0.9f, 0, 0, -1.0f, 0.15f, Flat{kSteel});
  const float cx = p.X(0), cy = p.Y(-3.0f), r = p.L(2.0f);
  const bool striped = it.variant % 2 == 0;
  p.canvas().Fill(
      cx - r - p.L(0.3f), cy - r - p.L(0.3f), cx + r + p.L(0.3f), cy + r + p.L(0.3f),
      [=, w = p.L(0.22f)](float px, float py) { return std::fabs(std::hypot(px - cx, py - cy) - r) - w; },
      [=](float px, float py) {
        const float a = std::atan2(py - cy, px - cx);
        const bool band = striped && static_cast<int>(std::floor(a / 3.14159f * 8 + 16)) % 2 == 0;
        return band ? kWhite : it.color;
      });
  if (!striped)
    for (int i = 0; i < 6; ++i) {
      const float a = 0.5f + i * 0.4f, u = std::cos(a) * 2.0f, v = -3.0f + std::sin(a) * 2.0f;
      Curve(
          p,
          [&](float t) {
            return Point{u + std::sin(t * 5 + i) * 0.2f, v + t * 1.2f};
          },
          5, 0.16f, 0.08f, it.accent);
    }
}

// -------------------------------------------------------------------- bedroom

void PaintBed(Pen& p, const Item& it) {
  // A bed seen from its foot end at a slant; the cover takes the main colour.
  p.Shadow(0.5f, 0, 5.5f, 0.5f, 0.4f);
  const Color wood = it.accent;
  p.Rect(-5.0f, -6.0f, 5.0f, -2.2f, p.Gradient(-6.0f, -2.2f, Lighter(wood, 0.15f), Darker(wood, 0.2f)), 1.2f);
  p.Rect(-5.2f, -2.6f, 5.2f, -0.4f, Flat{Rgb(235, 232, 225)}, 0.3f);
  for (float u : {-2.6f, 2.6f}) p.Ellipse(u, -3.0f, 2.0f, 0.75f, p.Sphere(u, -3.3f, 2.0f, Rgb(248, 246, 240), 0.2f));
  p.Poly({{-5.3f, -2.5f}, {5.3f, -2.5f}, {5.6f, -0.2f}, {-5.6f, -0.2f}}, [&](float px, float py) {
    Color c = it.color * (0.9f + 0.15f * std::sin(px * 0.08f + py * 0.02f));
    if (it.variant % 2) {
      const int cell = static_cast<int>(std::floor((px - p.X(0)) / p.L(1.4f) + 50)) +
                       static_cast<int>(std::floor((py - p.Y(0)) / p.L(0.8f) + 50));
      if (cell % 2) c = Lighter(c, 0.3f);
    }
    return c;
  });
  p.Rect(-5.6f, -0.35f, 5.6f, 0.45f, p.Gradient(-0.35f, 0.45f, Darker(it.color, 0.1f), Darker(it.color, 0.4f)), 0.2f);
  for (float u : {-5.4f, 5.4f}) p.Rect(u - 0.3f, -0.2f, u + 0.3f, 0.8f, Flat{Darker(wood, 0.3f)}, 0.1f);
}

void PaintTeddyBear(Pen& p, const Item& it) {
  p.Shadow(0.1f, 0, 1.4f, 0.2f);
  const Color fur = it.color, muzzle = Lighter(fur, 0.45f);
  for (float u : {-0.7f, 0.7f}) p.Ellipse(u, -0.35f, 0.45f, 0.38f, p.Sphere(u, -0.45f, 0.45f, fur, 0.1f));
  p.Ellipse(0, -1.2f, 0.9f, 1.0f, p.Sphere(-0.2f, -1.4f, 1.0f, fur, 0.1f));
  p.Ellipse(0, -1.0f, 0.5f, 0.55f, Flat{muzzle}, 0.7f);
  for (float u : {-0.95f, 0.95f}) p.Ellipse(u, -1.35f, 0.3f, 0.55f, p.Sphere(u, -1.5f, 0.4f, fur, 0.1f));
  const float ear = it.variant % 2 ? 0.42f : 0.28f;
  for (float u : {-0.55f, 0.55f}) {
    p.Circle(u, -2.75f, ear, p.Sphere(u, -2.8f, ear, fur, 0.1f));
    p.Circle(u, -2.75f, ear * 0.55f, Flat{muzzle});
  }
  p.Circle(0, -2.35f, 0.7f, p.Sphere(-0.15f, -2.5f, 0.7f, fur, 0.12f));
  p.Ellipse(0, -2.15f, 0.32f, 0.24f, Flat{muzzle});
  p.Ellipse(0, -2.25f, 0.12f, 0.08f, Flat{kInk});
  for (float u : {-0.25f, 0.25f}) p.Circle(u, -2.5f, 0.08f, Flat{kInk});
  if (it.variant % 2 == 0) {
    p.Poly({{0, -1.75f}, {-0.45f, -1.95f}, {-0.45f, -1.55f}}, Flat{it.accent});
    p.Poly({{0, -1.75f}, {0.45f, -1.95f}, {0.45f, -1.55f}}, Flat{it.accent});
  } else {
    p.Circle(0.35f, -0.9f, 0.2f, Flat{it.accent});
  }
}

void PaintDresser(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 2.4f, 0.25f);
  const Color c = it.color;
  const int drawers = it.variant % 2 ? 4 : 3;
  const float h = drawers == 4 ? 3.8f : 3.0f;
  for (float u : {-1.9f, 1.9f}) p.Rect(u - 0.15f, -0.4f, u + 0.15f, 0, Flat{Darker(c, 0.4f)});
  p.Rect(-2.2f, -h - 0.3f, 2.2f, -0.3f, Flat{Darker(c, 0.25f)}, 0.05f);
  p.Rect(-2.4f, -h - 0.5f, 2.4f, -h - 0.25f, Flat{Lighter(c, 0.15f)}, 0.08f);
  for (int i = 0; i < drawers; ++i) {
    const float v0 = -h - 0.15f + i * (h - 0.1f) / drawers, v1 = v0 + (h - 0.1f) / drawers - 0.12f;
    p.Rect(-2.0f, v0, 2.0f, v1, p.Gradient(v0, v1, Lighter(c, 0.08f), Darker(c, 0.08f)), 0.05f);
    for (float u : {-0.9f, 0.9f})
      p.Circle(u, (v0 + v1) * 0.5f, 0.12f, p.Sphere(u, (v0 + v1) * 0.5f, 0.12f, kGold, 0.6f));
  }
}

void PaintToyBlock(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 0.9f, 0.15f, 0.3f);
  const Color c = it.color;
  if (it.variant % 2 == 0) {
    Block(p, -0.7f, -1.4f, 0.7f, 0, 0.45f, c);
    p.Rect(-0.45f, -1.15f, 0.45f, -0.25f, Flat{kWhite}, 0.1f, 0.9f);
    const int letter = static_cast<int>(it.seed % 3);
    const Flat ink{it.accent};
    if (letter == 0) {
      p.Line(-0.3f, -0.35f, 0, -1.05f, 0.14f, ink), p.Line(0, -1.05f, 0.3f, -0.35f, 0.14f, ink);
      p.Line(-0.15f, -0.65f, 0.15f, -0.65f, 0.12f, ink);
    } else if (letter == 1) {
      p.Line(-0.2f, -0.35f, -0.2f, -1.05f, 0.14f, ink);
      p.Circle(0.02f, -0.88f, 0.2f, ink), p.Circle(0.05f, -0.52f, 0.22f, ink);
    } else {
      p.Circle(0, -0.7f, 0.32f, ink);
      p.Circle(0.08f, -0.7f, 0.18f, Flat{kWhite});
    }
  } else {  // an arch brick
    p.Poly({{-1.1f, 0},
            {-1.1f, -1.2f},
            {1.1f, -1.2f},
            {1.1f, 0},
            {0.5f, 0},
            {0.4f, -0.45f},
            {0, -0.6f},
            {-0.4f, -0.45f},
            {-0.5f, 0}},
           p.Gradient(-1.2f, 0, Lighter(c, 0.1f), Darker(c, 0.15f)));
    p.Poly({{-1.1f, -1.2f}, {-0.8f, -1.45f}, {1.4f, -1.45f}, {1.1f, -1.2f}}, Flat{Lighter(c, 0.3f)});
  }
}

// -------------------------------------------------------------------- library

void PaintStandGlobe(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.3f, 0.2f);
  const bool floor = it.variant % 2 == 0;
  const float cv = floor ? -3.4f : -1.9f;
  if (floor) {
    for (float side : {-1.0f, 0.0f, 1.0f}) p.Line(0, -1.4f, side * 0.9f, 0, 0.14f, Flat{kDarkWood});
    p.Rect(-0.1f, -2.2f, 0.1f, -1.3f, Flat{kDarkWood});
  } else {
    p.Ellipse(0, -0.15f, 0.8f, 0.2f, Flat{kDarkWood});
    p.Rect(-0.1f, -0.9f, 0.1f, -0.1f, Flat{kDarkWood});
  }
  const float cx = p.X(0), cy = p.Y(cv), rr = p.L(1.0f);
  p.Circle(0, cv, 1.0f, [=](float px, float py) {
    const float land = Fbm((px - cx) / rr * 1.6f + 5, (py - cy) / rr * 1.6f, it.seed, 4);
    const Color base = land > 0.55f ? Rgb(200, 180, 120) : it.color;
    return SphereShade{base, cx, cy, rr, 0.4f}(px, py);
  });
  p.canvas().Fill(
      cx - rr * 1.2f, cy - rr * 1.2f, cx + rr * 1.2f, cy + rr * 1.2f,
      [=](float px, float py) { return std::fabs(std::hypot(px - cx, py - cy) - rr * 1.12f) - rr * 0.06f; },
      Flat{kGold});
}

void PaintArmchair(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 2.6f, 0.3f);
  const Color c = it.color, dark = Darker(c, 0.3f);
  for (float u : {-1.8f, 1.8f}) p.Rect(u - 0.15f, -0.5f, u + 0.15f, 0, Flat{kDarkWood});
  if (it.variant % 2 == 0) {  // wing back
    p.Rect(-1.6f, -5.0f, 1.6f, -1.8f, p.Gradient(-5.0f, -1.8f, Lighter(c, 0.1f), dark), 0.8f);
    for (float side : {-1.0f, 1.0f})
      p.Poly({{side * 1.4f, -4.6f}, {side * 2.2f, -4.2f}, {side * 2.1f, -2.2f}, {side * 1.4f, -2.0f}}, Flat{dark});
  } else {  // round club chair
    p.Ellipse(0, -3.0f, 2.1f, 1.6f, p.Sphere(-0.4f, -3.5f, 2.1f, c, 0.1f));
  }
  p.Rect(-1.8f, -2.0f, 1.8f, -0.45f, p.Gradient(-2.0f, -0.45f, Lighter(c, 0.15f), dark), 0.4f);
  for (float side : {-1.0f, 1.0f})
    p.Rect(side * 2.05f - 0.45f, -2.6f, side * 2.05f + 0.45f, -0.45f, p.Cylinder(side * 2.05f, 0.45f, c, 0.15f), 0.4f);
}

void PaintBookStack(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.6f, 0.18f);
  Rng r(it.seed);
  const int books = it.variant % 2 ? 5 : 3;
  float v = 0;
  for (int i = 0; i < books; ++i) {
    const float h = r.Range(0.32f, 0.45f), w = r.Range(1.2f, 1.55f), off = r.Range(-0.2f, 0.2f);
    const Color c = i % 2 == 0 ? it.color : Mix(it.accent, it.color, 0.2f);
    p.Rect(-w + off, v - h, w + off, v, p.Gradient(v - h, v, Lighter(c, 0.15f), Darker(c, 0.2f)), 0.06f);
    p.Rect(w + off - 0.15f, v - h + 0.06f, w + off - 0.02f, v - 0.06f, Flat{Rgb(240, 232, 210)});
    p.Line(-w + off + 0.25f, v - h * 0.5f, -w + off + 0.8f, v - h * 0.5f, 0.06f, Flat{kGold});
    v -= h;
  }
}

void PaintHourglass(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 0.9f, 0.15f);
  const Color wood = it.color;
  const bool full = it.variant % 2 == 0;
  p.Poly({{-0.6f, -2.6f}, {0.6f, -2.6f}, {0.08f, -1.4f}, {0.6f, -0.2f}, {-0.6f, -0.2f}, {-0.08f, -1.4f}},
         Flat{Rgb(215, 230, 235)}, 0.55f);
  const Color sand = Rgb(200, 140, 50);
  if (full) {
    p.Poly({{-0.5f, -2.45f}, {0.5f, -2.45f}, {0.06f, -1.45f}, {-0.06f, -1.45f}}, Flat{sand});
  } else {
    p.Poly({{-0.55f, -0.22f}, {0.55f, -0.22f}, {0.06f, -1.3f}, {-0.06f, -1.3f}}, Flat{sand});
  }
  // The frame: flat caps and straight posts, or wide turned caps and balusters.
  const float cap = full ? 0.85f : 1.1f;
  p.Rect(-cap, -2.85f, cap, -2.55f, Flat{wood}, 0.05f);
  p.Rect(-cap, -0.25f, cap, 0, Flat{wood}, 0.05f);
  for (float u : {-cap + 0.12f, cap - 0.12f}) {
    if (full) {
      p.Rect(u - 0.07f, -2.6f, u + 0.07f, -0.2f, Flat{Darker(wood, 0.2f)});
    } else {
      p.Rect(u - 0.09f, -2.6f, u + 0.09f, -0.2f, Flat{Darker(wood, 0.2f)});
      for (float v : {-2.2f, -1.4f, -0.6f}) p.Circle(u, v, 0.17f, Flat{wood});
    }
  }
}

// -------------------------------------------------------------- garden party

void PaintCake(Pen& p, const Item& it) {
  p.Ellipse(0, -0.12f, 1.9f, 0.35f, p.Gradient(-0.5f, 0.2f, kWhite, Rgb(190, 190, 195)));
  const Color icing = it.color;
  auto tier = [&](float r, float v0, float v1) {
    p.Rect(-r, v0, r, v1, p.Cylinder(0, r, Rgb(240, 220, 190), 0.25f));
    p.Rect(-r, v0, r, v0 + (v1 - v0) * 0.35f, p.Cylinder(0, r, icing, 0.3f));
    for (int i = 0; i < 6; ++i) {
      const float u = -r + (i + 0.5f) * 2 * r / 6;
      p.Ellipse(u, v0 + (v1 - v0) * 0.38f, r / 7, (v1 - v0) * 0.12f, Flat{icing});
    }
    p.Ellipse(0, v0, r, r * 0.22f, Flat{Lighter(icing, 0.25f)});
  };
  if (it.variant % 2 == 0) {
    tier(1.5f, -1.4f, -0.25f);
    p.Circle(0, -1.65f, 0.25f, p.Sphere(0, -1.65f, 0.25f, Rgb(200, 30, 40), 0.6f));
  } else {
    tier(1.5f, -1.2f, -0.25f);
    tier(1.0f, -2.2f, -1.25f);
    for (float u : {-0.5f, 0.0f, 0.5f}) {
      p.Rect(u - 0.06f, -2.8f, u + 0.06f, -2.25f, Flat{it.accent});
      p.Ellipse(u, -2.95f, 0.07f, 0.13f, Flat{Rgb(255, 210, 90)});
    }
  }
}

void PaintTeapot(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 1.4f, 0.2f, 0.3f);
  const Color c = it.color;
  const bool tall = it.variant % 2 == 1;
  const float rv = tall ? 1.2f : 0.85f, cv = -rv;
  p.Line(1.0f, cv + 0.2f, 1.8f, cv - 0.6f, 0.25f, Flat{Darker(c, 0.1f)});
  Curve(
      p,
      [&](float t) {
        return Point{-1.0f - std::sin(t * 3.14159f) * 0.6f, cv - 0.4f + t * 0.8f};
      },
      8, 0.18f, 0.18f, Darker(c, 0.15f));
  p.Ellipse(0, cv, 1.15f, rv, p.Sphere(-0.3f, cv - 0.3f, 1.2f, c, 0.5f));
  p.Ellipse(0, cv - rv + 0.05f, 0.6f, 0.15f, Flat{Darker(c, 0.2f)});
  p.Circle(0, cv - rv - 0.15f, 0.15f, p.Sphere(0, cv - rv - 0.15f, 0.15f, c, 0.5f));
  p.Ellipse(0, cv, 1.15f, 0.12f, Flat{it.accent}, 0.9f);
}

void PaintPaperLantern(Pen& p, const Item& it) {
  // Anchor: where the lantern hangs from its string.
  const Color c = it.color;
  const bool round = it.variant % 2 == 0;
  const float rv = round ? 0.9f : 1.4f, ru = round ? 0.95f : 0.6f, cv = 0.3f + rv;
  p.Line(0, -0.6f, 0, 0.3f, 0.05f, Flat{Rgb(60, 55, 50)});
  p.Circle(0, cv, ru * 1.8f, Flat{Lighter(c, 0.5f)}, 0.18f, p.L(1.0f));
  const float cx = p.X(0), cy = p.Y(cv);
  p.Ellipse(0, cv, ru, rv, [=](float px, float py) {
    const float rib = 0.9f + 0.1f * std::cos((py - cy) / p.L(0.16f));
    const float glow = 1.15f - 0.4f * std::min(1.0f, std::hypot((px - cx) / p.L(ru), (py - cy) / p.L(rv)));
    return c * (rib * glow);
  });
  p.Rect(-ru * 0.45f, 0.2f, ru * 0.45f, 0.35f, Flat{kInk});
  p.Rect(-ru * 0.45f, cv + rv - 0.05f, ru * 0.45f, cv + rv + 0.1f, Flat{kInk});
}

void PaintGift(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 1.2f, 0.18f);
  const Color c = it.color;
  const bool tall = it.variant % 2 == 1;
  const float h = tall ? 2.2f : 1.2f, w = tall ? 0.65f : 0.95f;
  Block(p, -w, -h, w, 0, 0.4f, c);
  p.Rect(-0.12f, -h, 0.12f, 0, Flat{it.accent});
  p.Poly({{-0.12f, -h}, {0.28f, -h - 0.24f}, {0.52f, -h - 0.24f}, {0.12f, -h}}, Flat{Lighter(it.accent, 0.2f)});
  p.Ellipse(-0.25f, -h - 0.3f, 0.3f, 0.18f, Flat{it.accent});
  p.Ellipse(0.35f, -h - 0.3f, 0.3f, 0.18f, Flat{it.accent});
}

// ---------------------------------------------------------- building site

void PaintExcavator(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 3.8f, 0.35f, 0.4f);
  const Color c = it.color;
  p.Rect(-2.8f, -1.2f, 2.2f, 0, Flat{Rgb(45, 45, 48)}, 0.6f);
  for (int i = 0; i < 5; ++i) p.Circle(-2.2f + i * 1.0f, -0.6f, 0.35f, Flat{Rgb(90, 90, 95)});
  p.Rect(-2.6f, -2.9f, 1.6f, -1.2f, p.Gradient(-2.9f, -1.2f, c, Darker(c, 0.3f)), 0.15f);
  p.Rect(-1.9f, -5.0f, 0.4f, -2.8f, p.Gradient(-5.0f, -2.8f, Lighter(c, 0.1f), c), 0.15f);
  p.Rect(-1.6f, -4.7f, 0.1f, -3.2f, p.Gradient(-4.7f, -3.2f, Rgb(190, 215, 230), Rgb(90, 120, 140)), 0.1f);
  const bool raised = it.variant % 2 == 0;
  const Point boom0{1.0f, -2.6f};
  const Point elbow = raised ? Point{3.4f, -5.6f} : Point{3.6f, -4.0f};
  const Point bucket = raised ? Point{4.9f, -3.8f} : Point{5.0f, -0.6f};
  p.Line(boom0.x, boom0.y, elbow.x, elbow.y, 0.55f, Flat{c});
  p.Line(elbow.x, elbow.y, bucket.x, bucket.y, 0.4f, Flat{Darker(c, 0.1f)});
  p.Poly({{bucket.x - 0.6f, bucket.y - 0.3f},
          {bucket.x + 0.6f, bucket.y - 0.5f},
          {bucket.x + 0.5f, bucket.y + 0.6f},
          {bucket.x - 0.3f, bucket.y + 0.7f}},
         Flat{Rgb(60, 60, 62)});
}

void PaintTrafficCone(Pen& p, const Item& it) {
  p.Shadow(0.15f, 0, 1.0f, 0.15f);
  const Color c = it.color;
  const bool tall = it.variant % 2 == 1;
  const float top = tall ? -2.6f : -1.8f;
  p.Rect(-0.95f, -0.25f, 0.95f, 0, Flat{Darker(c, 0.3f)}, 0.05f);
  p.Poly({{-0.7f, -0.2f}, {0.7f, -0.2f}, {0.15f, top}, {-0.15f, top}}, p.Cylinder(0, 0.7f, c, 0.3f));
  const int bands = tall ? 2 : 1;
  for (int i = 0; i < bands; ++i) {
    const float v0 = -0.7f - i * 0.75f, v1 = v0 - 0.3f;
    const float w0 = 0.7f - (0.55f * (v0 + 0.2f) / top), w1 = 0.7f - (0.55f * (v1 + 0.2f) / top);
    p.Poly({{-w0, v0}, {w0, v0}, {w1, v1}, {-w1, v1}}, p.Cylinder(0, 0.7f, kWhite, 0.3f));
  }
}

void PaintWheelbarrow(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.2f, 0.22f);
  const Color c = it.color;
  p.Line(-1.0f, -0.9f, -1.1f, 0, 0.14f, Flat{kSteel});
  p.Line(-2.6f, -1.6f, 1.4f, -0.9f, 0.16f, Flat{kDarkWood});
  p.Poly({{-1.8f, -2.1f}, {1.3f, -2.1f}, {0.9f, -0.85f}, {-1.2f, -0.85f}},
         p.Gradient(-2.1f, -0.85f, Lighter(c, 0.1f), Darker(c, 0.3f)));
  if (it.variant % 2 == 1)
    p.Ellipse(-0.25f, -2.1f, 1.5f, 0.5f, p.Mottle(Rgb(200, 165, 110), 0.2f, 0.2f, it.seed));
  else
    p.Ellipse(-0.25f, -2.1f, 1.55f, 0.18f, Flat{Darker(c, 0.5f)});
  p.Circle(1.3f, -0.55f, 0.55f, Flat{Rgb(35, 35, 38)});
  p.Circle(1.3f, -0.55f, 0.2f, Flat{kSteel});
}

void PaintBrickStack(Pen& p, const Item& it) {
  p.Shadow(0.3f, 0, 2.0f, 0.22f);
  p.Rect(-1.9f, -0.35f, 1.9f, 0, Flat{Rgb(150, 115, 70)}, 0.02f);
  const Color c = it.color;
  const int rows = it.variant % 2 ? 5 : 3;
  Rng r(it.seed);
  for (int row = 0; row < rows; ++row) {
    const float v1 = -0.35f - row * 0.45f, v0 = v1 - 0.42f;
    const int n = it.variant % 2 ? 4 - row / 2 : 4;
    const float w = 0.9f, start = -n * w * 0.5f + (row % 2) * 0.2f;
    for (int i = 0; i < n; ++i) {
      const Color b = c * r.Range(0.85f, 1.1f);
      p.Rect(start + i * w + 0.03f, v0, start + (i + 1) * w - 0.03f, v1,
             p.Gradient(v0, v1, Lighter(b, 0.1f), Darker(b, 0.15f)));
    }
  }
}

void PaintBarrier(Pen& p, const Item& it) {
  p.Shadow(0.2f, 0, 2.4f, 0.2f);
  for (float u : {-1.8f, 1.8f}) {
    p.Line(u, -1.9f, u - 0.4f, 0, 0.14f, Flat{kSteel});
    p.Line(u, -1.9f, u + 0.4f, 0, 0.14f, Flat{kSteel});
  }
  const bool twin = it.variant % 2 == 1;
  auto board = [&](float v0, float v1) {
    const float x0 = p.X(-2.3f);
    p.Rect(-2.3f, v0, 2.3f, v1, [=](float px, float py) {
      const int band = static_cast<int>(std::floor((px - x0 + (py - p.Y(v0))) / p.L(0.6f) + 100));
      return band % 2 ? it.color : kWhite;
    });
  };
  board(-2.0f, -1.5f);
  if (twin)
    board(-1.1f, -0.65f);
  else {
    p.Rect(-0.1f, -2.6f, 0.1f, -2.0f, Flat{kInk});
    p.Circle(0, -2.75f, 0.28f, p.Sphere(0, -2.75f, 0.28f, Rgb(255, 190, 40), 0.7f));
  }
}

void PaintCrane(Pen& p, const Item& it) {
  // A tower crane: a lattice mast, the jib and its counter-jib.
  const Color c = it.color;
  const float top = -22.0f;
  for (float u : {-0.6f, 0.6f}) p.Line(u, 0, u, top, 0.18f, Flat{c});
  for (float v = 0; v > top; v -= 1.2f) {
    p.Line(-0.6f, v, 0.6f, v - 1.2f, 0.1f, Flat{c});
    p.Line(-0.6f, v - 1.2f, 0.6f, v - 1.2f, 0.08f, Flat{c});
  }
  const float jib = it.variant % 2 ? 14.0f : 11.0f;
  p.Line(-5.0f, top, jib, top, 0.3f, Flat{c});
  p.Line(-5.0f, top + 0.8f, jib, top + 0.4f, 0.15f, Flat{c});
  for (float u = -5.0f; u < jib; u += 1.0f) p.Line(u, top, u + 1.0f, top + 0.6f, 0.08f, Flat{c});
  p.Line(0, top - 3.0f, jib, top, 0.08f, Flat{kInk});
  p.Line(0, top - 3.0f, -5.0f, top, 0.08f, Flat{kInk});
  p.Line(0, top, 0, top - 3.0f, 0.2f, Flat{c});
  p.Rect(-4.8f, top, -3.2f, top + 1.6f, Flat{Rgb(120, 120, 125)});
  p.Rect(0.6f, top + 0.3f, 2.0f, top + 1.8f, Flat{Lighter(c, 0.1f)}, 0.1f);
  const float hook = jib * 0.6f;
  p.Line(hook, top + 0.4f, hook, top + 8.0f, 0.05f, Flat{kInk});
  p.Rect(hook - 0.3f, top + 8.0f, hook + 0.3f, top + 8.5f, Flat{kInk});
}

}  // namespace scenegen

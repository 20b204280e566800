#include "scenes_kinds_a.h"

#include <algorithm>
#include <vector>

#include "backdrop.h"
#include "conditions.h"
#include "placer.h"

namespace scenegen {

namespace {

constexpr float W = kPictureWidth;
constexpr float H = kPictureHeight;

std::uint32_t Seed(Rng& r) { return static_cast<std::uint32_t>(r.Next()); }

// ---- Composition ----

// Writing reads one way only and hanging things hang straight down; the
// generator is drawn from all the same, so each scene keeps its draws.
bool MirrorUnlessFixedWay(Kind kind, Rng& rng) {
  const bool fixedWay =
      kind == Kind::ChalkDrawing || kind == Kind::Tool || kind == Kind::Utensil || kind == Kind::HangingLamp;
  return rng.Chance(0.5f) && !fixedWay;
}

// Things wholly outside the picture are left out and nothing changeable
// stays on its first column or row.
constexpr PlacementRules kPlacement{.mirrored = MirrorUnlessFixedWay, .dropOutOfView = true, .keepOffLeftAndTop = true};

// Size of a thing standing at y on ground that recedes to `horizon`.
float Perspective(float y, float horizon, float nearSize) {
  return nearSize * (0.22f + 0.78f * Clamp01((y - horizon) / (H - horizon)));
}

// A count scaled by how densely a scene is filled.
int Scaled(int count, float density) { return std::max(0, static_cast<int>(std::lround(count * density))); }

// Shuffles the order of v deterministically.
template <typename T>
void Shuffle(std::vector<T>& v, Rng& r) {
  for (int i = static_cast<int>(v.size()) - 1; i > 0; --i) std::swap(v[i], v[r.Int(0, i)]);
}

constexpr Color kPaints[] = {Rgb(200, 60, 50),   Rgb(40, 90, 160),  Rgb(230, 190, 60), Rgb(60, 130, 90),
                             Rgb(240, 240, 235), Rgb(130, 70, 120), Rgb(235, 120, 40), Rgb(50, 150, 170)};
constexpr Color kBlooms[] = {Rgb(220, 50, 60),   Rgb(250, 200, 60), Rgb(240, 240, 235), Rgb(170, 90, 200),
                             Rgb(245, 130, 170), Rgb(250, 140, 40), Rgb(90, 120, 220)};
constexpr Color kFacades[] = {Rgb(232, 200, 160), Rgb(210, 150, 120), Rgb(240, 225, 190), Rgb(170, 190, 200),
                              Rgb(225, 180, 180), Rgb(200, 210, 170), Rgb(245, 235, 215)};
constexpr Color kRoofs[] = {Rgb(160, 70, 50), Rgb(110, 60, 50), Rgb(80, 80, 90), Rgb(150, 95, 60)};
constexpr Color kFruit[] = {Rgb(200, 35, 30), Rgb(130, 180, 50), Rgb(245, 215, 60), Rgb(240, 140, 30),
                            Rgb(100, 50, 110), Rgb(205, 195, 80)};

// ---- Light, weather and season ----

struct Daylight {
  SkyLight sky;
  Color tint;
  bool overcast;
};

Daylight PickDaylight(Rng& r, float horizon) {
  const float sunX = r.Range(40, W - 40);
  switch (r.Int(0, 5)) {
    case 0:  // clear noon
      return {{Rgb(50, 110, 200), Rgb(185, 212, 236), Rgb(255, 250, 228), sunX, horizon * 0.25f, 0.4f}, {1, 1, 1}, false};
    case 1:  // morning
      return {{Rgb(110, 150, 205), Rgb(250, 220, 190), Rgb(255, 225, 170), sunX, horizon * 0.75f, 0.8f},
              {1.03f, 1.0f, 0.95f}, false};
    case 2:  // evening
      return {{Rgb(65, 75, 140), Rgb(250, 165, 105), Rgb(255, 175, 90), sunX, horizon * 0.9f, 1.0f},
              {1.07f, 0.95f, 0.86f}, false};
    case 3:  // overcast
      return {{Rgb(135, 145, 160), Rgb(205, 208, 212), Rgb(240, 240, 240), sunX, horizon * 0.3f, 0.12f},
              {0.97f, 0.99f, 1.02f}, true};
    case 4:  // hazy afternoon
      return {{Rgb(120, 160, 200), Rgb(225, 225, 210), Rgb(255, 245, 200), sunX, horizon * 0.45f, 0.6f},
              {1.02f, 1.01f, 0.96f}, false};
    default:  // late afternoon, golden
      return {{Rgb(90, 130, 190), Rgb(245, 205, 150), Rgb(255, 210, 140), sunX, horizon * 0.6f, 0.85f},
              {1.05f, 0.99f, 0.9f}, false};
  }
}

enum class Season { Spring, Summer, Autumn, Winter };

struct SeasonLook {
  Season season;
  Color grassFar, grassNear;
  Color leaves[3];
  bool snow;
};

SeasonLook LookOf(Season s) {
  switch (s) {
    case Season::Spring:
      return {s, Rgb(135, 180, 80), Rgb(95, 155, 55), {Rgb(125, 175, 70), Rgb(150, 190, 85), Rgb(235, 185, 200)}, false};
    case Season::Summer:
      return {s, Rgb(110, 155, 65), Rgb(75, 125, 45), {Rgb(70, 125, 50), Rgb(60, 110, 60), Rgb(95, 140, 55)}, false};
    case Season::Autumn:
      return {s, Rgb(150, 150, 80), Rgb(120, 115, 55), {Rgb(205, 120, 40), Rgb(215, 170, 50), Rgb(175, 60, 40)}, false};
    case Season::Winter:
      return {s, Rgb(232, 236, 245), Rgb(205, 212, 230), {Rgb(45, 90, 60), Rgb(40, 80, 55), Rgb(55, 95, 65)}, true};
  }
  return LookOf(Season::Summer);
}

Season PickSeason(Rng& r, bool allowWinter = true) { return static_cast<Season>(r.Int(0, allowWinter ? 3 : 2)); }

// ---- Background helpers ----

template <typename Shader>
void FillBox(Image& img, float x0, float y0, float x1, float y1, Shader shade, float radius = 0, float alpha = 1) {
  Canvas c(img);
  c.Fill(
      x0, y0, x1, y1, [=](float px, float py) { return BoxDistance(px, py, x0, y0, x1, y1, radius); }, shade, alpha);
}

void FillLine(Image& img, float ax, float ay, float bx, float by, float width, Color color, float alpha = 1) {
  Canvas c(img);
  const float hw = width * 0.5f;
  c.Fill(
      std::min(ax, bx) - hw, std::min(ay, by) - hw, std::max(ax, bx) + hw, std::max(ay, by) + hw,
      [=](float px, float py) { return SegmentDistance(px, py, ax, ay, bx, by) - hw; }, Flat{color}, alpha);
}

template <typename Painter>
void ForBox(Image& img, float x0, float y0, float x1, float y1, Painter paint) {
  const int ya = std::max(0, static_cast<int>(y0)), yb = std::min(img.Height(), static_cast<int>(std::ceil(y1)));
  const int xa = std::max(0, static_cast<int>(x0)), xb = std::min(img.Width(), static_cast<int>(std::ceil(x1)));
  for (int y = ya; y < yb; ++y)
    for (int x = xa; x < xb; ++x) paint(x, y, img.At(x, y));
}

// Plaster: a flat colour that is never quite flat.
void PaintPlaster(Image& img, float y0, float y1, Color c, std::uint32_t seed) {
  ForBox(img, 0, y0, W, y1, [&](int x, int y, Color& px) {
    px = c * (0.93f + 0.1f * Fbm(x * 0.015f, y * 0.015f, seed, 3) + 0.03f * ValueNoise(x * 0.5f, y * 0.5f, seed + 1));
  });
}

// Tiles in a grid or in a running bond, with grout and a glaze that catches
// the light near each tile's top.
void PaintTiles(Image& img, float x0, float y0, float x1, float y1, float tile, Color glaze, Color grout, bool bond,
                std::uint32_t seed) {
  ForBox(img, x0, y0, x1, y1, [&](int x, int y, Color& px) {
    const float th = bond ? tile * 0.5f : tile;
    const float fy = (y - y0) / th;
    const int row = static_cast<int>(std::floor(fy));
    const float fx = (x - x0) / tile + (bond && row % 2 ? 0.5f : 0.0f);
    const int col = static_cast<int>(std::floor(fx));
    const float ux = fx - col, uy = fy - row;
    const float edge = std::min({ux * tile, (1 - ux) * tile, uy * th, (1 - uy) * th});
    const float tone = 0.9f + 0.15f * Hash2(col, row, seed);
    Color c = glaze * tone * (1.08f - 0.16f * uy);
    c = Mix(c, {1, 1, 1}, std::exp(-std::pow((ux - 0.3f) * 4, 2) - std::pow((uy - 0.25f) * 5, 2)) * 0.18f);
    px = Mix(grout, c, SmoothStep(0.6f, 1.8f, edge));
  });
}

// A tiled floor seen in perspective, vanishing towards `horizon`.
void PaintPerspectiveFloor(Image& img, float y0, float horizon, float vanishX, Color a, Color b, float tile,
                           std::uint32_t seed) {
  ForBox(img, 0, y0, W, H, [&](int x, int y, Color& px) {
    const float d = std::max(1.0f, y + 0.5f - horizon);
    const float z = 2000.0f / d;               // distance into the room
    const float u = (x + 0.5f - vanishX) * z / 500.0f;  // across, in room units
    const float fu = u / tile, fz = z / tile;
    const int iu = static_cast<int>(std::floor(fu)), iz = static_cast<int>(std::floor(fz));
    const bool dark = ((iu + iz) & 1) != 0;
    Color c = dark ? a : b;
    const float gu = fu - iu, gz = fz - iz;
    const float groutW = 0.03f;
    if (gu < groutW || gu > 1 - groutW || gz < groutW * 1.5f || gz > 1 - groutW * 1.5f) c = c * 0.75f;
    c = c * (0.9f + 0.1f * Fbm(x * 0.03f, y * 0.05f, seed, 3));
    px = c * (0.72f + 0.28f * Clamp01((y - y0) / (H - y0)));
  });
}

// Light falling from a point: multiplies the background by a soft pool of
// light over a dimmer room.
void LightPool(Image& img, float lx, float ly, float radius, Color light, float ambient) {
  ForBox(img, 0, 0, W, H, [&](int x, int y, Color& px) {
    const float d = std::hypot(x - lx, (y - ly) * 0.85f) / radius;
    const float k = ambient + (1 - ambient) * std::exp(-d * d);
    px = px * (Mix(Color{1, 1, 1}, light, 0.6f) * (k * 1.12f));
  });
}

// A shaft of daylight from a window: a slanted bright band.
void LightShaft(Image& img, float x0, float x1, float slope, float strength, Color light) {
  ForBox(img, 0, 0, W, H, [&](int x, int y, Color& px) {
    const float xs = x - y * slope;
    const float inside = SmoothStep(x0 - 25, x0 + 25, xs) * (1 - SmoothStep(x1 - 25, x1 + 25, xs));
    px = px + light * (inside * strength * (0.6f + 0.4f * y / H));
  });
}

void PaintWoodBand(Image& img, float x0, float y0, float x1, float y1, Color wood, std::uint32_t seed,
                   bool vertical = false) {
  ForBox(img, x0, y0, x1, y1, [&](int x, int y, Color& px) {
    const float a = vertical ? static_cast<float>(x) : static_cast<float>(y);
    const float b = vertical ? static_cast<float>(y) : static_cast<float>(x);
    const float grain = Fbm(b * 0.01f, a * 0.25f, seed, 3);
    px = wood * (0.8f + 0.35f * grain);
  });
}

// Flags on a string between two points, sagging in the middle.
void PaintBunting(Image& img, float x0, float y0, float x1, float y1, float sag, std::uint32_t seed) {
  Rng r(seed);
  Canvas c(img);
  const int n = static_cast<int>(std::hypot(x1 - x0, y1 - y0) / 22);
  auto at = [&](float t) { return Point{Lerp(x0, x1, t), Lerp(y0, y1, t) + sag * 4 * t * (1 - t)}; };
  for (int i = 0; i < 40; ++i) {
    const Point a = at(i / 40.0f), b = at((i + 1) / 40.0f);
    FillLine(img, a.x, a.y, b.x, b.y, 1.2f, Rgb(60, 55, 50));
  }
  for (int i = 0; i < n; ++i) {
    const Point a = at((i + 0.2f) / n), b = at((i + 0.8f) / n);
    const Point tip{(a.x + b.x) / 2, (a.y + b.y) / 2 + 14};
    const Point tri[] = {a, b, tip};
    const Color col = kPaints[r.Int(0, 7)];
    c.Fill(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), tip.y,
           [=](float px, float py) { return PolygonDistance(px, py, tri); }, Flat{col});
  }
}

void AddClouds(Placer& c, float horizon, int count, Color color) {
  Rng& r = c.rng();
  for (int i = 0; i < count; ++i) {
    const float x = (i + r.Range(0.15f, 0.85f)) * W / count, y = r.Range(25, std::max(40.0f, horizon - 45));
    c.Sky(c.Make(Kind::Cloud, x, y, r.Range(9, 17), color, {}, 3));
  }
}

void AddBirds(Placer& c, float y0, float y1, int count, Color ink) {
  Rng& r = c.rng();
  for (int i = 0; i < count; ++i) c.Sky(c.Make(Kind::Bird, r.Range(30, W - 30), r.Range(y0, y1), r.Range(5, 8), ink));
}

Color CloudColor(const Daylight& d) {
  return d.overcast ? Rgb(225, 226, 230) : Mix(Rgb(252, 252, 250), d.sky.horizon, 0.25f);
}

// ---- Outdoor helpers ----

// Grass or snow for a season, from y0 to the bottom.
void PaintGround(Image& img, float y0, const SeasonLook& look, std::uint32_t seed) {
  if (look.snow) {
    PaintRidge(img, {y0, 6, 160, look.grassFar, look.grassNear, 0.04f, 0.03f, seed});
    // Drifts with soft blue shadows on their far sides, and a little sparkle.
    ForBox(img, 0, y0 + 6, W, H, [&](int x, int y, Color& px) {
      const float n = Fbm(x * 0.012f, y * 0.035f, seed + 1, 4);
      const float drift = std::sin(x * 0.02f + n * 9 + y * 0.01f);
      px = Mix(px, Rgb(180, 195, 228), 0.18f * SmoothStep(0.2f, 1.0f, drift)) * (0.95f + 0.07f * n);
      if (Hash2(x, y, seed) > 0.996f) px = Lighter(px, 0.6f);
    });
    return;
  }
  PaintGrass(img, y0, look.grassFar, look.grassNear, 0, seed);
  if (look.season == Season::Autumn) {
    // Fallen leaves.
    Rng r(seed + 3);
    for (int i = 0; i < 260; ++i) {
      const float x = r.Range(0, W), y = r.Range(y0, H), rr = 1.2f + 2.5f * (y - y0) / (H - y0);
      FillEllipse(img, x, y, rr * 1.4f, rr * 0.7f, Flat{look.leaves[r.Int(0, 2)] * r.Range(0.7f, 1.0f)}, 0.85f);
    }
  }
}

// Jagged mountains: overlapping peaks with lit and shaded faces, rock
// texture and snow that reaches lower in the gullies.
void PaintPeaks(Image& img, float baseY, float height, Color rock, Color snow, float snowLine, Color haze, float hazeAmount,
                std::uint32_t seed) {
  Rng r(seed);
  struct Peak {
    float x, h, left, right;
  };
  std::vector<Peak> peaks;
  for (float x = r.Range(-60, 20); x < W + 60; x += r.Range(70, 150))
    peaks.push_back({x, height * r.Range(0.45f, 1.0f), r.Range(0.5f, 1.2f), r.Range(0.5f, 1.2f)});
  auto heightAt = [&](float x) {
    float h = 0;
    for (const Peak& p : peaks) h = std::max(h, p.h - (x < p.x ? (p.x - x) * p.left : (x - p.x) * p.right));
    return h + (Fbm(x * 0.04f, 0.3f, seed, 3) - 0.5f) * 14;
  };
  std::vector<float> top(kPictureWidth), slope(kPictureWidth);
  for (int x = 0; x < kPictureWidth; ++x) {
    top[x] = baseY - heightAt(x + 0.5f);
    slope[x] = heightAt(x + 2.5f) - heightAt(x - 1.5f);
  }
  ForBox(img, 0, baseY - height - 20, W, H, [&](int x, int y, Color& px) {
    const float cover = Clamp01(y + 1.0f - top[x]);
    if (cover <= 0) return;
    const bool lit = slope[x] > 0;
    const float n = Fbm(x * 0.05f, y * 0.09f, seed + 5, 4);
    const float gully = ValueNoise(x * 0.15f + y * 0.05f * (lit ? 1 : -1), y * 0.02f, seed + 6);
    Color c = rock * (lit ? 1.12f : 0.72f) * (0.8f + 0.4f * n) * (0.9f + 0.15f * gully);
    if (y < snowLine + (gully - 0.3f) * 60 + (n - 0.5f) * 30) c = snow * (lit ? 1.0f : 0.8f) * (0.95f + 0.08f * n);
    c = Mix(c, haze, hazeAmount + (1 - hazeAmount) * 0.25f * Clamp01((y - top[x]) / 120));
    px = Mix(px, c, cover);
  });
}

// A tree that fits the season: leafy trees in green or autumn colours,
// snowy pines in winter.
Item SeasonTree(Placer& c, const SeasonLook& look, float x, float y, float size) {
  Rng& r = c.rng();
  if (look.snow || r.Chance(0.3f)) {
    Item pine = c.Make(Kind::Pine, x, y, size * 1.25f, Vary(r, Rgb(45, 90, 60)), {}, 2);
    if (look.snow) pine.variant += 2, pine.variants = 4;
    return pine;
  }
  return c.Make(Kind::Tree, x, y, size, Vary(r, look.leaves[r.Int(0, 2)]), Rgb(200, 40, 35), 3);
}

// ---- Kitchen ----

Scene Kitchen(Rng& r) {
  Scene s;
  s.title = "Küche";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  const bool room = r.Chance(0.45f);  // the whole kitchen, or close to the counter
  const float k = room ? 0.85f : 1.25f;  // how near things are
  const float counterY = room ? r.Range(200, 240) : r.Range(255, 315);
  const float tileTop = counterY - r.Range(70, 110) * k;
  constexpr Color kWalls[] = {Rgb(240, 228, 200), Rgb(200, 220, 215), Rgb(235, 210, 190), Rgb(215, 215, 230),
                              Rgb(250, 240, 225), Rgb(200, 190, 170)};
  constexpr Color kGlazes[] = {Rgb(245, 245, 240), Rgb(120, 170, 190), Rgb(230, 200, 120), Rgb(190, 80, 70),
                               Rgb(110, 150, 110), Rgb(60, 80, 120),   Rgb(235, 235, 225)};
  constexpr Color kFronts[] = {Rgb(240, 238, 230), Rgb(110, 140, 120), Rgb(170, 120, 75), Rgb(60, 90, 130),
                               Rgb(200, 170, 120), Rgb(150, 60, 55)};
  const Color wall = r.Pick(kWalls), glaze = r.Pick(kGlazes), front = r.Pick(kFronts);
  const bool stoneTop = r.Chance(0.5f);
  PaintPlaster(s.background, 0, tileTop, wall, Seed(r));
  PaintTiles(s.background, 0, tileTop, W, counterY, r.Range(18, 30) * k, glaze, Darker(glaze, 0.35f), r.Chance(0.5f),
             Seed(r));
  // Counter top and the cupboards under it.
  const float topH = 12 * k;
  if (stoneTop)
    FillBox(s.background, -2, counterY, W + 2, counterY + topH, Mottled{Rgb(90, 90, 95), 0.08f, 0.3f, Seed(r)});
  else
    PaintWoodBand(s.background, 0, counterY, W, counterY + topH, Rgb(170, 120, 75), Seed(r));
  FillBox(s.background, -2, counterY + topH - 2, W + 2, counterY + topH + 3, Flat{{0, 0, 0}}, 0, 0.3f);
  const float baseY = room ? counterY + 75 * k : H;
  const float doorW = r.Range(70, 100) * k;
  const int ovenAt = r.Int(1, 4);  // which door is the oven
  int door = 0;
  for (float x = r.Range(-20, 0); x < W; x += doorW, ++door) {
    const float top = counterY + topH + 4, bottom = baseY - 6;
    if (door == ovenAt) {
      const float w = doorW * 1.2f;
      FillBox(s.background, x + 3, top, x + w - 3, bottom, VerticalGradient{Rgb(215, 215, 220), Rgb(150, 150, 158), top, bottom}, 3);
      for (int i = 0; i < 4; ++i)
        FillEllipse(s.background, x + w * (0.2f + i * 0.2f), top + 9 * k, 4 * k, 4 * k, SphereShade{Rgb(60, 60, 65), x + w * (0.2f + i * 0.2f), top + 9 * k, 4 * k, 0.5f});
      FillBox(s.background, x + 12, top + 34 * k, x + w - 12, std::min(bottom - 10, top + 110 * k),
              VerticalGradient{Rgb(40, 38, 40), Rgb(90, 60, 40), top + 34 * k, top + 110 * k}, 4);
      FillBox(s.background, x + 16, top + 24 * k, x + w - 16, top + 28 * k, CylinderShade{Rgb(200, 200, 205), x + w / 2, w / 2 - 16}, 2);
      x += w - doorW;
      continue;
    }
    FillBox(s.background, x + 3, top, x + doorW - 3, bottom, VerticalGradient{front, Darker(front, 0.25f), counterY, baseY}, 3);
    FillBox(s.background, x + 10, top + 8, x + doorW - 10, bottom - 8, Flat{Darker(front, 0.1f)}, 2, 0.6f);
    FillBox(s.background, x + doorW / 2 - 12, top + 6, x + doorW / 2 + 12, top + 10, Flat{Rgb(160, 160, 165)}, 2);
  }
  if (room) {
    FillBox(s.background, -2, baseY - 6, W + 2, baseY, Flat{Darker(front, 0.5f)});
    constexpr Color kFloors[][2] = {{Rgb(40, 40, 45), Rgb(235, 232, 225)},
                                    {Rgb(150, 70, 50), Rgb(225, 200, 160)},
                                    {Rgb(70, 90, 120), Rgb(220, 220, 215)}};
    const auto& fl = kFloors[r.Int(0, 2)];
    PaintPerspectiveFloor(s.background, baseY, baseY - 120, r.Range(150, 340), fl[0], fl[1], 1.0f, Seed(r));
  }
  // Upper cupboards on one side, a window on the other.
  const bool windowLeft = r.Chance(0.5f);
  const float winX = windowLeft ? r.Range(70, 150) : r.Range(W - 150, W - 70);
  const float cupX0 = windowLeft ? winX + 110 : 0, cupX1 = windowLeft ? W : winX - 110;
  const bool cupboards = r.Chance(0.6f);
  const float cupBottom = std::min(tileTop - 55 * k, 150.0f);
  if (cupboards && cupBottom > 60) {
    for (float x = cupX0; x + 40 < cupX1; x += doorW) {
      const float x1 = std::min(cupX1, x + doorW);
      FillBox(s.background, x + 3, -5, x1 - 3, cupBottom, VerticalGradient{Lighter(front, 0.1f), front, 0, cupBottom}, 3);
      FillBox(s.background, x + 10, 5, x1 - 10, cupBottom - 10, Flat{Darker(front, 0.08f)}, 2, 0.6f);
      FillBox(s.background, x + (x1 - x) / 2 - 3, cupBottom - 30, x + (x1 - x) / 2 + 3, cupBottom - 14,
              Flat{Rgb(160, 160, 165)}, 2);
    }
    FillBox(s.background, cupX0, cupBottom, cupX1, cupBottom + 10, Flat{{0, 0, 0}}, 0, 0.25f);
  } else {
    // An open shelf with jars and cups.
    const float shelfY = std::min(tileTop - 45 * k, 150.0f);
    FillBox(s.background, cupX0 + 10, shelfY, cupX1 - 10, shelfY + 7, VerticalGradient{Rgb(170, 120, 75), Rgb(110, 75, 45), shelfY, shelfY + 7});
    FillBox(s.background, cupX0 + 10, shelfY + 7, cupX1 - 10, shelfY + 14, Flat{{0, 0, 0}}, 0, 0.2f);
    float x = cupX0 + 30;
    while (x < cupX1 - 30) {
      const int pick = r.Int(0, 3);
      if (pick == 0)
        c.Place(c.Make(Kind::Cup, x, shelfY, 11 * k, r.Pick(kPaints)));
      else if (pick == 3)
        c.Place(c.Make(Kind::Vase, x, shelfY, 10 * k, r.Pick(kPaints), r.Pick(kBlooms)));
      else
        c.Place(c.Make(Kind::Jar, x, shelfY, 12 * k, r.Pick(kFruit), r.Pick(kPaints)));
      x += r.Range(30, 48) * k;
    }
  }
  Item window = c.Make(Kind::Window, winX, tileTop - 8, 13 * k, r.Pick(kPaints));
  c.Fixed(window);
  // A rail with hanging utensils over the tiles.
  const float railY = tileTop + 10 * k;
  const float railX0 = r.Range(10, W / 2 - 60), railX1 = railX0 + r.Range(110, 200);
  FillBox(s.background, railX0, railY - 2, railX1, railY + 2, CylinderShade{Rgb(190, 190, 195), 0, 1}, 2);
  FillBox(s.background, railX0, railY + 2, railX1, railY + 6, Flat{{0, 0, 0}}, 0, 0.2f);
  for (float x = railX0 + 15; x < railX1 - 10; x += r.Range(28, 40) * k) {
    constexpr Color kHandles[] = {Rgb(40, 40, 45), Rgb(170, 120, 70), Rgb(200, 60, 50), Rgb(60, 110, 170),
                                  Rgb(230, 200, 80)};
    Item u = c.Make(Kind::Utensil, x, railY, 11 * k, r.Pick(kHandles), {}, 4);
    c.Place(u);
  }
  c.Place(c.Make(Kind::Clock, windowLeft ? r.Range(W - 120, W - 40) : r.Range(40, 120), r.Range(40, 80), 14 * k,
                 r.Pick(kPaints), {}, 3));
  if (r.Chance(0.6f))
    c.Place(c.Make(Kind::FlowerPot, winX + r.Range(-25, 25), tileTop - 6, 10 * k, Rgb(180, 95, 60), r.Pick(kBlooms)));
  // Things on the counter, spread along it.
  const float standY = counterY + 8 * k;
  struct Thing {
    Kind kind;
    float size;
    Color color, accent;
    int variants;
  };
  std::vector<Thing> things = {
      {Kind::Pot, 17, r.Pick(kPaints), {}, 2},          {Kind::Kettle, 15, r.Pick(kPaints), {}, 2},
      {Kind::Jar, 15, r.Pick(kFruit), r.Pick(kPaints), 2}, {Kind::Jar, 14, r.Pick(kFruit), r.Pick(kPaints), 2},
      {Kind::Loaf, 14, Rgb(190, 130, 60), {}, 2},        {Kind::Cup, 12, r.Pick(kPaints), {}, 2},
      {Kind::Bottle, 13, Rgb(40, 100, 60), Rgb(230, 215, 170), 2}, {Kind::Jug, 13, r.Pick(kPaints), r.Pick(kPaints), 2},
      {Kind::Apple, 10, r.Pick(kFruit), {}, 2},          {Kind::Lemon, 10, Rgb(245, 220, 60), {}, 2},
      {Kind::FlowerPot, 13, Rgb(180, 95, 60), Rgb(240, 240, 235), 2}, {Kind::Plate, 12, r.Pick(kPaints), {}, 2},
      {Kind::Pot, 15, r.Pick(kPaints), {}, 2},          {Kind::Orange, 10, Rgb(240, 140, 30), {}, 2},
      {Kind::Candle, 11, Rgb(240, 232, 210), {}, 2}};
  Shuffle(things, r);
  const int count = r.Int(7, 11);
  float x = r.Range(25, 45);
  for (int i = 0; i < count && x < W - 20; ++i) {
    const Thing& t = things[i];
    const float y = standY + r.Range(-3, 3) * k;
    if (std::fabs(x - winX) < 55 * k && t.size > 14) x += 40 * k;
    c.Place(c.Make(t.kind, x, y, t.size * k * r.Range(0.9f, 1.1f), t.color, t.accent, t.variants));
    x += t.size * k * r.Range(2.8f, 4.2f);
  }
  for (int i = count; i < count + 3; ++i) {
    const Thing& t = things[i];
    c.Spare(c.Make(t.kind, r.Range(30, W - 30), standY, t.size * k, t.color, t.accent, t.variants));
  }
  if (room) {
    // A table in front with its own still life, and a cat on the tiles.
    const float tableY = r.Range(345, 375), tableX = r.Range(140, W - 140);
    const Color wood = Rgb(150, 100, 60);
    FillBox(s.background, tableX - 120, tableY + 10, tableX - 108, H + 5, CylinderShade{Darker(wood, 0.2f), tableX - 114, 6});
    FillBox(s.background, tableX + 108, tableY + 10, tableX + 120, H + 5, CylinderShade{Darker(wood, 0.2f), tableX + 114, 6});
    FillBox(s.background, tableX - 150, tableY - 30, tableX + 150, tableY + 12, VerticalGradient{Lighter(wood, 0.15f), wood, tableY - 30, tableY + 12}, 4);
    FillBox(s.background, tableX - 150, tableY + 8, tableX + 150, tableY + 16, Flat{Darker(wood, 0.35f)}, 3);
    const Kind onTable[] = {Kind::Loaf, Kind::Jug, Kind::Cup, Kind::Apple, Kind::Plate, Kind::Bottle, Kind::Pear};
    for (int i = 0; i < 4; ++i) {
      const Kind kind = r.Pick(onTable);
      c.Place(c.Make(kind, tableX - 110 + i * 70 + r.Range(-10, 10), tableY - r.Range(2, 12), 14,
                     kind == Kind::Loaf ? Rgb(190, 130, 60) : r.Pick(kFruit), r.Pick(kPaints)),
              40);
    }
    const float catX = tableX < W / 2 ? r.Range(tableX + 170, W - 20) : r.Range(20, tableX - 170);
    c.Place(c.Make(Kind::Cat, catX, r.Range(H - 40, H - 10), 12, r.Chance(0.5f) ? Rgb(60, 55, 55) : Rgb(210, 130, 60),
                   Rgb(90, 170, 60)));
    c.Place(c.Make(Kind::Chair, tableX + (r.Chance(0.5f) ? -150 : 150), H - 2, 18, Rgb(140, 95, 55)));
  } else {
    c.Spare(c.Make(Kind::Utensil, r.Range(railX0 + 10, railX1 - 10), railY, 11, Rgb(200, 60, 50), {}, 4));
  }
  // Daylight through the window, or the warm light of an evening lamp.
  if (r.Chance(0.6f)) {
    LightShaft(s.background, winX - 60 + 80, winX + 60 + 80, windowLeft ? -0.35f : 0.35f, 0.08f, Rgb(255, 245, 220));
    s.tint = {1.0f, 1.0f, 0.99f};
  } else {
    LightPool(s.background, r.Range(120, W - 120), counterY - 40, 260, Rgb(255, 225, 170), 0.6f);
    s.tint = {1.05f, 0.98f, 0.9f};
  }
  s.vignette = r.Range(0.18f, 0.32f);
  c.Done();
  return s;
}

// ---- Classroom ----

Scene Classroom(Rng& r) {
  Scene s;
  s.title = "Klassenzimmer";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  const bool far = r.Chance(0.5f);  // from the back of the room, or from the middle
  const float floorY = far ? r.Range(215, 250) : r.Range(270, 310);
  constexpr Color kWalls[] = {Rgb(235, 225, 195), Rgb(200, 215, 225), Rgb(215, 230, 200), Rgb(240, 215, 200),
                              Rgb(230, 230, 230)};
  const Color wall = r.Pick(kWalls);
  PaintPlaster(s.background, 0, floorY, wall, Seed(r));
  // A darker dado rail along the wall.
  FillBox(s.background, -2, floorY - 60, W + 2, floorY, Mottled{Darker(wall, 0.18f), 0.05f, 0.06f, 4});
  FillBox(s.background, -2, floorY - 63, W + 2, floorY - 58, Flat{Darker(wall, 0.35f)});
  constexpr Color kFloors[] = {Rgb(170, 120, 80), Rgb(120, 130, 140), Rgb(150, 80, 60), Rgb(190, 170, 130)};
  const Color floor = r.Pick(kFloors);
  if (r.Chance(0.5f))
    PaintFloorboards(s.background, floorY, H, floor, Seed(r));
  else
    PaintPerspectiveFloor(s.background, floorY, floorY - 90, r.Range(180, 300), floor, Lighter(floor, 0.25f), 1.3f,
                          Seed(r));
  FillBox(s.background, -2, floorY, W + 2, floorY + 6, Flat{{0, 0, 0}}, 0, 0.3f);
  // The board.
  const float bw = far ? r.Range(190, 250) : r.Range(250, 330);
  const float bx = r.Range(20 + bw / 2, W - 20 - bw / 2);
  const float by0 = far ? r.Range(55, 85) : r.Range(40, 70), by1 = floorY - (far ? 75 : 85);
  const bool greenBoard = r.Chance(0.6f);
  const Color board = greenBoard ? Rgb(45, 80, 60) : Rgb(40, 42, 48);
  FillBox(s.background, bx - bw / 2 - 8, by0 - 8, bx + bw / 2 + 8, by1 + 8, Mottled{Rgb(150, 105, 60), 0.1f, 0.2f, 2}, 3);
  const std::uint32_t smudge = Seed(r);
  ForBox(s.background, bx - bw / 2, by0, bx + bw / 2, by1, [&](int x, int y, Color& px) {
    const float wipe = Fbm(x * 0.01f, y * 0.05f, smudge, 4);
    px = Mix(board, Rgb(200, 205, 200), SmoothStep(0.5f, 0.9f, wipe) * 0.22f) * (0.95f + 0.1f * ValueNoise(x * 0.3f, y * 0.3f, smudge));
  });
  FillBox(s.background, bx - bw / 2 - 10, by1 + 6, bx + bw / 2 + 10, by1 + 12, VerticalGradient{Rgb(170, 125, 80), Rgb(110, 75, 45), by1 + 6, by1 + 12});
  const Color chalks[] = {Rgb(245, 245, 240), Rgb(250, 235, 130), Rgb(250, 170, 190), Rgb(150, 210, 250)};
  const int drawings = std::max(2, static_cast<int>(bw / 75));
  for (int i = 0; i < drawings; ++i) {
    const float x = bx - bw / 2 + (i + 0.5f) * bw / drawings + r.Range(-8, 8);
    const float y = r.Range(by0 + 30, by1 - 28);
    Item drawing = c.Make(Kind::ChalkDrawing, x, y, r.Range(10, 13) * (far ? 0.9f : 1.0f), chalks[r.Int(0, 3)], {}, 4);
    c.Place(drawing);
  }
  c.Place(c.Make(Kind::Clock, bx + r.Range(-bw / 3, bw / 3), std::max(22.0f, by0 - 26), far ? 11 : 13, r.Pick(kPaints), {}, 3));
  // Windows on one side of the board, posters or a shelf on the other.
  const bool leftSpace = bx - bw / 2 > 110, rightSpace = bx + bw / 2 < W - 110;
  const float k = far ? 0.8f : 1.0f;
  auto sideStuff = [&](float x0, float x1) {
    const float mid = (x0 + x1) / 2;
    switch (r.Int(0, 2)) {
      case 0: {
        c.Fixed(c.Make(Kind::Window, mid, floorY - 75, 11 * k, r.Pick(kPaints)));
        c.Place(c.Make(Kind::FlowerPot, mid + r.Range(-20, 20), floorY - 73, 11 * k, Rgb(180, 95, 60), r.Pick(kBlooms)));
        break;
      }
      case 1: {
        c.Place(c.Make(Kind::PictureFrame, mid, floorY - 110 * k, 12 * k, r.Pick(kPaints), r.Pick(kBlooms)));
        break;
      }
      default: {
        const float sy = floorY - 100 * k;
        FillBox(s.background, x0 + 8, sy, x1 - 8, sy + 6, VerticalGradient{Rgb(150, 100, 60), Rgb(90, 60, 35), sy, sy + 6});
        constexpr Color kBooks[] = {Rgb(150, 40, 40), Rgb(40, 70, 130), Rgb(50, 110, 70), Rgb(200, 160, 60), Rgb(110, 60, 110)};
        for (float x = x0 + 16; x < x1 - 16; x += 9 * k) c.Place(c.Make(Kind::Book, x, sy, 11 * k, r.Pick(kBooks), Rgb(230, 200, 120)));
        c.Place(c.Make(Kind::Globe, mid + r.Range(-15, 15), floorY - 62, 14 * k, Rgb(60, 110, 190)));
        break;
      }
    }
  };
  if (leftSpace) sideStuff(0, bx - bw / 2 - 10);
  if (rightSpace) sideStuff(bx + bw / 2 + 10, W);
  // The teacher's desk, then rows of pupils' desks growing towards us.
  const float teacherX = r.Chance(0.5f) ? r.Range(60, 160) : r.Range(W - 160, W - 60);
  const float teacherY = floorY + (far ? 20 : 30);
  c.Place(c.Make(Kind::Desk, teacherX, teacherY, far ? 15 : 19, Rgb(150, 100, 60)));
  c.Place(c.Make(Kind::Apple, teacherX + r.Range(-20, 20), teacherY - 3.2f * (far ? 15 : 19), far ? 9 : 11, Rgb(200, 35, 30)));
  c.Spare(c.Make(Kind::Cup, teacherX + r.Range(-25, 25), teacherY - 3.2f * (far ? 15 : 19), far ? 9 : 11, r.Pick(kPaints)));
  constexpr Color kDeskTops[] = {Rgb(200, 160, 110), Rgb(120, 160, 190), Rgb(150, 190, 120), Rgb(220, 200, 150)};
  const Color deskColor = r.Pick(kDeskTops);
  const int rows = far ? r.Int(3, 4) : r.Int(2, 3);
  const float rowY0 = floorY + (far ? 60 : 75);
  for (int row = 0; row < rows; ++row) {
    const float y = rowY0 + row * (H - rowY0 + 10) / rows;
    const float size = Perspective(y, floorY - 60, far ? 21 : 26);
    const int perRow = far ? r.Int(3, 4) : r.Int(2, 3);
    const float offset = r.Range(-30, 30);
    for (int i = 0; i < perRow; ++i) {
      const float x = W / 2 + offset + (i - (perRow - 1) * 0.5f) * std::max(W / perRow * 0.95f, 5.2f * size);
      if (x < 10 || x > W - 10) continue;
      c.Place(c.Make(Kind::Desk, x, y, size, Vary(r, deskColor, 0.05f)));
      const float top = y - 3.3f * size + 1;
      switch (r.Int(0, 4)) {
        case 0:
          c.Place(c.Make(Kind::Book, x + r.Range(-1.5f, 1.5f) * size, top, size * 0.75f, r.Pick(kPaints), Rgb(240, 230, 210)));
          break;
        case 1:
          c.Place(c.Make(Kind::Apple, x + r.Range(-1.5f, 1.5f) * size, top, size * 0.65f, r.Pick(kFruit)));
          break;
        case 2:
          c.Place(c.Make(Kind::Cup, x + r.Range(-1.5f, 1.5f) * size, top, size * 0.65f, r.Pick(kPaints)));
          break;
        case 3:
          c.Place(c.Make(Kind::Globe, x + r.Range(-1.2f, 1.2f) * size, top, size * 0.5f, Rgb(60, 110, 190)));
          break;
        default:
          break;
      }
      if (r.Chance(0.45f))
        c.Place(c.Make(Kind::Satchel, x + (r.Chance(0.5f) ? -1 : 1) * 2.9f * size, y + 2, size * 0.75f, r.Pick(kPaints),
                       Rgb(240, 220, 90)), 30);
    }
  }
  c.Spare(c.Make(Kind::Satchel, r.Range(40, W - 40), H - 10, 12, r.Pick(kPaints), Rgb(240, 220, 90)));
  Item spareDrawing = c.Make(Kind::ChalkDrawing, bx + r.Range(-bw / 3, bw / 3), r.Range(by0 + 30, by1 - 28), 11, chalks[0], {}, 4);
  c.Spare(spareDrawing);
  for (int i = 0, end = r.Int(0, 2); i < end; ++i) {
    Item lamp = c.Make(Kind::HangingLamp, (i + r.Range(0.3f, 0.7f)) * W / 2, r.Range(-20, 0), 12, r.Pick(kPaints));
    lamp.depth = -500;
    c.Place(lamp);
  }
  c.Spare(c.Make(Kind::Globe, r.Range(60, W - 60), H - 12, 13, Rgb(60, 110, 190)));
  // Morning sun through the windows, the lamps on a dark winter afternoon,
  // or the flat light of a grey day.
  switch (r.Int(0, 2)) {
    case 0:
      LightShaft(s.background, r.Range(0, 200), r.Range(260, 400), r.Range(-0.5f, 0.5f), 0.08f, Rgb(255, 245, 215));
      s.tint = {1.03f, 1.0f, 0.95f};
      break;
    case 1:
      LightPool(s.background, r.Range(100, W - 100), r.Range(60, 160), r.Range(220, 320), Rgb(255, 225, 170), 0.62f);
      s.tint = {1.05f, 0.98f, 0.9f};
      break;
    default:
      s.tint = {0.95f, 0.98f, 1.04f};
      break;
  }
  s.vignette = r.Range(0.18f, 0.3f);
  c.Done();
  return s;
}

// ---- Market ----

Scene Market(Rng& r) {
  Scene s;
  s.title = "Markt";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  // A town square under its houses, or a village green under trees.
  const bool green = r.Chance(0.4f);
  const bool near = r.Chance(0.45f);
  const float backY = green ? r.Range(140, 215) : r.Range(175, 245);
  const Daylight light = PickDaylight(r, backY - 60);
  s.tint = light.tint;
  PaintSky(s.background, green ? backY : backY - 40, light.sky, Seed(r));
  AddClouds(c, green ? backY - 30 : backY - 100, r.Int(1, 4), CloudColor(light));
  AddBirds(c, 20, green ? backY - 40 : backY - 140, r.Int(0, 3), Rgb(60, 60, 70));
  if (green) {
    const SeasonLook look = LookOf(PickSeason(r, false));
    PaintRidge(s.background, {backY - 25, 25, 140, Rgb(110, 130, 150), Rgb(100, 120, 130), 0.1f, 0.02f, Seed(r), 0.4f,
                              light.sky.horizon});
    PaintRidge(s.background, {backY - 4, 8, 30, Darker(look.leaves[0], 0.3f), Darker(look.leaves[1], 0.5f), 0.35f, 0.09f,
                              Seed(r), 0.15f, light.sky.horizon});
    PaintGround(s.background, backY + 8, look, Seed(r));
    const std::uint32_t gravel = Seed(r);
    FillEllipse(s.background, W / 2 + r.Range(-60, 60), (backY + H) / 2 + 40, W * 0.7f, (H - backY) * 0.55f,
                Mottled{Rgb(200, 185, 155), 0.12f, 0.25f, gravel}, 1, 8);
    for (int i = 0, end = r.Int(3, 6); i < end; ++i) {
      const float y = backY + r.Range(6, 24);
      c.Place(SeasonTree(c, look, r.Range(10, W - 10), y, Perspective(y, backY - 40, 24)), 60);
    }
    c.Place(c.Make(Kind::Chapel, r.Range(60, W - 60), backY + 10, Perspective(backY + 10, backY - 40, 20),
                   Rgb(240, 236, 226), r.Pick(kRoofs)));
    for (int i = 0, end = r.Int(1, 2); i < end; ++i)
      c.Place(c.Make(Kind::Cottage, r.Range(40, W - 40), backY + r.Range(8, 16), Perspective(backY + 12, backY - 40, 16),
                     r.Pick(kFacades), r.Pick(kRoofs), 3),
              90);
  } else {
    constexpr Color kStones[] = {Rgb(160, 150, 135), Rgb(140, 135, 130), Rgb(175, 160, 140), Rgb(130, 120, 115)};
    PaintCobbles(s.background, backY, H, r.Pick(kStones), r.Range(18, 30), Seed(r));
    // The square's houses, a row across the back, taller when we stand close.
    const float hs = near ? r.Range(21, 27) : r.Range(15, 22) * (backY / 220);
    for (float x = r.Range(-40, 0); x < W + 40;) {
      const float size = hs * r.Range(0.9f, 1.1f);
      c.Fixed(c.Make(Kind::Townhouse, x + 2 * size, backY + 4, size, r.Pick(kFacades), r.Pick(kRoofs), 4));
      x += 4 * size + r.Range(0, 4);
    }
  }
  if (r.Chance(green ? 0.4f : 0.7f))
    PaintBunting(s.background, -10, r.Range(40, 90), W + 10, r.Range(40, 90), r.Range(20, 50), Seed(r));
  // Stalls in one or two rows, each with its goods.
  // Close to one or two stalls, or across the square to a row of them.
  const int stalls = near ? r.Int(1, 2) : r.Int(2, 3);
  const float stallY = near ? r.Range(H - 100, H - 50) : r.Range(backY + 70, std::min(H - 60, backY + 130));
  const float stallSize = near ? r.Range(24, 30) : Perspective(stallY, backY - 40, 19);
  const float span = W / stalls;
  for (int i = 0; i < stalls; ++i) {
    const float x = (i + 0.5f) * span + r.Range(-15, 15);
    Item stall = c.Make(Kind::Stall, x, stallY, std::min(stallSize, span / 10.5f), r.Pick(kPaints), Rgb(150, 110, 70));
    stall.depth = stallY - 0.5f;
    c.Fixed(stall);
    const float top = stallY - 2.45f * stall.size;
    const int goods = std::max(2, static_cast<int>(stall.size * 9 / (stall.size * 3.2f)) - r.Int(0, 1));
    for (int g = 0; g < goods; ++g) {
      const float gx = x + (g - (goods - 1) * 0.5f) * 3.0f * stall.size;
      Item good = r.Chance(0.7f) ? c.Make(Kind::FruitCrate, gx, top, stall.size * 0.75f, r.Pick(kFruit), Rgb(180, 140, 90))
                                 : c.Make(Kind::Basket, gx, top, stall.size * 0.7f, r.Pick(kFruit));
      good.depth = stallY + 0.1f;
      c.Place(good);
    }
  }
  // Things on the square in front.
  const Kind kGround[] = {Kind::Sack, Kind::Basket, Kind::Barrel, Kind::Crate, Kind::FruitCrate, Kind::FlowerPot, Kind::Sack};
  const int ground = r.Int(6, 9);
  for (int i = 0; i < ground; ++i) {
    const Kind kind = r.Pick(kGround);
    const float y = near ? (r.Chance(0.5f) ? r.Range(backY + 20, backY + 60) : r.Range(stallY + 8, H - 4))
                         : r.Range(stallY + 20, H - 8);
    const float size = Perspective(y, backY - 40, 17);
    Color col = r.Pick(kFruit), acc = Rgb(180, 140, 90);
    if (kind == Kind::Sack) col = Rgb(190, 165, 120), acc = r.Chance(0.5f) ? Rgb(200, 170, 80) : Rgb(150, 110, 70);
    if (kind == Kind::Barrel) col = Rgb(140, 95, 55);
    if (kind == Kind::Crate) col = Rgb(175, 135, 85);
    if (kind == Kind::FlowerPot) col = Rgb(180, 95, 60), acc = r.Pick(kBlooms);
    c.Place(c.Make(kind, r.Range(20, W - 20), y, size, col, acc), 45);
  }
  if (r.Chance(0.6f)) {
    const float y = r.Range(backY + 30, stallY - 10);
    c.Place(c.Make(Kind::Parasol, r.Range(40, W - 40), y, Perspective(y, backY - 40, 15), r.Pick(kPaints)));
  }
  for (int i = 0, end = r.Int(1, 2); i < end; ++i) {
    const float y = r.Range(backY + 15, H - 20);
    c.Place(c.Make(Kind::StreetLamp, r.Range(20, W - 20), y, Perspective(y, backY - 40, 14), Rgb(40, 45, 50)), 120);
  }
  if (r.Chance(0.7f)) c.Place(c.Make(Kind::Cat, r.Range(20, W - 20), r.Range(stallY + 15, H - 10), 11, r.Chance(0.5f) ? Rgb(60, 55, 55) : Rgb(210, 130, 60), Rgb(90, 170, 60)));
  if (r.Chance(0.6f)) c.Place(c.Make(Kind::Balloon, r.Range(30, W - 30), r.Range(backY - 100, backY), 10, r.Pick(kBlooms)));
  c.Place(c.Make(Kind::Bench, r.Range(50, W - 50), r.Range(backY + 20, backY + 50), Perspective(backY + 35, backY - 40, 13), Rgb(60, 90, 60)), 0);
  c.Spare(c.Make(Kind::Basket, r.Range(30, W - 30), r.Range(stallY + 20, H - 10), 12, r.Pick(kFruit)));
  c.Spare(c.Make(Kind::Sack, r.Range(30, W - 30), r.Range(stallY + 20, H - 10), 12, Rgb(190, 165, 120), Rgb(200, 170, 80)));
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(80, backY - 20), 10, Rgb(230, 50, 60)), true);
  c.Spare(c.Make(Kind::FruitCrate, r.Range(30, W - 30), r.Range(stallY + 25, H - 10), 12, r.Pick(kFruit), Rgb(180, 140, 90)));
  s.vignette = r.Range(0.15f, 0.28f);
  c.Done();
  return s;
}

// ---- Workshop ----

Scene Workshop(Rng& r) {
  Scene s;
  s.title = "Werkstatt";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  // Standing at the bench, or back in the room with the floor in view.
  const bool near = r.Chance(0.45f);
  const float k = near ? 1.3f : 1.0f;
  const float benchY = near ? r.Range(300, 350) : r.Range(200, 270);
  const float floorY = std::min(benchY + r.Range(60, 90) * k, H - 45);
  const int wallStyle = r.Int(0, 2);
  if (wallStyle == 0) {
    constexpr Color kPlanks[] = {Rgb(150, 110, 75), Rgb(120, 90, 65), Rgb(170, 140, 100)};
    const Color plank = r.Pick(kPlanks);
    const float pw = r.Range(22, 34);
    const std::uint32_t seed = Seed(r);
    ForBox(s.background, 0, 0, W, floorY, [&](int x, int y, Color& px) {
      const int board = static_cast<int>(x / pw);
      const float f = x / pw - board;
      const float grain = Fbm(x * 0.2f, y * 0.01f, seed + board * 7, 3);
      Color col = plank * (0.85f + 0.2f * Hash2(board, 1, seed)) * (0.8f + 0.35f * grain);
      if (f < 0.04f) col = col * 0.5f;
      px = col;
    });
  } else if (wallStyle == 1) {
    PaintTiles(s.background, 0, 0, W, floorY, r.Range(34, 44), Rgb(165, 85, 60), Rgb(190, 180, 165), true, Seed(r));
  } else {
    PaintPlaster(s.background, 0, floorY, r.Chance(0.5f) ? Rgb(205, 205, 195) : Rgb(180, 195, 200), Seed(r));
  }
  const std::uint32_t concrete = Seed(r);
  ForBox(s.background, 0, floorY, W, H, [&](int x, int y, Color& px) {
    const float stain = Fbm(x * 0.02f, y * 0.04f, concrete, 4);
    px = Rgb(150, 148, 140) * (0.75f + 0.35f * stain) * (0.8f + 0.2f * (y - floorY) / (H - floorY));
  });
  FillBox(s.background, -2, floorY, W + 2, floorY + 5, Flat{{0, 0, 0}}, 0, 0.35f);
  // The bench runs along the whole wall, or leaves room for a tall rack.
  const int span = r.Int(0, 2);  // 0 whole wall, 1 bench on the left, 2 on the right
  const float bx0 = span == 2 ? r.Range(W * 0.35f, W * 0.45f) : r.Range(-20, 40);
  const float bx1 = span == 1 ? r.Range(W * 0.55f, W * 0.65f) : r.Range(W - 40, W + 20);
  // A pegboard with tools over the bench.
  const float pegW = std::min(r.Range(180, 280), bx1 - bx0 - 20);
  const float pegX0 = r.Range(std::max(10.0f, bx0 + 5), std::min(W - 10, bx1 - 5) - pegW), pegY0 = r.Range(60, 100),
              pegY1 = benchY - 20;
  const Color board = r.Chance(0.5f) ? Rgb(190, 160, 120) : Rgb(120, 150, 140);
  ForBox(s.background, pegX0, pegY0, pegX0 + pegW, pegY1, [&](int x, int y, Color& px) {
    const float hx = std::fmod(x - pegX0, 12.0f) - 6, hy = std::fmod(y - pegY0, 12.0f) - 6;
    const float hole = std::hypot(hx, hy) < 1.6f ? 0.45f : 1.0f;
    px = board * hole * (0.95f + 0.08f * ValueNoise(x * 0.05f, y * 0.05f, 9));
  });
  FillBox(s.background, pegX0 - 3, pegY0 - 3, pegX0 + pegW + 3, pegY0, Flat{Darker(board, 0.3f)});
  constexpr Color kGrips[] = {Rgb(200, 50, 40), Rgb(240, 190, 40), Rgb(40, 90, 170), Rgb(150, 100, 60), Rgb(40, 40, 45),
                              Rgb(60, 140, 70)};
  for (float x = pegX0 + 20; x < pegX0 + pegW - 15; x += r.Range(32, 46) * k) {
    const float y = pegY0 + r.Range(10, 18);
    Item tool = c.Make(Kind::Tool, x, y, r.Range(11, 14) * k, r.Pick(kGrips), {}, 4);
    if (y + 5.5f * tool.size < pegY1) c.Place(tool);
  }
  // Shelf with cans and jars on the other side, or a window.
  const bool shelfLeft = span == 0 ? pegX0 > W - pegX0 - pegW : span == 2;
  const float sx0 = shelfLeft ? 10 : pegX0 + pegW + 15, sx1 = shelfLeft ? pegX0 - 15 : W - 10;
  if (span != 0) {
    // A tall rack from the floor up, full of cans, boxes and jars.
    const float rx0 = span == 1 ? bx1 + 20 : 15, rx1 = span == 1 ? W - 15 : bx0 - 20;
    const Color steel = Rgb(90, 100, 110);
    for (float ux : {rx0, rx1 - 8})
      FillBox(s.background, ux, 40, ux + 8, floorY + 20, CylinderShade{steel, ux + 4, 4}, 1);
    for (float sy = floorY + 10; sy > 70; sy -= r.Range(70, 90) * k) {
      FillBox(s.background, rx0, sy, rx1, sy + 6, VerticalGradient{Lighter(steel, 0.3f), steel, sy, sy + 6});
      FillBox(s.background, rx0 + 8, sy + 6, rx1 - 8, sy + 14, Flat{{0, 0, 0}}, 0, 0.25f);
      for (float x = rx0 + 22; x < rx1 - 18; x += r.Range(30, 44) * k) {
        const int what = r.Int(0, 3);
        if (what == 0)
          c.Place(c.Make(Kind::PaintCan, x, sy, 12 * k, r.Pick(kPaints)));
        else if (what == 1)
          c.Place(c.Make(Kind::Toolbox, x + 6, sy, 10 * k, r.Pick(kPaints)));
        else if (what == 2)
          c.Place(c.Make(Kind::Crate, x + 4, sy, 10 * k, Rgb(175, 135, 85)));
        else
          c.Place(c.Make(Kind::Jar, x, sy, 11 * k, Rgb(190, 150, 80), r.Pick(kPaints)));
      }
    }
  } else if (sx1 - sx0 > 60) {
    if (r.Chance(0.4f)) {
      c.Fixed(c.Make(Kind::Window, (sx0 + sx1) / 2, pegY1 - 25, 11, Rgb(120, 110, 90)));
    } else {
      for (float sy : {pegY0 + 40.0f, pegY0 + 105.0f}) {
        if (sy > benchY - 40) break;
        FillBox(s.background, sx0, sy, sx1, sy + 6, VerticalGradient{Rgb(160, 110, 70), Rgb(100, 70, 40), sy, sy + 6});
        FillBox(s.background, sx0, sy + 6, sx1, sy + 12, Flat{{0, 0, 0}}, 0, 0.25f);
        for (float x = sx0 + 18; x < sx1 - 14; x += r.Range(26, 38)) {
          if (r.Chance(0.5f))
            c.Place(c.Make(Kind::PaintCan, x, sy, 12, r.Pick(kPaints)));
          else
            c.Place(c.Make(Kind::Jar, x, sy, 11, r.Chance(0.5f) ? Rgb(160, 160, 170) : Rgb(190, 150, 80), r.Pick(kPaints)));
        }
      }
    }
  }
  // The bench.
  constexpr Color kBench[] = {Rgb(170, 125, 80), Rgb(140, 100, 60), Rgb(190, 150, 100)};
  const Color wood = r.Pick(kBench);
  for (float lx : {bx0 + 25, bx1 - 40})
    FillBox(s.background, lx, benchY, lx + 14, floorY + 25, CylinderShade{Darker(wood, 0.25f), lx + 7, 7}, 2);
  FillBox(s.background, bx0 + 20, floorY - 5, bx1 - 20, floorY + 3, Flat{Darker(wood, 0.3f)});
  PaintWoodBand(s.background, bx0, benchY - 4, bx1, benchY + 14, wood, Seed(r));
  FillBox(s.background, bx0, benchY + 14, bx1, benchY + 22, Flat{Darker(wood, 0.4f)});
  FillBox(s.background, bx0, benchY + 22, bx1, benchY + 34, Flat{{0, 0, 0}}, 0, 0.25f);
  const Kind kOnBench[] = {Kind::Toolbox, Kind::PaintCan, Kind::Jar, Kind::Cup, Kind::Bottle, Kind::Lamp, Kind::Crate,
                           Kind::PaintCan, Kind::Jar};
  float x = bx0 + r.Range(30, 60);
  const int onBench = r.Int(4, 7);
  for (int i = 0; i < onBench && x < bx1 - 30; ++i) {
    const Kind kind = r.Pick(kOnBench);
    const float size = kind == Kind::Toolbox ? 14 : (kind == Kind::Lamp ? 13 : (kind == Kind::Crate ? 11 : 12));
    Color col = r.Pick(kPaints);
    if (kind == Kind::Crate) col = Rgb(175, 135, 85);
    if (kind == Kind::Jar) col = r.Chance(0.5f) ? Rgb(160, 160, 170) : Rgb(190, 150, 80);
    if (kind == Kind::Bottle) col = Rgb(60, 90, 60);
    c.Place(c.Make(kind, x, benchY + r.Range(2, 8), size * k, col, r.Pick(kPaints)));
    x += r.Range(50, 80) * k;
  }
  // On the floor.
  const Kind kOnFloor[] = {Kind::Crate, Kind::Barrel, Kind::PaintCan, Kind::Toolbox, Kind::Bucket, Kind::Sack};
  for (int i = 0, end = r.Int(3, 5); i < end; ++i) {
    const Kind kind = r.Pick(kOnFloor);
    const float y = r.Range(floorY + 25, H - 8);
    Color col = r.Pick(kPaints);
    if (kind == Kind::Crate) col = Rgb(175, 135, 85);
    if (kind == Kind::Barrel) col = Rgb(140, 95, 55);
    if (kind == Kind::Sack) col = Rgb(190, 165, 120);
    c.Place(c.Make(kind, r.Range(25, W - 25), y, 12 + (y - floorY) * 0.06f, col, Rgb(200, 170, 80)), 60);
  }
  if (r.Chance(0.6f)) c.Place(c.Make(Kind::Cat, r.Range(30, W - 30), r.Range(floorY + 40, H - 6), 12, r.Chance(0.5f) ? Rgb(60, 55, 55) : Rgb(235, 230, 220), Rgb(200, 200, 60)));
  c.Place(c.Make(Kind::Clock, shelfLeft ? r.Range(W - 90, W - 40) : r.Range(40, 90), r.Range(30, 50), 12, r.Pick(kPaints), {}, 3), 0);
  // Lamps from the ceiling, and the light they throw.
  const int lamps = r.Int(1, 2);
  float lampX = 0;
  for (int i = 0; i < lamps; ++i) {
    lampX = (i + r.Range(0.3f, 0.7f)) * W / lamps;
    Item lamp = c.Make(Kind::HangingLamp, lampX, r.Range(-10, 10), r.Range(11, 14), r.Pick(kGrips));
    lamp.depth = -500;
    c.Place(lamp);
  }
  LightPool(s.background, lampX, benchY - 60, r.Range(200, 300), Rgb(255, 230, 180), r.Range(0.45f, 0.7f));
  c.Spare(c.Make(Kind::Tool, r.Range(pegX0 + 20, pegX0 + pegW - 20), pegY0 + 14, 12, r.Pick(kGrips), {}, 4));
  c.Spare(c.Make(Kind::PaintCan, r.Range(40, W - 40), r.Range(floorY + 30, H - 10), 13, r.Pick(kPaints)));
  c.Spare(c.Make(Kind::Jar, r.Range(bx0 + 30, bx1 - 30), benchY + 4, 11, Rgb(190, 150, 80), r.Pick(kPaints)));
  s.tint = r.Chance(0.5f) ? Color{1.04f, 1.0f, 0.93f} : Color{1, 1, 1};
  s.vignette = r.Range(0.15f, 0.35f);
  c.Done();
  return s;
}

// ---- Playground ----

Scene Playground(Rng& r) {
  Scene s;
  s.title = "Spielplatz";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  const float density = r.Range(0.55f, 1.45f);  // a quiet corner or a busy playground
  const float horizon = r.Range(110, 200);
  const Daylight light = PickDaylight(r, horizon);
  const SeasonLook look = LookOf(PickSeason(r));
  s.tint = light.tint;
  PaintSky(s.background, horizon, light.sky, Seed(r));
  // Town or trees behind the fence.
  if (r.Chance(0.5f)) {
    Rng b(Seed(r));
    for (float x = -10; x < W;) {
      const float w = b.Range(30, 60), h = b.Range(30, 90);
      FillBox(s.background, x, horizon - h, x + w, horizon + 5, Flat{Mix(Rgb(130, 125, 135), light.sky.horizon, 0.45f)});
      x += w + b.Range(-4, 8);
    }
  }
  PaintRidge(s.background, {horizon, 10, 30, Darker(look.leaves[0], 0.35f), Darker(look.leaves[1], 0.5f), 0.35f, 0.09f,
                            Seed(r), 0.15f, light.sky.horizon});
  const float grassY = horizon + 20;
  PaintGround(s.background, grassY, look, Seed(r));
  // The sand pit with its wooden edge.
  const float sandX = r.Range(120, W - 120), sandY = r.Range(grassY + 80, H - 50);
  const float sandRx = r.Range(70, 110), sandRy = r.Range(25, 38);
  FillEllipse(s.background, sandX, sandY, sandRx + 6, sandRy + 5, Flat{Rgb(140, 100, 60)});
  FillEllipse(s.background, sandX, sandY, sandRx, sandRy,
              Mottled{look.snow ? Rgb(235, 235, 240) : Rgb(225, 200, 145), 0.15f, 0.15f, Seed(r)});
  // A path across.
  const std::uint32_t pathSeed = Seed(r);
  const float pathX = r.Range(60, W - 60);
  ForBox(s.background, 0, grassY, W, H, [&](int x, int y, Color& px) {
    const float t = (y - grassY) / (H - grassY);
    const float cx = pathX + (t - 0.5f) * 180 * (pathX < W / 2 ? -1 : 1);
    const float half = 8 + t * 40;
    const float d = std::fabs(x - cx) - half;
    if (d < 1) px = Mix(px, Rgb(200, 185, 155) * (0.9f + 0.2f * ValueNoise(x * 0.3f, y * 0.3f, pathSeed)), Clamp01(1 - d) * (look.snow ? 0.4f : 1.0f));
  });
  AddClouds(c, horizon, light.overcast ? r.Int(4, 6) : r.Int(1, 4), CloudColor(light));
  AddBirds(c, 20, horizon - 30, r.Int(0, 3), Rgb(50, 45, 50));
  // Back row of trees and bushes.
  for (int i = 0, end = Scaled(r.Int(3, 6), density); i < end; ++i) {
    const float y = horizon + r.Range(12, 28);
    c.Place(SeasonTree(c, look, r.Range(15, W - 15), y, Perspective(y, horizon, 20)), 60);
  }
  // The play things, each used once or twice.
  struct Play {
    Kind kind;
    float size;
  };
  std::vector<Play> plays = {{Kind::Swing, 17}, {Kind::Slide, 16}, {Kind::Seesaw, 15}, {Kind::Swing, 15}, {Kind::Slide, 14}, {Kind::Seesaw, 14}};
  Shuffle(plays, r);
  const int n = r.Int(3, 5);
  for (int i = 0, tries = 0; i < n && tries < 30; ++tries) {
    const float y = r.Range(grassY + (H - grassY) * 0.3f, H - 15);
    const float x = r.Range(50, W - 50);
    if (std::fabs(x - sandX) < sandRx + 30 && std::fabs(y - sandY) < sandRy + 40) continue;
    if (c.Place(c.Make(plays[i].kind, x, y, Perspective(y, horizon, plays[i].size * 1.5f), r.Pick(kPaints), r.Pick(kPaints)), 110))
      ++i;
  }
  // Trees and bushes around the edges of the playground.
  for (int i = 0, end = Scaled(r.Int(2, 4), density); i < end; ++i) {
    const float y = r.Range(grassY + 25, grassY + 120);
    const float x = r.Chance(0.5f) ? r.Range(10, 120) : r.Range(W - 120, W - 10);
    c.Place(SeasonTree(c, look, x, y, Perspective(y, horizon, 22)), 50);
  }
  // Toys in the sand pit.
  c.Place(c.Make(Kind::Bucket, sandX + r.Range(-0.6f, 0.6f) * sandRx, sandY + r.Range(-5, 12), 11, r.Pick(kPaints), r.Pick(kPaints)));
  if (!look.snow) c.Place(c.Make(Kind::Sandcastle, sandX + r.Range(-0.5f, 0.5f) * sandRx, sandY + r.Range(0, 15), 10, Rgb(220, 190, 130), r.Pick(kPaints)), 40);
  c.Place(c.Make(Kind::BeachBall, r.Range(30, W - 30), r.Range(grassY + 50, H - 10), 10, r.Pick(kPaints), r.Pick(kPaints)), 60);
  for (int i = 0, end = r.Int(1, 2); i < end; ++i)
    c.Place(c.Make(Kind::Bench, r.Range(40, W - 40), r.Range(grassY + 15, grassY + 60), Perspective(grassY + 40, horizon, 16), r.Pick(kPaints)), 100);
  // Fence along the back or one side.
  const float fenceY = grassY + r.Range(5, 25);
  const float fenceX = r.Range(0, W - 180);
  for (int i = 0, end = Scaled(r.Int(6, 10), density); i < end; ++i)
    c.Place(c.Make(Kind::Picket, fenceX + i * 18, fenceY, Perspective(fenceY, horizon, 13), r.Chance(0.5f) ? Rgb(235, 230, 220) : Rgb(160, 110, 70)));
  for (int i = 0, end = Scaled(r.Int(2, 5), density); i < end; ++i) {
    const float y = r.Range(grassY + 30, H - 10);
    c.Place(c.Make(look.snow ? Kind::Rock : Kind::Bush, r.Range(15, W - 15), y, Perspective(y, horizon, 18),
                   look.snow ? Rgb(120, 120, 130) : Vary(r, look.leaves[r.Int(0, 1)]), r.Pick(kBlooms)),
            50);
  }
  if (!look.snow) {
    for (int i = 0, end = Scaled(r.Int(4, 9), density); i < end; ++i) {
      const float y = r.Range(H - 80, H - 4);
      c.Place(c.Make(Kind::Flower, r.Range(10, W - 10), y, r.Range(5, 7), r.Pick(kBlooms)), 25);
    }
    c.Place(c.Make(Kind::Butterfly, r.Range(30, W - 30), r.Range(grassY, H - 60), 7, r.Pick(kBlooms), Rgb(250, 230, 140)), 0);
  }
  // A front tree frames the view on one side.
  const bool left = r.Chance(0.5f);
  c.Place(SeasonTree(c, look, left ? r.Range(5, 40) : r.Range(W - 40, W - 5), r.Range(H - 40, H - 5), r.Range(18, 24)));
  if (r.Chance(0.6f)) c.Sky(c.Make(Kind::Kite, r.Range(60, W - 60), r.Range(30, horizon - 40), 10, r.Pick(kPaints), Rgb(250, 210, 70)));
  c.Place(c.Make(Kind::StreetLamp, r.Range(20, W - 20), r.Range(grassY + 20, grassY + 60), 12, Rgb(40, 45, 50)), 0);
  if (r.Chance(0.5f)) c.Place(c.Make(Kind::Cat, r.Range(20, W - 20), r.Range(grassY + 40, H - 10), 11, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  c.Spare(c.Make(Kind::Bucket, sandX + r.Range(-0.5f, 0.5f) * sandRx, sandY + 5, 11, Rgb(240, 200, 40), Rgb(200, 60, 50)));
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, horizon), 11, r.Pick(kBlooms)), true);
  c.Spare(c.Make(Kind::BeachBall, r.Range(30, W - 30), r.Range(grassY + 60, H - 10), 10, Rgb(250, 200, 40), Rgb(40, 160, 90)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(30, horizon - 20), 7, Rgb(50, 45, 50)), true);
  s.vignette = r.Range(0.15f, 0.3f);
  c.Done();
  return s;
}

// ---- Farm ----

Scene Farm(Rng& r) {
  Scene s;
  s.title = "Bauernhof";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  // Across the fields to a distant farm, or right in its yard.
  const bool yard = r.Chance(0.4f);
  const float horizon = yard ? r.Range(85, 130) : r.Range(120, 205);
  const Daylight light = PickDaylight(r, horizon);
  const SeasonLook look = LookOf(PickSeason(r));
  s.tint = light.tint;
  PaintSky(s.background, horizon, light.sky, Seed(r));
  // Rolling fields to the horizon, each a band of its own crop.
  constexpr Color kCrops[] = {Rgb(200, 170, 80), Rgb(120, 160, 70), Rgb(150, 110, 70), Rgb(170, 180, 90),
                              Rgb(215, 190, 90)};
  const int bands = r.Int(2, 4);
  const Color hedge = look.snow ? Rgb(70, 80, 85) : Darker(look.leaves[0], 0.5f);
  for (int i = 0; i < bands; ++i) {
    const float y = horizon - 8 + i * 14;
    const Color crop = look.snow ? Rgb(225, 230, 240) : r.Pick(kCrops);
    const Ridge field{y, 10, r.Range(90, 200), crop, Darker(crop, 0.15f), 0.15f, 0.05f, Seed(r), 0.35f - i * 0.08f,
                      light.sky.horizon};
    PaintRidge(s.background, field);
    // A hedgerow along the top of each field, bushier in places.
    const std::uint32_t hedgeSeed = field.seed + 9;
    ForBox(s.background, 0, y - 30, W, y + 30, [&](int x, int yy, Color& px) {
      const float top = RidgeHeight(field, x + 0.5f);
      const float thick = 1.5f + 3.5f * ValueNoise(x * 0.08f, 0.5f, hedgeSeed) * (1 + i * 0.5f);
      const float d = std::fabs(yy + 0.5f - top + thick * 0.5f) - thick * 0.5f;
      if (d < 1) px = Mix(px, Mix(hedge, light.sky.horizon, 0.3f - i * 0.08f), Clamp01(1 - d));
    });
  }
  const float yardY = horizon + bands * 14 + 10;
  PaintGround(s.background, yardY, look, Seed(r));
  // A muddy yard in front of the barn.
  const float barnX = yard ? (r.Chance(0.5f) ? r.Range(60, 130) : r.Range(W - 130, W - 60)) : r.Range(90, W - 90);
  const std::uint32_t mud = Seed(r);
  FillEllipse(s.background, barnX, yardY + 40, r.Range(80, 120), r.Range(16, 24),
              Mottled{look.snow ? Rgb(200, 198, 200) : Rgb(150, 120, 85), 0.08f, 0.3f, mud}, 0.6f, 14);
  AddClouds(c, horizon, light.overcast ? r.Int(4, 6) : r.Int(1, 4), CloudColor(light));
  AddBirds(c, 20, horizon - 30, r.Int(1, 4), Rgb(50, 45, 50));
  const float barnY = yard ? yardY + r.Range(60, 100) : yardY + 20;
  Item barn = c.Make(Kind::Barn, barnX, barnY, Perspective(barnY, horizon, 20) * (yard ? r.Range(1.5f, 1.9f) : r.Range(1.1f, 1.5f)),
                     r.Chance(0.7f) ? Rgb(170, 50, 40) : Rgb(120, 100, 80), look.snow ? Rgb(240, 242, 248) : Rgb(90, 90, 95));
  c.Fixed(barn);
  // The farmhouse beside it, and trees around.
  const float houseX = barnX < W / 2 ? r.Range(barnX + 130, W - 40) : r.Range(40, barnX - 130);
  if (r.Chance(0.75f))
    c.Place(c.Make(Kind::Cottage, houseX, yardY + r.Range(5, 20), Perspective(yardY + 10, horizon, 16), r.Pick(kFacades),
                   look.snow ? Rgb(240, 242, 248) : r.Pick(kRoofs), 3));
  for (int i = 0, end = r.Int(2, 5); i < end; ++i) {
    const float y = yardY + r.Range(-6, 30);
    c.Place(SeasonTree(c, look, r.Range(15, W - 15), y, Perspective(y, horizon, 22)), 70);
  }
  // Fences, animals, machines.
  const float fenceY = r.Range(yardY + 60, H - 90);
  const float fenceX = r.Range(-10, W - 200);
  for (int i = 0, end = r.Int(7, 11); i < end; ++i)
    c.Place(c.Make(Kind::Picket, fenceX + i * 19, fenceY + i * r.Range(-0.5f, 0.8f), Perspective(fenceY, horizon, 13), Rgb(200, 180, 150)));
  struct Animal {
    Kind kind;
    float size;
    Color color, accent;
  };
  const Animal kAnimals[] = {{Kind::Cow, 14, Rgb(240, 236, 228), Rgb(40, 35, 35)},
                             {Kind::Cow, 14, Rgb(150, 95, 60), Rgb(240, 236, 228)},
                             {Kind::Pig, 12, Rgb(240, 175, 170), {}},
                             {Kind::Hen, 8, Rgb(245, 240, 230), {}},
                             {Kind::Hen, 8, Rgb(170, 90, 40), {}},
                             {Kind::Sheep, 14, Rgb(240, 236, 225), {}},
                             {Kind::Duck, 7, Rgb(40, 100, 60), Rgb(150, 120, 90)},
                             {Kind::Goat, 12, Rgb(235, 230, 220), {}}};
  const int animals = r.Int(6, 10);
  for (int i = 0; i < animals; ++i) {
    const Animal& a = kAnimals[r.Int(0, 7)];
    const float y = r.Range(yardY + 35, H - 8);
    c.Place(c.Make(a.kind, r.Range(25, W - 25), y, Perspective(y, horizon, a.size * (yard ? 1.5f : 1.2f)), a.color, a.accent), 45);
  }
  const float ty = r.Range(yardY + 40, H - 30);
  c.Place(c.Make(Kind::Tractor, r.Range(50, W - 50), ty, Perspective(ty, horizon, 16), r.Chance(0.5f) ? Rgb(40, 130, 60) : Rgb(200, 50, 40), Rgb(230, 190, 60)));
  if (!look.snow)
    for (int i = 0, end = r.Int(1, 3); i < end; ++i) {
      const float y = r.Range(yardY + 15, H - 40);
      c.Place(c.Make(Kind::Haystack, r.Range(30, W - 30), y, Perspective(y, horizon, 18), Rgb(215, 175, 90)), 80);
    }
  for (int i = 0, end = r.Int(1, 3); i < end; ++i) {
    const Kind kind = r.Chance(0.5f) ? Kind::Barrel : Kind::Crate;
    const float y = r.Range(yardY + 30, H - 10);
    c.Place(c.Make(kind, r.Range(20, W - 20), y, Perspective(y, horizon, 13), kind == Kind::Barrel ? Rgb(140, 95, 55) : Rgb(175, 135, 85)), 60);
  }
  if (r.Chance(0.6f)) c.Place(c.Make(Kind::Cat, r.Range(20, W - 20), r.Range(H - 70, H - 8), 11, Rgb(210, 130, 60), Rgb(90, 160, 60)));
  c.Spare(c.Make(Kind::Hen, r.Range(30, W - 30), r.Range(yardY + 50, H - 10), 9, Rgb(245, 240, 230)));
  c.Spare(c.Make(Kind::Pig, r.Range(30, W - 30), r.Range(yardY + 50, H - 10), 12, Rgb(240, 175, 170)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(30, horizon - 20), 7, Rgb(50, 45, 50)), true);
  c.Spare(c.Make(Kind::Crate, r.Range(30, W - 30), r.Range(yardY + 40, H - 10), 12, Rgb(175, 135, 85)));
  s.vignette = r.Range(0.15f, 0.3f);
  c.Done();
  return s;
}

// ---- Forest ----

Scene Forest(Rng& r) {
  Scene s;
  s.title = "Wald";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  const float density = r.Range(0.5f, 1.5f);  // open woodland or a thicket
  const SeasonLook look = LookOf(PickSeason(r));
  const bool clearing = r.Chance(0.4f);
  const float floorY = clearing ? r.Range(170, 230) : r.Range(200, 270);
  const Daylight light = PickDaylight(r, floorY);
  s.tint = light.tint;
  // Misty light between the trunks, layers of trunks fading into it, and
  // the canopy over them with the sky showing through its gaps.
  PaintSky(s.background, floorY, light.sky, Seed(r));
  const Color haze = Mix(light.sky.horizon, look.snow ? Rgb(220, 225, 235) : Rgb(170, 185, 150), 0.55f);
  ForBox(s.background, 0, 0, W, floorY + 30, [&](int, int y, Color& px) { px = Mix(px, haze, 0.35f + 0.35f * y / (floorY + 30)); });
  for (int layer = 0; layer < 3; ++layer) {
    Rng b(Seed(r));
    const float fade = 0.72f - layer * 0.3f;
    const Color bark = Mix(Rgb(70, 55, 45), haze, fade);
    for (float x = b.Range(-20, 10); x < W + 20; x += b.Range(22, 55) * (1 + layer * 0.5f)) {
      const float w = (3 + layer * 4) * b.Range(0.7f, 1.3f);
      FillBox(s.background, x - w, -5, x + w * 1.1f, floorY + 6 + layer * 6, CylinderShade{bark, x, w, 0.1f});
    }
  }
  const float canopyY = clearing ? r.Range(20, 50) : r.Range(60, 110);
  const std::uint32_t leafSeed = Seed(r);
  const Color leafDark = Darker(look.leaves[0], 0.45f), leafLight = Lighter(look.leaves[1], 0.1f);
  ForBox(s.background, 0, 0, W, canopyY + 60, [&](int x, int y, Color& px) {
    const float edge = canopyY + (Fbm(x * 0.015f, 0.5f, leafSeed, 3) - 0.5f) * 70 + ValueNoise(x * 0.2f, 3.5f, leafSeed) * 14;
    const float cover = Clamp01((edge - y) / 5);
    if (cover <= 0) return;
    const float clumps = Fbm(x * 0.04f, y * 0.05f, leafSeed + 1, 4);
    const float gap = SmoothStep(0.66f, 0.72f, Fbm(x * 0.025f, y * 0.03f, leafSeed + 2, 3)) * Clamp01((edge - y - 25) / 20);
    const Color leaves = Mix(leafDark, leafLight, SmoothStep(0.3f, 0.75f, clumps)) * (0.8f + 0.35f * ValueNoise(x * 0.35f, y * 0.35f, leafSeed + 3));
    px = Mix(px, leaves, cover * (1 - gap));
  });
  // Undergrowth along the foot of the trunks.
  PaintRidge(s.background, {floorY - 6, 9, 22, Mix(leafDark, haze, 0.35f), leafDark, 0.35f, 0.1f, Seed(r), 0.1f, haze});
  const std::uint32_t floorSeed = Seed(r);
  const Color floorTop = look.snow ? Rgb(225, 230, 240) : (look.season == Season::Autumn ? Rgb(150, 100, 50) : Rgb(95, 110, 60));
  const Color floorNear = look.snow ? Rgb(200, 208, 228) : (look.season == Season::Autumn ? Rgb(120, 70, 35) : Rgb(70, 85, 45));
  PaintRidge(s.background, {floorY, 8, 120, floorTop, floorNear, 0.25f, 0.05f, floorSeed, 0.1f, haze});
  if (!look.snow) {
    Rng lr(floorSeed);
    for (int i = 0; i < 400; ++i) {
      const float x = lr.Range(0, W), y = lr.Range(floorY + 5, H), rr = 1 + 2.5f * (y - floorY) / (H - floorY);
      const Color leaf = look.season == Season::Autumn ? look.leaves[lr.Int(0, 2)] : Rgb(130, 100, 60);
      FillEllipse(s.background, x, y, rr * 1.5f, rr * 0.7f, Flat{leaf * lr.Range(0.6f, 1.0f)}, 0.8f);
    }
  }
  // A stream or a path winding to the front.
  const bool stream = r.Chance(0.5f);
  const float wx = r.Range(120, W - 120), bend = r.Range(-120, 120);
  const std::uint32_t waterSeed = Seed(r);
  ForBox(s.background, 0, floorY + 10, W, H, [&](int x, int y, Color& px) {
    const float t = (y - floorY - 10) / (H - floorY - 10);
    const float cx = wx + bend * t * t + std::sin(t * 5) * 15;
    const float half = 6 + t * (stream ? 45 : 35);
    const float d = std::fabs(x - cx) - half;
    if (d >= 1.5f) return;
    const float a = Clamp01(1.5f - d) * (look.snow && !stream ? 0.5f : 1.0f);
    Color col = stream ? Mix(Rgb(70, 100, 110), light.sky.horizon, 0.35f) * (0.85f + 0.3f * Fbm(x * 0.05f, y * 0.3f, waterSeed, 3))
                       : Rgb(160, 130, 95) * (0.85f + 0.25f * ValueNoise(x * 0.2f, y * 0.2f, waterSeed));
    if (look.snow && stream) col = Mix(col, Rgb(200, 215, 230), 0.5f);
    px = Mix(px, col, a);
  });
  // Morning mist between the trunks, or rays of light through the leaves.
  if (r.Chance(0.3f)) {
    const Color mist = Lighter(haze, 0.3f);
    ForBox(s.background, 0, 0, W, H, [&](int x, int y, Color& px) {
      const float band = std::exp(-std::pow((y - floorY) / 70.0f, 2)) * (0.6f + 0.4f * Fbm(x * 0.01f, y * 0.03f, 77, 3));
      px = Mix(px, mist, band * 0.55f);
    });
  } else if (!light.overcast) {
    const float slope = r.Range(-0.6f, 0.6f);
    for (int i = 0, end = r.Int(2, 4); i < end; ++i) {
      const float x0 = r.Range(0, W);
      LightShaft(s.background, x0, x0 + r.Range(15, 40), slope, 0.07f, light.sky.sun);
    }
  }
  AddBirds(c, 20, floorY - 60, r.Int(0, 2), Rgb(40, 35, 35));
  // Trees: middle distance then a few big ones in front.
  for (int i = 0, end = Scaled(r.Int(4, 7), density); i < end; ++i) {
    const float y = r.Range(floorY + 10, floorY + 70);
    c.Place(SeasonTree(c, look, r.Range(10, W - 10), y, Perspective(y, floorY - 40, 22)), 55);
  }
  for (int i = 0, end = r.Int(1, 2); i < end; ++i) {
    const bool left = r.Chance(0.5f);
    c.Place(SeasonTree(c, look, left ? r.Range(0, 60) : r.Range(W - 60, W), r.Range(H - 50, H - 5), r.Range(20, 26)));
  }
  // Undergrowth.
  for (int i = 0, end = Scaled(r.Int(5, 9), density); i < end; ++i) {
    const float y = r.Range(floorY + 20, H - 5);
    if (look.snow)
      c.Place(c.Make(Kind::Rock, r.Range(15, W - 15), y, Perspective(y, floorY - 40, 16), Rgb(130, 130, 140)), 50);
    else
      c.Place(c.Make(Kind::Fern, r.Range(15, W - 15), y, Perspective(y, floorY - 40, 14),
                     look.season == Season::Autumn ? Rgb(180, 120, 50) : Vary(r, Rgb(80, 140, 60))),
              45);
  }
  if (!look.snow)
    for (int i = 0, end = Scaled(r.Int(1, 3), density); i < end; ++i) {
      const float y = r.Range(floorY + 20, H - 10);
      c.Place(c.Make(Kind::Bush, r.Range(15, W - 15), y, Perspective(y, floorY - 40, 18), Vary(r, look.leaves[r.Int(0, 1)]),
                     r.Pick(kBlooms)),
              60);
    }
  for (int i = 0, end = Scaled(r.Int(1, 3), density); i < end; ++i) {
    const float y = r.Range(floorY + 25, H - 10);
    c.Place(c.Make(Kind::Stump, r.Range(20, W - 20), y, Perspective(y, floorY - 40, 15), Rgb(110, 80, 55)), 80);
  }
  if (!look.snow)
    for (int i = 0, end = Scaled(r.Int(3, 6), density); i < end; ++i) {
      const float y = r.Range(floorY + 30, H - 5);
      c.Place(c.Make(Kind::Mushroom, r.Range(15, W - 15), y, Perspective(y, floorY - 40, 11), r.Chance(0.6f) ? Rgb(200, 40, 30) : Rgb(190, 140, 80)), 35);
    }
  // A big tree cut by the left edge frames the picture and is never changed,
  // so a few more stones keep the floor worth searching.
  for (int i = 0, end = Scaled(r.Int(2, 4), density); i < end; ++i) {
    const float y = r.Range(floorY + 30, H - 10);
    c.Place(c.Make(Kind::Rock, r.Range(15, W - 15), y, Perspective(y, floorY - 40, 14), Rgb(135, 130, 125)), 60);
  }
  // Animals: some of them, never all.
  struct Animal {
    Kind kind;
    float size;
    Color color;
  };
  std::vector<Animal> animals = {{Kind::Deer, 14, Rgb(160, 105, 60)},  {Kind::Fox, 11, Rgb(215, 110, 40)},
                                 {Kind::Hedgehog, 9, Rgb(110, 85, 60)}, {Kind::Owl, 10, Rgb(140, 110, 75)},
                                 {Kind::Deer, 13, Rgb(140, 95, 55)},    {Kind::Bird, 7, Rgb(60, 50, 45)}};
  Shuffle(animals, r);
  const int count = r.Int(2, 4);
  for (int i = 0; i < count; ++i) {
    const Animal& a = animals[i];
    const float y = r.Range(floorY + 30, H - 12);
    c.Place(c.Make(a.kind, r.Range(30, W - 30), y, Perspective(y, floorY - 40, a.size * 1.4f), a.color), 50);
  }
  if (!look.snow) {
    c.Place(c.Make(Kind::Butterfly, r.Range(30, W - 30), r.Range(floorY, H - 60), 7, r.Pick(kBlooms), Rgb(250, 230, 140)), 0);
    for (int i = 0, end = Scaled(r.Int(2, 6), density); i < end; ++i) {
      const float y = r.Range(H - 90, H - 4);
      c.Place(c.Make(Kind::Flower, r.Range(10, W - 10), y, r.Range(5, 7), r.Pick(kBlooms)), 25);
    }
  }
  c.Spare(c.Make(Kind::Hedgehog, r.Range(30, W - 30), r.Range(floorY + 40, H - 10), 11, Rgb(110, 85, 60)));
  if (look.snow)
    c.Spare(c.Make(Kind::Rock, r.Range(30, W - 30), r.Range(floorY + 40, H - 10), 13, Rgb(130, 130, 140)));
  else
    c.Spare(c.Make(Kind::Mushroom, r.Range(30, W - 30), r.Range(floorY + 40, H - 10), 10, Rgb(200, 40, 30)));
  c.Spare(c.Make(Kind::Owl, r.Range(30, W - 30), r.Range(floorY + 40, H - 10), 11, Rgb(140, 110, 75)));
  c.Spare(c.Make(Kind::Stump, r.Range(30, W - 30), r.Range(floorY + 40, H - 10), 13, Rgb(110, 80, 55)));
  s.vignette = r.Range(0.15f, 0.35f);
  c.Done();
  return s;
}

// ---- Mountain village ----

// The line where a meadow meets what lies behind it: level, or a hillside
// rising to one side.
struct GroundLine {
  float left, right;
  std::uint32_t seed;
  float At(float x) const { return Lerp(left, right, x / W) + (Fbm(x * 0.02f, 0.5f, seed, 3) - 0.5f) * 14; }
};

void PaintGroundBelow(Image& img, const GroundLine& line, const SeasonLook& look) {
  Image ground(kPictureWidth, kPictureHeight);
  const float top = std::min(line.left, line.right) - 12;
  PaintGround(ground, top, look, line.seed + 1);
  ForBox(img, 0, top, W, H, [&](int x, int y, Color& px) {
    const float edge = line.At(x + 0.5f);
    const float cover = Clamp01(y + 0.5f - edge);
    // The crest of a hillside catches the light.
    const Color g = ground.At(x, y) * (1 + 0.12f * std::exp(-(y - edge) / 6.0f));
    if (cover > 0) px = Mix(px, g, cover);
  });
}

Scene MountainVillage(Rng& r) {
  Scene s;
  s.title = "Bergdorf";
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer c(s, r, kPlacement);
  const bool hillside = r.Chance(0.5f);
  const float horizon = hillside ? r.Range(130, 200) : r.Range(150, 230);
  const Daylight light = PickDaylight(r, horizon);
  const SeasonLook look = LookOf(PickSeason(r));
  s.tint = light.tint;
  PaintSky(s.background, horizon, light.sky, Seed(r));
  // Peaks: a far range and a near one, snow on top.
  const float peak = r.Range(90, 150);
  PaintPeaks(s.background, horizon + 10, peak, Rgb(120, 125, 150), Rgb(245, 248, 255), horizon - peak * r.Range(0.4f, 0.7f),
             light.sky.horizon, 0.35f, Seed(r));
  PaintPeaks(s.background, horizon + 15, peak * r.Range(0.4f, 0.6f), Rgb(105, 100, 95), Rgb(240, 244, 250),
             look.snow ? horizon + 40 : horizon - peak * 0.45f, light.sky.horizon, 0.12f, Seed(r));
  // Forest down in the valley.
  PaintRidge(s.background, {horizon + 5, 12, 50, look.snow ? Rgb(70, 95, 85) : Rgb(50, 85, 55), Rgb(40, 70, 45), 0.35f,
                            0.1f, Seed(r), 0.15f, light.sky.horizon});
  // The cable car's rope across the valley, running into the hillside.
  const float ropeY0 = r.Range(40, horizon - 40), ropeY1 = ropeY0 + r.Range(-30, 30);
  FillLine(s.background, -5, ropeY0, W + 5, ropeY1, 1.3f, Rgb(50, 50, 55));
  // The meadow the village stands on.
  GroundLine line{horizon + 30, horizon + 30, Seed(r)};
  if (hillside) {
    const float high = horizon - r.Range(10, 70), low = horizon + r.Range(50, 110);
    if (r.Chance(0.5f))
      line.left = high, line.right = low;
    else
      line.left = low, line.right = high;
  }
  PaintGroundBelow(s.background, line, look);
  // A place on the meadow at least `above` pixels below its edge, and the
  // size a thing of `nearSize` has there.
  auto spot = [&](float above, float bottom) {
    const float x = r.Range(15, W - 15);
    const float lo = std::min(line.At(x) + above, bottom - 1);
    return Point{x, r.Range(lo, bottom)};
  };
  auto sizeAt = [&](Point p, float nearSize) { return Perspective(p.y - line.At(p.x) + horizon + 30, horizon, nearSize); };
  AddClouds(c, horizon - peak, light.overcast ? r.Int(3, 5) : r.Int(1, 3), CloudColor(light));
  AddBirds(c, 20, horizon - 40, r.Int(0, 3), Rgb(50, 45, 50));
  for (int tries = 0; tries < 10; ++tries) {
    const float carX = r.Range(60, W - 60), carY = Lerp(ropeY0, ropeY1, (carX + 5) / (W + 10));
    if (carY + 50 > line.At(carX)) continue;
    c.Sky(c.Make(Kind::CableCar, carX, carY, r.Range(9, 12), r.Chance(0.5f) ? Rgb(200, 40, 40) : Rgb(240, 190, 40)));
    break;
  }
  // Houses scattered up the slope, the chapel among them.
  const int houses = r.Int(3, 6);
  for (int i = 0; i < houses; ++i) {
    const Point p = spot(10, H - 60);
    const Color roof = look.snow ? Rgb(240, 242, 248) : (r.Chance(0.5f) ? Rgb(90, 80, 75) : Rgb(140, 80, 55));
    c.Place(c.Make(Kind::Chalet, p.x, p.y, sizeAt(p, 19), Vary(r, Rgb(150, 95, 55), 0.15f), roof), 80);
  }
  {
    const Point p = spot(5, H - 80);
    c.Place(c.Make(Kind::Chapel, p.x, p.y, sizeAt(p, 18), Rgb(240, 236, 226),
                   look.snow ? Rgb(200, 205, 215) : (r.Chance(0.5f) ? Rgb(70, 110, 80) : Rgb(150, 70, 50))));
  }
  for (int i = 0, end = r.Int(5, 9); i < end; ++i) {
    const Point p = spot(2, H - 10);
    Item pine = c.Make(Kind::Pine, p.x, p.y, sizeAt(p, 26), Vary(r, Rgb(45, 90, 60)));
    if (look.snow) pine.variant += 2, pine.variants = 4;
    c.Place(pine, 45);
  }
  if (!look.snow) {
    for (int i = 0, end = r.Int(3, 6); i < end; ++i) {
      const bool goat = r.Chance(0.5f);
      const Point p = spot(30, H - 8);
      const Color fur = goat ? (r.Chance(0.5f) ? Rgb(235, 230, 220) : Rgb(110, 80, 55)) : Rgb(150, 95, 60);
      c.Place(c.Make(goat ? Kind::Goat : Kind::Cow, p.x, p.y, sizeAt(p, goat ? 15 : 17), fur, Rgb(240, 236, 228)), 45);
    }
    for (int i = 0, end = r.Int(5, 10); i < end; ++i) {
      const Point p = spot(20, H - 4);
      c.Place(c.Make(Kind::Flower, p.x, std::max(p.y, H - 80), r.Range(5, 7), r.Pick(kBlooms)), 22);
    }
  } else {
    for (int i = 0, end = r.Int(1, 2); i < end; ++i) {
      const Point p = spot(40, H - 10);
      c.Place(c.Make(Kind::Goat, p.x, p.y, sizeAt(p, 15), Rgb(110, 80, 55)), 60);
    }
  }
  const float fenceX = r.Range(-10, W - 180);
  const float fenceY = std::clamp(r.Range(line.At(fenceX + 90) + 40, H - 60), 0.0f, H - 40);
  for (int i = 0, end = r.Int(6, 10); i < end; ++i)
    c.Place(c.Make(Kind::Picket, fenceX + i * 18, fenceY + i * (line.right - line.left) / W * 18, sizeAt({fenceX, fenceY}, 12),
                   Rgb(150, 110, 70)));
  c.Place(c.Make(Kind::Bench, r.Range(40, W - 40), r.Range(H - 80, H - 20), 13, Rgb(130, 85, 50)), 0);
  for (int i = 0, end = r.Int(1, 3); i < end; ++i) {
    const Point p = spot(20, H - 10);
    c.Place(c.Make(Kind::Rock, p.x, p.y, sizeAt(p, 15), Rgb(140, 135, 130)), 50);
  }
  if (!look.snow && r.Chance(0.6f)) {
    const Point p = spot(20, H - 40);
    c.Place(c.Make(Kind::Haystack, p.x, p.y, sizeAt(p, 16), Rgb(215, 175, 90)));
  }
  const Point goatAt = spot(40, H - 10), pineAt = spot(40, H - 10), rockAt = spot(40, H - 10);
  c.Spare(c.Make(Kind::Goat, goatAt.x, goatAt.y, 13, Rgb(235, 230, 220)));
  c.Spare(c.Make(Kind::Pine, pineAt.x, pineAt.y, 16, Rgb(45, 90, 60)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(30, horizon - 40), 7, Rgb(50, 45, 50)), true);
  c.Spare(c.Make(Kind::Rock, rockAt.x, rockAt.y, 13, Rgb(140, 135, 130)));
  s.vignette = r.Range(0.15f, 0.3f);
  c.Done();
  return s;
}

}  // namespace

Scene BuildKindA(SceneKind kind, Rng& r) {
  switch (kind) {
    case SceneKind::Kitchen:
      return Kitchen(r);
    case SceneKind::Classroom:
      return Classroom(r);
    case SceneKind::Market:
      return Market(r);
    case SceneKind::Workshop:
      return Workshop(r);
    case SceneKind::Playground:
      return Playground(r);
    case SceneKind::Farm:
      return Farm(r);
    case SceneKind::Forest:
      return Forest(r);
    case SceneKind::MountainVillage:
      return MountainVillage(r);
    default:
      return {};
  }
}

}  // namespace scenegen

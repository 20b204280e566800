#include "scenes.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "backdrop.h"
#include "conditions.h"
#include "noise.h"
#include "placer.h"
#include "scenes_kinds_a.h"
#include "scenes_kinds_b.h"

namespace scenegen {

namespace {

constexpr float W = kPictureWidth;
constexpr float H = kPictureHeight;

// The last step of every outdoor builder: the light and weather, and the
// view from the other side for half of them.
void Finalise(Scene& s, const Conditions& cond, float horizon) {
  ApplyConditions(s, cond, horizon);
  if (cond.mirrorView) MirrorScene(s);
}

constexpr Color kLeaves[] = {Rgb(70, 125, 50), Rgb(95, 140, 55), Rgb(60, 110, 60), Rgb(120, 150, 60)};
constexpr Color kBlooms[] = {Rgb(220, 50, 60),   Rgb(250, 200, 60), Rgb(240, 240, 235), Rgb(170, 90, 200),
                             Rgb(245, 130, 170), Rgb(250, 140, 40), Rgb(90, 120, 220)};
constexpr Color kPaints[] = {Rgb(200, 60, 50), Rgb(40, 90, 160),   Rgb(230, 190, 60),
                             Rgb(60, 130, 90), Rgb(240, 240, 235), Rgb(130, 70, 120)};
constexpr Color kFacades[] = {Rgb(232, 200, 160), Rgb(210, 150, 120), Rgb(240, 225, 190), Rgb(170, 190, 200),
                              Rgb(225, 180, 180), Rgb(200, 210, 170), Rgb(245, 235, 215)};
constexpr Color kRoofs[] = {Rgb(160, 70, 50), Rgb(110, 60, 50), Rgb(80, 80, 90), Rgb(150, 95, 60)};

void AddClouds(Placer& c, float horizon, int count) {
  Rng& r = c.rng();
  for (int i = 0; i < count; ++i) {
    const float x = (i + r.Range(0.2f, 0.8f)) * W / count, y = r.Range(35, std::max(50.0f, horizon - 55));
    c.Sky(c.Make(Kind::Cloud, x, y, r.Range(11, 17), Rgb(252, 252, 250), {}, 3));
  }
  c.Spare(c.Make(Kind::Cloud, r.Range(60, W - 60), r.Range(40, std::max(55.0f, horizon - 60)), 12, Rgb(252, 252, 250),
                 {}, 3),
          true);
}

void AddBirds(Placer& c, float y0, float y1, int count, Color ink) {
  Rng& r = c.rng();
  for (int i = 0; i < count; ++i) c.Sky(c.Make(Kind::Bird, r.Range(30, W - 30), r.Range(y0, y1), r.Range(5, 8), ink));
  c.Spare(c.Make(Kind::Bird, r.Range(30, W - 30), r.Range(y0, y1), 6.5f, ink), true);
}

// Size of an object standing at y, for a ground that recedes to `horizon`.
float Perspective(float y, float horizon, float nearSize) {
  return nearSize * (0.25f + 0.75f * Clamp01((y - horizon) / (H - horizon)));
}

// Where the backdrop put the things the objects must fit around.
struct LandscapeLayout {
  float horizon;
  bool lake;
  float meadowY;
  Conditions cond;
};

LandscapeLayout PaintLandscapeBackdrop(Scene& s, Rng& r) {
  s.title = "Landschaft";
  const Conditions cond = DrawConditions(r, Setting::Outdoor);
  // A low viewpoint shows much sky and big mountains, a high one a wide valley.
  const float horizon = r.Range(115, 230);
  const SkyLight light{SkyFor(cond, horizon)};
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, horizon, light, r.Int(1, 1000));
  const bool snow = Snowy(cond) || r.Chance(0.5f);
  const float peaks = r.Range(25, 70);
  PaintRidge(s.background, {horizon - peaks * 0.6f, peaks, r.Range(70, 150), Rgb(110, 120, 150), Rgb(90, 105, 120),
                            0.12f, 0.02f, static_cast<std::uint32_t>(r.Next()), 0.35f, light.horizon,
                            Rgb(245, 248, 252), snow ? horizon - peaks * 1.1f : -1});
  PaintRidge(s.background, {horizon + 12, r.Range(8, 24), r.Range(90, 200), GroundColour(cond, Rgb(110, 150, 80)),
                            GroundColour(cond, Rgb(80, 125, 60)), 0.2f, 0.03f, static_cast<std::uint32_t>(r.Next()),
                            0.12f, light.horizon});
  const bool lake = horizon < 210 && r.Chance(0.5f);
  if (lake)
    PaintWater(s.background, {horizon + 40, H, Mix(light.horizon, Rgb(70, 110, 150), 0.5f), Rgb(50, 90, 120),
                              Lighter(light.horizon, 0.5f), static_cast<std::uint32_t>(r.Next())});
  const float meadowY = lake ? horizon + r.Range(80, 110) : horizon + r.Range(40, 70);
  PaintRidge(s.background, {meadowY, 10, 180, GroundColour(cond, Rgb(120, 165, 70)),
                            GroundColour(cond, Rgb(70, 120, 45)), 0.3f, 0.06f, static_cast<std::uint32_t>(r.Next())});

  return {horizon, lake, meadowY, cond};
}

void PlaceLandscapeObjects(Placer& c, const LandscapeLayout& at, Rng& r) {
  const auto& [horizon, lake, meadowY, cond] = at;
  AddClouds(c, horizon, CloudCount(cond, r));
  AddBirds(c, 40, horizon - 30, r.Int(2, 4), Rgb(50, 45, 50));
  if (lake) {
    for (int i = 0; i < 2; ++i)
      c.Place(c.Make(Kind::Sailboat, r.Range(40, W - 40), r.Range(horizon + 55, meadowY - 12), r.Range(3.5f, 5),
                     MadeColour(cond, r), kPaints[r.Int(2, 4)]),
              60);
    c.Spare(c.Make(Kind::Duck, r.Range(40, W - 40), meadowY - 14, 5, Rgb(40, 100, 60), Rgb(150, 120, 90)));
  }
  const int cottages = r.Int(0, 3);
  for (int i = 0; i < cottages; ++i)
    c.Place(c.Make(Kind::Cottage, r.Range(50, W - 50), horizon + r.Range(22, 40), r.Range(5, 7), WallColour(cond, r),
                   r.Pick(kRoofs), 3),
            90);
  const int trees = r.Int(8, 20);
  const float pines = r.Range(0.1f, 0.8f);
  for (int i = 0; i < trees; ++i) {
    // On the far shore or the meadow, never in the lake.
    const bool farShore = r.Chance(0.3f);
    const float y = lake ? (farShore ? r.Range(horizon + 18, horizon + 36) : r.Range(meadowY + 8, H - 30))
                         : r.Range(horizon + 30, H - 30);
    const float x = r.Range(15, W - 15);
    const bool pine = r.Chance(pines);
    c.Place(c.Make(pine ? Kind::Pine : Kind::Tree, x, y, Perspective(y, horizon, pine ? 26.0f : 20.0f),
                   pine ? Vary(r, kLeaves[2]) : Foliage(cond, r), Rgb(200, 40, 35), pine ? 2 : 3),
            55);
  }
  const int sheep = Snowy(cond) ? r.Int(0, 2) : r.Int(0, 7);
  for (int i = 0; i < sheep; ++i) {
    const float y = r.Range(meadowY + 20, H - 20);
    c.Place(c.Make(Kind::Sheep, r.Range(30, W - 30), y, Perspective(y, horizon, 16), Rgb(240, 236, 225)), 40);
  }
  const int haystacks = cond.season == Season::Autumn || cond.season == Season::Summer ? r.Int(1, 4) : r.Int(0, 1);
  for (int i = 0; i < haystacks; ++i) {
    const float y = r.Range(meadowY + 10, H - 50);
    c.Place(c.Make(Kind::Haystack, r.Range(40, W - 40), y, Perspective(y, horizon, 18), Rgb(215, 175, 90)), 80);
  }
  const int rocksAndBushes = r.Int(2, 7);
  for (int i = 0; i < rocksAndBushes; ++i) {
    const float y = r.Range(meadowY + 15, H - 10);
    c.Place(c.Make(i % 2 ? Kind::Rock : Kind::Bush, r.Range(20, W - 20), y, Perspective(y, horizon, 18),
                   i % 2 ? Rgb(140, 135, 130) : Foliage(cond, r), r.Pick(kBlooms)),
            50);
  }
  const float fenceY = r.Range(meadowY + 40, H - 70);
  const float fenceX = r.Range(20, W - 200);
  const int pickets = r.Chance(0.3f) ? 0 : r.Int(5, 11);
  for (int i = 0; i < pickets; ++i)
    c.Place(
        c.Make(Kind::Picket, fenceX + i * 19, fenceY + i * 0.8f, Perspective(fenceY, horizon, 11), Rgb(225, 215, 195)));
  const int flowers = Snowy(cond) ? 0 : cond.season == Season::Spring ? r.Int(14, 24) : r.Int(4, 14);
  for (int i = 0; i < flowers; ++i) {
    const float y = r.Range(H - 70, H - 4);
    c.Place(c.Make(Kind::Flower, r.Range(10, W - 10), y, r.Range(5, 7), r.Pick(kBlooms)), 22);
  }
  c.Spare(c.Make(Kind::Sheep, r.Range(40, W - 40), H - 60, 14, Rgb(240, 236, 225)));
  c.Spare(c.Make(Kind::Flower, r.Range(20, W - 20), H - 20, 6, r.Pick(kBlooms)));
  c.Spare(c.Make(Kind::Mushroom, r.Range(20, W - 20), H - 30, 9, Rgb(200, 40, 30)));
  c.Spare(
      c.Make(Kind::Butterfly, r.Range(20, W - 20), r.Range(meadowY, H - 40), 8, Rgb(240, 150, 40), Rgb(250, 220, 120)),
      true);
  c.Spare(c.Make(Kind::Kite, r.Range(40, W - 40), r.Range(40, horizon - 60), 11, Rgb(220, 50, 60), Rgb(250, 210, 70)),
          true);
  c.Spare(c.Make(Kind::Rock, r.Range(20, W - 20), r.Range(meadowY + 20, H - 10), 12, Rgb(140, 135, 130)));
}

Scene Landscape(Rng& r) {
  Scene s;
  const LandscapeLayout at = PaintLandscapeBackdrop(s, r);
  Placer c(s, r);
  PlaceLandscapeObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.horizon);
  return s;
}

// A green headland reaching into the water from one side between `top`
// and `foot`, so each coast has its own shape of shore.
void PaintHeadland(Image& image, const Conditions& cond, bool left, float horizon, float foot, Rng& r) {
  const float reach = r.Range(90, 210), top = horizon + r.Range(-20, 10);
  foot -= r.Range(0, 40);
  const std::uint32_t seed = static_cast<std::uint32_t>(r.Next());
  const Color grass = GroundColour(cond, Rgb(95, 130, 70)), rock = Rgb(120, 110, 100);
  Canvas bg(image);
  bg.ForEachPixel({0, static_cast<int>(top), kPictureWidth, static_cast<int>(foot)}, [&](int x, int y, Color& px) {
    const float t = (y - top) / std::max(1.0f, foot - top);
    const float edge = reach * std::sqrt(Clamp01(t)) * (0.85f + 0.3f * Fbm(y * 0.03f, 0.5f, seed, 3));
    const float d = left ? x - edge : (W - x) - edge;
    if (d >= 0) return;
    const float n = Fbm(x * 0.04f, y * 0.04f, seed + 1, 3);
    const Color land = d > -10 ? rock * (0.8f + 0.3f * n) : grass * (0.75f + 0.4f * n) * (0.8f + 0.25f * t);
    px = Mix(px, land, Clamp01(-d / 1.5f));
  });
}

// Where the backdrop put the things the objects must fit around.
struct HarbourLayout {
  float horizon;
  float quayY;
  float lightX;
  float jettyX;
  Conditions cond;
};

HarbourLayout PaintHarbourBackdrop(Scene& s, Rng& r) {
  s.title = "Hafen";
  const Conditions cond = DrawConditions(r, Setting::Outdoor);
  const float horizon = r.Range(110, 200);
  const SkyLight sky = SkyFor(cond, horizon);
  struct {
    SkyLight sky;
  } light{sky};
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, horizon, light.sky, r.Int(1, 1000));
  PaintRidge(s.background, {horizon - 6, r.Range(6, 26), r.Range(60, 140), GroundColour(cond, Rgb(100, 120, 110)),
                            GroundColour(cond, Rgb(90, 110, 100)), 0.1f, 0.03f, static_cast<std::uint32_t>(r.Next()),
                            0.45f, light.sky.horizon});
  const float quayY = r.Range(std::max(300.0f, horizon + 150), 360);
  PaintWater(s.background, {horizon, quayY + 2, Mix(light.sky.horizon, Rgb(60, 110, 140), 0.55f), Rgb(30, 70, 95),
                            Lighter(light.sky.horizon, 0.6f), static_cast<std::uint32_t>(r.Next())});
  PaintCobbles(s.background, quayY, H, Rgb(150, 140, 125), 26, static_cast<std::uint32_t>(r.Next()));
  {
    Canvas bg(s.background);
    bg.Fill(
        0, quayY, W, quayY + 9, [&](float px, float py) { return BoxDistance(px, py, -5, quayY, W + 5, quayY + 9); },
        VerticalGradient{Rgb(190, 180, 165), Rgb(90, 85, 80), quayY, quayY + 9});
    // Mooring posts along the quay edge.
    for (float x = r.Range(20, 60); x < W; x += r.Range(90, 140))
      bg.Fill(
          x - 5, quayY - 14, x + 5, quayY + 4,
          [=](float px, float py) { return BoxDistance(px, py, x - 5, quayY - 14, x + 5, quayY + 4, 3); },
          CylinderShade{Rgb(60, 55, 50), x, 5});
  }
  const bool lightLeft = r.Chance(0.5f);
  const float lightX = lightLeft ? r.Range(30, 90) : r.Range(W - 90, W - 30);
  const float jettyX = lightLeft ? r.Range(260, 380) : r.Range(100, 220);
  if (r.Chance(0.7f)) PaintHeadland(s.background, cond, jettyX > W / 2, horizon, quayY, r);
  {
    Canvas bg(s.background);
    // The rock the lighthouse stands on.
    bg.Fill(
        lightX - 40, horizon - 6, lightX + 40, horizon + 12,
        [&](float px, float py) { return EllipseDistance(px, py, lightX, horizon + 5, 38, 9); },
        Mottled{Rgb(95, 90, 85), 0.12f, 0.3f, 8});
    // A wooden jetty running out from the quay.
    const float jettyTop = quayY - 70;
    const Point deck[] = {
        {jettyX - 10, jettyTop}, {jettyX + 10, jettyTop}, {jettyX + 22, quayY + 2}, {jettyX - 22, quayY + 2}};
    for (float t = 0.1f; t < 1.0f; t += 0.22f) {
      const float py0 = jettyTop + t * 70, half = 10 + t * 12;
      for (float side : {-1.0f, 1.0f}) {
        const float x = jettyX + side * half;
        bg.Fill(
            x - 2, py0, x + 2, py0 + 10 + t * 8,
            [=](float px, float py) { return BoxDistance(px, py, x - 2, py0, x + 2, py0 + 10 + t * 8); },
            Flat{Rgb(55, 45, 35)});
      }
    }
    bg.Fill(
        jettyX - 22, jettyTop, jettyX + 22, quayY + 2,
        [&](float px, float py) { return PolygonDistance(px, py, deck); },
        [&](float px, float py) {
          const float plank = std::fmod(py - jettyTop, 4.0f + (py - jettyTop) * 0.06f) < 1.0f ? 0.75f : 1.0f;
          return Rgb(140, 105, 70) * plank * (0.9f + 0.2f * ValueNoise(px * 0.3f, py * 0.1f, 4));
        });
  }
  return {horizon, quayY, lightX, jettyX, cond};
}

void PlaceHarbourObjects(Placer& c, const HarbourLayout& at, Rng& r) {
  const auto& [horizon, quayY, lightX, jettyX, cond] = at;
  AddClouds(c, horizon, CloudCount(cond, r));
  AddBirds(c, 30, quayY - 60, r.Int(1, 6), Rgb(70, 70, 80));
  if (r.Chance(0.75f)) c.Place(c.Make(Kind::Lighthouse, lightX, horizon + 4, 8, r.Chance(0.6f) ? Rgb(200, 45, 40) : MadeColour(cond, r)));
  for (float side : {-1.0f, 1.0f})
    if (r.Chance(0.8f))
      c.Place(c.Make(Kind::Rowboat, jettyX + side * r.Range(45, 60), quayY - r.Range(25, 45), 9, MadeColour(cond, r)));
  const int cottages = r.Int(0, 5);
  for (int i = 0; i < cottages; ++i)
    c.Place(c.Make(Kind::Cottage, r.Range(120, W - 120), horizon - 2, r.Range(2.2f, 3.0f), WallColour(cond, r),
                   r.Pick(kRoofs), 3),
            45);
  const int sailboats = r.Int(4, 13);
  for (int i = 0; i < sailboats; ++i) {
    const float y = r.Range(horizon + 20, quayY - 80);
    c.Place(c.Make(Kind::Sailboat, r.Range(30, W - 30), y, Perspective(y, horizon, 15), MadeColour(cond, r),
                   r.Chance(0.6f) ? Rgb(245, 240, 228) : MadeColour(cond, r)),
            55);
  }
  for (int i = 0; i < 3; ++i) {
    const float y = r.Range(horizon + 30, quayY - 15);
    c.Place(c.Make(Kind::Buoy, r.Range(20, W - 20), y, Perspective(y, horizon, 10), Rgb(220, 60, 40)), 60);
  }
  c.Place(c.Make(Kind::Duck, r.Range(20, W - 20), quayY - r.Range(25, 60), 6, Rgb(40, 100, 60), Rgb(150, 120, 90)));
  for (int i = 0; i < 3; ++i)
    c.Place(c.Make(Kind::Barrel, r.Range(20, W - 20), r.Range(quayY + 30, H - 8), r.Range(11, 14), Rgb(140, 95, 55)),
            45);
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::Crate, r.Range(20, W - 20), r.Range(quayY + 30, H - 8), r.Range(12, 15), Rgb(175, 135, 85)),
            50);
  c.Place(c.Make(Kind::StreetLamp, r.Range(30, W - 30), quayY + r.Range(30, 60), 13, Rgb(40, 45, 50)));
  c.Place(c.Make(Kind::Bench, r.Range(50, W - 50), quayY + r.Range(40, 75), 14, Rgb(120, 80, 45)), 80);
  c.Place(c.Make(Kind::Cat, r.Range(20, W - 20), r.Range(quayY + 35, H - 10), 10, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  c.Spare(c.Make(Kind::Buoy, r.Range(30, W - 30), r.Range(horizon + 40, quayY - 20), 8, Rgb(240, 200, 40)));
  c.Spare(c.Make(Kind::Barrel, r.Range(30, W - 30), r.Range(quayY + 30, H - 8), 12, Rgb(140, 95, 55)));
  c.Spare(c.Make(Kind::Crate, r.Range(30, W - 30), r.Range(quayY + 30, H - 8), 13, Rgb(175, 135, 85)));
  c.Spare(c.Make(Kind::Fish, r.Range(30, W - 30), r.Range(quayY + 20, H - 15), 8, Rgb(150, 170, 190)));
  c.Spare(c.Make(Kind::Duck, r.Range(30, W - 30), quayY - 25, 6, Rgb(240, 240, 235), Rgb(240, 240, 235)));
  c.Spare(c.Make(Kind::Sailboat, r.Range(40, W - 40), r.Range(horizon + 30, horizon + 60), 6, r.Pick(kPaints),
                 Rgb(245, 240, 228)));
}

Scene Harbour(Rng& r) {
  Scene s;
  const HarbourLayout at = PaintHarbourBackdrop(s, r);
  Placer c(s, r);
  PlaceHarbourObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.horizon);
  return s;
}

struct Bed {
  float x, y, rx, ry;  // an ellipse of soil
};

// Where the backdrop put the things the objects must fit around.
struct GardenLayout {
  float hedgeY;
  float lawnY;
  float pathX;
  bool pond;
  float pondX;
  float pondY;
  std::array<Point, 4> path;
  std::vector<Bed> beds;
  Conditions cond;
};

GardenLayout PaintGardenBackdrop(Scene& s, Rng& r) {
  s.title = "Garten";
  Conditions cond = DrawConditions(r, Setting::Outdoor);
  if (cond.season == Season::Winter) cond.season = Season::Autumn;  // a garden is a summer half-year thing
  const float hedgeY = r.Range(85, 165);
  struct {
    SkyLight sky;
  } light{SkyFor(cond, hedgeY)};
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, hedgeY + 20, light.sky, r.Int(1, 1000));
  PaintRidge(s.background, {hedgeY, r.Range(4, 14), r.Range(18, 40), Mix(Rgb(50, 95, 45), Foliage(cond, r), 0.3f),
                            Rgb(35, 70, 35), 0.35f, 0.09f, static_cast<std::uint32_t>(r.Next())});
  const float lawnY = hedgeY + r.Range(35, 55);
  PaintGrass(s.background, lawnY, GroundColour(cond, Rgb(110, 160, 70)), GroundColour(cond, Rgb(80, 140, 50)),
             r.Chance(0.3f) ? 0.0f : r.Range(12, 26), static_cast<std::uint32_t>(r.Next()));
  const float pathX = r.Range(150, 330);
  const bool pond = r.Chance(0.6f);
  const float pondX = pathX < W / 2 ? r.Range(330, 400) : r.Range(90, 160), pondY = r.Range(lawnY + 60, lawnY + 110);
  const std::array<Point, 4> path{
      {{pathX - 14, lawnY}, {pathX + 14, lawnY}, {pathX + 90, H + 2}, {pathX - 110, H + 2}}};
  std::vector<Bed> beds;
  for (int attempt = 0; attempt < 60 && beds.size() < 3; ++attempt) {
    const Bed bed{r.Range(40, W - 40), r.Range(lawnY + 70, H - 30), r.Range(42, 60), r.Range(14, 20)};
    bool free = PolygonDistance(bed.x, bed.y, path) > bed.rx + 12;
    if (pond) free = free && EllipseDistance(bed.x, bed.y, pondX, pondY, 80 + bed.rx, 30 + bed.ry) > 0;
    for (const Bed& other : beds) free = free && std::hypot((bed.x - other.x) / 130, (bed.y - other.y) / 50) > 1;
    if (free) beds.push_back(bed);
  }
  {
    Canvas bg(s.background);
    for (const Bed& b : beds)
      bg.Fill(
          b.x - b.rx, b.y - b.ry, b.x + b.rx, b.y + b.ry,
          [=](float px, float py) { return EllipseDistance(px, py, b.x, b.y, b.rx, b.ry); },
          Mottled{Rgb(95, 65, 45), 0.15f, 0.3f, 21}, 1.0f, 1.5f);
    bg.Fill(
        pathX - 110, lawnY, pathX + 90, H, [&](float px, float py) { return PolygonDistance(px, py, path); },
        Mottled{Rgb(200, 185, 155), 0.3f, 0.2f, 5});
    if (pond) {
      bg.Fill(
          pondX - 75, pondY - 28, pondX + 75, pondY + 28,
          [&](float px, float py) { return EllipseDistance(px, py, pondX, pondY, 75, 28); }, Flat{Rgb(120, 110, 95)});
      bg.Fill(
          pondX - 70, pondY - 24, pondX + 70, pondY + 24,
          [&](float px, float py) { return EllipseDistance(px, py, pondX, pondY, 70, 24); },
          VerticalGradient{Mix(light.sky.horizon, Rgb(60, 110, 130), 0.5f), Rgb(40, 80, 95), pondY - 24, pondY + 24});
    }
  }
  return {hedgeY, lawnY, pathX, pond, pondX, pondY, path, beds, cond};
}

void PlaceGardenObjects(Placer& c, const GardenLayout& at, Rng& r) {
  const auto& [hedgeY, lawnY, pathX, pond, pondX, pondY, path, beds, cond] = at;
  AddClouds(c, hedgeY, std::min(3, CloudCount(cond, r)));
  AddBirds(c, 20, hedgeY - 30, r.Int(0, 3), Rgb(50, 45, 50));
  const int trees = r.Int(1, 4);
  for (int i = 0; i < trees; ++i)
    c.Place(c.Make(Kind::Tree, r.Range(30, W - 30), hedgeY + r.Range(35, 50), r.Range(11, 14), Foliage(cond, r),
                   Rgb(210, 50, 40), 3),
            120);
  const int bushes = r.Int(2, 7);
  for (int i = 0; i < bushes; ++i)
    c.Place(c.Make(Kind::Bush, r.Range(20, W - 20), lawnY + r.Range(0, 15), r.Range(12, 16), Foliage(cond, r),
                   r.Pick(kBlooms)),
            60);
  const float fenceY = lawnY + r.Range(40, 60);
  const bool fenceLeft = pathX > W / 2;
  for (int i = 0; i < 8; ++i)
    c.Place(c.Make(Kind::Picket, (fenceLeft ? 18 : W - 170) + i * 20, fenceY, 11, Rgb(235, 230, 220)));
  // Each bed holds two or three sorts of flower, as a gardener plants them.
  for (const Bed& b : beds) {
    const Color sorts[] = {r.Pick(kBlooms), r.Pick(kBlooms), r.Pick(kBlooms)};
    for (int i = 0; i < 22; ++i) {
      const float a = r.Range(0, 6.2832f), d = std::sqrt(r.Uniform()) * 0.85f;
      const float y = b.y + std::sin(a) * d * b.ry + b.ry * 0.4f;
      c.Place(c.Make(Kind::Flower, b.x + std::cos(a) * d * b.rx, y, Perspective(y, hedgeY, 11), sorts[i % 3]), 10);
    }
  }
  for (int i = 0; i < 8; ++i) {
    const float y = r.Range(lawnY + 30, H - 4);
    const float x = r.Range(10, W - 10);
    if (PolygonDistance(x, y, path) < 8) continue;
    if (pond && EllipseDistance(x, y, pondX, pondY, 80, 30) < 0) continue;
    c.Place(c.Make(Kind::Flower, x, y, Perspective(y, hedgeY, 9), r.Pick(kBlooms)), 30);
  }
  // A tree near the front frames the view.
  {
    const bool left = r.Chance(0.5f);
    if (r.Chance(0.7f))
      c.Place(c.Make(Kind::Tree, left ? r.Range(10, 40) : r.Range(W - 40, W - 10), r.Range(H - 60, H - 30),
                     r.Range(17, 20), Foliage(cond, r), Rgb(210, 50, 40), 3));
  }
  if (pond) {
    c.Place(
        c.Make(Kind::Duck, pondX + r.Range(-35, 35), pondY + r.Range(-5, 10), 7, Rgb(40, 100, 60), Rgb(150, 120, 90)));
    c.Spare(c.Make(Kind::Duck, pondX + r.Range(-40, 40), pondY + r.Range(-5, 10), 6, Rgb(245, 240, 235),
                   Rgb(245, 240, 235)));
  }
  for (int i = 0; i < 3; ++i)
    c.Place(c.Make(Kind::FlowerPot, pathX + (i % 2 ? 1 : -1) * r.Range(40, 110), r.Range(lawnY + 60, H - 15),
                   r.Range(12, 15), Rgb(190, 100, 60), r.Pick(kBlooms)),
            60);
  c.Place(c.Make(Kind::Bench, r.Range(60, W - 60), lawnY + r.Range(15, 35), 13, Rgb(130, 85, 50)));
  c.Place(
      c.Make(Kind::Birdhouse, r.Range(30, W - 30), lawnY + r.Range(40, 90), 12, Rgb(170, 120, 70), Rgb(180, 60, 50)),
      80);
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::Butterfly, r.Range(30, W - 30), r.Range(lawnY + 10, H - 80), 7, r.Pick(kBlooms),
                   Rgb(250, 230, 140)),
            80);
  c.Place(c.Make(Kind::Cat, r.Range(30, W - 30), r.Range(lawnY + 80, H - 20), 13, Rgb(210, 130, 60), Rgb(90, 160, 60)));
  for (int i = 0; i < 2; ++i) {
    const float y = r.Range(lawnY + 50, H - 10);
    c.Place(c.Make(Kind::Mushroom, r.Range(20, W - 20), y, Perspective(y, hedgeY, 10), Rgb(200, 40, 30)), 60);
  }
  c.Spare(
      c.Make(Kind::Butterfly, r.Range(30, W - 30), r.Range(lawnY, H - 60), 7, Rgb(90, 120, 220), Rgb(250, 230, 140)),
      true);
  c.Spare(c.Make(Kind::Flower, r.Range(20, W - 20), H - 25, 8, r.Pick(kBlooms)));
  c.Spare(c.Make(Kind::Mushroom, r.Range(20, W - 20), H - 40, 9, Rgb(200, 150, 80)));
  c.Spare(c.Make(Kind::FlowerPot, r.Range(30, W - 30), r.Range(lawnY + 60, H - 15), 13, Rgb(190, 100, 60),
                 r.Pick(kBlooms)));
  c.Spare(c.Make(Kind::Balloon, r.Range(30, W - 30), r.Range(40, hedgeY), 11, Rgb(230, 50, 60)), true);
}

Scene Garden(Rng& r) {
  Scene s;
  const GardenLayout at = PaintGardenBackdrop(s, r);
  Placer c(s, r);
  PlaceGardenObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.hedgeY);
  return s;
}

// Where the backdrop put the things the objects must fit around.
struct RoomLayout {
  float floorY;
  float shelfX;
  float tableX;
  Conditions cond;
  float shelfY[2];  // upper and lower shelf, pixels
  int shelves;
};

RoomLayout PaintRoomBackdrop(Scene& s, Rng& r) {
  s.title = "Zimmer";
  const Conditions cond = DrawConditions(r, Setting::Indoor);
  const float floorY = r.Range(255, 335);  // the eye's height in the room
  s.background = Image(kPictureWidth, kPictureHeight);
  const Color wall = WallColour(cond, r);
  PaintWallpaper(s.background, 0, floorY, wall, Darker(wall, 0.18f), r.Int(0, 1), static_cast<std::uint32_t>(r.Next()));
  constexpr Color kWoods[] = {Rgb(150, 100, 60), Rgb(175, 130, 85), Rgb(120, 75, 45)};
  PaintFloorboards(s.background, floorY, H, r.Pick(kWoods), static_cast<std::uint32_t>(r.Next()));
  struct RugColours {
    Color border, field;
  };
  constexpr RugColours kRugs[] = {{Rgb(150, 50, 45), Rgb(190, 120, 60)},
                                  {Rgb(40, 60, 110), Rgb(170, 150, 110)},
                                  {Rgb(60, 100, 70), Rgb(200, 180, 140)}};
  const RugColours rug = r.Pick(kRugs);
  const float shelfX = r.Chance(0.5f) ? r.Range(280, 310) : r.Range(10, 40);
  const float tableX = shelfX > W / 2 ? r.Range(160, 240) : r.Range(250, 330);
  float shelfY[2];
  shelfY[0] = r.Range(95, 150);
  const int shelves = floorY - shelfY[0] > 175 ? r.Int(1, 2) : 1;
  shelfY[1] = shelfY[0] + r.Range(60, 80);
  {
    Canvas bg(s.background);
    // Wainscot (in some rooms) and skirting board.
    const float wainscot = r.Chance(0.65f) ? r.Range(40, 110) : 12;
    bg.Fill(
        0, floorY - wainscot, W, floorY,
        [&](float px, float py) { return BoxDistance(px, py, -5, floorY - wainscot, W + 5, floorY); },
        Mottled{r.Chance(0.5f) ? Darker(wall, 0.3f) : Darker(MadeColour(cond, r), 0.2f), 0.05f, 0.08f, 3});
    bg.Fill(
        0, floorY - wainscot - 4, W, floorY - wainscot + 2,
        [&](float px, float py) { return BoxDistance(px, py, -5, floorY - wainscot - 4, W + 5, floorY - wainscot + 2); },
        Flat{Lighter(wall, 0.3f)});
    // The shadow where the wall meets the floor.
    bg.Fill(
        0, floorY, W, floorY + 8,
        [&](float px, float py) { return BoxDistance(px, py, -5, floorY, W + 5, floorY + 3); },
        Flat{{0.05f, 0.03f, 0.02f}}, 0.5f, 5);
    const float rugY = floorY + 75;
    bg.Fill(
        tableX - 170, rugY - 40, tableX + 170, rugY + 40,
        [&](float px, float py) { return EllipseDistance(px, py, tableX, rugY, 170, 40); }, Flat{rug.border});
    bg.Fill(
        tableX - 150, rugY - 32, tableX + 150, rugY + 32,
        [&](float px, float py) { return EllipseDistance(px, py, tableX, rugY, 150, 32); },
        Mottled{rug.field, 0.1f, 0.2f, 9});
    // Shelves.
    for (int i = 0; i < shelves; ++i) {
      const float y = shelfY[i];
      bg.Fill(
          shelfX, y, shelfX + 165, y + 8,
          [=](float px, float py) { return BoxDistance(px, py, shelfX, y, shelfX + 165, y + 8, 1); },
          VerticalGradient{Rgb(140, 95, 55), Rgb(90, 60, 35), y, y + 8});
    }
    // Table: top and legs.
    const float top = floorY + 10;
    for (float lx : {tableX - 90, tableX + 82})
      bg.Fill(
          lx, top, lx + 9, top + 80,
          [=](float px, float py) { return BoxDistance(px, py, lx, top, lx + 9, top + 80, 2); },
          CylinderShade{Rgb(110, 70, 40), lx + 4.5f, 4.5f});
    bg.Fill(
        tableX - 105, top - 12, tableX + 105, top + 6,
        [=](float px, float py) { return BoxDistance(px, py, tableX - 105, top - 12, tableX + 105, top + 6, 3); },
        VerticalGradient{Rgb(150, 100, 60), Rgb(100, 65, 40), top - 12, top + 6});
  }
  return {floorY, shelfX, tableX, cond, {shelfY[0], shelfY[1]}, shelves};
}

void PlaceRoomObjects(Placer& c, const RoomLayout& at, Rng& r) {
  const auto& [floorY, shelfX, tableX, cond, shelfY, shelves] = at;
  const float windowX = shelfX > W / 2 ? r.Range(60, 170) : r.Range(310, 420);
  const float windowSize = r.Range(12, 17);
  const int windows = r.Int(1, 2);
  for (int i = 0; i < windows; ++i) {
    const float x = windowX + (i == 0 ? 0 : (windowX < W / 2 ? 1 : -1) * windowSize * 7.5f);
    Item window = c.Make(Kind::Window, x, floorY - r.Range(80, 110), windowSize, MadeColour(cond, r));
    window.locked = true;
    c.Place(window);
  }
  constexpr Color kBooks[] = {Rgb(150, 40, 40),  Rgb(40, 70, 130), Rgb(50, 110, 70), Rgb(200, 160, 60),
                              Rgb(110, 60, 110), Rgb(60, 60, 60),  Rgb(180, 90, 40)};
  for (int shelf = 0; shelf < shelves; ++shelf) {
    const float y = shelfY[shelf];
    float x = shelfX + r.Range(8, 20);
    while (x < shelfX + 150) {
      if (r.Chance(0.2f)) {
        x += r.Range(12, 30);
        continue;
      }
      c.Place(c.Make(Kind::Book, x, y, 13, r.Pick(kBooks), Rgb(230, 200, 120)));
      x += 13 * 0.6f + 1;
    }
  }
  c.Place(c.Make(Kind::PictureFrame, windowX < W / 2 ? windowX + 150 : windowX - 150, 110, 14, Rgb(170, 130, 60),
                 r.Pick(kLeaves)));
  c.Place(c.Make(Kind::Clock, shelfX + r.Range(30, 130), shelfY[0] - r.Range(55, 75), 14, Rgb(120, 80, 45), {}, 3));
  const float tableTop = floorY - 2;
  // What stands on the table, and where, differs from room to room.
  constexpr Kind kOnTable[] = {Kind::Lamp, Kind::Vase, Kind::Cup, Kind::Apple, Kind::Candle, Kind::Jug, Kind::Bottle,
                               Kind::Book, Kind::Clock, Kind::Orange};
  const int onTable = r.Int(3, 6);
  for (int i = 0; i < onTable; ++i) {
    const Kind k = r.Pick(kOnTable);
    const float x = tableX - 85 + (i + r.Range(0.2f, 0.8f)) * 170 / onTable;
    const float size = k == Kind::Lamp || k == Kind::Vase ? 14 : k == Kind::Apple || k == Kind::Orange ? 10 : 11;
    const Color colour = k == Kind::Apple    ? Rgb(200, 40, 35)
                         : k == Kind::Orange ? Rgb(240, 140, 30)
                         : k == Kind::Candle ? Rgb(240, 235, 220)
                                             : MadeColour(cond, r);
    c.Place(c.Make(k, x, tableTop, size, colour, r.Pick(kBlooms)), 30);
  }
  const int chairs = r.Int(1, 2);
  for (int i = 0; i < chairs; ++i)
    c.Place(c.Make(Kind::Chair, tableX + (i == 0 ? -150 : 150) * (r.Chance(0.5f) ? 1 : -1), floorY + r.Range(95, 120),
                   18, r.Chance(0.5f) ? Rgb(140, 95, 55) : MadeColour(cond, r)),
            100);
  c.Place(c.Make(Kind::Cat, r.Range(30, W - 30), r.Range(floorY + 100, H - 10), 15,
                 r.Chance(0.5f) ? Rgb(60, 55, 55) : Rgb(210, 130, 60), Rgb(90, 170, 60)));
  c.Place(c.Make(Kind::FlowerPot, shelfX > W / 2 ? W - 40 : 40, floorY + 40, 20, Rgb(180, 95, 60), r.Pick(kBlooms)));
  c.Place(c.Make(Kind::Vase, shelfX + 110, shelfY[0], 9, MadeColour(cond, r), r.Pick(kBlooms)));
  c.Spare(c.Make(Kind::Book, shelfX + 150, shelfY[shelves - 1], 13, kBooks[0], Rgb(230, 200, 120)));
  c.Spare(c.Make(Kind::Cup, shelfX + 40, shelfY[0], 9, MadeColour(cond, r)));
  c.Spare(c.Make(Kind::Pear, tableX - 40, tableTop + 10, 10, Rgb(200, 190, 70)));
  c.Spare(c.Make(Kind::Crate, r.Range(40, W - 40), H - 15, 14, Rgb(175, 135, 85)));
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, 160), 12, Rgb(60, 120, 220)));
}

Scene Room(Rng& r) {
  Scene s;
  const RoomLayout at = PaintRoomBackdrop(s, r);
  Placer c(s, r);
  PlaceRoomObjects(c, at, r);
  c.Done();
  s.tint = LightTint(at.cond);
  if (at.cond.mirrorView) MirrorScene(s);
  return s;
}

// Where the backdrop put the things the objects must fit around.
struct StillLifeLayout {
  float tableY;
  Conditions cond;
};

StillLifeLayout PaintStillLifeBackdrop(Scene& s, Rng& r) {
  s.title = "Stillleben";
  const Conditions cond = DrawConditions(r, Setting::Indoor);
  const float tableY = r.Range(170, 265);
  s.background = Image(kPictureWidth, kPictureHeight);
  // Behind the table: a hanging cloth, a papered wall or a bare wall lit
  // from one side by a window out of view.
  constexpr Color kCloths[] = {Rgb(70, 40, 45), Rgb(40, 55, 75), Rgb(55, 65, 45), Rgb(85, 60, 40)};
  const int backdrop = r.Int(0, 3);
  if (backdrop <= 1) {
    PaintDrapery(s.background, 0, tableY + 10, Mix(r.Pick(kCloths), MadeColour(cond, r) * 0.4f, 0.5f),
                 static_cast<std::uint32_t>(r.Next()));
  } else if (backdrop == 2) {
    const Color wall = WallColour(cond, r);
    PaintWallpaper(s.background, 0, tableY + 10, wall, Darker(wall, 0.2f), r.Int(0, 1),
                   static_cast<std::uint32_t>(r.Next()));
  } else {
    const Color wall = Mix(WallColour(cond, r), r.Pick(kCloths), 0.5f);
    const std::uint32_t seed = static_cast<std::uint32_t>(r.Next());
    Canvas bg(s.background);
    bg.ForEachPixel({0, 0, kPictureWidth, static_cast<int>(tableY) + 10}, [&](int x, int y, Color& px) {
      const float light = 0.55f + 0.6f * std::exp(-x / 260.0f) * (1 - 0.3f * y / tableY);
      px = wall * light * (0.95f + 0.1f * Fbm(x * 0.02f, y * 0.02f, seed, 3));
    });
  }
  const bool wooden = r.Chance(0.45f);
  const Color cloth = wooden          ? Rgb(150, 100, 60)
                      : r.Chance(0.4f) ? Rgb(238, 232, 220)
                                       : Mix(WallColour(cond, r), Rgb(190, 170, 130), 0.3f);
  if (wooden) {
    PaintFloorboards(s.background, tableY, H, r.Chance(0.5f) ? Rgb(150, 100, 60) : Rgb(110, 70, 45),
                     static_cast<std::uint32_t>(r.Next()));
  } else {
    Canvas bg(s.background);
    bg.Fill(
        0, tableY, W, H, [&](float px, float py) { return BoxDistance(px, py, -5, tableY, W + 5, H + 5); },
        [&](float px, float py) {
          const float t = Clamp01((py - tableY) / (H - tableY));
          const float fold = 0.94f + 0.06f * std::sin(px * 0.05f + Fbm(px * 0.01f, py * 0.01f, 3, 3) * 6);
          return cloth * (0.7f + 0.3f * t) * fold;
        });
  }
  {
    Canvas bg(s.background);
    bg.Fill(
        0, tableY - 2, W, tableY + 3,
        [&](float px, float py) { return BoxDistance(px, py, -5, tableY - 1, W + 5, tableY + 2); },
        Flat{Lighter(cloth, 0.2f)}, 0.7f);
  }
  return {tableY, cond};
}

void PlaceStillLifeObjects(Placer& c, const StillLifeLayout& at, Rng& r) {
  const auto& [tableY, cond] = at;
  const float plateX = r.Range(140, 340), plateY = tableY + r.Range(80, 130);
  c.Place(c.Make(Kind::Plate, plateX, plateY, r.Range(24, 31), MadeColour(cond, r)));
  // Back row: tall things against the cloth.
  c.Place(c.Make(Kind::Bottle, r.Range(40, 120), tableY + r.Range(30, 45), 24, Rgb(40, 90, 55), Rgb(230, 215, 170)));
  c.Place(c.Make(Kind::Jug, r.Range(360, 440), tableY + r.Range(30, 50), 24, r.Pick(kPaints), Rgb(60, 70, 130)));
  c.Place(c.Make(Kind::Candle, r.Range(150, 330), tableY + r.Range(20, 35), 20, Rgb(240, 232, 210)), 0);
  c.Place(c.Make(Kind::Vase, r.Range(250, 340), tableY + r.Range(35, 50), 22, r.Pick(kPaints), r.Pick(kBlooms)));
  // Fruit on and around the plate.
  constexpr Kind kFruit[] = {Kind::Apple, Kind::Pear, Kind::Orange, Kind::Grapes, Kind::Lemon, Kind::Cherries};
  auto fruitColor = [&](Kind k) {
    switch (k) {
      case Kind::Apple:
        return r.Chance(0.5f) ? Rgb(200, 35, 30) : Rgb(130, 180, 50);
      case Kind::Pear:
        return Rgb(205, 195, 80);
      case Kind::Orange:
        return Rgb(240, 140, 30);
      case Kind::Grapes:
        return Rgb(100, 50, 110);
      case Kind::Lemon:
        return Rgb(245, 220, 60);
      default:
        return Rgb(180, 20, 40);
    }
  };
  // A heap on the plate: a back row raised a little, a front row before it.
  for (int i = 0; i < 5; ++i) {
    const Kind k = r.Pick(kFruit);
    const bool back = i < 2;
    const float x = plateX + (back ? (i - 0.5f) * 36 : (i - 3) * 34) + r.Range(-4, 4);
    Item fruit = c.Make(k, x, plateY - (back ? 18 : 4) + r.Range(-3, 3), r.Range(18, 21), fruitColor(k));
    fruit.depth = plateY + 1 + i;  // lies on the plate, so is painted after it
    c.Place(fruit);
  }
  const int loose = r.Int(6, 14);
  for (int i = 0; i < loose; ++i) {
    const Kind k = r.Pick(kFruit);
    const float y = r.Range(tableY + 55, H - 12);
    float x = r.Range(25, W - 25);
    if (std::fabs(x - plateX) < 85 && std::fabs(y - plateY) < 30) x += x < plateX ? -85 : 85;
    c.Place(c.Make(k, x, y, 15 + (y - tableY) * 0.05f, fruitColor(k)), 42);
  }
  c.Place(c.Make(Kind::Cup, r.Range(60, 160), r.Range(H - 70, H - 30), 18, r.Pick(kPaints)), 0);
  // A small saucer of cherries on the side away from the big plate.
  const float saucerX = plateX < W / 2 ? r.Range(340, 420) : r.Range(70, 150), saucerY = r.Range(H - 60, H - 25);
  c.Place(c.Make(Kind::Plate, saucerX, saucerY, 15, r.Pick(kPaints)));
  Item cherries = c.Make(Kind::Cherries, saucerX + r.Range(-6, 6), saucerY - 6, 15, Rgb(180, 20, 40));
  cherries.depth = saucerY + 1;
  c.Place(cherries);
  c.Spare(c.Make(Kind::Cherries, r.Range(40, W - 40), r.Range(tableY + 80, H - 15), 15, Rgb(180, 20, 40)));
  c.Spare(c.Make(Kind::Apple, r.Range(40, W - 40), r.Range(tableY + 80, H - 15), 15, Rgb(130, 180, 50)));
  c.Spare(c.Make(Kind::Lemon, r.Range(40, W - 40), r.Range(tableY + 80, H - 15), 15, Rgb(245, 220, 60)));
  c.Spare(c.Make(Kind::Orange, r.Range(40, W - 40), r.Range(tableY + 80, H - 15), 15, Rgb(240, 140, 30)));
}

Scene StillLife(Rng& r) {
  Scene s;
  const StillLifeLayout at = PaintStillLifeBackdrop(s, r);
  Placer c(s, r);
  PlaceStillLifeObjects(c, at, r);
  c.Done();
  s.tint = LightTint(at.cond);
  if (at.cond.mirrorView) MirrorScene(s);
  return s;
}

// Where the backdrop put the things the objects must fit around.
struct CityLayout {
  float walkY;
  Conditions cond;
};

CityLayout PaintCityBackdrop(Scene& s, Rng& r) {
  s.title = "Stadt";
  const Conditions cond = DrawConditions(r, Setting::Outdoor);
  const float walkY = r.Range(290, 350);
  struct {
    SkyLight sky;
  } light{SkyFor(cond, walkY - 70)};
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, walkY - 70, light.sky, r.Int(1, 1000));
  {
    Canvas bg(s.background);
    // A hazy skyline behind the street.
    for (float x = -10; x < W;) {
      const float w = r.Range(25, 50), h = r.Range(60, 150);
      const float x0 = x, top = walkY - 100 - h;
      bg.Fill(
          x0, top, x0 + w, walkY, [=](float px, float py) { return BoxDistance(px, py, x0, top, x0 + w, walkY); },
          Flat{Mix(Rgb(110, 120, 140), light.sky.horizon, 0.45f)});
      if (r.Chance(0.3f))
        bg.Fill(
            x0 + w / 2 - 2, top - 30, x0 + w / 2 + 2, top,
            [=](float px, float py) { return BoxDistance(px, py, x0 + w / 2 - 2, top - 30, x0 + w / 2 + 2, top); },
            Flat{Mix(Rgb(110, 120, 140), light.sky.horizon, 0.45f)});
      x += w + r.Range(-5, 10);
    }
  }
  PaintCobbles(s.background, walkY, walkY + 22, Rgb(175, 170, 160), 20, static_cast<std::uint32_t>(r.Next()));
  PaintCobbles(s.background, walkY + 22, H, Rgb(120, 115, 110), 30, static_cast<std::uint32_t>(r.Next()));
  {
    Canvas bg(s.background);
    bg.Fill(
        0, walkY + 20, W, walkY + 26,
        [&](float px, float py) { return BoxDistance(px, py, -5, walkY + 20, W + 5, walkY + 26); },
        VerticalGradient{Rgb(200, 195, 185), Rgb(100, 95, 90), walkY + 20, walkY + 26});
  }
  if (Snowy(cond)) {
    // Snow lies along the edge of the pavement and between the stones.
    Canvas bg(s.background);
    bg.Fill(
        0, walkY, W, H, [&](float px, float py) { return BoxDistance(px, py, -5, walkY, W + 5, H + 5); },
        [&](float px, float py) {
          const float n = Fbm(px * 0.03f, py * 0.05f, 77, 3);
          return Color{0.93f, 0.95f, 0.99f} * (0.85f + 0.15f * n);
        },
        0.55f);
  }
  return {walkY, cond};
}

void PlaceCityObjects(Placer& c, const CityLayout& at, Rng& r) {
  const auto& [walkY, cond] = at;
  AddClouds(c, 200, std::min(4, CloudCount(cond, r)));
  AddBirds(c, 20, 120, r.Int(0, 4), Rgb(50, 45, 50));
  float x = r.Range(-30, 0);
  const float houseSize = r.Range(16, 25);
  while (x < W) {
    const float size = houseSize * r.Range(0.92f, 1.08f);
    if (r.Chance(0.12f)) {
      x += 2 * size;  // a gap: the skyline shows through
      continue;
    }
    Item house = c.Make(Kind::Townhouse, x + 2 * size, walkY, size, WallColour(cond, r), r.Pick(kRoofs), 4);
    house.locked = true;
    house.depth = walkY - 100;
    c.Place(house);
    x += 4 * size;
  }
  const int lamps = r.Int(2, 4);
  for (int i = 0; i < lamps; ++i)
    c.Place(c.Make(Kind::StreetLamp, 50 + i * (W - 100) / std::max(1, lamps - 1) + r.Range(-20, 20), walkY + 14, 13,
                   Rgb(40, 45, 50)));
  const int trees = r.Int(0, 3);
  for (int i = 0; i < trees; ++i)
    c.Place(c.Make(Kind::Tree, r.Range(30, W - 30), walkY + 12, 14, Foliage(cond, r), Rgb(210, 50, 40), 3), 90);
  const int cars = r.Int(1, 3);
  for (int i = 0; i < cars; ++i)
    c.Place(c.Make(Kind::Car, r.Range(50, W - 50), r.Range(walkY + 60, H - 20), 15, MadeColour(cond, r)), 140);
  for (int i = 0; i < 3; ++i)
    c.Place(c.Make(Kind::FlowerPot, r.Range(20, W - 20), walkY + r.Range(6, 18), 9, Rgb(170, 90, 55), r.Pick(kBlooms)),
            60);
  c.Place(c.Make(Kind::Bench, r.Range(60, W - 60), walkY + 16, 11, Rgb(40, 90, 60)), 0);
  c.Place(c.Make(Kind::Cat, r.Range(20, W - 20), walkY + 18, 9, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  c.Place(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(120, 200), 11, r.Pick(kBlooms)));
  c.Place(c.Make(Kind::Barrel, r.Range(20, W - 20), walkY + 17, 10, Rgb(130, 90, 55)), 0);
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(100, 200), 11, Rgb(250, 200, 60)));
  c.Spare(c.Make(Kind::Crate, r.Range(20, W - 20), walkY + 18, 10, Rgb(175, 135, 85)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(30, 120), 7, Rgb(50, 45, 50)), true);
  c.Spare(c.Make(Kind::FlowerPot, r.Range(20, W - 20), walkY + 15, 9, Rgb(170, 90, 55), r.Pick(kBlooms)));
}

Scene City(Rng& r) {
  Scene s;
  const CityLayout at = PaintCityBackdrop(s, r);
  Placer c(s, r);
  PlaceCityObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.walkY - 70);
  return s;
}

// Where the backdrop put the things the objects must fit around.
struct WinterLayout {
  float horizon;
  Conditions cond;
};

WinterLayout PaintWinterBackdrop(Scene& s, Rng& r) {
  s.title = "Winterdorf";
  Conditions cond = DrawConditions(r, Setting::Outdoor);
  cond.season = Season::Winter;
  if (cond.weather == Weather::Rain) cond.weather = Weather::Misty;
  const float horizon = r.Range(130, 215);
  SkyLight sky = SkyFor(cond, horizon);
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, horizon, sky, r.Int(1, 1000));
  PaintRidge(s.background, {horizon - 25, 40, 120, Rgb(170, 180, 205), Rgb(150, 160, 185), 0.08f, 0.02f,
                            static_cast<std::uint32_t>(r.Next()), 0.3f, sky.horizon, Rgb(245, 248, 252), horizon - 45});
  PaintRidge(s.background, {horizon + 20, 14, 150, Rgb(235, 238, 245), Rgb(205, 212, 228), 0.08f, 0.02f,
                            static_cast<std::uint32_t>(r.Next())});
  // Drifts: each a band of snow with its own soft blue shadow.
  PaintRidge(s.background, {horizon + 85, 22, 110, Rgb(240, 243, 250), Rgb(200, 210, 232), 0.07f, 0.03f,
                            static_cast<std::uint32_t>(r.Next())});
  PaintRidge(s.background, {horizon + 170, 18, 90, Rgb(246, 248, 252), Rgb(205, 214, 235), 0.06f, 0.035f,
                            static_cast<std::uint32_t>(r.Next())});
  {
    Canvas bg(s.background);
    const float pondX = r.Range(120, W - 120), pondY = horizon + r.Range(55, 75);
    bg.Fill(
        pondX - 85, pondY - 16, pondX + 85, pondY + 16,
        [&](float px, float py) { return EllipseDistance(px, py, pondX, pondY, 85, 16); },
        [&](float px, float py) {
          const float streak = ValueNoise(px * 0.05f, py * 0.5f, 11);
          return Mix(Rgb(170, 195, 215), Rgb(215, 228, 240), streak * 0.7f);
        });
    // A trodden path winding to the front.
    for (int i = 0; i < 40; ++i) {
      const float t = i / 39.0f;
      const float cx = pondX + std::sin(t * 3.0f) * 60 + (t - 0.3f) * 120, cy = pondY + 25 + t * (H - pondY - 20);
      const float rw = 8 + t * 22, rh = 3 + t * 5;
      bg.Fill(
          cx - rw, cy - rh, cx + rw, cy + rh,
          [=](float px, float py) { return EllipseDistance(px, py, cx, cy, rw, rh); }, Flat{Rgb(190, 198, 220)}, 0.35f,
          2.0f);
    }
  }
  return {horizon, cond};
}

void PlaceWinterObjects(Placer& c, const WinterLayout& at, Rng& r) {
  const auto& [horizon, cond] = at;
  AddClouds(c, horizon, CloudCount(cond, r));
  AddBirds(c, 40, horizon - 30, r.Int(0, 4), Rgb(50, 45, 50));
  const int houses = r.Int(2, 6);
  for (int i = 0; i < houses; ++i) {
    const float y = horizon + r.Range(30, 110);
    Item house = c.Make(Kind::Cottage, r.Range(40, W - 40), y, Perspective(y, horizon, 13), WallColour(cond, r),
                        Rgb(235, 238, 245), 3);
    c.Place(house, 80);
  }
  const int pines = r.Int(7, 20);
  for (int i = 0; i < pines; ++i) {
    const float y = r.Range(horizon + 25, H - 20);
    Item pine = c.Make(Kind::Pine, r.Range(15, W - 15), y, Perspective(y, horizon, 24), Vary(r, Rgb(45, 90, 60)));
    pine.variant = 2 + r.Int(0, 1);
    pine.variants = 4;
    c.Place(pine, 45);
  }
  for (int i = 0; i < 3; ++i) {
    const float y = r.Range(horizon + 60, H - 10);
    c.Place(c.Make(Kind::Rock, r.Range(20, W - 20), y, Perspective(y, horizon, 15), Rgb(120, 120, 130)), 60);
  }
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::StreetLamp, r.Range(40, W - 40), r.Range(horizon + 100, H - 30), 12, Rgb(40, 45, 50)), 120);
  c.Place(c.Make(Kind::Bench, r.Range(60, W - 60), r.Range(H - 80, H - 20), 13, Rgb(120, 80, 45)));
  for (int i = 0; i < 3; ++i)
    c.Place(c.Make(Kind::Crate, r.Range(30, W - 30), r.Range(horizon + 90, H - 10), 10, Rgb(160, 120, 75)), 70);
  c.Place(c.Make(Kind::Cat, r.Range(30, W - 30), r.Range(H - 60, H - 10), 12, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  c.Spare(c.Make(Kind::Pine, r.Range(30, W - 30), r.Range(H - 100, H - 20), 14, Rgb(45, 90, 60)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(40, horizon - 40), 7, Rgb(50, 45, 50)), true);
  c.Spare(c.Make(Kind::Crate, r.Range(30, W - 30), r.Range(horizon + 90, H - 10), 10, Rgb(160, 120, 75)));
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, horizon - 20), 11, Rgb(220, 50, 60)), true);
}

Scene Winter(Rng& r) {
  Scene s;
  const WinterLayout at = PaintWinterBackdrop(s, r);
  Placer c(s, r);
  PlaceWinterObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.horizon);
  return s;
}

struct BeachLayout {
  float horizon;
  float shoreY;
  Conditions cond;
};

BeachLayout PaintBeachBackdrop(Scene& s, Rng& r) {
  s.title = "Strand";
  Conditions cond = DrawConditions(r, Setting::Outdoor);
  if (cond.season == Season::Winter) cond.season = Season::Summer;
  const float horizon = r.Range(100, 190);
  struct {
    SkyLight sky;
  } light{SkyFor(cond, horizon)};
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintSky(s.background, horizon, light.sky, r.Int(1, 1000));
  PaintWater(s.background, {horizon, H, Mix(light.sky.horizon, Rgb(40, 110, 160), 0.6f), Rgb(40, 150, 160),
                            Lighter(light.sky.horizon, 0.6f), static_cast<std::uint32_t>(r.Next())});
  const float shoreY = r.Range(std::max(200.0f, horizon + 70), std::max(250.0f, horizon + 110));
  if (r.Chance(0.5f)) PaintHeadland(s.background, cond, r.Chance(0.5f), horizon, shoreY, r);
  const Ridge sand{shoreY,       r.Range(6, 24),    r.Range(50, 180), Rgb(205, 180, 135), Rgb(240, 222, 180),
                   0.12f,        0.12f,             static_cast<std::uint32_t>(r.Next())};
  PaintRidge(s.background, sand);
  Canvas bg(s.background);
  // Foam where the waves run out, and the darker wet sand just below it.
  bg.Fill(
      0, shoreY - 16, W, shoreY + 22, [&](float px, float py) { return std::fabs(py - RidgeHeight(sand, px) - 7) - 5; },
      Flat{Rgb(160, 140, 105)}, 0.35f, 4.0f);
  bg.Fill(
      0, shoreY - 16, W, shoreY + 16,
      [&](float px, float py) { return std::fabs(py - RidgeHeight(sand, px) + 1) - 1.2f; }, Flat{Rgb(250, 252, 250)},
      0.85f, 2.0f);
  bg.Fill(
      0, shoreY - 24, W, shoreY,
      [&](float px, float py) { return std::fabs(py - RidgeHeight(sand, px * 0.9f + 40) + 12) - 0.8f; },
      Flat{Rgb(240, 248, 250)}, 0.5f, 1.5f);
  return {horizon, shoreY, cond};
}

void PlaceBeachObjects(Placer& c, const BeachLayout& at, Rng& r) {
  const auto& [horizon, shoreY, cond] = at;
  AddClouds(c, horizon, CloudCount(cond, r));
  AddBirds(c, 30, horizon + 20, r.Int(1, 5), Rgb(70, 70, 80));
  const int sailboats = r.Int(1, 6);
  for (int i = 0; i < sailboats; ++i) {
    const float y = r.Range(horizon + 12, shoreY - 35);
    c.Place(c.Make(Kind::Sailboat, r.Range(30, W - 30), y, Perspective(y, horizon, 16), MadeColour(cond, r),
                   r.Chance(0.6f) ? Rgb(245, 240, 228) : MadeColour(cond, r)),
            60);
  }
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::Buoy, r.Range(20, W - 20), r.Range(horizon + 30, shoreY - 20), 7, Rgb(230, 80, 40)), 80);
  const int parasols = cond.weather == Weather::Rain ? r.Int(0, 1) : r.Int(1, 4);
  for (int i = 0; i < parasols; ++i) {
    const float x = (i + r.Range(0.25f, 0.75f)) * W / parasols, y = r.Range(shoreY + 60, H - 50);
    c.Place(c.Make(Kind::Parasol, x, y, r.Range(13, 16), MadeColour(cond, r)));
    c.Place(c.Make(Kind::Towel, x + r.Range(-20, 20), y + r.Range(15, 30), r.Range(11, 13), MadeColour(cond, r),
                   Rgb(245, 242, 235)));
  }
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::BeachBall, r.Range(30, W - 30), r.Range(shoreY + 30, H - 10), 11, Rgb(220, 50, 50),
                   Rgb(60, 110, 210)),
            80);
  c.Place(c.Make(Kind::Sandcastle, r.Range(60, W - 60), r.Range(shoreY + 30, H - 20), 12, Rgb(220, 190, 130),
                 Rgb(220, 50, 50)));
  constexpr Color kShells[] = {Rgb(245, 215, 200), Rgb(235, 225, 205), Rgb(230, 170, 150)};
  for (int i = 0; i < 7; ++i)
    c.Place(c.Make(Kind::Shell, r.Range(15, W - 15), r.Range(shoreY + 15, H - 5), 7, r.Pick(kShells)), 40);
  for (int i = 0; i < 2; ++i)
    c.Place(c.Make(Kind::Rock, r.Range(20, W - 20), shoreY + r.Range(4, 20), r.Range(11, 15), Rgb(120, 115, 110)), 90);
  c.Sky(c.Make(Kind::Kite, r.Range(60, W - 60), r.Range(40, horizon - 60), 11, r.Pick(kPaints), Rgb(250, 210, 70)));
  c.Spare(c.Make(Kind::BeachBall, r.Range(30, W - 30), r.Range(shoreY + 30, H - 10), 10, Rgb(250, 200, 40),
                 Rgb(40, 160, 90)));
  c.Spare(c.Make(Kind::Shell, r.Range(20, W - 20), r.Range(shoreY + 20, H - 10), 8, kShells[0]));
  c.Spare(c.Make(Kind::Buoy, r.Range(30, W - 30), r.Range(horizon + 30, shoreY - 20), 7, Rgb(240, 200, 40)));
  c.Spare(c.Make(Kind::Bird, r.Range(40, W - 40), r.Range(40, horizon), 7, Rgb(70, 70, 80)), true);
  c.Spare(c.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(80, horizon + 40), 11, Rgb(230, 50, 60)), true);
}

Scene Beach(Rng& r) {
  Scene s;
  const BeachLayout at = PaintBeachBackdrop(s, r);
  Placer c(s, r);
  PlaceBeachObjects(c, at, r);
  c.Done();
  Finalise(s, at.cond, at.horizon);
  return s;
}

}  // namespace

// In the order of SceneKind, eight kinds a line as the builders group them.
constexpr std::array<std::string_view, kSceneKindCount> kSceneKindNames = {
    "Landschaft", "Hafen", "Garten", "Zimmer", "Stillleben", "Stadt", "Winterdorf", "Strand",
    "Küche", "Klassenzimmer", "Markt", "Werkstatt", "Spielplatz", "Bauernhof", "Wald", "Bergdorf",
    "Unterwasserwelt", "Raumstation", "Bahnhof", "Zirkus", "Schlafzimmer", "Bibliothek", "Gartenfest", "Baustelle"};
static_assert(static_cast<int>(SceneKind::BuildingSite) + 1 == kSceneKindCount);

std::string SceneKindName(SceneKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kSceneKindNames.size() ? std::string(kSceneKindNames[index]) : "?";
}

Scene BuildScene(SceneKind kind, std::uint32_t seed) {
  Rng r(seed * 0x9E3779B1ull + static_cast<std::uint64_t>(kind));
  Scene s;
  switch (kind) {
    case SceneKind::Landscape:
      s = Landscape(r);
      break;
    case SceneKind::Harbour:
      s = Harbour(r);
      break;
    case SceneKind::Garden:
      s = Garden(r);
      break;
    case SceneKind::Room:
      s = Room(r);
      break;
    case SceneKind::StillLife:
      s = StillLife(r);
      break;
    case SceneKind::City:
      s = City(r);
      break;
    case SceneKind::Winter:
      s = Winter(r);
      break;
    case SceneKind::Beach:
      s = Beach(r);
      break;
    case SceneKind::Kitchen: case SceneKind::Classroom: case SceneKind::Market: case SceneKind::Workshop:
    case SceneKind::Playground: case SceneKind::Farm: case SceneKind::Forest: case SceneKind::MountainVillage:
      s = BuildKindA(kind, r);
      break;
    case SceneKind::Underwater:
      s = BuildUnderwater(r);
      break;
    case SceneKind::SpaceStation:
      s = BuildSpaceStation(r);
      break;
    case SceneKind::RailwayStation:
      s = BuildRailwayStation(r);
      break;
    case SceneKind::Circus:
      s = BuildCircus(r);
      break;
    case SceneKind::Bedroom:
      s = BuildBedroom(r);
      break;
    case SceneKind::Library:
      s = BuildLibrary(r);
      break;
    case SceneKind::GardenParty:
      s = BuildGardenParty(r);
      break;
    case SceneKind::BuildingSite:
      s = BuildBuildingSite(r);
      break;
  }
  s.grainSeed = seed * 31 + 7;
  return s;
}

}  // namespace scenegen

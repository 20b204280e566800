#include "scenes_kinds_b.h"

#include <algorithm>
#include <vector>

#include "backdrop.h"
#include "conditions.h"
#include "placer.h"

namespace scenegen {

namespace {

constexpr float W = kPictureWidth;
constexpr float H = kPictureHeight;

std::uint32_t Seed32(Rng& r) { return static_cast<std::uint32_t>(r.Next()); }

// ------------------------------------------------------------ backdrop tools

template <typename Shader>
void FillBox(Image& img, float x0, float y0, float x1, float y1, Shader shade, float alpha = 1, float soft = 0,
             float radius = 0) {
  Canvas c(img);
  c.Fill(
      x0, y0, x1, y1, [=](float px, float py) { return BoxDistance(px, py, x0, y0, x1, y1, radius); }, shade, alpha,
      soft);
}

template <typename Shader>
void FillPoly(Image& img, std::vector<Point> pts, Shader shade, float alpha = 1, float soft = 0) {
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (const Point& q : pts)
    x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x), y1 = std::max(y1, q.y);
  Canvas c(img);
  c.Fill(
      x0, y0, x1, y1, [pts](float px, float py) { return PolygonDistance(px, py, pts); }, shade, alpha, soft);
}

void FillLine(Image& img, float ax, float ay, float bx, float by, float width, Color color, float alpha = 1,
              float soft = 0) {
  const float hw = width * 0.5f;
  Canvas c(img);
  c.Fill(
      std::min(ax, bx) - hw, std::min(ay, by) - hw, std::max(ax, bx) + hw, std::max(ay, by) + hw,
      [=](float px, float py) { return SegmentDistance(px, py, ax, ay, bx, by) - hw; }, Flat{color}, alpha, soft);
}

// A soft shaft of light falling from (x0, y0) to (x1, y1).
void LightShaft(Image& img, float x0, float y0, float x1, float y1, float w0, float w1, Color light, float alpha) {
  FillPoly(img, {{x0 - w0, y0}, {x0 + w0, y0}, {x1 + w1, y1}, {x1 - w1, y1}}, Flat{light}, alpha, 14);
}

void Stars(Image& img, float y1, std::uint32_t seed, float density = 0.004f) {
  ForRows(img, 0, y1, [&](int x, int y, Color& px) {
    const float h = Hash2(x, y, seed);
    if (h < density) px = Mix(px, Rgb(250, 248, 235), 0.4f + 0.6f * Hash2(y, x, seed + 1));
  });
}

// ---------------------------------------------------------------- daylight

enum class Daytime { Noon, Morning, Evening, Overcast, Night };

struct Weather {
  Daytime time;
  SkyLight sky;
  Color tint;
};

Weather PickWeather(Rng& r, float horizon, bool allowNight) {
  const int pick = r.Int(0, allowNight ? 4 : 3);
  const float sunX = r.Range(50, W - 50);
  switch (pick) {
    case 0:
      return {Daytime::Noon,
              {Rgb(58, 118, 204), Rgb(190, 214, 236), Rgb(255, 250, 228), sunX, horizon * 0.3f, 0.45f},
              {1, 1, 1}};
    case 1:
      return {Daytime::Morning,
              {Rgb(110, 150, 210), Rgb(250, 218, 180), Rgb(255, 220, 160), sunX, horizon * 0.75f, 0.8f},
              {1.04f, 1.0f, 0.95f}};
    case 2:
      return {Daytime::Evening,
              {Rgb(64, 70, 140), Rgb(250, 160, 100), Rgb(255, 170, 90), sunX, horizon * 0.9f, 1.0f},
              {1.07f, 0.95f, 0.86f}};
    case 3:
      return {Daytime::Overcast,
              {Rgb(135, 145, 160), Rgb(205, 208, 212), Rgb(240, 240, 240), sunX, horizon * 0.3f, 0.1f},
              {0.97f, 0.99f, 1.02f}};
    default:
      return {Daytime::Night,
              {Rgb(12, 18, 44), Rgb(48, 60, 104), Rgb(220, 225, 255), sunX, horizon * 0.3f, 0.25f},
              {0.9f, 0.93f, 1.05f}};
  }
}

void PaintWeatherSky(Image& img, float horizon, const Weather& w, Rng& r) {
  PaintSky(img, horizon, w.sky, Seed32(r));
  if (w.time == Daytime::Night) {
    Stars(img, horizon, Seed32(r));
    FillEllipse(img, w.sky.sunX, w.sky.sunY, 13, 13, Flat{Rgb(250, 248, 228)});
    FillEllipse(img, w.sky.sunX + 5, w.sky.sunY - 3, 11, 11, Flat{w.sky.top}, 0.9f);
  }
}

// --------------------------------------------------------------- composing

// A string of flags hangs to the right of its anchor, where it was planned.
bool MirrorUnlessPennant(Kind kind, Rng& rng) { return kind != Kind::Pennant && rng.Chance(0.5f); }

// Nothing changeable stays on the picture's first column or row; a spare
// there is nudged away from the edge rather than lost.
constexpr PlacementRules kPlacement{.mirrored = MirrorUnlessPennant, .keepOffLeftAndTop = true, .spareNudges = 40};

float Perspective(float y, float horizon, float nearSize) {
  return nearSize * (0.3f + 0.7f * Clamp01((y - horizon) / (H - horizon)));
}

template <typename T, std::size_t N>
const T& PickOf(Rng& r, const T (&items)[N]) {
  return items[r.Int(0, static_cast<int>(N) - 1)];
}

constexpr Color kPipe = Rgb(150, 155, 165);
constexpr Color kGoldFoil = Rgb(215, 175, 80);
constexpr Color kWhiteCloth = Rgb(250, 248, 242);

constexpr Color kBright[] = {Rgb(215, 50, 50),  Rgb(40, 95, 185),  Rgb(240, 195, 50),  Rgb(55, 150, 80),
                             Rgb(235, 120, 30), Rgb(140, 70, 160), Rgb(240, 240, 235), Rgb(60, 60, 70)};
constexpr Color kSoft[] = {Rgb(235, 160, 170), Rgb(150, 190, 225), Rgb(245, 220, 140),
                           Rgb(170, 210, 160), Rgb(210, 170, 220), Rgb(245, 190, 140)};
constexpr Color kWoods[] = {Rgb(150, 100, 60), Rgb(175, 130, 85), Rgb(115, 70, 42), Rgb(190, 160, 115)};
constexpr Color kLeafColours[] = {Rgb(70, 125, 50), Rgb(95, 140, 55), Rgb(60, 110, 60), Rgb(120, 150, 60)};
constexpr Color kAutumn[] = {Rgb(205, 120, 40), Rgb(215, 170, 50), Rgb(175, 70, 40), Rgb(150, 140, 50)};

// ==================================================================== sea

Scene Underwater(Rng& r) {
  Scene s;
  s.title = "Unterwasserwelt";
  struct Sea {
    Color top, deep, sand, reef;
  };
  constexpr Sea kSeas[] = {{Rgb(80, 200, 215), Rgb(18, 88, 135), Rgb(228, 208, 160), Rgb(60, 140, 160)},
                           {Rgb(45, 115, 185), Rgb(8, 28, 70), Rgb(185, 170, 140), Rgb(30, 70, 120)},
                           {Rgb(120, 195, 150), Rgb(18, 78, 70), Rgb(205, 192, 140), Rgb(60, 120, 100)},
                           {Rgb(100, 115, 175), Rgb(24, 28, 72), Rgb(175, 155, 150), Rgb(60, 65, 120)}};
  const Sea sea = PickOf(r, kSeas);
  const bool shallow = r.Chance(0.5f);
  const float surfaceY = shallow ? r.Range(18, 55) : -1;
  const float floorY = r.Range(205, 330);
  s.background = Image(kPictureWidth, kPictureHeight);
  const std::uint32_t waterSeed = Seed32(r);
  // The water is brightest under the sun and darkens with depth and distance.
  const float sunX = r.Range(-60, W + 60), reach = r.Range(260, 520);
  ForRows(s.background, 0, H, [&](int x, int y, Color& px) {
    const float t = Clamp01(std::hypot((x - sunX) * 0.8f, y + 40.0f) / reach);
    Color c = Mix(sea.top, sea.deep, std::pow(t, 0.8f));
    c = c * (0.94f + 0.12f * Fbm(x * 0.01f, y * 0.02f, waterSeed, 3));
    if (shallow && y < surfaceY) {
      const float wave = std::sin(x * 0.06f + Fbm(x * 0.02f, y * 0.1f, waterSeed + 1, 3) * 6) * 0.5f + 0.5f;
      c = Mix(Lighter(sea.top, 0.35f), Lighter(sea.top, 0.7f), wave * Clamp01((surfaceY - y) / 10));
    }
    px = c;
  });
  if (shallow) FillBox(s.background, 0, surfaceY - 1.5f, W, surfaceY + 1.5f, Flat{Lighter(sea.top, 0.8f)}, 0.8f, 1.5f);
  // Shafts of light from the surface, fading with depth.
  for (int i = 0, n = r.Int(4, 8); i < n; ++i) {
    const float x0 = sunX + r.Range(-140, 140);
    LightShaft(s.background, x0, std::max(0.0f, surfaceY), x0 + r.Range(-40, 120), floorY + 20, r.Range(4, 12),
               r.Range(20, 45), Lighter(sea.top, 0.6f), shallow ? 0.14f : 0.08f);
  }
  // A distant reef wall and, sometimes, a wreck or an arch of rock in the haze.
  const Color haze = Mix(sea.reef, sea.deep, 0.3f);
  PaintRidge(s.background, {floorY - r.Range(25, 60), r.Range(15, 35), r.Range(60, 120), haze, Darker(haze, 0.2f),
                            0.18f, 0.05f, Seed32(r), 0.35f, Mix(sea.top, sea.deep, 0.5f)});
  const int landmark = r.Int(0, 4);
  const float markX = r.Range(90, W - 90);
  const Color far = Mix(sea.deep, sea.reef, 0.55f);
  if (landmark == 1) {
    const float hullY = floorY - 8, hw = r.Range(90, 130);
    FillPoly(
        s.background,
        {{markX - hw, hullY - 45}, {markX + hw, hullY - 60}, {markX + hw * 0.8f, hullY}, {markX - hw * 0.85f, hullY}},
        Mottled{far, 0.05f, 0.25f, 3});
    FillLine(s.background, markX - 10, hullY - 52, markX + 25, hullY - 150, 6, far);
    FillLine(s.background, markX - 12, hullY - 110, markX + 45, hullY - 118, 3, far);
    for (int k = 0; k < 4; ++k)
      FillEllipse(s.background, markX - hw * 0.6f + k * 38, hullY - 30, 6, 6, Flat{Darker(far, 0.4f)});
  } else if (landmark == 2) {
    const float archW = r.Range(70, 110), archH = r.Range(70, 110);
    FillEllipse(s.background, markX, floorY, archW + 28, archH + 28, Mottled{far, 0.04f, 0.3f, 4});
    FillEllipse(s.background, markX, floorY + 5, archW - 8, archH - 12,
                [&](float, float py) { return Mix(sea.top, sea.deep, std::pow(Clamp01(py / floorY), 0.8f)); });
  }
  if (landmark == 3) {
    // A cliff of rock closes one side of the view.
    const bool left = r.Chance(0.5f);
    const float edge = r.Range(110, 190);
    const std::uint32_t cliffSeed = Seed32(r);
    const Color rock = Mix(sea.reef, Rgb(70, 65, 60), 0.5f);
    ForRows(s.background, 0, H, [&](int x, int y, Color& px) {
      const float wander = (Fbm(y * 0.012f, 3.5f, cliffSeed, 4) - 0.5f) * 90 + (1 - y / H) * 30;
      const float d = (left ? x : W - x) - (edge + wander);
      if (d > 1) return;
      const float n = Fbm(x * 0.03f, y * 0.03f, cliffSeed + 1, 4);
      const Color c = rock * (0.55f + 0.5f * n + 0.25f * Clamp01((d + 40) / 40)) * (0.7f + 0.3f * Clamp01(y / floorY));
      px = Mix(px, c, Clamp01(0.5f - d));
    });
  } else if (landmark == 4) {
    // A kelp forest fading into the distance.
    for (int i = 0, n = r.Int(6, 11); i < n; ++i) {
      const float x0 = r.Range(0, W), phase = r.Range(0, 6), top = r.Range(surfaceY + 10, floorY * 0.5f);
      const Color kelp = Mix(Rgb(40, 70, 40), Mix(sea.top, sea.deep, 0.5f), r.Range(0.3f, 0.6f));
      for (float y = floorY + 10; y > top; y -= 6) {
        const float x = x0 + std::sin(y * 0.02f + phase) * 14;
        FillLine(s.background, x, y, x + std::sin((y - 6) * 0.02f + phase) * 14 - std::sin(y * 0.02f + phase) * 14,
                 y - 6, 7, kelp);
        if (static_cast<int>(y) % 24 < 6) FillEllipse(s.background, x + 9, y, 9, 3, Flat{kelp});
      }
    }
  }
  // Rippled sand with the flicker of light on it.
  // The bed: pale sand, dark volcanic gravel or a meadow of sea grass.
  const int bedKind = r.Int(0, 2);
  const Color bed = bedKind == 0 ? sea.sand : (bedKind == 1 ? Rgb(92, 86, 82) : Rgb(86, 118, 66));
  const Ridge sand{floorY,
                   r.Range(6, 16),
                   r.Range(90, 160),
                   Darker(bed, 0.35f),
                   bed,
                   bedKind == 1 ? 0.3f : 0.12f,
                   bedKind == 1 ? 0.2f : 0.05f,
                   Seed32(r)};
  PaintRidge(s.background, sand);
  const std::uint32_t causticSeed = Seed32(r);
  ForRows(s.background, floorY - 20, H, [&](int x, int y, Color& px) {
    if (y + 0.5f < RidgeHeight(sand, x + 0.5f) + 1) return;
    const float ripple = std::sin(x * 0.09f + y * 0.35f + Fbm(x * 0.02f, y * 0.05f, causticSeed, 3) * 8);
    const float caustic = std::fabs(ValueNoise(x * 0.08f, y * 0.16f, causticSeed + 1) - 0.5f);
    if (bedKind == 2) px = px * (0.75f + 0.45f * ValueNoise(x * 0.7f, y * 0.08f, causticSeed + 2));
    px = px * (0.94f + 0.05f * ripple) + Lighter(sea.top, 0.6f) * (SmoothStep(0.06f, 0.0f, caustic) * 0.13f);
  });
  // Drifting specks in the water.
  for (int i = 0; i < 80; ++i)
    FillEllipse(s.background, r.Range(0, W), r.Range(surfaceY + 5, floorY), 0.9f, 0.9f, Flat{Lighter(sea.top, 0.7f)},
                r.Range(0.2f, 0.5f));
  // Deep water closes in around the view; shallow water is warmer and open.
  s.tint = shallow ? Color{1.02f, 1.0f, 0.98f} : Color{0.95f, 0.99f, 1.05f};
  s.vignette = shallow ? 0.25f : r.Range(0.35f, 0.45f);

  Placer st(s, r, kPlacement);
  constexpr Color kCorals[] = {Rgb(240, 110, 120), Rgb(250, 150, 60), Rgb(170, 80, 170),
                               Rgb(240, 210, 80),  Rgb(230, 90, 70),  Rgb(120, 200, 200)};
  constexpr Color kWeeds[] = {Rgb(60, 140, 60), Rgb(110, 140, 40), Rgb(150, 70, 60), Rgb(40, 110, 80)};
  auto sandY = [&](float x, float lo, float hi) { return RidgeHeight(sand, x) + r.Range(lo, hi); };
  for (int i = 0, n = r.Int(7, 12); i < n; ++i) {
    const float x = r.Range(20, W - 20), y = sandY(x, 8, H - floorY - 10);
    st.Place(
        st.Make(Kind::Coral, x, y, Perspective(y, floorY - 80, r.Range(17, 23)), Vary(r, PickOf(r, kCorals)), {}, 3),
        45);
  }
  for (int i = 0, n = r.Int(4, 8); i < n; ++i) {
    const float x = r.Range(10, W - 10), y = sandY(x, 4, 60);
    // Weed stands out from the bed in brightness, not only in hue.
    const Color weed =
        bedKind == 0 ? PickOf(r, kWeeds) : PickOf(r, {Rgb(150, 200, 90), Rgb(200, 110, 80), Rgb(190, 180, 70)});
    st.Place(st.Make(Kind::Seaweed, x, y, r.Range(11, 16), Vary(r, weed, 0.05f)), 40);
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float x = r.Range(20, W - 20), y = sandY(x, 10, H - floorY - 5);
    st.Place(st.Make(Kind::Rock, x, y, Perspective(y, floorY - 80, 18), Vary(r, Rgb(110, 110, 115))), 70);
  }
  // Fish swim in schools: one colour, one direction, loosely together.
  constexpr Color kFish[] = {Rgb(250, 170, 40), Rgb(70, 140, 230),  Rgb(240, 230, 90),
                             Rgb(230, 80, 70),  Rgb(200, 200, 210), Rgb(150, 220, 120)};
  for (int school = 0, schools = r.Int(2, 4); school < schools; ++school) {
    const float cx = r.Range(50, W - 50), cy = r.Range(surfaceY + 40, floorY - 20);
    const Color c = PickOf(r, kFish);
    const bool left = r.Chance(0.5f);
    const float size = r.Range(9, 13);
    for (int i = 0, n = r.Int(2, 5); i < n; ++i) {
      Item fish = st.Make(Kind::Fish, cx + r.Range(-70, 70), cy + r.Range(-35, 35), size * r.Range(0.85f, 1.15f),
                          Vary(r, c, 0.06f), {}, 1);
      fish.mirrored = left;
      st.Sky(fish, 26);
    }
  }
  for (int i = 0, n = shallow ? r.Int(0, 1) : r.Int(1, 3); i < n; ++i)
    st.Sky(st.Make(Kind::Jellyfish, r.Range(40, W - 40), r.Range(surfaceY + 30, floorY - 60), r.Range(10, 14),
                   PickOf(r, kSoft), {}, 2),
           70);
  for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
    const float x = r.Range(20, W - 20);
    st.Place(st.Make(Kind::Starfish, x, sandY(x, 15, H - floorY - 5), r.Range(11, 14),
                     PickOf(r, {Rgb(240, 120, 60), Rgb(220, 60, 80), Rgb(245, 190, 70), Rgb(150, 80, 170)})),
             50);
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float x = r.Range(30, W - 30);
    st.Place(st.Make(Kind::Crab, x, sandY(x, 20, H - floorY - 5), r.Range(11, 14), Rgb(215, 70, 45)), 80);
  }
  for (int i = 0, n = r.Int(2, 5); i < n; ++i) {
    const float x = r.Range(15, W - 15);
    st.Place(st.Make(Kind::Shell, x, sandY(x, 10, H - floorY - 4), r.Range(8, 10),
                     PickOf(r, {Rgb(245, 215, 200), Rgb(235, 225, 205), Rgb(230, 170, 150)})),
             40);
  }
  if (r.Chance(0.6f)) {
    const float x = r.Range(50, W - 50);
    st.Place(st.Make(Kind::TreasureChest, x, sandY(x, 25, H - floorY - 10), r.Range(13, 16), Rgb(130, 85, 45),
                     Rgb(200, 160, 60)));
  }
  st.Spare(st.Make(Kind::Fish, r.Range(40, W - 40), r.Range(surfaceY + 40, floorY - 30), 9, PickOf(r, kFish), {}, 1),
           true);
  st.Spare(st.Make(Kind::Jellyfish, r.Range(40, W - 40), r.Range(surfaceY + 30, floorY - 60), 11, PickOf(r, kSoft)),
           true);
  {
    const float x = r.Range(30, W - 30);
    st.Spare(st.Make(Kind::Starfish, x, sandY(x, 20, H - floorY - 5), 12, Rgb(240, 120, 60)));
  }
  {
    const float x = r.Range(30, W - 30);
    st.Spare(st.Make(Kind::Shell, x, sandY(x, 15, H - floorY - 5), 9, Rgb(245, 215, 200)));
  }
  {
    const float x = r.Range(30, W - 30);
    st.Spare(st.Make(Kind::Crab, x, sandY(x, 25, H - floorY - 5), 12, Rgb(230, 110, 50)));
  }
  st.Done();
  return s;
}

// ============================================================ space station

struct Port {
  float cx, cy, r;
};

// Whether one round window holds the whole box.
bool SameWindow(const std::vector<Port>& ports, float x0, float y0, float x1, float y1) {
  for (const Port& p : ports) {
    bool all = true;
    for (const Point q : {Point{x0, y0}, Point{x1, y0}, Point{x0, y1}, Point{x1, y1}})
      all = all && std::hypot(q.x - p.cx, q.y - p.cy) < p.r;
    if (all) return true;
  }
  return false;
}

Scene SpaceStation(Rng& r) {
  Scene s;
  s.title = "Raumstation";
  struct Hull {
    Color wall, trim, floor;
  };
  constexpr Hull kHulls[] = {{Rgb(205, 210, 215), Rgb(90, 130, 180), Rgb(120, 125, 135)},
                             {Rgb(72, 82, 104), Rgb(230, 150, 50), Rgb(50, 55, 68)},
                             {Rgb(200, 160, 115), Rgb(70, 75, 85), Rgb(105, 95, 90)},
                             {Rgb(170, 200, 190), Rgb(200, 80, 70), Rgb(95, 110, 110)}};
  const Hull hull = PickOf(r, kHulls);
  const float floorY = r.Range(290, 345);
  s.background = Image(kPictureWidth, kPictureHeight);
  const std::uint32_t wallSeed = Seed32(r);
  const float panelW = r.Range(48, 80), panelH = r.Range(40, 70);
  // Wall panels with seams and rivets, lit from above.
  ForRows(s.background, 0, floorY, [&](int x, int y, Color& px) {
    const float fx = std::fmod(x + 1000.0f, panelW), fy = std::fmod(y + 1000.0f, panelH);
    const float seam = (fx < 2 || fy < 2) ? 0.7f : (fx < 3 || fy < 3 ? 1.12f : 1.0f);
    const float rivet = (std::hypot(fx - 6, fy - 6) < 1.6f || std::hypot(fx - panelW + 6, fy - 6) < 1.6f) ? 0.75f : 1;
    const float light = 1.05f - 0.25f * Clamp01(y / floorY) + 0.06f * Fbm(x * 0.03f, y * 0.03f, wallSeed, 3);
    px = hull.wall * (seam * rivet * light);
  });
  // The deck: plates seen at a slant, with a tread pattern.
  ForRows(s.background, floorY, H, [&](int x, int y, Color& px) {
    const float t = (y - floorY) / (H - floorY);
    const float u = (x - W / 2) / (0.5f + t);
    const float plate = std::fmod(u + 1000 * 60, 60.0f);
    const float tread = std::fmod(u * 0.5f + y * 0.9f, 8.0f) < 1.2f ? 1.1f : 1.0f;
    px = hull.floor * ((0.7f + 0.4f * t) * (plate < 2 ? 0.6f : tread));
  });
  FillBox(s.background, 0, floorY - 14, W, floorY,
          VerticalGradient{Lighter(hull.trim, 0.2f), Darker(hull.trim, 0.3f), floorY - 14, floorY});
  FillBox(s.background, 0, floorY, W, floorY + 8, Flat{{0, 0, 0}}, 0.35f, 5);
  // The view out: a band, round portholes or one great round window.
  const int view = r.Int(0, 2);
  std::vector<Port> ports;
  float bandX0 = 0, bandX1 = 0, bandY0 = 0, bandY1 = 0;
  if (view == 0) {
    bandX0 = r.Range(20, 60), bandX1 = W - r.Range(20, 60), bandY0 = r.Range(30, 60),
    bandY1 = floorY - r.Range(90, 120);
  } else if (view == 1) {
    const int n = r.Int(2, 3);
    const float rad = n == 2 ? r.Range(62, 78) : r.Range(52, 62), cy = r.Range(rad + 25, floorY - rad - 60);
    for (int i = 0; i < n; ++i) ports.push_back({(i + 0.5f) * W / n, cy, rad});
  } else {
    const float rad = r.Range(95, 120);
    ports.push_back(
        {r.Chance(0.5f) ? r.Range(rad + 10, W / 2) : r.Range(W / 2, W - rad - 10), rad + r.Range(15, 30), rad});
  }
  auto inView = [&](float x, float y, float margin) {
    if (view == 0) return x > bandX0 + margin && x < bandX1 - margin && y > bandY0 + margin && y < bandY1 - margin;
    for (const Port& p : ports)
      if (std::hypot(x - p.cx, y - p.cy) < p.r - margin) return true;
    return false;
  };
  constexpr Color kNebulae[] = {Rgb(150, 60, 170), Rgb(40, 140, 160), Rgb(200, 90, 50), Rgb(60, 80, 200)};
  const Color nebula = PickOf(r, kNebulae);
  const std::uint32_t spaceSeed = Seed32(r);
  const float bigPlanetX = r.Range(0, W), bigPlanetR = r.Range(260, 420);
  const float bigPlanetY = (view == 0 ? bandY1 : ports[0].cy + ports[0].r) + bigPlanetR - r.Range(20, 60);
  const bool showBig = r.Chance(0.6f);
  constexpr Color kWorlds[] = {Rgb(70, 130, 200), Rgb(200, 120, 70), Rgb(120, 170, 110), Rgb(190, 180, 150)};
  const Color world = PickOf(r, kWorlds);
  auto space = [&](float px, float py) {
    Color c = Mix(Rgb(8, 10, 28), Rgb(3, 3, 10), Clamp01(py / floorY));
    const float n = Fbm(px * 0.008f, py * 0.012f, spaceSeed, 5);
    c = c + nebula * (SmoothStep(0.45f, 0.8f, n) * 0.45f);
    const int ix = static_cast<int>(px), iy = static_cast<int>(py);
    if (Hash2(ix, iy, spaceSeed + 3) < 0.006f) c = Mix(c, Rgb(250, 250, 240), 0.5f + 0.5f * Hash2(iy, ix, spaceSeed));
    if (showBig) {
      const float d = std::hypot(px - bigPlanetX, py - bigPlanetY) - bigPlanetR;
      if (d < 0) {
        const float cloud = Fbm(px * 0.02f, py * 0.05f, spaceSeed + 9, 4);
        const float lit = Clamp01(0.4f + (bigPlanetX - px) / bigPlanetR * 0.6f);
        c = Mix(world, Rgb(245, 245, 250), SmoothStep(0.55f, 0.75f, cloud) * 0.8f) * (0.3f + 0.8f * lit);
      } else if (d < 12) {
        c = c + Rgb(120, 170, 255) * ((1 - d / 12) * 0.6f);
      }
    }
    return c;
  };
  const Color frame = Mix(hull.trim, Rgb(60, 60, 70), 0.4f);
  if (view == 0) {
    FillBox(s.background, bandX0 - 10, bandY0 - 10, bandX1 + 10, bandY1 + 10, Flat{frame}, 1, 0, 28);
    FillBox(s.background, bandX0, bandY0, bandX1, bandY1, space, 1, 0, 22);
  } else {
    for (const Port& p : ports) {
      FillEllipse(s.background, p.cx, p.cy, p.r + 14, p.r + 14, Flat{frame});
      FillEllipse(s.background, p.cx, p.cy, p.r + 6, p.r + 6, Flat{Lighter(frame, 0.3f)});
      FillEllipse(s.background, p.cx, p.cy, p.r, p.r, space);
      for (int k = 0; k < 8; ++k) {
        const float a = k * 0.785f;
        FillEllipse(s.background, p.cx + std::cos(a) * (p.r + 8), p.cy + std::sin(a) * (p.r + 8), 2.2f, 2.2f,
                    Flat{Darker(frame, 0.4f)});
      }
    }
  }
  // Pipes along the wall and a stripe of warning paint.
  const float pipeY = floorY - r.Range(40, 70);
  for (int k = 0; k < r.Int(1, 3); ++k)
    FillBox(s.background, 0, pipeY + k * 11, W, pipeY + k * 11 + 7,
            VerticalGradient{Lighter(kPipe, 0.3f), Darker(kPipe, 0.4f), pipeY + k * 11, pipeY + k * 11 + 7});
  if (r.Chance(0.5f))
    ForRows(s.background, floorY - 30, floorY - 16, [&](int x, int y, Color& px) {
      px = std::fmod(x + y + 1000.0f, 20.0f) < 10 ? Rgb(235, 190, 40) : Rgb(40, 40, 45);
    });
  const int mood = r.Int(0, 2);
  s.tint = mood == 0 ? Color{1, 1, 1} : (mood == 1 ? Color{1.08f, 0.92f, 0.92f} : Color{0.92f, 0.97f, 1.08f});
  s.vignette = 0.3f;

  Placer st(s, r, kPlacement);
  // Out there: worlds, satellites and a passing rocket, always inside the glass.
  // An object out there must stay behind the glass even when a difference
  // moves it (up to 28 pixels across, 12 up or down) or makes it larger.
  auto fits = [&](const Item& it) {
    Item big = it;
    big.size *= 1.4f;
    const Box b = Grow(Union(ItemBounds(it), ItemBounds(big)), 2);
    const float x0 = b.x0 - 30.0f, x1 = b.x1 + 30.0f, y0 = b.y0 - 14.0f, y1 = b.y1 + 14.0f;
    return inView(x0, y0, 0) && inView(x1, y0, 0) && inView(x0, y1, 0) && inView(x1, y1, 0) &&
           (view == 0 || SameWindow(ports, x0, y0, x1, y1));
  };
  auto floatInView = [&](Kind kind, float size, Color color, Color accent) {
    for (int tries = 0; tries < 40; ++tries) {
      const Item it = st.Make(kind, r.Range(20, W - 20), r.Range(20, floorY - 60), size, color, accent);
      if (fits(it)) return st.Sky(it, 60);
    }
    return false;
  };
  constexpr Color kPlanets[] = {Rgb(220, 150, 80), Rgb(120, 180, 220), Rgb(200, 90, 80), Rgb(170, 140, 210),
                                Rgb(230, 210, 140)};
  for (int i = 0, n = r.Int(1, 2); i < n; ++i)
    floatInView(Kind::Planet, r.Range(9, 15), PickOf(r, kPlanets), PickOf(r, kSoft));
  for (int i = 0, n = r.Int(0, 2); i < n; ++i) floatInView(Kind::Satellite, r.Range(6, 9), kGoldFoil, {});
  if (r.Chance(0.6f)) floatInView(Kind::Rocket, r.Range(6, 9), PickOf(r, kBright), {});
  // On the deck.
  const float deck0 = floorY + 6, deck1 = H - 8;
  auto deckSize = [&](float y, float near) { return Perspective(y, floorY - 160, near); };
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(deck0, deck0 + 30);
    Item console = st.Make(Kind::Console, r.Range(50, W - 50), y, deckSize(y, 17), Vary(r, hull.trim));
    if (!st.Place(console, 130)) continue;
    if (r.Chance(0.7f)) {
      Item cup = st.Make(Kind::Cup, console.x + r.Range(-1.8f, 1.8f) * console.size, y - 2.05f * console.size,
                         console.size * 0.55f, PickOf(r, kBright));
      cup.depth = y + 1;
      st.Place(cup);
    }
  }
  for (int i = 0, n = r.Int(2, 3); i < n; ++i) {
    const float y = r.Range(deck0 + 20, deck1);
    st.Place(st.Make(Kind::Astronaut, r.Range(30, W - 30), y, deckSize(y, 20),
                     PickOf(r, {Rgb(240, 240, 235), Rgb(240, 150, 50), Rgb(120, 160, 220)}), Rgb(230, 180, 70)),
             60);
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float y = r.Range(deck0 + 20, deck1);
    st.Place(st.Make(Kind::Robot, r.Range(30, W - 30), y, deckSize(y, 17),
                     PickOf(r, {Rgb(200, 205, 215), Rgb(230, 190, 60), Rgb(90, 150, 210), Rgb(210, 90, 70)})),
             70);
  }
  for (int i = 0, n = r.Int(0, 3); i < n; ++i) {
    const float y = r.Range(deck0 + 10, deck1);
    st.Place(st.Make(Kind::Suitcase, r.Range(20, W - 20), y, deckSize(y, 15),
                     PickOf(r, {Rgb(200, 200, 205), Rgb(60, 65, 75), Rgb(210, 120, 40)})),
             50);
  }
  for (int i = 0, n = r.Int(2, 7); i < n; ++i) {
    const float y = r.Range(deck0 + 10, deck1);
    st.Place(st.Make(Kind::Crate, r.Range(20, W - 20), y, deckSize(y, 17),
                     PickOf(r, {Rgb(170, 175, 185), Rgb(200, 150, 60), Rgb(90, 110, 140)})),
             45);
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(deck0 + 5, deck1);
    st.Place(st.Make(Kind::FlowerPot, r.Range(20, W - 20), y, deckSize(y, 17), Rgb(220, 220, 225), PickOf(r, kBright)),
             60);
  }
  if (r.Chance(0.5f)) {
    const float y = r.Range(deck0 + 30, deck1);
    st.Place(st.Make(Kind::Chair, r.Range(30, W - 30), y, deckSize(y, 16), PickOf(r, kBright)));
  }
  if (r.Chance(0.6f))
    st.Place(st.Make(Kind::Clock, r.Range(40, W - 40), floorY - r.Range(22, 32), 12, hull.trim, {}, 3));
  st.Spare(st.Make(Kind::Robot, r.Range(30, W - 30), r.Range(deck0 + 30, deck1), 12, Rgb(230, 190, 60)));
  st.Spare(st.Make(Kind::Crate, r.Range(30, W - 30), r.Range(deck0 + 20, deck1), 11, Rgb(170, 175, 185)));
  st.Spare(st.Make(Kind::FlowerPot, r.Range(30, W - 30), r.Range(deck0 + 20, deck1), 12, Rgb(220, 220, 225),
                   Rgb(215, 50, 50)));
  for (int tries = 0; tries < 40; ++tries) {
    const Item it = st.Make(tries % 2 ? Kind::Satellite : Kind::Planet, r.Range(20, W - 20), r.Range(20, floorY - 60),
                            tries % 2 ? 7 : 10, tries % 2 ? kGoldFoil : PickOf(r, kPlanets), PickOf(r, kSoft));
    if (fits(it)) {
      st.Spare(it, true);
      break;
    }
  }
  st.Done();
  return s;
}

// ========================================================= railway station

// Distant houses and trees on a line, in the haze of the distance.
void PaintSkyline(Image& img, float baseY, Color c, bool town, Rng& r) {
  for (float x = r.Range(-30, 0); x < W;) {
    if (town) {
      const float w = r.Range(22, 46), h = r.Range(25, 80);
      FillBox(img, x, baseY - h, x + w, baseY + 2, Flat{c});
      if (r.Chance(0.4f))
        FillPoly(img, {{x - 2, baseY - h}, {x + w / 2, baseY - h - w * 0.5f}, {x + w + 2, baseY - h}}, Flat{c});
      x += w + r.Range(-4, 6);
    } else {
      const float rad = r.Range(10, 24);
      FillEllipse(img, x, baseY - rad * 0.8f, rad, rad, Flat{c});
      x += rad * r.Range(0.8f, 1.5f);
    }
  }
}

Scene RailwayStation(Rng& r) {
  Scene s;
  s.title = "Bahnhof";
  const float trackY = r.Range(250, 292);
  const float platformY = trackY + r.Range(28, 45);
  const float opEdge = trackY - r.Range(30, 38), opTop = opEdge - r.Range(18, 30);
  const float farY = opTop - r.Range(5, 30);
  const bool hall = r.Chance(0.4f);
  const Weather weather = PickWeather(r, farY, !hall);
  const int season = r.Int(0, 3);  // summer, autumn, winter, spring
  s.tint = weather.tint;
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintWeatherSky(s.background, farY, weather, r);
  const Color hazy = Mix(Rgb(100, 110, 125), weather.sky.horizon, 0.5f);
  const Color trees = season == 1 ? PickOf(r, kAutumn) : (season == 2 ? Rgb(200, 205, 215) : PickOf(r, kLeafColours));
  PaintRidge(s.background, {farY - r.Range(10, 40),
                            r.Range(8, 25),
                            120,
                            Mix(trees, weather.sky.horizon, 0.5f),
                            Mix(trees, weather.sky.horizon, 0.35f),
                            0.1f,
                            0.03f,
                            Seed32(r),
                            0,
                            {}});
  PaintSkyline(s.background, farY + 4, Mix(hazy, trees, 0.2f), r.Chance(0.6f), r);
  const Color brick = PickOf(r, {Rgb(165, 85, 60), Rgb(190, 150, 110), Rgb(140, 120, 110), Rgb(200, 185, 160)});
  const Color iron = PickOf(r, {Rgb(50, 80, 70), Rgb(70, 60, 90), Rgb(60, 62, 70), Rgb(120, 40, 40)});
  if (hall) {
    // The great hall: a brick back wall with arched windows under a glass roof.
    const float wallTop = r.Range(40, 80);
    ForRows(s.background, wallTop, opTop + 2, [&](int x, int y, Color& px) {
      const float row = std::fmod(y + 100.0f, 7.0f),
                  col = std::fmod(x + (static_cast<int>(y / 7) % 2) * 8 + 100.0f, 16.0f);
      const float mortar = row < 1 || col < 1 ? 0.75f : 1.0f;
      px = brick * (mortar * (0.88f + 0.2f * Hash2(static_cast<int>((x + (static_cast<int>(y / 7) % 2) * 8) / 16),
                                                   static_cast<int>(y / 7), 5)));
    });
    const int windows = r.Int(2, 4);
    for (int i = 0; i < windows; ++i) {
      const float cx = (i + 0.5f) * W / windows, ww = W / windows * 0.28f, top = wallTop + 25, bottom = opTop - 10;
      FillBox(s.background, cx - ww - 5, top - 5, cx + ww + 5, bottom + 5, Flat{Darker(brick, 0.3f)}, 1, 0, ww + 5);
      FillBox(s.background, cx - ww, top, cx + ww, bottom,
              VerticalGradient{weather.sky.top, weather.sky.horizon, top, bottom}, 1, 0, ww);
      for (float k = -0.5f; k <= 0.5f; k += 0.5f)
        FillLine(s.background, cx + k * ww, top, cx + k * ww, bottom, 2, iron);
      for (float v = top + 20; v < bottom; v += 22) FillLine(s.background, cx - ww, v, cx + ww, v, 1.5f, iron);
    }
    // Glass roof: panes between iron ribs curving over the hall.
    ForRows(s.background, 0, wallTop, [&](int x, int y, Color& px) {
      const float rib = std::fmod(x + (y - wallTop) * 0.4f + 1000.0f, 40.0f);
      const float bar = std::fmod(y + 1000.0f, 14.0f);
      Color glass = Mix(weather.sky.horizon, weather.sky.top, 0.5f) * (0.85f + 0.2f * (y / wallTop));
      px = rib < 3 || bar < 1.5f ? iron : glass;
    });
    FillBox(s.background, 0, wallTop - 6, W, wallTop + 4,
            VerticalGradient{Lighter(iron, 0.3f), Darker(iron, 0.3f), wallTop - 6, wallTop + 4});
  } else {
    // A canopy over the far platform on slim columns.
    const float roofY = opTop - r.Range(70, 95);
    const float x0 = r.Chance(0.5f) ? r.Range(-20, 60) : r.Range(120, 200), x1 = x0 + r.Range(260, 380);
    FillPoly(s.background, {{x0, roofY}, {x1, roofY}, {x1 + 10, roofY + 16}, {x0 - 10, roofY + 16}},
             VerticalGradient{Lighter(iron, 0.35f), Darker(iron, 0.2f), roofY, roofY + 16});
    FillBox(s.background, x0 - 10, roofY + 16, x1 + 10, roofY + 22, Flat{Rgb(235, 230, 215)});
    for (float x = x0 + 15; x < x1; x += r.Range(70, 95)) {
      FillBox(s.background, x - 3, roofY + 20, x + 3, opTop + 2, CylinderShade{iron, x, 3});
      FillLine(s.background, x, roofY + 40, x - 22, roofY + 20, 2.5f, iron);
      FillLine(s.background, x, roofY + 40, x + 22, roofY + 20, 2.5f, iron);
    }
  }
  // The far platform, the track bed and the near platform.
  PaintCobbles(s.background, opTop, opEdge, Mix(Rgb(170, 165, 155), hazy, 0.25f), 30, Seed32(r));
  FillBox(s.background, 0, opEdge, W, opEdge + 8,
          VerticalGradient{Rgb(200, 195, 185), Rgb(110, 105, 100), opEdge, opEdge + 8});
  const std::uint32_t ballast = Seed32(r);
  ForRows(s.background, opEdge + 8, platformY, [&](int x, int y, Color& px) {
    const float stone = Hash2(x / 2, y / 2, ballast);
    px = Rgb(120, 110, 100) * (0.6f + 0.5f * stone) * (0.8f + 0.2f * Clamp01((y - opEdge) / 40));
  });
  for (float x = r.Range(0, 18); x < W; x += 18)
    FillPoly(s.background, {{x - 5, trackY - 6}, {x + 5, trackY - 6}, {x + 7, trackY + 12}, {x - 7, trackY + 12}},
             Mottled{Rgb(95, 75, 55), 0.2f, 0.2f, 3});
  for (float ry : {trackY - 3.0f, trackY + 8.0f})
    FillBox(s.background, 0, ry - 1.5f, W, ry + 1.5f,
            VerticalGradient{Rgb(220, 220, 225), Rgb(80, 75, 75), ry - 1.5f, ry + 1.5f});
  const Color paving = PickOf(r, {Rgb(175, 170, 160), Rgb(190, 160, 130), Rgb(150, 150, 155)});
  // Paving slabs in perspective, each a little different in tone.
  const std::uint32_t slabSeed = Seed32(r);
  const float slabW = r.Range(45, 70);
  ForRows(s.background, platformY, H, [&](int x, int y, Color& px) {
    const float t = (y - platformY) / (H - platformY);
    const float rowF = std::sqrt(t) * 5, row = std::floor(rowF);
    const float colF = (x - W / 2) / (0.55f + t) / slabW + row * 0.5f + 100, col = std::floor(colF);
    const float joint = std::min({rowF - row, 1 - (rowF - row), (colF - col) * 2, (1 - (colF - col)) * 2});
    const float tone = 0.85f + 0.2f * Hash2(static_cast<int>(col), static_cast<int>(row), slabSeed);
    const Color c = paving * tone * (0.8f + 0.25f * t) * (0.94f + 0.1f * ValueNoise(x * 0.15f, y * 0.15f, slabSeed));
    px = Mix(Darker(paving, 0.5f), c, SmoothStep(0.0f, 0.06f, joint));
  });
  FillBox(s.background, 0, platformY - 2, W, platformY + 9,
          VerticalGradient{Rgb(235, 232, 225), Rgb(150, 145, 140), platformY - 2, platformY + 9});
  FillBox(s.background, 0, platformY + 16, W, platformY + 21, Flat{Rgb(240, 205, 50)}, 0.9f);
  if (season == 2)
    ForRows(s.background, platformY + 21, H, [&](int x, int y, Color& px) {
      const float snow = SmoothStep(0.45f, 0.6f, Fbm(x * 0.02f, y * 0.04f, 77, 4));
      px = Mix(px, Rgb(238, 242, 250), snow * 0.85f);
    });
  s.vignette = 0.26f;

  Placer st(s, r, kPlacement);
  if (!hall) {
    for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
      const float x = (i + r.Range(0.2f, 0.8f)) * W / n, y = r.Range(25, std::max(40.0f, farY - 90));
      st.Sky(st.Make(Kind::Cloud, x, y, r.Range(10, 14),
                     weather.time == Daytime::Night ? Rgb(90, 95, 120) : Rgb(250, 250, 248), {}, 3));
    }
    for (int i = 0, n = r.Int(1, 3); i < n; ++i)
      st.Sky(st.Make(Kind::Bird, r.Range(30, W - 30), r.Range(30, farY - 40), r.Range(5, 7), Rgb(60, 60, 70)));
  }
  // Small things on the far platform.
  const float opY = (opTop + opEdge) * 0.5f + 4;
  for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
    const float x = r.Range(20, W - 20);
    switch (r.Int(0, 3)) {
      case 0:
        st.Place(st.Make(Kind::Bench, x, opY, 7, PickOf(r, kWoods)), 50);
        break;
      case 1:
        st.Place(st.Make(Kind::Suitcase, x, opY, 7, PickOf(r, kBright)), 40);
        break;
      case 2:
        st.Place(st.Make(Kind::StreetLamp, x, opY, 8, iron), 60);
        break;
      default:
        st.Place(st.Make(Kind::FlowerPot, x, opY, 8, Rgb(180, 95, 60), PickOf(r, kBright)), 40);
        break;
    }
  }
  // A train stands at the platform, or the track is empty.
  if (r.Chance(0.8f)) {
    const float size = r.Range(11.5f, 14.0f), len = 9.2f * size;
    const bool toRight = r.Chance(0.5f);
    const int coaches = r.Int(1, 3);
    const Color livery =
        PickOf(r, {Rgb(170, 40, 40), Rgb(40, 90, 160), Rgb(40, 110, 70), Rgb(220, 190, 60), Rgb(60, 60, 65)});
    float x = toRight ? r.Range(W - len * 0.4f, W + len * 0.2f) : r.Range(-len * 0.2f, len * 0.4f);
    Item loco = st.Make(Kind::Locomotive, x, trackY, size, livery);
    loco.mirrored = !toRight;
    st.Place(loco);
    const Color coach = r.Chance(0.5f) ? livery : PickOf(r, kBright);
    for (int i = 0; i < coaches; ++i) {
      x += toRight ? -len : len;
      Item c = st.Make(Kind::Coach, x, trackY, size, Vary(r, coach, 0.05f));
      st.Place(c);
    }
  }
  // The near platform.
  const float near0 = platformY + 28, near1 = H - 6;
  auto nearSize = [&](float y, float size) { return Perspective(y, platformY - 120, size); };
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(near0, near0 + 40);
    st.Place(st.Make(Kind::Bench, r.Range(60, W - 60), y, nearSize(y, 20), PickOf(r, kWoods)), 140);
  }
  for (int i = 0, n = r.Int(4, 7); i < n; ++i) {
    const float y = r.Range(near0, near1);
    st.Place(st.Make(Kind::Suitcase, r.Range(20, W - 20), y, nearSize(y, 18), PickOf(r, kBright)), 40);
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i)
    st.Place(st.Make(Kind::StreetLamp, r.Range(30, W - 30), r.Range(near0 - 5, near0 + 10), 14, iron), 150);
  if (r.Chance(0.7f)) {
    Item signal = st.Make(Kind::RailSignal, r.Chance(0.5f) ? r.Range(15, 60) : r.Range(W - 60, W - 15), platformY + 20,
                          r.Range(11, 13), PickOf(r, {Rgb(200, 40, 40), Rgb(60, 62, 70), Rgb(230, 200, 50)}));
    st.Place(signal);
  }
  for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
    const float y = r.Range(near0 + 10, near1);
    st.Place(st.Make(i % 2 ? Kind::Barrel : Kind::Crate, r.Range(20, W - 20), y, nearSize(y, 17), PickOf(r, kWoods)),
             50);
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float y = r.Range(near0, near1);
    st.Place(st.Make(Kind::FlowerPot, r.Range(20, W - 20), y, nearSize(y, 18), Rgb(180, 95, 60), PickOf(r, kBright)),
             60);
  }
  if (r.Chance(0.5f)) {
    const float y = r.Range(near0 + 20, near1);
    st.Place(st.Make(Kind::Cat, r.Range(30, W - 30), y, nearSize(y, 17),
                     PickOf(r, {Rgb(60, 55, 55), Rgb(210, 130, 60), Rgb(235, 230, 220)}), Rgb(200, 200, 60)));
  }
  st.Place(st.Make(Kind::Clock, r.Range(60, W - 60), hall ? opTop - r.Range(40, 70) : farY - r.Range(20, 60), 11, iron,
                   {}, 3));
  st.Spare(st.Make(Kind::Suitcase, r.Range(30, W - 30), r.Range(near0, near1), 14, PickOf(r, kBright)));
  st.Spare(st.Make(Kind::Crate, r.Range(30, W - 30), r.Range(near0, near1), 13, PickOf(r, kWoods)));
  st.Spare(
      st.Make(Kind::FlowerPot, r.Range(30, W - 30), r.Range(near0, near1), 14, Rgb(180, 95, 60), PickOf(r, kBright)));
  if (!hall) st.Spare(st.Make(Kind::Bird, r.Range(40, W - 40), r.Range(30, farY - 40), 6, Rgb(60, 60, 70)), true);
  st.Spare(st.Make(Kind::Cat, r.Range(30, W - 30), r.Range(near0 + 20, near1), 13, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  st.Done();
  return s;
}

// ================================================================== circus

struct TentColours {
  Color a, b;
};
constexpr TentColours kTents[] = {{Rgb(200, 40, 45), Rgb(245, 240, 230)},
                                  {Rgb(40, 80, 170), Rgb(245, 200, 60)},
                                  {Rgb(40, 130, 90), Rgb(240, 235, 220)},
                                  {Rgb(130, 50, 140), Rgb(240, 190, 70)}};

void PaintBigTopInside(Scene& s, Rng& r, const TentColours& tent, float ringX, float ringY, float ringRx,
                       float ringRy) {
  const float apexX = r.Range(120, W - 120), standsTop = r.Range(120, 175);
  const float stripes = static_cast<float>(r.Int(10, 18));
  const std::uint32_t seed = Seed32(r);
  ForRows(s.background, 0, standsTop + 4, [&](int x, int y, Color& px) {
    const float a = std::atan2(y + 60.0f, x - apexX);
    const bool band = static_cast<int>(std::floor(a / 3.14159f * stripes * 2 + 100)) % 2 == 0;
    const float fold = 0.85f + 0.15f * std::sin(a * stripes * 12.566f);
    px = (band ? tent.a : tent.b) * (fold * (0.4f + 0.6f * Clamp01(y / standsTop)));
  });
  // The audience in rising rows.
  const float rowH = r.Range(13, 17);
  ForRows(s.background, standsTop, ringY, [&](int x, int y, Color& px) {
    const int row = static_cast<int>((y - standsTop) / rowH);
    const float fy = std::fmod(y - standsTop, rowH) / rowH;
    const float seatW = rowH * 0.9f;
    const int col = static_cast<int>(std::floor((x + row * seatW * 0.5f) / seatW));
    const float fx = std::fmod(x + row * seatW * 0.5f + 1000 * seatW, seatW) / seatW;
    Color c = Rgb(70, 40, 35) * (0.6f + 0.1f * static_cast<float>(row % 3));
    const float h = Hash2(col, row, seed);
    if (h < 0.8f) {
      const Color shirt = FromHsv({Hash2(row, col, seed + 1), 0.5f, 0.7f});
      if (std::hypot(fx - 0.5f, (fy - 0.35f) * 1.3f) < 0.22f)
        c = Rgb(230, 190, 160) * (0.7f + 0.3f * Hash2(col, row, seed + 2));
      else if (fy > 0.55f && std::fabs(fx - 0.5f) < 0.38f)
        c = shirt;
    }
    if (fy > 0.92f) c = Rgb(120, 30, 30);
    px = c * (0.55f + 0.35f * (y - standsTop) / (ringY - standsTop));
  });
  FillBox(s.background, 0, ringY - ringRy - 40, W, H,
          VerticalGradient{Rgb(60, 30, 25), Rgb(110, 60, 40), ringY - ringRy, H});
  FillEllipse(s.background, ringX, ringY, ringRx + 12, ringRy + 9, [&](float px, float py) {
    const float a = std::atan2((py - ringY) / ringRy, (px - ringX) / ringRx);
    return static_cast<int>(std::floor(a / 3.14159f * 12 + 24)) % 2 ? tent.a : tent.b;
  });
  FillEllipse(s.background, ringX, ringY, ringRx, ringRy, Mottled{Rgb(205, 165, 110), 0.15f, 0.18f, seed});
  // Spotlights from the top of the tent onto the ring.
  const Color spot = PickOf(r, {Rgb(255, 245, 210), Rgb(255, 210, 230), Rgb(210, 230, 255)});
  for (int i = 0, n = r.Int(2, 3); i < n; ++i) {
    const float x0 = r.Range(20, W - 20), x1 = ringX + r.Range(-ringRx * 0.6f, ringRx * 0.6f);
    LightShaft(s.background, x0, 0, x1, ringY, 6, 40, spot, 0.12f);
    FillEllipse(s.background, x1, ringY + 5, 55, 18, Flat{spot}, 0.22f, 10);
  }
  // A trapeze hanging from the dark.
  const float tx = r.Range(80, W - 80), ty = r.Range(70, 110);
  FillLine(s.background, tx - 18, 0, tx - 18, ty, 1.5f, Rgb(200, 190, 160));
  FillLine(s.background, tx + 18, 0, tx + 18, ty, 1.5f, Rgb(200, 190, 160));
  FillLine(s.background, tx - 20, ty, tx + 20, ty, 4, Rgb(180, 150, 60));
}

Scene Circus(Rng& r) {
  Scene s;
  s.title = "Zirkus";
  const TentColours tent = PickOf(r, kTents);
  const bool inside = r.Chance(0.6f);
  s.background = Image(kPictureWidth, kPictureHeight);
  Placer st(s, r, kPlacement);
  constexpr Color kBalloons[] = {Rgb(230, 50, 60), Rgb(250, 200, 40),  Rgb(60, 120, 220),
                                 Rgb(60, 170, 90), Rgb(240, 120, 180), Rgb(245, 245, 240)};
  if (inside) {
    const float ringX = r.Range(170, W - 170), ringY = r.Range(310, 345), ringRx = r.Range(170, 230),
                ringRy = r.Range(50, 70);
    PaintBigTopInside(s, r, tent, ringX, ringY, ringRx, ringRy);
    s.tint = PickOf(r, {Color{1.04f, 0.98f, 0.92f}, Color{1, 1, 1}, Color{1.02f, 0.96f, 1.04f}});
    s.vignette = 0.42f;
    auto onRing = [&](float& x, float& y, float inset) {
      const float a = r.Range(0, 6.283f), d = std::sqrt(r.Uniform()) * inset;
      x = ringX + std::cos(a) * ringRx * d, y = ringY + std::sin(a) * ringRy * d;
    };
    float x, y;
    for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
      onRing(x, y, 0.8f);
      st.Place(st.Make(Kind::Podium, x, y, r.Range(14, 18), PickOf(r, kBright), tent.b), 70);
    }
    if (r.Chance(0.7f)) {
      onRing(x, y, 0.5f);
      st.Place(st.Make(Kind::Elephant, x, y, r.Range(13, 16), Rgb(150, 150, 158), tent.a));
    }
    for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
      onRing(x, y, 0.85f);
      st.Place(st.Make(Kind::Hoop, x, y, r.Range(12, 15), PickOf(r, kBright), PickOf(r, kBright)), 90);
    }
    for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
      onRing(x, y, 0.9f);
      st.Place(st.Make(Kind::BeachBall, x, y, r.Range(11, 14), PickOf(r, kBright), PickOf(r, kBright)), 40);
    }
    // Props stacked at the ring's edge, more or fewer from show to show.
    for (int i = 0, n = r.Int(1, 5); i < n; ++i) {
      const float by = r.Range(ringY - ringRy + 10, H - 10),
                  bx = r.Chance(0.5f) ? r.Range(30, 70) : r.Range(W - 70, W - 20);
      st.Place(st.Make(i % 2 ? Kind::Barrel : Kind::Crate, bx, by, r.Range(12, 15), PickOf(r, kWoods)), 40);
    }
    for (int i = 0, n = r.Int(2, 4); i < n; ++i)
      st.Sky(st.Make(Kind::Pennant, r.Range(12, W - 100), r.Range(15, 90), r.Range(11, 13), tent.a, PickOf(r, kBright)),
             60);
    for (int i = 0, n = r.Int(3, 6); i < n; ++i)
      st.Sky(st.Make(Kind::Balloon, r.Range(30, W - 30), r.Range(60, 200), r.Range(11, 14), PickOf(r, kBalloons)), 45);
    onRing(x, y, 0.8f);
    st.Spare(st.Make(Kind::BeachBall, x, y, 12, Rgb(250, 200, 40), Rgb(60, 120, 220)));
    onRing(x, y, 0.8f);
    st.Spare(st.Make(Kind::Podium, x, y, 15, PickOf(r, kBright), tent.b));
    st.Spare(st.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, 200), 12, PickOf(r, kBalloons)), true);
  } else {
    const float groundY = r.Range(225, 285);
    const Weather weather = PickWeather(r, groundY, true);
    s.tint = weather.tint;
    PaintWeatherSky(s.background, groundY, weather, r);
    PaintRidge(s.background, {groundY - 10,
                              r.Range(6, 20),
                              130,
                              Mix(Rgb(90, 130, 80), weather.sky.horizon, 0.5f),
                              Mix(Rgb(80, 120, 70), weather.sky.horizon, 0.4f),
                              0.1f,
                              0.03f,
                              Seed32(r),
                              0,
                              {}});
    PaintGrass(s.background, groundY, Rgb(120, 160, 75), Rgb(80, 130, 50), 0, Seed32(r));
    // The big top behind everything.
    const float bigX = r.Range(130, W - 130), bigW = r.Range(130, 175), wallH = r.Range(50, 70),
                peak = r.Range(90, 130);
    const float base = groundY + 22;
    auto stripes = [&](float px, float py) {
      const float a = std::atan2(py - (base - wallH - peak), px - bigX);
      const bool band = static_cast<int>(std::floor(a / 3.14159f * 26 + 100)) % 2 == 0;
      const float side = 1 - 0.35f * Clamp01((px - bigX + bigW) / (2 * bigW));
      return (band ? tent.a : tent.b) * side;
    };
    FillBox(s.background, bigX - bigW, base - wallH, bigX + bigW, base, stripes);
    FillPoly(s.background,
             {{bigX - bigW - 14, base - wallH + 4}, {bigX, base - wallH - peak}, {bigX + bigW + 14, base - wallH + 4}},
             stripes);
    FillPoly(s.background, {{bigX - 22, base}, {bigX + 22, base}, {bigX + 14, base - 45}, {bigX - 14, base - 45}},
             Flat{Rgb(40, 22, 22)});
    FillLine(s.background, bigX, base - wallH - peak, bigX, base - wallH - peak - 25, 2.5f, Rgb(60, 50, 40));
    FillPoly(
        s.background,
        {{bigX, base - wallH - peak - 25}, {bigX + 22, base - wallH - peak - 19}, {bigX, base - wallH - peak - 13}},
        Flat{tent.a});
    for (int i = 0, n = r.Int(2, 4); i < n; ++i)
      st.Sky(st.Make(Kind::Cloud, (i + r.Range(0.2f, 0.8f)) * W / n, r.Range(25, std::max(40.0f, groundY - 150)),
                     r.Range(10, 15), weather.time == Daytime::Night ? Rgb(80, 85, 110) : Rgb(250, 250, 248), {}, 3));
    const float y0 = groundY + 30, y1 = H - 8;
    auto size = [&](float y, float near) { return Perspective(y, groundY - 60, near); };
    for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
      const float y = r.Range(y0, y0 + 50);
      const float x = r.Chance(0.5f) ? r.Range(40, bigX - bigW) : r.Range(bigX + bigW, W - 40);
      const TentColours other = PickOf(r, kTents);
      st.Place(st.Make(Kind::CircusTent, x, y, size(y, 14), other.a, other.b), 90);
    }
    for (int i = 0, n = r.Int(2, 3); i < n; ++i)
      st.Sky(st.Make(Kind::Pennant, r.Range(12, W - 100), r.Range(groundY - 150, groundY - 40), r.Range(11, 13),
                     PickOf(r, kBright), PickOf(r, kBright)),
             60);
    for (int i = 0, n = r.Int(2, 5); i < n; ++i)
      st.Sky(st.Make(Kind::Balloon, r.Range(30, W - 30), r.Range(groundY - 100, groundY + 60), r.Range(11, 14),
                     PickOf(r, kBalloons)),
             40);
    if (r.Chance(0.6f)) {
      const float y = r.Range(y0 + 30, y1);
      st.Place(st.Make(Kind::Elephant, r.Range(60, W - 60), y, size(y, 17), Rgb(150, 150, 158), tent.a));
    }
    for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
      const float y = r.Range(y0 + 20, y1);
      st.Place(st.Make(Kind::Podium, r.Range(30, W - 30), y, size(y, 16), PickOf(r, kBright), tent.b), 70);
    }
    for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
      const float y = r.Range(y0, y1);
      st.Place(st.Make(Kind::BeachBall, r.Range(20, W - 20), y, size(y, 14), PickOf(r, kBright), PickOf(r, kBright)),
               50);
    }
    for (int i = 0, n = r.Int(1, 2); i < n; ++i)
      st.Place(st.Make(Kind::StreetLamp, r.Range(30, W - 30), r.Range(y0, y0 + 60), 14, Rgb(50, 50, 60)), 120);
    for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
      const float y = r.Range(y0, y1);
      st.Place(st.Make(i % 2 ? Kind::Barrel : Kind::Crate, r.Range(20, W - 20), y, size(y, 15), PickOf(r, kWoods)), 50);
    }
    for (int i = 0, n = r.Int(4, 9); i < n; ++i) {
      const float y = r.Range(H - 60, H - 3);
      st.Place(st.Make(Kind::Flower, r.Range(10, W - 10), y, r.Range(5, 7), PickOf(r, kBalloons)), 25);
    }
    st.Spare(st.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(groundY - 100, groundY), 12, PickOf(r, kBalloons)),
             true);
    st.Spare(
        st.Make(Kind::BeachBall, r.Range(40, W - 40), r.Range(y0 + 20, y1), 13, Rgb(250, 200, 40), Rgb(60, 120, 220)));
    st.Spare(st.Make(Kind::Crate, r.Range(40, W - 40), r.Range(y0 + 20, y1), 14, PickOf(r, kWoods)));
  }
  st.Done();
  return s;
}

// ================================================================= bedroom

// A window in the wall with the sky of the hour outside and curtains.
void PaintRoomWindow(Image& img, float cx, float top, float w, float h, const Weather& weather, Color curtain, Rng& r) {
  FillBox(img, cx - w / 2 - 8, top - 8, cx + w / 2 + 8, top + h + 10, Flat{Rgb(240, 236, 226)}, 1, 0, 3);
  const float x0 = cx - w / 2, x1 = cx + w / 2;
  const std::uint32_t seed = Seed32(r);
  FillBox(img, x0, top, x1, top + h, [&](float px, float py) {
    Color c = Mix(weather.sky.top, weather.sky.horizon, Clamp01((py - top) / h));
    const float hill = top + h * 0.72f - Fbm(px * 0.02f, 1, seed, 3) * h * 0.25f;
    if (py > hill)
      c = Mix(weather.time == Daytime::Night ? Rgb(20, 30, 35) : Rgb(80, 120, 70), weather.sky.horizon, 0.3f);
    if (weather.time == Daytime::Night && Hash2(static_cast<int>(px), static_cast<int>(py), seed) < 0.01f)
      c = Rgb(240, 240, 230);
    return c;
  });
  if (weather.time == Daytime::Night) FillEllipse(img, x0 + w * 0.7f, top + h * 0.25f, 8, 8, Flat{Rgb(250, 248, 225)});
  FillLine(img, cx, top, cx, top + h, 5, Rgb(240, 236, 226));
  FillLine(img, x0, top + h * 0.45f, x1, top + h * 0.45f, 5, Rgb(240, 236, 226));
  for (float side : {-1.0f, 1.0f}) {
    const float a = cx + side * (w / 2 + 14), b = cx + side * (w / 2 - 18);
    FillPoly(img,
             {{a, top - 16},
              {b, top - 16},
              {b + side * 10, top + h * 0.5f},
              {b - side * 4, top + h + 20},
              {a, top + h + 20}},
             [&](float px, float py) {
               return curtain * (0.8f + 0.2f * std::sin(px * 0.45f)) *
                      (0.95f + 0.1f * ValueNoise(px * 0.2f, py * 0.05f, 3));
             });
  }
  FillBox(img, cx - w / 2 - 30, top - 22, cx + w / 2 + 30, top - 16, Flat{Rgb(110, 80, 50)}, 1, 0, 2);
}

Scene Bedroom(Rng& r) {
  Scene s;
  s.title = "Schlafzimmer";
  const float floorY = r.Range(265, 315);
  const Weather weather = PickWeather(r, 100, true);
  s.background = Image(kPictureWidth, kPictureHeight);
  const Color wall = PickOf(r, {Rgb(232, 200, 160), Rgb(190, 210, 225), Rgb(230, 200, 210), Rgb(210, 225, 190),
                                Rgb(245, 235, 215), Rgb(200, 190, 220)});
  PaintWallpaper(s.background, 0, floorY, wall, Darker(wall, 0.15f), r.Int(0, 1), Seed32(r));
  const bool carpet = r.Chance(0.4f);
  if (carpet)
    FillBox(s.background, 0, floorY, W, H,
            Mottled{PickOf(r, {Rgb(120, 140, 170), Rgb(170, 120, 110), Rgb(150, 150, 120)}), 0.3f, 0.12f, Seed32(r)});
  else
    PaintFloorboards(s.background, floorY, H, PickOf(r, kWoods), Seed32(r));
  FillBox(s.background, 0, floorY - 8, W, floorY + 1,
          VerticalGradient{Rgb(250, 245, 235), Rgb(190, 185, 175), floorY - 8, floorY + 1});
  FillBox(s.background, 0, floorY, W, floorY + 8, Flat{{0, 0, 0}}, 0.3f, 5);
  // Seen from a corner in some rooms: one wall runs off to the side, in shade.
  const int corner = r.Int(0, 2);  // none, left, right
  const float cornerW = r.Range(70, 120);
  if (corner > 0) {
    const float xa = corner == 1 ? 0 : W, xb = corner == 1 ? cornerW : W - cornerW, drop = cornerW * 0.6f;
    FillPoly(s.background, {{xa, floorY - 10}, {xb, floorY - 10}, {xb, floorY}, {xa, floorY + drop}}, Flat{wall});
    FillPoly(s.background, {{xa, -10}, {xb, 0}, {xb, floorY}, {xa, floorY + drop}}, Flat{Darker(wall, 0.55f)}, 0.3f);
    FillLine(s.background, xb, 0, xb, floorY, 2, Darker(wall, 0.3f), 0.6f);
    FillPoly(s.background, {{xa, floorY + drop - 9}, {xb, floorY - 8}, {xb, floorY + 1}, {xa, floorY + drop + 1}},
             Flat{Rgb(225, 220, 210)});
  }
  const bool bedLeft = r.Chance(0.5f);
  const float bedSize = r.Range(15, 18), bedX = bedLeft ? r.Range(100, 150) : r.Range(W - 150, W - 100),
              bedY = floorY + r.Range(60, 85);
  const float windowX = bedLeft ? r.Range(260, 370) : r.Range(110, 220);
  const float windowW = r.Range(90, 130), windowTop = r.Range(40, 70),
              windowH = std::min(floorY - windowTop - 90, r.Range(100, 150));
  PaintRoomWindow(s.background, windowX, windowTop, windowW, windowH, weather, PickOf(r, kBright), r);
  // A rug in front of the bed.
  const float rugX = bedLeft ? bedX + r.Range(80, 150) : bedX - r.Range(80, 150), rugY = r.Range(bedY + 30, H - 40);
  const Color rug = PickOf(r, kSoft);
  if (r.Chance(0.5f)) {
    FillEllipse(s.background, rugX, rugY, 120, 34, Flat{Darker(rug, 0.3f)});
    FillEllipse(s.background, rugX, rugY, 108, 28, Mottled{rug, 0.1f, 0.15f, 9});
  } else {
    FillPoly(s.background,
             {{rugX - 100, rugY - 28}, {rugX + 100, rugY - 28}, {rugX + 125, rugY + 30}, {rugX - 125, rugY + 30}},
             [&](float, float py) {
               const bool stripe = static_cast<int>(std::floor((py - rugY) / 9 + 10)) % 2;
               return stripe ? rug : Lighter(rug, 0.35f);
             });
  }
  const bool night = weather.time == Daytime::Night;
  s.tint =
      night ? Color{0.9f, 0.9f, 1.0f} : (weather.time == Daytime::Evening ? Color{1.05f, 0.97f, 0.9f} : Color{1, 1, 1});
  s.vignette = night ? 0.4f : 0.25f;

  Placer st(s, r, kPlacement);
  Item bed = st.Make(Kind::Bed, bedX, bedY, bedSize, PickOf(r, kBright), PickOf(r, kWoods));
  bed.mirrored = false;
  st.Fixed(bed);
  Item teddy = st.Make(Kind::TeddyBear, bedX + r.Range(-2.5f, 2.5f) * bedSize, bedY - 2.3f * bedSize, bedSize * 0.9f,
                       PickOf(r, {Rgb(170, 120, 70), Rgb(220, 190, 140), Rgb(120, 80, 50), Rgb(240, 235, 225)}),
                       PickOf(r, kBright));
  teddy.depth = bedY + 1;
  st.Place(teddy);
  const float dresserX = bedLeft ? r.Range(W - 110, W - 60) : r.Range(60, 110), dresserY = floorY + r.Range(12, 25);
  Item dresser = st.Make(Kind::Dresser, dresserX, dresserY, r.Range(15, 18), PickOf(r, kWoods));
  st.Place(dresser);
  const float dresserTop = dresserY - (dresser.variant % 2 ? 4.3f : 3.5f) * dresser.size;
  Item lamp = st.Make(Kind::Lamp, dresserX - r.Range(0.5f, 1.3f) * dresser.size, dresserTop, 12, PickOf(r, kSoft));
  lamp.depth = dresserY + 1;
  st.Place(lamp);
  Item onTop = r.Chance(0.5f) ? st.Make(Kind::BookStack, dresserX + dresser.size * 1.1f, dresserTop, 11,
                                        PickOf(r, kBright), PickOf(r, kBright))
                              : st.Make(Kind::Vase, dresserX + dresser.size * 1.1f, dresserTop, 11, PickOf(r, kBright),
                                        PickOf(r, kBright));
  onTop.depth = dresserY + 1;
  st.Place(onTop);
  for (int i = 0, n = r.Int(1, 2); i < n; ++i)
    st.Place(
        st.Make(Kind::PictureFrame, bedLeft ? r.Range(40, 180) : r.Range(W - 180, W - 40), r.Range(90, floorY - 150),
                r.Range(9, 12), PickOf(r, {Rgb(170, 130, 60), Rgb(60, 50, 45), Rgb(230, 225, 215)}), PickOf(r, kSoft)),
        70);
  if (r.Chance(0.7f))
    st.Place(st.Make(Kind::Clock, windowX + (bedLeft ? 1 : -1) * (windowW / 2 + 60), windowTop + 20, 12,
                     PickOf(r, kWoods), {}, 3));
  constexpr Color kToys[] = {Rgb(220, 50, 50), Rgb(40, 100, 200), Rgb(245, 200, 40), Rgb(60, 160, 80),
                             Rgb(240, 130, 40)};
  {
    // A shelf on the wall above the bed, with a few small things on it.
    const float shelfY = std::max(windowTop + 30, bedY - 9.0f * bedSize),
                shelfX = bedX + r.Range(-1.5f, 1.5f) * bedSize;
    FillBox(s.background, shelfX - 75, shelfY, shelfX + 75, shelfY + 7,
            VerticalGradient{Lighter(PickOf(r, kWoods), 0.2f), Rgb(90, 60, 35), shelfY, shelfY + 7});
    FillBox(s.background, shelfX - 75, shelfY + 7, shelfX + 75, shelfY + 12, Flat{{0, 0, 0}}, 0.25f, 4);
    const Kind onShelf[] = {Kind::BookStack, Kind::ToyBlock, Kind::Vase, Kind::Cup, Kind::Candle, Kind::Hourglass};
    for (float x = shelfX - 55; x < shelfX + 60; x += r.Range(32, 42)) {
      const Kind k = PickOf(r, onShelf);
      st.Place(st.Make(k, x, shelfY, k == Kind::ToyBlock ? 11 : 10,
                       k == Kind::Hourglass ? PickOf(r, kWoods) : PickOf(r, kToys), PickOf(r, kToys)));
    }
  }
  for (int i = 0, n = r.Int(4, 7); i < n; ++i) {
    const float y = r.Range(bedY + 15, H - 8);
    st.Place(st.Make(Kind::ToyBlock, rugX + r.Range(-150, 150), y, r.Range(13, 16), PickOf(r, kToys), PickOf(r, kToys)),
             32);
  }
  if (r.Chance(0.6f)) {
    const float y = r.Range(bedY + 20, H - 10);
    st.Place(st.Make(Kind::BeachBall, r.Range(30, W - 30), y, r.Range(13, 16), PickOf(r, kToys), PickOf(r, kToys)));
  }
  if (r.Chance(0.6f))
    st.Place(st.Make(Kind::Cat, rugX + r.Range(-60, 60), rugY + r.Range(-10, 15), 14,
                     PickOf(r, {Rgb(60, 55, 55), Rgb(210, 130, 60), Rgb(140, 135, 130)}), Rgb(90, 170, 60)));
  if (r.Chance(0.5f)) {
    const float y = r.Range(floorY + 40, H - 10);
    st.Place(st.Make(Kind::Chair, bedLeft ? r.Range(W - 60, W - 20) : r.Range(20, 60), y, 15, PickOf(r, kWoods)));
  }
  if (r.Chance(0.6f))
    st.Place(st.Make(Kind::FlowerPot, bedLeft ? r.Range(W - 50, W - 20) : r.Range(20, 50), floorY + r.Range(20, 40), 16,
                     Rgb(180, 95, 60), PickOf(r, kBright)));
  if (r.Chance(0.5f))
    st.Sky(st.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, floorY - 80), 12, PickOf(r, kToys)));
  st.Spare(st.Make(Kind::ToyBlock, rugX + r.Range(-120, 120), r.Range(bedY + 20, H - 10), 14, PickOf(r, kToys),
                   PickOf(r, kToys)));
  st.Spare(st.Make(Kind::BookStack, r.Range(40, W - 40), r.Range(bedY + 20, H - 10), 12, PickOf(r, kBright),
                   PickOf(r, kBright)));
  st.Spare(st.Make(Kind::Cup, r.Range(40, W - 40), r.Range(bedY + 20, H - 10), 11, PickOf(r, kBright)));
  st.Spare(st.Make(Kind::Balloon, r.Range(40, W - 40), r.Range(60, floorY - 80), 12, PickOf(r, kToys)), true);
  st.Done();
  return s;
}

// ================================================================= library

// Shelves full of books, painted into the wall: every spine its own colour,
// height and lean, the shelf boards shading the tops.
void PaintBookWall(Image& img, float x0, float x1, float y0, float y1, float shelfH, Color wood, std::uint32_t seed) {
  FillBox(img, x0 - 6, y0 - 10, x1 + 6, y1, VerticalGradient{Lighter(wood, 0.1f), Darker(wood, 0.2f), y0 - 10, y1});
  FillBox(img, x0, y0, x1, y1, Flat{Darker(wood, 0.6f)});
  constexpr Color kSpines[] = {Rgb(130, 35, 35), Rgb(35, 60, 110), Rgb(45, 95, 60),  Rgb(170, 130, 50),
                               Rgb(90, 50, 90),  Rgb(50, 50, 50),  Rgb(150, 80, 40), Rgb(200, 190, 160)};
  Rng r(seed);
  for (float shelf = y0; shelf + shelfH <= y1 + 1; shelf += shelfH) {
    const float floor = shelf + shelfH - 7;
    for (float x = x0 + 3; x < x1 - 6;) {
      const float w = r.Range(5, 11), h = shelfH * r.Range(0.6f, 0.85f);
      if (r.Chance(0.06f)) {
        x += r.Range(8, 20);
        continue;
      }
      const Color c = kSpines[r.Int(0, 7)] * r.Range(0.8f, 1.15f);
      const float xe = std::min(x + w, x1 - 3);
      FillBox(img, x, floor - h, xe, floor, CylinderShade{c, (x + xe) / 2, (xe - x) / 2, 0.15f});
      if (r.Chance(0.6f)) FillBox(img, x, floor - h * 0.8f, xe, floor - h * 0.75f, Flat{Rgb(220, 190, 100)}, 0.8f);
      x = xe + 0.5f;
    }
    FillBox(img, x0 - 6, floor, x1 + 6, floor + 7,
            VerticalGradient{Lighter(wood, 0.2f), Darker(wood, 0.3f), floor, floor + 7});
    FillBox(img, x0, floor + 7, x1, floor + 13, Flat{{0, 0, 0}}, 0.3f, 4);
  }
  for (float x : {x0 - 6, x1}) FillBox(img, x, y0 - 10, x + 6, y1, CylinderShade{wood, x + 3, 3, 0.2f});
}

Scene Library(Rng& r) {
  Scene s;
  s.title = "Bibliothek";
  const float floorY = r.Range(280, 330);
  const bool night = r.Chance(0.35f);
  s.background = Image(kPictureWidth, kPictureHeight);
  const Color wood = PickOf(r, {Rgb(120, 75, 45), Rgb(90, 55, 35), Rgb(160, 115, 70), Rgb(70, 50, 40)});
  const Color wall = PickOf(r, {Rgb(150, 60, 55), Rgb(60, 90, 80), Rgb(200, 180, 140), Rgb(70, 80, 110)});
  PaintWallpaper(s.background, 0, floorY, wall, Darker(wall, 0.2f), r.Int(0, 1), Seed32(r));
  // Floor: marble tiles on the diagonal, parquet or a patterned carpet.
  const int floorKind = r.Int(0, 2);
  if (floorKind == 0) {
    const Color a = PickOf(r, {Rgb(225, 220, 210), Rgb(200, 190, 170)}),
                b = PickOf(r, {Rgb(60, 55, 55), Rgb(120, 60, 50)});
    ForRows(s.background, floorY, H, [&](int x, int y, Color& px) {
      const float t = (y - floorY) / (H - floorY);
      // Squares in perspective: narrower and shallower towards the back.
      const float u = (x - W / 2) / (0.4f + t) / 40, v = std::sqrt(t) * 6;
      const bool dark = (static_cast<int>(std::floor(u + 100)) + static_cast<int>(std::floor(v))) % 2;
      px = (dark ? b : a) * (0.75f + 0.3f * t) * (0.95f + 0.1f * ValueNoise(x * 0.1f, y * 0.1f, 4));
    });
  } else if (floorKind == 1) {
    PaintFloorboards(s.background, floorY, H, Lighter(wood, 0.15f), Seed32(r));
  } else {
    const Color carpet = PickOf(r, {Rgb(130, 40, 40), Rgb(40, 60, 100), Rgb(50, 90, 60)});
    ForRows(s.background, floorY, H, [&](int x, int y, Color& px) {
      const float t = (y - floorY) / (H - floorY);
      const float u = (x - W / 2) / (0.5f + t), v = (y - floorY) / (0.3f + t * 0.7f);
      const float motif = std::sin(u * 0.15f) * std::sin(v * 0.15f);
      px = Mix(carpet, Rgb(220, 180, 90), SmoothStep(0.6f, 0.8f, motif) * 0.6f) * (0.7f + 0.35f * t);
    });
  }
  FillBox(s.background, 0, floorY - 10, W, floorY + 1,
          VerticalGradient{Lighter(wood, 0.2f), Darker(wood, 0.3f), floorY - 10, floorY + 1});
  FillBox(s.background, 0, floorY, W, floorY + 8, Flat{{0, 0, 0}}, 0.35f, 5);
  // Bookcases and tall windows between them, in one of several rhythms.
  const int bays = r.Int(2, 4);
  const float bayW = W / bays;
  const int windowBay = r.Int(-1, bays - 1);
  const float caseTop = r.Range(10, 60), shelfH = r.Range(38, 48);
  const bool gallery = r.Chance(0.35f);
  std::vector<float> itemShelves;  // shelf floors where loose books stand as objects
  for (int b = 0; b < bays; ++b) {
    const float x0 = b * bayW + 10, x1 = (b + 1) * bayW - 10;
    if (b == windowBay) {
      const float cx = (x0 + x1) / 2, ww = std::min(60.0f, (x1 - x0) * 0.35f), top = caseTop + 20, bottom = floorY - 60;
      FillBox(s.background, cx - ww - 8, top - 8, cx + ww + 8, bottom + 8, Flat{Darker(wood, 0.2f)}, 1, 0, ww + 8);
      FillBox(s.background, cx - ww, top, cx + ww, bottom,
              VerticalGradient{night ? Rgb(15, 20, 45) : Rgb(150, 190, 230),
                               night ? Rgb(40, 50, 90) : Rgb(230, 235, 240), top, bottom},
              1, 0, ww);
      for (float k : {-0.5f, 0.0f, 0.5f})
        FillLine(s.background, cx + k * ww * 2 * 0.5f, top + ww * 0.5f, cx + k * ww * 2 * 0.5f, bottom, 2.5f,
                 Darker(wood, 0.2f));
      for (float v = top + ww; v < bottom; v += 30)
        FillLine(s.background, cx - ww, v, cx + ww, v, 2, Darker(wood, 0.2f));
      if (!night)
        LightShaft(s.background, cx, top + 40, cx + r.Range(60, 140), floorY + 60, ww * 0.8f, ww * 1.6f,
                   Rgb(255, 245, 210), 0.12f);
      continue;
    }
    PaintBookWall(s.background, x0, x1, caseTop, floorY - 8, shelfH, wood, Seed32(r));
  }
  if (gallery) {
    const float gy = caseTop + shelfH * 2 + 4;
    FillBox(s.background, 0, gy, W, gy + 12, VerticalGradient{Lighter(wood, 0.2f), Darker(wood, 0.3f), gy, gy + 12});
    for (float x = 6; x < W; x += 14) FillBox(s.background, x - 2, gy - 24, x + 2, gy, CylinderShade{wood, x, 2});
    FillBox(s.background, 0, gy - 28, W, gy - 22, Flat{Darker(wood, 0.1f)});
  }
  s.tint = night ? Color{1.02f, 0.93f, 0.82f} : Color{1.02f, 1.0f, 0.96f};
  s.vignette = night ? 0.5f : 0.3f;

  Placer st(s, r, kPlacement);
  // A free stretch of one shelf holds loose books that can change.
  for (int b = 0; b < bays; ++b) {
    if (b == windowBay || (b > 0 && !r.Chance(0.7f))) continue;
    // Never behind the gallery's railing.
    const float floor = caseTop + shelfH * (gallery ? (r.Chance(0.5f) ? 1 : 4) : r.Int(1, 3)) - 7;
    if (floor > floorY - 60) continue;
    const float x0 = b * bayW + r.Range(20, 40);
    FillBox(s.background, x0 - 3, floor - shelfH + 8, x0 + 70, floor, Flat{Darker(wood, 0.6f)});
    for (float x = x0; x < x0 + 62; x += 8.5f)
      if (!r.Chance(0.15f))
        st.Place(st.Make(
            Kind::Book, x, floor, 12,
            PickOf(r, {Rgb(150, 40, 40), Rgb(40, 70, 130), Rgb(50, 110, 70), Rgb(200, 160, 60), Rgb(110, 60, 110)}),
            Rgb(230, 200, 120)));
  }
  // A reading desk with its lamp, or an open floor.
  const bool desk = r.Chance(0.65f);
  const float deskX = r.Range(140, W - 140), deskTop = floorY + r.Range(25, 45);
  if (desk) {
    for (float lx : {deskX - 80, deskX + 72})
      FillBox(s.background, lx, deskTop, lx + 8, deskTop + 60, CylinderShade{Darker(wood, 0.2f), lx + 4, 4});
    FillBox(s.background, deskX - 95, deskTop - 10, deskX + 95, deskTop + 6,
            VerticalGradient{Lighter(wood, 0.2f), Darker(wood, 0.3f), deskTop - 10, deskTop + 6}, 1, 0, 3);
    FillBox(s.background, deskX - 60, deskTop - 12, deskX + 20, deskTop - 9, Flat{Rgb(40, 90, 60)}, 0.9f);
    Item lamp = st.Make(Kind::Lamp, deskX - 60, deskTop - 8, 13,
                        PickOf(r, {Rgb(40, 110, 60), Rgb(190, 150, 60), Rgb(150, 40, 40)}));
    st.Place(lamp);
    const Kind onDesk[] = {Kind::BookStack, Kind::Hourglass, Kind::Candle, Kind::Cup, Kind::StandGlobe};
    float x = deskX - 25;
    for (int i = 0, n = r.Int(2, 3); i < n && x < deskX + 90; ++i) {
      const Kind k = PickOf(r, onDesk);
      Item it = st.Make(k, x, deskTop - 8, k == Kind::StandGlobe ? 11 : 12, PickOf(r, kBright), PickOf(r, kBright));
      if (k == Kind::StandGlobe) it.variant = 1, it.color = PickOf(r, {Rgb(60, 110, 170), Rgb(170, 150, 100)});
      if (k == Kind::Hourglass) it.color = PickOf(r, kWoods);
      st.Place(it);
      x += r.Range(32, 42);
    }
  }
  const float y0 = floorY + 30, y1 = H - 8;
  auto size = [&](float y, float near) { return Perspective(y, floorY - 150, near); };
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(desk ? deskTop + 60 : y0, y1);
    st.Place(st.Make(Kind::Armchair, r.Range(40, W - 40), y, size(y, 18),
                     PickOf(r, {Rgb(140, 40, 40), Rgb(40, 80, 60), Rgb(150, 110, 60), Rgb(60, 70, 120)})),
             130);
  }
  if (r.Chance(0.8f)) {
    const float y = r.Range(y0, y1);
    Item globe = st.Make(Kind::StandGlobe, r.Range(30, W - 30), y, size(y, 17),
                         PickOf(r, {Rgb(60, 110, 170), Rgb(170, 150, 100), Rgb(60, 130, 120)}));
    globe.variant = 0;
    st.Place(globe, 80);
  }
  for (int i = 0, n = r.Int(3, 5); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::BookStack, r.Range(20, W - 20), y, size(y, 15), PickOf(r, kBright), PickOf(r, kBright)), 60);
  }
  if (r.Chance(0.6f)) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::Cat, r.Range(30, W - 30), y, size(y, 15),
                     PickOf(r, {Rgb(60, 55, 55), Rgb(210, 130, 60), Rgb(140, 135, 130)}), Rgb(90, 170, 60)));
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::FlowerPot, r.Range(20, W - 20), y, size(y, 17), Rgb(180, 95, 60), PickOf(r, kBright)), 60);
  }
  if (r.Chance(0.5f)) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::Chair, r.Range(30, W - 30), y, size(y, 16), wood));
  }
  if (r.Chance(0.5f))
    st.Place(st.Make(Kind::Clock, r.Range(60, W - 60), caseTop + r.Range(15, 30), 12, Darker(wood, 0.1f), {}, 3));
  st.Spare(st.Make(Kind::BookStack, r.Range(40, W - 40), r.Range(y0, y1), 14, PickOf(r, kBright), PickOf(r, kBright)));
  st.Spare(st.Make(Kind::Cup, r.Range(40, W - 40), r.Range(y0, y1), 12, PickOf(r, kBright)));
  st.Spare(st.Make(Kind::Hourglass, r.Range(40, W - 40), r.Range(y0, y1), 13, PickOf(r, kWoods)));
  st.Spare(st.Make(Kind::Cat, r.Range(40, W - 40), r.Range(y0 + 20, y1), 14, Rgb(60, 55, 55), Rgb(200, 200, 60)));
  st.Done();
  return s;
}

// ============================================================ garden party

Scene GardenParty(Rng& r) {
  Scene s;
  s.title = "Gartenfest";
  const float hedgeY = r.Range(120, 185);
  const Weather weather = PickWeather(r, hedgeY, true);
  const int season = r.Int(0, 2);  // early summer, high summer, autumn
  s.tint = weather.tint;
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintWeatherSky(s.background, hedgeY + 20, weather, r);
  const Color leaf = season == 2 ? PickOf(r, kAutumn) : PickOf(r, kLeafColours);
  // Tree crowns behind the hedge, then the hedge and the lawn.
  for (float x = r.Range(-40, 0); x < W + 40; x += r.Range(55, 95)) {
    const float rad = r.Range(30, 50), cy = hedgeY - rad * r.Range(0.6f, 1.2f);
    const Color tone = Mix(Vary(r, Darker(leaf, 0.15f), 0.12f), weather.sky.horizon, 0.3f);
    FillLine(s.background, x, hedgeY, x + r.Range(-5, 5), cy, rad * 0.2f,
             Mix(Rgb(80, 60, 45), weather.sky.horizon, 0.3f));
    for (int k = 0; k < 6; ++k) {
      const float a = k * 1.047f + r.Range(-0.3f, 0.3f), d = k == 0 ? 0 : rad * 0.55f;
      const float bx = x + std::cos(a) * d, by = cy + std::sin(a) * d * 0.7f, br = rad * r.Range(0.45f, 0.65f);
      FillEllipse(s.background, bx, by, br, br, SphereShade{tone, bx, by, br, 0.05f}, 1, 1.5f);
      FillEllipse(s.background, bx, by, br * 0.9f, br * 0.9f,
                  Mottled{Lighter(tone, 0.1f), 0.12f, 0.35f, static_cast<std::uint32_t>(k + 3)}, 0.4f, 1.5f);
    }
  }
  PaintRidge(s.background, {hedgeY, 7, 30, Darker(leaf, 0.35f), Darker(leaf, 0.5f), 0.35f, 0.09f, Seed32(r)});
  const float lawnY = hedgeY + r.Range(28, 40);
  const Color grass = season == 2 ? Rgb(125, 150, 70) : (season == 1 ? Rgb(130, 160, 70) : Rgb(100, 160, 65));
  PaintGrass(s.background, lawnY, grass, Darker(grass, 0.2f), r.Chance(0.5f) ? r.Range(14, 22) : 0, Seed32(r));
  // A house wall with a door at one side, in some gardens.
  const int houseSide = r.Int(0, 2);
  if (houseSide > 0) {
    const float hw = r.Range(70, 110), x0 = houseSide == 1 ? -5 : W - hw, x1 = x0 + hw + 5;
    const Color facade = PickOf(r, {Rgb(232, 200, 160), Rgb(240, 225, 190), Rgb(200, 150, 120)});
    FillBox(s.background, x0, 20, x1, lawnY + 40, Mottled{facade, 0.08f, 0.08f, 5});
    const float dx = houseSide == 1 ? x1 - 55 : x0 + 15;
    FillBox(s.background, dx, lawnY - 45, dx + 40, lawnY + 40,
            VerticalGradient{Rgb(110, 60, 40), Rgb(70, 40, 28), lawnY - 45, lawnY + 40}, 1, 0, 2);
    FillBox(s.background, x0, lawnY + 36, x1, lawnY + 44, Flat{Rgb(150, 140, 130)});
  }
  // The long table under its cloth.
  const float tableY = r.Range(lawnY + 55, lawnY + 95), tableX0 = r.Range(40, 140),
              tableX1 = tableX0 + r.Range(220, 320);
  const Color cloth = PickOf(r, {Rgb(245, 243, 236), Rgb(220, 80, 80), Rgb(120, 170, 220), Rgb(245, 220, 120)});
  const int clothPattern = r.Int(0, 2);
  for (float lx : {tableX0 + 10, tableX1 - 16})
    FillBox(s.background, lx, tableY, lx + 6, tableY + 55, Flat{Rgb(90, 65, 45)});
  FillBox(s.background, tableX0 - 8, tableY + 40, tableX1 + 8, tableY + 58, Flat{{0, 0, 0}}, 0.25f, 8);
  FillPoly(s.background,
           {{tableX0 + 15, tableY - 30},
            {tableX1 - 15, tableY - 30},
            {tableX1, tableY},
            {tableX1 + 3, tableY + 30},
            {tableX0 - 3, tableY + 30},
            {tableX0, tableY}},
           [&](float px, float py) {
             Color c = cloth;
             if (clothPattern == 1 && (static_cast<int>(px / 12) + static_cast<int>(py / 12)) % 2)
               c = Mix(cloth, kWhiteCloth, 0.6f);
             if (clothPattern == 2 && static_cast<int>(px / 10) % 3 == 0) c = Mix(cloth, kWhiteCloth, 0.6f);
             return c * (py > tableY ? 0.82f + 0.08f * std::sin(px * 0.3f) : 0.95f + 0.05f * (py - tableY + 30) / 30);
           });
  s.vignette = weather.time == Daytime::Night ? 0.45f : 0.25f;

  Placer st(s, r, kPlacement);
  constexpr Color kParty[] = {Rgb(230, 50, 60), Rgb(250, 200, 40),  Rgb(60, 120, 220),
                              Rgb(60, 170, 90), Rgb(240, 120, 180), Rgb(245, 140, 40)};
  // Strings of flags or lanterns across the garden.
  const bool evening = weather.time == Daytime::Evening || weather.time == Daytime::Night;
  for (int i = 0, n = r.Int(1, 3); i < n; ++i)
    st.Sky(st.Make(Kind::Pennant, r.Range(-20, W - 110), r.Range(15, hedgeY - 30), r.Range(11, 14), PickOf(r, kParty),
                   PickOf(r, kParty)),
           60);
  for (int i = 0, n = evening ? r.Int(3, 5) : r.Int(0, 2); i < n; ++i)
    st.Sky(
        st.Make(Kind::PaperLantern, r.Range(30, W - 30), r.Range(15, hedgeY - 10), r.Range(11, 14), PickOf(r, kParty)),
        50);
  // On the table.
  const float top = tableY - 22;
  float x = tableX0 + r.Range(25, 40);
  const Kind onTable[] = {Kind::Cake, Kind::Teapot, Kind::Cup,    Kind::Plate,  Kind::Bottle,
                          Kind::Jug,  Kind::Apple,  Kind::Orange, Kind::Candle, Kind::Gift};
  bool cake = false;
  while (x < tableX1 - 25) {
    const Kind k = cake ? PickOf(r, onTable) : Kind::Cake;
    cake = true;
    const float y = top + r.Range(-4, 8);
    float size = 12;
    switch (k) {
      case Kind::Cake:
        size = r.Range(14, 17);
        break;
      case Kind::Bottle:
      case Kind::Jug:
        size = 10;
        break;
      case Kind::Plate:
        size = 9;
        break;
      case Kind::Apple:
      case Kind::Orange:
        size = 9;
        break;
      default:
        break;
    }
    Color c = PickOf(r, kParty);
    if (k == Kind::Cake) c = PickOf(r, {Rgb(250, 240, 245), Rgb(245, 170, 190), Rgb(150, 90, 60), Rgb(250, 230, 150)});
    if (k == Kind::Apple) c = Rgb(200, 35, 30);
    if (k == Kind::Orange) c = Rgb(240, 140, 30);
    st.Place(st.Make(k, x, y, size, c, PickOf(r, kParty)));
    x += r.Range(28, 45);
  }
  const float y1 = H - 6;
  auto size = [&](float y, float near) { return Perspective(y, hedgeY - 40, near); };
  for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
    const float y = r.Range(tableY + 35, y1);
    st.Place(st.Make(Kind::Chair, r.Range(30, W - 30), y, size(y, 14),
                     PickOf(r, {Rgb(240, 240, 235), Rgb(140, 95, 55), Rgb(60, 110, 80), Rgb(60, 90, 150)})),
             60);
  }
  if (r.Chance(0.6f) && !evening) {
    const float y = r.Range(tableY + 40, y1);
    st.Place(st.Make(Kind::Parasol, r.Chance(0.5f) ? r.Range(40, 120) : r.Range(W - 120, W - 40), y, size(y, 16),
                     PickOf(r, kParty)));
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float y = r.Range(tableY + 35, y1);
    st.Place(st.Make(Kind::Gift, r.Range(20, W - 20), y, size(y, 18), PickOf(r, kParty), PickOf(r, kParty)), 40);
  }
  for (int i = 0, n = r.Int(2, 4); i < n; ++i)
    st.Sky(st.Make(Kind::Balloon, r.Range(20, W - 20), r.Range(hedgeY - 60, lawnY + 80), r.Range(11, 14),
                   PickOf(r, kParty)),
           40);
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float y = r.Range(lawnY + 5, lawnY + 30);
    st.Place(st.Make(Kind::Bush, r.Range(20, W - 20), y, size(y, 16), Vary(r, leaf), PickOf(r, kParty)), 70);
  }
  for (int i = 0, n = r.Int(5, 10); i < n; ++i) {
    const float y = r.Range(tableY + 40, y1);
    st.Place(st.Make(Kind::Flower, r.Range(10, W - 10), y, size(y, 8), PickOf(r, kParty)), 25);
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(tableY + 40, y1);
    st.Place(st.Make(Kind::FlowerPot, r.Range(20, W - 20), y, size(y, 17), Rgb(185, 100, 60), PickOf(r, kParty)), 60);
  }
  if (r.Chance(0.7f)) {
    const float y = r.Range(tableY + 40, y1);
    st.Place(st.Make(Kind::BeachBall, r.Range(20, W - 20), y, size(y, 16), PickOf(r, kParty), PickOf(r, kParty)));
  }
  if (r.Chance(0.5f)) {
    const float y = r.Range(tableY + 40, y1);
    st.Place(st.Make(Kind::Cat, r.Range(30, W - 30), y, size(y, 17), PickOf(r, {Rgb(60, 55, 55), Rgb(210, 130, 60)}),
                     Rgb(90, 170, 60)));
  }
  {
    const bool left = r.Chance(0.5f);
    const float y = r.Range(H - 50, H - 20);
    st.Place(st.Make(Kind::Tree, left ? r.Range(5, 35) : r.Range(W - 35, W - 5), y, r.Range(16, 19), Vary(r, leaf),
                     Rgb(210, 50, 40), 3));
  }
  st.Spare(
      st.Make(Kind::Gift, r.Range(30, W - 30), r.Range(tableY + 40, y1), 13, PickOf(r, kParty), PickOf(r, kParty)));
  st.Spare(st.Make(Kind::Balloon, r.Range(30, W - 30), r.Range(hedgeY - 50, lawnY + 60), 12, PickOf(r, kParty)), true);
  st.Spare(st.Make(Kind::Cup, r.Range(tableX0 + 20, tableX1 - 20), top + 4, 12, PickOf(r, kParty)));
  st.Spare(st.Make(Kind::Flower, r.Range(20, W - 20), r.Range(tableY + 40, y1), 7, PickOf(r, kParty)));
  st.Done();
  return s;
}

// ========================================================== building site

Scene BuildingSite(Rng& r) {
  Scene s;
  s.title = "Baustelle";
  const float horizon = r.Range(170, 230);
  const Weather weather = PickWeather(r, horizon, false);
  s.tint = weather.tint;
  s.background = Image(kPictureWidth, kPictureHeight);
  PaintWeatherSky(s.background, horizon, weather, r);
  const Color hazy = Mix(Rgb(110, 115, 130), weather.sky.horizon, 0.5f);
  PaintSkyline(s.background, horizon, hazy, true, r);
  // The building going up: concrete floors and columns, scaffolding in front.
  const float bx0 = r.Range(-20, 200), bw = r.Range(160, 260), floors = static_cast<float>(r.Int(3, 6)),
              floorH = r.Range(24, 32);
  const float bTop = horizon + 10 - floors * floorH;
  const Color concrete = PickOf(r, {Rgb(185, 180, 170), Rgb(160, 160, 165), Rgb(200, 190, 170)});
  for (int f = 0; f < static_cast<int>(floors); ++f) {
    const float y = horizon + 10 - (f + 1) * floorH;
    FillBox(s.background, bx0, y, bx0 + bw, y + floorH, Flat{Darker(concrete, 0.55f)});
    for (float x = bx0; x <= bx0 + bw; x += bw / 4)
      FillBox(s.background, x - 4, y, x + 4, y + floorH, Mottled{concrete, 0.1f, 0.1f, 2});
    FillBox(s.background, bx0 - 6, y - 4, bx0 + bw + 6, y + 3, Mottled{Lighter(concrete, 0.1f), 0.1f, 0.1f, 3});
  }
  const Color scaffold = PickOf(r, {Rgb(200, 200, 205), Rgb(220, 170, 50), Rgb(80, 120, 200)});
  const float sx0 = bx0 + r.Range(-20, 40), sx1 = sx0 + r.Range(100, 180);
  for (float x = sx0; x <= sx1; x += 30) FillLine(s.background, x, bTop - 10, x, horizon + 12, 2.5f, scaffold);
  for (float y = horizon + 10; y > bTop - 10; y -= floorH) {
    FillLine(s.background, sx0, y, sx1, y, 2.5f, scaffold);
    FillBox(s.background, sx0, y - 3, sx1, y, Flat{Rgb(150, 110, 60)});
  }
  if (r.Chance(0.6f))
    FillBox(s.background, sx0 + 30, bTop + floorH, sx0 + 90, horizon + 10,
            Flat{PickOf(r, {Rgb(40, 140, 80), Rgb(60, 90, 160)})}, 0.55f);
  // Dug earth with tyre tracks, puddles after rain, and a site fence behind.
  const Color earth = PickOf(r, {Rgb(160, 120, 80), Rgb(140, 110, 85), Rgb(175, 145, 100)});
  const std::uint32_t earthSeed = Seed32(r);
  const bool wet = weather.time == Daytime::Overcast || r.Chance(0.3f);
  ForRows(s.background, horizon + 10, H, [&](int x, int y, Color& px) {
    const float t = (y - horizon) / (H - horizon);
    Color c = earth * (0.75f + 0.3f * t) * (0.85f + 0.3f * Fbm(x * 0.03f, y * 0.06f, earthSeed, 4));
    const float track = std::fmod(x + (y - horizon) * 0.8f + 1000.0f, 90.0f);
    if (track < 10 && std::fmod(y + 1000.0f, 6.0f) < 3) c = c * 0.82f;
    if (wet) {
      // Puddles mirror the sky, with a dark wet rim around them.
      const float pool = Fbm(x * 0.012f, y * 0.04f, earthSeed + 5, 3);
      c = c * (1 - 0.25f * SmoothStep(0.6f, 0.66f, pool));
      const Color sky =
          Mix(weather.sky.horizon, weather.sky.top, 0.3f + 0.4f * ValueNoise(x * 0.05f, y * 0.3f, earthSeed + 6));
      c = Mix(c, sky * 0.85f, SmoothStep(0.68f, 0.7f, pool) * 0.8f);
    }
    px = c;
  });
  const float fenceY = horizon + 14;
  for (float x = 0; x < W; x += 2) {
    const bool post = std::fmod(x, 70.0f) < 2;
    FillBox(s.background, x, fenceY - (post ? 42 : 38), x + (post ? 3 : 0.6f), fenceY,
            Flat{post ? Rgb(120, 120, 125) : Rgb(160, 160, 165)}, post ? 1.0f : 0.35f);
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float px = r.Range(40, W - 40), py = r.Range(horizon + 60, H - 30), pr = r.Range(40, 75);
    const Color heap = PickOf(r, {Rgb(220, 190, 130), Rgb(150, 145, 140)});
    FillPoly(s.background,
             {{px - pr, py}, {px - pr * 0.4f, py - pr * 0.55f}, {px + pr * 0.3f, py - pr * 0.6f}, {px + pr, py}},
             [&](float qx, float qy) {
               return heap * (0.8f + 0.25f * Clamp01((px - qx) / pr + 0.5f)) *
                      (0.9f + 0.15f * ValueNoise(qx * 0.3f, qy * 0.3f, 9));
             });
  }
  // A site hut and a pile of pipes along the fence.
  {
    const float hx = r.Range(20, W - 140), hw = r.Range(80, 110), hy = fenceY + r.Range(4, 14);
    const Color hut = PickOf(r, {Rgb(60, 110, 170), Rgb(200, 200, 195), Rgb(90, 140, 90), Rgb(210, 130, 50)});
    FillBox(s.background, hx, hy - 44, hx + hw, hy, [&](float px, float py) {
      return hut * (std::fmod(px - hx + 100, 8.0f) < 1.5f ? 0.8f : 1.0f) * (0.85f + 0.15f * (hy - py) / 44);
    });
    FillBox(s.background, hx + 12, hy - 32, hx + 40, hy - 16,
            VerticalGradient{Rgb(190, 210, 225), Rgb(90, 110, 130), hy - 32, hy - 16});
    FillBox(s.background, hx + hw - 30, hy - 36, hx + hw - 12, hy, Flat{Darker(hut, 0.35f)});
    FillBox(s.background, hx - 3, hy - 47, hx + hw + 3, hy - 42, Flat{Darker(hut, 0.2f)});
    FillBox(s.background, hx - 4, hy - 2, hx + hw + 8, hy + 5, Flat{{0, 0, 0}}, 0.3f, 4);
    const float px0 = hx + hw + r.Range(20, 60), py0 = fenceY + r.Range(15, 25);
    for (int row = 0; row < 3; ++row)
      for (int i = 0; i < 4 - row; ++i) {
        const float cx = px0 + i * 13 + row * 6.5f, cy = py0 - row * 11;
        if (cx > W - 8) continue;
        FillEllipse(s.background, cx, cy, 6.5f, 6.5f, SphereShade{Rgb(170, 170, 175), cx, cy, 6.5f, 0.3f});
        FillEllipse(s.background, cx, cy, 3.5f, 3.5f, Flat{Rgb(50, 50, 55)});
      }
  }
  s.vignette = 0.25f;

  Placer st(s, r, kPlacement);
  for (int i = 0, n = r.Int(2, 4); i < n; ++i)
    st.Sky(st.Make(Kind::Cloud, (i + r.Range(0.2f, 0.8f)) * W / n, r.Range(25, std::max(40.0f, horizon - 110)),
                   r.Range(10, 15), weather.time == Daytime::Overcast ? Rgb(200, 200, 205) : Rgb(250, 250, 248), {},
                   3));
  for (int i = 0, n = r.Int(1, 3); i < n; ++i)
    st.Sky(st.Make(Kind::Bird, r.Range(30, W - 30), r.Range(30, horizon - 60), r.Range(5, 7), Rgb(60, 60, 70)));
  if (r.Chance(0.75f)) {
    Item crane = st.Make(Kind::Crane, r.Range(60, W - 60), fenceY - 2, r.Range(8, 10),
                         PickOf(r, {Rgb(240, 190, 40), Rgb(220, 70, 50), Rgb(240, 240, 235)}));
    crane.depth = -500;
    st.Fixed(crane);
  }
  const float y0 = fenceY + 20, y1 = H - 6;
  auto size = [&](float y, float near) { return Perspective(y, horizon - 60, near); };
  constexpr Color kMachines[] = {Rgb(240, 190, 40), Rgb(230, 120, 30), Rgb(200, 60, 50), Rgb(60, 110, 180)};
  if (r.Chance(0.85f)) {
    const float y = r.Range(y0 + 20, y0 + 90);
    st.Place(st.Make(Kind::Excavator, r.Range(60, W - 120), y, size(y, 15), PickOf(r, kMachines)));
  }
  for (int i = 0, n = r.Int(5, 9); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::TrafficCone, r.Range(15, W - 15), y, size(y, 17),
                     PickOf(r, {Rgb(240, 110, 30), Rgb(230, 60, 40), Rgb(250, 200, 40)})),
             35);
  }
  for (int i = 0, n = r.Int(1, 3); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(
        st.Make(Kind::Barrier, r.Range(30, W - 30), y, size(y, 18), PickOf(r, {Rgb(220, 40, 40), Rgb(240, 130, 30)})),
        90);
  }
  for (int i = 0, n = r.Int(1, 2); i < n; ++i) {
    const float y = r.Range(y0 + 20, y1);
    st.Place(st.Make(Kind::Wheelbarrow, r.Range(30, W - 30), y, size(y, 18),
                     PickOf(r, {Rgb(60, 130, 80), Rgb(200, 60, 50), Rgb(70, 110, 180), Rgb(230, 180, 40)})),
             80);
  }
  for (int i = 0, n = r.Int(2, 3); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(Kind::BrickStack, r.Range(30, W - 30), y, size(y, 18),
                     PickOf(r, {Rgb(180, 80, 55), Rgb(200, 190, 170), Rgb(150, 60, 45)})),
             80);
  }
  for (int i = 0, n = r.Int(2, 4); i < n; ++i) {
    const float y = r.Range(y0, y1);
    st.Place(st.Make(i % 2 ? Kind::Crate : Kind::Barrel, r.Range(20, W - 20), y, size(y, 17),
                     PickOf(r, {Rgb(60, 100, 160), Rgb(200, 60, 50), Rgb(175, 135, 85)})),
             50);
  }
  if (r.Chance(0.5f))
    st.Place(st.Make(Kind::StreetLamp, r.Range(30, W - 30), r.Range(y0, y0 + 50), 14, Rgb(50, 52, 58)));
  st.Spare(st.Make(Kind::TrafficCone, r.Range(30, W - 30), r.Range(y0, y1), 13, Rgb(240, 110, 30)));
  st.Spare(st.Make(Kind::Barrel, r.Range(30, W - 30), r.Range(y0, y1), 13, Rgb(60, 100, 160)));
  st.Spare(st.Make(Kind::BrickStack, r.Range(30, W - 30), r.Range(y0, y1), 14, Rgb(180, 80, 55)));
  st.Spare(st.Make(Kind::Bird, r.Range(30, W - 30), r.Range(30, horizon - 60), 6, Rgb(60, 60, 70)), true);
  st.Done();
  return s;
}

}  // namespace

Scene BuildUnderwater(Rng& r) { return Underwater(r); }
Scene BuildSpaceStation(Rng& r) { return SpaceStation(r); }
Scene BuildRailwayStation(Rng& r) { return RailwayStation(r); }
Scene BuildCircus(Rng& r) { return Circus(r); }
Scene BuildBedroom(Rng& r) { return Bedroom(r); }
Scene BuildLibrary(Rng& r) { return Library(r); }
Scene BuildGardenParty(Rng& r) { return GardenParty(r); }
Scene BuildBuildingSite(Rng& r) { return BuildingSite(r); }

}  // namespace scenegen

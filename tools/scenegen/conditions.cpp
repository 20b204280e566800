#include "conditions.h"

namespace scenegen {

namespace {

constexpr float kWidth = kPictureWidth;

struct Palette {
  Color made[6];
  Color walls[4];
};

// Families of colour a place might be painted in. Each has light and dark
// members, so a recolour within a scene always finds one of another
// brightness.
constexpr Palette kPalettes[kPaletteCount] = {
    // The old fishing town: red, navy, ochre.
    {{Rgb(200, 60, 50), Rgb(40, 70, 130), Rgb(230, 190, 60), Rgb(60, 130, 90), Rgb(240, 240, 235), Rgb(130, 70, 120)},
     {Rgb(232, 200, 160), Rgb(210, 150, 120), Rgb(240, 225, 190), Rgb(170, 190, 200)}},
    // Pastels of a seaside resort.
    {{Rgb(240, 160, 170), Rgb(150, 200, 230), Rgb(250, 230, 150), Rgb(170, 220, 180), Rgb(90, 80, 140), Rgb(230, 140, 90)},
     {Rgb(250, 225, 225), Rgb(215, 235, 245), Rgb(250, 245, 210), Rgb(225, 245, 225)}},
    // Earth and wood of the countryside.
    {{Rgb(150, 90, 50), Rgb(110, 120, 60), Rgb(200, 160, 100), Rgb(90, 60, 40), Rgb(220, 205, 170), Rgb(170, 60, 40)},
     {Rgb(215, 190, 150), Rgb(190, 160, 120), Rgb(225, 210, 180), Rgb(180, 150, 110)}},
    // Bold primaries of a toy town.
    {{Rgb(220, 40, 40), Rgb(30, 90, 200), Rgb(250, 210, 30), Rgb(30, 160, 70), Rgb(250, 250, 250), Rgb(30, 30, 40)},
     {Rgb(245, 240, 230), Rgb(250, 220, 120), Rgb(200, 220, 240), Rgb(240, 190, 170)}},
    // Cool northern blues and greys.
    {{Rgb(60, 90, 120), Rgb(140, 170, 190), Rgb(200, 210, 215), Rgb(40, 50, 60), Rgb(180, 80, 60), Rgb(90, 140, 140)},
     {Rgb(200, 210, 215), Rgb(170, 185, 195), Rgb(225, 228, 230), Rgb(150, 160, 170)}},
    // Warm south: terracotta, olive, turquoise.
    {{Rgb(200, 100, 60), Rgb(120, 130, 60), Rgb(60, 160, 170), Rgb(240, 200, 120), Rgb(110, 50, 40), Rgb(245, 235, 215)},
     {Rgb(235, 205, 160), Rgb(220, 170, 120), Rgb(245, 230, 200), Rgb(200, 150, 110)}},
};

template <typename T>
T PickEnum(Rng& r, std::initializer_list<std::pair<T, int>> weighted) {
  int total = 0;
  for (const auto& [value, weight] : weighted) total += weight;
  int pick = r.Int(0, total - 1);
  for (const auto& [value, weight] : weighted) {
    if (pick < weight) return value;
    pick -= weight;
  }
  return weighted.begin()->first;
}

}  // namespace

Conditions DrawConditions(Rng& r, Setting setting) {
  Conditions c;
  c.time = PickEnum<TimeOfDay>(r, {{TimeOfDay::Morning, 3},
                                   {TimeOfDay::Noon, 3},
                                   {TimeOfDay::Afternoon, 3},
                                   {TimeOfDay::Evening, 3},
                                   {TimeOfDay::Dusk, 2}});
  c.season = PickEnum<Season>(r, {{Season::Spring, 3}, {Season::Summer, 4}, {Season::Autumn, 3}, {Season::Winter, 2}});
  c.weather = setting == Setting::Indoor
                  ? Weather::Fair
                  : PickEnum<Weather>(r, {{Weather::Clear, 3},
                                          {Weather::Fair, 4},
                                          {Weather::Overcast, 2},
                                          {Weather::Misty, 2},
                                          {Weather::Rain, 1}});
  // Mist and rain do not go with the low sun of dusk: the picture would
  // turn to mud.
  if (c.time == TimeOfDay::Dusk && (c.weather == Weather::Misty || c.weather == Weather::Rain))
    c.weather = Weather::Fair;
  c.palette = r.Int(0, kPaletteCount - 1);
  c.mirrorView = r.Chance(0.5f);
  c.sunX = r.Range(50, kWidth - 50);
  return c;
}

std::string DescribeConditions(const Conditions& c) {
  static const char* const kTimes[] = {"Morgen", "Mittag", "Nachmittag", "Abend", "Dämmerung"};
  static const char* const kSeasons[] = {"Frühling", "Sommer", "Herbst", "Winter"};
  static const char* const kWeathers[] = {"klar", "heiter", "bedeckt", "dunstig", "Regen"};
  return std::string(kTimes[static_cast<int>(c.time)]) + ", " + kSeasons[static_cast<int>(c.season)] + ", " +
         kWeathers[static_cast<int>(c.weather)] + ", Palette " + std::to_string(c.palette + 1);
}

SkyLight SkyFor(const Conditions& c, float horizon) {
  SkyLight sky;
  switch (c.time) {
    case TimeOfDay::Morning:
      sky = {Rgb(104, 146, 208), Rgb(246, 214, 178), Rgb(255, 220, 160), c.sunX, horizon * 0.7f, 0.8f};
      break;
    case TimeOfDay::Noon:
      sky = {Rgb(62, 124, 206), Rgb(192, 216, 236), Rgb(255, 250, 228), c.sunX, horizon * 0.25f, 0.45f};
      break;
    case TimeOfDay::Afternoon:
      sky = {Rgb(80, 135, 200), Rgb(215, 222, 225), Rgb(255, 240, 205), c.sunX, horizon * 0.45f, 0.55f};
      break;
    case TimeOfDay::Evening:
      sky = {Rgb(70, 84, 150), Rgb(248, 172, 118), Rgb(255, 178, 96), c.sunX, horizon * 0.85f, 1.0f};
      break;
    case TimeOfDay::Dusk:
      sky = {Rgb(36, 40, 92), Rgb(214, 120, 110), Rgb(255, 150, 90), c.sunX, horizon * 0.98f, 0.9f};
      break;
  }
  switch (c.weather) {
    case Weather::Overcast:
    case Weather::Rain:
      sky.top = Mix(sky.top, Rgb(120, 128, 140), 0.75f);
      sky.horizon = Mix(sky.horizon, Rgb(190, 192, 196), 0.7f);
      sky.sunGlow *= 0.2f;
      break;
    case Weather::Misty:
      sky.top = Mix(sky.top, Rgb(200, 205, 210), 0.5f);
      sky.horizon = Mix(sky.horizon, Rgb(230, 230, 228), 0.6f);
      sky.sunGlow *= 0.5f;
      break;
    default:
      break;
  }
  if (c.season == Season::Winter) sky.horizon = Mix(sky.horizon, Rgb(232, 230, 236), 0.3f);
  return sky;
}

Color LightTint(const Conditions& c) {
  Color t{1, 1, 1};
  switch (c.time) {
    case TimeOfDay::Morning:
      t = {1.04f, 1.0f, 0.94f};
      break;
    case TimeOfDay::Evening:
      t = {1.06f, 0.95f, 0.86f};
      break;
    case TimeOfDay::Dusk:
      t = {0.86f, 0.8f, 0.9f};
      break;
    default:
      break;
  }
  if (c.weather == Weather::Overcast || c.weather == Weather::Rain) t = t * 0.9f + Color{0.0f, 0.01f, 0.04f};
  if (c.season == Season::Winter) t = t * Color{0.97f, 0.99f, 1.04f};
  return t;
}

Color Vary(Rng& r, Color c, float amount) {
  return {c.r * r.Range(1 - amount, 1 + amount), c.g * r.Range(1 - amount, 1 + amount),
          c.b * r.Range(1 - amount, 1 + amount)};
}

Color Foliage(const Conditions& c, Rng& r) {
  static constexpr Color kSpring[] = {Rgb(120, 175, 70), Rgb(140, 185, 80), Rgb(100, 160, 70), Rgb(235, 200, 215)};
  static constexpr Color kSummer[] = {Rgb(70, 125, 50), Rgb(95, 140, 55), Rgb(60, 110, 60), Rgb(120, 150, 60)};
  static constexpr Color kAutumn[] = {Rgb(205, 120, 40), Rgb(215, 170, 50), Rgb(175, 60, 40), Rgb(140, 130, 50)};
  static constexpr Color kWinter[] = {Rgb(120, 100, 85), Rgb(105, 95, 90), Rgb(70, 100, 70), Rgb(135, 115, 95)};
  switch (c.season) {
    case Season::Spring:
      return Vary(r, r.Pick(kSpring));
    case Season::Autumn:
      return Vary(r, r.Pick(kAutumn));
    case Season::Winter:
      return Vary(r, r.Pick(kWinter));
    default:
      return Vary(r, r.Pick(kSummer));
  }
}

Color GroundColour(const Conditions& c, Color summer) {
  switch (c.season) {
    case Season::Spring:
      return Mix(summer, Rgb(130, 185, 80), 0.4f);
    case Season::Autumn:
      return Mix(summer, Rgb(160, 140, 70), 0.45f);
    case Season::Winter:
      return Mix(summer, Rgb(236, 240, 248), 0.85f);
    default:
      return summer;
  }
}

bool Snowy(const Conditions& c) { return c.season == Season::Winter; }

Color MadeColour(const Conditions& c, Rng& r) { return r.Pick(kPalettes[c.palette].made); }

Color WallColour(const Conditions& c, Rng& r) { return r.Pick(kPalettes[c.palette].walls); }

int CloudCount(const Conditions& c, Rng& r) {
  switch (c.weather) {
    case Weather::Clear:
      return r.Int(0, 1);
    case Weather::Fair:
      return r.Int(2, 4);
    case Weather::Overcast:
    case Weather::Rain:
      return r.Int(4, 6);
    default:
      return r.Int(1, 2);
  }
}

void ApplyConditions(Scene& scene, const Conditions& c, float horizon) {
  scene.tint = LightTint(c);
  scene.hazeY = horizon;
  switch (c.weather) {
    case Weather::Misty:
      scene.haze = 0.38f;
      scene.hazeColour = Mix(Rgb(225, 228, 230), SkyFor(c, horizon).horizon, 0.4f);
      break;
    case Weather::Overcast:
      scene.haze = 0.12f;
      scene.hazeColour = Rgb(200, 204, 210);
      break;
    case Weather::Rain:
      scene.haze = 0.2f;
      scene.hazeColour = Rgb(170, 176, 186);
      scene.rain = 0.35f;
      break;
    default:
      scene.haze = c.time == TimeOfDay::Noon ? 0.04f : 0.0f;
      scene.hazeColour = SkyFor(c, horizon).horizon;
      break;
  }
}

void MirrorScene(Scene& scene) {
  Image& image = scene.background;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width() / 2; ++x) std::swap(image.At(x, y), image.At(image.Width() - 1 - x, y));
  const auto flip = [&](Item& it) {
    it.x = static_cast<float>(image.Width()) - it.x;
    it.mirrored = !it.mirrored;
    it.angle = -it.angle;
  };
  for (Item& it : scene.items) flip(it);
  for (Item& it : scene.spares) flip(it);
}

}  // namespace scenegen

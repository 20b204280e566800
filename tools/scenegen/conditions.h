#pragma once
// The conditions a scene is painted in: time of day, season, weather and
// palette, drawn from the scene's seed. They are what makes two scenes of
// one kind look like two places rather than one place twice.
//
// How a scene builder uses them:
//   Conditions cond = DrawConditions(r, Setting::Outdoor);   // first draw
//   SkyLight sky = SkyFor(cond, horizon, r);   PaintSky(..., sky, ...);
//   Color grass = GroundColour(cond, Rgb(110, 160, 70));
//   Color leaves = Foliage(cond, r);           // a tree's colour this season
//   Color paint = MadeColour(cond, r);         // a boat, a door, a cup
//   int clouds = CloudCount(cond, r);
//   ... compose the scene ...
//   ApplyConditions(scene, cond, horizon);     // last: light, haze, rain
//   if (cond.mirrorView) MirrorScene(scene);   // seen from the other side
// Indoor scenes draw with Setting::Indoor: no weather, and the season only
// shows through the window and the palette.
#include <cstdint>
#include <string>

#include "backdrop.h"
#include "noise.h"
#include "scene.h"

namespace scenegen {

enum class TimeOfDay { Morning, Noon, Afternoon, Evening, Dusk };
enum class Season { Spring, Summer, Autumn, Winter };
enum class Weather { Clear, Fair, Overcast, Misty, Rain };
enum class Setting { Outdoor, Indoor };

struct Conditions {
  TimeOfDay time = TimeOfDay::Noon;
  Season season = Season::Summer;
  Weather weather = Weather::Fair;
  int palette = 0;          // one of kPaletteCount families of made colours
  bool mirrorView = false;  // the whole composition seen from the other side
  float sunX = 244;         // where the sun stands, pixels
};
inline constexpr int kPaletteCount = 6;

Conditions DrawConditions(Rng& r, Setting setting);
std::string DescribeConditions(const Conditions& c);  // for logs and previews

// The sky for a horizon at `horizon` pixels.
SkyLight SkyFor(const Conditions& c, float horizon);
// The overall colour of the light, for Scene::tint.
Color LightTint(const Conditions& c);
// A colour a little off: each channel times its own draw within 1 +- amount,
// red first.
Color Vary(Rng& r, Color c, float amount = 0.1f);
// Leaves, grass and earth as the season has them.
Color Foliage(const Conditions& c, Rng& r);
Color GroundColour(const Conditions& c, Color summer);
// Whether the ground lies under snow.
bool Snowy(const Conditions& c);
// A colour for a made thing (paint, cloth, a car), from the palette.
Color MadeColour(const Conditions& c, Rng& r);
// A wall or facade colour from the palette, lighter and calmer.
Color WallColour(const Conditions& c, Rng& r);
int CloudCount(const Conditions& c, Rng& r);

// Light, haze and rain over the finished scene: set on the scene, applied
// when it is finished, the same in both pictures of a pair.
void ApplyConditions(Scene& scene, const Conditions& c, float horizon);

// Turns the whole scene left for right: background and every object.
void MirrorScene(Scene& scene);

}  // namespace scenegen

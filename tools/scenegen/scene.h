#pragma once
// A scene is a painted background plus a list of objects drawn over it in
// order. Differences are made by changing the list, never the background,
// so everything a difference touches is one object's business.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace scenegen {

inline constexpr int kPictureWidth = 488;
inline constexpr int kPictureHeight = 430;

enum class Kind {
  Cloud,
  Bird,
  Tree,
  Pine,
  Bush,
  Rock,
  Flower,
  Cottage,
  Townhouse,
  Sheep,
  Haystack,
  Sailboat,
  Rowboat,
  Lighthouse,
  Buoy,
  Barrel,
  Crate,
  Bench,
  Birdhouse,
  Butterfly,
  FlowerPot,
  Duck,
  Picket,
  PictureFrame,
  Lamp,
  Vase,
  Clock,
  Book,
  Cup,
  Apple,
  Pear,
  Orange,
  Grapes,
  Bottle,
  Jug,
  Candle,
  Lemon,
  Cherries,
  StreetLamp,
  Car,
  Balloon,
  Cat,
  Chair,
  Plate,
  Window,
  Mushroom,
  Fish,
  Kite,
  Parasol,
  BeachBall,
  Towel,
  Shell,
  Sandcastle,
  // Kitchen, classroom, market, workshop, playground, farm, forest, mountain village.
  Pot, Kettle, Jar, Utensil, Loaf, Desk, Globe, Satchel, ChalkDrawing, Stall, FruitCrate, Basket, Sack, Tool,
  PaintCan, Toolbox, HangingLamp, Swing, Slide, Seesaw, Bucket, Barn, Cow, Pig, Hen, Tractor, Deer, Fox,
  Stump, Fern, Owl, Hedgehog, Chalet, Chapel, Goat, CableCar,
  // Sea floor, space station, railway station, circus, bedroom, library,
  // garden party and building site (painters_kinds_b.cpp).
  Coral,
  Seaweed,
  Jellyfish,
  Starfish,
  TreasureChest,
  Crab,
  Console,
  Astronaut,
  Robot,
  Planet,
  Rocket,
  Satellite,
  Locomotive,
  Coach,
  Suitcase,
  RailSignal,
  Podium,
  Elephant,
  Pennant,
  CircusTent,
  Hoop,
  Bed,
  TeddyBear,
  Dresser,
  ToyBlock,
  StandGlobe,
  Armchair,
  BookStack,
  Hourglass,
  Cake,
  Teapot,
  PaperLantern,
  Gift,
  Excavator,
  TrafficCone,
  Wheelbarrow,
  BrickStack,
  Barrier,
  Crane,
};
inline constexpr Kind kLastKind = Kind::Crane;

// One painted object. (x, y) is its anchor, usually where it stands on the
// ground; `size` is pixels per unit of its painter's drawing.
struct Item {
  Kind kind = Kind::Rock;
  float x = 0, y = 0;
  float size = 10;
  Color color{0.5f, 0.5f, 0.5f};  // the main colour, the one a recolouring changes
  Color accent{0.8f, 0.8f, 0.8f};
  bool mirrored = false;
  int variant = 0;         // shape variant, the one a shape change turns
  int variants = 2;        // how many shape variants its painter knows
  std::uint32_t seed = 1;  // fixes the object's own irregularities
  bool locked = false;     // part of the composition: never changed
  float depth = 0;         // painting order: lower depth is painted first
  // Set by the difference finder or a scene builder; painted through an
  // off-screen copy of the object, so every painter gets them for free.
  float angle = 0;  // turned about its middle, radians, clockwise
  int pattern = 0;  // 0 plain, else one of kPatternCount surface patterns
};
inline constexpr int kPatternCount = 4;  // stripes, dots, bands, checks

struct Scene {
  std::string title;  // the kind of scene, for previews and logs
  Image background;
  std::vector<Item> items;   // in painting order
  std::vector<Item> spares;  // objects that fit the scene but are not in it
  std::uint32_t grainSeed = 7;
  float vignette = 0.22f;
  Color tint{1, 1, 1};  // overall colour of the light (morning, evening)
  // Weather laid over the finished picture, by position only, so it is the
  // same in both pictures of a pair (see conditions.h).
  float haze = 0;  // 0 none; mist thickest around hazeY, thinning towards the front
  float hazeY = 0;
  Color hazeColour{0.8f, 0.82f, 0.85f};
  float rain = 0;  // 0 none; brightness of the rain streaks
};

// Paints one object.
void PaintItem(Canvas& canvas, const Item& item);

// The pixels an object can reach when painted.
Box ItemBounds(const Item& item);

// The whole scene in floating point, before grain and vignette.
Image RenderScene(const Scene& scene);

// Repaints only `area` of `image`: the background, then every one of `items`
// that reaches into it. Lets a changed object be tried without a full render.
void RenderArea(const Image& background, const std::vector<Item>& items, Image& image, const Box& area);

// The finished picture: a slight lens softness and glow, vignette, film
// grain and 8-bit RGB rows. The grain depends on the pixel position only, so
// both pictures of a pair share it. A finished pixel depends on the image
// pixels up to kSoftRadius away, so a change spreads that far.
inline constexpr int kSoftRadius = 2;
std::vector<std::uint8_t> Finish(const Scene& scene, const Image& image);
void FinishArea(const Scene& scene, const Image& image, const Box& area, std::vector<std::uint8_t>& rgb);

}  // namespace scenegen

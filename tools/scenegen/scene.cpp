#include "scene.h"

#include "noise.h"
#include "painters.h"

namespace scenegen {

namespace {

// The object as its painter draws it, without turning or pattern.
void PaintPlain(Canvas& canvas, const Item& item) {
  Pen p(canvas, item);
  switch (item.kind) {
    case Kind::Cloud:
      return PaintCloud(p, item);
    case Kind::Bird:
      return PaintBird(p, item);
    case Kind::Tree:
      return PaintTree(p, item);
    case Kind::Pine:
      return PaintPine(p, item);
    case Kind::Bush:
      return PaintBush(p, item);
    case Kind::Rock:
      return PaintRock(p, item);
    case Kind::Flower:
      return PaintFlower(p, item);
    case Kind::Cottage:
      return PaintCottage(p, item);
    case Kind::Townhouse:
      return PaintTownhouse(p, item);
    case Kind::Sheep:
      return PaintSheep(p, item);
    case Kind::Haystack:
      return PaintHaystack(p, item);
    case Kind::Sailboat:
      return PaintSailboat(p, item);
    case Kind::Rowboat:
      return PaintRowboat(p, item);
    case Kind::Lighthouse:
      return PaintLighthouse(p, item);
    case Kind::Buoy:
      return PaintBuoy(p, item);
    case Kind::Barrel:
      return PaintBarrel(p, item);
    case Kind::Crate:
      return PaintCrate(p, item);
    case Kind::Bench:
      return PaintBench(p, item);
    case Kind::Birdhouse:
      return PaintBirdhouse(p, item);
    case Kind::Butterfly:
      return PaintButterfly(p, item);
    case Kind::FlowerPot:
      return PaintFlowerPot(p, item);
    case Kind::Duck:
      return PaintDuck(p, item);
    case Kind::Picket:
      return PaintPicket(p, item);
    case Kind::PictureFrame:
      return PaintPictureFrame(p, item);
    case Kind::Lamp:
      return PaintLamp(p, item);
    case Kind::Vase:
      return PaintVase(p, item);
    case Kind::Clock:
      return PaintClock(p, item);
    case Kind::Book:
      return PaintBook(p, item);
    case Kind::Cup:
      return PaintCup(p, item);
    case Kind::Apple:
      return PaintApple(p, item);
    case Kind::Pear:
      return PaintPear(p, item);
    case Kind::Orange:
      return PaintOrange(p, item);
    case Kind::Grapes:
      return PaintGrapes(p, item);
    case Kind::Bottle:
      return PaintBottle(p, item);
    case Kind::Jug:
      return PaintJug(p, item);
    case Kind::Candle:
      return PaintCandle(p, item);
    case Kind::Lemon:
      return PaintLemon(p, item);
    case Kind::Cherries:
      return PaintCherries(p, item);
    case Kind::StreetLamp:
      return PaintStreetLamp(p, item);
    case Kind::Car:
      return PaintCar(p, item);
    case Kind::Balloon:
      return PaintBalloon(p, item);
    case Kind::Cat:
      return PaintCat(p, item);
    case Kind::Chair:
      return PaintChair(p, item);
    case Kind::Plate:
      return PaintPlate(p, item);
    case Kind::Window:
      return PaintWindow(p, item);
    case Kind::Mushroom:
      return PaintMushroom(p, item);
    case Kind::Fish:
      return PaintFish(p, item);
    case Kind::Kite:
      return PaintKite(p, item);
    case Kind::Parasol:
      return PaintParasol(p, item);
    case Kind::BeachBall:
      return PaintBeachBall(p, item);
    case Kind::Towel:
      return PaintTowel(p, item);
    case Kind::Shell:
      return PaintShell(p, item);
    case Kind::Sandcastle:
      return PaintSandcastle(p, item);
    case Kind::Pot:
      return PaintPot(p, item);
    case Kind::Kettle:
      return PaintKettle(p, item);
    case Kind::Jar:
      return PaintJar(p, item);
    case Kind::Utensil:
      return PaintUtensil(p, item);
    case Kind::Loaf:
      return PaintLoaf(p, item);
    case Kind::Desk:
      return PaintDesk(p, item);
    case Kind::Globe:
      return PaintGlobe(p, item);
    case Kind::Satchel:
      return PaintSatchel(p, item);
    case Kind::ChalkDrawing:
      return PaintChalkDrawing(p, item);
    case Kind::Stall:
      return PaintStall(p, item);
    case Kind::FruitCrate:
      return PaintFruitCrate(p, item);
    case Kind::Basket:
      return PaintBasket(p, item);
    case Kind::Sack:
      return PaintSack(p, item);
    case Kind::Tool:
      return PaintTool(p, item);
    case Kind::PaintCan:
      return PaintPaintCan(p, item);
    case Kind::Toolbox:
      return PaintToolbox(p, item);
    case Kind::HangingLamp:
      return PaintHangingLamp(p, item);
    case Kind::Swing:
      return PaintSwing(p, item);
    case Kind::Slide:
      return PaintSlide(p, item);
    case Kind::Seesaw:
      return PaintSeesaw(p, item);
    case Kind::Bucket:
      return PaintBucket(p, item);
    case Kind::Barn:
      return PaintBarn(p, item);
    case Kind::Cow:
      return PaintCow(p, item);
    case Kind::Pig:
      return PaintPig(p, item);
    case Kind::Hen:
      return PaintHen(p, item);
    case Kind::Tractor:
      return PaintTractor(p, item);
    case Kind::Deer:
      return PaintDeer(p, item);
    case Kind::Fox:
      return PaintFox(p, item);
    case Kind::Stump:
      return PaintStump(p, item);
    case Kind::Fern:
      return PaintFern(p, item);
    case Kind::Owl:
      return PaintOwl(p, item);
    case Kind::Hedgehog:
      return PaintHedgehog(p, item);
    case Kind::Chalet:
      return PaintChalet(p, item);
    case Kind::Chapel:
      return PaintChapel(p, item);
    case Kind::Goat:
      return PaintGoat(p, item);
    case Kind::CableCar:
      return PaintCableCar(p, item);
    case Kind::Coral:
      return PaintCoral(p, item);
    case Kind::Seaweed:
      return PaintSeaweed(p, item);
    case Kind::Jellyfish:
      return PaintJellyfish(p, item);
    case Kind::Starfish:
      return PaintStarfish(p, item);
    case Kind::TreasureChest:
      return PaintTreasureChest(p, item);
    case Kind::Crab:
      return PaintCrab(p, item);
    case Kind::Console:
      return PaintConsole(p, item);
    case Kind::Astronaut:
      return PaintAstronaut(p, item);
    case Kind::Robot:
      return PaintRobot(p, item);
    case Kind::Planet:
      return PaintPlanet(p, item);
    case Kind::Rocket:
      return PaintRocket(p, item);
    case Kind::Satellite:
      return PaintSatellite(p, item);
    case Kind::Locomotive:
      return PaintLocomotive(p, item);
    case Kind::Coach:
      return PaintCoach(p, item);
    case Kind::Suitcase:
      return PaintSuitcase(p, item);
    case Kind::RailSignal:
      return PaintRailSignal(p, item);
    case Kind::Podium:
      return PaintPodium(p, item);
    case Kind::Elephant:
      return PaintElephant(p, item);
    case Kind::Pennant:
      return PaintPennant(p, item);
    case Kind::CircusTent:
      return PaintCircusTent(p, item);
    case Kind::Hoop:
      return PaintHoop(p, item);
    case Kind::Bed:
      return PaintBed(p, item);
    case Kind::TeddyBear:
      return PaintTeddyBear(p, item);
    case Kind::Dresser:
      return PaintDresser(p, item);
    case Kind::ToyBlock:
      return PaintToyBlock(p, item);
    case Kind::StandGlobe:
      return PaintStandGlobe(p, item);
    case Kind::Armchair:
      return PaintArmchair(p, item);
    case Kind::BookStack:
      return PaintBookStack(p, item);
    case Kind::Hourglass:
      return PaintHourglass(p, item);
    case Kind::Cake:
      return PaintCake(p, item);
    case Kind::Teapot:
      return PaintTeapot(p, item);
    case Kind::PaperLantern:
      return PaintPaperLantern(p, item);
    case Kind::Gift:
      return PaintGift(p, item);
    case Kind::Excavator:
      return PaintExcavator(p, item);
    case Kind::TrafficCone:
      return PaintTrafficCone(p, item);
    case Kind::Wheelbarrow:
      return PaintWheelbarrow(p, item);
    case Kind::BrickStack:
      return PaintBrickStack(p, item);
    case Kind::Barrier:
      return PaintBarrier(p, item);
    case Kind::Crane:
      return PaintCrane(p, item);
  }
}

// An object painted off screen, as premultiplied colour and coverage, so it
// can be turned or patterned before it is laid over the picture. Painting it
// once over black and once over white gives both: over black a pixel is
// colour x coverage, and the two differ by exactly 1 - coverage.
struct Sprite {
  Box box;  // where it lies in the picture
  Image colour, coverage;
};

Sprite PaintSprite(const Item& plain, const Box& box) {
  Item moved = plain;
  moved.x -= static_cast<float>(box.x0);
  moved.y -= static_cast<float>(box.y0);
  Image black(box.Width(), box.Height(), {0, 0, 0}), white(box.Width(), box.Height(), {1, 1, 1});
  Canvas onBlack(black), onWhite(white);
  PaintPlain(onBlack, moved);
  PaintPlain(onWhite, moved);
  Sprite s{box, std::move(black), Image(box.Width(), box.Height())};
  for (int y = 0; y < box.Height(); ++y)
    for (int x = 0; x < box.Width(); ++x) {
      const Color d = white.At(x, y) - s.colour.At(x, y);
      const float a = Clamp01(1 - (d.r + d.g + d.b) / 3);
      s.coverage.At(x, y) = {a, a, a};
    }
  return s;
}

// How much of the pattern colour shows at (u, v), in pixels from the
// object's anchor; `period` is the pattern's repeat.
float PatternAt(int pattern, float u, float v, float period) {
  const auto band = [&](float t) {
    const float f = t / period - std::floor(t / period);
    return SmoothStep(0.08f, 0.18f, f) * (1 - SmoothStep(0.45f, 0.55f, f));
  };
  switch (pattern) {
    case 1:  // diagonal stripes
      return band((u + v) * 0.7071f);
    case 2: {  // dots
      const float fu = u / period - std::floor(u / period) - 0.5f;
      const float fv = v / period - std::floor(v / period) - 0.5f;
      return 1 - SmoothStep(0.2f, 0.3f, std::hypot(fu, fv));
    }
    case 3:  // horizontal bands
      return band(v);
    default: {  // checks
      const int cu = static_cast<int>(std::floor(u / period)), cv = static_cast<int>(std::floor(v / period));
      return ((cu + cv) & 1) ? 1.0f : 0.0f;
    }
  }
}

// Pattern colour: dark on light objects, light on dark ones, so it always
// shows in brightness.
void ApplyPattern(Sprite& s, const Item& item) {
  const float luma = 0.3f * item.color.r + 0.59f * item.color.g + 0.11f * item.color.b;
  const Color ink = luma > 0.45f ? item.color * 0.35f : Lighter(item.accent, 0.6f);
  const float period = std::max(5.0f, item.size * 0.9f);
  for (int y = 0; y < s.box.Height(); ++y)
    for (int x = 0; x < s.box.Width(); ++x) {
      const float a = s.coverage.At(x, y).r;
      if (a <= 0) continue;
      const float m = PatternAt(item.pattern, x + s.box.x0 + 0.5f - item.x, y + s.box.y0 + 0.5f - item.y, period) * 0.8f;
      s.colour.At(x, y) = Mix(s.colour.At(x, y), ink * a, m);
    }
}

// Bilinear sample of premultiplied colour and coverage; nothing outside.
void Sample(const Sprite& s, float x, float y, Color& colour, float& coverage) {
  colour = {}, coverage = 0;
  const float fx = x - 0.5f, fy = y - 0.5f;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = fx - x0, ty = fy - y0;
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const int sx = x0 + i, sy = y0 + j;
      if (sx < 0 || sy < 0 || sx >= s.box.Width() || sy >= s.box.Height()) continue;
      const float w = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
      colour = colour + s.colour.At(sx, sy) * w;
      coverage += s.coverage.At(sx, sy).r * w;
    }
}

// The box a turned object can reach.
Box TurnedBox(const Box& b, float angle) {
  const float cx = (b.x0 + b.x1) * 0.5f, cy = (b.y0 + b.y1) * 0.5f;
  const float hw = b.Width() * 0.5f, hh = b.Height() * 0.5f;
  const float c = std::fabs(std::cos(angle)), s = std::fabs(std::sin(angle));
  const float rw = hw * c + hh * s, rh = hw * s + hh * c;
  return {static_cast<int>(std::floor(cx - rw)) - 1, static_cast<int>(std::floor(cy - rh)) - 1,
          static_cast<int>(std::ceil(cx + rw)) + 1, static_cast<int>(std::ceil(cy + rh)) + 1};
}

void PaintTransformed(Canvas& canvas, const Item& item) {
  Item plain = item;
  plain.angle = 0, plain.pattern = 0;
  // The plain object's reach, measured without the picture's edges cutting it.
  Canvas measure = Canvas::Measuring(4 * kPictureWidth, 4 * kPictureHeight);
  Item shifted = plain;
  shifted.x += kPictureWidth, shifted.y += kPictureHeight;
  PaintPlain(measure, shifted);
  Box box = measure.Touched();
  if (box.Empty()) return;
  box = {box.x0 - kPictureWidth, box.y0 - kPictureHeight, box.x1 - kPictureWidth, box.y1 - kPictureHeight};
  const Box out = item.angle != 0 ? TurnedBox(box, item.angle) : box;
  if (canvas.IsMeasuring()) {
    canvas.ForEachPixel(out, [](int, int, Color&) {});
    return;
  }
  Sprite s = PaintSprite(plain, box);
  if (item.pattern != 0) ApplyPattern(s, item);
  const float cx = (box.x0 + box.x1) * 0.5f, cy = (box.y0 + box.y1) * 0.5f;
  const float cosA = std::cos(item.angle), sinA = std::sin(item.angle);
  canvas.ForEachPixel(out, [&](int x, int y, Color& px) {
    // Back from the picture into the unturned sprite.
    const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
    const float sx = cosA * dx + sinA * dy + cx - box.x0, sy = -sinA * dx + cosA * dy + cy - box.y0;
    Color colour;
    float coverage;
    Sample(s, sx, sy, colour, coverage);
    if (coverage > 0) px = px * (1 - coverage) + colour;
  });
}

}  // namespace

void PaintItem(Canvas& canvas, const Item& item) {
  if (item.angle != 0 || item.pattern != 0) return PaintTransformed(canvas, item);
  PaintPlain(canvas, item);
}

Box ItemBounds(const Item& item) {
  Canvas measure = Canvas::Measuring(kPictureWidth, kPictureHeight);
  PaintItem(measure, item);
  return measure.Touched();
}

Image RenderScene(const Scene& scene) {
  Image image = scene.background;
  Canvas canvas(image);
  for (const Item& item : scene.items) PaintItem(canvas, item);
  return image;
}

void RenderArea(const Image& background, const std::vector<Item>& items, Image& image, const Box& area) {
  image.CopyFrom(background, area);
  Canvas canvas(image);
  canvas.SetClip(area);
  for (const Item& item : items)
    if (!Intersect(ItemBounds(item), area).Empty()) PaintItem(canvas, item);
}

namespace {

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(Clamp01(v) * 255.0f + 0.5f); }

Color FinishPixel(const Scene& scene, Color c, int x, int y) {
  const float nx = (x + 0.5f) / kPictureWidth - 0.5f, ny = (y + 0.5f) / kPictureHeight - 0.5f;
  const float vignette = 1 - scene.vignette * (nx * nx + ny * ny) * 2.2f;
  // Grain a little stronger in the shadows, as film has it.
  const float grain = (Hash2(x, y, scene.grainSeed) + Hash2(x + 7, y + 3, scene.grainSeed + 1) - 1) * 0.035f;
  const float luma = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
  const float g = grain * (1.2f - 0.6f * luma);
  const Color t = scene.tint;
  Color out{c.r * t.r * vignette + g, c.g * t.g * vignette + g, c.b * t.b * vignette + g};
  if (scene.haze > 0) {
    const float far = 1 - SmoothStep(scene.hazeY - 30, scene.hazeY + 220, static_cast<float>(y));
    out = Mix(out, scene.hazeColour, scene.haze * (0.25f + 0.75f * far));
  }
  if (scene.rain > 0) {
    // Slanted streaks, each a short dash at a random height of its column.
    const int column = static_cast<int>(std::floor((x + y * 0.28f) / 3));
    const int dash = static_cast<int>(std::floor((y + Hash2(column, 0, scene.grainSeed) * 60) / 18));
    if (Hash2(column, dash, scene.grainSeed + 5) > 0.93f) out = Mix(out, {0.92f, 0.94f, 0.97f}, scene.rain);
  }
  return out;
}

// The average of the (2 kSoftRadius + 1)^2 pixels around every pixel of
// `b`, clamped at the picture's edges: summed along rows, then columns,
// which is ten additions a pixel instead of twenty-five.
void Soften(const Image& image, const Box& b, std::vector<Color>& soft) {
  const int w = b.Width(), rows = b.Height() + 2 * kSoftRadius;
  std::vector<Color> across(static_cast<std::size_t>(w) * rows);
  for (int r = 0; r < rows; ++r) {
    const int sy = std::clamp(b.y0 - kSoftRadius + r, 0, image.Height() - 1);
    for (int i = 0; i < w; ++i) {
      Color sum{};
      for (int dx = -kSoftRadius; dx <= kSoftRadius; ++dx)
        sum = sum + image.At(std::clamp(b.x0 + i + dx, 0, image.Width() - 1), sy);
      across[static_cast<std::size_t>(r) * w + i] = sum;
    }
  }
  constexpr float kTaps = (2 * kSoftRadius + 1) * (2 * kSoftRadius + 1);
  soft.assign(static_cast<std::size_t>(w) * b.Height(), Color{});
  for (int j = 0; j < b.Height(); ++j)
    for (int i = 0; i < w; ++i) {
      Color sum{};
      for (int dy = 0; dy <= 2 * kSoftRadius; ++dy) sum = sum + across[static_cast<std::size_t>(j + dy) * w + i];
      soft[static_cast<std::size_t>(j) * w + i] = sum * (1.0f / kTaps);
    }
}

// A lens is never perfectly sharp and bright things glow a little: this is
// what keeps the pictures from looking like diagrams.
Color Lens(Color sharp, Color soft) {
  const float luma = 0.3f * soft.r + 0.59f * soft.g + 0.11f * soft.b;
  return Mix(sharp, soft, 0.3f) + soft * (std::max(0.0f, luma - 0.78f) * 0.5f);
}

}  // namespace

void FinishArea(const Scene& scene, const Image& image, const Box& area, std::vector<std::uint8_t>& rgb) {
  const Box b = Intersect(area, image.Bounds());
  if (b.Empty()) return;
  std::vector<Color> soft;
  Soften(image, b, soft);
  for (int y = b.y0; y < b.y1; ++y) {
    for (int x = b.x0; x < b.x1; ++x) {
      const Color s = soft[static_cast<std::size_t>(y - b.y0) * b.Width() + (x - b.x0)];
      const Color c = FinishPixel(scene, Lens(image.At(x, y), s), x, y);
      std::uint8_t* out = &rgb[(static_cast<std::size_t>(y) * image.Width() + x) * 3];
      out[0] = ToByte(c.r), out[1] = ToByte(c.g), out[2] = ToByte(c.b);
    }
  }
}

std::vector<std::uint8_t> Finish(const Scene& scene, const Image& image) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.Width()) * image.Height() * 3);
  FinishArea(scene, image, image.Bounds(), rgb);
  return rgb;
}

}  // namespace scenegen

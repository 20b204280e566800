#include "scene.h"

#include "noise.h"
#include "painters.h"

namespace scenegen {

void PaintItem(Canvas& canvas, const Item& item) {
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
  }
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

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

Color FinishPixel(const Scene& scene, Color c, int x, int y) {
  const float nx = (x + 0.5f) / kPictureWidth - 0.5f, ny = (y + 0.5f) / kPictureHeight - 0.5f;
  const float vignette = 1 - scene.vignette * (nx * nx + ny * ny) * 2.2f;
  // Grain a little stronger in the shadows, as film has it.
  const float grain = (Hash2(x, y, scene.grainSeed) + Hash2(x + 7, y + 3, scene.grainSeed + 1) - 1) * 0.035f;
  const float luma = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
  const float g = grain * (1.2f - 0.6f * luma);
  const Color t = scene.tint;
  return {c.r * t.r * vignette + g, c.g * t.g * vignette + g, c.b * t.b * vignette + g};
}

// The average of the (2 kSoftRadius + 1)^2 pixels around (x, y), clamped at
// the picture's edges.
Color SoftenedAt(const Image& image, int x, int y) {
  Color sum{};
  for (int dy = -kSoftRadius; dy <= kSoftRadius; ++dy) {
    const int sy = std::clamp(y + dy, 0, image.Height() - 1);
    for (int dx = -kSoftRadius; dx <= kSoftRadius; ++dx)
      sum = sum + image.At(std::clamp(x + dx, 0, image.Width() - 1), sy);
  }
  constexpr float kTaps = (2 * kSoftRadius + 1) * (2 * kSoftRadius + 1);
  return sum * (1.0f / kTaps);
}

// A lens is never perfectly sharp and bright things glow a little: this is
// what keeps the pictures from looking like diagrams.
Color LensAt(const Image& image, int x, int y) {
  const Color sharp = image.At(x, y);
  const Color soft = SoftenedAt(image, x, y);
  const float luma = 0.3f * soft.r + 0.59f * soft.g + 0.11f * soft.b;
  return Mix(sharp, soft, 0.3f) + soft * (std::max(0.0f, luma - 0.78f) * 0.5f);
}

}  // namespace

void FinishArea(const Scene& scene, const Image& image, const Box& area, std::vector<std::uint8_t>& rgb) {
  const Box b = Intersect(area, image.Bounds());
  for (int y = b.y0; y < b.y1; ++y) {
    for (int x = b.x0; x < b.x1; ++x) {
      const Color c = FinishPixel(scene, LensAt(image, x, y), x, y);
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

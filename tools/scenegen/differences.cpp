#include "differences.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "noise.h"

namespace scenegen {

// In the order of ChangeType.
constexpr std::array<std::string_view, kChangeTypeCount> kChangeTypeNames = {
    "fehlt", "hinzugefügt", "andere Farbe", "andere Größe", "verschoben",
    "gespiegelt", "andere Form", "gedreht", "anderes Muster", "andere Anzahl"};
static_assert(static_cast<int>(ChangeType::Count) + 1 == kChangeTypeCount);

std::string ChangeTypeName(ChangeType type) {
  const auto index = static_cast<std::size_t>(type);
  return index < kChangeTypeNames.size() ? std::string(kChangeTypeNames[index]) : "?";
}

std::vector<Item> ApplyChanges(const Scene& scene, const std::vector<Change>& changes) {
  std::vector<Item> items = scene.items;
  std::vector<bool> removed(items.size(), false);
  std::vector<Item> added;
  for (const Change& c : changes) {
    if (c.type == ChangeType::Add || c.type == ChangeType::Count) {
      added.push_back(c.after);
    } else if (c.type == ChangeType::Remove) {
      removed[c.index] = true;
    } else {
      items[c.index] = c.after;
    }
  }
  std::vector<Item> out;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!removed[i]) out.push_back(items[i]);
  // An added object goes where its depth puts it, after equals.
  for (const Item& a : added) {
    auto at = std::upper_bound(out.begin(), out.end(), a.depth, [](float d, const Item& it) { return d < it.depth; });
    out.insert(at, a);
  }
  return out;
}

namespace {

// Full-size buffers a search reuses from one candidate to the next, so a
// candidate costs the pixels it touches, not two picture copies.
struct MeasureScratch {
  Image work;
  Pixels rgb;
};

ChangeFootprint MeasureWith(MeasureScratch& scratch, const Scene& scene, const Image& base, const Pixels& baseRgb,
                            const Change& change) {
  Box before, after;
  const bool adds = change.type == ChangeType::Add || change.type == ChangeType::Count;
  if (!adds) before = ItemBounds(scene.items[change.index]);
  if (change.type != ChangeType::Remove) after = ItemBounds(change.after);
  // The finish spreads a change by kSoftRadius; repaint and compare that far.
  const Box area = Intersect(Grow(Union(before, after), kSoftRadius + 1), base.Bounds());
  ChangeFootprint footprint;
  if (area.Empty()) return footprint;

  if (scratch.work.Width() != base.Width() || scratch.work.Height() != base.Height()) {
    scratch.work = base;
    scratch.rgb = baseRgb;
  }
  // Only the repainted area and the rim the finish reads around it need
  // to hold the unchanged picture; whatever an earlier candidate left
  // elsewhere is never read.
  scratch.work.CopyFrom(base, Grow(area, kSoftRadius));
  const std::vector<Item> items = ApplyChanges(scene, {change});
  RenderArea(scene.background, items, scratch.work, area);
  FinishArea(scene, scratch.work, area, scratch.rgb);
  const Pixels& rgb = scratch.rgb;
  for (int y = area.y0; y < area.y1; ++y) {
    for (int x = area.x0; x < area.x1; ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * base.Width() + x) * 3;
      int step = 0;
      for (int k = 0; k < 3; ++k) step = std::max(step, std::abs(rgb[i + k] - baseRgb[i + k]));
      if (step == 0) continue;
      footprint.changed = Union(footprint.changed, Box{x, y, x + 1, y + 1});
      if (std::abs(GreyOf(&rgb[i]) - GreyOf(&baseRgb[i])) >= kGreyStep) ++footprint.greyPixels;
      if (step >= kStrongStep) {
        ++footprint.strongPixels;
        footprint.strong = Union(footprint.strong, Box{x, y, x + 1, y + 1});
      }
    }
  }
  return footprint;
}

}  // namespace

ChangeFootprint MeasureChange(const Scene& scene, const Image& base, const Pixels& baseRgb, const Change& change) {
  MeasureScratch scratch;
  return MeasureWith(scratch, scene, base, baseRgb, change);
}

namespace {

void FitSpan(int& lo, int& hi, int extent) { gamefile::FitSpanToBlocks(lo, hi, extent, kMinRectSide); }

}  // namespace

Box RectangleFor(const Box& changed) {
  Box r = Grow(changed, kRectMargin);
  FitSpan(r.x0, r.x1, kPictureWidth);
  FitSpan(r.y0, r.y1, kPictureHeight);
  return r;
}

bool IsFairChange(const ChangeFootprint& footprint, const Box& rect, const DifferenceRules& rules) {
  if (footprint.changed.Empty() || footprint.strongPixels < std::max(kMinStrongPixels, rules.minStrongPixels))
    return false;
  if (footprint.strongPixels > rules.maxStrongPixels) return false;
  // Seen without colour: enough of it must change in brightness.
  if (footprint.greyPixels < kPlannedGreyPixels) return false;
  if (footprint.strong.Width() < kMinStrongSide || footprint.strong.Height() < kMinStrongSide) return false;
  // A stored rectangle's left and top edges lie on its first column and
  // row, which do not count as inside; a change in the picture's first
  // column or row could never be marked.
  if (footprint.changed.x0 < 1 || footprint.changed.y0 < 1) return false;
  return rect.Width() <= rules.maxRectSide && rect.Height() <= rules.maxRectSide &&
         rect.Width() * rect.Height() <= rules.maxRectArea;
}

bool IsFairChange(const ChangeFootprint& footprint, const Box& rect) {
  return IsFairChange(footprint, rect, MediumRules());
}

DifferenceRules EasyRules() {
  DifferenceRules r;
  r.minStrongPixels = 600;
  r.maxRectSide = 144;
  r.maxRectArea = 128 * 128;
  r.resizeGrow = 1.6f, r.resizeShrink = 0.55f;
  r.moveMin = 26, r.moveMax = 40;
  r.turnMin = 0.6f, r.turnMax = 0.9f;
  r.recolorLumaStep = 0.3f;
  //         Remove Add Recolor Resize Move Mirror Reshape Rotate Pattern Count
  r.weights = {5, 5, 4, 3, 2, 1, 1, 1, 2, 3};
  return r;
}

DifferenceRules MediumRules() { return DifferenceRules{}; }

DifferenceRules HardRules() {
  DifferenceRules r;
  r.maxStrongPixels = 600;
  r.maxRectSide = 88;
  r.maxRectArea = 72 * 72;
  r.resizeGrow = 1.25f, r.resizeShrink = 0.8f;
  r.moveMin = 9, r.moveMax = 15;
  r.turnMin = 0.22f, r.turnMax = 0.32f;
  r.recolorLumaStep = kMinRecolorLumaStep;
  r.weights = {1, 1, 2, 3, 3, 3, 3, 3, 3, 1};
  return r;
}

float LumaOf(Color c) { return genlib::Luma(c.r, c.g, c.b); }

int CountGreyChanges(const Pixels& a, const Pixels& b, int width, const Box& rect) {
  int count = 0;
  for (int y = rect.y0; y < rect.y1; ++y)
    for (int x = rect.x0; x < rect.x1; ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
      if (std::abs(GreyOf(&a[i]) - GreyOf(&b[i])) >= kGreyStep) ++count;
    }
  return count;
}

namespace {

// `c` made lighter or darker until its brightness lies at least `step` away
// from `from`, keeping its hue; unchanged when it already does.
Color AwayInBrightness(Color c, float from, float step) {
  const float l = LumaOf(c);
  if (std::fabs(l - from) >= step) return c;
  const bool roomAbove = from + step <= 0.92f, roomBelow = from - step >= 0.08f;
  const bool up = roomAbove && (l >= from || !roomBelow);
  if (up) {
    const float target = from + step;
    return Mix(c, {1, 1, 1}, Clamp01((target - l) / std::max(1e-3f, 1 - l)));
  }
  const float target = std::max(0.0f, from - step);
  return l > 1e-3f ? c * (target / l) : c;
}

// One of `choices` clearly different from `now` in colour and brightness;
// failing that, one different in colour made lighter or darker; failing
// that, a turn of the hue.
Color PickDistant(const Color& now, std::initializer_list<Color> choices, Rng& r, float step) {
  std::vector<Color> far, farInColour;
  for (const Color& c : choices) {
    if (ChannelDistance(c, now) <= 0.3f) continue;
    farInColour.push_back(c);
    if (std::fabs(LumaOf(c) - LumaOf(now)) >= step) far.push_back(c);
  }
  const auto pick = [&](const std::vector<Color>& from) {
    return from[static_cast<std::size_t>(r.Int(0, static_cast<int>(from.size()) - 1))];
  };
  if (!far.empty()) return pick(far);
  if (!farInColour.empty()) return AwayInBrightness(pick(farInColour), LumaOf(now), step);
  return AwayInBrightness(RecolorHue(now, 0.5f), LumaOf(now), step);
}

}  // namespace

Color RecolorFor(const Item& it, Rng& r, float step) {
  switch (it.kind) {
    case Kind::Tree:
    case Kind::Bush:
    case Kind::Fern:
    case Kind::Seaweed:
      return PickDistant(it.color, {Rgb(205, 120, 40), Rgb(215, 170, 50), Rgb(175, 60, 40), Rgb(60, 120, 50)}, r,
                         step);
    case Kind::Apple:
    case Kind::Pear:
    case Kind::Lemon:
    case Kind::Orange:
    case Kind::Grapes:
    case Kind::Cherries:
      return PickDistant(
          it.color, {Rgb(200, 35, 30), Rgb(130, 180, 50), Rgb(245, 215, 60), Rgb(240, 140, 30), Rgb(100, 50, 110)}, r,
          step);
    case Kind::Cat:
      return PickDistant(it.color, {Rgb(60, 55, 55), Rgb(210, 130, 60), Rgb(235, 230, 220), Rgb(140, 135, 130)}, r,
                         step);
    // Animals keep the coats they could have: no teal deer, no green pigs.
    case Kind::Deer:
    case Kind::Fox:
    case Kind::Hedgehog:
    case Kind::Owl:
      return PickDistant(
          it.color, {Rgb(215, 110, 40), Rgb(160, 105, 60), Rgb(95, 70, 50), Rgb(205, 180, 145), Rgb(60, 50, 45)}, r,
          step);
    case Kind::Cow:
    case Kind::Goat:
      return PickDistant(it.color, {Rgb(240, 235, 225), Rgb(60, 50, 45), Rgb(150, 95, 55), Rgb(195, 160, 115)}, r,
                         step);
    case Kind::Pig:
      return PickDistant(it.color, {Rgb(240, 170, 170), Rgb(195, 135, 115), Rgb(85, 65, 60), Rgb(245, 220, 205)}, r,
                         step);
    case Kind::Hen:
      return PickDistant(it.color, {Rgb(245, 240, 230), Rgb(170, 90, 40), Rgb(60, 50, 45), Rgb(205, 155, 90)}, r,
                         step);
    case Kind::Elephant:
      return PickDistant(it.color, {Rgb(150, 150, 158), Rgb(90, 90, 96), Rgb(205, 202, 198)}, r, step);
    case Kind::Crab:
      return PickDistant(it.color, {Rgb(220, 70, 40), Rgb(240, 145, 60), Rgb(115, 55, 40), Rgb(205, 175, 125)}, r,
                         step);
    case Kind::TeddyBear:
      return PickDistant(it.color, {Rgb(170, 120, 70), Rgb(105, 70, 45), Rgb(230, 210, 170), Rgb(240, 240, 235)}, r,
                         step);
    // Wood and bread stay brown, lighter or darker.
    case Kind::Stump:
    case Kind::Loaf:
      return PickDistant(it.color, {Rgb(110, 80, 55), Rgb(170, 120, 70), Rgb(220, 175, 105), Rgb(70, 50, 35)}, r,
                         step);
    default:
      break;
  }
  const Hsv hsv = ToHsv(it.color);
  // White things (sheep, cups, candles) turn dark rather than garish.
  if (hsv.s < 0.15f && hsv.v > 0.75f) return AwayInBrightness(it.color * 0.42f, LumaOf(it.color), step);
  return AwayInBrightness(RecolorHue(it.color, r.Range(0.28f, 0.72f)), LumaOf(it.color), step);
}

bool IsTurnable(Kind kind) {
  // Things that can lie, hang or fly askew without looking broken.
  switch (kind) {
    case Kind::PictureFrame:
    case Kind::Clock:
    case Kind::Book:
    case Kind::Kite:
    case Kind::Fish:
    case Kind::Butterfly:
    case Kind::Shell:
    case Kind::Towel:
    case Kind::Crate:
    case Kind::Balloon:
    case Kind::Pear:
    case Kind::Lemon:
    case Kind::Bottle:
    case Kind::Mushroom:
    case Kind::Sailboat:
    case Kind::Rowboat:
    case Kind::Bird:
    case Kind::Birdhouse:
    case Kind::Candle:
    case Kind::Cup:
    case Kind::Jug:
    case Kind::Car:
    case Kind::Utensil:
    case Kind::Loaf:
    case Kind::Jar:
    case Kind::Satchel:
    case Kind::Tool:
    case Kind::Bucket:
    case Kind::Starfish:
    case Kind::Jellyfish:
    case Kind::Astronaut:
    case Kind::Satellite:
    case Kind::Rocket:
    case Kind::Suitcase:
    case Kind::TeddyBear:
    case Kind::ToyBlock:
    case Kind::BookStack:
    case Kind::Hourglass:
    case Kind::Gift:
    case Kind::TrafficCone:
      return true;
    default:
      return false;
  }
}

bool IsPatternable(Kind kind) {
  // Made things, whose surface could be printed, woven or painted.
  switch (kind) {
    case Kind::Crate:
    case Kind::Barrel:
    case Kind::Towel:
    case Kind::Parasol:
    case Kind::BeachBall:
    case Kind::Vase:
    case Kind::Cup:
    case Kind::Jug:
    case Kind::Book:
    case Kind::Car:
    case Kind::Balloon:
    case Kind::Kite:
    case Kind::Buoy:
    case Kind::Chair:
    case Kind::Plate:
    case Kind::FlowerPot:
    case Kind::Birdhouse:
    case Kind::Lamp:
    case Kind::Bench:
    case Kind::Rowboat:
    case Kind::Pot:
    case Kind::Kettle:
    case Kind::Jar:
    case Kind::Satchel:
    case Kind::Sack:
    case Kind::PaintCan:
    case Kind::Toolbox:
    case Kind::Bucket:
    case Kind::TreasureChest:
    case Kind::Suitcase:
    case Kind::Podium:
    case Kind::Dresser:
    case Kind::ToyBlock:
    case Kind::Armchair:
    case Kind::Teapot:
    case Kind::PaperLantern:
    case Kind::Gift:
      return true;
    default:
      return false;
  }
}

bool IsCountable(Kind kind) {
  // Small things that come in twos and threes.
  switch (kind) {
    case Kind::Flower:
    case Kind::Apple:
    case Kind::Pear:
    case Kind::Orange:
    case Kind::Lemon:
    case Kind::Bird:
    case Kind::Shell:
    case Kind::Book:
    case Kind::Cup:
    case Kind::Mushroom:
    case Kind::Fish:
    case Kind::Duck:
    case Kind::Buoy:
    case Kind::Barrel:
    case Kind::Crate:
    case Kind::FlowerPot:
    case Kind::Candle:
    case Kind::Sheep:
    case Kind::Bush:
    case Kind::Rock:
    case Kind::Butterfly:
    case Kind::Balloon:
    case Kind::Jar:
    case Kind::Loaf:
    case Kind::Basket:
    case Kind::Sack:
    case Kind::PaintCan:
    case Kind::Bucket:
    case Kind::Hen:
    case Kind::Fern:
    case Kind::Starfish:
    case Kind::Seaweed:
    case Kind::Jellyfish:
    case Kind::Crab:
    case Kind::Suitcase:
    case Kind::ToyBlock:
    case Kind::BookStack:
    case Kind::PaperLantern:
    case Kind::Gift:
    case Kind::TrafficCone:
    case Kind::BrickStack:
      return true;
    default:
      return false;
  }
}

namespace {

bool CanChange(const Item& it, ChangeType type) {
  if (it.locked) return false;
  switch (type) {
    case ChangeType::Recolor:
      // Some things have only one believable colour.
      return it.kind != Kind::Cloud && it.kind != Kind::Bird && it.kind != Kind::Pine && it.kind != Kind::Haystack &&
             it.kind != Kind::Rock;
    case ChangeType::Reshape:
      return it.variants > 1;
    case ChangeType::Mirror:
      // Only things that look clearly different the other way round: a
      // mirrored bunch of grapes would change nothing but its shadow.
      switch (it.kind) {
        case Kind::Sheep:
        case Kind::Duck:
        case Kind::Cat:
        case Kind::Car:
        case Kind::Sailboat:
        case Kind::Rowboat:
        case Kind::Cottage:
        case Kind::Jug:
        case Kind::Cup:
        case Kind::Tree:
        case Kind::PictureFrame:
        case Kind::Clock:
        case Kind::Fish:
        case Kind::Cloud:
        case Kind::Kettle:
        case Kind::Teapot:
        case Kind::Slide:
        case Kind::Cow:
        case Kind::Pig:
        case Kind::Hen:
        case Kind::Tractor:
        case Kind::Deer:
        case Kind::Fox:
        case Kind::Hedgehog:
        case Kind::Goat:
        case Kind::Locomotive:
        case Kind::Elephant:
        case Kind::Excavator:
        case Kind::Wheelbarrow:
        case Kind::Crane:
          return true;
        default:
          return false;
      }
    case ChangeType::Rotate:
      return it.angle == 0 && IsTurnable(it.kind);
    case ChangeType::Pattern:
      return IsPatternable(it.kind);
    case ChangeType::Count:
      return IsCountable(it.kind);
    default:
      return true;
  }
}

// A candidate change of the given type, or nothing when the scene has no
// object it suits.
std::optional<Change> Propose(const Scene& scene, ChangeType type, const std::vector<bool>& used,
                              const std::vector<bool>& spareUsed, const DifferenceRules& rules, Rng& r) {
  Change c;
  c.type = type;
  if (type == ChangeType::Add) {
    if (scene.spares.empty()) return std::nullopt;
    c.index = static_cast<std::size_t>(r.Int(0, static_cast<int>(scene.spares.size()) - 1));
    if (spareUsed[c.index]) return std::nullopt;
    c.after = scene.spares[c.index];
    return c;
  }
  if (scene.items.empty()) return std::nullopt;
  // Choose the kind of object first, so twenty books on a shelf do not draw
  // every difference to the shelf.
  std::vector<Kind> kinds;
  for (const Item& item : scene.items)
    if (!item.locked && std::find(kinds.begin(), kinds.end(), item.kind) == kinds.end()) kinds.push_back(item.kind);
  if (kinds.empty()) return std::nullopt;
  const Kind kind = kinds[static_cast<std::size_t>(r.Int(0, static_cast<int>(kinds.size()) - 1))];
  std::vector<std::size_t> ofKind;
  for (std::size_t i = 0; i < scene.items.size(); ++i)
    if (scene.items[i].kind == kind) ofKind.push_back(i);
  c.index = ofKind[static_cast<std::size_t>(r.Int(0, static_cast<int>(ofKind.size()) - 1))];
  const Item& it = scene.items[c.index];
  if (used[c.index] || !CanChange(it, type)) return std::nullopt;
  c.after = it;
  switch (type) {
    case ChangeType::Recolor:
      c.after.color = RecolorFor(it, r, rules.recolorLumaStep);
      break;
    case ChangeType::Resize:
      c.after.size *= r.Chance(0.5f) ? rules.resizeGrow : rules.resizeShrink;
      break;
    case ChangeType::Move: {
      const float dx = r.Range(rules.moveMin, rules.moveMax) * (r.Chance(0.5f) ? 1 : -1);
      c.after.x += dx;
      // Things in the air may also rise or sink; things on the ground stay on it.
      if (it.depth < -500) c.after.y += r.Range(-12, 12), c.after.depth = -1000 + c.after.y;
      break;
    }
    case ChangeType::Mirror:
      c.after.mirrored = !it.mirrored;
      break;
    case ChangeType::Reshape:
      c.after.variant = it.variants % 2 == 0 ? it.variant ^ 1 : (it.variant + 1) % it.variants;
      break;
    case ChangeType::Rotate:
      c.after.angle = r.Range(rules.turnMin, rules.turnMax) * (r.Chance(0.5f) ? 1 : -1);
      break;
    case ChangeType::Pattern:
      // A plain thing gets a pattern; a patterned one another or none.
      c.after.pattern = it.pattern == 0 ? r.Int(1, kPatternCount) : (it.pattern % kPatternCount) + 1;
      break;
    case ChangeType::Count: {
      // One more of the same, just beside it, as if it had always been there.
      const Box b = ItemBounds(it);
      const float step = std::max(6.0f, b.Width() * r.Range(0.75f, 0.95f));
      c.after.x += r.Chance(0.5f) ? step : -step;
      c.after.y += r.Range(-0.08f, 0.08f) * b.Height();
      c.after.depth = it.depth + 0.01f;
      c.after.seed = it.seed * 2654435761u + 1;
      c.after.mirrored = r.Chance(0.5f);
      break;
    }
    default:
      break;
  }
  return c;
}

// Rectangles keep a block of space between them, and their centres stay
// apart, so the five differences spread over the picture.
bool TooClose(const Box& rect, const std::vector<Difference>& chosen) {
  for (const Difference& d : chosen) {
    if (!Intersect(Grow(rect, kBlock - 1), d.rect).Empty()) return true;
    const float dx = (rect.x0 + rect.x1 - d.rect.x0 - d.rect.x1) * 0.5f;
    const float dy = (rect.y0 + rect.y1 - d.rect.y0 - d.rect.y1) * 0.5f;
    if (std::hypot(dx, dy) < kMinCentreDistance) return true;
  }
  return false;
}

}  // namespace

namespace {

// Five differences on five kinds of thing: a second cloud or a second apple
// would make the pair feel repetitive.
bool ChangesKindAgain(const Change& change, const std::vector<Difference>& chosen) {
  for (const Difference& d : chosen)
    if (d.change.after.kind == change.after.kind) return true;
  return false;
}

}  // namespace

int CountChangesOutside(const Pixels& a, const Pixels& b, int width, int height, const std::vector<Box>& rects) {
  int count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool inside = false;
      for (const Box& r : rects) inside = inside || (x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1);
      if (inside) continue;
      const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
      if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ++count;
    }
  }
  return count;
}

std::optional<PairPlan> PlanDifferences(const Scene& scene, const Image& base, const Pixels& baseRgb,
                                        std::uint64_t seed) {
  return PlanDifferences(scene, base, baseRgb, seed, MediumRules());
}

namespace {

ChangeType PickType(const DifferenceRules& rules, Rng& r) {
  int total = 0;
  for (int w : rules.weights) total += w;
  int pick = r.Int(0, std::max(0, total - 1));
  for (int t = 0; t < kChangeTypeCount; ++t) {
    pick -= rules.weights[static_cast<std::size_t>(t)];
    if (pick < 0) return static_cast<ChangeType>(t);
  }
  return ChangeType::Remove;
}

// The five differences range from small to large: the first half of the
// search looks for the size band a slot asks for, the rest takes any fair
// size, so a scene without a fitting object still gets its five.
enum class SizeBand { Small, Any, Large };
bool FitsBand(SizeBand band, int strongPixels, const DifferenceRules& rules) {
  switch (band) {
    case SizeBand::Small:
      return strongPixels < std::max(500, rules.minStrongPixels * 2);
    case SizeBand::Large:
      // Without an upper limit there is nothing to be large against: every
      // fair size counts. The product is taken in 64 bits, so an unlimited
      // maximum cannot overflow.
      if (rules.maxStrongPixels >= kUnlimitedStrongPixels) return true;
      return strongPixels >= std::min<long long>(900, static_cast<long long>(rules.maxStrongPixels) * 3 / 5);
    default:
      return true;
  }
}

}  // namespace

std::optional<PairPlan> PlanDifferences(const Scene& scene, const Image& base, const Pixels& baseRgb,
                                        std::uint64_t seed, const DifferenceRules& rules) {
  Rng r(seed);
  PairPlan plan;
  std::vector<bool> used(scene.items.size(), false), spareUsed(scene.spares.size(), false);
  std::array<int, kChangeTypeCount> typeUses{};
  constexpr int kAttempts = 400;
  constexpr SizeBand kBands[] = {SizeBand::Small, SizeBand::Large, SizeBand::Any, SizeBand::Any, SizeBand::Any};
  MeasureScratch scratch;
  for (int attempt = 0; attempt < kAttempts && plan.differences.size() < 5; ++attempt) {
    // Prefer the kinds of change used least so far, so a pair mixes them.
    const ChangeType type = PickType(rules, r);
    if (typeUses[static_cast<int>(type)] > 0 && r.Chance(0.8f)) continue;
    const std::optional<Change> change = Propose(scene, type, used, spareUsed, rules, r);
    if (!change || ChangesKindAgain(*change, plan.differences)) continue;
    const ChangeFootprint footprint = MeasureWith(scratch, scene, base, baseRgb, *change);
    const Box rect = RectangleFor(footprint.changed);
    if (!IsFairChange(footprint, rect, rules) || TooClose(rect, plan.differences)) continue;
    if (attempt < kAttempts / 2 && !FitsBand(kBands[plan.differences.size()], footprint.strongPixels, rules)) continue;
    plan.differences.push_back({*change, rect});
    ++typeUses[static_cast<int>(type)];
    if (type == ChangeType::Add) spareUsed[change->index] = true;
    // A counted object stays in the picture but is not changed again.
    else used[change->index] = true;
  }
  if (plan.differences.size() < 5) return std::nullopt;

  std::vector<Change> changes;
  for (const Difference& d : plan.differences) changes.push_back(d.change);
  plan.secondItems = ApplyChanges(scene, changes);
  return plan;
}

}  // namespace scenegen

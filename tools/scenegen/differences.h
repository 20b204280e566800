#pragma once
// Choosing the five differences of a picture pair. Every candidate change is
// painted and compared with the unchanged scene, so each rectangle is
// measured from the pixels, not guessed from the object's shape.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "noise.h"
#include "scene.h"

namespace scenegen {

enum class ChangeType { Remove, Add, Recolor, Resize, Move, Mirror, Reshape };
inline constexpr int kChangeTypeCount = 7;
std::string ChangeTypeName(ChangeType type);

struct Change {
  ChangeType type = ChangeType::Remove;
  std::size_t index = 0;  // into the scene's items, or its spares for Add
  Item after;             // the object as the second picture shows it
};

// The items of the second picture: the scene's items with `changes` made.
std::vector<Item> ApplyChanges(const Scene& scene, const std::vector<Change>& changes);

// 8-bit RGB rows of the picture size.
using Pixels = std::vector<std::uint8_t>;

// What a change does to the finished picture.
struct ChangeFootprint {
  Box changed;           // every pixel that differs at all
  int strongPixels = 0;  // pixels where a channel moves by at least kStrongStep
  Box strong;            // where those pixels lie
};
inline constexpr int kStrongStep = 48;
ChangeFootprint MeasureChange(const Scene& scene, const Image& base, const Pixels& baseRgb, const Change& change);

// The rectangle a player must click: the changed pixels with a margin,
// at least kMinRectSide on each side, widened to whole 8 x 8 blocks so the
// JPEG blocks outside it are identical in both pictures.
inline constexpr int kRectMargin = 3;
inline constexpr int kMinRectSide = 32;  // 24 or more however the edges are counted
inline constexpr int kBlock = 8;
Box RectangleFor(const Box& changed);

// Limits that keep a difference findable but not glaring.
inline constexpr int kMaxRectSide = 120;
inline constexpr int kMaxRectArea = 96 * 96;
inline constexpr int kMinStrongPixels = 70;
inline constexpr int kMinStrongSide = 6;  // a change thinner than this is a hairline, not a find
inline constexpr float kMinCentreDistance = 70;
bool IsFairChange(const ChangeFootprint& footprint, const Box& rect);

// The colour a recoloured object takes: one it could really have (an autumn
// tree, a green apple, a black cat), clearly different from its own.
Color RecolorFor(const Item& it, Rng& r);

struct Difference {
  Change change;
  Box rect;  // half-open, block aligned
};

struct PairPlan {
  std::vector<Difference> differences;  // exactly five when chosen
  std::vector<Item> secondItems;
};

// Picks five fair, non-overlapping differences, or nothing when the scene
// offers too few. Deterministic for a given scene and seed.
std::optional<PairPlan> PlanDifferences(const Scene& scene, const Image& base, const Pixels& baseRgb,
                                        std::uint64_t seed);

// Pixels that differ between two pictures outside all `rects`.
int CountChangesOutside(const Pixels& a, const Pixels& b, int width, int height, const std::vector<Box>& rects);

}  // namespace scenegen

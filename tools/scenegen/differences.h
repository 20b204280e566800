#pragma once
// Choosing the five differences of a picture pair. Every candidate change is
// painted and compared with the unchanged scene, so each rectangle is
// measured from the pixels, not guessed from the object's shape.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gamefile/jpeg_info.h"
#include "noise.h"
#include "scene.h"

namespace scenegen {

enum class ChangeType { Remove, Add, Recolor, Resize, Move, Mirror, Reshape, Rotate, Pattern, Count };
inline constexpr int kChangeTypeCount = 10;
std::string ChangeTypeName(ChangeType type);

struct Change {
  ChangeType type = ChangeType::Remove;
  std::size_t index = 0;  // into the scene's items, or its spares for Add
  Item after;             // the object as the second picture shows it; for
                          // Count the one more of its kind beside it
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
  int greyPixels = 0;    // pixels whose brightness moves by at least kGreyStep
};
inline constexpr int kStrongStep = 48;
// Brightness as a greyscale copy shows it (Rec. 601 weights, 0..255). A
// change must show there too, or a colour-blind player cannot find it.
inline int GreyOf(const std::uint8_t* rgb) { return (299 * rgb[0] + 587 * rgb[1] + 114 * rgb[2] + 500) / 1000; }
inline constexpr int kGreyStep = 32;
ChangeFootprint MeasureChange(const Scene& scene, const Image& base, const Pixels& baseRgb, const Change& change);

// The rectangle a player must click: the changed pixels with a margin,
// at least kMinRectSide on each side, widened to whole 8 x 8 blocks so the
// JPEG blocks outside it are identical in both pictures.
inline constexpr int kRectMargin = 3;
inline constexpr int kMinRectSide = 32;  // 24 or more however the edges are counted
inline constexpr int kBlock = gamefile::kJpegBlock;
Box RectangleFor(const Box& changed);

// Limits that keep a difference findable but not glaring.
inline constexpr int kMaxRectSide = 120;
inline constexpr int kMaxRectArea = 96 * 96;
inline constexpr int kMinStrongPixels = 100;
inline constexpr int kMinGreyPixels = 100;
// The planner asks for a third more, so JPEG coding cannot wear a change
// down below kMinGreyPixels.
inline constexpr int kPlannedGreyPixels = kMinGreyPixels * 4 / 3;
inline constexpr int kMinStrongSide = 6;  // a change thinner than this is a hairline, not a find
inline constexpr float kMinCentreDistance = 70;
bool IsFairChange(const ChangeFootprint& footprint, const Box& rect);

// The colour a recoloured object takes: one it could really have (an autumn
// tree, a green apple, a black cat), clearly different from its own in
// brightness as well as in hue (at least `minLumaStep`, 0..1).
inline constexpr float kMinRecolorLumaStep = 0.2f;
Color RecolorFor(const Item& it, Rng& r, float minLumaStep = kMinRecolorLumaStep);
float LumaOf(Color c);

// A maximum that limits nothing: easy and medium rules set no upper size.
inline constexpr int kUnlimitedStrongPixels = 1 << 30;

// How hard the differences of a pair are to find: which sorts of change are
// preferred, how large their footprints may be and how bold each change is.
struct DifferenceRules {
  int minStrongPixels = kMinStrongPixels;
  int maxStrongPixels = kUnlimitedStrongPixels;
  int maxRectSide = kMaxRectSide;
  int maxRectArea = kMaxRectArea;
  float resizeGrow = 1.4f, resizeShrink = 0.68f;
  float moveMin = 16, moveMax = 28;        // pixels
  float turnMin = 0.35f, turnMax = 0.55f;  // radians
  float recolorLumaStep = 0.25f;
  std::array<int, kChangeTypeCount> weights{3, 3, 3, 3, 3, 2, 2, 2, 2, 2};
};
DifferenceRules EasyRules();
DifferenceRules MediumRules();
DifferenceRules HardRules();
bool IsFairChange(const ChangeFootprint& footprint, const Box& rect, const DifferenceRules& rules);

// Which kinds of thing suit the newer sorts of change. A new Kind goes into
// each list it fits; one in none still gets the other seven sorts.
bool IsTurnable(Kind kind);
bool IsPatternable(Kind kind);
bool IsCountable(Kind kind);

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
std::optional<PairPlan> PlanDifferences(const Scene& scene, const Image& base, const Pixels& baseRgb,
                                        std::uint64_t seed, const DifferenceRules& rules);

// Pixels inside `rect` whose brightness differs by at least kGreyStep.
int CountGreyChanges(const Pixels& a, const Pixels& b, int width, const Box& rect);

// Pixels that differ between two pictures outside all `rects`.
int CountChangesOutside(const Pixels& a, const Pixels& b, int width, int height, const std::vector<Box>& rects);

}  // namespace scenegen

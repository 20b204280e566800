#pragma once
// Five differences made in a copy of a fitted photo: objects removed and
// filled from their surroundings, duplicated, recoloured, mirrored, resized
// or rotated. Each is blended into the photo, lies in its own 8 x 8-aligned
// rectangle, changes nothing outside it, and changes brightness enough to
// be seen without colour. The pair is checked for fairness as the JPEGs the
// player will see; a photo with too little to change is refused.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fairness/fairness.h"
#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"
#include "gamefile/result.h"
#include "photo/fit.h"

namespace photo {

enum class EditKind { Removed, Duplicated, Recoloured, Mirrored, Resized, Rotated };
inline constexpr int kEditKindCount = 6;
// German, as qxtool lists the differences.
std::string EditName(EditKind kind);

// A difference is visible without colour when at least kMinLumaPixels of
// its pixels change in brightness (luma) by kLumaStep or more.
inline constexpr int kLumaStep = 20;
inline constexpr int kMinLumaPixels = 150;
// Rectangles: 8 x 8 blocks, 32 to 120 pixels a side, a block apart, centres
// at least kMinCentreDistance apart, at most two in a quarter of the picture.
inline constexpr int kBlock = gamefile::kJpegBlock;
inline constexpr int kMinBoxSide = 32;
inline constexpr int kMaxBoxSide = 120;
inline constexpr int kMinCentreDistance = 70;

struct Difference {
  EditKind kind = EditKind::Removed;
  fairness::Box box;      // block aligned, every changed pixel inside
  int lumaPixels = 0;     // measured on the decoded JPEGs
};

struct PhotoPair {
  Picture first;              // the fitted photo
  Picture second;             // with the five differences
  gamefile::Bytes firstJpeg;
  gamefile::Bytes secondJpeg;
  std::array<Difference, gamefile::kRectsPerPicture> differences{};
  gamefile::RectSet rects{};  // as stored: covering each box
};

// Deterministic for one picture and seed. Refuses (BadPicture, German
// detail) a picture offering fewer than five fair differences.
gamefile::Result<PhotoPair> MakePair(const Picture& fitted, std::uint64_t seed);

// Pixels inside `box` whose luma differs by at least `step`.
int CountLumaChanges(const Picture& a, const Picture& b, const fairness::Box& box, int step = kLumaStep);

}  // namespace photo

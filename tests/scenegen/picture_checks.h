#pragma once
// What the scene tests measure on finished pictures: how alike a run of
// pictures is, and how plainly a pair's differences show.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "picture_set.h"
#include "similarity.h"

namespace scenegen {

// Measured as the tool measures a set before it keeps it.
inline SetSimilarity SimilarityOf(const std::vector<Pixels>& pictures) {
  std::vector<const Pixels*> each;
  for (const Pixels& picture : pictures) each.push_back(&picture);
  return MeasureSimilarity(each, kPictureWidth, kPictureHeight);
}

inline std::vector<Box> RectanglesOf(const PicturePair& pair) {
  std::vector<Box> rects;
  for (const Difference& d : pair.differences) rects.push_back(d.rect);
  return rects;
}

// Pixels inside `rect` where some channel moves by at least kStrongStep:
// changes the eye catches at once, whatever the colours.
inline int CountStrongChanges(const PicturePair& pair, const Box& rect) {
  int count = 0;
  for (int y = rect.y0; y < rect.y1; ++y)
    for (int x = rect.x0; x < rect.x1; ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * kPictureWidth + x) * 3;
      int step = 0;
      for (int k = 0; k < 3; ++k) step = std::max(step, std::abs(pair.first[i + k] - pair.second[i + k]));
      count += step >= kStrongStep;
    }
  return count;
}

}  // namespace scenegen

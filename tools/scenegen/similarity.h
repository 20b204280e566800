#pragma once
// Whether the pictures of a set look like variations of one picture. Two
// pictures of one composition share where their light and dark masses lie,
// whatever objects move about: small greyscale thumbnails catch that, and
// colour histograms catch two pictures of one palette and light.
#include <cstdint>
#include <utility>
#include <vector>

#include "differences.h"

namespace scenegen {

inline constexpr int kThumbWidth = 24, kThumbHeight = 21;

// A picture shrunk to kThumbWidth x kThumbHeight grey averages, then set to
// mean 0 and length 1, so the dot product of two is their correlation.
std::vector<float> GreyThumbnail(const Pixels& rgb, int width, int height);
// 4 x 4 x 4 colour bins, summing to 1.
std::vector<float> ColourHistogram(const Pixels& rgb);

float ThumbnailCorrelation(const std::vector<float>& a, const std::vector<float>& b);
float HistogramOverlap(const std::vector<float>& a, const std::vector<float>& b);  // 0..1

struct SetSimilarity {
  int pictures = 0;
  float maxCorrelation = -1, meanCorrelation = 0;
  int closestA = -1, closestB = -1;  // the two most alike by thumbnail
  float maxOverlap = 0, meanOverlap = 0;
  // Pairs alike both in layout and in colour: what a player would call
  // the same picture again.
  int lookAlikes = 0;
  std::vector<std::pair<int, int>> lookAlikePairs;  // indices, the first lower
};

// Two pictures look alike when their layouts match closely and their
// colours too, or when their layouts match almost exactly, whatever the
// colours (one harbour by day and by night is still one harbour).
inline constexpr float kLookAlikeCorrelation = 0.9f;
inline constexpr float kLookAlikeOverlap = 0.8f;
inline constexpr float kSameLayoutCorrelation = 0.94f;
bool LookAlike(float correlation, float overlap, float margin = 0);

// Keeps a set free of look-alikes while it is being made: a picture is
// taken only when it looks like none taken before.
class LookAlikeGuard {
 public:
  bool LooksNew(const Pixels& rgb, int width, int height) const;
  void Take(const Pixels& rgb, int width, int height);

 private:
  std::vector<std::vector<float>> thumbs_, histograms_;
};

// Compares every two of `pictures` (8-bit RGB of one size).
SetSimilarity MeasureSimilarity(const std::vector<const Pixels*>& pictures, int width, int height);

}  // namespace scenegen

#include "similarity.h"

#include <algorithm>
#include <cmath>

namespace scenegen {

std::vector<float> GreyThumbnail(const Pixels& rgb, int width, int height) {
  std::vector<float> sum(kThumbWidth * kThumbHeight, 0.0f), count(sum.size(), 0.0f);
  for (int y = 0; y < height; ++y) {
    const int ty = y * kThumbHeight / height;
    for (int x = 0; x < width; ++x) {
      const int t = ty * kThumbWidth + x * kThumbWidth / width;
      sum[t] += static_cast<float>(GreyOf(&rgb[(static_cast<std::size_t>(y) * width + x) * 3]));
      count[t] += 1;
    }
  }
  float mean = 0;
  for (std::size_t i = 0; i < sum.size(); ++i) mean += sum[i] /= std::max(1.0f, count[i]);
  mean /= static_cast<float>(sum.size());
  float length = 0;
  for (float& v : sum) {
    v -= mean;
    length += v * v;
  }
  length = std::sqrt(length);
  // A flat picture has no layout to compare; it stays all zero.
  if (length > 1e-3f)
    for (float& v : sum) v /= length;
  return sum;
}

std::vector<float> ColourHistogram(const Pixels& rgb) {
  std::vector<float> bins(64, 0.0f);
  const std::size_t pixels = rgb.size() / 3;
  for (std::size_t i = 0; i < pixels; ++i)
    bins[(rgb[3 * i] >> 6) * 16 + (rgb[3 * i + 1] >> 6) * 4 + (rgb[3 * i + 2] >> 6)] += 1;
  for (float& b : bins) b /= static_cast<float>(std::max<std::size_t>(1, pixels));
  return bins;
}

float ThumbnailCorrelation(const std::vector<float>& a, const std::vector<float>& b) {
  float dot = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) dot += a[i] * b[i];
  return dot;
}

float HistogramOverlap(const std::vector<float>& a, const std::vector<float>& b) {
  float overlap = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) overlap += std::min(a[i], b[i]);
  return overlap;
}

bool LookAlike(float correlation, float overlap, float margin) {
  if (correlation > kSameLayoutCorrelation - margin) return true;
  return correlation > kLookAlikeCorrelation - margin && overlap > kLookAlikeOverlap - margin;
}

bool LookAlikeGuard::LooksNew(const Pixels& rgb, int width, int height) const {
  const std::vector<float> thumb = GreyThumbnail(rgb, width, height), histogram = ColourHistogram(rgb);
  // A little stricter than the check on the finished set, which sees the
  // pictures after JPEG coding.
  constexpr float kMargin = 0.02f;
  for (std::size_t i = 0; i < thumbs_.size(); ++i)
    if (LookAlike(ThumbnailCorrelation(thumb, thumbs_[i]), HistogramOverlap(histogram, histograms_[i]), kMargin))
      return false;
  return true;
}

void LookAlikeGuard::Take(const Pixels& rgb, int width, int height) {
  thumbs_.push_back(GreyThumbnail(rgb, width, height));
  histograms_.push_back(ColourHistogram(rgb));
}

SetSimilarity MeasureSimilarity(const std::vector<const Pixels*>& pictures, int width, int height) {
  std::vector<std::vector<float>> thumbs, histograms;
  for (const Pixels* p : pictures) {
    thumbs.push_back(GreyThumbnail(*p, width, height));
    histograms.push_back(ColourHistogram(*p));
  }
  SetSimilarity s;
  s.pictures = static_cast<int>(pictures.size());
  int compared = 0;
  for (std::size_t i = 0; i < thumbs.size(); ++i)
    for (std::size_t j = 0; j < i; ++j) {
      const float c = ThumbnailCorrelation(thumbs[i], thumbs[j]);
      const float o = HistogramOverlap(histograms[i], histograms[j]);
      ++compared;
      s.meanCorrelation += c;
      s.meanOverlap += o;
      if (c > s.maxCorrelation) s.maxCorrelation = c, s.closestA = static_cast<int>(j), s.closestB = static_cast<int>(i);
      s.maxOverlap = std::max(s.maxOverlap, o);
      if (LookAlike(c, o)) {
        ++s.lookAlikes;
        s.lookAlikePairs.emplace_back(static_cast<int>(j), static_cast<int>(i));
      }
    }
  if (compared > 0) s.meanCorrelation /= static_cast<float>(compared), s.meanOverlap /= static_cast<float>(compared);
  return s;
}

}  // namespace scenegen

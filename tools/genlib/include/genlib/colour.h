#pragma once
// The colour arithmetic the generators share, on plain 0..1 components.
#include <algorithm>

namespace genlib {

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline float SmoothStep(float e0, float e1, float x) {
  const float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
// Brightness as a greyscale copy shows it (Rec. 601 weights).
inline float Luma(float r, float g, float b) { return 0.299f * r + 0.587f * g + 0.114f * b; }

// Hue in turns (0..1), saturation and value in 0..1.
struct Hsv {
  float h = 0, s = 0, v = 0;
};
Hsv RgbToHsv(float r, float g, float b);
void HsvToRgb(Hsv hsv, float& r, float& g, float& b);

}  // namespace genlib

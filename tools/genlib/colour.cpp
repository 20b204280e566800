#include "genlib/colour.h"

#include <cmath>

namespace genlib {

Hsv RgbToHsv(float r, float g, float b) {
  const float mx = std::max({r, g, b});
  const float mn = std::min({r, g, b});
  const float d = mx - mn;
  Hsv out{0, mx > 0 ? d / mx : 0, mx};
  if (d <= 0) return out;
  float h;
  if (mx == r) {
    h = (g - b) / d;
  } else if (mx == g) {
    h = 2 + (b - r) / d;
  } else {
    h = 4 + (r - g) / d;
  }
  h /= 6;
  if (h < 0) h += 1;
  out.h = h;
  return out;
}

void HsvToRgb(Hsv hsv, float& r, float& g, float& b) {
  const float h = (hsv.h - std::floor(hsv.h)) * 6;
  const int sector = static_cast<int>(h) % 6;
  const float f = h - std::floor(h);
  const float v = hsv.v, s = hsv.s;
  const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (sector) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
}

}  // namespace genlib

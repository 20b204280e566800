#include "color.h"

namespace scenegen {

Hsv ToHsv(Color c) {
  const float mx = std::max({c.r, c.g, c.b});
  const float mn = std::min({c.r, c.g, c.b});
  const float d = mx - mn;
  Hsv out{0, mx > 0 ? d / mx : 0, mx};
  if (d <= 0) return out;
  float h;
  if (mx == c.r) {
    h = (c.g - c.b) / d;
  } else if (mx == c.g) {
    h = 2 + (c.b - c.r) / d;
  } else {
    h = 4 + (c.r - c.g) / d;
  }
  h /= 6;
  if (h < 0) h += 1;
  out.h = h;
  return out;
}

Color FromHsv(Hsv hsv) {
  const float h = (hsv.h - std::floor(hsv.h)) * 6;
  const int sector = static_cast<int>(h) % 6;
  const float f = h - std::floor(h);
  const float v = hsv.v, s = hsv.s;
  const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (sector) {
    case 0:
      return {v, t, p};
    case 1:
      return {q, v, p};
    case 2:
      return {p, v, t};
    case 3:
      return {p, q, v};
    case 4:
      return {t, p, v};
    default:
      return {v, p, q};
  }
}

Color RecolorHue(Color c, float turn) {
  Hsv hsv = ToHsv(c);
  hsv.h += turn;
  hsv.s = std::max(hsv.s, 0.55f);
  hsv.v = std::clamp(hsv.v, 0.35f, 0.9f);
  return FromHsv(hsv);
}

}  // namespace scenegen

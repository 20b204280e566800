#include "color.h"

namespace scenegen {

Hsv ToHsv(Color c) {
  const genlib::Hsv hsv = genlib::RgbToHsv(c.r, c.g, c.b);
  return {hsv.h, hsv.s, hsv.v};
}

Color FromHsv(Hsv hsv) {
  Color c;
  genlib::HsvToRgb({hsv.h, hsv.s, hsv.v}, c.r, c.g, c.b);
  return c;
}

Color RecolorHue(Color c, float turn) {
  Hsv hsv = ToHsv(c);
  hsv.h += turn;
  hsv.s = std::max(hsv.s, 0.55f);
  hsv.v = std::clamp(hsv.v, 0.35f, 0.9f);
  return FromHsv(hsv);
}

}  // namespace scenegen

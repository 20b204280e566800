#pragma once
// Picture pairs for the colour-only hint: a textured scene with five
// coloured objects, and changes of known kind (hue only at equal
// brightness, or with brightness) made to one of them.
#include <turbojpeg.h>

#include <cstdint>
#include <vector>

#include "fairness/fairness.h"

namespace colourtest {

struct Rgb {
  std::uint8_t r, g, b;
};

// Equal brightness (luma 0.299 R + 0.587 G + 0.114 B, about 99): the pair a
// red-green blind player cannot tell apart.
inline constexpr Rgb kGreen{40, 140, 40};
inline constexpr Rgb kRed{236, 40, 40};
// Far brighter than both.
inline constexpr Rgb kYellow{245, 230, 70};

inline int Luma(Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

// The five objects of every scene, far apart; their rectangles in the game
// file's order x1, x2, y1, y2, with a margin round each.
inline constexpr fairness::Box kObjects[5] = {
    {40, 40, 100, 96}, {200, 60, 250, 110}, {370, 30, 430, 80}, {90, 290, 150, 350}, {320, 300, 390, 360}};
inline constexpr Rgb kObjectColours[5] = {kGreen, {60, 60, 160}, {200, 120, 40}, kGreen, {150, 40, 150}};

inline gamefile::RectSet RectsAroundObjects() {
  gamefile::RectSet rects{};
  for (int i = 0; i < 5; ++i) {
    const auto& b = kObjects[i];
    const auto u = [](int v) { return static_cast<std::uint16_t>(v); };
    rects[i] = {u(b.left - 8), u(b.right + 8), u(b.top - 8), u(b.bottom + 8)};
  }
  return rects;
}

inline void Paint(fairness::Picture& p, const fairness::Box& b, Rgb c) {
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x) {
      std::uint8_t* px = &p.rgb[(static_cast<std::size_t>(y) * p.width + x) * 3];
      px[0] = c.r, px[1] = c.g, px[2] = c.b;
    }
}

// Mid-grey ground with soft gradients, fine grain and stripes, so JPEG has
// texture to get wrong; the objects carry a darker outline as drawn ones do.
inline fairness::Picture Scene() {
  fairness::Picture p{488, 430, std::vector<std::uint8_t>(488 * 430 * 3)};
  std::uint32_t grain = 12345;
  for (int y = 0; y < 430; ++y)
    for (int x = 0; x < 488; ++x) {
      grain = grain * 1103515245u + 12345u;
      const int noise = static_cast<int>((grain >> 16) % 13) - 6;
      const int stripe = ((x / 9 + y / 13) % 2) ? 12 : -12;
      std::uint8_t* px = &p.rgb[(static_cast<std::size_t>(y) * 488 + x) * 3];
      px[0] = static_cast<std::uint8_t>(110 + x / 16 + noise + stripe);
      px[1] = static_cast<std::uint8_t>(120 + y / 20 + noise + stripe);
      px[2] = static_cast<std::uint8_t>(100 + noise);
    }
  for (int i = 0; i < 5; ++i) {
    const auto& b = kObjects[i];
    Paint(p, {b.left - 2, b.top - 2, b.right + 2, b.bottom + 2}, {30, 30, 30});
    Paint(p, b, kObjectColours[i]);
  }
  return p;
}

// Object `index` of the scene painted in `colour` (its outline stays).
inline fairness::Picture Recoloured(fairness::Picture p, int index, Rgb colour) {
  Paint(p, kObjects[index], colour);
  return p;
}

// Through JPEG and back, as every picture of a game file goes.
inline std::vector<std::uint8_t> Jpeg(const fairness::Picture& p, int quality, int subsampling) {
  tjhandle c = tjInitCompress();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  tjCompress2(c, p.rgb.data(), p.width, p.width * 3, p.height, TJPF_RGB, &out, &size, subsampling, quality, 0);
  std::vector<std::uint8_t> bytes(out, out + size);
  tjFree(out);
  tjDestroy(c);
  return bytes;
}

inline fairness::Picture ThroughJpeg(const fairness::Picture& p, int quality, int subsampling) {
  auto decoded = fairness::DecodePicture(Jpeg(p, quality, subsampling));
  return decoded.ok() ? *decoded : fairness::Picture{};
}

}  // namespace colourtest

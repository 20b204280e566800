#pragma once
// Background layers painted pixel by pixel: skies, hills, water, ground,
// walls and cloth. Each takes the rows it covers and leaves the rest alone.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas.h"

namespace scenegen {

// Per-pixel work over rows y0..y1 of the whole width.
template <typename Painter>
void ForRows(Image& image, float y0, float y1, Painter paint) {
  const int a = std::max(0, static_cast<int>(std::floor(y0)));
  const int b = std::min(image.Height(), static_cast<int>(std::ceil(y1)));
  for (int y = a; y < b; ++y)
    for (int x = 0; x < image.Width(); ++x) paint(x, y, image.At(x, y));
}

// An ellipse painted straight onto a background.
template <typename Shader>
void FillEllipse(Image& image, float cx, float cy, float rx, float ry, Shader shade, float alpha = 1, float soft = 0) {
  Canvas c(image);
  c.Fill(
      cx - rx, cy - ry, cx + rx, cy + ry, [=](float px, float py) { return EllipseDistance(px, py, cx, cy, rx, ry); },
      shade, alpha, soft);
}

struct SkyLight {
  Color top, horizon;
  Color sun;
  float sunX, sunY;  // pixels; the glow is drawn even when the sun is hidden
  float sunGlow;     // 0 = none
};

void PaintSky(Image& image, float horizonY, const SkyLight& sky, std::uint32_t seed);

// A band of land whose upper edge wanders around ridgeY by `amplitude`
// pixels; rows below the ridge down to the image bottom are filled.
struct Ridge {
  float ridgeY, amplitude, wavelength;
  Color top, bottom;
  float texture;       // brightness swing of the surface noise
  float textureScale;  // noise features per pixel
  std::uint32_t seed;
  float haze = 0;  // mix towards hazeColor (distance)
  Color hazeColor{};
  Color snow{};  // snow above snowLine when snowLine is set
  float snowLine = -1;
};
float RidgeHeight(const Ridge& ridge, float x);
void PaintRidge(Image& image, const Ridge& ridge);

struct Water {
  float y0, y1;
  Color far, near;
  Color glint;
  std::uint32_t seed;
};
void PaintWater(Image& image, const Water& water);

// Grass with blades and mown stripes; `stripes` 0 for a wild meadow.
void PaintGrass(Image& image, float y0, Color far, Color near, float stripes, std::uint32_t seed);

// Wallpaper: vertical stripes or a small repeating flower pattern.
void PaintWallpaper(Image& image, float y0, float y1, Color base, Color pattern, int style, std::uint32_t seed);

// Wooden boards seen from slightly above, with grain and seams.
void PaintFloorboards(Image& image, float y0, float y1, Color wood, std::uint32_t seed);

// Cloth hanging in soft vertical folds.
void PaintDrapery(Image& image, float y0, float y1, Color cloth, std::uint32_t seed);

// Stones laid in rows (quays, streets, walls).
void PaintCobbles(Image& image, float y0, float y1, Color stone, float stoneWidth, std::uint32_t seed);

}  // namespace scenegen

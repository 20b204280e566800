#include "backdrop.h"

#include "noise.h"

namespace scenegen {

void PaintSky(Image& image, float horizonY, const SkyLight& sky, std::uint32_t seed) {
  ForRows(image, 0, horizonY + 40, [&](int x, int y, Color& px) {
    const float t = Clamp01(y / std::max(1.0f, horizonY));
    Color c = Mix(sky.top, sky.horizon, std::pow(t, 1.6f));
    const float d = std::hypot(x - sky.sunX, (y - sky.sunY) * 1.2f);
    c = c + sky.sun * (sky.sunGlow * (std::exp(-d / 45.0f) * 0.6f + std::exp(-d / 160.0f) * 0.35f));
    // Thin high haze streaks.
    const float streak = Fbm(x * 0.006f, y * 0.03f, seed, 4);
    c = Mix(c, Lighter(sky.horizon, 0.3f), SmoothStep(0.55f, 0.85f, streak) * 0.25f);
    px = c;
  });
}

float RidgeHeight(const Ridge& r, float x) {
  const float n = Fbm(x / r.wavelength, 0.5f, r.seed, 5);
  return r.ridgeY - (n - 0.5f) * 2 * r.amplitude;
}

void PaintRidge(Image& image, const Ridge& r) {
  std::vector<float> edge(image.Width()), slopes(image.Width());
  float top = 1e9f;
  for (int x = 0; x < image.Width(); ++x) {
    edge[x] = RidgeHeight(r, x + 0.5f);
    slopes[x] = RidgeHeight(r, x + 3.0f) - RidgeHeight(r, x - 3.0f);
    top = std::min(top, edge[x]);
  }
  ForRows(image, top - 1, static_cast<float>(image.Height()), [&](int x, int y, Color& px) {
    const float cover = Clamp01(y + 0.5f - edge[x] + 0.5f);
    if (cover <= 0) return;
    const float depth = Clamp01((y - edge[x]) / std::max(1.0f, image.Height() - edge[x]));
    Color c = Mix(r.top, r.bottom, depth);
    const float n = Fbm(x * r.textureScale, y * r.textureScale * 1.6f, r.seed + 17, 4);
    c = c * (1 + (n - 0.5f) * 2 * r.texture);
    // Light from the left: slopes facing it are brighter, near the crest
    // only, so the shading does not run down the land in stripes.
    const float slope = slopes[x];
    c = c * (1 + std::clamp(slope * 0.03f, -0.15f, 0.15f) * std::exp(-(y - edge[x]) / 30.0f));
    if (r.snowLine >= 0 && y < r.snowLine + (n - 0.5f) * 30) c = Mix(c, r.snow, 0.85f);
    c = Mix(c, r.hazeColor, r.haze);
    px = Mix(px, c, cover);
  });
}

void PaintWater(Image& image, const Water& w) {
  ForRows(image, w.y0, w.y1, [&](int x, int y, Color& px) {
    const float t = Clamp01((y - w.y0) / std::max(1.0f, w.y1 - w.y0));
    Color c = Mix(w.far, w.near, t);
    // Ripples: stretched noise, finer near the horizon.
    const float scaleY = 0.35f / (0.25f + t);
    const float ripple = Fbm(x * 0.02f * scaleY, y * scaleY, w.seed, 3);
    c = c * (0.88f + 0.24f * ripple);
    const float glint = SmoothStep(0.8f, 0.9f, ValueNoise(x * 0.05f, y * 0.6f, w.seed + 5)) * (1 - t) * 0.3f;
    px = Mix(c, w.glint, glint);
  });
}

void PaintGrass(Image& image, float y0, Color far, Color near, float stripes, std::uint32_t seed) {
  ForRows(image, y0, static_cast<float>(image.Height()), [&](int x, int y, Color& px) {
    const float t = Clamp01((y - y0) / std::max(1.0f, image.Height() - y0));
    Color c = Mix(far, near, t);
    const float patches = Fbm(x * 0.012f, y * 0.02f, seed, 4);
    const float blades = ValueNoise(x * (0.5f + t), y * 0.08f, seed + 3);
    c = c * (0.8f + 0.35f * patches) * (0.9f + 0.2f * blades);
    if (stripes > 0) {
      const float band = std::sin((x + (y - y0) * 0.35f) / stripes);
      c = c * (1 + 0.06f * (band > 0 ? 1 : -1));
    }
    px = c;
  });
}

void PaintWallpaper(Image& image, float y0, float y1, Color base, Color pattern, int style, std::uint32_t seed) {
  ForRows(image, y0, y1, [&](int x, int y, Color& px) {
    Color c = base * (0.95f + 0.08f * Fbm(x * 0.02f, y * 0.02f, seed, 3));
    float ink = 0;
    if (style % 2 == 0) {
      const float s = std::fmod(static_cast<float>(x), 28.0f);
      ink = (s > 3 && s < 7) ? 0.7f : (s > 15 && s < 16.5f ? 0.5f : 0.0f);
    } else {
      const float cx = std::fmod(x + (static_cast<int>(y / 30) % 2) * 15.0f, 30.0f) - 15;
      const float cy = std::fmod(static_cast<float>(y), 30.0f) - 15;
      const float d = std::hypot(cx, cy);
      ink = Clamp01(4.0f - d) * 0.6f + (std::fabs(d - 7) < 0.8f ? 0.3f : 0.0f);
    }
    px = Mix(c, pattern, ink);
  });
}

void PaintFloorboards(Image& image, float y0, float y1, Color wood, std::uint32_t seed) {
  ForRows(image, y0, y1, [&](int x, int y, Color& px) {
    const float t = Clamp01((y - y0) / std::max(1.0f, y1 - y0));
    // Boards run away from the viewer: their width grows towards the front.
    const float u = (x - image.Width() * 0.5f) / (0.6f + t);
    const float boardF = u / 34.0f;
    const int board = static_cast<int>(std::floor(boardF));
    const float inBoard = boardF - board;
    const float tone = 0.85f + 0.3f * Hash2(board, 0, seed);
    const float grain = Fbm(u * 0.05f + board * 13.0f, y * 0.005f / (0.5f + t), seed + 1, 3);
    Color c = wood * tone * (0.8f + 0.4f * grain) * (0.75f + 0.3f * t);
    if (inBoard < 0.03f || inBoard > 0.97f) c = c * 0.55f;
    px = c;
  });
}

void PaintDrapery(Image& image, float y0, float y1, Color cloth, std::uint32_t seed) {
  ForRows(image, y0, y1, [&](int x, int y, Color& px) {
    const float wobble = Fbm(x * 0.01f, y * 0.004f, seed, 3) * 40.0f;
    const float fold = std::sin((x + wobble) * 0.045f) * 0.5f + std::sin((x + wobble * 0.6f) * 0.11f) * 0.25f;
    const float light = 0.75f + 0.25f * fold - 0.25f * Clamp01(x / static_cast<float>(image.Width()));
    px = cloth * light * (0.96f + 0.08f * ValueNoise(x * 0.3f, y * 0.3f, seed + 2));
  });
}

void PaintCobbles(Image& image, float y0, float y1, Color stone, float stoneWidth, std::uint32_t seed) {
  ForRows(image, y0, y1, [&](int x, int y, Color& px) {
    const float t = Clamp01((y - y0) / std::max(1.0f, y1 - y0));
    const float w = stoneWidth * (0.6f + 0.8f * t), h = w * 0.55f;
    const float rowF = (y - y0) / h;
    const int row = static_cast<int>(std::floor(rowF));
    const float colF = (x + (row % 2) * w * 0.5f) / w;
    const int col = static_cast<int>(std::floor(colF));
    const float fx = colF - col, fy = rowF - row;
    const float edge = std::min({fx, 1 - fx, fy * 0.55f / 0.55f, 1 - fy});
    const float mortar = SmoothStep(0.02f, 0.12f, edge);
    const float tone = 0.8f + 0.35f * Hash2(col, row, seed);
    Color c = stone * tone * (0.9f + 0.2f * ValueNoise(x * 0.2f, y * 0.2f, seed + 1));
    c = c * (0.95f + 0.1f * (0.5f - fy));  // rounded tops catch the light
    px = Mix(Darker(stone, 0.55f), c, mortar);
  });
}

}  // namespace scenegen

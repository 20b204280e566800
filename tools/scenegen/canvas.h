#pragma once
// A floating-point picture and anti-aliased filling of shapes given by signed
// distance functions: the distance from a pixel centre to the shape's edge
// (negative inside) gives each pixel its coverage, so every edge is smooth
// without supersampling.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "color.h"

namespace scenegen {

// Half-open pixel box [x0, x1) x [y0, y1). Empty when x0 >= x1 or y0 >= y1.
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x0 >= x1 || y0 >= y1; }
  int Width() const { return x1 - x0; }
  int Height() const { return y1 - y0; }
  bool operator==(const Box&) const = default;
};
Box Union(const Box& a, const Box& b);
Box Intersect(const Box& a, const Box& b);
Box Grow(const Box& a, int by);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Color fill = {});
  int Width() const { return width_; }
  int Height() const { return height_; }
  Box Bounds() const { return {0, 0, width_, height_}; }
  Color& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Color& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Copies the pixels of `box` from `source`, which has the same size.
  void CopyFrom(const Image& source, const Box& box);

 private:
  int width_ = 0, height_ = 0;
  std::vector<Color> pixels_;
};

// Distance functions in pixel coordinates.
float CircleDistance(float px, float py, float cx, float cy, float r);
float EllipseDistance(float px, float py, float cx, float cy, float rx, float ry);
float BoxDistance(float px, float py, float x0, float y0, float x1, float y1, float radius = 0);
float SegmentDistance(float px, float py, float ax, float ay, float bx, float by);
struct Point {
  float x = 0, y = 0;
};
// Works for any simple polygon, either winding.
float PolygonDistance(float px, float py, std::span<const Point> points);

// Paints into an image, limited to a clip box. In measuring mode nothing is
// painted: every fill only widens `Touched()`, which tells the difference
// finder which pixels an object can reach.
class Canvas {
 public:
  explicit Canvas(Image& target) : target_(&target), clip_(target.Bounds()) {}
  static Canvas Measuring(int width, int height);

  void SetClip(const Box& clip) { clip_ = Intersect(clip, Box{0, 0, width_(), height_()}); }
  Box Touched() const { return touched_; }
  void ResetTouched() { touched_ = {}; }
  bool IsMeasuring() const { return target_ == nullptr; }

  // Fills the shape `distance` (bounded by the given box in pixels) with the
  // colours of `shade`. `alpha` scales the opacity; `softness` widens the
  // edge to that many pixels (shadows, glows, haze).
  template <typename Distance, typename Shader>
  void Fill(float bx0, float by0, float bx1, float by1, Distance distance, Shader shade, float alpha = 1.0f,
            float softness = 0.0f) {
    const float pad = 1.0f + softness;
    Box box{static_cast<int>(std::floor(bx0 - pad)), static_cast<int>(std::floor(by0 - pad)),
            static_cast<int>(std::ceil(bx1 + pad)) + 1, static_cast<int>(std::ceil(by1 + pad)) + 1};
    box = Intersect(box, clip_);
    if (box.Empty() || alpha <= 0) return;
    touched_ = Union(touched_, box);
    if (IsMeasuring()) return;
    const float edge = std::max(1.0f, softness);
    for (int y = box.y0; y < box.y1; ++y) {
      const float py = y + 0.5f;
      for (int x = box.x0; x < box.x1; ++x) {
        const float px = x + 0.5f;
        const float coverage = Clamp01(0.5f - distance(px, py) / edge) * alpha;
        if (coverage <= 0) continue;
        Color& dst = target_->At(x, y);
        dst = Mix(dst, shade(px, py), coverage);
      }
    }
  }

  // Per-pixel painting of a box: `paint(x, y, pixel)` may change the pixel.
  template <typename Painter>
  void ForEachPixel(const Box& area, Painter paint) {
    const Box box = Intersect(area, clip_);
    if (box.Empty()) return;
    touched_ = Union(touched_, box);
    if (IsMeasuring()) return;
    for (int y = box.y0; y < box.y1; ++y)
      for (int x = box.x0; x < box.x1; ++x) paint(x, y, target_->At(x, y));
  }

 private:
  Canvas(int width, int height) : target_(nullptr), clip_{0, 0, width, height}, measureBounds_{0, 0, width, height} {}
  int width_() const { return target_ ? target_->Width() : measureBounds_.x1; }
  int height_() const { return target_ ? target_->Height() : measureBounds_.y1; }

  Image* target_;
  Box clip_;
  Box measureBounds_{};
  Box touched_{};
};

// Shaders: colour as a function of the pixel position.
struct Flat {
  Color color;
  Color operator()(float, float) const { return color; }
};

// Lit like a ball with the light from the upper left, with a soft highlight.
struct SphereShade {
  Color color;
  float cx, cy, r;
  float highlight = 0.5f;
  Color operator()(float px, float py) const;
};

// Lit like an upright cylinder (bottles, trunks, lamp posts).
struct CylinderShade {
  Color color;
  float cx, halfWidth;
  float highlight = 0.35f;
  Color operator()(float px, float py) const;
};

struct VerticalGradient {
  Color top, bottom;
  float y0, y1;
  Color operator()(float, float py) const { return Mix(top, bottom, Clamp01((py - y0) / (y1 - y0))); }
};

// A base colour mottled by noise: bark, foliage, stone, cloth.
struct Mottled {
  Color color;
  float scale;   // noise features per pixel
  float amount;  // brightness swing
  std::uint32_t seed;
  Color operator()(float px, float py) const;
};

}  // namespace scenegen

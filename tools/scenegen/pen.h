#pragma once
// Drawing in an object's own units: the pen maps them through the object's
// anchor, size and mirroring to pixels, so a painter never thinks in pixels.
#include <array>
#include <initializer_list>

#include "canvas.h"
#include "scene.h"

namespace scenegen {

class Pen {
 public:
  Pen(Canvas& canvas, const Item& item)
      : canvas_(canvas), ox_(item.x), oy_(item.y), s_(item.size), flip_(item.mirrored) {}

  float X(float u) const { return ox_ + (flip_ ? -u : u) * s_; }
  float Y(float v) const { return oy_ + v * s_; }
  float L(float len) const { return len * s_; }
  Canvas& canvas() { return canvas_; }

  template <typename Shader>
  void Circle(float u, float v, float r, Shader shade, float alpha = 1, float soft = 0) {
    const float cx = X(u), cy = Y(v), rr = L(r);
    canvas_.Fill(
        cx - rr, cy - rr, cx + rr, cy + rr, [=](float px, float py) { return CircleDistance(px, py, cx, cy, rr); },
        shade, alpha, soft);
  }

  template <typename Shader>
  void Ellipse(float u, float v, float ru, float rv, Shader shade, float alpha = 1, float soft = 0) {
    const float cx = X(u), cy = Y(v), rx = L(ru), ry = L(rv);
    canvas_.Fill(
        cx - rx, cy - ry, cx + rx, cy + ry, [=](float px, float py) { return EllipseDistance(px, py, cx, cy, rx, ry); },
        shade, alpha, soft);
  }

  template <typename Shader>
  void Rect(float u0, float v0, float u1, float v1, Shader shade, float radius = 0, float alpha = 1) {
    const float xa = std::min(X(u0), X(u1)), xb = std::max(X(u0), X(u1));
    const float ya = Y(v0), yb = Y(v1), rr = L(radius);
    canvas_.Fill(
        xa, ya, xb, yb, [=](float px, float py) { return BoxDistance(px, py, xa, ya, xb, yb, rr); }, shade, alpha);
  }

  template <typename Shader>
  void Line(float u0, float v0, float u1, float v1, float width, Shader shade, float alpha = 1) {
    const float ax = X(u0), ay = Y(v0), bx = X(u1), by = Y(v1);
    const float hw = std::max(0.35f, L(width) * 0.5f);
    canvas_.Fill(
        std::min(ax, bx) - hw, std::min(ay, by) - hw, std::max(ax, bx) + hw, std::max(ay, by) + hw,
        [=](float px, float py) { return SegmentDistance(px, py, ax, ay, bx, by) - hw; }, shade, alpha);
  }

  template <typename Shader>
  void Poly(std::initializer_list<Point> local, Shader shade, float alpha = 1, float soft = 0) {
    struct Pts {
      std::array<Point, 24> p;
      std::size_t n = 0;
    } pts;
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Point& q : local) {
      if (pts.n == pts.p.size()) break;
      const Point m{X(q.x), Y(q.y)};
      pts.p[pts.n++] = m;
      x0 = std::min(x0, m.x), y0 = std::min(y0, m.y), x1 = std::max(x1, m.x), y1 = std::max(y1, m.y);
    }
    canvas_.Fill(
        x0, y0, x1, y1, [pts](float px, float py) { return PolygonDistance(px, py, std::span(pts.p.data(), pts.n)); },
        shade, alpha, soft);
  }

  // A soft contact shadow on the ground under the anchor.
  void Shadow(float u, float v, float ru, float rv, float strength = 0.35f) {
    Ellipse(u, v, ru, rv, Flat{{0.05f, 0.05f, 0.08f}}, strength, L(rv) * 0.8f + 1.5f);
  }

  SphereShade Sphere(float u, float v, float r, Color c, float highlight = 0.5f) const {
    return {c, X(u), Y(v), L(r), highlight};
  }
  CylinderShade Cylinder(float u, float halfWidth, Color c, float highlight = 0.35f) const {
    // The light stays at the upper left when the object is mirrored.
    return {c, X(u), L(halfWidth), highlight};
  }
  VerticalGradient Gradient(float v0, float v1, Color top, Color bottom) const { return {top, bottom, Y(v0), Y(v1)}; }
  Mottled Mottle(Color c, float unitsPerFeature, float amount, std::uint32_t seed) const {
    return {c, 1.0f / std::max(0.5f, L(unitsPerFeature)), amount, seed};
  }

 private:
  Canvas& canvas_;
  float ox_, oy_, s_;
  bool flip_;
};

}  // namespace scenegen

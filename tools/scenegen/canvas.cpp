#include "canvas.h"

#include "noise.h"

namespace scenegen {

Box Union(const Box& a, const Box& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box Intersect(const Box& a, const Box& b) {
  Box r{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
  if (r.Empty()) return {};
  return r;
}

Box Grow(const Box& a, int by) { return {a.x0 - by, a.y0 - by, a.x1 + by, a.y1 + by}; }

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::CopyFrom(const Image& source, const Box& box) {
  const Box b = Intersect(box, Bounds());
  for (int y = b.y0; y < b.y1; ++y) std::copy(&source.At(b.x0, y), &source.At(b.x0, y) + b.Width(), &At(b.x0, y));
}

Canvas Canvas::Measuring(int width, int height) { return Canvas(width, height); }

float CircleDistance(float px, float py, float cx, float cy, float r) { return std::hypot(px - cx, py - cy) - r; }

float EllipseDistance(float px, float py, float cx, float cy, float rx, float ry) {
  // First-order distance estimate: exact on circles and close enough near
  // the edge for anti-aliasing.
  const float dx = (px - cx) / rx, dy = (py - cy) / ry;
  const float k0 = std::sqrt(dx * dx + dy * dy);
  const float k1 = std::sqrt(dx * dx / (rx * rx) + dy * dy / (ry * ry));
  if (k1 <= 1e-6f) return -std::min(rx, ry);
  return k0 * (k0 - 1) / k1;
}

float BoxDistance(float px, float py, float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
  const float hx = (x1 - x0) * 0.5f - radius, hy = (y1 - y0) * 0.5f - radius;
  const float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  const float inside = std::min(std::max(qx, qy), 0.0f);
  return outside + inside - radius;
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by) {
  const float vx = bx - ax, vy = by - ay;
  const float len2 = vx * vx + vy * vy;
  const float t = len2 > 0 ? Clamp01(((px - ax) * vx + (py - ay) * vy) / len2) : 0.0f;
  return std::hypot(px - (ax + vx * t), py - (ay + vy * t));
}

float PolygonDistance(float px, float py, std::span<const Point> pts) {
  float best = 1e9f;
  bool inside = false;
  const std::size_t n = pts.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const Point a = pts[j], b = pts[i];
    best = std::min(best, SegmentDistance(px, py, a.x, a.y, b.x, b.y));
    if ((b.y > py) != (a.y > py) && px < (a.x - b.x) * (py - b.y) / (a.y - b.y) + b.x) inside = !inside;
  }
  return inside ? -best : best;
}

Color SphereShade::operator()(float px, float py) const {
  const float nx = (px - cx) / r, ny = (py - cy) / r;
  const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
  const float lambert = std::max(0.0f, -0.5f * nx - 0.6f * ny + 0.62f * nz);
  Color c = color * (0.38f + 0.72f * lambert);
  const float hx = nx + 0.38f, hy = ny + 0.42f;
  const float spot = std::exp(-(hx * hx + hy * hy) * 14.0f) * highlight;
  // Light bounced from below keeps the shadow side from going flat.
  const float rim = SmoothStep(0.55f, 1.0f, ny) * 0.12f;
  return Mix(c + color * rim, {1, 1, 0.96f}, spot);
}

Color CylinderShade::operator()(float px, float) const {
  const float nx = std::clamp((px - cx) / halfWidth, -1.0f, 1.0f);
  const float nz = std::sqrt(1 - nx * nx);
  const float lambert = std::max(0.0f, -0.55f * nx + 0.83f * nz);
  Color c = color * (0.4f + 0.7f * lambert);
  const float spot = std::exp(-(nx + 0.45f) * (nx + 0.45f) * 40.0f) * highlight;
  return Mix(c, {1, 1, 0.97f}, spot);
}

Color Mottled::operator()(float px, float py) const {
  const float n = Fbm(px * scale, py * scale, seed, 3);
  return color * (1 + (n - 0.5f) * 2 * amount);
}

}  // namespace scenegen

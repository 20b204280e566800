#include "canvas.h"

#include "genlib/image_codec.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace icongen {

Colour Mix(Colour from, Colour to, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, Colour{0, 0, 0, 0}) {}

void Canvas::Blend(int x, int y, Colour c, double coverage) {
  Colour& dst = pixels_[static_cast<std::size_t>(y) * width_ + x];
  const double a = c.a * coverage;
  const double outA = a + dst.a * (1 - a);
  if (outA <= 0) return;
  dst.r = (c.r * a + dst.r * dst.a * (1 - a)) / outA;
  dst.g = (c.g * a + dst.g * dst.a * (1 - a)) / outA;
  dst.b = (c.b * a + dst.b * dst.a * (1 - a)) / outA;
  dst.a = outA;
}

void Canvas::Fill(const std::function<bool(double, double)>& inside,
                  const std::function<Colour(double, double)>& paint) {
  constexpr int kGrid = 4;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kGrid; ++sy)
        for (int sx = 0; sx < kGrid; ++sx)
          if (inside(x + (sx + 0.5) / kGrid, y + (sy + 0.5) / kGrid)) ++hits;
      if (hits) Blend(x, y, paint(x + 0.5, y + 0.5), hits / double(kGrid * kGrid));
    }
  }
}

void Canvas::FillRoundedRect(double x0, double y0, double x1, double y1, double radius,
                             const std::function<Colour(double, double)>& paint) {
  Fill(
      [=](double x, double y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        const double cx = std::clamp(x, x0 + radius, x1 - radius);
        const double cy = std::clamp(y, y0 + radius, y1 - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
      },
      paint);
}

void Canvas::FillCircle(double cx, double cy, double radius, const std::function<Colour(double, double)>& paint) {
  Fill([=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; }, paint);
}

void Canvas::FillRing(double cx, double cy, double outer, double inner, Colour colour) {
  Fill(
      [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
      },
      Solid(colour));
}

void Canvas::DrawLine(double x0, double y0, double x1, double y1, double thickness, Colour colour) {
  const double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
  const double r = thickness / 2;
  Fill(
      [=](double x, double y) {
        double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= r * r;
      },
      Solid(colour));
}

void Canvas::FillPolygon(const std::vector<std::pair<double, double>>& points,
                         const std::function<Colour(double, double)>& paint) {
  Fill(
      [&points](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const auto [xi, yi] = points[i];
          const auto [xj, yj] = points[j];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
      },
      paint);
}

void Canvas::StrokeRect(double x0, double y0, double x1, double y1, double thickness, Colour colour) {
  DrawLine(x0, y0, x1, y0, thickness, colour);
  DrawLine(x1, y0, x1, y1, thickness, colour);
  DrawLine(x1, y1, x0, y1, thickness, colour);
  DrawLine(x0, y1, x0, y0, thickness, colour);
}

bool Canvas::WritePng(const std::string& path) const {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width_) * height_ * 4);
  const auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const Colour& c = pixels_[i];
    rgba[i * 4 + 0] = byte(c.r);
    rgba[i * 4 + 1] = byte(c.g);
    rgba[i * 4 + 2] = byte(c.b);
    rgba[i * 4 + 3] = byte(c.a);
  }
  return genlib::WritePng(path, rgba, width_, height_, 4);
}

}  // namespace icongen

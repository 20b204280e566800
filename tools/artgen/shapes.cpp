#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

Sdf Circle(float cx, float cy, float radius) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled circle distance: exact enough for the mild ellipses used here.
  float k = std::min(rx, ry);
  return [=](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1.0f) * k; };
}

Sdf RoundedBox(float left, float top, float right, float bottom, float radius) {
  float cx = (left + right) / 2, cy = (top + bottom) / 2;
  float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Sdf Capsule(Point a, Point b, float radius) {
  return [=](float x, float y) {
    float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
    float h = std::clamp((px * bx + py * by) / (bx * bx + by * by), 0.0f, 1.0f);
    return std::hypot(px - bx * h, py - by * h) - radius;
  };
}

Sdf Polygon(std::vector<Point> v) {
  return [v = std::move(v)](float x, float y) {
    float best = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    float sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
      float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      float wx = x - v[i].x, wy = y - v[i].y;
      float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      float dx = wx - ex * h, dy = wy - ey * h;
      best = std::min(best, dx * dx + dy * dy);
      bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(best);
  };
}

Sdf Star(float cx, float cy, float outer, float inner, int points, float rotation) {
  std::vector<Point> v;
  for (int i = 0; i < points * 2; ++i) {
    float angle = rotation + static_cast<float>(i) * std::numbers::pi_v<float> / points;
    float r = (i % 2 == 0) ? outer : inner;
    v.push_back({cx + r * std::sin(angle), cy - r * std::cos(angle)});
  }
  return Polygon(std::move(v));
}

Box AroundCircle(float cx, float cy, float radius, float margin) {
  float r = radius + margin;
  return {static_cast<int>(std::floor(cx - r)), static_cast<int>(std::floor(cy - r)),
          static_cast<int>(std::ceil(cx + r)) + 1, static_cast<int>(std::ceil(cy + r)) + 1};
}

Sdf Union(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf Intersect(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf Subtract(Sdf a, Sdf cut) {
  return [=](float x, float y) { return std::max(a(x, y), -cut(x, y)); };
}
Sdf Grow(Sdf a, float by) {
  return [=](float x, float y) { return a(x, y) - by; };
}
Sdf Ring(Sdf a, float halfThickness) {
  return [=](float x, float y) { return std::abs(a(x, y)) - halfThickness; };
}
Sdf Translate(Sdf a, float dx, float dy) {
  return [=](float x, float y) { return a(x - dx, y - dy); };
}

namespace {

Box ClipTo(const Canvas& canvas, Box box) {
  return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, canvas.width()),
          std::min(box.bottom, canvas.height())};
}

float Coverage(float distance) { return Clamp01(0.5f - distance); }

// Brightness change from light falling from the top left onto the rim.
float BevelLight(const Sdf& shape, float x, float y, float d, const Style& style) {
  float depth = -d;
  if (style.bevelWidth <= 0 || depth > style.bevelWidth) return 0;
  const float h = 0.5f;
  float gx = shape(x + h, y) - shape(x - h, y);
  float gy = shape(x, y + h) - shape(x, y - h);
  float length = std::hypot(gx, gy);
  if (length < 1e-6f) return 0;
  float facing = (-gx - gy) / (length * std::numbers::sqrt2_v<float>);
  float band = 1 - std::max(depth, 0.0f) / style.bevelWidth;
  return facing * band * style.bevelStrength;
}

}  // namespace

void DrawShape(Canvas& canvas, const Sdf& shape, const Style& style, Box box) {
  box = ClipTo(canvas, box);
  for (int py = box.top; py < box.bottom; ++py)
    for (int px = box.left; px < box.right; ++px) {
      float x = px + 0.5f, y = py + 0.5f;
      float d = shape(x, y);
      if (style.shadowAlpha > 0) {
        float ds = shape(x - style.shadowDx, y - style.shadowDy);
        float s = 1 - Smoothstep(-style.shadowSoftness, style.shadowSoftness, ds);
        canvas.Blend(px, py, style.shadow, s * style.shadowAlpha);
      }
      if (style.haloRadius > 0 && d > 0) {
        float k = std::exp(-d / style.haloRadius);
        if (k > 0.02f) canvas.Blend(px, py, Scale(style.halo, k), 1);
      }
      if (style.outlineWidth > 0) canvas.Blend(px, py, style.outline, Coverage(d - style.outlineWidth));
      float c = Coverage(d);
      if (c <= 0) continue;
      Rgb colour = style.fill(x, y);
      float light = BevelLight(shape, x, y, d, style);
      if (light != 0) colour = Shade(colour, light);
      canvas.Blend(px, py, colour, c);
    }
}

void FillShape(Canvas& canvas, const Sdf& shape, const Paint& paint, float opacity, Box box) {
  box = ClipTo(canvas, box);
  for (int py = box.top; py < box.bottom; ++py)
    for (int px = box.left; px < box.right; ++px) {
      float x = px + 0.5f, y = py + 0.5f;
      float c = Coverage(shape(x, y));
      if (c > 0) canvas.Blend(px, py, paint(x, y), c * opacity);
    }
}

void GlowShape(Canvas& canvas, const Sdf& shape, Rgb colour, float softness, float opacity, Box box) {
  box = ClipTo(canvas, box);
  for (int py = box.top; py < box.bottom; ++py)
    for (int px = box.left; px < box.right; ++px) {
      float d = shape(px + 0.5f, py + 0.5f);
      float c = 1 - Smoothstep(-softness, softness, d);
      if (c > 0) canvas.Blend(px, py, colour, c * opacity);
    }
}

}  // namespace artgen

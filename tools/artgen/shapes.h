#pragma once
// Shapes as signed distance functions: negative inside, positive outside,
// in output pixels. Coverage, outlines, bevels and halos all follow from
// the distance, so every edge is anti-aliased the same way.
#include <functional>
#include <utility>
#include <vector>

#include "canvas.h"

namespace artgen {

using Sdf = std::function<float(float x, float y)>;

struct Point {
  float x = 0, y = 0;
};

Sdf Circle(float cx, float cy, float radius);
Sdf Ellipse(float cx, float cy, float rx, float ry);
// Box given by its corners, corners rounded by radius.
Sdf RoundedBox(float left, float top, float right, float bottom, float radius);
Sdf Capsule(Point a, Point b, float radius);
Sdf Polygon(std::vector<Point> points);
Sdf Star(float cx, float cy, float outer, float inner, int points, float rotation);

Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf cut);
Sdf Grow(Sdf a, float by);              // positive: fatter, rounded corners
Sdf Ring(Sdf a, float halfThickness);   // a band along the outline
Sdf Translate(Sdf a, float dx, float dy);

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
};
inline constexpr Box kWholeCanvas{0, 0, 1 << 30, 1 << 30};
// The pixels within `margin` of a circle, for drawing small shapes quickly.
Box AroundCircle(float cx, float cy, float radius, float margin = 2);

// How an outline of a shape is painted. Everything but the fill is optional.
struct Style {
  Paint fill = Solid({1, 1, 1});
  float outlineWidth = 0;
  Rgb outline{};
  // Light from the top left on a band of this width inside the edge.
  float bevelWidth = 0;
  float bevelStrength = 0.35f;
  // Soft drop shadow.
  float shadowDx = 0, shadowDy = 0, shadowSoftness = 0, shadowAlpha = 0;
  Rgb shadow{};
  // An opaque halo that fades into darkness: only for art drawn on black.
  float haloRadius = 0;
  Rgb halo{};
};


// Paints the shape within the box (the whole canvas when none is given).
void DrawShape(Canvas& canvas, const Sdf& shape, const Style& style, Box box = kWholeCanvas);
// Plain anti-aliased fill, the common case.
void FillShape(Canvas& canvas, const Sdf& shape, const Paint& paint, float opacity = 1.0f,
               Box box = kWholeCanvas);
// Soft-edged fill: full inside, fading to nothing over `softness` pixels.
void GlowShape(Canvas& canvas, const Sdf& shape, Rgb colour, float softness, float opacity,
               Box box = kWholeCanvas);

}  // namespace artgen

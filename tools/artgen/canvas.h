#pragma once
// A floating-point RGBA canvas and the colour arithmetic every piece of
// artwork is painted with. Colours are straight (not premultiplied) 0..1.
#include "genlib/colour.h"
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
          static_cast<float>(rgb & 0xFF) / 255.0f};
}

inline Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb Add(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
// Lightens towards white (k > 0) or darkens towards black (k < 0).
inline Rgb Shade(Rgb c, float k) { return k >= 0 ? Mix(c, {1, 1, 1}, k) : Scale(c, 1 + k); }
// Screen blend: brightens like light added to a surface, never overflows.
inline Rgb Screen(Rgb base, Rgb light, float amount) {
  Rgb l = Scale(light, amount);
  return {1 - (1 - base.r) * (1 - l.r), 1 - (1 - base.g) * (1 - l.g), 1 - (1 - base.b) * (1 - l.b)};
}

using genlib::Clamp01;
inline float Smoothstep(float e0, float e1, float x) { return genlib::SmoothStep(e0, e1, x); }

// Colour at a point: gradients and textures are functions of the position.
using Paint = std::function<Rgb(float x, float y)>;

inline Paint Solid(Rgb c) {
  return [c](float, float) { return c; };
}
// Vertical gradient through evenly spaced stops between y0 and y1.
Paint VerticalGradient(float y0, float y1, std::vector<Rgb> stops);
Paint HorizontalGradient(float x0, float x1, std::vector<Rgb> stops);
Rgb SampleStops(const std::vector<Rgb>& stops, float t);

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  Rgb colour(int x, int y) const { return colour_[Index(x, y)]; }
  float alpha(int x, int y) const { return alpha_[Index(x, y)]; }

  // Paints colour with the given coverage over what is there ("over").
  void Blend(int x, int y, Rgb c, float coverage);
  // Fills every pixel with the paint, fully opaque.
  void Fill(const Paint& paint);
  // Draws another canvas at (left, top) over this one.
  void Draw(const Canvas& other, int left, int top);

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_, height_;
  std::vector<Rgb> colour_;
  std::vector<float> alpha_;
};

// The 24-bit result of a piece of artwork, rows top to bottom, bytes R, G, B.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  std::uint8_t* at(int x, int y) { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
  const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

// The darkest value a visible pixel of a keyed image may have in its
// brightest channel: the game's 16-bit mode keeps only the top five bits,
// so anything darker would turn into the transparent black there.
inline constexpr std::uint8_t kDarkestVisible = 8;

// For images drawn with black as the transparent colour: pixels less than
// half covered become pure black, every other pixel keeps its colour but is
// lifted clear of black so it can never punch a hole.
RgbImage ToKeyedImage(const Canvas& canvas);
// For opaque images: everything composited over the backdrop colour.
RgbImage ToOpaqueImage(const Canvas& canvas, Rgb backdrop);

}  // namespace artgen

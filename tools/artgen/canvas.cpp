#include "canvas.h"

#include <cmath>

namespace artgen {

Rgb SampleStops(const std::vector<Rgb>& stops, float t) {
  if (stops.size() == 1) return stops[0];
  float scaled = Clamp01(t) * static_cast<float>(stops.size() - 1);
  std::size_t i = std::min(static_cast<std::size_t>(scaled), stops.size() - 2);
  return Mix(stops[i], stops[i + 1], scaled - static_cast<float>(i));
}

Paint VerticalGradient(float y0, float y1, std::vector<Rgb> stops) {
  return [=](float, float y) { return SampleStops(stops, (y - y0) / (y1 - y0)); };
}

Paint HorizontalGradient(float x0, float x1, std::vector<Rgb> stops) {
  return [=](float x, float) { return SampleStops(stops, (x - x0) / (x1 - x0)); };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), colour_(static_cast<std::size_t>(width) * height),
      alpha_(static_cast<std::size_t>(width) * height, 0.0f) {}

void Canvas::Blend(int x, int y, Rgb c, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  coverage = std::min(coverage, 1.0f);
  std::size_t i = Index(x, y);
  float below = alpha_[i] * (1 - coverage);
  float out = coverage + below;
  Rgb& d = colour_[i];
  d = {(c.r * coverage + d.r * below) / out, (c.g * coverage + d.g * below) / out,
       (c.b * coverage + d.b * below) / out};
  alpha_[i] = out;
}

void Canvas::Fill(const Paint& paint) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      colour_[Index(x, y)] = paint(x + 0.5f, y + 0.5f);
      alpha_[Index(x, y)] = 1;
    }
}

void Canvas::Draw(const Canvas& other, int left, int top) {
  for (int y = 0; y < other.height(); ++y)
    for (int x = 0; x < other.width(); ++x) Blend(left + x, top + y, other.colour(x, y), other.alpha(x, y));
}

namespace {

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

void Store(RgbImage& image, int x, int y, Rgb c) {
  std::uint8_t* p = image.at(x, y);
  p[0] = ToByte(c.r);
  p[1] = ToByte(c.g);
  p[2] = ToByte(c.b);
}

RgbImage Blank(const Canvas& canvas) {
  RgbImage image;
  image.width = canvas.width();
  image.height = canvas.height();
  image.rgb.assign(static_cast<std::size_t>(image.width) * image.height * 3, 0);
  return image;
}

}  // namespace

RgbImage ToKeyedImage(const Canvas& canvas) {
  RgbImage image = Blank(canvas);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.alpha(x, y) < 0.5f) continue;  // stays black: transparent
      Store(image, x, y, canvas.colour(x, y));
      std::uint8_t* p = image.at(x, y);
      if (std::max({p[0], p[1], p[2]}) < kDarkestVisible) {
        // A deep navy instead of black keeps the pixel visible in every mode.
        p[0] = kDarkestVisible;
        p[1] = kDarkestVisible;
        p[2] = kDarkestVisible + 4;
      }
    }
  return image;
}

RgbImage ToOpaqueImage(const Canvas& canvas, Rgb backdrop) {
  RgbImage image = Blank(canvas);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      Store(image, x, y, Mix(backdrop, canvas.colour(x, y), canvas.alpha(x, y)));
  return image;
}

}  // namespace artgen

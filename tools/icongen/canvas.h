// A tiny anti-aliased RGBA canvas for the program icons: shapes are tested
// against a 4 x 4 grid of samples per pixel and blended by their coverage.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace icongen {

struct Colour {
  double r = 0, g = 0, b = 0, a = 1;  // 0..1, straight alpha
};

Colour Mix(Colour from, Colour to, double t);

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Paints every pixel whose samples pass `inside`, coloured by `paint`
  // at the pixel centre (x, y in pixel units).
  void Fill(const std::function<bool(double x, double y)>& inside,
            const std::function<Colour(double x, double y)>& paint);

  void FillRoundedRect(double x0, double y0, double x1, double y1, double radius,
                       const std::function<Colour(double, double)>& paint);
  void FillCircle(double cx, double cy, double radius, const std::function<Colour(double, double)>& paint);
  void FillRing(double cx, double cy, double outer, double inner, Colour colour);
  void DrawLine(double x0, double y0, double x1, double y1, double thickness, Colour colour);
  void FillPolygon(const std::vector<std::pair<double, double>>& points,
                   const std::function<Colour(double, double)>& paint);
  void StrokeRect(double x0, double y0, double x1, double y1, double thickness, Colour colour);

  // Writes the canvas as an 8-bit RGBA PNG; false when the file cannot be written.
  bool WritePng(const std::string& path) const;

 private:
  void Blend(int x, int y, Colour colour, double coverage);

  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

inline std::function<Colour(double, double)> Solid(Colour c) {
  return [c](double, double) { return c; };
}

}  // namespace icongen

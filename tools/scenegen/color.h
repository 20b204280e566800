#pragma once
// Linear-ish RGB colours in 0..1 and the small arithmetic the painters use.
#include <algorithm>
#include <cmath>

#include "genlib/colour.h"

namespace scenegen {

struct Color {
  float r = 0, g = 0, b = 0;
};

inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Color operator*(Color a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Color operator*(Color a, Color b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

using genlib::Clamp01;
using genlib::Lerp;
using genlib::SmoothStep;
inline Color Mix(Color a, Color b, float t) { return a + (b - a) * t; }

// Colour from 0..255 components, the way palettes are easiest to write down.
constexpr Color Rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline Color Shade(Color c, float k) { return c * k; }
inline Color Lighter(Color c, float t) { return Mix(c, {1, 1, 1}, t); }
inline Color Darker(Color c, float t) { return Mix(c, {0, 0, 0}, t); }

struct Hsv {
  float h = 0, s = 0, v = 0;  // h in turns (0..1)
};
Hsv ToHsv(Color c);
Color FromHsv(Hsv hsv);

// A clearly different colour of similar brightness: the hue turns by `turn`
// and colours that are nearly grey get enough saturation to show the change.
Color RecolorHue(Color c, float turn);

// Largest per-channel distance, in 0..1.
inline float ChannelDistance(Color a, Color b) {
  return std::max({std::fabs(a.r - b.r), std::fabs(a.g - b.g), std::fabs(a.b - b.b)});
}

}  // namespace scenegen

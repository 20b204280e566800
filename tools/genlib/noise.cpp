#include "genlib/noise.h"

#include <cmath>

namespace genlib {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float HashUnit(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  return static_cast<float>(Hash(a, b, c) >> 8) / 16777216.0f;
}

float ValueNoise(float x, float y, std::uint32_t seed, int periodY) {
  const float fx = std::floor(x), fy = std::floor(y);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
  const auto wrap = [periodY](std::int64_t v) {
    if (periodY <= 0) return static_cast<std::uint32_t>(v);
    const std::int64_t m = v % periodY;
    return static_cast<std::uint32_t>(m < 0 ? m + periodY : m);
  };
  const auto x0 = static_cast<std::uint32_t>(ix), x1 = static_cast<std::uint32_t>(ix + 1);
  const std::uint32_t y0 = wrap(iy), y1 = wrap(iy + 1);
  const float a = HashUnit(x0, y0, seed), b = HashUnit(x1, y0, seed);
  const float c = HashUnit(x0, y1, seed), d = HashUnit(x1, y1, seed);
  const float top = a + (b - a) * tx;
  const float bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves, int periodY) {
  float sum = 0, weight = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u, periodY);
    weight += amplitude;
    amplitude *= 0.5f;
    x *= 2;
    y *= 2;
    periodY *= 2;
  }
  return sum / weight;
}

}  // namespace genlib

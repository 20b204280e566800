#include "noise.h"

#include "genlib/noise.h"

namespace scenegen {

float Rng::Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }

float Hash2(int x, int y, std::uint32_t seed) {
  return genlib::HashUnit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed);
}

float ValueNoise(float x, float y, std::uint32_t seed) { return genlib::ValueNoise(x, y, seed); }

float Fbm(float x, float y, std::uint32_t seed, int octaves) { return genlib::Fbm(x, y, seed, octaves); }

}  // namespace scenegen

#pragma once
// Deterministic noise: the same bytes on every build and every machine, so
// no library random engine or distribution is involved.
#include <cstdint>

namespace artgen {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
// Uniform in [0, 1) from integer coordinates and a seed.
float HashUnit(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);

// Smooth value noise in [0, 1] on a lattice of unit cells. With a period
// greater than 0 the noise repeats every `periodY` cells vertically, which
// lets a picture tile without a seam.
float ValueNoise(float x, float y, std::uint32_t seed, int periodY = 0);
// Several octaves of value noise, each half the size of the previous one.
float Fbm(float x, float y, std::uint32_t seed, int octaves, int periodY = 0);

// A small sequence of random numbers for placing things (stars, bokeh).
class Sequence {
 public:
  explicit Sequence(std::uint32_t seed) : seed_(seed) {}
  float Next() { return HashUnit(seed_, counter_++); }
  float Between(float lo, float hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t seed_;
  std::uint32_t counter_ = 0;
};

}  // namespace artgen

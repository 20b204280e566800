#pragma once
// Deterministic randomness. The standard library's distributions differ
// between implementations, so every number that shapes a picture comes
// from here and the picture set is the same on every build.
#include <cstddef>
#include <cstdint>

#include "genlib/random.h"

namespace scenegen {

// SplitMix64: small, fast and good enough for placing trees.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : mix_(seed) {}
  std::uint64_t Next() { return mix_.Next(); }
  float Uniform() { return mix_.UnitFloat(); }  // [0, 1)
  float Range(float lo, float hi);              // [lo, hi)
  int Int(int lo, int hi) { return mix_.Between(lo, hi); }  // [lo, hi] inclusive
  bool Chance(float p) { return Uniform() < p; }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Int(0, static_cast<int>(N) - 1)];
  }

 private:
  genlib::SplitMix64 mix_;
};

// Hash of integer coordinates to [0, 1): the lattice behind value noise and
// the per-pixel film grain.
float Hash2(int x, int y, std::uint32_t seed);

// Smooth value noise in about [0, 1], one feature per unit.
float ValueNoise(float x, float y, std::uint32_t seed);

// Fractal sum of `octaves` value-noise layers, normalised to about [0, 1].
float Fbm(float x, float y, std::uint32_t seed, int octaves = 4);

}  // namespace scenegen

#pragma once
// Deterministic noise: the same bytes on every build and every machine, so
// no library random engine or distribution is involved. The hash and the
// noise are the generators' shared ones.
#include <cstdint>

#include "genlib/noise.h"

namespace artgen {

using genlib::Fbm;
using genlib::Hash;
using genlib::HashUnit;
using genlib::ValueNoise;

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

#pragma once
// Seeded random numbers for generators. The standard library's engines and
// distributions differ between implementations; these give the same numbers
// on every build, so generated data is the same byte for byte.
#include <cstdint>

namespace genlib {

// SplitMix64: small, fast and good enough for placing trees and notes.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  float UnitFloat();    // [0, 1) with 24 bits
  double UnitDouble();  // [0, 1) with 53 bits
  int Between(int lo, int hi);  // [lo, hi] inclusive

 private:
  std::uint64_t state_;
};

}  // namespace genlib

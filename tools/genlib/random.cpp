#include "genlib/random.h"

namespace genlib {

std::uint64_t SplitMix64::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float SplitMix64::UnitFloat() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }

double SplitMix64::UnitDouble() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

int SplitMix64::Between(int lo, int hi) {
  if (hi <= lo) return lo;
  const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
  return lo + static_cast<int>(Next() % span);
}

}  // namespace genlib

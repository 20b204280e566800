#include "audio.h"

#include <cmath>

namespace soundgen {

PanGains PanFor(float pan) {
  const double angle = (static_cast<double>(pan) + 1.0) * 0.25 * M_PI;
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

std::uint64_t Rng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::bipolar() { return uniform() * 2.0 - 1.0; }

int Rng::between(int lo, int hi) {
  if (hi <= lo) return lo;
  const auto span = static_cast<std::uint64_t>(hi - lo + 1);
  return lo + static_cast<int>(next() % span);
}

bool Rng::chance(double probability) { return uniform() < probability; }

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

}  // namespace soundgen

#include "audio.h"

#include <cmath>

namespace soundgen {

PanGains PanFor(float pan) {
  const double angle = (static_cast<double>(pan) + 1.0) * 0.25 * M_PI;
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

std::uint64_t Rng::next() { return mix_.Next(); }

double Rng::uniform() { return mix_.UnitDouble(); }

double Rng::bipolar() { return uniform() * 2.0 - 1.0; }

int Rng::between(int lo, int hi) { return mix_.Between(lo, hi); }

bool Rng::chance(double probability) { return uniform() < probability; }

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

}  // namespace soundgen

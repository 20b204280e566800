#include "logic/random.h"

namespace logic {

void SeedRandom(RandomGenerator& generator, std::uint32_t seed) { generator.state = seed; }

int NextRandomRaw(RandomGenerator& generator) {
  generator.state = generator.state * 214013u + 2531011u;
  return static_cast<int>((generator.state >> 16) & 0x7FFFu);
}

int RandomBetween(RandomGenerator& generator, int lo, int hi) {
  if (lo > hi) lo = hi;
  const long long span = static_cast<long long>(hi) - lo + 1;
  return static_cast<int>(lo + NextRandomRaw(generator) * span / 32768);
}

int RandomRawInRange(RandomGenerator& generator, int lo, int hi) {
  // Outside 0..32767 no raw value can ever match: clamp so the loop ends.
  if (lo < 0) lo = 0;
  if (hi > 32767) hi = 32767;
  if (lo > hi) return lo > 32767 ? 32767 : lo;
  for (;;) {
    const int raw = NextRandomRaw(generator);
    if (raw >= lo && raw <= hi) return raw;
  }
}

}  // namespace logic

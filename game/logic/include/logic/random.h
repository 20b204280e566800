#pragma once
// The game's only random source: the 15-bit linear congruential generator of
// the original's C runtime, so a seeded run draws the same sequence on every
// system. The state lives in the game record (no hidden globals) and tests
// seed it explicitly.
#include <cstdint>

namespace logic {

struct RandomGenerator {
  std::uint32_t state = 1;  // the C runtime's value before any seeding
};

// Start-up seeds with the calendar time; tests with a fixed number.
void SeedRandom(RandomGenerator& generator, std::uint32_t seed);

// The next raw value, 0..32767.
int NextRandomRaw(RandomGenerator& generator);

// lo + floor(r * (hi - lo + 1) / 32768); lo > hi is treated as lo = hi.
int RandomBetween(RandomGenerator& generator, int lo, int hi);

// Draws raw values until one lies in lo..hi (the confetti's way of drawing).
int RandomRawInRange(RandomGenerator& generator, int lo, int hi);

}  // namespace logic

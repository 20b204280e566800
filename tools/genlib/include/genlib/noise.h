#pragma once
// Deterministic hash noise for textures, skies and film grain.
#include <cstdint>

namespace genlib {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
// Uniform in [0, 1) from integer coordinates and a seed.
float HashUnit(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);

// Smooth value noise in [0, 1] on a lattice of unit cells. With a period
// greater than 0 the noise repeats every `periodY` cells vertically, which
// lets a picture tile without a seam.
float ValueNoise(float x, float y, std::uint32_t seed, int periodY = 0);
// Several octaves of value noise, each half the size of the previous one,
// normalised to [0, 1].
float Fbm(float x, float y, std::uint32_t seed, int octaves, int periodY = 0);

}  // namespace genlib

#pragma once
// RIFF/WAVE reading and writing. The game reads the format chunk as the
// first chunk of the form and takes 18 bytes of it, so the writer always
// puts an 18-byte "fmt " chunk (with a zero extra size) first.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "audio.h"
#include "gamefile/file_io.h"

namespace soundgen {

struct PcmWave {
  int formatTag = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::int16_t> samples;  // interleaved
  std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// 16-bit PCM stereo at kSampleRate. Samples beyond -1..1 are clamped; the
// generator keeps its peaks well below that, the clamp only guards the
// integer conversion.
gamefile::Bytes EncodeWave(const StereoBuffer& sound);

// Parses a 16-bit PCM RIFF/WAVE image: chunks are found by name, so an
// espeak-ng file with extra chunks still reads. Damaged, truncated or
// non-PCM data yields an error with a German reason.
Outcome<PcmWave> ParseWave(std::span<const std::uint8_t> bytes);

// Mixes the wave down to mono floats (for speech from espeak-ng).
MonoBuffer ToMono(const PcmWave& wave);

}  // namespace soundgen

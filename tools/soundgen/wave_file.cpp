#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include "gamefile/little_endian.h"

namespace soundgen {
namespace {

using gamefile::Bytes;

using gamefile::PutU16;
using gamefile::PutU32;
using gamefile::PutTag;

std::uint32_t GetU32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool TagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}

std::int16_t ToPcm16(float value) {
  const double scaled = std::clamp(static_cast<double>(value), -1.0, 1.0) * 32767.0;
  return static_cast<std::int16_t>(std::lround(scaled));
}

struct Chunk {
  std::size_t offset;  // start of the chunk's data
  std::size_t size;
};

// Finds a chunk by name inside the WAVE form. Sizes that run past the end
// are cut to what is there, as a truncated download still holds its start.
bool FindChunk(std::span<const std::uint8_t> b, const char* tag, Chunk& found) {
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::size_t size = GetU32(b, at + 4);
    const std::size_t dataStart = at + 8;
    if (TagIs(b, at, tag)) {
      found = {dataStart, std::min(size, b.size() - dataStart)};
      return true;
    }
    if (size > b.size() - dataStart) return false;
    at = dataStart + size + (size & 1);
  }
  return false;
}

Outcome<PcmWave> Damaged(const std::string& why) { return Outcome<PcmWave>::Fail(why); }

}  // namespace

Bytes EncodeWave(const StereoBuffer& sound) {
  constexpr int kChannels = 2;
  constexpr int kBytesPerFrame = kChannels * 2;
  const auto dataBytes = static_cast<std::uint32_t>(sound.frames() * kBytesPerFrame);
  Bytes out;
  out.reserve(dataBytes + 46);
  PutTag(out, "RIFF");
  PutU32(out, 4 + (8 + 18) + (8 + dataBytes));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 18);
  PutU16(out, 1);  // PCM
  PutU16(out, kChannels);
  PutU32(out, kSampleRate);
  PutU32(out, kSampleRate * kBytesPerFrame);
  PutU16(out, kBytesPerFrame);
  PutU16(out, 16);
  PutU16(out, 0);  // no extra format bytes
  PutTag(out, "data");
  PutU32(out, dataBytes);
  for (std::size_t i = 0; i < sound.frames(); ++i) {
    PutU16(out, static_cast<std::uint16_t>(ToPcm16(sound.left[i])));
    PutU16(out, static_cast<std::uint16_t>(ToPcm16(sound.right[i])));
  }
  return out;
}

Outcome<PcmWave> ParseWave(std::span<const std::uint8_t> b) {
  if (b.size() < 12 || !TagIs(b, 0, "RIFF") || !TagIs(b, 8, "WAVE")) {
    return Damaged("keine RIFF/WAVE-Datei");
  }
  Chunk fmt{};
  if (!FindChunk(b, "fmt ", fmt) || fmt.size < 16) return Damaged("Formatblock fehlt");
  PcmWave wave;
  wave.formatTag = GetU16(b, fmt.offset);
  wave.channels = GetU16(b, fmt.offset + 2);
  wave.sampleRate = static_cast<int>(GetU32(b, fmt.offset + 4));
  wave.bitsPerSample = GetU16(b, fmt.offset + 14);
  if (wave.formatTag != 1 || wave.bitsPerSample != 16 || wave.channels < 1 || wave.channels > 2 ||
      wave.sampleRate <= 0) {
    return Damaged("kein 16-Bit-PCM-Format");
  }
  Chunk data{};
  if (!FindChunk(b, "data", data)) return Damaged("Datenblock fehlt");
  const std::size_t count = data.size / 2;
  wave.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    wave.samples[i] = static_cast<std::int16_t>(GetU16(b, data.offset + 2 * i));
  }
  wave.samples.resize(wave.frames() * wave.channels);  // drop a half frame
  return wave;
}

MonoBuffer ToMono(const PcmWave& wave) {
  MonoBuffer mono;
  mono.sampleRate = wave.sampleRate;
  const std::size_t frames = wave.frames();
  mono.samples.resize(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    double sum = 0.0;
    for (int c = 0; c < wave.channels; ++c) sum += wave.samples[i * wave.channels + c];
    mono.samples[i] = static_cast<float>(sum / (32768.0 * wave.channels));
  }
  return mono;
}

}  // namespace soundgen

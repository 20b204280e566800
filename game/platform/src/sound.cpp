#include "platform/sound.h"

#include <cmath>
#include <cstring>

#include "gamefile/file_io.h"
#include "gamefile/little_endian.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr std::size_t kMaxWaveFileBytes = 64u << 20;
constexpr std::uint16_t kPcmFormatTag = 1;

using gamefile::GetU16;
using gamefile::GetU32;

struct Chunk {
  char id[4];
  std::size_t offset = 0;  // of the chunk's data
  std::size_t size = 0;    // as the header claims
};

// Walks the chunks of bytes[begin, end), stopping at the first one named
// `id`. A chunk whose size runs past `end` is still reported, so the caller
// decides; sizes are padded to even lengths as RIFF requires.
bool FindChunk(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end,
               const char* id, Chunk& found) {
  std::size_t position = begin;
  while (position + 8 <= end) {
    Chunk chunk;
    std::memcpy(chunk.id, &bytes[position], 4);
    chunk.size = GetU32(&bytes[position + 4]);
    chunk.offset = position + 8;
    if (std::memcmp(chunk.id, id, 4) == 0) {
      found = chunk;
      return true;
    }
    position = chunk.offset + chunk.size + (chunk.size & 1);
  }
  return false;
}

bool FormatIsPlayable(const WaveFormat& format) {
  if (format.formatTag != kPcmFormatTag) return false;
  if (format.channels == 0 || format.samplesPerSecond == 0) return false;
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
  return format.blockAlign == format.channels * format.bitsPerSample / 8;
}

bool CanPlay(const Platform& platform, int buffer) {
  return buffer >= 0 && buffer < kSoundBufferCount && platform.soundLoaded[buffer] &&
         platform.backend != nullptr;
}

void PlayOnChannel(Platform& platform, int buffer, std::uint8_t on, std::uint8_t volume) {
  if (on != 1 || !CanPlay(platform, buffer)) return;
  const int level = MixerVolumeFromHundredthsDb(SoundVolumeToHundredthsDb(volume));
  platform.backend->PlaySoundBuffer(buffer, level);
}

}  // namespace

std::optional<WaveData> ParseWave(std::span<const std::uint8_t> bytes) {
  // The RIFF form of type WAVE, searched among the file's top-level chunks.
  std::size_t position = 0;
  std::size_t formEnd = 0;
  bool foundForm = false;
  while (position + 12 <= bytes.size()) {
    const std::size_t size = GetU32(&bytes[position + 4]);
    if (std::memcmp(&bytes[position], "RIFF", 4) == 0 &&
        std::memcmp(&bytes[position + 8], "WAVE", 4) == 0) {
      formEnd = std::min(bytes.size(), position + 8 + size);
      position += 12;
      foundForm = true;
      break;
    }
    position += 8 + size + (size & 1);
  }
  if (!foundForm) return std::nullopt;

  // The format chunk is looked up by name, so a file that puts another chunk
  // first (a LIST of tags, say) still reads correctly.
  Chunk format;
  if (!FindChunk(bytes, position, formEnd, "fmt ", format)) return std::nullopt;
  if (format.size < 16 || format.offset + 16 > formEnd) return std::nullopt;
  const std::uint8_t* f = &bytes[format.offset];
  WaveData wave;
  wave.format.formatTag = GetU16(f);
  wave.format.channels = GetU16(f + 2);
  wave.format.samplesPerSecond = GetU32(f + 4);
  wave.format.averageBytesPerSecond = GetU32(f + 8);
  wave.format.blockAlign = GetU16(f + 12);
  wave.format.bitsPerSample = GetU16(f + 14);
  // The extra-size field counts only when the form really holds it: a chunk
  // may claim 18 bytes and still be cut off after the 16 every format has.
  const bool hasExtraSize = format.size >= 18 && format.offset + 18 <= formEnd;
  wave.format.extraSize = hasExtraSize ? GetU16(f + 16) : 0;
  if (!FormatIsPlayable(wave.format)) return std::nullopt;

  Chunk data;
  if (!FindChunk(bytes, format.offset + format.size + (format.size & 1), formEnd, "data", data)) {
    return std::nullopt;
  }
  // A data chunk claiming more than the file holds is damaged: refuse it
  // rather than play whatever follows.
  if (data.offset + data.size > formEnd) return std::nullopt;
  const std::size_t whole = data.size - data.size % wave.format.blockAlign;
  wave.samples.assign(bytes.begin() + data.offset, bytes.begin() + data.offset + whole);
  return wave;
}

bool StartSound(Platform& platform) {
  platform.soundStarted = platform.backend != nullptr && platform.backend->StartSound();
  return platform.soundStarted;
}

bool LoadWave(Platform& platform, const std::string& fileName, int buffer) {
  if (buffer < 0 || buffer >= kSoundBufferCount || platform.backend == nullptr) return false;
  RestoreStartDirectory(platform);
  auto file = gamefile::ReadWholeFile(fileName, kMaxWaveFileBytes);
  if (!file) return false;
  std::optional<WaveData> wave = ParseWave(*file);
  if (!wave || !platform.backend->CreateSoundBuffer(buffer, *wave)) return false;
  platform.soundLoaded[buffer] = true;
  return true;
}

void PlayEffect(Platform& platform, int buffer) {
  PlayOnChannel(platform, buffer, platform.sound.effectsOn, platform.sound.effectsVolume);
}

void PlaySpeech(Platform& platform, int buffer) {
  PlayOnChannel(platform, buffer, platform.sound.speechOn, platform.sound.speechVolume);
}

bool IsSoundPlaying(Platform& platform, int buffer) {
  return CanPlay(platform, buffer) && platform.backend->IsSoundBufferPlaying(buffer);
}

void StopSound(Platform& platform, int buffer) {
  if (CanPlay(platform, buffer)) platform.backend->StopSoundBuffer(buffer);
}

void ReleaseSound(Platform& platform) {
  platform.soundLoaded.fill(false);
  if (platform.backend != nullptr) platform.backend->ReleaseSound();
  platform.soundStarted = false;
}

int SoundVolumeToHundredthsDb(int setting) {
  return std::min(0, (setting - 100) * 50);
}

int MixerVolumeFromHundredthsDb(int hundredthsDb) {
  if (hundredthsDb <= -10000) return 0;
  if (hundredthsDb >= 0) return 128;
  const long level = std::lround(128.0 * std::pow(10.0, hundredthsDb / 2000.0));
  return static_cast<int>(std::clamp(level, 1L, 128L));
}

}  // namespace platform

#include "platform/sound.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gamefile/file_io.h"
#include "gamefile/little_endian.h"
#include "platform/platform.h"

namespace platform {
namespace {

// The largest buffer a sound device takes; a data chunk claiming more is
// refused as the device would refuse it.
constexpr std::uint32_t kMaxSoundBufferBytes = 0x0FFFFFFF;
// Room for the chunks around the data.
constexpr std::size_t kMaxWaveFileBytes = std::size_t{kMaxSoundBufferBytes} + (1u << 20);
constexpr std::uint16_t kPcmFormatTag = 1;
// The sample rates a sound buffer can play at.
constexpr std::uint32_t kMinSampleRate = 100;
constexpr std::uint32_t kMaxSampleRate = 200000;

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
  if (format.channels == 0) return false;
  if (format.samplesPerSecond < kMinSampleRate || format.samplesPerSecond > kMaxSampleRate) return false;
  return format.bitsPerSample >= 1 && format.bitsPerSample <= 32;
}

// How the samples lie in the data: each channel's sample in a container of
// whole bytes, the frames one after the other.
struct SampleLayout {
  int channels = 0;
  int containerBytes = 0;
  std::size_t frameBytes = 0;
};

// The block align names the frame when it holds one sample per channel in
// containers of up to four bytes (samples are then left-justified in them);
// a block align that cannot be right is left aside and the samples are taken
// as packed, which is how such files are written in practice.
SampleLayout LayoutOf(const WaveFormat& format) {
  SampleLayout layout;
  layout.channels = format.channels;
  const int packed = (format.bitsPerSample + 7) / 8;
  const int declared = format.blockAlign % format.channels == 0 ? format.blockAlign / format.channels : 0;
  layout.containerBytes = declared >= packed && declared <= 4 ? declared : packed;
  layout.frameBytes = static_cast<std::size_t>(layout.containerBytes) * layout.channels;
  return layout;
}

// 8- and 16-bit mono and stereo in packed frames go to the device as they
// are; every other layout is turned into 16-bit frames of its first two
// channels (front left and right), which every device plays.
bool DevicePlaysAsIs(const WaveFormat& format, const SampleLayout& layout) {
  return (format.bitsPerSample == 8 || format.bitsPerSample == 16) && format.channels <= 2 &&
         layout.containerBytes * 8 == format.bitsPerSample;
}

std::int16_t SixteenBitSample(const std::uint8_t* container, int bytes) {
  if (bytes == 1) return static_cast<std::int16_t>((container[0] - 128) * 256);
  return static_cast<std::int16_t>(container[bytes - 2] | (container[bytes - 1] << 8));
}

WaveData AsSixteenBit(const WaveFormat& format, const SampleLayout& layout,
                      std::span<const std::uint8_t> frames) {
  WaveData wave;
  const int channels = std::min(layout.channels, 2);
  wave.format.formatTag = kPcmFormatTag;
  wave.format.channels = static_cast<std::uint16_t>(channels);
  wave.format.samplesPerSecond = format.samplesPerSecond;
  wave.format.blockAlign = static_cast<std::uint16_t>(2 * channels);
  wave.format.averageBytesPerSecond = format.samplesPerSecond * wave.format.blockAlign;
  wave.format.bitsPerSample = 16;
  const std::size_t count = frames.size() / layout.frameBytes;
  wave.samples.reserve(count * wave.format.blockAlign);
  for (std::size_t frame = 0; frame < count; ++frame) {
    const std::uint8_t* at = frames.data() + frame * layout.frameBytes;
    for (int channel = 0; channel < channels; ++channel) {
      const std::int16_t sample = SixteenBitSample(at + channel * layout.containerBytes, layout.containerBytes);
      wave.samples.push_back(static_cast<std::uint8_t>(sample & 0xFF));
      wave.samples.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
  }
  return wave;
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
  if (data.size > kMaxSoundBufferBytes) return std::nullopt;
  // A data chunk claiming more than the file holds plays what is there;
  // nothing past the file's end is ever read.
  const std::size_t present = std::min(data.size, bytes.size() - data.offset);
  const SampleLayout layout = LayoutOf(wave.format);
  const std::size_t whole = present - present % layout.frameBytes;
  const auto frames = bytes.subspan(data.offset, whole);
  if (!DevicePlaysAsIs(wave.format, layout)) return AsSixteenBit(wave.format, layout, frames);
  wave.format.blockAlign = static_cast<std::uint16_t>(layout.frameBytes);
  wave.format.averageBytesPerSecond = wave.format.samplesPerSecond * wave.format.blockAlign;
  wave.samples.assign(frames.begin(), frames.end());
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

#pragma once
// Hand-made RIFF/WAVE files, right or deliberately wrong, for the readers'
// tests.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace testsupport {

struct WaveLayout {
  std::uint16_t formatTag = 1;  // PCM
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;   // 16-bit samples
  // A whole chunk (tag, size, bytes) placed before "fmt ", as some tools write.
  std::vector<std::uint8_t> chunkBeforeFormat;
  std::optional<std::uint32_t> riffSize;          // default: the file's real size less 8
  std::optional<std::uint32_t> claimedDataBytes;  // default: the data's real size
};

std::vector<std::uint8_t> MakeWave(const WaveLayout& layout, std::span<const std::uint8_t> data);

}  // namespace testsupport

#include "test_support/wave.h"

#include "gamefile/little_endian.h"

namespace testsupport {

using gamefile::PutTag;
using gamefile::PutU16;
using gamefile::PutU32;

std::vector<std::uint8_t> MakeWave(const WaveLayout& layout, std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> body;
  PutTag(body, "WAVE");
  body.insert(body.end(), layout.chunkBeforeFormat.begin(), layout.chunkBeforeFormat.end());
  PutTag(body, "fmt ");
  PutU32(body, 16);
  PutU16(body, layout.formatTag);
  PutU16(body, layout.channels);
  PutU32(body, layout.rate);
  PutU32(body, layout.rate * layout.channels * 2);
  PutU16(body, layout.channels * 2u);
  PutU16(body, 16);
  PutTag(body, "data");
  PutU32(body, layout.claimedDataBytes.value_or(static_cast<std::uint32_t>(data.size())));
  body.insert(body.end(), data.begin(), data.end());
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, layout.riffSize.value_or(static_cast<std::uint32_t>(body.size())));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace testsupport

#include "wave_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "gamefile/little_endian.h"
#include "test_support/wave.h"

namespace soundgen {
namespace {

using gamefile::Bytes;

Bytes HandMadeWave(std::uint16_t formatTag, bool extraChunkFirst, std::uint32_t claimedData,
                   const std::vector<std::int16_t>& samples) {
  testsupport::WaveLayout layout;
  layout.formatTag = formatTag;
  layout.riffSize = 0;  // not trusted by the reader
  if (extraChunkFirst) layout.chunkBeforeFormat = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
  layout.claimedDataBytes = claimedData;
  Bytes data;
  for (auto sample : samples) gamefile::PutU16(data, static_cast<std::uint16_t>(sample));
  return testsupport::MakeWave(layout, data);
}

TEST(WaveFile, EncodedWaveHasTheLayoutTheGameReads) {
  StereoBuffer sound(3);
  sound.left = {0.0f, 0.5f, -1.0f};
  sound.right = {1.0f, -0.5f, 2.0f};  // 2.0 must clamp, not wrap
  const Bytes bytes = EncodeWave(sound);
  ASSERT_EQ(bytes.size(), 12u + 8 + 18 + 8 + 12);
  // The game descends into the first chunk without searching and reads
  // 18 bytes of format from it.
  EXPECT_EQ(std::memcmp(bytes.data() + 12, "fmt ", 4), 0);
  EXPECT_EQ(bytes[16], 18);
  EXPECT_EQ(bytes[20], 1);                     // PCM
  EXPECT_EQ(bytes[36] | (bytes[37] << 8), 0);  // no extra format bytes
  EXPECT_EQ(std::memcmp(bytes.data() + 38, "data", 4), 0);

  auto parsed = ParseWave(bytes);
  ASSERT_TRUE(parsed.ok()) << parsed.reason();
  EXPECT_EQ(parsed.value().channels, 2);
  EXPECT_EQ(parsed.value().sampleRate, 44100);
  const std::vector<std::int16_t> expected = {0, 32767, 16384, -16384, -32767, 32767};
  EXPECT_EQ(parsed.value().samples, expected);
}

TEST(WaveFile, ReaderFindsChunksByNameAndCutsShortData) {
  const std::vector<std::int16_t> samples = {100, -200, 300};
  auto parsed = ParseWave(HandMadeWave(1, true, 1000, samples));
  ASSERT_TRUE(parsed.ok()) << parsed.reason();
  EXPECT_EQ(parsed.value().sampleRate, 22050);
  EXPECT_EQ(parsed.value().samples, samples);

  const MonoBuffer mono = ToMono(parsed.value());
  ASSERT_EQ(mono.samples.size(), 3u);
  EXPECT_NEAR(mono.samples[1], -200.0 / 32768.0, 1e-6);
}

TEST(WaveFile, ReaderRefusesWhatIsNotSixteenBitPcm) {
  EXPECT_FALSE(ParseWave(HandMadeWave(3, false, 6, {1, 2, 3})).ok());  // float format
  Bytes notRiff = HandMadeWave(1, false, 6, {1, 2, 3});
  notRiff[0] = 'X';
  EXPECT_FALSE(ParseWave(notRiff).ok());
  EXPECT_FALSE(ParseWave(Bytes{}).ok());

  Bytes noData = HandMadeWave(1, false, 0, {});
  noData.resize(noData.size() - 8);  // drop the data chunk header
  EXPECT_FALSE(ParseWave(noData).ok());

  Bytes hugeChunk = HandMadeWave(1, true, 6, {1, 2, 3});
  hugeChunk[16] = 0xFF, hugeChunk[17] = 0xFF, hugeChunk[18] = 0xFF, hugeChunk[19] = 0x7F;
  auto result = ParseWave(hugeChunk);  // a chunk size past the end hides "fmt "
  EXPECT_FALSE(result.ok());
  EXPECT_FALSE(result.reason().empty());
}

}  // namespace
}  // namespace soundgen

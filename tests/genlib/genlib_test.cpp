// The generators' shared basics: numbers that must never drift (every
// generated file depends on them), noise that stays smooth and in range,
// colour conversions and the picture codecs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "genlib/colour.h"
#include "genlib/image_codec.h"
#include "genlib/noise.h"
#include "genlib/random.h"

namespace genlib {
namespace {

TEST(SplitMix64, GivesTheReferenceSequence) {
  // The published first outputs for seed 0: a drift here changes every
  // generated picture and sound.
  SplitMix64 r(0);
  EXPECT_EQ(r.Next(), 0xE220A8397B1DCDAFull);
  EXPECT_EQ(r.Next(), 0x6E789E6AA1B965F4ull);
  EXPECT_EQ(r.Next(), 0x06C45D188009454Full);
}

TEST(SplitMix64, StaysInItsRanges) {
  SplitMix64 r(99);
  bool sawLo = false, sawHi = false;
  for (int i = 0; i < 2000; ++i) {
    const float f = r.UnitFloat();
    const double d = r.UnitDouble();
    EXPECT_GE(f, 0.0f);
    EXPECT_LT(f, 1.0f);
    EXPECT_GE(d, 0.0);
    EXPECT_LT(d, 1.0);
    const int n = r.Between(-2, 3);
    EXPECT_GE(n, -2);
    EXPECT_LE(n, 3);
    sawLo = sawLo || n == -2, sawHi = sawHi || n == 3;
  }
  EXPECT_TRUE(sawLo && sawHi);
  EXPECT_EQ(r.Between(5, 5), 5);
  EXPECT_EQ(r.Between(5, 1), 5);
}

TEST(Noise, IsDeterministicSmoothInRangeAndTilesWhenAsked) {
  EXPECT_EQ(Hash(1, 2, 3), Hash(1, 2, 3));
  EXPECT_NE(Hash(1, 2, 3), Hash(1, 2, 4));
  for (int i = 0; i < 500; ++i) {
    const float x = i * 0.37f - 40, y = i * 0.11f - 7;
    const float v = ValueNoise(x, y, 5), f = Fbm(x, y, 5, 5);
    EXPECT_GE(v, 0.0f);
    EXPECT_LE(v, 1.0f);
    EXPECT_GE(f, 0.0f);
    EXPECT_LE(f, 1.0f);
    EXPECT_LT(std::fabs(ValueNoise(x + 0.01f, y, 5) - v), 0.05f) << "noise jumps at " << x;
    // Periodic vertically: the top row of a tile meets its bottom row.
    EXPECT_FLOAT_EQ(Fbm(x, y, 9, 4, 6), Fbm(x, y + 6, 9, 4, 6));
  }
  // At lattice points value noise is the hash itself.
  EXPECT_FLOAT_EQ(ValueNoise(3, 4, 8), HashUnit(3, 4, 8));
}

TEST(Colour, HsvRoundTripsAndLumaWeighsGreenMost) {
  for (float r : {0.0f, 0.2f, 0.9f})
    for (float g : {0.1f, 0.5f, 1.0f})
      for (float b : {0.0f, 0.7f}) {
        float r2, g2, b2;
        HsvToRgb(RgbToHsv(r, g, b), r2, g2, b2);
        EXPECT_NEAR(r, r2, 1e-5f);
        EXPECT_NEAR(g, g2, 1e-5f);
        EXPECT_NEAR(b, b2, 1e-5f);
      }
  EXPECT_GT(Luma(0, 1, 0), Luma(1, 0, 0));
  EXPECT_GT(Luma(1, 0, 0), Luma(0, 0, 1));
  EXPECT_NEAR(Luma(1, 1, 1), 1.0f, 1e-6f);
  EXPECT_FLOAT_EQ(SmoothStep(0, 1, -1), 0.0f);
  EXPECT_FLOAT_EQ(SmoothStep(0, 1, 0.5f), 0.5f);
}

TEST(ImageCodec, JpegRoundTripsAndRefusesWrongInput) {
  std::vector<std::uint8_t> rgb(32 * 16 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>((i * 7) % 256 / 4 + 100);
  const auto jpeg = EncodeJpeg(rgb, 32, 16, 95);
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(*jpeg, *EncodeJpeg(rgb, 32, 16, 95)) << "the same pixels give the same bytes";
  const auto back = DecodeJpeg(*jpeg);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 32);
  EXPECT_EQ(back->height, 16);
  EXPECT_FALSE(EncodeJpeg(rgb, 32, 15, 95));
  EXPECT_FALSE(EncodeJpeg(rgb, 0, 16, 95));
  EXPECT_FALSE(DecodeJpeg({0xFF, 0xD8, 0x00}));
}

TEST(ImageCodec, WritesPngsAndReportsWhatItCannotWrite) {
  const auto dir = std::filesystem::temp_directory_path() / ("genlib-test-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::vector<std::uint8_t> rgba(4 * 3 * 4, 200);
  const std::string path = (dir / "a.png").string();
  ASSERT_TRUE(WritePng(path, rgba, 4, 3, 4));
  EXPECT_GT(std::filesystem::file_size(path), 8u);
  EXPECT_FALSE(WritePng((dir / "no" / "b.png").string(), rgba, 4, 3, 4));
  EXPECT_FALSE(WritePng(path, rgba, 4, 3, 3)) << "size does not fit";
  EXPECT_FALSE(WritePng(path, rgba, 4, 3, 2)) << "no such channel count";
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace genlib

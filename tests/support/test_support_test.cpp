// The shared helpers are what many suites stand on: a scratch folder that
// outlives its test or a wave with a wrong header would make those suites
// prove nothing.
#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <vorbis/vorbisfile.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "gamefile/little_endian.h"
#include "test_support/golden.h"
#include "test_support/jpeg.h"
#include "test_support/ogg.h"
#include "test_support/temp_dir.h"
#include "test_support/wave.h"
#include "test_support/wait.h"

namespace {

namespace fs = std::filesystem;
using namespace testsupport;

TEST(TempDir, IsFreshAndGoesWithEverythingInItEvenWhenLockedUp) {
  fs::path kept;
  {
    TempDir one("support-test");
    TempDir two("support-test");
    EXPECT_NE(one.path(), two.path());
    EXPECT_TRUE(fs::is_directory(one.path()));
    fs::create_directories(one.path() / "inner");
    std::ofstream(one.file("inner/a.txt")) << "x";
    std::ofstream(one.file("b.txt")) << "y";
    EXPECT_EQ(one.names().size(), 2u);
    fs::permissions(one.path(), fs::perms::owner_read | fs::perms::owner_exec);
    kept = one.path();
  }
  EXPECT_FALSE(fs::exists(kept));
}

TEST(ScopedWorkDir, IsCurrentWhileItLivesAndGivesTheOldOneBack) {
  const fs::path before = fs::current_path();
  {
    ScopedWorkDir work("support-work");
    EXPECT_EQ(fs::current_path(), fs::canonical(work.path()));
  }
  EXPECT_EQ(fs::current_path(), before);
}

TEST(EncodeJpeg, MakesAPictureThatDecodesToItsSizeAndColour) {
  const Bytes jpeg = EncodeJpeg(FlatRgb(24, 16, {200, 40, 10}), 24, 16, 95, TJSAMP_444);
  ASSERT_GT(jpeg.size(), 4u);
  tjhandle decoder = tjInitDecompress();
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  ASSERT_EQ(tjDecompressHeader3(decoder, jpeg.data(), jpeg.size(), &width, &height, &subsampling, &colourspace), 0);
  EXPECT_EQ(width, 24);
  EXPECT_EQ(height, 16);
  std::vector<std::uint8_t> rgb(24 * 16 * 3);
  ASSERT_EQ(tjDecompress2(decoder, jpeg.data(), jpeg.size(), rgb.data(), 24, 0, 16, TJPF_RGB, 0), 0);
  tjDestroy(decoder);
  EXPECT_NEAR(rgb[0], 200, 4);
  EXPECT_NEAR(rgb[1], 40, 4);
  EXPECT_NEAR(rgb[2], 10, 4);
}

TEST(MakeWave, WritesTheHeaderFieldsAsToldAndDerivesTheRest) {
  const std::uint8_t data[6] = {1, 2, 3, 4, 5, 6};
  WaveLayout stereo;
  stereo.channels = 2;
  stereo.rate = 44100;
  const auto wave = MakeWave(stereo, data);
  ASSERT_EQ(wave.size(), 44u + 6);
  EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0);
  EXPECT_EQ(gamefile::GetU32(&wave[4]), wave.size() - 8);
  EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(gamefile::GetU16(&wave[22]), 2);
  EXPECT_EQ(gamefile::GetU32(&wave[24]), 44100u);
  EXPECT_EQ(gamefile::GetU32(&wave[28]), 44100u * 4);
  EXPECT_EQ(gamefile::GetU16(&wave[32]), 4);
  EXPECT_EQ(gamefile::GetU32(&wave[40]), 6u);

  WaveLayout lying;
  lying.chunkBeforeFormat = {'L', 'I', 'S', 'T', 2, 0, 0, 0, 'a', 'b'};
  lying.riffSize = 0;
  lying.claimedDataBytes = 1000;
  const auto bad = MakeWave(lying, data);
  EXPECT_EQ(gamefile::GetU32(&bad[4]), 0u);
  EXPECT_EQ(std::memcmp(bad.data() + 12, "LIST", 4), 0);
  EXPECT_EQ(std::memcmp(bad.data() + 22, "fmt ", 4), 0);
  EXPECT_EQ(gamefile::GetU32(&bad[bad.size() - 10]), 1000u);
}

TEST(MatchesGoldenPng, TellsHowManyPixelsDifferAndWhereTheFirstIs) {
  TempDir dir("support-golden");
  const std::string path = dir.file("g.png");
  const std::vector<std::uint32_t> frame = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x000000};
  ::setenv("VISTREL_UPDATE_GOLDEN", "1", 1);
  ASSERT_TRUE(MatchesGoldenPng(3, 2, frame, path));
  ::unsetenv("VISTREL_UPDATE_GOLDEN");
  EXPECT_TRUE(MatchesGoldenPng(3, 2, frame, path));
  std::vector<std::uint32_t> changed = frame;
  changed[4] = 0xD0E0F1;
  changed[5] = 0xFFFFFF;
  const auto result = MatchesGoldenPng(3, 2, changed, path);
  EXPECT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("2 pixels differ"), std::string::npos) << result.message();
  EXPECT_NE(std::string(result.message()).find("first at (1, 1)"), std::string::npos) << result.message();
  EXPECT_FALSE(MatchesGoldenPng(2, 3, frame, path));
  EXPECT_FALSE(MatchesGoldenPng(3, 2, frame, dir.file("missing.png")));
}

TEST(WriteOgg, WritesAStreamOfTheAskedLayoutAndLength) {
  TempDir dir("support-ogg");
  OggTone tone;
  tone.channels = 1;
  tone.rate = 22050;
  tone.seconds = 0.5;
  ASSERT_TRUE(WriteOgg(dir.file("a.ogg"), tone));
  OggVorbis_File file;
  ASSERT_EQ(ov_fopen(dir.file("a.ogg").c_str(), &file), 0);
  EXPECT_EQ(ov_info(&file, -1)->channels, 1);
  EXPECT_EQ(ov_info(&file, -1)->rate, 22050);
  EXPECT_NEAR(ov_time_total(&file, -1), 0.5, 0.05);
  ov_clear(&file);
  EXPECT_FALSE(WriteOgg(dir.file("no/such/folder.ogg"), tone));
}

TEST(WaitUntil, ReturnsAsSoonAsTheConditionHoldsAndFalseAfterTheTimeout) {
  int polls = 0;
  EXPECT_TRUE(WaitUntil([&] { return ++polls == 3; }));
  EXPECT_EQ(polls, 3);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WaitUntil([] { return false; }, std::chrono::milliseconds(30)));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

}  // namespace

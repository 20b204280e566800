// Damaged and hostile data files, made by cutting and scrambling good ones:
// every loader must refuse or survive them, never read past their end.
#include <gtest/gtest.h>

#include <random>

#include "fixtures.h"

using fixtures::Rgb;

namespace {

// Every prefix of `good` and a few hundred copies with bytes overwritten.
std::vector<std::vector<std::uint8_t>> Damaged(const std::vector<std::uint8_t>& good, unsigned seed) {
  std::vector<std::vector<std::uint8_t>> variants;
  const std::size_t step = std::max<std::size_t>(1, good.size() / 300);
  for (std::size_t length = 0; length < good.size(); length += step) {
    variants.emplace_back(good.begin(), good.begin() + static_cast<long>(length));
  }
  std::mt19937 random(seed);
  for (int copy = 0; copy < 300; ++copy) {
    std::vector<std::uint8_t> scrambled = good;
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int c = 0; c < changes; ++c) {
      // Headers are where sizes live, so they are hit more often.
      const std::size_t limit = random() % 2 == 0 ? std::min<std::size_t>(64, good.size()) : good.size();
      scrambled[random() % limit] = static_cast<std::uint8_t>(random());
    }
    variants.push_back(std::move(scrambled));
  }
  return variants;
}

TEST(DamagedInput, BitmapsAreRefusedOrLoadedAtTheRequestedSize) {
  fixtures::ScopedWorkDir dir;
  fixtures::BareGame bare;
  const auto good = fixtures::BitmapBytes(13, 7, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 19), static_cast<std::uint8_t>(y * 31), 200};
  });
  int loaded = 0;
  for (const auto& bytes : Damaged(good, 1)) {
    fixtures::WriteFile("art.dat", bytes);
    platform::SurfacePtr surface = platform::LoadBitmapFile(bare.game, "art.dat", 25, 25);
    if (surface) {
      ++loaded;
      EXPECT_EQ(surface->w, 25);
      EXPECT_EQ(surface->h, 25);
    }
  }
  EXPECT_GT(loaded, 0);  // pixel damage alone still gives a picture
  EXPECT_TRUE(bare.backend.messages.empty());
}

TEST(DamagedInput, WavesAreRefusedOrHoldOnlyWholeFramesFromTheFile) {
  const auto good = fixtures::WaveBytes(300, 22050, 1, true);
  for (const auto& bytes : Damaged(good, 2)) {
    const auto wave = platform::ParseWave(bytes);
    if (!wave) continue;
    EXPECT_LE(wave->samples.size(), bytes.size());
    EXPECT_EQ(wave->samples.size() % wave->format.blockAlign, 0u);
    EXPECT_EQ(wave->format.formatTag, 1);
  }
}

TEST(DamagedInput, JpegsDecodeOrFailCleanly) {
  const auto good = fixtures::JpegBytes(40, 24, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(y * 10), 90};
  });
  for (const auto& bytes : Damaged(good, 3)) {
    fixtures::BareGame bare;
    platform::SurfacePtr surface = platform::DecodeJpeg(bare.game, 49, 43, bytes.data(), bytes.size());
    if (surface) {
      EXPECT_EQ(surface->w, 49);
      EXPECT_EQ(surface->h, 43);
      EXPECT_FALSE(bare.game.endRequested);
    } else if (bare.game.endRequested) {
      ASSERT_EQ(bare.backend.messages.size(), 1u);
      EXPECT_EQ(bare.backend.messages[0].text, "Error reading image");
    } else {
      EXPECT_TRUE(bare.backend.messages.empty());
    }
  }
}

TEST(DamagedInput, BuiltInPictureFilesEndWithTheirMessage) {
  fixtures::ScopedWorkDir dir;
  fixtures::WriteDataFolder(dir.path());
  const auto good = fixtures::ReadWholeFileForTest("data/igdata.qxs");
  std::mt19937 random(4);
  for (int copy = 0; copy < 40; ++copy) {
    std::vector<std::uint8_t> bytes = good;
    if (copy % 2 == 0) {
      bytes.resize(random() % good.size());
    } else {
      // Aim at the size fields of the first record.
      bytes[6 + random() % 8] = static_cast<std::uint8_t>(random());
    }
    fixtures::WriteFile("data/igdata.qxs", bytes);
    platform::HeadlessBackend backend;
    platform::Platform game;
    ASSERT_TRUE(platform::StartUp(game, backend));
    if (!platform::LoadAssets(game)) {
      ASSERT_EQ(backend.messages.size(), 1u);
      EXPECT_TRUE(game.endRequested);
    } else {
      EXPECT_TRUE(backend.messages.empty());
    }
  }
}

}  // namespace

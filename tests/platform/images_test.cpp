// Making images from JPEG bytes and bitmap files: stretching, colour depth,
// greyscale, odd widths, and damaged or lying input.
#include <gtest/gtest.h>

#include "fixtures.h"

using fixtures::BareGame;
using fixtures::Rgb;

namespace {

std::uint32_t PixelAt(SDL_Surface* surface, int x, int y) {
  const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
  if (surface->format->BytesPerPixel == 2) return reinterpret_cast<const std::uint16_t*>(row)[x];
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

// Left half red, right half blue, with a one-pixel white column at the right edge.
Rgb HalvesWithWhiteEdge(int x, int, int width) {
  if (x == width - 1) return Rgb{255, 255, 255};
  return x < width / 2 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
}

bool Near(std::uint32_t pixel, std::uint32_t rgb, int tolerance = 12) {
  for (int shift : {0, 8, 16}) {
    const int a = (pixel >> shift) & 0xFF;
    const int b = (rgb >> shift) & 0xFF;
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

TEST(DecodeJpeg, StretchesAGamePictureToTheWiderSurface) {
  BareGame bare;
  const auto jpeg = fixtures::JpegBytes(488, 430, [](int x, int y) { return HalvesWithWhiteEdge(x, y, 488); });
  platform::SurfacePtr surface = platform::DecodeJpeg(bare.game, 490, 430, jpeg.data(), jpeg.size());
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface->w, 490);
  EXPECT_EQ(surface->h, 430);
  EXPECT_EQ(surface->format->format, SDL_PIXELFORMAT_RGB888);
  EXPECT_TRUE(Near(PixelAt(surface.get(), 0, 0), 0xFF0000));
  EXPECT_TRUE(Near(PixelAt(surface.get(), 480, 200), 0x0000FF));
  // The last column of the picture reaches the last column of the surface.
  EXPECT_TRUE(Near(PixelAt(surface.get(), 489, 429), 0xFFFFFF, 40));
  // 32-bit pixels are blue, green, red, 0.
  EXPECT_EQ(PixelAt(surface.get(), 0, 0) >> 24, 0u);
  EXPECT_TRUE(bare.backend.messages.empty());
}

TEST(DecodeJpeg, GreyscaleAndOddWidthsDecode) {
  BareGame bare;
  const auto grey = fixtures::JpegBytes(16, 8, [](int, int) { return Rgb{90, 90, 90}; }, true);
  platform::SurfacePtr surface = platform::DecodeJpeg(bare.game, 16, 8, grey.data(), grey.size());
  ASSERT_TRUE(surface);
  const std::uint32_t p = PixelAt(surface.get(), 5, 5);
  EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
  EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
  EXPECT_TRUE(Near(p, 0x5A5A5A, 3));

  // A width that is not a multiple of 4 keeps every row aligned.
  const auto odd = fixtures::JpegBytes(37, 11, [](int x, int y) { return HalvesWithWhiteEdge(x, y, 37); });
  surface = platform::DecodeJpeg(bare.game, 37, 11, odd.data(), odd.size());
  ASSERT_TRUE(surface);
  for (int y : {0, 5, 10}) {
    EXPECT_TRUE(Near(PixelAt(surface.get(), 2, y), 0xFF0000, 40)) << y;
    EXPECT_TRUE(Near(PixelAt(surface.get(), 30, y), 0x0000FF, 40)) << y;
  }
}

TEST(DecodeJpeg, SixteenBitConvertsToFiveFiveFive) {
  BareGame bare(16);
  const auto jpeg = fixtures::JpegBytes(16, 16, [](int x, int) {
    return x < 8 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  });
  platform::SurfacePtr surface = platform::DecodeJpeg(bare.game, 16, 16, jpeg.data(), jpeg.size());
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface->format->format, SDL_PIXELFORMAT_RGB555);
  EXPECT_EQ(PixelAt(surface.get(), 1, 1), 0x7FFFu);
  EXPECT_EQ(PixelAt(surface.get(), 14, 14), 0u);
}

TEST(DecodeJpeg, DamagedDataIsRefusedWithoutCrashing) {
  BareGame bare;
  // Not a JPEG at all: no header, so no message; the caller reports it.
  const std::vector<std::uint8_t> garbage(300, 0x42);
  EXPECT_FALSE(platform::DecodeJpeg(bare.game, 490, 430, garbage.data(), garbage.size()));
  EXPECT_FALSE(platform::DecodeJpeg(bare.game, 490, 430, nullptr, 0));
  EXPECT_TRUE(bare.backend.messages.empty());
  EXPECT_FALSE(bare.game.endRequested);

  // A good header whose first component names a quantisation table that the
  // file never defines: a real decoding error, fatal with the technical message.
  auto jpeg = fixtures::JpegBytes(64, 64, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 9};
  });
  std::vector<std::uint8_t> wrecked = jpeg;
  std::size_t frameHeader = 2;
  while (frameHeader + 1 < wrecked.size() && !(wrecked[frameHeader] == 0xFF && wrecked[frameHeader + 1] == 0xC0)) {
    ++frameHeader;
  }
  ASSERT_LT(frameHeader + 12, wrecked.size());
  wrecked[frameHeader + 12] = 3;
  EXPECT_FALSE(platform::DecodeJpeg(bare.game, 64, 64, wrecked.data(), wrecked.size()));
  ASSERT_EQ(bare.backend.messages.size(), 1u);
  EXPECT_EQ(bare.backend.messages[0].text, "Error reading image");
  EXPECT_EQ(bare.backend.messages[0].caption, "");
  EXPECT_TRUE(bare.game.endRequested);

  // A picture merely cut short still decodes what is there.
  BareGame second;
  std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() * 2 / 3));
  EXPECT_TRUE(platform::DecodeJpeg(second.game, 64, 64, cut.data(), cut.size()));
  EXPECT_FALSE(second.game.endRequested);
}

TEST(LoadBitmapFile, ScalesToTheRequestedSizeInTheDisplayFormat) {
  fixtures::ScopedWorkDir dir;
  BareGame bare;
  fixtures::WriteBitmap("art.dat", 2, 2, [](int x, int y) {
    return x == 0 ? (y == 0 ? Rgb{255, 0, 0} : Rgb{0, 255, 0}) : Rgb{0, 0, 255};
  });
  platform::SurfacePtr surface = platform::LoadBitmapFile(bare.game, "art.dat", 10, 6);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface->w, 10);
  EXPECT_EQ(surface->h, 6);
  EXPECT_EQ(PixelAt(surface.get(), 0, 0), 0xFF0000u);
  EXPECT_EQ(PixelAt(surface.get(), 4, 5), 0x00FF00u);
  EXPECT_EQ(PixelAt(surface.get(), 9, 0), 0x0000FFu);

  BareGame sixteen(16);
  surface = platform::LoadBitmapFile(sixteen.game, "art.dat", 3, 3);
  ASSERT_TRUE(surface);
  EXPECT_EQ(PixelAt(surface.get(), 0, 0), 0x7C00u);
}

TEST(LoadBitmapFile, MissingDamagedAndLyingFilesGiveNoSurface) {
  fixtures::ScopedWorkDir dir;
  BareGame bare;
  EXPECT_FALSE(platform::LoadBitmapFile(bare.game, "missing.dat", 4, 4));

  auto bytes = fixtures::BitmapBytes(8, 8, [](int, int) { return Rgb{1, 2, 3}; });
  // Claims 4000 x 4000 pixels but carries 8 x 8.
  auto lying = bytes;
  lying[18] = 0xA0; lying[19] = 0x0F;
  lying[22] = 0xA0; lying[23] = 0x0F;
  fixtures::WriteFile("lying.dat", lying);
  EXPECT_FALSE(platform::LoadBitmapFile(bare.game, "lying.dat", 4, 4));

  auto truncated = bytes;
  truncated.resize(100);
  fixtures::WriteFile("short.dat", truncated);
  EXPECT_FALSE(platform::LoadBitmapFile(bare.game, "short.dat", 4, 4));

  fixtures::WriteFile("wave.dat", fixtures::WaveBytes(100));
  EXPECT_FALSE(platform::LoadBitmapFile(bare.game, "wave.dat", 4, 4));

  EXPECT_TRUE(bare.backend.messages.empty());
  EXPECT_FALSE(bare.game.endRequested);
}

TEST(LoadPicture, ChoosesTheLoaderBySource) {
  fixtures::ScopedWorkDir dir;
  BareGame bare;
  fixtures::WriteBitmap("art.dat", 2, 2, Rgb{0, 255, 0});
  const auto jpeg = fixtures::JpegBytes(8, 8, [](int, int) { return Rgb{255, 0, 0}; });
  platform::SurfacePtr fromFile = platform::LoadPicture(bare.game, "art.dat", 5, 5, false, nullptr, 0);
  platform::SurfacePtr fromMemory = platform::LoadPicture(bare.game, "", 5, 5, true, jpeg.data(), jpeg.size());
  ASSERT_TRUE(fromFile);
  ASSERT_TRUE(fromMemory);
  EXPECT_EQ(PixelAt(fromFile.get(), 2, 2), 0x00FF00u);
  EXPECT_TRUE(Near(PixelAt(fromMemory.get(), 2, 2), 0xFF0000));
}

}  // namespace

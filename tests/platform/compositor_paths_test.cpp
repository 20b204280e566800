// The compositor draws the game's own images directly; these checks hold it
// to what SDL's general blitter makes of the same draws, pixel for pixel,
// and the headless capture to SDL's pixel converter.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "fixtures.h"

using fixtures::BareGame;
using fixtures::PaintSlot;
using fixtures::Rgb;
using platform::Rect;

namespace {

constexpr int kSlot = 5;

// Random colours with one pixel in four black, so keyed draws have holes.
Rgb NoisyPixel(std::mt19937& random) {
  if (random() % 4 == 0) return Rgb{0, 0, 0};
  return Rgb{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
             static_cast<std::uint8_t>(random() | 8)};
}

void PaintNoise(BareGame& bare, int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  PaintSlot(bare.game, kSlot, width, height, [&](int, int) { return NoisyPixel(random); }, true);
}

platform::SurfacePtr CopyOf(SDL_Surface* surface) {
  return platform::SurfacePtr(SDL_ConvertSurface(surface, surface->format, 0));
}

// Random pixels straight into the surface, one in four black.
void FillNoise(SDL_Surface* surface, unsigned seed) {
  std::mt19937 random(seed);
  const bool wide = surface->format->BytesPerPixel == 4;
  for (int y = 0; y < surface->h; ++y) {
    auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
    for (int x = 0; x < surface->w; ++x) {
      const std::uint32_t value = random() % 4 == 0 ? 0 : random();
      if (wide) {
        reinterpret_cast<std::uint32_t*>(row)[x] = value & 0x00FFFFFF;
      } else {
        reinterpret_cast<std::uint16_t*>(row)[x] = static_cast<std::uint16_t>(value & 0x7FFF);
      }
    }
  }
}

// What SDL's own scaled blit makes of the draw, on a copy of the back buffer.
platform::SurfacePtr ThroughSdl(BareGame& bare, const Rect& rect, bool keyed) {
  platform::SurfacePtr expected = CopyOf(bare.game.backBuffer.get());
  SDL_Surface* image = bare.game.images[kSlot].surface.get();
  std::uint32_t key = 0;
  const bool hasKey = SDL_GetColorKey(image, &key) == 0;
  if (hasKey && !keyed) SDL_SetColorKey(image, SDL_FALSE, key);
  SDL_Rect target{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  SDL_BlitScaled(image, nullptr, expected.get(), &target);
  if (hasKey && !keyed) SDL_SetColorKey(image, SDL_TRUE, key);
  return expected;
}

::testing::AssertionResult SamePixels(SDL_Surface* actual, SDL_Surface* expected) {
  const int rowBytes = actual->w * actual->format->BytesPerPixel;
  for (int y = 0; y < actual->h; ++y) {
    const auto* a = static_cast<const std::uint8_t*>(actual->pixels) + y * actual->pitch;
    const auto* e = static_cast<const std::uint8_t*>(expected->pixels) + y * expected->pitch;
    for (int i = 0; i < rowBytes; ++i)
      if (a[i] != e[i])
        return ::testing::AssertionFailure()
               << "first difference at x " << i / actual->format->BytesPerPixel << ", y " << y;
  }
  return ::testing::AssertionSuccess();
}

class CompositorPaths : public ::testing::TestWithParam<int> {};

TEST_P(CompositorPaths, DrawsInsideTheScreenMatchSdlsBlitter) {
  BareGame bare(GetParam());
  FillNoise(bare.game.backBuffer.get(), 1);
  PaintNoise(bare, 37, 23, 2);
  const Rect rects[] = {
      {10, 10, 47, 33},    // own size
      {100, 50, 211, 119},  // stretched three times
      {300, 40, 319, 51},  // shrunk
      {0, 200, 1024, 768},  // stretched to the whole lower screen, uneven factors
      {500, 5, 541, 6},    // one row
  };
  for (const Rect& rect : rects) {
    for (bool keyed : {false, true}) {
      platform::SurfacePtr expected = ThroughSdl(bare, rect, keyed);
      (keyed ? platform::DrawSlotKeyed : platform::DrawSlot)(bare.game, rect, kSlot);
      EXPECT_TRUE(SamePixels(bare.game.backBuffer.get(), expected.get()))
          << "rect " << rect.left << "," << rect.top << " keyed " << keyed;
    }
  }
}

TEST_P(CompositorPaths, OwnSizeDrawsCutAtEveryEdgeMatchSdlsBlitter) {
  BareGame bare(GetParam());
  FillNoise(bare.game.backBuffer.get(), 3);
  PaintNoise(bare, 40, 30, 4);
  for (const Rect& rect : {Rect{-15, 100, 25, 130}, Rect{1000, 100, 1040, 130}, Rect{200, -12, 240, 18},
                           Rect{200, 750, 240, 780}, Rect{-39, -29, 1, 1}}) {
    for (bool keyed : {false, true}) {
      platform::SurfacePtr expected = ThroughSdl(bare, rect, keyed);
      (keyed ? platform::DrawSlotKeyed : platform::DrawSlot)(bare.game, rect, kSlot);
      EXPECT_TRUE(SamePixels(bare.game.backBuffer.get(), expected.get())) << "rect " << rect.left << "," << rect.top;
    }
  }
}

// Large stretches are kept and reused while their source is unchanged: each
// repeat, and each draw after a single source pixel changed (as the game
// draws outlines into pictures), must still be SDL's stretch of the image
// as it is now. Five sizes in turn push the earliest kept stretch out.
TEST_P(CompositorPaths, RepeatedStretchesFollowEveryChangeOfTheirSource) {
  BareGame bare(GetParam());
  FillNoise(bare.game.backBuffer.get(), 7);
  PaintNoise(bare, 120, 90, 8);
  SDL_Surface* image = bare.game.images[kSlot].surface.get();
  const Rect rects[] = {{100, 180, 900, 350}, {0, 0, 1024, 768}, {10, 20, 410, 320},
                        {50, 60, 250, 200}, {30, 300, 530, 700}};
  for (int round = 0; round < 3; ++round) {
    for (const Rect& rect : rects) {
      for (bool keyed : {false, true}) {
        platform::SurfacePtr expected = ThroughSdl(bare, rect, keyed);
        (keyed ? platform::DrawSlotKeyed : platform::DrawSlot)(bare.game, rect, kSlot);
        ASSERT_TRUE(SamePixels(bare.game.backBuffer.get(), expected.get()))
            << "round " << round << " rect " << rect.left << "," << rect.top << " keyed " << keyed;
      }
      // One source pixel changes (and in the last round, back to black).
      auto* pixel = static_cast<std::uint8_t*>(image->pixels) + (round * 7 + 3) * image->pitch +
                    (round * 11 + 5) * image->format->BytesPerPixel;
      *pixel = round == 2 ? 0 : static_cast<std::uint8_t>(*pixel + 1 + round);
    }
  }
}

// A stretched image sliding off the screen keeps every visible pixel where
// it was: the sampling follows the whole rectangle, not its visible part.
TEST_P(CompositorPaths, StretchedImagesSlideOffTheScreenWithoutShifting) {
  BareGame shifted(GetParam()), whole(GetParam());
  for (BareGame* bare : {&shifted, &whole}) PaintNoise(*bare, 64, 32, 5);
  platform::DrawSlotKeyed(whole.game, Rect{0, 100, 640, 196}, kSlot);
  platform::DrawSlotKeyed(shifted.game, Rect{-333, 100, 307, 196}, kSlot);
  platform::present(whole.game);
  platform::present(shifted.game);
  const auto& a = *shifted.backend.LastFrame();
  const auto& b = *whole.backend.LastFrame();
  for (int y = 100; y < 196; ++y)
    for (int x = 0; x < 307; ++x) ASSERT_EQ(a.Pixel(x, y), b.Pixel(x + 333, y)) << x << "," << y;
  EXPECT_EQ(a.Pixel(307, 150), 0u);  // nothing drawn past the right edge of the image
}

// Rectangles far larger than the screen (the stretched panoramas) and empty
// or inverted ones.
TEST_P(CompositorPaths, HugeAndEmptyRectanglesAreSafe) {
  BareGame bare(GetParam());
  PaintNoise(bare, 48, 24, 6);
  platform::DrawSlot(bare.game, Rect{-6000, -300, -6000 + 20480, -300 + 1536}, kSlot);
  platform::SurfacePtr afterHuge = CopyOf(bare.game.backBuffer.get());
  platform::DrawSlot(bare.game, Rect{10, 10, 10, 40}, kSlot);
  platform::DrawSlot(bare.game, Rect{50, 50, 20, 20}, kSlot);
  platform::DrawSlotKeyed(bare.game, Rect{5000, 5000, 5100, 5100}, kSlot);
  EXPECT_TRUE(SamePixels(bare.game.backBuffer.get(), afterHuge.get()));
  // Each screen pixel shows the image pixel under its centre.
  SDL_Surface* image = bare.game.images[kSlot].surface.get();
  const int bytes = image->format->BytesPerPixel;
  for (int y = 0; y < 768; y += 7) {
    for (int x = 0; x < 1024; x += 5) {
      const int sourceX = static_cast<int>((x + 6000 + 0.5) * 48 / 20480);
      const int sourceY = static_cast<int>((y + 300 + 0.5) * 24 / 1536);  // 1536 / 24 is exact
      const auto* got = static_cast<std::uint8_t*>(afterHuge->pixels) + y * afterHuge->pitch + x * bytes;
      const auto source = [&](int column) {
        return static_cast<std::uint8_t*>(image->pixels) + sourceY * image->pitch + column * bytes;
      };
      // 16.16 steps round down, so a pixel right on a column boundary may
      // still show the column before it.
      ASSERT_TRUE(std::memcmp(source(sourceX), got, bytes) == 0 ||
                  (sourceX > 0 && std::memcmp(source(sourceX - 1), got, bytes) == 0))
          << x << "," << y;
    }
  }
}

// A clear may wait for the next draw; whatever draws follow, the frame must
// be the one a clear carried out at once would give.
TEST_P(CompositorPaths, OwedClearsGiveTheFrameOfAnImmediateClear) {
  BareGame bare(GetParam());
  PaintNoise(bare, 32, 32, 7);
  const auto frameAfter = [&](int clearWidth, int clearHeight, const std::vector<std::pair<Rect, bool>>& draws,
                              bool clearAtOnce) {
    FillNoise(bare.game.backBuffer.get(), 8);
    platform::ClearBackBuffer(bare.game, static_cast<std::uint16_t>(clearWidth), static_cast<std::uint16_t>(clearHeight));
    if (clearAtOnce) platform::FinishBackBuffer(bare.game);
    for (const auto& [rect, keyed] : draws) (keyed ? platform::DrawSlotKeyed : platform::DrawSlot)(bare.game, rect, kSlot);
    platform::present(bare.game);
  };
  const Rect all{0, 0, 1024, 768}, topBand{-5, -5, 1030, 300}, bottomBand{0, 300, 1024, 800};
  const std::vector<std::vector<std::pair<Rect, bool>>> sequences = {
      {},
      {{all, true}},
      {{Rect{100, 100, 400, 300}, false}},
      {{Rect{-10, -10, 1100, 800}, false}},
      {{topBand, false}, {all, true}},
      {{topBand, false}, {bottomBand, false}},
      {{bottomBand, false}, {Rect{0, 0, 600, 600}, true}},
      {{Rect{0, 0, 5, 5}, false}},
      {{Rect{0, 0, 512, 768}, false}, {all, true}},
  };
  for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{10, 10}}) {
    for (std::size_t i = 0; i < sequences.size(); ++i) {
      frameAfter(width, height, sequences[i], true);
      const platform::CapturedFrame immediate = *bare.backend.LastFrame();
      frameAfter(width, height, sequences[i], false);
      const platform::CapturedFrame& owed = *bare.backend.LastFrame();
      int differing = 0;
      for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) differing += owed.Pixel(x, y) != immediate.Pixel(x, y);
      EXPECT_EQ(differing, 0) << "sequence " << i << ", clear " << width << " x " << height;
    }
  }
  frameAfter(1024, 768, {}, false);
  EXPECT_EQ(bare.backend.LastFrame()->Pixel(1023, 767), 0u);
}

INSTANTIATE_TEST_SUITE_P(BothDepths, CompositorPaths, ::testing::Values(32, 16));

TEST(HeadlessCapture, SixteenBitFramesConvertExactlyAsSdlConverts) {
  BareGame bare(16);
  SDL_Surface* buffer = bare.game.backBuffer.get();
  for (int pixel = 0; pixel < 32768; ++pixel) {
    auto* row = reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(buffer->pixels) + (pixel / 1024) * buffer->pitch);
    row[pixel % 1024] = static_cast<std::uint16_t>(pixel | (pixel % 3 == 0 ? 0x8000 : 0));  // bit 15 unused
  }
  platform::present(bare.game);
  std::vector<std::uint32_t> expected(1024 * 768);
  SDL_ConvertPixels(1024, 768, buffer->format->format, buffer->pixels, buffer->pitch, SDL_PIXELFORMAT_RGB888,
                    expected.data(), 1024 * 4);
  const auto& frame = *bare.backend.LastFrame();
  for (int pixel = 0; pixel < 32768; ++pixel)
    ASSERT_EQ(frame.Pixel(pixel % 1024, pixel / 1024), expected[pixel] & 0xFFFFFF) << "RGB555 value " << pixel;
}

TEST(HeadlessCapture, LaterFramesReplaceTheKeptOneUnlessAllAreKept) {
  BareGame bare;
  SDL_FillRect(bare.game.backBuffer.get(), nullptr, 0x123456);
  platform::present(bare.game);
  SDL_FillRect(bare.game.backBuffer.get(), nullptr, 0x654321);
  platform::present(bare.game);
  ASSERT_EQ(bare.backend.frames.size(), 1u);
  EXPECT_EQ(bare.backend.LastFrame()->Pixel(3, 3), 0x654321u);
  bare.backend.keepAllFrames = true;
  platform::present(bare.game);
  EXPECT_EQ(bare.backend.frames.size(), 2u);
}

}  // namespace

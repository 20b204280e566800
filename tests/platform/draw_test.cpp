// The compositor: opaque, keyed and stretched draws, glyph text, digits and
// the marks drawn into images, checked pixel by pixel and against goldens.
#include <gtest/gtest.h>

#include <initializer_list>

#include "fixtures.h"

using fixtures::BareGame;
using fixtures::PaintSlot;
using fixtures::Rgb;
using platform::Rect;

namespace {

constexpr std::uint32_t kGrey = 0x808080;

void FillBackground(platform::Platform& game, std::uint32_t rgb) {
  SDL_FillRect(game.backBuffer.get(), nullptr,
               SDL_MapRGB(game.backBuffer->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

std::uint32_t Packed(Rgb c) { return (std::uint32_t{c.red} << 16) | (c.green << 8) | c.blue; }

// A 4 x 4 image: a black 2 x 2 centre inside a red and green checker.
Rgb CheckerWithBlackCentre(int x, int y) {
  if (x >= 1 && x <= 2 && y >= 1 && y <= 2) return Rgb{0, 0, 0};
  return (x + y) % 2 == 0 ? Rgb{255, 0, 0} : Rgb{0, 255, 0};
}

// Glyph images in solid colours made from the slot, so each drawn character
// can be told apart.
Rgb GlyphColour(int slot) {
  return Rgb{static_cast<std::uint8_t>(slot * 2), static_cast<std::uint8_t>(255 - slot), 77};
}

// The back buffer as the screen shows it once presented.
const platform::CapturedFrame& Presented(BareGame& bare) {
  platform::present(bare.game);
  return *bare.backend.LastFrame();
}

struct PixelIs {
  int x, y;
  std::uint32_t rgb;
};

void ExpectPixels(const platform::CapturedFrame& frame, std::initializer_list<PixelIs> expected) {
  for (const PixelIs& pixel : expected) {
    EXPECT_EQ(frame.Pixel(pixel.x, pixel.y), pixel.rgb) << "at (" << pixel.x << ", " << pixel.y << ")";
  }
}

void PaintGlyphs(platform::Platform& game, int firstSlot, int lastSlot, int size) {
  for (int slot = firstSlot; slot <= lastSlot; ++slot) {
    PaintSlot(game, slot, size, size, [slot](int, int) { return GlyphColour(slot); }, true);
  }
}

TEST(Compositor, OpaqueKeyedAndStretchedDrawsMatchGolden) {
  BareGame bare;
  FillBackground(bare.game, kGrey);
  PaintSlot(bare.game, 5, 4, 4, CheckerWithBlackCentre, true);
  platform::DrawSlot(bare.game, Rect{0, 0, 4, 4}, 5);
  platform::DrawSlotKeyed(bare.game, Rect{6, 0, 10, 4}, 5);
  platform::DrawSlot(bare.game, Rect{0, 6, 8, 14}, 5);        // stretched, opaque
  platform::DrawSlotKeyed(bare.game, Rect{10, 6, 22, 18}, 5);  // stretched three times, keyed
  const platform::CapturedFrame& frame = Presented(bare);
  // The key stays on the image: opaque draws show its black, keyed ones the background.
  ExpectPixels(frame, {{1, 1, 0x000000u}, {7, 1, kGrey}, {14, 10, kGrey}, {10, 6, 0xFF0000u}});
  EXPECT_TRUE(fixtures::MatchesGolden(frame, 0, 0, 24, 20, "draws"));
}

TEST(Compositor, ClearAndDrawsStayInsideTheirRectangles) {
  BareGame bare;
  FillBackground(bare.game, kGrey);
  platform::ClearBackBuffer(bare.game, 10, 5);
  PaintSlot(bare.game, 7, 2, 2, [](int, int) { return Rgb{0, 0, 255}; }, false);
  platform::DrawSlot(bare.game, Rect{1020, 760, 1030, 770}, 7);  // partly off screen
  platform::DrawSlot(bare.game, Rect{50, 50, 50, 60}, 7);        // empty rectangle
  platform::DrawSlot(bare.game, Rect{60, 60, 70, 70}, 9);        // empty slot
  const platform::CapturedFrame& frame = Presented(bare);
  ExpectPixels(frame, {{9, 4, 0u}, {10, 4, kGrey}, {9, 5, kGrey}});  // the cleared corner
  ExpectPixels(frame, {{1023, 767, 0x0000FFu}, {1019, 767, kGrey}, {50, 55, kGrey}, {65, 65, kGrey}});
}

TEST(Compositor, GlyphSlotsFollowTheLetterTable) {
  EXPECT_EQ(platform::GlyphSlotFor('A'), 30);
  EXPECT_EQ(platform::GlyphSlotFor('Z'), 55);
  EXPECT_EQ(platform::GlyphSlotFor('a'), 60);
  EXPECT_EQ(platform::GlyphSlotFor('z'), 85);
  EXPECT_EQ(platform::GlyphSlotFor(0xFE), 56);
  EXPECT_EQ(platform::GlyphSlotFor(' '), 251);
  EXPECT_EQ(platform::GlyphSlotFor('\n'), 229);
}

TEST(Compositor, TextAdvancesByFourFifthsOfAGlyphAndSkipsSpaces) {
  BareGame bare;
  FillBackground(bare.game, kGrey);
  PaintGlyphs(bare.game, 30, 56, 25);
  PaintGlyphs(bare.game, 60, 85, 25);
  const std::string text = "Gib deinen Namen ein";
  platform::DrawText(bare.game, text.c_str(), 100, 200, 25, 25);
  const platform::CapturedFrame& frame = Presented(bare);
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Probe the left part of each cell, which the next glyph does not cover.
    const std::uint32_t seen = frame.Pixel(100 + 20 * static_cast<int>(i) + 10, 212);
    if (text[i] == ' ') {
      EXPECT_EQ(seen, kGrey) << "character " << i;
    } else {
      EXPECT_EQ(seen, Packed(GlyphColour(platform::GlyphSlotFor(text[i])))) << "character " << i;
    }
  }
  EXPECT_TRUE(fixtures::MatchesGolden(frame, 96, 196, 400, 32, "text"));
  ExpectPixels(frame, {{99, 212, kGrey}, {100, 199, kGrey}, {100, 225, kGrey}});
}

TEST(Compositor, TextStopsAfterEightyCharactersWithoutATerminator) {
  BareGame bare;
  FillBackground(bare.game, kGrey);
  PaintGlyphs(bare.game, 30, 30, 10);
  // Exactly 100 letters and no terminating zero: reading on would run past the array.
  std::vector<char> letters(100, 'A');
  platform::DrawText(bare.game, letters.data(), 0, 0, 10, 10);
  const platform::CapturedFrame& frame = Presented(bare);
  EXPECT_EQ(frame.Pixel(79 * 8 + 2, 5), Packed(GlyphColour(30)));
  EXPECT_EQ(frame.Pixel(80 * 8 + 4, 5), kGrey);
}

TEST(Compositor, NumbersDrawTheirDigitsWithLeadingZeros) {
  BareGame bare;
  FillBackground(bare.game, kGrey);
  PaintGlyphs(bare.game, 10, 19, 40);
  platform::DrawNumber(bare.game, 7, 2, 0, 0, 40, 45);
  platform::DrawNumber(bare.game, 7, 1, 0, 100, 40, 45);
  platform::DrawNumber(bare.game, 93, 2, 0, 200, 40, 45);
  platform::DrawNumber(bare.game, 5, 0, 0, 300, 40, 45);
  platform::DrawSixDigits(bare.game, 0, 400, 40, 45, 4250);
  const platform::CapturedFrame& frame = Presented(bare);
  auto digitAt = [&](int x, int y) {
    for (int d = 0; d <= 9; ++d) {
      if (frame.Pixel(x + 20, y + 20) == Packed(GlyphColour(10 + d))) return d;
    }
    return -1;
  };
  EXPECT_EQ(digitAt(0, 0), 0);
  EXPECT_EQ(digitAt(40, 0), 7);
  EXPECT_EQ(digitAt(0, 100), 7);
  EXPECT_EQ(digitAt(40, 100), -1);
  EXPECT_EQ(digitAt(0, 200), 9);
  EXPECT_EQ(digitAt(40, 200), 3);
  EXPECT_EQ(digitAt(0, 300), -1);
  const int expected[6] = {0, 0, 4, 2, 5, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(digitAt(40 * i, 400), expected[i]) << "cell " << i;
  EXPECT_EQ(digitAt(240, 400), -1);
  EXPECT_TRUE(fixtures::MatchesGolden(frame, 0, 400, 250, 45, "six_digits"));
}

TEST(Compositor, FramesAndBoxesAreDrawnIntoTheImageItself) {
  BareGame bare;
  FillBackground(bare.game, 0);
  PaintSlot(bare.game, 1, 30, 20, [](int, int) { return Rgb{128, 128, 128}; }, false);
  platform::DrawBlueFrame(bare.game, 1, 2, 2, 14, 14);
  platform::DrawRedFrame(bare.game, 1, 16, 2, 28, 14);
  platform::DrawBlackBox(bare.game, 1, 3, 16, 27, 19);
  platform::DrawRedFrame(bare.game, 1, 28, 15, 40, 30);  // clipped at the image's edge
  SDL_Surface* image = bare.game.images[1].surface.get();
  auto pixel = [&](int x, int y) {
    std::uint8_t r, g, b;
    SDL_GetRGB(static_cast<std::uint32_t*>(image->pixels)[y * image->pitch / 4 + x], image->format,
               &r, &g, &b);
    return (std::uint32_t{r} << 16) | (g << 8) | b;
  };
  // Rings from the darkest outside to white inside; right and bottom exclusive.
  EXPECT_EQ(pixel(2, 2), 0x000032u);
  EXPECT_EQ(pixel(13, 13), 0x000032u);
  EXPECT_EQ(pixel(14, 14), 0x808080u);
  EXPECT_EQ(pixel(3, 8), 0x000064u);
  EXPECT_EQ(pixel(4, 8), 0x0000C8u);
  EXPECT_EQ(pixel(5, 8), 0xFFFFFFu);
  EXPECT_EQ(pixel(6, 8), 0x808080u);  // hollow inside
  EXPECT_EQ(pixel(16, 2), 0x320000u);
  EXPECT_EQ(pixel(19, 5), 0xFFFFFFu);
  EXPECT_EQ(pixel(3, 16), 0u);
  EXPECT_EQ(pixel(26, 18), 0u);
  EXPECT_EQ(pixel(27, 18), 0x808080u);
  platform::DrawSlot(bare.game, Rect{0, 0, 30, 20}, 1);
  EXPECT_TRUE(fixtures::MatchesGolden(Presented(bare), 0, 0, 30, 20, "marks"));
}

TEST(Compositor, SixteenBitImagesKeepBlackTransparent) {
  BareGame bare(16);
  ASSERT_EQ(bare.game.backBuffer->format->format, SDL_PIXELFORMAT_RGB555);
  FillBackground(bare.game, kGrey);
  PaintSlot(bare.game, 5, 4, 4, CheckerWithBlackCentre, true);
  platform::DrawSlotKeyed(bare.game, Rect{0, 0, 4, 4}, 5);
  const platform::CapturedFrame& frame = Presented(bare);
  EXPECT_EQ(frame.Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(frame.Pixel(1, 1) & 0xF8F8F8, kGrey & 0xF8F8F8);
  EXPECT_TRUE(fixtures::MatchesGolden(frame, 0, 0, 8, 8, "keyed_16bit"));
  EXPECT_EQ(platform::Rgb555(255, 255, 255), 0x7FFF);
  EXPECT_EQ(platform::Rgb555(0, 0, 0), 0);
  EXPECT_EQ(platform::Rgb555(255, 0, 8), 0x7C01);
}

}  // namespace

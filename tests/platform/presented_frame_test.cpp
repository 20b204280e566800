// The presenter hands the renderer only what changed: these cases hold the
// changed area to exactly the pixels that differ, at both depths.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/presented_frame.h"

namespace {

using platform::FrameChange;
using platform::PresentedFrame;
using platform::SurfacePtr;

SurfacePtr Frame(int width, int height, int depth) {
  const std::uint32_t format = depth == 16 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB888;
  SurfacePtr frame(SDL_CreateRGBSurfaceWithFormat(0, width, height, depth, format));
  SDL_FillRect(frame.get(), nullptr, 0x1234);
  return frame;
}

std::uint8_t* ByteAt(SDL_Surface& frame, int x, int y, int byte = 0) {
  return static_cast<std::uint8_t*>(frame.pixels) + y * frame.pitch + x * frame.format->BytesPerPixel + byte;
}

void ExpectArea(const FrameChange& change, int x, int y, int w, int h) {
  ASSERT_TRUE(change.changed);
  EXPECT_EQ(change.area.x, x);
  EXPECT_EQ(change.area.y, y);
  EXPECT_EQ(change.area.w, w);
  EXPECT_EQ(change.area.h, h);
}

class PresentedFrameAtDepth : public testing::TestWithParam<int> {};

TEST_P(PresentedFrameAtDepth, FirstFrameIsWholeAndARepeatIsNothing) {
  SurfacePtr frame = Frame(64, 48, GetParam());
  PresentedFrame presented;
  ExpectArea(presented.Take(*frame), 0, 0, 64, 48);
  EXPECT_FALSE(presented.Take(*frame).changed);
  EXPECT_FALSE(presented.Take(*frame).changed);
}

TEST_P(PresentedFrameAtDepth, OneChangedByteIsOneWholePixel) {
  const int bytesPerPixel = GetParam() / 8;
  SurfacePtr frame = Frame(64, 48, GetParam());
  PresentedFrame presented;
  presented.Take(*frame);
  for (int byte = 0; byte < bytesPerPixel; ++byte) {
    *ByteAt(*frame, 17, 9, byte) ^= 0x01;
    ExpectArea(presented.Take(*frame), 17, 9, 1, 1);
  }
  // The edges of the frame count like any other pixel.
  *ByteAt(*frame, 63, 47, bytesPerPixel - 1) ^= 0x10;
  ExpectArea(presented.Take(*frame), 63, 47, 1, 1);
  *ByteAt(*frame, 0, 0) ^= 0x10;
  ExpectArea(presented.Take(*frame), 0, 0, 1, 1);
}

TEST_P(PresentedFrameAtDepth, SeveralChangesShareOneBoundingArea) {
  SurfacePtr frame = Frame(64, 48, GetParam());
  PresentedFrame presented;
  presented.Take(*frame);
  *ByteAt(*frame, 40, 3) ^= 0xFF;  // a clock digit
  *ByteAt(*frame, 5, 30) ^= 0xFF;  // the cursor
  ExpectArea(presented.Take(*frame), 5, 3, 36, 28);
  // Taken as the new last frame: only a change against it counts now.
  EXPECT_FALSE(presented.Take(*frame).changed);
  *ByteAt(*frame, 40, 3) ^= 0xFF;  // the digit back as it was
  ExpectArea(presented.Take(*frame), 40, 3, 1, 1);
}

TEST_P(PresentedFrameAtDepth, ForgettingOrAnotherFrameShapeHandsOverTheWhole) {
  SurfacePtr frame = Frame(64, 48, GetParam());
  PresentedFrame presented;
  presented.Take(*frame);
  presented.Forget();
  ExpectArea(presented.Take(*frame), 0, 0, 64, 48);
  SurfacePtr taller = Frame(64, 50, GetParam());
  ExpectArea(presented.Take(*taller), 0, 0, 64, 50);
  SurfacePtr otherDepth = Frame(64, 50, GetParam() == 16 ? 32 : 16);
  ExpectArea(presented.Take(*otherDepth), 0, 0, 64, 50);
  EXPECT_FALSE(presented.Take(*otherDepth).changed);
}

INSTANTIATE_TEST_SUITE_P(Depths, PresentedFrameAtDepth, testing::Values(32, 16));

TEST(PresentedFrame, PaddingAtTheEndOfARowIsNoPartOfThePicture) {
  SurfacePtr frame = Frame(3, 4, 16);  // 6 bytes of pixels in a longer row
  ASSERT_GT(frame->pitch, 6);
  PresentedFrame presented;
  presented.Take(*frame);
  static_cast<std::uint8_t*>(frame->pixels)[frame->pitch + 6] ^= 0xFF;
  EXPECT_FALSE(presented.Take(*frame).changed);
}

}  // namespace

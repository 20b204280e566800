// The gamepad as a pointer: the stick's dead zone and curve, the d-pad's
// slow start and speed-up, carried fractions; and, through SDL's virtual
// joystick, the SDL backend turning a pad into mouse motion, clicks and
// Escape.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gamepad.h"
#include "platform/sdl_backend.h"

namespace {

using platform::PadCursor;
using platform::PadPointing;

// Runs `milliseconds` in 10 ms steps, as the backend does, and sums the motion.
void Hold(PadCursor& cursor, const PadPointing& pointing, int milliseconds, int& totalX, int& totalY) {
  totalX = totalY = 0;
  for (int t = 0; t < milliseconds; t += 10) {
    int dx = 0, dy = 0;
    cursor.Advance(pointing, 10, dx, dy);
    totalX += dx;
    totalY += dy;
  }
}

TEST(PadCursor, StickInsideTheDeadZoneMovesNothing) {
  PadCursor cursor;
  PadPointing resting;
  resting.stickX = 0.15;
  resting.stickY = -0.19;
  int x = 0, y = 0;
  Hold(cursor, resting, 2000, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

TEST(PadCursor, FullPushTravelsFastAndAHalfPushFinely) {
  PadCursor full;
  PadPointing pushed;
  pushed.stickX = 1.0;
  int x = 0, y = 0;
  Hold(full, pushed, 1000, x, y);
  EXPECT_NEAR(x, PadCursor::kStickUnitsPerSecond, 2);
  EXPECT_EQ(y, 0);

  PadCursor half;
  pushed.stickX = 0;
  pushed.stickY = -0.6;  // up, half way past the dead zone: a quarter of the speed
  Hold(half, pushed, 1000, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_NEAR(y, -PadCursor::kStickUnitsPerSecond / 4, 2);
}

TEST(PadCursor, SlowPushStillMovesThroughCarriedFractions) {
  PadCursor cursor;
  PadPointing pushed;
  pushed.stickX = -0.25;  // 0.0625^2 of full speed: far under a unit per step
  int x = 0, y = 0;
  Hold(cursor, pushed, 2000, x, y);
  EXPECT_LT(x, 0);
  EXPECT_GE(x, -5);
}

TEST(PadCursor, DPadStartsSlowAndSpeedsUpWhileHeld) {
  PadCursor cursor;
  PadPointing right;
  right.right = true;
  int first = 0, late = 0, y = 0;
  Hold(cursor, right, 100, first, y);  // a tap: a few units, fine enough for a slider
  EXPECT_GE(first, 3);
  EXPECT_LE(first, 8);
  Hold(cursor, right, 1500, late, y);
  Hold(cursor, right, 100, late, y);  // after 1.7 s held: top speed
  EXPECT_NEAR(late, PadCursor::kPadTopUnitsPerSecond / 10, 2);

  // Let go: the next press starts slow again.
  int none = 0;
  Hold(cursor, PadPointing{}, 50, none, y);
  EXPECT_EQ(none, 0);
  PadPointing up;
  up.up = true;
  Hold(cursor, up, 100, none, y);
  EXPECT_EQ(none, 0);
  EXPECT_GE(y, -8);
  EXPECT_LE(y, -3);
}

// The SDL backend with a virtual pad. No window is opened: SDL drops pad
// input of a game that has windows but not the focus, as it should in play.
class VirtualPad : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  void SetUp() override {
    deviceIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                            SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(deviceIndex, 0) << SDL_GetError();
    joystick = SDL_JoystickOpen(deviceIndex);
    ASSERT_NE(joystick, nullptr);
    Drain();  // the backend opens the pad when it hears of it
  }
  void TearDown() override {
    if (joystick != nullptr) SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(deviceIndex);
  }
  // Every event pending now, in order.
  std::vector<platform::InputEvent> Drain() {
    std::vector<platform::InputEvent> events;
    platform::InputEvent event;
    SDL_PumpEvents();
    while (backend.PollEvent(event)) events.push_back(event);
    return events;
  }
  platform::SdlBackend backend;
  int deviceIndex = -1;
  SDL_Joystick* joystick = nullptr;
};

TEST_F(VirtualPad, ButtonsBecomeClicksAndEscape) {
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
  auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, platform::InputEvent::Kind::MouseButton);
  EXPECT_EQ(events[0].button, 0);
  EXPECT_TRUE(events[0].down);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 0);
  events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_FALSE(events[0].down);

  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 1);
  events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].button, 1);  // held for the magnifier like the right button
  EXPECT_TRUE(events[0].down);

  for (SDL_GameControllerButton escape : {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_START}) {
    SDL_JoystickSetVirtualButton(joystick, escape, 1);
    events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, platform::InputEvent::Kind::KeyDown);
    EXPECT_EQ(events[0].virtualKey, 27);
    SDL_JoystickSetVirtualButton(joystick, escape, 0);
    EXPECT_TRUE(Drain().empty());  // letting go is no second key
  }
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_X, 1);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(VirtualPad, StickAndDPadMoveTheCursor) {
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 32767);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 0);
  int totalX = 0, totalY = 0;
  const Uint32 start = SDL_GetTicks();
  while (SDL_GetTicks() - start < 300) {
    for (const auto& event : Drain()) {
      ASSERT_EQ(event.kind, platform::InputEvent::Kind::MouseMotion);
      totalX += event.dx;
      totalY += event.dy;
    }
    SDL_Delay(2);
  }
  EXPECT_GT(totalX, 100);  // about 600 units a second
  EXPECT_LT(totalX, 260);
  EXPECT_EQ(totalY, 0);

  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
  Drain();
  SDL_Delay(30);
  EXPECT_TRUE(Drain().empty());  // a centred stick moves nothing

  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
  totalY = 0;
  const Uint32 padStart = SDL_GetTicks();
  while (SDL_GetTicks() - padStart < 300) {
    for (const auto& event : Drain()) totalY += event.dy;
    SDL_Delay(2);
  }
  EXPECT_GT(totalY, 5);
  EXPECT_LT(totalY, 120);
}

}  // namespace

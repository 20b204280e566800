#include "platform/input.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/platform.h"

namespace platform {
namespace {

std::int32_t SaturatingAdd(std::int32_t total, int delta) {
  const std::int64_t sum = static_cast<std::int64_t>(total) + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void StartInput(Platform& platform) {
  platform.mouse = MouseState{};
  if (platform.backend != nullptr) platform.backend->StartInput();
}

void ReleaseInput(Platform& platform) {
  if (platform.backend != nullptr) platform.backend->ReleaseInput();
}

void ApplyMouseEvent(Platform& platform, const InputEvent& event) {
  MouseState& mouse = platform.mouse;
  switch (event.kind) {
    case InputEvent::Kind::MouseMotion:
      mouse.pendingDx = SaturatingAdd(mouse.pendingDx, event.dx);
      mouse.pendingDy = SaturatingAdd(mouse.pendingDy, event.dy);
      break;
    case InputEvent::Kind::MouseWheel:
      mouse.pendingWheel = SaturatingAdd(mouse.pendingWheel, event.wheel);
      break;
    case InputEvent::Kind::MouseButton:
      if (event.button < 0 || event.button >= kMouseButtonCount) break;
      mouse.down[event.button] = event.down;
      if (event.down) mouse.pressedSinceReading[event.button] = true;
      break;
    default:
      break;
  }
}

MouseReading ReadMouse(Platform& platform) {
  MouseState& mouse = platform.mouse;
  MouseReading reading;
  reading.dx = mouse.pendingDx;
  reading.dy = mouse.pendingDy;
  reading.wheel = mouse.pendingWheel;
  for (int button = 0; button < kMouseButtonCount; ++button) {
    // A quick click that began and ended since the last reading still
    // reads as down once, so a click is never lost between frames.
    const bool down = mouse.down[button] || mouse.pressedSinceReading[button];
    reading.buttons[button] = down ? 0x80 : 0x00;
    mouse.pressedSinceReading[button] = false;
  }
  mouse.pendingDx = mouse.pendingDy = mouse.pendingWheel = 0;
  mouse.latest = reading;
  return reading;
}

void DesktopPointToFrame(int desktopWidth, int desktopHeight, int& x, int& y) {
  if (desktopWidth <= 0 || desktopHeight <= 0) return;
  // The frame is scaled by the smaller of the two ratios and centred, as the
  // renderer's logical size does it.
  const double scale = std::min(static_cast<double>(desktopWidth) / kScreenWidth,
                                static_cast<double>(desktopHeight) / kScreenHeight);
  const double left = (desktopWidth - kScreenWidth * scale) / 2.0;
  const double top = (desktopHeight - kScreenHeight * scale) / 2.0;
  x = static_cast<int>(std::floor((x - left) / scale));
  y = static_cast<int>(std::floor((y - top) / scale));
}

int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  switch (key) {
    case SDLK_ESCAPE: return 27;
    case SDLK_BACKSPACE: return 8;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_SPACE: return 32;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    default: return 0;
  }
}

}  // namespace platform

// JPEG bytes of a picture pair: decoded into a 490 x 430 picture or refused;
// damaged data may end the game with its message, never read astray.
#include <cstddef>
#include <cstdint>

#include "headless_display.h"
#include "platform/images.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::HeadlessDisplay display32(32);
  static fuzzing::HeadlessDisplay display16(16);
  if (size < 1) return 0;
  fuzzing::HeadlessDisplay& display = (data[0] & 1) ? display16 : display32;
  // A damaged picture ends the game; each input starts a fresh one.
  display.game.endRequested = false;
  display.backend.messages.clear();
  platform::SurfacePtr picture = platform::DecodeJpeg(display.game, 490, 430, data + 1, size - 1);
  if (picture && (picture->w != 490 || picture->h != 430)) __builtin_trap();
  return 0;
}

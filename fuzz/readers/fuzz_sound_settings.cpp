// vol.qxf: any bytes give usable settings (switches 0 or 1).
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/lifecycle.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const platform::SoundSettings settings = platform::DecodeSoundSettings(std::span(data, size));
  if (settings.musicOn > 1 || settings.effectsOn > 1 || settings.speechOn > 1) __builtin_trap();
  return 0;
}

// Wave files: a parsed sound never reaches past the bytes it came from.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/sound.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)platform::ParseWave(std::span(data, size));
  return 0;
}

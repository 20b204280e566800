// Bitmap files of the artwork: the first four input bytes pick the size the
// catalogue asks for, the rest is the file. A bitmap is either refused or
// becomes an image of exactly that size.
#include <cstddef>
#include <cstdint>

#include "headless_display.h"
#include "platform/images.h"
#include "platform/platform.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::HeadlessDisplay display32(32);
  static fuzzing::HeadlessDisplay display16(16);
  if (size < 4) return 0;
  const int width = 1 + (data[0] | ((data[1] & 0x03) << 8));   // 1..1024
  const int height = 1 + (data[2] | ((data[3] & 0x03) << 8));  // 1..1024
  fuzzing::HeadlessDisplay& display = (data[1] & 0x80) ? display16 : display32;
  const std::string path = fuzzing::WriteScratchFile(data + 4, size - 4);
  platform::SurfacePtr image = platform::LoadBitmapFile(display.game, path, width, height);
  if (image && (image->w != width || image->h != height)) __builtin_trap();
  return 0;
}

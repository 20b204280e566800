// A photo from anywhere, as qxtool and the editor's "Foto importieren…" read
// it: fitted to 488 x 430 or refused with a reason; never a read astray and
// never an allocation of the size the file claims.
#include <cstddef>
#include <cstdint>
#include <span>

#include "photo/fit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto fitted = photo::FitPhoto(std::span<const std::uint8_t>(data, size));
  if (fitted) {
    if (fitted->width != 488 || fitted->height != 430 || fitted->rgb.size() != 488u * 430u * 3u) __builtin_trap();
  } else if (fitted.error().detail.empty()) {
    __builtin_trap();
  }
  return 0;
}

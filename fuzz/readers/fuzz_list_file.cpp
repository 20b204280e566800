// The launcher's list file vsts.dat: any bytes give a list, and a list that
// can be written again reads back as the same list.
#include <cstddef>
#include <cstdint>
#include <span>

#include "launcher/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const launcher::ListFile list = launcher::DecodeListFile(std::span(data, size));
  if (list.paths.size() > 255) __builtin_trap();
  const gamefile::Bytes again = launcher::EncodeListFile(list.storedSelection, list.paths);
  const launcher::ListFile reread = launcher::DecodeListFile(again);
  // Paths never hold their own terminator, so the round trip is exact.
  if (reread.paths != list.paths) __builtin_trap();
  return 0;
}

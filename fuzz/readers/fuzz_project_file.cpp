// The editor's project file: a file either loads as a whole table or is
// refused, and a loaded table saves into a file that loads again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "editor/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto table = editor::DecodeProjectFile(std::span(data, size));
  if (!table) return 0;
  const std::vector<std::uint8_t> again = editor::EncodeProjectFile(*table);
  if (!editor::DecodeProjectFile(again)) __builtin_trap();
  return 0;
}

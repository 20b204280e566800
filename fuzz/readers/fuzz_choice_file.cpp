// The game's reading of vst.dat: any bytes name the built-in game or one
// path of at most 1000 bytes, with the three derived file names.
#include <cstddef>
#include <cstdint>
#include <span>

#include "logic/game_file_choice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  logic::GameFileChoice choice;
  logic::ApplyChoiceFile(std::span(data, size), choice);
  if (choice.picturePairFile.size() > logic::kMaxChoicePathBytes + 4) __builtin_trap();
  return 0;
}

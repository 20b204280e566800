// High-score files (HS.qxf, <name file>.qxh): only a whole table is taken,
// and a table taken writes back to the same table.
#include <cstddef>
#include <cstdint>
#include <span>

#include "logic/high_score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table = logic::DecodeHighScores(std::span(data, size));
  if (!table) return 0;
  const auto again = logic::DecodeHighScores(logic::EncodeHighScores(*table));
  if (!again || !(*again == *table)) __builtin_trap();
  return 0;
}

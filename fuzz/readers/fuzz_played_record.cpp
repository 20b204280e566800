// The played-picture record: the first two input bytes are the pair count,
// the rest is the file. Whatever the file holds, the game ends up with one
// flag per pair and a record of exactly that many bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "logic/played_record.h"
#include "logic/random.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint16_t pairCount = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
  const std::string path = fuzzing::WriteScratchFile(data + 2, size - 2);
  std::vector<int> played;
  const logic::RecordLoad load = logic::LoadPlayedRecord(path, pairCount, played);
  if (load == logic::RecordLoad::CannotCreate) return 0;
  if (played.size() != pairCount) __builtin_trap();
  if (std::filesystem::file_size(path) != pairCount) __builtin_trap();
  if (pairCount > 0) {
    logic::RandomGenerator random;
    const int pair = logic::ChooseUnplayedPair(played, random);
    if (pair < 0 || pair >= pairCount || played[static_cast<std::size_t>(pair)] != 1) __builtin_trap();
  }
  return 0;
}

// Without libFuzzer (GCC builds) this driver feeds the fuzz entry a fixed,
// seeded stream of mutations of a valid picture-pair file, so CTest runs the
// same checks on every build under the address and undefined-behaviour
// sanitizers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "gamefile/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

gamefile::Bytes TinyJpeg(std::uint8_t fill) {
  gamefile::Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0,
                       0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01, 0xAE, 0x01, 0xE8, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
  for (int i = 0; i < 9; ++i) b.push_back(fill);
  b.push_back(0xFF);
  b.push_back(0xD9);
  return b;
}

gamefile::Bytes ValidPicturePairFile() {
  std::vector<gamefile::PictureRecord> records(4);
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].jpeg = TinyJpeg(static_cast<std::uint8_t>(i));
    for (int r = 0; r < 5; ++r)
      records[i].rects[r] = {static_cast<std::uint16_t>(r * 10), static_cast<std::uint16_t>(r * 10 + 8),
                             static_cast<std::uint16_t>(r * 5), static_cast<std::uint16_t>(r * 5 + 9)};
  }
  return gamefile::EncodePicturePairFile(records);
}

void Mutate(gamefile::Bytes& bytes, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int e = 0; e < edits && !bytes.empty(); ++e) {
    const std::size_t at = random() % bytes.size();
    switch (random() % 4) {
      case 0: bytes[at] = static_cast<std::uint8_t>(random()); break;
      case 1: bytes[at] = (random() & 1) ? 0xFF : 0x00; break;
      case 2: bytes.resize(at); break;
      case 3: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random())); break;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 20000;
  const gamefile::Bytes valid = ValidPicturePairFile();
  std::mt19937 random(20261208);
  LLVMFuzzerTestOneInput(valid.data(), valid.size());
  for (int i = 0; i < rounds; ++i) {
    gamefile::Bytes input = valid;
    Mutate(input, random);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%d mutated inputs handled\n", rounds);
  return 0;
}

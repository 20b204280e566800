// Fuzz entry for the game-file parsers: every input must either parse into a
// consistent table or be refused, never read outside the buffer.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"
#include "gamefile/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  (void)gamefile::ReadJpegInfo(bytes);
  (void)gamefile::DecodeNameFile(bytes);
  (void)gamefile::Utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(data), size));

  auto index = gamefile::ScanPicturePairs(bytes);
  if (index.ok()) {
    // A table that scanned must hold every picture it lists.
    for (std::size_t i = 0; i < index.value().records.size(); ++i) {
      if (!gamefile::ReadPicture(bytes, index.value(), i).ok()) __builtin_trap();
    }
  }
  auto all = gamefile::ReadPicturePairs(bytes);
  if (all.ok() != index.ok()) __builtin_trap();
  return 0;
}

#include "logic/game_file_choice.h"

#include <cstdio>
#include <vector>

#include "gamefile/game_file.h"

namespace logic {

namespace {

// Only the first 1000 bytes can matter, however long the file is.
std::vector<std::uint8_t> ReadChoicePrefix(const char* path) {
  std::vector<std::uint8_t> bytes(kMaxChoicePathBytes + 1);
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return {};
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return bytes;
}

}  // namespace

void ApplyChoiceFile(std::span<const std::uint8_t> choiceBytes, GameFileChoice& choice) {
  std::string path;
  for (std::uint8_t byte : choiceBytes) {
    if (byte == 0x00 || byte == 0xFF || path.size() == kMaxChoicePathBytes) break;
    path.push_back(static_cast<char>(byte));
  }
  // An empty path (file empty, 0xFF first, or 0x00 first) would name files
  // like ".qxs" in the start directory: play the built-in game instead.
  choice.builtIn = path.empty();
  if (choice.builtIn) {
    choice.picturePairFile = "data//dataset.qxs";
    choice.highScoreFile = "HS.qxf";
    choice.playedRecordFile = "qxdat.qxf";
    return;
  }
  choice.picturePairFile = path + ".qxs";
  choice.highScoreFile = path + ".qxh";
  choice.playedRecordFile = path + ".qxf";
}

ChoiceResult ReadGameFileChoice(GameFileChoice& choice) {
  ApplyChoiceFile(ReadChoicePrefix(kChoiceFileName), choice);
  // Checking every record now means a level set-up never walks off the end
  // of a damaged file or allocates what a byte count merely claims.
  auto index = gamefile::ScanPicturePairFile(choice.picturePairFile);
  if (!index) return ChoiceResult::PicturePairFileUnusable;
  choice.pairCount = index->pairCount;
  choice.index = std::move(*index);
  return ChoiceResult::Ready;
}

}  // namespace logic

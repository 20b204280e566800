#pragma once
// Fixtures for the level tests: a scratch folder made current for the test's
// lifetime (the game opens every file relative to its start directory) and
// picture-pair files built from small records.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "test_support/temp_dir.h"

namespace leveltest {

using ScratchDirectory = testsupport::ScopedWorkDir;

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline gamefile::RectSet SampleRects(std::uint16_t shift = 0) {
  gamefile::RectSet rects;
  for (int j = 0; j < 5; ++j) {
    const std::uint16_t x = static_cast<std::uint16_t>(20 + 90 * j + shift);
    rects[j] = {x, static_cast<std::uint16_t>(x + 40), static_cast<std::uint16_t>(30 + 70 * j),
                static_cast<std::uint16_t>(60 + 70 * j)};
  }
  return rects;
}

// `pairs` pairs of records with their own (not necessarily decodable) bytes;
// byte 0 of every JPEG tells the records apart.
inline std::vector<gamefile::PictureRecord> SampleRecords(int pairs, const gamefile::Bytes& jpeg) {
  std::vector<gamefile::PictureRecord> records;
  for (int i = 0; i < 2 * pairs; ++i) {
    gamefile::PictureRecord record;
    record.jpeg = jpeg;
    record.rects = SampleRects(static_cast<std::uint16_t>(i));
    records.push_back(record);
  }
  return records;
}

}  // namespace leveltest

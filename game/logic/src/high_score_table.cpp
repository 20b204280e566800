#include "logic/high_score_table.h"

#include <algorithm>
#include <fstream>

#include "gamefile/file_io.h"

namespace logic {
namespace {

struct DefaultRow {
  std::uint32_t points;
  std::uint8_t level;
};

constexpr std::array<DefaultRow, kHighScoreEntries> kDefaultRows{{
    {52000, 18}, {43000, 15}, {40000, 14}, {33000, 12}, {30000, 10},
    {28000, 9},  {25000, 8},  {23000, 7},  {20000, 6},  {10000, 3},
}};

std::array<std::uint8_t, kHighScoreNameBytes> NameBytes(const char (&text)[kHighScoreNameBytes + 1]) {
  std::array<std::uint8_t, kHighScoreNameBytes> name{};
  std::copy_n(text, kHighScoreNameBytes, name.begin());
  return name;
}

bool HasGlyph(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
}

}  // namespace

HighScoreTable DefaultHighScoreTable() {
  HighScoreTable table;
  for (int rank = 0; rank < kHighScoreEntries; ++rank) {
    table[rank].name = NameBytes("QUALDREX  ");
    table[rank].points = kDefaultRows[rank].points;
    table[rank].level = kDefaultRows[rank].level;
  }
  return table;
}

std::vector<std::uint8_t> EncodeHighScores(const HighScoreTable& table) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kHighScoreFileBytes);
  for (const HighScoreEntry& entry : table) {
    bytes.insert(bytes.end(), entry.name.begin(), entry.name.end());
    // Points are stored most significant byte first, unlike every other
    // number the game writes.
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(entry.points >> shift));
    bytes.push_back(entry.level);
  }
  return bytes;
}

std::optional<HighScoreTable> DecodeHighScores(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHighScoreFileBytes) return std::nullopt;
  HighScoreTable table;
  for (int rank = 0; rank < kHighScoreEntries; ++rank) {
    auto entry = bytes.subspan(static_cast<std::size_t>(rank) * kHighScoreEntryBytes, kHighScoreEntryBytes);
    HighScoreEntry& target = table[rank];
    std::copy_n(entry.begin(), kHighScoreNameBytes, target.name.begin());
    target.points = 0;
    for (int i = 0; i < 4; ++i) target.points = (target.points << 8) | entry[kHighScoreNameBytes + i];
    target.level = entry[kHighScoreNameBytes + 4];
  }
  return table;
}

HighScoreTable LoadOrCreateHighScores(const std::string& path) {
  // Only the first ten entries are read; whatever follows them is left in
  // the file as it is, so the player's scores are never replaced.
  std::array<std::uint8_t, kHighScoreFileBytes> bytes{};
  std::ifstream file(path, std::ios::binary);
  if (file) {
    file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    const auto got = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
    if (auto table = DecodeHighScores(std::span<const std::uint8_t>(bytes.data(), got))) return *table;
  }
  HighScoreTable table = DefaultHighScoreTable();
  SaveHighScoreTable(path, table);
  return table;
}

bool SaveHighScoreTable(const std::string& path, const HighScoreTable& table) {
  const std::vector<std::uint8_t> bytes = EncodeHighScores(table);
  return gamefile::WriteFileAtomically(path, bytes).ok();
}

std::uint8_t RankFor(const HighScoreTable& table, std::int64_t points) {
  for (int rank = 0; rank < kHighScoreEntries; ++rank) {
    if (points > static_cast<std::int64_t>(table[rank].points)) return static_cast<std::uint8_t>(rank);
  }
  return kNoRank;
}

void InsertPlaceholder(HighScoreTable& table, std::uint8_t rank) {
  if (rank >= kHighScoreEntries) return;
  std::move_backward(table.begin() + rank, table.end() - 1, table.end());
  HighScoreEntry& placeholder = table[rank];
  placeholder.name.fill(' ');
  placeholder.points = 0;
  placeholder.level = 0;
}

std::string DisplayName(const HighScoreEntry& entry) {
  std::string shown;
  for (std::uint8_t c : entry.name) {
    if (c == 0) break;
    shown.push_back(HasGlyph(c) ? static_cast<char>(c) : ' ');
  }
  return shown;
}

}  // namespace logic

#pragma once
// The ten best results of one game file and their 150-byte file. Toolkit-free:
// the high-score screen draws what these functions decide.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace logic {

inline constexpr int kHighScoreEntries = 10;
inline constexpr int kHighScoreNameBytes = 10;
inline constexpr int kHighScoreEntryBytes = 15;
inline constexpr int kHighScoreFileBytes = kHighScoreEntries * kHighScoreEntryBytes;
// Rank value meaning "the points earn no place".
inline constexpr std::uint8_t kNoRank = 0xFF;

struct HighScoreEntry {
  // Windows-1252 bytes; the name ends at the first 0 byte or after 10 bytes.
  std::array<std::uint8_t, kHighScoreNameBytes> name{};
  std::uint32_t points = 0;
  std::uint8_t level = 0;

  bool operator==(const HighScoreEntry&) const = default;
};

using HighScoreTable = std::array<HighScoreEntry, kHighScoreEntries>;

// Every name "QUALDREX" and two spaces, points falling from 52000 to 10000.
HighScoreTable DefaultHighScoreTable();

std::vector<std::uint8_t> EncodeHighScores(const HighScoreTable& table);

// The first ten entries; bytes after them are not looked at. Fewer than 150
// bytes are no table: the caller treats them as missing rather than reading
// past their end or guessing at a partial table.
std::optional<HighScoreTable> DecodeHighScores(std::span<const std::uint8_t> bytes);

// Reads the first ten entries of the file and leaves the file as it is; when
// the file is missing or shorter than ten entries, writes the default table
// to it and uses that. The default table is used even when it cannot
// be written (a read-only folder must not keep the player out of the table).
HighScoreTable LoadOrCreateHighScores(const std::string& path);

// Replaces the file as a whole, so a failed write leaves the previous table.
// Returns false when nothing could be stored; the game stays silent about it.
bool SaveHighScoreTable(const std::string& path, const HighScoreTable& table);

// The place the points earn: the first entry they beat strictly (equal points
// rank below the older entry), or kNoRank.
std::uint8_t RankFor(const HighScoreTable& table, std::int64_t points);

// Moves the entries from rank on one place down (the last drops out) and puts
// a blank placeholder (ten spaces, 0 points, level 0) at rank.
void InsertPlaceholder(HighScoreTable& table, std::uint8_t rank);

// The name as it is shown: up to the first 0 byte, bytes without a glyph
// (digits, punctuation in a foreign or damaged file) shown as spaces so that
// they never address artwork that is not a letter.
std::string DisplayName(const HighScoreEntry& entry);

}  // namespace logic

#include "logic/played_record.h"

#include <algorithm>

#include "gamefile/file_io.h"

namespace logic {

namespace {

bool WriteZeroRecord(const std::string& path, std::uint16_t pairCount) {
  const gamefile::Bytes zeros(pairCount, 0);
  return gamefile::WriteFileAtomically(path, zeros).ok();
}

// Every draw is a random pick among all N pairs; when N exceeds the
// generator's 32768 values some indexes cannot be drawn at all, so after
// this many misses the lowest unplayed pair is taken instead of looping on.
constexpr int kMaxDraws = 1 << 20;

}  // namespace

RecordLoad LoadPlayedRecord(const std::string& path, std::uint16_t pairCount, std::vector<int>& played) {
  played.assign(pairCount, 0);
  // A record longer than N is wrong anyway; reading stops just beyond N so a
  // huge file costs nothing.
  auto bytes = gamefile::ReadWholeFile(path, static_cast<std::size_t>(pairCount) + 1);
  if (bytes && bytes->size() == pairCount) {
    for (std::size_t i = 0; i < bytes->size(); ++i) played[i] = (*bytes)[i] == 1 ? 1 : 0;
    return RecordLoad::Loaded;
  }
  const bool exists = bytes.ok() || bytes.error().code == gamefile::ErrorCode::TooLarge;
  if (!WriteZeroRecord(path, pairCount) && !exists) return RecordLoad::CannotCreate;
  // A record of the wrong length that cannot be rewritten still plays from
  // all-unplayed flags, as a freshly rebuilt one would.
  return RecordLoad::Rebuilt;
}

int ChooseUnplayedPair(std::vector<int>& played, RandomGenerator& random) {
  if (played.empty()) return -1;
  // Flags change only here, so one check up front decides whether all pairs
  // start over; after that every draw either hits a free pair or repeats.
  if (std::find(played.begin(), played.end(), 0) == played.end())
    std::fill(played.begin(), played.end(), 0);
  const int count = static_cast<int>(played.size());
  int pick = -1;
  for (int draw = 0; draw < kMaxDraws && pick < 0; ++draw) {
    const int candidate = RandomBetween(random, 0, count - 1);
    if (played[candidate] != 1) pick = candidate;
  }
  if (pick < 0) pick = static_cast<int>(std::find(played.begin(), played.end(), 0) - played.begin());
  played[pick] = 1;
  return pick;
}

// Written at every level start, where waiting for the disk would hold up
// the step into the level. Losing it to a power cut costs nothing but the
// memory of which pairs were seen: a record of the wrong length is rebuilt
// as all unplayed.
void SavePlayedRecord(const std::string& path, const std::vector<int>& played) {
  gamefile::Bytes bytes;
  bytes.reserve(played.size());
  for (int flag : played) bytes.push_back(flag == 1 ? 1 : 0);
  (void)gamefile::WriteFileAtomically(path, bytes, gamefile::Flush::Later);
}

}  // namespace logic

#pragma once
// The played-picture record (qxdat.qxf or <name file>.qxf): exactly N bytes,
// byte i = 1 once picture pair i has been shown. It keeps a game from
// repeating a pair before every pair of the file has been played once,
// also across runs.
#include <cstdint>
#include <string>
#include <vector>

#include "logic/random.h"

namespace logic {

enum class RecordLoad {
  Loaded,        // read as stored
  Rebuilt,       // missing or of the wrong length: now N zero bytes
  CannotCreate,  // neither readable nor creatable: the game cannot go on
};

// Fills `played` with N flags from the record at `path`, creating or
// rebuilding the file as N zero bytes when it is missing or its length is
// not N. Bytes other than 1 count as "not played".
RecordLoad LoadPlayedRecord(const std::string& path, std::uint16_t pairCount, std::vector<int>& played);

// Chooses an unplayed pair and marks it played. When every pair has been
// played (or there are none) all flags start over first, so the pair just
// played may come again at once.
int ChooseUnplayedPair(std::vector<int>& played, RandomGenerator& random);

// Writes the flags back as one byte each. A failure is not reported: the
// worst outcome is that a pair is shown again in a later run.
void SavePlayedRecord(const std::string& path, const std::vector<int>& played);

}  // namespace logic

#pragma once
// The editor's side of the fairness check: every complete pair of the table
// checked with fairness::CheckPair, and the German report the dialog shows
// for "Bilderpaare prüfen" and before "Spieldatei erstellen".
#include <functional>
#include <string>
#include <vector>

#include "editor/picture_table.h"
#include "fairness/fairness.h"

namespace editor {

struct PairFairness {
  int pair = 0;  // position in the list, numbered as the list shows it
  std::string fileName1, fileName2;
  std::vector<fairness::Problem> problems;
  std::vector<fairness::ColourWarning> warnings;  // hints only; they never make a pair unfair
};

struct FairnessResult {
  int checked = 0;                  // pairs looked at
  bool stopped = false;             // the user stopped the check early
  std::vector<PairFairness> unfair; // the pairs with problems, in list order
  std::vector<PairFairness> hinted; // the fair pairs with colour hints, in list order
};

// Checks pairs 0 to pairCount - 1 with the rectangles of their first slot.
// `progress(done, total)` runs after each pair; returning false stops.
FairnessResult CheckTablePairs(const PictureTable& table, int pairCount,
                               const std::function<bool(int, int)>& progress);

namespace text {
inline constexpr const char* kNoPairToCheck =
    "Es gibt noch kein vollständiges Bilderpaar, das geprüft werden kann.";
// The whole report: one block per pair with problems, one per fair pair
// with colour hints, then a summary and the hints' explanation.
std::string FairnessReport(const FairnessResult& result);
// The question before building; names the count and the first pairs.
std::string BuildDespiteProblems(const FairnessResult& result);
}  // namespace text

}  // namespace editor

#include "editor/fairness_report.h"

#include "gamefile/file_io.h"

namespace editor {
namespace {

// Pictures of the game are far below this; a larger file is not read.
constexpr std::size_t kMaxPictureBytes = 64u << 20;

fairness::PairReview ReviewSlots(const PictureSlot& first, const PictureSlot& second) {
  const auto bytes1 = gamefile::ReadWholeFile(first.path, kMaxPictureBytes);
  const auto bytes2 = gamefile::ReadWholeFile(second.path, kMaxPictureBytes);
  if (!bytes1 || !bytes2) {
    fairness::Problem p;
    p.kind = fairness::ProblemKind::Undecodable;
    p.picture = bytes1 ? 2 : 1;
    return {{p}, {}};
  }
  gamefile::RectSet rects{};
  // The table keeps 32-bit values; the game file stores their low 16 bits.
  for (int i = 0; i < kRectsUsed; ++i)
    rects[i] = {static_cast<std::uint16_t>(first.rects.x1[i]), static_cast<std::uint16_t>(first.rects.x2[i]),
                static_cast<std::uint16_t>(first.rects.y1[i]), static_cast<std::uint16_t>(first.rects.y2[i])};
  return fairness::ReviewPair(rects, *bytes1, *bytes2);
}

std::string Heading(const PairFairness& pair) {
  return "Bilderpaar " + std::to_string(pair.pair) + " (" + pair.fileName1 + " - " + pair.fileName2 + "):";
}

std::string Block(const PairFairness& pair) {
  std::string block = Heading(pair) + "\r\n";
  for (const auto& problem : pair.problems) block += "    " + fairness::DescribeProblem(problem) + "\r\n";
  for (const auto& warning : pair.warnings) block += "    Hinweis: " + fairness::DescribeWarning(warning) + "\r\n";
  return block + "\r\n";
}

// The report's lines end in "\r\n", as every text the editor shows.
std::string WithWindowsLineBreaks(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  if (out.ends_with("\r\n")) out.resize(out.size() - 2);
  return out;
}

std::size_t HintCount(const FairnessResult& result) {
  std::size_t hints = 0;
  for (const auto* pairs : {&result.unfair, &result.hinted})
    for (const PairFairness& pair : *pairs) hints += pair.warnings.size();
  return hints;
}

}  // namespace

FairnessResult CheckTablePairs(const PictureTable& table, int pairCount,
                               const std::function<bool(int, int)>& progress) {
  FairnessResult result;
  for (int p = 0; p < pairCount && p < kPairPositions; ++p) {
    const PictureSlot& first = table[FirstSlotOf(p)];
    const PictureSlot& second = table[SecondSlotOf(p)];
    fairness::PairReview review = ReviewSlots(first, second);
    PairFairness pair{p, first.fileName, second.fileName, std::move(review.problems), std::move(review.warnings)};
    ++result.checked;
    if (!pair.problems.empty())
      result.unfair.push_back(std::move(pair));
    else if (!pair.warnings.empty())
      result.hinted.push_back(std::move(pair));
    if (progress && !progress(result.checked, pairCount)) {
      result.stopped = result.checked < pairCount;
      break;
    }
  }
  return result;
}

namespace text {

std::string FairnessReport(const FairnessResult& result) {
  std::string report;
  for (const PairFairness& pair : result.unfair) report += Block(pair);
  for (const PairFairness& pair : result.hinted) report += Block(pair);
  const std::string checked = std::to_string(result.checked);
  if (result.unfair.empty()) {
    report += result.checked == 1 ? std::string("Das Bilderpaar ist in Ordnung")
                                  : "Alle " + checked + " Bilderpaare sind in Ordnung";
    report += ": jeder Unterschied ist markiert und in jedem Fehler unterscheiden sich die Bilder.";
  } else {
    report += std::to_string(result.unfair.size()) + " von " + checked + " Bilderpaaren " +
              (result.unfair.size() == 1 ? "hat" : "haben") +
              " Probleme. Korrigieren sie die Fehler mit \"Fehler editieren\".";
  }
  if (const std::size_t hints = HintCount(result); hints > 0)
    report += "\r\n\r\n" + std::to_string(hints) + (hints == 1 ? " Hinweis" : " Hinweise") + " zur Farbe:\r\n" +
              WithWindowsLineBreaks(fairness::kColourWarningExplanation);
  if (result.stopped) report += "\r\nDie Prüfung wurde abgebrochen.";
  return report;
}

std::string BuildDespiteProblems(const FairnessResult& result) {
  constexpr std::size_t kShownPairs = 3;
  std::string question = "Die Prüfung der Bilderpaare hat Probleme gefunden:\r\n\r\n";
  for (std::size_t i = 0; i < result.unfair.size() && i < kShownPairs; ++i) {
    const PairFairness& pair = result.unfair[i];
    question += Heading(pair) + "\r\n";
    for (const auto& problem : pair.problems) question += "    " + fairness::DescribeProblem(problem) + "\r\n";
  }
  if (result.unfair.size() > kShownPairs)
    question += "... und " + std::to_string(result.unfair.size() - kShownPairs) + " weitere Bilderpaare.\r\n";
  question += "\r\nDen vollständigen Bericht zeigt \"Bilderpaare prüfen\".\r\n"
              "Wollen sie die Spieldatei trotzdem erstellen ?";
  return question;
}

}  // namespace text
}  // namespace editor

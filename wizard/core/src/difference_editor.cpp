#include "wizard/difference_editor.h"

#include <algorithm>

#include "gamefile/file_io.h"
#include "handoff/dat_file.h"
#include "handoff/done_signal.h"

namespace wizard {

namespace {

// Ring 0 is the outermost; the current rectangle in red shades, the others
// in blue, each with a white inner line.
constexpr std::array<Colour, kRingCount> kCurrentRings{{{50, 0, 0}, {100, 0, 0}, {200, 0, 0}, {255, 255, 255}}};
constexpr std::array<Colour, kRingCount> kOtherRings{{{0, 0, 50}, {0, 0, 100}, {0, 0, 200}, {255, 255, 255}}};

constexpr std::size_t kMaxDatFileSize = 1u << 20;

ClientRect ToClient(const handoff::ExchangeRect& r) {
  return ClientRect{std::int64_t{r.x1} + kClientOffset, std::int64_t{r.x2} + kClientOffset,
                    std::int64_t{r.y1} + kClientOffset, std::int64_t{r.y2} + kClientOffset};
}

// Numbers that came from the file and were never touched return to exactly
// what was read; edited ones lie well inside 32 bits.
std::int32_t ToPicture(std::int64_t client) { return static_cast<std::int32_t>(client - kClientOffset); }

handoff::ExchangeRect ToExchange(const ClientRect& r) {
  // A rectangle reaching the picture's right edge is handed back two pixels
  // wider, so a click on the last column of the stretched game picture counts.
  const std::int64_t right = r.x2 >= kMaxRight ? kRightEdgeWritten : r.x2;
  return handoff::ExchangeRect{.x1 = ToPicture(r.x1), .y1 = ToPicture(r.y1), .x2 = ToPicture(right),
                               .y2 = ToPicture(r.y2)};
}

}  // namespace

DifferenceEditor::DifferenceEditor(WizardUi& ui, std::string datPath, std::string signalName)
    : ui_(ui), datPath_(std::move(datPath)), signalName_(std::move(signalName)) {}

void DifferenceEditor::Open() {
  current_ = 0;
  auto bytes = gamefile::ReadWholeFile(datPath_, kMaxDatFileSize);
  if (!bytes) {
    ui_.ShowMessage(kMsgCannotOpen);
    return;
  }
  auto request = handoff::DecodeRequest(*bytes);
  if (!request) {
    // The pictures are still worth showing; the rectangles start afresh.
    const handoff::PairRequest paths = handoff::DecodeRequestPaths(*bytes);
    leftPath_ = paths.picture1Path;
    rightPath_ = paths.picture2Path;
    ui_.ShowMessage(kMsgDamaged);
    return;
  }
  leftPath_ = request->picture1Path;
  rightPath_ = request->picture2Path;
  for (int i = 0; i < kRectCount; ++i) rects_[i] = ToClient(request->rects[i]);
}

void DifferenceEditor::Press(int x, int y) {
  if (x < kLeftPictureX || x >= kPressRight || y < kPictureY || y >= kPressBottom) return;
  dragging_ = true;
  rects_[current_] = ClientRect{x, x, y, y};
}

void DifferenceEditor::Move(int x, int y) {
  ClientRect& rect = rects_[current_];
  if (dragging_) {
    // The pressed point stays the top-left corner: the rectangle grows only
    // to the right and downwards.
    rect.x2 = std::max<std::int64_t>(x, rect.x1);
    rect.y2 = std::max<std::int64_t>(y, rect.y1);
  }
  rect.x2 = std::min<std::int64_t>(rect.x2, kMaxRight);
  rect.y2 = std::min<std::int64_t>(rect.y2, kMaxBottom);
  mouseX_ = std::to_string(x - kClientOffset);
  mouseY_ = std::to_string(y - kClientOffset);
}

void DifferenceEditor::Release() { dragging_ = false; }

void DifferenceEditor::Choose(int index) {
  if (index >= 0 && index < kRectCount) current_ = index;
}

bool DifferenceEditor::Accept() {
  handoff::ExchangeRects result{};
  for (int i = 0; i < kRectCount; ++i) result[i] = ToExchange(rects_[i]);
  if (!handoff::WriteResultFile(datPath_, result)) {
    ui_.ShowMessage(kMsgCannotWrite);
    return false;
  }
  // Only a complete dat.txt may be announced: the editor reads it as soon
  // as it sees the flag.
  if (!handoff::AddDoneSignal(signalName_)) {
    ui_.ShowMessage(kMsgCannotSignal);
    return false;
  }
  return true;
}

bool DifferenceEditor::Cancel() { return ui_.AskYesNo(kCancelQuestion); }

std::vector<Outline> DifferenceEditor::Outlines() const {
  std::vector<Outline> outlines;
  outlines.reserve(kRectCount * kRingCount * 2);
  for (int i = 0; i < kRectCount; ++i) {
    const ClientRect& rect = rects_[i];
    const auto& rings = i == current_ ? kCurrentRings : kOtherRings;
    for (int r = 0; r < kRingCount; ++r) {
      outlines.push_back({rect.x1 + r + kMirrorShift, rect.y1 + r, rect.x2 - r + kMirrorShift, rect.y2 - r, rings[r]});
      outlines.push_back({rect.x1 + r, rect.y1 + r, rect.x2 - r, rect.y2 - r, rings[r]});
    }
  }
  return outlines;
}

}  // namespace wizard

// Suggestions ---------------------------------------------------------------
// Kept apart from the editing rules above: only the button uses them.
#include "fairness/fairness.h"
#include "gamefile/file_io.h"

namespace wizard {

void DifferenceEditor::Suggest() {
  constexpr std::size_t kMaxPictureBytes = 64u << 20;
  const auto bytes1 = gamefile::ReadWholeFile(leftPath_, kMaxPictureBytes);
  const auto bytes2 = gamefile::ReadWholeFile(rightPath_, kMaxPictureBytes);
  auto first = bytes1 ? fairness::DecodePicture(*bytes1) : gamefile::Result<fairness::Picture>(bytes1.error());
  auto second = bytes2 ? fairness::DecodePicture(*bytes2) : gamefile::Result<fairness::Picture>(bytes2.error());
  if (!first || !second) {
    ui_.ShowMessage(kMsgNoPictures);
    return;
  }
  // Rectangles are held in client pixels; the fairness rules work on the
  // stored picture values, with x2 at the right edge written as 490.
  gamefile::RectSet stored{};
  std::array<bool, kRectCount> empty{};
  for (int i = 0; i < kRectCount; ++i) {
    const ClientRect& c = rects_[i];
    const auto clamp = [](std::int64_t v, int hi) {
      return static_cast<std::uint16_t>(std::clamp<std::int64_t>(v - kClientOffset, 0, hi));
    };
    stored[i] = {clamp(c.x1, 490), clamp(c.x2 >= kMaxRight ? kRightEdgeWritten : c.x2, 490), clamp(c.y1, 430),
                 clamp(c.y2, 430)};
    empty[i] = !fairness::IsDrawn(stored[i]);
  }
  const gamefile::RectSet suggested = fairness::SuggestRects(stored, *first, *second);
  bool filled = false;
  for (int i = 0; i < kRectCount; ++i) {
    if (!empty[i] || !fairness::IsDrawn(suggested[i])) continue;
    const auto& s = suggested[i];
    // The editor's own limit: x2 at most 498 (written back as 490).
    rects_[i] = {s.x1 + kClientOffset, std::min<std::int64_t>(s.x2 + kClientOffset, kMaxRight), s.y1 + kClientOffset,
                 std::min<std::int64_t>(s.y2 + kClientOffset, kMaxBottom)};
    filled = true;
  }
  if (!filled) ui_.ShowMessage(kMsgNoSuggestion);
}

}  // namespace wizard

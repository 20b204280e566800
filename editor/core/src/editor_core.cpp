#include "editor/editor_core.h"

#include <unistd.h>

#include <filesystem>

#include "editor/fairness_report.h"
#include "editor/game_file_builder.h"
#include "editor/messages.h"
#include "editor/picture_check.h"
#include "editor/project_file.h"
#include "gamefile/file_io.h"
#include "handoff/dat_file.h"

namespace editor {
namespace {

const FileDialogRequest kPictureDialog{"jpeg Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*", "jpg"};
// The default extensions are those of the dialogs' own filters, so a name
// typed without one still ends up where the matching file dialogs look.
const FileDialogRequest kGameFileDialog{"Vistrel Spieldateien (*.vst)|*.vst|Alle Dateien (*.*)|*.*", "vst"};
const FileDialogRequest kProjectDialog{"qualdrex data set files (*.qxd)|*.qxd|Alle Dateien (*.*)|*.*", "qxd"};

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ShownName(const PictureSlot& slot) { return slot.fileName.empty() ? text::kEmpty : slot.fileName; }

// Open dialogs carry a default extension: a name typed without one means
// the file with it, when only that one exists.
std::string WithOpenDefault(const std::string& path, const FileDialogRequest& request) {
  if (gamefile::FileExists(path)) return path;
  const std::string extended = WithDefaultExtension(path, request.defaultExtension);
  return gamefile::FileExists(extended) ? extended : path;
}

// A folder (or device) where a file should be written: renaming over it fails.
bool ExistsButIsNoFile(const std::string& path) {
  return !gamefile::FileExists(path) && ::access(path.c_str(), F_OK) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// Save dialogs replace files without asking; a picture of the table must
// never be the one replaced.
bool IsPictureOfTable(const PictureTable& table, const std::string& path) {
  if (!gamefile::FileExists(path)) return false;
  for (const auto& slot : table)
    if (!slot.path.empty() && SameFile(slot.path, path)) return true;
  return false;
}

}  // namespace

std::string CurrentDirectory() {
  std::error_code failed;
  const auto current = std::filesystem::current_path(failed);
  return failed ? std::string(".") : current.string();
}

std::string ListLine(int pair, const PictureSlot& first, const PictureSlot& second) {
  std::string line = std::to_string(pair);
  if (pair < 10) line += "  ";
  line += "        ";
  line += ShownName(first);
  line += "   -   ";
  line += ShownName(second);
  return line;
}

EditorCore::EditorCore(EditorUi& ui, HandOffPort& handOff, std::string startupDirectory)
    : ui_(ui), port_(handOff), startupDirectory_(std::move(startupDirectory)),
      table_(std::make_unique<PictureTable>()) {}

EditorCore::~EditorCore() = default;

void EditorCore::Start() {
  *table_ = PictureTable{};
  Refresh();
}

// Picture list ------------------------------------------------------------

bool EditorCore::CountPairs() {
  int count = 0;
  for (int pair = 0; pair < kPairPositions; ++pair) {
    bool complete = true;
    for (int slot : {FirstSlotOf(pair), SecondSlotOf(pair)}) {
      const std::string& path = (*table_)[slot].path;
      if (path.empty()) {
        complete = false;
        break;
      }
      if (!CanOpenForReading(path)) {
        // The count stops here and keeps its previous value; building
        // measures every picture again and refuses an unreachable one.
        ui_.ShowMessage(text::CannotAccessPicture(path));
        return false;
      }
    }
    if (!complete) break;
    ++count;
  }
  pairCount_ = count;
  return true;
}

void EditorCore::BuildListLines() {
  listLines_.clear();
  listLines_.reserve(kPairPositions);
  for (int pair = 0; pair < kPairPositions; ++pair) {
    const PictureSlot& first = (*table_)[FirstSlotOf(pair)];
    const PictureSlot& second = (*table_)[SecondSlotOf(pair)];
    listLines_.push_back(ListLine(pair, first, second));
    // With no pair selected the previews keep the last pictures in the list.
    if (!first.fileName.empty()) previews_.picture1 = first.path;
    if (!second.fileName.empty()) previews_.picture2 = second.path;
  }
  ++previews_.loads;
}

void EditorCore::Refresh() {
  const std::optional<int> remembered = selection_;
  listLines_.clear();
  // An unreachable picture is reported, but the list is still shown so the
  // user can remove or replace it.
  CountPairs();
  BuildListLines();
  Select(remembered);
}

void EditorCore::Select(std::optional<int> line) {
  if (line && (*line < 0 || *line >= kPairPositions)) line.reset();
  selection_ = line;
  ShowSelectedPair();
}

void EditorCore::ShowSelectedPair() {
  if (!selection_) return;
  const PictureSlot& first = (*table_)[FirstSlotOf(*selection_)];
  const PictureSlot& second = (*table_)[SecondSlotOf(*selection_)];
  field1_ = first.path.empty() ? text::kEmpty : first.path;
  field2_ = second.path.empty() ? text::kEmpty : second.path;
  previews_.picture1 = first.path;
  previews_.picture2 = second.path;
  ++previews_.loads;
}

std::optional<std::string> EditorCore::LoadRefusal(int pair, int picture) const {
  if (pair > pairCount_)
    return picture == 1 ? text::EditPairFirst(pairCount_) : text::CompletePairFirst(pairCount_);
  if (!(*table_)[SlotOf(pair, picture)].path.empty()) return std::string(text::kRemoveFirst);
  return std::nullopt;
}

void EditorCore::LoadPicture(int picture) {
  if (!selection_) {
    ui_.ShowMessage(text::kChoosePositionFirst);
    return;
  }
  const int pair = *selection_;
  if (auto refusal = LoadRefusal(pair, picture)) {
    ui_.ShowMessage(*refusal);
    return;
  }
  const auto chosen = ui_.ChooseFileToOpen(kPictureDialog);
  if (!chosen || chosen->empty()) return;
  const std::string path = WithOpenDefault(*chosen, kPictureDialog);
  if (path.find(static_cast<char>(kProjectStringEnd)) != std::string::npos) {
    ui_.ShowMessage(text::kPathNotStorable);
    return;
  }
  const PictureCheck check = CheckPictureFile(path);
  switch (check.verdict) {
    case PictureVerdict::CannotOpen:
      ui_.ShowMessage(text::kCannotOpenFile);
      return;
    case PictureVerdict::NotJfif:
      ui_.ShowMessage(text::kNotJfif);
      return;
    case PictureVerdict::WrongSize:
      ui_.ShowMessage(text::WrongSizeOnLoad(check.width, check.height));
      return;
    case PictureVerdict::Usable:
      break;
  }
  PictureSlot& slot = (*table_)[SlotOf(pair, picture)];
  slot.fileName = FileNameOf(path);
  slot.path = path;
  slot.byteCount = check.byteCount;
  Refresh();
}

void EditorCore::RemovePicture(int picture) {
  if (!selection_) {
    ui_.ShowMessage(text::kCannotRemoveEmpty);
    return;
  }
  if (!ui_.AskOkCancel(picture == 1 ? text::kReallyRemovePicture1 : text::kReallyRemovePicture2)) return;
  ClearPictureFields((*table_)[SlotOf(*selection_, picture)]);
  Refresh();
}

// Building the game file ----------------------------------------------------

std::optional<gamefile::NameFile> EditorCore::AskName() {
  for (;;) {
    auto typed = ui_.AskGameFileName();
    if (!typed) return std::nullopt;
    if (IsAcceptableGameFileName(typed->name)) return ToStoredNameFile(typed->name, typed->description);
    ui_.ShowMessage(text::kNameYourGameFile);
  }
}

void EditorCore::BuildGameFile() {
  PictureTable& table = *table_;
  if (auto failure = RecheckPictures(table)) {
    ui_.ShowMessage(*failure);
    return;
  }
  if (table[0].path.empty() || table[1].path.empty() || pairCount_ < 1) {
    ui_.ShowMessage(text::kFirstPairIncomplete);
    return;
  }
  if (auto failure = CheckSharedPictures(table, pairCount_)) {
    ui_.ShowMessage(*failure);
    return;
  }
  if (!FairEnoughToBuild()) return;
  auto chosen = ui_.ChooseFileToSave(kGameFileDialog);
  if (!chosen || chosen->empty()) return;
  const std::string nameFilePath = WithDefaultExtension(*chosen, kGameFileDialog.defaultExtension);
  auto name = AskName();
  if (!name) return;
  rememberedName_ = *name;
  const std::string pairFilePath = gamefile::PicturePairPathFor(nameFilePath);
  if (IsPictureOfTable(table, nameFilePath) || IsPictureOfTable(table, pairFilePath)) {
    ui_.ShowMessage(text::kWouldReplacePicture);
    return;
  }
  if (ExistsButIsNoFile(nameFilePath) || ExistsButIsNoFile(pairFilePath)) {
    ui_.ShowMessage(text::kCannotOpenOrCreate);
    return;
  }
  if (auto failure = WriteGameFile(table, pairCount_, nameFilePath, rememberedName_)) {
    ui_.ShowMessage(*failure);
    return;
  }
  ui_.ShowMessage(text::kBuildSucceeded);
}

// Fairness check -------------------------------------------------------------

void EditorCore::CheckPairFairness() {
  if (pairCount_ < 1) {
    ui_.ShowMessage(text::kNoPairToCheck);
    return;
  }
  const FairnessResult result =
      CheckTablePairs(*table_, pairCount_, [this](int done, int total) { return ui_.ShowProgress(done, total); });
  ui_.ShowProgress(pairCount_, pairCount_);
  ui_.ShowReport(text::FairnessReport(result));
}

bool EditorCore::FairEnoughToBuild() {
  bool stopped = false;
  const FairnessResult result = CheckTablePairs(*table_, pairCount_, [this, &stopped](int done, int total) {
    stopped = !ui_.ShowProgress(done, total);
    return !stopped;
  });
  ui_.ShowProgress(pairCount_, pairCount_);
  // Stopping the check stops the build: nothing has been written yet.
  if (stopped && result.checked < pairCount_) return false;
  if (result.unfair.empty()) return true;
  return ui_.AskBuildDespiteProblems(text::BuildDespiteProblems(result));
}

// Project file --------------------------------------------------------------

void EditorCore::SaveProject() {
  auto chosen = ui_.ChooseFileToSave(kProjectDialog);
  if (!chosen || chosen->empty()) return;
  const std::string path = WithDefaultExtension(*chosen, kProjectDialog.defaultExtension);
  if (IsPictureOfTable(*table_, path)) {
    ui_.ShowMessage(text::kWouldReplacePicture);
    return;
  }
  const auto bytes = EncodeProjectFile(*table_);
  if (ExistsButIsNoFile(path) || !gamefile::WriteFileAtomically(path, bytes)) {
    ui_.ShowMessage(text::kCannotOpenOrCreate);
    return;
  }
  MarkSaved(*table_);
}

void EditorCore::LoadProject() {
  auto chosen = ui_.ChooseFileToOpen(kProjectDialog);
  if (!chosen || chosen->empty()) return;
  // The file is decoded whole before the table is touched: a missing or
  // damaged project file must not wipe the user's unsaved work, nor leave a
  // mix of two projects.
  auto bytes = gamefile::ReadWholeFile(WithOpenDefault(*chosen, kProjectDialog), 64u << 20);
  if (!bytes) {
    ui_.ShowMessage(text::kCannotOpenOrCreate);
    return;
  }
  auto loaded = DecodeProjectFile(*bytes);
  if (!loaded) {
    ui_.ShowMessage(text::kProjectDamaged);
    return;
  }
  *table_ = std::move(*loaded);
  Refresh();
}

// Hand-off to the difference editor ----------------------------------------

std::string EditorCore::HandOffPath(int slot) const {
  const PictureSlot& own = (*table_)[slot];
  if (own.sourceIndex == kOwnBytes) return own.path;
  if (own.sourceIndex < 0 || own.sourceIndex >= kSlotCount) return {};
  return (*table_)[own.sourceIndex].path;
}

void EditorCore::EditDifferences() {
  // File dialogs may have moved the current directory; dat.txt and the
  // difference editor live in the start-up directory.
  if (::chdir(startupDirectory_.c_str()) != 0) {
    // Keep going: the start below reports a missing program.
  }
  if (!selection_) {
    ui_.ShowMessage(text::kChooseRecordFirst);
    return;
  }
  const int pair = *selection_;
  handoff::PairRequest request;
  request.picture1Path = HandOffPath(FirstSlotOf(pair));
  request.picture2Path = HandOffPath(SecondSlotOf(pair));
  if (request.picture1Path.empty() || request.picture2Path.empty()) {
    ui_.ShowMessage(text::kPairIncompleteForEdit);
    return;
  }
  const RectTable& rects = (*table_)[FirstSlotOf(pair)].rects;
  for (int i = 0; i < kRectsUsed; ++i)
    request.rects[i] = handoff::ExchangeRect{rects.x1[i], rects.y1[i], rects.x2[i], rects.y2[i]};

  // A flag left by an earlier run must not pass for this run's result.
  port_.DeleteDoneFlag();
  if (!handoff::WriteRequestFile(startupDirectory_ + "/" + handoff::kDatFileName, request)) {
    ui_.ShowMessage(text::kCannotOpenOrCreate);
    return;
  }
  handOff_.pollCounter = 0;
  handOff_.pair = pair;
  handOff_.path1 = request.picture1Path;
  handOff_.path2 = request.picture2Path;
  if (!port_.StartWizard()) ui_.ShowMessage(text::CannotStartWizard());
  handOff_.pollRunning = true;
}

void EditorCore::PollTick() {
  if (!handOff_.pollRunning || !port_.IsDoneFlagSet()) return;
  ++handOff_.pollCounter;
  // The third tick that sees the flag reads: the difference editor has
  // long closed the file by then.
  if (handOff_.pollCounter <= 2) return;
  // The poll ends before the result is read: reading may show a message,
  // and ticks arriving while it is open must not read a second time.
  handOff_.pollRunning = false;
  port_.DeleteDoneFlag();
  ReadHandOffResult();
  ui_.DebugTrace("ReadData ------");
}

void EditorCore::ReadHandOffResult() {
  const int pair = handOff_.pair;
  handOff_.pair = -1;
  // The result belongs to the pair that was handed over, and only while
  // that pair still holds the same pictures.
  if (pair < 0 || HandOffPath(FirstSlotOf(pair)) != handOff_.path1 ||
      HandOffPath(SecondSlotOf(pair)) != handOff_.path2) {
    if (pair >= 0) ui_.ShowMessage(text::kHandOffPairChanged);
    return;
  }
  auto result = handoff::ReadResultFile(startupDirectory_ + "/" + handoff::kDatFileName);
  if (!result) {
    ui_.ShowMessage(text::kHandOffResultUnreadable);
    return;
  }
  RectTable& rects = (*table_)[FirstSlotOf(pair)].rects;
  for (int i = 0; i < kRectsUsed; ++i) {
    const handoff::ExchangeRect& r = (*result)[i];
    rects.x1[i] = r.x1;
    rects.y1[i] = r.y1;
    rects.x2[i] = r.x2;
    rects.y2[i] = r.y2;
  }
  Refresh();
}

// Program shell -----------------------------------------------------------

void EditorCore::OpenHelp() {
  // Looked up in the current directory, as the shell would.
  const std::string page = CurrentDirectory() + "/editor.html";
  if (!gamefile::FileExists(page) || !ui_.OpenInBrowser(page)) ui_.ShowMessage(text::kCannotStartBrowser);
}

bool EditorCore::ConfirmQuit() { return ui_.AskOkCancel(text::kReallyQuit); }

}  // namespace editor

#include "launcher/chooser.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/text_encoding.h"
#include "handoff/program_start.h"
#include "launcher/generation_job.h"
#include "launcher/list_file.h"

namespace launcher {

namespace {

// A valid list file holds at most 255 paths of 300 bytes; anything far
// larger is not one.
constexpr std::size_t kMaxListFileSize = 1u << 20;

std::string CutToField(std::string text, std::size_t fieldSize) {
  if (text.size() > fieldSize - 1) text.resize(fieldSize - 1);
  return text;
}

// The game reads vst.dat up to the first 0x00 or 0xFF byte, so such a path
// would reach it cut short.
bool GameCanReadPath(const std::string& path) {
  return std::none_of(path.begin(), path.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte == 0x00 || byte == 0xFF;
  });
}

}  // namespace

std::string Chooser::HomeFile(const char* name) const {
  if (home_.empty() || home_.back() == '/') return home_ + name;
  return home_ + "/" + name;
}

std::vector<std::string> Chooser::Paths() const {
  std::vector<std::string> paths;
  for (const Entry& entry : entries_) paths.push_back(entry.path);
  return paths;
}

std::optional<Entry> Chooser::ReadEntry(const std::string& path) const {
  auto nameFile = gamefile::ReadNameFile(path);
  if (!nameFile) return std::nullopt;
  return Entry{CutToField(nameFile->name, kNameField),
               CutToField(nameFile->description, kDescriptionField), path};
}

void Chooser::Load(const std::string& homeDirectory) {
  home_ = homeDirectory;
  entries_.clear();
  const std::string listPath = HomeFile(kListFileName);
  std::uint8_t storedSelection = 0;
  auto bytes = gamefile::ReadWholeFile(listPath, kMaxListFileSize);
  if (bytes) {
    ListFile list = DecodeListFile(*bytes);
    storedSelection = list.storedSelection;
    for (const std::string& path : list.paths) {
      if (entries_.size() == kMaxEntries) break;
      if (path.size() >= kPathField) continue;  // never stored by us; cannot be kept
      if (auto entry = ReadEntry(path)) entries_.push_back(std::move(*entry));
    }
  } else if (!gamefile::FileExists(listPath)) {
    // First run. An existing file that cannot be read is left alone, so a
    // passing permission problem does not wipe the user's list.
    const gamefile::Bytes empty = EncodeListFile(0, {});
    (void)gamefile::WriteFileAtomically(listPath, empty);
  }
  FillCombo();
  // The stored index is used unchanged, even when entries were dropped: it
  // may then name another entry, or none.
  ShowDescription(storedSelection == kNoSelection ? -1 : storedSelection);
}

void Chooser::FillCombo() { ShowDescription(-1); }

void Chooser::ShowDescription(int current) {
  const bool valid = current >= 0 && current <= static_cast<int>(entries_.size());
  selection_ = valid ? current : 0;
}

std::vector<std::string> Chooser::ComboItems() const {
  std::vector<std::string> items{kBuiltInItemText};
  for (const Entry& entry : entries_) items.push_back(gamefile::Cp1252ToUtf8(entry.name));
  return items;
}

std::string Chooser::Description() const {
  if (selection_ <= 0) return kBuiltInDescription;
  return gamefile::Cp1252ToUtf8(entries_[selection_ - 1].description);
}

void Chooser::Add() {
  if (entries_.size() >= kMaxEntries) {
    ui_.ShowMessage(kMsgListFull);
    return;
  }
  std::optional<std::string> path = ui_.AskGameFileToAdd();
  if (!path || !CanTakePath(*path)) return;
  AddEntryFor(*path);
}

bool Chooser::CanTakePath(const std::string& path) {
  if (path.size() >= kPathField) {
    ui_.ShowMessage(kMsgPathTooLong);
    return false;
  }
  if (!GameCanReadPath(path)) {
    ui_.ShowMessage(kMsgPathUnusable);
    return false;
  }
  return true;
}

void Chooser::AddEntryFor(const std::string& path) {
  std::optional<Entry> entry = ReadEntry(path);
  if (!entry) {
    ui_.ShowMessage(kMsgCannotOpenFile);
    return;
  }
  entries_.push_back(std::move(*entry));
  FillCombo();
  ShowDescription(static_cast<int>(entries_.size()));
}

std::optional<int> ChooserUi::AskChoice(const std::string&, const std::string&, const std::vector<std::string>&,
                                        int) {
  return std::nullopt;
}

void ChooserUi::FollowGeneration(GenerationJob& job) { job.Wait(); }

std::string DifficultyQuestion() {
  return "Wie schwer sollen die Unterschiede zu finden sein ?\r\nEs werden " +
         std::to_string(scenegen::kDefaultGeneratedPairs) + " neue Bilderpaare gemalt; das dauert einige Sekunden.";
}

std::vector<std::string> DifficultyChoices() {
  return {"leicht: große, deutliche Unterschiede", "mittel: Unterschiede aller Größen",
          "schwer: kleine, feine Unterschiede"};
}

std::string GenerationProgressText(int done, int total) {
  return "Bilderpaar " + std::to_string(std::min(done + 1, total)) + " von " + std::to_string(total) +
         " wird gemalt ...";
}

namespace {

constexpr scenegen::Difficulty kDifficulties[] = {scenegen::Difficulty::Leicht, scenegen::Difficulty::Mittel,
                                                  scenegen::Difficulty::Schwer};

bool MakeFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A name no file in `folder` has yet; the seed and difficulty in it tell
// the player's files apart at a glance.
std::string FreshGameFilePath(const std::string& folder, scenegen::SetRequest& request) {
  for (;; ++request.seed) {
    const std::string path =
        folder + "/neu-" + scenegen::DifficultyName(request.difficulty) + "-" + std::to_string(request.seed) + ".vst";
    if (!gamefile::FileExists(path) && !gamefile::FileExists(gamefile::PicturePairPathFor(path))) return path;
  }
}

}  // namespace

void Chooser::Generate() {
  if (entries_.size() >= kMaxEntries) {
    ui_.ShowMessage(kMsgListFull);
    return;
  }
  const std::optional<int> choice =
      ui_.AskChoice(kGenerateCaption, DifficultyQuestion(), DifficultyChoices(), kPreselectedDifficulty);
  if (!choice || *choice < 0 || *choice >= static_cast<int>(std::size(kDifficulties))) return;
  const std::string folder = HomeFile(kGeneratedFolderName);
  if (!MakeFolder(folder)) {
    ui_.ShowMessage(kMsgNoGeneratedFolder);
    return;
  }
  scenegen::SetRequest request;
  request.seed = scenegen::FreshSeed();
  request.pairs = scenegen::kDefaultGeneratedPairs;
  request.difficulty = kDifficulties[*choice];
  const std::string path = FreshGameFilePath(folder, request);
  if (!CanTakePath(path)) return;

  GenerationJob job(request, path);
  ui_.FollowGeneration(job);
  job.Wait();
  const scenegen::GenerateResult result = job.Result();
  if (result.outcome == scenegen::GenerateOutcome::Stopped) return;  // the player's own choice
  if (result.outcome == scenegen::GenerateOutcome::Failed) {
    ui_.ShowMessage(result.message);
    return;
  }
  AddEntryFor(path);
}

void Chooser::Remove(int current) {
  if (current == 0) {
    ui_.ShowMessage(kMsgBuiltInCannotBeRemoved);
    return;
  }
  if (current < 0 || current > static_cast<int>(entries_.size())) {
    ui_.ShowMessage(kMsgNothingSelected);
    return;
  }
  std::vector<Entry> remaining = entries_;
  remaining.erase(remaining.begin() + (current - 1));
  std::vector<std::string> paths;
  for (const Entry& entry : remaining) paths.push_back(entry.path);
  // The removal is written at once, so it survives cancelling the chooser;
  // when it cannot be written the entry stays, and the user sees it stayed.
  if (!gamefile::WriteFileAtomically(HomeFile(kListFileName), EncodeListFile(0, paths))) return;
  entries_ = std::move(remaining);
  FillCombo();
}

bool Chooser::Start(int current) {
  // The list file keeps the item as it was, so "no item" (-1) is stored as
  // 0xFF; reading it back falls to the built-in game data.
  const auto selectionByte = static_cast<std::uint8_t>(current & 0xFF);
  // Only typing into the combo's edit field leaves no item current; the
  // built-in game data is then the natural choice.
  if (current < 0 || current > static_cast<int>(entries_.size())) current = 0;
  if (!gamefile::WriteFileAtomically(HomeFile(kListFileName), EncodeListFile(selectionByte, Paths()))) {
    ui_.ShowMessage(kMsgFileAccessError);
  }
  const gamefile::Bytes choice =
      current == 0 ? EncodeBuiltInChoice() : EncodeChoice(entries_[current - 1].path);
  // Without the choice the game would silently play the previous game file,
  // so the chooser stays open instead of starting it.
  if (!gamefile::WriteFileAtomically(HomeFile(kChoiceFileName), choice)) {
    ui_.ShowMessage(kMsgChoiceNotWritten);
    return false;
  }
  // The game is started from the current directory and inherits it.
  if (::chdir(home_.c_str()) != 0) {
    ui_.ShowMessage(kMsgFileAccessError);
    return false;
  }
  return true;
}

void StartGame(MessageUi& ui) {
  if (!handoff::StartDetached(kGameProgram)) ui.ShowMessage(GameMissingMessage());
}

std::string GameMissingMessage() {
  return std::string(
             "Konnte Vistrel aufgrund einer fehlenden Datei nicht starten.\r\n"
             "Installieren sie Vistrel neu oder wenden sie sich an den qualdrex support unter ") +
         kSupportAddress;
}

}  // namespace launcher

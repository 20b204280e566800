#pragma once
// The rules of the launcher's chooser: which game files are listed, what the
// combo shows, and what Add, Remove and Start write. The dialog only moves
// the user's actions in and shows the state afterwards.
#include <optional>
#include <string>
#include <vector>

namespace launcher {

// Field sizes of the original entry table, terminator included. Names and
// descriptions longer than that are cut; a longer path is refused, because a
// cut path would name another file.
inline constexpr std::size_t kMaxEntries = 100;
inline constexpr std::size_t kNameField = 255;
inline constexpr std::size_t kDescriptionField = 3000;
inline constexpr std::size_t kPathField = 300;

inline constexpr char kBuiltInItemText[] = "Original Vistrel Spieldatei";
inline constexpr char kBuiltInDescription[] =
    "Die Original Vistrel Spieldatei !\r\n\r\nUm Sie zu spielen drücken sie links auf Vistrel starten !";

// Messages the chooser shows.
inline constexpr char kMsgCannotOpenFile[] = "Kann Datei nicht öffnen !";
inline constexpr char kMsgBuiltInCannotBeRemoved[] =
    "Diese Spieldatei kann nicht gelöscht werden !\r\nSie gehört zum Spiel !";
inline constexpr char kMsgNothingSelected[] = "Sie haben keine Spieldatei angewählt !";
inline constexpr char kMsgFileAccessError[] = "Dateizugriffsfehler!";
inline constexpr char kMsgListFull[] =
    "Die Liste ist voll !\r\nEs können höchstens 100 Spieldateien eingetragen werden.";
inline constexpr char kMsgPathTooLong[] =
    "Der Pfad der Spieldatei ist zu lang !\r\nEr darf höchstens 299 Zeichen haben.";
inline constexpr char kMsgPathUnusable[] =
    "Der Pfad der Spieldatei enthält Zeichen, die das Spiel nicht lesen kann !";
inline constexpr char kMsgChoiceNotWritten[] =
    "Die Auswahl der Spieldatei konnte nicht gespeichert werden (vst.dat) !\r\n"
    "Bitte prüfen sie, ob im Vistrel Ordner Platz und Schreibrecht vorhanden sind.";

// "neu erzeugen": a game file of newly painted pictures, written into the
// folder kGeneratedFolderName inside the home directory (the player's own
// folder) and added to the list like one chosen with "hinzufügen".
inline constexpr char kGenerateButtonText[] = "neu erzeugen";
inline constexpr char kGeneratedFolderName[] = "Spieldateien";
inline constexpr char kGenerateCaption[] = "Neue Spieldatei erzeugen";
inline constexpr char kMsgNoGeneratedFolder[] =
    "Der Ordner für neue Spieldateien konnte nicht angelegt werden !\r\n"
    "Bitte prüfen sie, ob im Vistrel Ordner Platz und Schreibrecht vorhanden sind.";
// The question before painting, the three choices (easiest first) and the
// one offered first.
std::string DifficultyQuestion();
std::vector<std::string> DifficultyChoices();
inline constexpr int kPreselectedDifficulty = 1;
// The line under the progress bar.
std::string GenerationProgressText(int done, int total);

class GenerationJob;

// What the launcher needs from the screen. Texts are UTF-8.
class MessageUi {
 public:
  virtual ~MessageUi() = default;
  // A modal message with an OK button and the exclamation icon.
  virtual void ShowMessage(const std::string& text) = 0;
};

class ChooserUi : public MessageUi {
 public:
  // The file-open dialog for "*.vst"; nothing when the user cancels. The
  // path is returned as the file system's bytes.
  virtual std::optional<std::string> AskGameFileToAdd() = 0;
  // A modal choice among `choices`, `preselected` marked; the index chosen,
  // nothing when the user cancels. A screen that cannot ask declines.
  virtual std::optional<int> AskChoice(const std::string& caption, const std::string& question,
                                       const std::vector<std::string>& choices, int preselected);
  // Shows the progress of `job` (GenerationProgressText) until it has
  // finished, keeping the dialog responsive; the user's stop reaches it as
  // job.Stop(). Returns once job.Finished(). Without a screen: just waits.
  virtual void FollowGeneration(GenerationJob& job);
};

struct Entry {
  std::string name;         // Windows-1252, at most kNameField - 1 bytes
  std::string description;  // Windows-1252, at most kDescriptionField - 1 bytes
  std::string path;         // file system bytes, at most kPathField - 1 bytes
};

class Chooser {
 public:
  explicit Chooser(ChooserUi& ui) : ui_(ui) {}

  // Reads vsts.dat from `homeDirectory` (creating it as 0x00 0x00 when it is
  // missing), drops entries whose name file cannot be read, and selects the
  // stored item.
  void Load(const std::string& homeDirectory);

  // `current` is the combo's current item, -1 when none (the user typed into
  // its edit field).
  void ShowDescription(int current);
  void Add();
  void Remove(int current);
  // "neu erzeugen": asks for the difficulty, paints a new game file while
  // the UI shows the progress, adds it to the list and selects it. Like
  // Add, it does not write vsts.dat.
  void Generate();
  // Writes vsts.dat and vst.dat. True when the dialog is to end with OK and
  // the game is to be started.
  bool Start(int current);

  // The state the dialog shows. Texts are UTF-8.
  std::vector<std::string> ComboItems() const;
  int Selection() const { return selection_; }
  std::string Description() const;
  const std::vector<Entry>& Entries() const { return entries_; }
  const std::string& HomeDirectory() const { return home_; }

 private:
  std::optional<Entry> ReadEntry(const std::string& path) const;
  bool CanTakePath(const std::string& path);
  void AddEntryFor(const std::string& path);
  std::string HomeFile(const char* name) const;
  std::vector<std::string> Paths() const;
  void FillCombo();

  ChooserUi& ui_;
  std::string home_;
  std::vector<Entry> entries_;
  int selection_ = 0;  // combo item, -1 = none
};

inline constexpr char kGameProgram[] = "./qxdata";
inline constexpr char kSupportAddress[] = "support@vistrel.example";
std::string GameMissingMessage();

// Starts the game from the current directory (the home directory after
// Start), without arguments and without waiting; tells the user when it is
// missing.
void StartGame(MessageUi& ui);

}  // namespace launcher

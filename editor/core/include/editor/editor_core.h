#pragma once
// The editor's main dialog without the toolkit: the picture table, the list
// it shows, and every operation behind a button. The dialog forwards clicks
// here and shows what it reads back.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_ui.h"
#include "editor/hand_off.h"
#include "editor/picture_table.h"
#include "gamefile/game_file.h"

namespace editor {

// What the two previews show: a path to draw scaled, or empty for the
// outlined empty rectangle.
struct Previews {
  std::string picture1;
  std::string picture2;
  // Counts the times the previews are to be read from their files again
  // (every selection and every refresh), so that a picture replaced on disk
  // under the same name shows its new content.
  unsigned loads = 0;
};

class EditorCore {
 public:
  // startupDirectory is where dat.txt and the difference editor live.
  EditorCore(EditorUi& ui, HandOffPort& handOff, std::string startupDirectory);
  ~EditorCore();

  // Dialog start: every slot at its start values, then a refresh.
  void Start();

  // Rebuilds the list, the pair count and the previews from the table.
  void Refresh();
  void Select(std::optional<int> line);

  void LoadPicture(int picture);    // 1 or 2, into the selected pair
  void RemovePicture(int picture);  // 1 or 2, of the selected pair
  void BuildGameFile();
  // "Bilderpaare prüfen": the fairness report of every complete pair.
  void CheckPairFairness();
  void SaveProject();
  void LoadProject();

  // "Fehler editieren" and the double click.
  void EditDifferences();
  // One tick of the 100 ms result poll.
  void PollTick();
  bool pollRunning() const { return handOff_.pollRunning; }

  void OpenHelp();
  // "Beenden": true when the user confirmed.
  bool ConfirmQuit();

  // What the dialog shows.
  const std::vector<std::string>& listLines() const { return listLines_; }
  std::optional<int> selection() const { return selection_; }
  int pairCount() const { return pairCount_; }
  std::string pairCountText() const { return std::to_string(pairCount_); }
  const std::string& picture1Field() const { return field1_; }
  const std::string& picture2Field() const { return field2_; }
  const Previews& previews() const { return previews_; }

  // For tests and the project file.
  PictureTable& table() { return *table_; }
  const PictureTable& table() const { return *table_; }
  const gamefile::NameFile& rememberedName() const { return rememberedName_; }
  const std::string& startupDirectory() const { return startupDirectory_; }

 private:
  bool CountPairs();
  void BuildListLines();
  void ShowSelectedPair();
  std::optional<std::string> LoadRefusal(int pair, int picture) const;
  std::optional<gamefile::NameFile> AskName();
  std::string HandOffPath(int slot) const;
  void ReadHandOffResult();
  // Runs the fairness check with progress; false when building should stop.
  bool FairEnoughToBuild();

  EditorUi& ui_;
  HandOffPort& port_;
  std::string startupDirectory_;
  std::unique_ptr<PictureTable> table_;
  std::vector<std::string> listLines_;
  std::optional<int> selection_;
  int pairCount_ = 0;
  std::string field1_;
  std::string field2_;
  Previews previews_;
  gamefile::NameFile rememberedName_;

  struct HandOffState {
    bool pollRunning = false;
    std::int8_t pollCounter = 0;
    int pair = -1;                 // the pair handed over
    std::string path1, path2;      // its pictures at that moment
  } handOff_;
};

// The process's current directory, where the editor starts and where the
// help page is looked up.
std::string CurrentDirectory();

// One line of the list for pair position k.
std::string ListLine(int pair, const PictureSlot& first, const PictureSlot& second);

}  // namespace editor

#pragma once
// Everything the editor's rules need from the user: message boxes, questions,
// file dialogs and the name dialog. The wx dialog implements it; tests answer
// it from a script.
#include <optional>
#include <string>

namespace editor {

struct FileDialogRequest {
  std::string filter;            // "text|pattern|text|pattern"
  std::string defaultExtension;  // without the dot
};

// Name and description as the user typed them, UTF-8, line breaks as the
// toolkit delivers them.
struct TypedGameFileName {
  std::string name;
  std::string description;
};

class EditorUi {
 public:
  virtual ~EditorUi() = default;
  // A message box with OK. Texts are UTF-8.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with OK and Cancel; true for OK.
  virtual bool AskOkCancel(const std::string& text) = 0;
  // A path in file-system bytes, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
  // The name dialog; nothing when the user cancelled. The dialog itself
  // refuses an empty name (see ValidateGameFileName).
  virtual std::optional<TypedGameFileName> AskGameFileName() = 0;
  // Opens a local HTML file in the desktop's browser; false on failure.
  virtual bool OpenInBrowser(const std::string& path) = 0;
  // A technical line for developers only.
  virtual void DebugTrace(const std::string& line) = 0;

  // The fairness check of the picture pairs (see fairness_report.h). The
  // defaults fall back on the plain message boxes.
  // A long report in a window the user can scroll.
  virtual void ShowReport(const std::string& text) { ShowMessage(text); }
  // Before "Spieldatei erstellen" writes anything: true to build anyway.
  virtual bool AskBuildDespiteProblems(const std::string& text) { return AskOkCancel(text); }
  // done of total pairs checked; false when the user stopped the check.
  // Called with done == total at the end, so the progress can close.
  virtual bool ShowProgress(int done, int total) {
    (void)done;
    (void)total;
    return true;
  }
};

}  // namespace editor

#pragma once
// The main dialog: shows the core's table and forwards every click to it.
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editor_core.h"
#include "wx_editor_ui.h"

namespace editor_app {

class PreviewPane;

class CEditorDlg final : public wxDialog {
 public:
  CEditorDlg(editor::EditorCore& core, WxEditorUi& ui);

  // The template's control ids.
  enum : int {
    kList = 1001,
    kEditDifferences = 1003,
    kLoad1 = 1004,
    kLoadProject = 1016,
    kSaveProject = 1017,
    kPath1 = 1020,
    kBuild = 1021,
    kPath2 = 1031,
    kLoad2 = 1032,
    kRemove1 = 1033,
    kRemove2 = 1034,
    kHelp = 1035,
    kPairCount = 1037,
    kCheckPairs = 1040,
    kImportPhoto = 1041,
    kQuit = 1,
    kAboutCommand = 16,
    kPollTimer = 133,
  };

 private:
  void CreateControls();
  wxButton* AddButton(int id, const char* label, int x, int y, int cx, int cy);
  wxTextCtrl* AddReadOnlyField(int id, int x, int y, int cx, int cy);
  void AddGroup(const char* label, int x, int y, int cx, int cy);
  void AddLabel(const char* label, int x, int y);

  // Shows what the core holds now.
  void ShowCore();
  // Runs one core operation, then shows its result and starts the poll if
  // the operation asked for it.
  template <typename Operation>
  void Run(Operation operation);

  void OnSelect(wxCommandEvent& event);
  void OnDoubleClick(wxCommandEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnQuit(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void ShowAbout();

  editor::EditorCore& core_;
  WxEditorUi& ui_;
  wxListBox* list_ = nullptr;
  wxTextCtrl* path1_ = nullptr;
  wxTextCtrl* path2_ = nullptr;
  wxTextCtrl* pairCount_ = nullptr;
  PreviewPane* preview1_ = nullptr;
  PreviewPane* preview2_ = nullptr;
  wxTimer pollTimer_;
  std::vector<std::string> shownLines_;
};

}  // namespace editor_app

#pragma once
// The core's questions answered with real wx dialogs.
#include <wx/progdlg.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <memory>

#include "editor/editor_ui.h"

namespace editor_app {

class WxEditorUi final : public editor::EditorUi {
 public:
  void SetParent(wxWindow* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const editor::FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const editor::FileDialogRequest& request) override;
  std::optional<editor::TypedGameFileName> AskGameFileName() override;
  bool OpenInBrowser(const std::string& path) override;
  void DebugTrace(const std::string& line) override;
  void ShowReport(const std::string& text) override;
  bool ShowProgress(int done, int total) override;

 private:
  std::optional<std::string> ChooseFile(const editor::FileDialogRequest& request, long style);
  wxWindow* parent_ = nullptr;
  std::unique_ptr<wxProgressDialog> progress_;
  wxWeakRef<wxWindow> focusBeforeProgress_;
};

}  // namespace editor_app

#include "wx_editor_ui.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "beschr_dlg.h"
#include "wx_text.h"

namespace editor_app {
namespace {
const char* kMessageCaption = "Vistrel Spieldateneditor";
}

void WxEditorUi::ShowMessage(const std::string& text) {
  wxMessageDialog box(parent_, MessageToWx(text), ToWx(kMessageCaption), wxOK | wxICON_INFORMATION);
  box.ShowModal();
}

bool WxEditorUi::AskOkCancel(const std::string& text) {
  wxMessageDialog box(parent_, MessageToWx(text), ToWx(kMessageCaption), wxOK | wxCANCEL | wxICON_QUESTION);
  return box.ShowModal() == wxID_OK;
}

std::optional<std::string> WxEditorUi::ChooseFile(const editor::FileDialogSpec& spec, long style) {
  wxFileDialog dialog(parent_, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString, ToWx(spec.filter), style);
  // GetPath is not empty after Cancel: only the return code tells.
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return PathFromWx(dialog.GetPath());
}

std::optional<std::string> WxEditorUi::ChooseFileToOpen(const editor::FileDialogSpec& spec) {
  // The file need not exist: a typed name of a missing file is reported
  // when it is opened.
  return ChooseFile(spec, wxFD_OPEN);
}

std::optional<std::string> WxEditorUi::ChooseFileToSave(const editor::FileDialogSpec& spec) {
  // An existing file is replaced without a question.
  return ChooseFile(spec, wxFD_SAVE);
}

std::optional<editor::TypedGameFileName> WxEditorUi::AskGameFileName() {
  CBeschr dialog(parent_);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return editor::TypedGameFileName{dialog.name(), dialog.description()};
}

bool WxEditorUi::OpenInBrowser(const std::string& path) {
  return wxLaunchDefaultBrowser(wxFileName::FileNameToURL(wxFileName(ToWx(path))));
}

void WxEditorUi::DebugTrace(const std::string& line) { wxLogDebug("%s", ToWx(line)); }

}  // namespace editor_app

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
  // The exclamation icon, as the launcher and the difference editor show it.
  wxMessageDialog box(parent_, MessageToWx(text), ToWx(kMessageCaption), wxOK | wxICON_EXCLAMATION);
  box.ShowModal();
}

bool WxEditorUi::AskOkCancel(const std::string& text) {
  wxMessageDialog box(parent_, MessageToWx(text), ToWx(kMessageCaption), wxOK | wxCANCEL | wxICON_QUESTION);
  // Without a German translation catalogue GTK would label it "Cancel".
  box.SetOKCancelLabels("OK", "Abbrechen");
  return box.ShowModal() == wxID_OK;
}

std::optional<std::string> WxEditorUi::ChooseFile(const editor::FileDialogRequest& request, long style) {
  // The titles the German Windows dialogs carry; wx would say "Select a file".
  const wxString title = ToWx((style & wxFD_SAVE) != 0 ? "Speichern unter" : "Öffnen");
  wxFileDialog dialog(parent_, title, wxEmptyString, wxEmptyString, ToWx(request.filter), style);
  // GetPath is not empty after Cancel: only the return code tells.
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return PathFromWx(dialog.GetPath());
}

std::optional<std::string> WxEditorUi::ChooseFileToOpen(const editor::FileDialogRequest& request) {
  // The file need not exist: a typed name of a missing file is reported
  // when it is opened.
  return ChooseFile(request, wxFD_OPEN);
}

std::optional<std::string> WxEditorUi::ChooseFileToSave(const editor::FileDialogRequest& request) {
  // An existing file is replaced without a question.
  return ChooseFile(request, wxFD_SAVE);
}

std::optional<editor::TypedGameFileName> WxEditorUi::AskGameFileName() {
  CBeschr dialog(parent_);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return editor::TypedGameFileName{dialog.name(), dialog.description()};
}

bool WxEditorUi::OpenInBrowser(const std::string& path) {
  // wx would add its own English error box; the core shows the German one.
  wxLogNull quiet;
  return wxLaunchDefaultBrowser(wxFileName::FileNameToURL(wxFileName(ToWx(path))));
}

void WxEditorUi::DebugTrace(const std::string& line) { wxLogDebug("%s", ToWx(line)); }

}  // namespace editor_app

#include "wx_editor_ui.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
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

void WxEditorUi::ShowReport(const std::string& text) {
  // A report of many pairs does not fit a message box: a scrolling field.
  wxDialog dialog(parent_, wxID_ANY, ToWx("Prüfung der Bilderpaare"), wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* field = new wxTextCtrl(&dialog, wxID_ANY, MessageToWx(text), wxDefaultPosition,
                               dialog.ConvertDialogToPixels(wxSize(300, 160)),
                               wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
  sizer->Add(field, 1, wxEXPAND | wxALL, 8);
  sizer->Add(new wxButton(&dialog, wxID_OK, "OK"), 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, 8);
  dialog.SetSizerAndFit(sizer);
  dialog.CentreOnParent();
  dialog.ShowModal();
}

bool WxEditorUi::ShowProgress(int done, int total) {
  if (done >= total) {
    progress_.reset();
    // The application-modal progress dialog disables every window, and GTK
    // takes the focus from a disabled control without giving it back: the
    // main dialog would then see no keys (Escape would not end the program)
    // until the user clicked into it.
    if (focusBeforeProgress_) focusBeforeProgress_->SetFocus();
    focusBeforeProgress_ = nullptr;
    return true;
  }
  if (!progress_) {
    focusBeforeProgress_ = wxWindow::FindFocus();
    progress_ = std::make_unique<wxProgressDialog>(ToWx("Prüfung der Bilderpaare"), ToWx("Bilderpaare werden geprüft ..."),
                                                   total, parent_, wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE);
  }
  return progress_->Update(done, ToWx("Bilderpaar " + std::to_string(done) + " von " + std::to_string(total)));
}

void WxEditorUi::DebugTrace(const std::string& line) { wxLogDebug("%s", ToWx(line)); }

}  // namespace editor_app

#include "choose_dialog.h"

#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/progdlg.h>

#include "launcher/generation_job.h"

namespace {

enum ControlId {
  kIdStart = 1,
  kIdAdd = 1000,
  kIdDescription = 1004,
  kIdCombo = 1011,
  kIdRemove = 1012,
  kIdGenerate = 1013,
};

// How often the progress of a generation is looked at.
constexpr int kProgressPollMs = 40;

// The files hold "\r\n"; GTK shows a lone "\n" as the line break.
wxString ToUi(const std::string& utf8) {
  wxString text = wxString::FromUTF8(utf8);
  text.Replace("\r\n", "\n");
  return text;
}

const char kTitle[] = "vistrel";

// The program icon in every size the build drew, from data/icons; like every
// file of the launcher it is found against the working directory (the home
// directory). None when those files are missing.
wxIconBundle ProgramIcons() {
  wxLogNull quiet;
  const wxString folder = "data/icons/";
  wxIconBundle icons;
  for (int size : {16, 32, 48, 64, 128}) {
    const wxString file = folder + wxString::Format("vistrel_%d.png", size);
    if (wxFileExists(file)) icons.AddIcon(file, wxBITMAP_TYPE_PNG);
  }
  return icons;
}

}  // namespace

CChoose::CChoose() : wxDialog(nullptr, wxID_ANY, "Vistrel v1.0") {
  CreateControls();
  SetIcons(ProgramIcons());
  SetAffirmativeId(kIdStart);
  chooser_.Load(wxGetCwd().fn_str().data());
  ShowChooserState();
}

void CChoose::PlaceByDialogUnits(wxWindow* control, int x, int y, int width, int height) {
  const wxPoint position = ConvertDialogToPixels(wxPoint(x, y));
  wxSize size = ConvertDialogToPixels(wxSize(width, height));
  // GTK controls need more height than Windows ones; keep the position and
  // let the control have the height it asks for.
  size.y = std::max(size.y, control->GetBestSize().y);
  control->SetSize(wxRect(position, size));
}

void CChoose::CreateControls() {
  // One row more than the classic chooser, under "hinzufügen" and
  // "entfernen", for "neu erzeugen"; both group boxes grow with it.
  constexpr int kExtraRow = 15;
  SetClientSize(ConvertDialogToPixels(wxSize(306, 134 + kExtraRow)));
  // Group boxes first, so the controls inside them lie above them.
  PlaceByDialogUnits(new wxStaticBox(this, wxID_ANY, wxString::FromUTF8("Willkommen zu Vistrel")), 15, 7, 133,
                     113 + kExtraRow);
  PlaceByDialogUnits(new wxStaticBox(this, wxID_ANY, wxString::FromUTF8("Aktuelle Spieldatei")), 153, 7, 146,
                     113 + kExtraRow);

  auto* start = new wxButton(this, kIdStart, wxString::FromUTF8("Vistrel starten !"));
  start->SetDefault();
  PlaceByDialogUnits(start, 36, 94, 85, 14);

  combo_ = new wxComboBox(this, kIdCombo, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                          wxCB_DROPDOWN);
  PlaceByDialogUnits(combo_, 165, 20, 124, 12);

  auto* intro = new wxStaticText(
      this, wxID_ANY,
      wxString::FromUTF8("Wenn sie mit dem Bildereditor selbst eine Spieldatei entworfen haben, so haben "
                         "sie rechts die Möglichkeit diese zu verwenden."));
  PlaceByDialogUnits(intro, 23, 36, 121, 44);
  intro->Wrap(intro->GetSize().x);

  PlaceByDialogUnits(new wxButton(this, kIdAdd, wxString::FromUTF8("hinzufügen")), 164, 94, 55, 14);
  PlaceByDialogUnits(new wxButton(this, kIdRemove, wxString::FromUTF8("entfernen")), 237, 94, 54, 14);
  PlaceByDialogUnits(new wxButton(this, kIdGenerate, wxString::FromUTF8(launcher::kGenerateButtonText)), 164, 94 + kExtraRow + 4,
                     127, 14);

  description_ = new wxTextCtrl(this, kIdDescription, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY);
  PlaceByDialogUnits(description_, 163, 38, 126, 51);
  // Read-only but not disabled: GTK neither scrolls a disabled text field
  // nor shows its text in full contrast, so a description longer than the
  // field could not be read to its end.

  // Escape and the close box cancel. wx would otherwise press the
  // affirmative button for them, since the dialog has no Cancel button.
  Bind(wxEVT_CHAR_HOOK, &CChoose::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(wxID_CANCEL); });
  Bind(wxEVT_COMBOBOX, &CChoose::OnSelectionChange, this, kIdCombo);
  Bind(wxEVT_BUTTON, &CChoose::OnAdd, this, kIdAdd);
  Bind(wxEVT_BUTTON, &CChoose::OnRemove, this, kIdRemove);
  Bind(wxEVT_BUTTON, &CChoose::OnGenerate, this, kIdGenerate);
  Bind(wxEVT_BUTTON, &CChoose::OnStart, this, kIdStart);
}

void CChoose::ShowChooserState() {
  combo_->Clear();
  for (const std::string& item : chooser_.ComboItems()) combo_->Append(wxString::FromUTF8(item));
  combo_->SetSelection(chooser_.Selection());
  ShowDescriptionOnly();
}

void CChoose::ShowDescriptionOnly() { description_->ChangeValue(ToUi(chooser_.Description())); }

void CChoose::OnSelectionChange(wxCommandEvent&) {
  chooser_.ShowDescription(combo_->GetSelection());
  if (combo_->GetSelection() != chooser_.Selection()) combo_->SetSelection(chooser_.Selection());
  ShowDescriptionOnly();
}

void CChoose::OnCharHook(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_ESCAPE) {
    EndModal(wxID_CANCEL);
    return;
  }
  event.Skip();
}

void CChoose::OnAdd(wxCommandEvent&) {
  chooser_.Add();
  ShowChooserState();
}

void CChoose::OnRemove(wxCommandEvent&) {
  chooser_.Remove(combo_->GetSelection());
  ShowChooserState();
}

void CChoose::OnGenerate(wxCommandEvent&) {
  chooser_.Generate();
  ShowChooserState();
}

void CChoose::OnStart(wxCommandEvent&) {
  if (chooser_.Start(combo_->GetSelection())) EndModal(wxID_OK);
}

void CChoose::ShowMessage(const std::string& text) {
  wxMessageBox(ToUi(text), kTitle, wxOK | wxICON_EXCLAMATION, this);
}

std::optional<std::string> CChoose::AskGameFileToAdd() {
  wxFileDialog dialog(this, wxString::FromUTF8("Öffnen"), wxEmptyString, wxEmptyString,
                      "Vistrel Spieldateien (*.vst)|*.vst", wxFD_OPEN);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  wxFileName chosen(dialog.GetPath());
  // A typed name without extension gets the default one, as the Windows
  // dialog did.
  if (!chosen.HasExt()) chosen.SetExt("vst");
  return std::string(chosen.GetFullPath().fn_str().data());
}

std::optional<int> CChoose::AskChoice(const std::string& caption, const std::string& question,
                                      const std::vector<std::string>& choices, int preselected) {
  wxArrayString items;
  for (const std::string& choice : choices) items.Add(wxString::FromUTF8(choice));
  wxSingleChoiceDialog dialog(this, ToUi(question), ToUi(caption), items);
  dialog.SetSelection(preselected);
  // GTK gives the list room for two lines; show every choice at once.
  for (wxWindow* child : dialog.GetChildren()) {
    if (auto* list = dynamic_cast<wxListBox*>(child)) {
      list->SetMinSize(wxSize(-1, static_cast<int>(choices.size()) * list->GetCharHeight() * 2));
      dialog.Fit();
    }
  }
  if (auto* cancel = dialog.FindWindow(wxID_CANCEL)) cancel->SetLabel("Abbrechen");
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.GetSelection();
}

void CChoose::FollowGeneration(launcher::GenerationJob& job) {
  wxWindow* focus = wxWindow::FindFocus();
  {
    const int total = job.PairsTotal();
    wxProgressDialog progress(ToUi(launcher::kGenerateCaption), ToUi(launcher::GenerationProgressText(0, total)),
                              total, this, wxPD_APP_MODAL | wxPD_CAN_ABORT);
    if (auto* cancel = progress.FindWindow(wxID_CANCEL)) cancel->SetLabel("Abbrechen");
    // Update() keeps the dialogs painted and answering while the pictures
    // are painted on the job's own thread.
    while (!job.Finished()) {
      const int done = std::min(job.PairsDone(), total - 1);
      if (!progress.Update(done, ToUi(launcher::GenerationProgressText(done, total)))) job.Stop();
      wxMilliSleep(kProgressPollMs);
    }
  }
  // The application-modal progress dialog disabled every window, and GTK
  // gives the focus back to none of them.
  if (focus) focus->SetFocus();
}

#include "editor_dlg.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "about_dlg.h"
#include "artwork.h"
#include "dialog_units.h"
#include "editor/messages.h"
#include "wx_text.h"

namespace editor_app {

// One preview: the picture scaled to a quarter of 488 x 430, or an outlined
// empty rectangle of that size.
class PreviewPane final : public wxWindow {
 public:
  static constexpr int kWidth = 122;
  static constexpr int kHeight = 107;

  PreviewPane(wxWindow* parent, const wxPoint& at) : wxWindow(parent, wxID_ANY, at, wxSize(kWidth + 1, kHeight + 1)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &PreviewPane::OnPaint, this);
  }

  // Decodes when the picture or the load count changed: the file may have
  // been replaced on disk under the same name.
  void Show(const std::string& path, unsigned loads) {
    if (path == path_ && loads == loads_) return;
    path_ = path;
    loads_ = loads;
    bitmap_ = wxBitmap();
    if (!path.empty()) {
      wxLogNull quiet;  // an unreadable picture is shown as empty
      wxImage image;
      if (image.LoadFile(ToWx(path), wxBITMAP_TYPE_JPEG) && image.IsOk())
        bitmap_ = wxBitmap(image.Scale(kWidth, kHeight, wxIMAGE_QUALITY_BOX_AVERAGE));
    }
    Refresh();
  }

 private:
  void OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    if (bitmap_.IsOk()) {
      dc.DrawBitmap(bitmap_, 0, 0);
    } else {
      dc.SetPen(*wxBLACK_PEN);
      dc.SetBrush(*wxWHITE_BRUSH);
      dc.DrawRectangle(0, 0, kWidth + 1, kHeight + 1);
    }
  }

  std::string path_;
  unsigned loads_ = 0;
  wxBitmap bitmap_;
};

CEditorDlg::CEditorDlg(editor::EditorCore& core, WxEditorUi& ui)
    : wxDialog(nullptr, wxID_ANY, ToWx(editor::text::kDialogTitle), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      core_(core), ui_(ui), pollTimer_(this, kPollTimer) {
  ui_.SetParent(this);
  SetIcons(ProgramIcons());
  SetClientSize(DluSize(this, 467, 251));
  CreateControls();
  // Escape and the close box end the program without the question; the
  // dialog must not turn Escape into a click on "Beenden".
  SetEscapeId(wxID_NONE);
  Bind(wxEVT_CHAR_HOOK, &CEditorDlg::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, &CEditorDlg::OnClose, this);
  Bind(wxEVT_TIMER, &CEditorDlg::OnTimer, this);  // any timer id polls
  Bind(wxEVT_CONTEXT_MENU, &CEditorDlg::OnContextMenu, this);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, kAboutCommand);
  core_.Start();
  ShowCore();
  // Keyboard users start in the list, where every operation begins.
  list_->SetFocus();
  Centre();
}

void CEditorDlg::AddGroup(const char* label, int x, int y, int cx, int cy) {
  new wxStaticBox(this, wxID_ANY, ToWx(label), DluPoint(this, x, y), DluSize(this, cx, cy));
}

void CEditorDlg::AddLabel(const char* label, int x, int y) {
  new wxStaticText(this, wxID_ANY, ToWx(label), DluPoint(this, x, y));
}

wxButton* CEditorDlg::AddButton(int id, const char* label, int x, int y, int cx, int cy) {
  const int height = wxButton::GetDefaultSize(this).y;
  auto* button = new wxButton(this, id, ToWx(label), DluPoint(this, x, y), DluControlSize(this, cx, cy, height));
  return button;
}

wxTextCtrl* CEditorDlg::AddReadOnlyField(int id, int x, int y, int cx, int cy) {
  return new wxTextCtrl(this, id, wxEmptyString, DluPoint(this, x, y), DluSize(this, cx, cy), wxTE_READONLY);
}

void CEditorDlg::CreateControls() {
  AddGroup("Spielliste", 10, 7, 169, 184);
  list_ = new wxListBox(this, kList, DluPoint(this, 21, 19), DluSize(this, 144, 165), 0, nullptr,
                        wxLB_SINGLE | wxLB_NEEDED_SB);

  AddGroup("Vorschau", 187, 7, 179, 93);
  // The previews sit where the original drew them at (290, 26) and (420, 26)
  // pixels, expressed in dialog units so they stay inside their group.
  preview1_ = new PreviewPane(this, DluPoint(this, 193, 16));
  preview2_ = new PreviewPane(this, DluPoint(this, 280, 16));
  AddLabel("Bild 1", 226, 88);
  AddLabel("Bild 2", 312, 87);
  new wxStaticBitmap(this, wxID_ANY, DecorativePicture(), DluPoint(this, 377, 20));

  AddGroup("Bilderpaar", 186, 101, 274, 91);
  AddLabel("Bild 1:", 195, 117);
  path1_ = AddReadOnlyField(kPath1, 219, 114, 138, 13);
  AddButton(kLoad1, "laden", 360, 114, 43, 14);
  AddButton(kRemove1, "entfernen", 407, 114, 50, 14);
  AddLabel("Bild 2:", 195, 133);
  path2_ = AddReadOnlyField(kPath2, 219, 130, 138, 14);
  AddButton(kLoad2, "laden", 359, 130, 44, 14);
  AddButton(kRemove2, "entfernen", 408, 130, 50, 14);
  AddButton(kEditDifferences, "Fehler editieren", 363, 150, 87, 14);
  // On the row of "Fehler editieren", left where the group has room.
  AddButton(kCheckPairs, "Bilderpaare prüfen", 219, 150, 87, 14);

  AddGroup("Laden && Speichern", 7, 193, 172, 51);
  AddButton(kLoadProject, "Spielliste laden", 14, 209, 68, 14);
  AddButton(kSaveProject, "Spielliste speichern", 14, 228, 68, 14);
  AddLabel("Bilderpaare:", 97, 211);
  pairCount_ = AddReadOnlyField(kPairCount, 143, 209, 26, 14);
  AddButton(kBuild, "Spieldatei erstellen", 96, 227, 75, 15);

  AddGroup("Programm", 185, 194, 275, 50);
  AddLabel("Vistrel Spieldateneditor", 204, 208);
  // GTK has no window menu to extend; the about box is offered here and in
  // the dialog's context menu.
  AddButton(kAboutCommand, "Info", 204, 225, 40, 14);
  AddButton(kHelp, "Anleitung", 321, 225, 50, 14);
  AddButton(kQuit, "Beenden", 386, 225, 50, 14)->SetDefault();

  list_->Bind(wxEVT_LISTBOX, &CEditorDlg::OnSelect, this);
  list_->Bind(wxEVT_LISTBOX_DCLICK, &CEditorDlg::OnDoubleClick, this);
  auto bindButton = [this](int id, auto operation) {
    Bind(wxEVT_BUTTON, [this, operation](wxCommandEvent&) { Run(operation); }, id);
  };
  bindButton(kLoad1, [](editor::EditorCore& c) { c.LoadPicture(1); });
  bindButton(kLoad2, [](editor::EditorCore& c) { c.LoadPicture(2); });
  bindButton(kRemove1, [](editor::EditorCore& c) { c.RemovePicture(1); });
  bindButton(kRemove2, [](editor::EditorCore& c) { c.RemovePicture(2); });
  bindButton(kEditDifferences, [](editor::EditorCore& c) { c.EditDifferences(); });
  bindButton(kLoadProject, [](editor::EditorCore& c) { c.LoadProject(); });
  bindButton(kSaveProject, [](editor::EditorCore& c) { c.SaveProject(); });
  bindButton(kBuild, [](editor::EditorCore& c) { c.BuildGameFile(); });
  bindButton(kCheckPairs, [](editor::EditorCore& c) { c.CheckPairFairness(); });
  bindButton(kHelp, [](editor::EditorCore& c) { c.OpenHelp(); });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowAbout(); }, kAboutCommand);
  Bind(wxEVT_BUTTON, &CEditorDlg::OnQuit, this, kQuit);
}

template <typename Operation>
void CEditorDlg::Run(Operation operation) {
  operation(core_);
  ShowCore();
  if (core_.pollRunning()) {
    // Restarting keeps one timer, as a second hand-off restarts the poll.
    pollTimer_.Start(100);
  }
}

void CEditorDlg::ShowCore() {
  const auto& lines = core_.listLines();
  if (lines.size() == shownLines_.size()) {
    // Only the changed lines are replaced: refilling the whole list would
    // throw the user back to its top after every picture loaded.
    for (std::size_t k = 0; k < lines.size(); ++k) {
      if (lines[k] != shownLines_[k]) list_->SetString(static_cast<unsigned>(k), ToWx(lines[k]));
    }
    shownLines_ = lines;
  } else {
    wxArrayString shown;
    shown.reserve(lines.size());
    for (const auto& line : lines) shown.push_back(ToWx(line));
    list_->Set(shown);
    shownLines_ = lines;
  }
  const auto selection = core_.selection();
  if (selection && *selection < static_cast<int>(list_->GetCount())) {
    list_->SetSelection(*selection);
  } else {
    list_->SetSelection(wxNOT_FOUND);
  }
  path1_->ChangeValue(ToWx(core_.picture1Field()));
  path2_->ChangeValue(ToWx(core_.picture2Field()));
  pairCount_->ChangeValue(ToWx(core_.pairCountText()));
  preview1_->Show(core_.previews().picture1, core_.previews().loads);
  preview2_->Show(core_.previews().picture2, core_.previews().loads);
}

void CEditorDlg::OnSelect(wxCommandEvent&) {
  const int line = list_->GetSelection();
  core_.Select(line == wxNOT_FOUND ? std::nullopt : std::optional<int>(line));
  ShowCore();
}

void CEditorDlg::OnDoubleClick(wxCommandEvent& event) {
  OnSelect(event);
  Run([](editor::EditorCore& c) { c.EditDifferences(); });
}

void CEditorDlg::OnTimer(wxTimerEvent&) {
  if (!core_.pollRunning()) {
    pollTimer_.Stop();
    return;
  }
  core_.PollTick();
  if (!core_.pollRunning()) {
    pollTimer_.Stop();
    ShowCore();
  }
}

void CEditorDlg::OnQuit(wxCommandEvent&) {
  if (core_.ConfirmQuit()) EndModal(wxID_OK);
}

void CEditorDlg::OnClose(wxCloseEvent&) {
  pollTimer_.Stop();
  EndModal(wxID_CANCEL);
}

void CEditorDlg::OnCharHook(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_ESCAPE) {
    pollTimer_.Stop();
    EndModal(wxID_CANCEL);
    return;
  }
  event.Skip();
}

void CEditorDlg::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(kAboutCommand, ToWx("Inf&o über Bildereditor..."));
  PopupMenu(&menu);
}

void CEditorDlg::ShowAbout() {
  CAboutDlg about(this);
  about.ShowModal();
}

}  // namespace editor_app

#include "wizard_dialog.h"

#include <wx/dcbuffer.h>

#include "about_dialog.h"
#include "ui_support.h"

namespace {

enum ControlId {
  kIdAccept = 1,
  kIdCancel = 2,
  kIdMouseX = 1005,
  kIdMouseY = 1006,
  kIdInfoButton = 1010,
  kIdSuggest = 1011,
  kIdCompare = 1012,
  kIdInfoCommand = 16,
  kIdRedrawTimer = 333,
};
constexpr std::array<int, wizard::kRectCount> kChoiceIds{1001, 1002, 1003, 1004, 1007};

// The pictures are drawn at fixed client pixels, so the controls below them
// are placed with the Windows dialog-unit size of the original font (6 x 13
// base units: 1.5 x 1.625 pixels per unit) rather than GTK's larger one,
// which would push the dialog past a 1024-pixel screen.
wxPoint DialogUnitsToPixels(int x, int y) { return wxPoint(x * 3 / 2, y * 13 / 8); }
wxSize DialogUnitsToPixels(wxSize size) { return wxSize(size.x * 3 / 2, size.y * 13 / 8); }

// GTK controls are taller than Windows ones: keep the position, give the
// control the height (and, for labels, the width) it asks for.
void Place(wxWindow* control, int x, int y, int width, int height, bool growWidth = false) {
  wxSize size = DialogUnitsToPixels(wxSize(width, height));
  const wxSize best = control->GetBestSize();
  size.y = std::max(size.y, best.y);
  if (growWidth) size.x = std::max(size.x, best.x);
  control->SetSize(wxRect(DialogUnitsToPixels(x, y), size));
}

}  // namespace

CWizardDlg::CWizardDlg()
    : wxDialog(nullptr, wxID_ANY, "Fehlerkoordinaten Editor"), redrawTimer_(this, kIdRedrawTimer) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetFont(wxFontInfo(8));
  CreateControls();
  SetIcons(wizardui::ApplicationIcons());
  redrawTimer_.Start(100);
  ShowCurrentChoice();
  editor_.Open();
  // A picture that cannot be loaded stays empty and draws nothing.
  leftPicture_ = LoadPicture(editor_.LeftPicturePath());
  rightPicture_ = LoadPicture(editor_.RightPicturePath());
}

void CWizardDlg::CreateControls() {
  // One row taller than the template: "Vorschlagen" sits below the
  // rectangle choices, every control of the template keeps its place.
  SetClientSize(DialogUnitsToPixels(wxSize(674, 335)));
  Place(new wxStaticBox(this, wxID_ANY, wxString::FromUTF8("Editieren sie ihre Fehler im linken Bild !")), 6,
        277, 288, 33);
  Place(new wxStaticBox(this, wxID_ANY, wxString::FromUTF8("Maus Koordinaten")), 302, 277, 136, 33);
  Place(new wxStaticBox(this, wxID_ANY, wxEmptyString), 450, 277, 150, 33);

  // GTK pads buttons more than Windows: "übernehmen" would be clipped at the
  // template's width, so buttons may grow to the width their label needs.
  auto* accept = new wxButton(this, kIdAccept, wxString::FromUTF8("übernehmen"));
  Place(accept, 460, 286, 50, 16, true);
  accept->SetDefault();
  auto* cancel = new wxButton(this, kIdCancel, wxString::FromUTF8("abbrechen"));
  Place(cancel, 529, 286, 50, 16, true);
  // A grown "übernehmen" would touch "abbrechen"; keep a small gap.
  const int gap = DialogUnitsToPixels(wxSize(4, 0)).x;
  if (cancel->GetPosition().x < accept->GetRect().GetRight() + gap)
    cancel->Move(accept->GetRect().GetRight() + gap, cancel->GetPosition().y);
  Place(new wxButton(this, kIdInfoButton, wxString::FromUTF8("Info...")), 610, 286, 50, 16, true);

  auto* suggest = new wxButton(this, kIdSuggest, wxString::FromUTF8("Vorschlagen"));
  Place(suggest, 6, 314, 60, 16, true);
  // Beside it: the second picture in place of the first while held.
  compare_ = new wxButton(this, kIdCompare, wxString::FromUTF8(wizard::kCompareLabel));
  Place(compare_, 72, 314, 90, 16, true);
  if (compare_->GetPosition().x < suggest->GetRect().GetRight() + 6)
    compare_->Move(suggest->GetRect().GetRight() + 6, compare_->GetPosition().y);
  compare_->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    SetComparing(true);
    event.Skip();
  });
  compare_->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    SetComparing(false);
    event.Skip();
  });
  const int choiceX[] = {19, 71, 126, 177, 230};
  const int choiceY[] = {292, 292, 292, 293, 293};
  for (int i = 0; i < wizard::kRectCount; ++i) {
    choices_[i] = new wxCheckBox(this, kChoiceIds[i], wxString::Format("Fehler %d", i + 1));
    Place(choices_[i], choiceX[i], choiceY[i] - 2, 42, 10, true);
    Bind(wxEVT_CHECKBOX, &CWizardDlg::OnChoose, this, kChoiceIds[i]);
  }

  Place(new wxStaticText(this, wxID_ANY, "X"), 313, 292, 8, 8, true);
  Place(new wxStaticText(this, wxID_ANY, "Y"), 379, 292, 8, 8, true);
  mouseX_ = new wxTextCtrl(this, kIdMouseX, wxEmptyString);
  mouseY_ = new wxTextCtrl(this, kIdMouseY, wxEmptyString);
  Place(mouseX_, 324, 288, 40, 14);
  Place(mouseY_, 387, 288, 40, 14);
  mouseX_->Disable();
  mouseY_->Disable();

  SetAffirmativeId(kIdAccept);
  Bind(wxEVT_PAINT, &CWizardDlg::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CWizardDlg::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CWizardDlg::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CWizardDlg::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CWizardDlg::OnCaptureLost, this);
  Bind(wxEVT_TIMER, &CWizardDlg::OnTimer, this, kIdRedrawTimer);
  Bind(wxEVT_CHAR_HOOK, &CWizardDlg::OnCharHook, this);
  Bind(wxEVT_CONTEXT_MENU, &CWizardDlg::OnContextMenu, this);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Accept(); }, kIdAccept);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Cancel(); }, kIdCancel);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowAbout(); }, kIdInfoButton);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    wxBusyCursor busy;
    editor_.Suggest();
    Refresh(false);
  }, kIdSuggest);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, kIdInfoCommand);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Cancel(); });
}

wxBitmap CWizardDlg::LoadPicture(const std::string& path) {
  if (path.empty()) return wxBitmap();
  wxLogNull quiet;  // a missing picture is not an error worth a box
  wxImage image;
  if (!image.LoadFile(wxString(path.c_str(), *wxConvFileName), wxBITMAP_TYPE_JPEG)) return wxBitmap();
  return wxBitmap(image);
}

void CWizardDlg::ShowCurrentChoice() {
  for (int i = 0; i < wizard::kRectCount; ++i) choices_[i]->SetValue(i == editor_.CurrentIndex());
}

void CWizardDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  const wxBitmap& left = editor_.Comparing() ? rightPicture_ : leftPicture_;
  if (left.IsOk()) dc.DrawBitmap(left, wizard::kLeftPictureX, wizard::kPictureY);
  if (rightPicture_.IsOk()) dc.DrawBitmap(rightPicture_, wizard::kRightPictureX, wizard::kPictureY);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  for (const wizard::Outline& outline : editor_.Outlines()) {
    const auto width = outline.right - outline.left;
    const auto height = outline.bottom - outline.top;
    if (width <= 0 || height <= 0 || width > 100000 || height > 100000) continue;
    dc.SetPen(wxPen(wxColour(outline.colour.red, outline.colour.green, outline.colour.blue), 1));
    dc.DrawRectangle(static_cast<wxCoord>(outline.left), static_cast<wxCoord>(outline.top),
                     static_cast<wxCoord>(width), static_cast<wxCoord>(height));
  }
}

void CWizardDlg::OnLeftDown(wxMouseEvent& event) {
  editor_.Press(event.GetX(), event.GetY());
  // Holding the mouse while dragging means a button released outside the
  // window still ends the drag.
  if (editor_.Dragging() && !HasCapture()) CaptureMouse();
  event.Skip();
}

void CWizardDlg::OnMotion(wxMouseEvent& event) {
  editor_.Move(event.GetX(), event.GetY());
  mouseX_->ChangeValue(editor_.MouseXText());
  mouseY_->ChangeValue(editor_.MouseYText());
  event.Skip();
}

void CWizardDlg::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  editor_.Release();
  Refresh(false);
  event.Skip();
}

void CWizardDlg::OnCaptureLost(wxMouseCaptureLostEvent&) {
  editor_.Release();
  Refresh(false);
}

void CWizardDlg::OnTimer(wxTimerEvent&) {
  // Key-up events go to whichever control has the focus; asking the
  // keyboard and mouse directly ends the comparison wherever they are let go.
  if (editor_.Comparing() && !wxGetKeyState(WXK_SPACE) && !wxGetMouseState().LeftIsDown()) SetComparing(false);
  if (editor_.Dragging()) Refresh(false);
}

void CWizardDlg::SetComparing(bool comparing) {
  if (comparing == editor_.Comparing()) return;
  comparing ? editor_.StartComparing() : editor_.StopComparing();
  Refresh(false);
}

void CWizardDlg::OnChoose(wxCommandEvent& event) {
  for (int i = 0; i < wizard::kRectCount; ++i) {
    if (kChoiceIds[i] == event.GetId()) editor_.Choose(i);
  }
  ShowCurrentChoice();
  Refresh(false);
}

void CWizardDlg::OnCharHook(wxKeyEvent& event) {
  switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
      Cancel();
      return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      Accept();  // the default button, whichever control has the focus
      return;
    case WXK_SPACE:
      // Held, not toggled: the focused check box must not take it either.
      SetComparing(true);
      return;
    default:
      event.Skip();
  }
}

void CWizardDlg::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(kIdInfoCommand, wxString::FromUTF8("&Info über Bildeditor..."));
  PopupMenu(&menu);
}

void CWizardDlg::Accept() {
  if (editor_.Accept()) EndModal(wxID_OK);
}

void CWizardDlg::Cancel() {
  if (editor_.Cancel()) EndModal(wxID_CANCEL);
}

void CWizardDlg::ShowAbout() {
  CAboutDlg about(this);
  about.ShowModal();
}

void CWizardDlg::ShowMessage(const std::string& text) {
  wxMessageBox(wizardui::ToUi(text), wizardui::kTitle, wxOK | wxICON_EXCLAMATION, this);
}

bool CWizardDlg::AskYesNo(const std::string& question) {
  wxMessageDialog dialog(this, wizardui::ToUi(question), wizardui::kTitle, wxYES_NO | wxICON_QUESTION);
  dialog.SetYesNoLabels("Ja", "Nein");
  return dialog.ShowModal() == wxID_YES;
}

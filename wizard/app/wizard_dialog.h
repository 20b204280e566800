#pragma once
// "Fehlerkoordinaten Editor" (template 102): draws the two pictures and the
// rectangles that wizard::DifferenceEditor holds and passes the mouse to it.
#include <wx/wx.h>

#include <array>

#include "wizard/difference_editor.h"

class CWizardDlg : public wxDialog, private wizard::WizardUi {
 public:
  CWizardDlg();

 private:
  // wizard::WizardUi
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;

  void CreateControls();
  wxBitmap LoadPicture(const std::string& path);
  void ShowCurrentChoice();

  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnChoose(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void Accept();
  void Cancel();
  void ShowAbout();
  void SetComparing(bool comparing);

  wizard::DifferenceEditor editor_{*this};
  wxBitmap leftPicture_;
  wxBitmap rightPicture_;
  wxButton* compare_ = nullptr;
  wxTimer redrawTimer_;
  std::array<wxCheckBox*, wizard::kRectCount> choices_{};
  wxTextCtrl* mouseX_ = nullptr;
  wxTextCtrl* mouseY_ = nullptr;
};

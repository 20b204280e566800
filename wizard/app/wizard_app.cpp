// The difference editor: one dialog, and the process ends with it.
#include <wx/wx.h>

#include "wizard_dialog.h"

class WizardApp : public wxApp {
 public:
  bool OnInit() override {
    wxImage::AddHandler(new wxJPEGHandler);
    wxImage::AddHandler(new wxPNGHandler);
    return true;
  }

  // Run here rather than in OnInit, so the process ends with exit code 0
  // whichever way the dialog closes.
  int OnRun() override {
    CWizardDlg dialog;
    dialog.ShowModal();
    return 0;
  }
};

wxIMPLEMENT_APP(WizardApp);

// The launcher: runs the chooser once and, after Start, starts the game.
#include <wx/wx.h>

#include "choose_dialog.h"

namespace {

// Relays the game-start message; the chooser is gone by then.
class StartMessages : public launcher::MessageUi {
 public:
  void ShowMessage(const std::string& text) override {
    wxString shown = wxString::FromUTF8(text);
    shown.Replace("\r\n", "\n");
    wxMessageBox(shown, "vistrel", wxOK | wxICON_EXCLAMATION);
  }
};

}  // namespace

class VistrelApp : public wxApp {
 public:
  bool OnInit() override {
    wxImage::AddHandler(new wxPNGHandler);
    return true;
  }

  // The work is done here rather than in OnInit, so the process ends with
  // exit code 0 on both ways out.
  int OnRun() override {
    int result = wxID_CANCEL;
    {
      CChoose chooser;
      result = chooser.ShowModal();
    }
    if (result == wxID_OK) {
      StartMessages messages;
      launcher::StartGame(messages);
    }
    return 0;
  }
};

wxIMPLEMENT_APP(VistrelApp);

// The editor program: one modal main dialog; the program ends when it closes.
#include <wx/app.h>
#include <wx/image.h>

#include "editor/editor_core.h"
#include "editor/hand_off.h"
#include "editor_dlg.h"
#include "wx_editor_ui.h"

namespace editor_app {

class CEditorApp final : public wxApp {
 public:
  bool OnInit() override {
    wxImage::AddHandler(new wxJPEGHandler);
    wxImage::AddHandler(new wxPNGHandler);  // the icons and the picture in data/icons
    return true;
  }

  // The dialog runs here rather than in OnInit, so the exit code is ours
  // and not the "init failed" code a false OnInit would give.
  int OnRun() override {
    WxEditorUi ui;
    editor::SystemHandOffPort handOff;
    editor::EditorCore core(ui, handOff, editor::CurrentDirectory());
    CEditorDlg dialog(core, ui);
    SetTopWindow(&dialog);
    dialog.ShowModal();
    return 0;
  }
};

}  // namespace editor_app

wxIMPLEMENT_APP(editor_app::CEditorApp);

#pragma once
// "Info über Spieldateneditor".
#include <wx/dialog.h>

namespace editor_app {

class CAboutDlg final : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};

}  // namespace editor_app

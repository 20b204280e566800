#pragma once
// The "Info" box (template 100).
#include <wx/wx.h>

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};

#include "about_dlg.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "artwork.h"
#include "dialog_units.h"
#include "wx_text.h"

namespace editor_app {

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx("Info über Spieldateneditor"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  SetClientSize(DluSize(this, 235, 55));
  new wxStaticBitmap(this, wxID_ANY, ProgramIconBitmap(32), DluPoint(this, 11, 17));
  new wxStaticText(this, wxID_ANY, ToWx("Vistrel Spieldateneditor"), DluPoint(this, 40, 10));
  new wxStaticText(this, wxID_ANY, ToWx("Stellt Spieldateien für Vistrel zusammen."), DluPoint(this, 40, 24));
  new wxStaticText(this, wxID_ANY, ToWx("Version 1.0, qualdrex"), DluPoint(this, 40, 36));
  auto* ok = new wxButton(this, wxID_OK, ToWx("OK"), DluPoint(this, 178, 7),
                          DluControlSize(this, 50, 14, wxButton::GetDefaultSize(this).y));
  ok->SetDefault();
  CentreOnParent();
}

}  // namespace editor_app

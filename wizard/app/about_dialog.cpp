#include "about_dialog.h"

#include "ui_support.h"


namespace wizardui {

namespace {

wxIcon DrawnIcon() {
  wxBitmap bitmap(32, 32);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const wxColour rings[] = {wxColour(50, 0, 0), wxColour(100, 0, 0), wxColour(200, 0, 0), *wxWHITE};
    for (int r = 0; r < 4; ++r) {
      dc.SetPen(wxPen(rings[r], 1));
      dc.DrawRectangle(4 + r, 6 + r, 24 - 2 * r, 20 - 2 * r);
    }
  }
  wxIcon icon;
  icon.CopyFromBitmap(bitmap);
  return icon;
}

// Found against the working directory, where the editor starts the
// difference editor and every other file of the program lives.
wxString IconFile(int size) { return wxString::Format("data/icons/wizard_%d.png", size); }

}  // namespace

wxIconBundle ApplicationIcons() {
  wxLogNull quiet;  // a missing icon file is not worth a message
  wxIconBundle icons;
  for (int size : {16, 32, 48, 64, 128}) {
    if (wxFileExists(IconFile(size))) icons.AddIcon(IconFile(size), wxBITMAP_TYPE_PNG);
  }
  return icons;  // no files, no window icon
}

wxIcon ApplicationIcon() {
  const wxIconBundle icons = ApplicationIcons();
  if (icons.IsEmpty()) return DrawnIcon();
  const wxIcon icon = icons.GetIcon(32);
  return icon.IsOk() ? icon : DrawnIcon();
}

}  // namespace wizardui

namespace {
constexpr int kIdClose = 1;
}

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Info") {
  SetClientSize(ConvertDialogToPixels(wxSize(235, 55)));
  auto* icon = new wxStaticBitmap(this, wxID_ANY, wxBitmap(wizardui::ApplicationIcon()));
  icon->Move(ConvertDialogToPixels(wxPoint(18, 15)));
  auto* text = new wxStaticText(this, wxID_ANY,
                                wxString::FromUTF8("Vistrel Bildeditor\nqualdrex\nCopyright (C) 2003"));
  text->Move(ConvertDialogToPixels(wxPoint(55, 17)));
  auto* close = new wxButton(this, kIdClose, wxString::FromUTF8("schön!    ;)"));
  close->Move(ConvertDialogToPixels(wxPoint(150, 18)));
  close->SetSize(std::max(close->GetSize().x, ConvertDialogToPixels(wxSize(50, 16)).x), -1);
  close->SetDefault();
  SetAffirmativeId(kIdClose);
  SetEscapeId(kIdClose);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_OK); }, kIdClose);
}

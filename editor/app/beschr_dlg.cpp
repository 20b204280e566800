#include "beschr_dlg.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "dialog_units.h"
#include "editor/game_file_builder.h"
#include "editor/messages.h"
#include "wx_text.h"

namespace editor_app {

CBeschr::CBeschr(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx("Spieldatei erstellen"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  SetClientSize(DluSize(this, 229, 190));
  auto at = [this](int x, int y) { return DluPoint(this, x, y); };
  auto box = [this](int cx, int cy) { return DluSize(this, cx, cy); };
  const int controlHeight = wxButton::GetDefaultSize(this).y;

  new wxStaticBox(this, wxID_ANY, ToWx("Name"), at(21, 6), box(186, 51));
  new wxStaticText(this, wxID_ANY, ToWx("Geben sie hier einen Namen für ihre Spieldatei ein"), at(35, 19),
                   box(159, 8));
  nameField_ = new wxTextCtrl(this, kNameId, wxEmptyString, at(67, 34), DluControlSize(this, 87, 14, controlHeight));

  new wxStaticBox(this, wxID_ANY, ToWx("Beschreibung"), at(21, 60), box(186, 101));
  auto* hint = new wxStaticText(
      this, wxID_ANY,
      ToWx("Sie können hier eine kurze Beschreibung zu ihrer Spieldatei schreiben, die z.B. ihren Namen als "
           "Author oder Ähnliches enthält."),
      at(39, 69), box(156, 27));
  hint->Wrap(box(156, 27).x);
  // Return starts a new line; long lines scroll sideways instead of wrapping.
  descriptionField_ = new wxTextCtrl(this, kDescriptionId, wxEmptyString, at(65, 101), box(95, 48),
                                     wxTE_MULTILINE | wxHSCROLL | wxTE_DONTWRAP);

  auto* ok = new wxButton(this, wxID_OK, ToWx("OK"), at(89, 166), DluControlSize(this, 56, 14, controlHeight));
  new wxButton(this, wxID_CANCEL, ToWx("Abbrechen"), at(150, 166), DluControlSize(this, 57, 14, controlHeight));
  ok->SetDefault();
  Bind(wxEVT_BUTTON, &CBeschr::OnOk, this, wxID_OK);
  nameField_->SetFocus();
  CentreOnParent();
}

void CBeschr::OnOk(wxCommandEvent&) {
  const std::string typedName = FromWx(nameField_->GetValue());
  if (!editor::IsAcceptableGameFileName(typedName)) {
    // The dialog stays open with everything typed so far.
    wxMessageDialog box(this, MessageToWx(editor::text::kNameYourGameFile), ToWx("Vistrel Spieldateneditor"),
                        wxOK | wxICON_EXCLAMATION);
    box.ShowModal();
    return;
  }
  name_ = typedName;
  description_ = FromWx(descriptionField_->GetValue());
  EndModal(wxID_OK);
}

}  // namespace editor_app

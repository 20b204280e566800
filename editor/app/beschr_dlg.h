#pragma once
// "Spieldatei erstellen": asks for the game file's name and description.
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include <string>

namespace editor_app {

class CBeschr final : public wxDialog {
 public:
  explicit CBeschr(wxWindow* parent);
  // As typed, UTF-8; valid after ShowModal returned wxID_OK.
  const std::string& name() const { return name_; }
  const std::string& description() const { return description_; }

  enum : int { kNameId = 1028, kDescriptionId = 1026 };

 private:
  void OnOk(wxCommandEvent& event);
  wxTextCtrl* nameField_ = nullptr;
  wxTextCtrl* descriptionField_ = nullptr;
  std::string name_;
  std::string description_;
};

}  // namespace editor_app

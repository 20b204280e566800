#pragma once
// CChoose, the chooser dialog (template 138): shows what launcher::Chooser
// decided and hands it the user's clicks.
#include <wx/wx.h>

#include "launcher/chooser.h"

class CChoose : public wxDialog, private launcher::ChooserUi {
 public:
  CChoose();

 private:
  // launcher::ChooserUi
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> AskGameFileToAdd() override;
  std::optional<int> AskChoice(const std::string& caption, const std::string& question,
                               const std::vector<std::string>& choices, int preselected) override;
  void FollowGeneration(launcher::GenerationJob& job) override;

  void CreateControls();
  void PlaceByDialogUnits(wxWindow* control, int x, int y, int width, int height);
  void ShowChooserState();
  void ShowDescriptionOnly();

  void OnSelectionChange(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnAdd(wxCommandEvent& event);
  void OnRemove(wxCommandEvent& event);
  void OnGenerate(wxCommandEvent& event);
  void OnStart(wxCommandEvent& event);

  launcher::Chooser chooser_{*this};
  wxComboBox* combo_ = nullptr;
  wxTextCtrl* description_ = nullptr;
};

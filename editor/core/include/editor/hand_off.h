#pragma once
// The editor's side of the hand-off to the difference editor: what it needs
// from the system, so tests can stand in a fake difference editor.
#include <string>

namespace editor {

class HandOffPort {
 public:
  virtual ~HandOffPort() = default;
  // Starts the difference editor from the current directory, not waiting
  // for it; false when it cannot be started.
  virtual bool StartWizard() = 0;
  virtual bool IsDoneFlagSet() = 0;
  virtual void DeleteDoneFlag() = 0;
};

// The real thing: "./wizard" and the system-wide flag "/WIZARD_DONE".
class SystemHandOffPort final : public HandOffPort {
 public:
  explicit SystemHandOffPort(std::string flagName = "/WIZARD_DONE", std::string program = "./wizard");
  bool StartWizard() override;
  bool IsDoneFlagSet() override;
  void DeleteDoneFlag() override;

 private:
  std::string flagName_;
  std::string program_;
};

}  // namespace editor

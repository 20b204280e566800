#include "editor/hand_off.h"

#include "handoff/done_signal.h"
#include "handoff/program_start.h"

namespace editor {

SystemHandOffPort::SystemHandOffPort(std::string flagName, std::string program)
    : flagName_(std::move(flagName)), program_(std::move(program)) {}

bool SystemHandOffPort::StartWizard() { return handoff::StartDetached(program_).ok(); }
bool SystemHandOffPort::IsDoneFlagSet() { return handoff::IsDoneSignalSet(flagName_); }
void SystemHandOffPort::DeleteDoneFlag() { handoff::DeleteDoneSignal(flagName_); }

}  // namespace editor

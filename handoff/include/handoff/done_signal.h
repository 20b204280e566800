#pragma once
// The system-wide completion flag "WIZARD_DONE": its presence alone is the
// signal that the difference editor has rewritten dat.txt. It is a POSIX
// shared-memory object; nothing is ever stored in it.
#include <string>

#include "gamefile/result.h"

namespace handoff {

inline constexpr char kDoneSignalName[] = "/WIZARD_DONE";

// Sets the flag. A flag that is already set counts as success: the reader
// only cares that it is there. The name is a parameter so tests can run
// side by side without touching the real flag.
gamefile::Status AddDoneSignal(const std::string& name = kDoneSignalName);
bool IsDoneSignalSet(const std::string& name = kDoneSignalName);
// Removing a flag that is not set is harmless.
void DeleteDoneSignal(const std::string& name = kDoneSignalName);

}  // namespace handoff

#pragma once
// Starting a sibling program of the installation folder ("./qxdata",
// "./wizard") the way the shell's open action did: no arguments, the current
// directory inherited, not waited for.
#include <string>

#include "gamefile/result.h"

namespace handoff {

// Starts `program` (a path such as "./wizard") with no arguments and the
// caller's environment and working directory. Returns at once; a background
// thread reaps the child when it ends so a long-running caller (the editor)
// collects no zombies. Fails with CannotOpen when the file is missing or not
// executable.
gamefile::Status StartDetached(const std::string& program);

}  // namespace handoff

#include "handoff/program_start.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace handoff {

gamefile::Status StartDetached(const std::string& program) {
  if (::access(program.c_str(), X_OK) != 0) {
    return gamefile::Error{gamefile::ErrorCode::CannotOpen,
                           "Programm fehlt oder ist nicht ausführbar: " + program};
  }
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t child = 0;
  if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
    return gamefile::Error{gamefile::ErrorCode::CannotOpen,
                           "Programm kann nicht gestartet werden: " + program};
  }
  // Reaping on a thread of its own keeps the caller free of zombies without
  // a SIGCHLD handler that would interfere with the toolkit's own children.
  std::thread([child] {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return gamefile::Success();
}

}  // namespace handoff

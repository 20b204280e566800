#include "handoff/done_signal.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

namespace handoff {

gamefile::Status AddDoneSignal(const std::string& name) {
  int fd = ::shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0644);
  if (fd >= 0) {
    ::close(fd);
    return gamefile::Success();
  }
  if (errno == EEXIST) return gamefile::Success();
  return gamefile::Error{gamefile::ErrorCode::CannotWrite,
                         "Signal " + name + " kann nicht gesetzt werden"};
}

bool IsDoneSignalSet(const std::string& name) {
  int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

void DeleteDoneSignal(const std::string& name) { ::shm_unlink(name.c_str()); }

}  // namespace handoff

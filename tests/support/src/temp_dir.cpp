#include "test_support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>

namespace testsupport {

namespace fs = std::filesystem;

TempDir::TempDir(const std::string& stem) {
  std::string pattern = (fs::temp_directory_path() / (stem + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder like " + pattern);
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // A test may have taken permissions away to provoke a failure.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::names() const {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(path_)) found.push_back(entry.path().filename());
  return found;
}

ScopedWorkDir::ScopedWorkDir(const std::string& stem) : TempDir(stem), previous_(fs::current_path()) {
  fs::current_path(path());
}

ScopedWorkDir::~ScopedWorkDir() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
}

}  // namespace testsupport

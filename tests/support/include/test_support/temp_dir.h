#pragma once
// A fresh folder per test, so parallel runs (and other checkouts on the same
// machine) never share files. Removed with everything in it at the end.
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class TempDir {
 public:
  explicit TempDir(const std::string& stem = "vistrel-test");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // The names of the entries directly inside, in no particular order.
  std::vector<std::string> names() const;

 private:
  std::filesystem::path path_;
};

// A TempDir that is the current directory while it lives; the previous one
// comes back at the end.
class ScopedWorkDir : public TempDir {
 public:
  explicit ScopedWorkDir(const std::string& stem = "vistrel-work");
  ~ScopedWorkDir();

 private:
  std::filesystem::path previous_;
};

}  // namespace testsupport

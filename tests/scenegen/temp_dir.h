#pragma once
// A fresh folder per test run, so parallel runs (and other checkouts on the
// same machine) never share files.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace scenegen {

inline std::filesystem::path MakeTempDir(const std::string& stem) {
  std::string pattern = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
  const char* made = mkdtemp(pattern.data());
  return made ? std::filesystem::path(made) : std::filesystem::path();
}

}  // namespace scenegen

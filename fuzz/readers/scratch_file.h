#pragma once
// Readers that only take a path get the fuzz input through one scratch file
// in a private folder (memory-backed where /dev/shm exists).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fuzzing {

inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/vistrel-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) __builtin_trap();
    return pattern;
  }();
  return folder;
}

inline std::string WriteScratchFile(const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + "/input";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) __builtin_trap();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) __builtin_trap();
  std::fclose(file);
  return path;
}

}  // namespace fuzzing

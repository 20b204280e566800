#include "editor/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace editor {
namespace {

// Beside the target, so the final rename stays on one file system.
std::string TemporaryNameFor(const std::string& target) {
  static std::mt19937 generator{std::random_device{}()};
  return target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(generator() % 1000000);
}

}  // namespace

StagedFile::StagedFile(std::string target) : target_(std::move(target)) {
  for (int attempt = 0; attempt < 5 && fd_ < 0; ++attempt) {
    temporary_ = TemporaryNameFor(target_);
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  good_ = fd_ >= 0;
}

StagedFile::~StagedFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

bool StagedFile::Write(std::span<const std::uint8_t> data) {
  std::size_t written = 0;
  while (good_ && written < data.size()) {
    ssize_t n = ::write(fd_, data.data() + written, data.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      good_ = false;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  return good_;
}

bool StagedFile::WriteU16(std::uint16_t value) {
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
  return Write(bytes);
}

bool StagedFile::WriteU32(std::uint32_t value) {
  std::uint8_t bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
  return Write(bytes);
}

bool StagedFile::Commit() {
  if (!good_) return false;
  good_ = ::fsync(fd_) == 0;
  good_ = (::close(fd_) == 0) && good_;
  fd_ = -1;
  if (good_ && std::rename(temporary_.c_str(), target_.c_str()) == 0) {
    committed_ = true;
    return true;
  }
  good_ = false;
  return false;
}

}  // namespace editor

#include "gamefile/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace gamefile {

Result<Bytes> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Error{ErrorCode::CannotOpen, "Datei kann nicht geöffnet werden: " + path};
  Bytes data;
  std::uint8_t chunk[64 * 1024];
  while (true) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (got == 0) break;
    if (data.size() + got > maxBytes) {
      std::fclose(file);
      return Error{ErrorCode::TooLarge, "Datei ist zu groß: " + path};
    }
    data.insert(data.end(), chunk, chunk + got);
  }
  bool readError = std::ferror(file) != 0;
  std::fclose(file);
  if (readError) return Error{ErrorCode::CannotOpen, "Datei kann nicht gelesen werden: " + path};
  return data;
}

namespace {

// Beside the target, so the final rename stays on one file system.
std::string TemporaryNameBeside(const std::string& target) {
  static std::mt19937 generator{std::random_device{}()};
  return target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(generator() % 1000000);
}

}  // namespace

StagedFile::StagedFile(std::string target) : target_(std::move(target)) {
  for (int attempt = 0; attempt < 5 && fd_ < 0; ++attempt) {
    temporary_ = TemporaryNameBeside(target_);
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

bool StagedFile::Commit(Flush flush) {
  if (!good_) return false;
  good_ = flush == Flush::Later || ::fsync(fd_) == 0;
  good_ = (::close(fd_) == 0) && good_;
  fd_ = -1;
  if (good_ && std::rename(temporary_.c_str(), target_.c_str()) == 0) {
    committed_ = true;
    return true;
  }
  good_ = false;
  return false;
}

Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data, Flush flush) {
  StagedFile file(path);
  if (!file.isOpen()) return Error{ErrorCode::CannotWrite, "Datei kann nicht erzeugt werden: " + path};
  if (!file.Write(data) || !file.Commit(flush))
    return Error{ErrorCode::CannotWrite, "Datei kann nicht geschrieben werden: " + path};
  return Success();
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace gamefile

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

// A name in the target's folder, so the final rename stays on one file system.
std::string TemporaryNameBeside(const std::string& path) {
  static std::mt19937 generator{std::random_device{}()};
  return path + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(generator() % 1000000);
}

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
  std::size_t written = 0;
  while (written < data.size()) {
    ssize_t n = ::write(fd, data.data() + written, data.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data, Flush flush) {
  const std::string temporary = TemporaryNameBeside(path);
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return Error{ErrorCode::CannotWrite, "Datei kann nicht erzeugt werden: " + path};
  bool ok = WriteAll(fd, data) && (flush == Flush::Later || ::fsync(fd) == 0);
  ok = (::close(fd) == 0) && ok;
  if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return Error{ErrorCode::CannotWrite, "Datei kann nicht geschrieben werden: " + path};
  }
  return Success();
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace gamefile

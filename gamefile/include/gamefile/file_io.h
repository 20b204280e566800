#pragma once
// Whole-file reading and crash-safe writing, shared by every program.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gamefile/result.h"

namespace gamefile {

using Bytes = std::vector<std::uint8_t>;

// Reads the whole file. Files larger than maxBytes are refused with TooLarge
// instead of being read, so a hostile file cannot exhaust memory.
Result<Bytes> ReadWholeFile(const std::string& path, std::size_t maxBytes = 1u << 30);

// Whether a write waits until its data is on the disk before the file is
// moved into place.
enum class Flush {
  ToDisk,  // survives a power cut: the old or the new file, complete
  Later,   // left to the kernel; a power cut may leave the file empty, so only
           // for files whose reader rebuilds a damaged one
};

// A file written under a temporary name beside its target and moved into
// place only when it is complete, so a failed write (full disk, unreadable
// picture halfway through) never leaves a half-written file where a good one
// was. Every file the programs write goes through it.
class StagedFile {
 public:
  explicit StagedFile(std::string target);
  ~StagedFile();  // removes the temporary file unless committed
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // False once any write failed; later writes are then ignored.
  bool Write(std::span<const std::uint8_t> data);
  // Flushes (as `flush` says), closes and renames over the target.
  bool Commit(Flush flush = Flush::ToDisk);
  bool good() const { return good_; }

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool good_ = false;
  bool committed_ = false;
};

// Writes data through a StagedFile in one go. On any failure the previous
// file is left untouched and the temporary file is removed.
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                           Flush flush = Flush::ToDisk);

bool FileExists(const std::string& path);

}  // namespace gamefile

#pragma once
// A file written under a temporary name beside its target and moved into
// place only when it is complete, so a failed write (full disk, unreadable
// picture halfway through) never leaves a half-written file where a good one
// was. For files too large to assemble in memory first.
#include <cstdint>
#include <span>
#include <string>

namespace editor {

class StagedFile {
 public:
  explicit StagedFile(std::string target);
  ~StagedFile();  // removes the temporary file unless committed
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // False once any write failed; later writes are then ignored.
  bool Write(std::span<const std::uint8_t> data);
  bool WriteU16(std::uint16_t value);
  bool WriteU32(std::uint32_t value);
  // Flushes to disk, closes and renames over the target.
  bool Commit();
  bool good() const { return good_; }

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool good_ = false;
  bool committed_ = false;
};

}  // namespace editor

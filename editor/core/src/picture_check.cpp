#include "editor/picture_check.h"

#include <sys/stat.h>
#include <turbojpeg.h>

#include <atomic>
#include <ctime>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/jpeg_info.h"
#include "editor/picture_table.h"

namespace editor {

bool HasJfifMark(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 10 && bytes[6] == 0x4A && bytes[7] == 0x46 && bytes[8] == 0x49 && bytes[9] == 0x46;
}

void DecodedSize(std::span<const std::uint8_t> bytes, int& width, int& height) {
  width = 0;
  height = 0;
  if (bytes.empty()) return;
  std::unique_ptr<void, int (*)(tjhandle)> decoder(tjInitDecompress(), &tjDestroy);
  if (!decoder) return;
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  auto* data = const_cast<unsigned char*>(bytes.data());
  const auto size = static_cast<unsigned long>(bytes.size());
  if (tjDecompressHeader3(decoder.get(), data, size, &w, &h, &subsampling, &colourspace) != 0) return;
  // Refuse absurd headers before allocating; no game picture comes near this.
  if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > 64LL * 1024 * 1024) return;
  // Decoding at an eighth of the size still walks the whole compressed
  // stream, so damaged data is found, but skips most of the pixel work: a
  // build checks up to 1024 pictures.
  const tjscalingfactor eighth{1, 8};
  const int scaledWidth = TJSCALED(w, eighth);
  const int scaledHeight = TJSCALED(h, eighth);
  std::vector<unsigned char> pixels(static_cast<std::size_t>(scaledWidth) * scaledHeight * 3);
  if (tjDecompress2(decoder.get(), data, size, pixels.data(), scaledWidth, 0, scaledHeight, TJPF_RGB, 0) != 0) {
    // Warnings (a few bytes missing at the end) still give a picture; only
    // a hard error means the data does not decode.
    if (tjGetErrorCode(decoder.get()) != TJERR_WARNING) return;
  }
  width = w;
  height = h;
}

PictureCheck CheckPictureBytes(std::span<const std::uint8_t> bytes) {
  PictureCheck check;
  check.byteCount = static_cast<std::uint32_t>(bytes.size());
  if (!HasJfifMark(bytes)) {
    check.verdict = PictureVerdict::NotJfif;
    return check;
  }
  DecodedSize(bytes, check.width, check.height);
  const bool rightSize = check.width == gamefile::kPictureWidth && check.height == gamefile::kPictureHeight;
  check.verdict = rightSize ? PictureVerdict::Usable : PictureVerdict::WrongSize;
  return check;
}

namespace {

// What identifies one version of a file: a changed, replaced or rewritten
// file differs in at least one of these.
struct FileVersion {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;  // moves with every write, rename and chmod
  bool operator==(const FileVersion&) const = default;
};

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<FileVersion> VersionOf(const std::string& path) {
  struct stat info{};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileVersion{info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
}

// File times advance in ticks of the kernel's coarse clock, so a write in
// the same tick as the check would leave them as they were. A file last
// changed more than two seconds ago gets a later time from any new write.
std::int64_t SystemClockNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

std::atomic<WallClockNs> wallClock{&SystemClockNs};

bool SettledLongAgo(const FileVersion& version) {
  const std::int64_t settled = wallClock.load()() - 2'000'000'000;
  return version.modifiedNs < settled && version.changedNs < settled;
}

// Verdicts of pictures checked before, by path, with the file version they
// were made on. A build checks every picture of the table again, which would
// decode up to 1024 pictures that were checked when they were loaded; an
// unchanged file keeps its verdict, any change to it is checked anew.
struct RememberedCheck {
  FileVersion version;
  PictureCheck check;
};
std::mutex rememberedMutex;
std::unordered_map<std::string, RememberedCheck> remembered;

}  // namespace

void SetPictureCheckClock(WallClockNs clock) { wallClock.store(clock ? clock : &SystemClockNs); }

PictureCheck CheckPictureFile(const std::string& path) {
  const std::optional<FileVersion> before = VersionOf(path);
  if (before) {
    std::lock_guard lock(rememberedMutex);
    const auto found = remembered.find(path);
    if (found != remembered.end() && found->second.version == *before && CanOpenForReading(path))
      return found->second.check;
  }
  // Byte counts are stored in 32 bits; a larger file cannot be a picture.
  auto bytes = gamefile::ReadWholeFile(path, 0xFFFFFFFFu);
  if (!bytes) {
    PictureCheck check;
    check.verdict = bytes.error().code == gamefile::ErrorCode::TooLarge ? PictureVerdict::NotJfif
                                                                          : PictureVerdict::CannotOpen;
    return check;
  }
  const PictureCheck check = CheckPictureBytes(*bytes);
  // Kept only when the file did not change while it was read.
  if (before && SettledLongAgo(*before) && VersionOf(path) == before &&
      before->size == static_cast<off_t>(bytes->size())) {
    std::lock_guard lock(rememberedMutex);
    remembered[path] = RememberedCheck{*before, check};
  }
  return check;
}

}  // namespace editor

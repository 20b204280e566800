// A picture's verdict may be remembered between the check when it is loaded
// and the check before a build, but never across a change to the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "editor/picture_check.h"
#include "editor_test_support.h"

namespace editor {
namespace {

std::int64_t Ns(const timespec& time) { return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec; }

std::int64_t RealNowNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return Ns(now);
}

// The settling rule judged by a clock three seconds ahead: every file
// written so far counts as settled.
std::int64_t AheadNowNs() { return RealNowNs() + 3'000'000'000; }

class AheadClock {
 public:
  AheadClock() { SetPictureCheckClock(&AheadNowNs); }
  ~AheadClock() { SetPictureCheckClock(nullptr); }
};

// File times advance in coarse ticks; a change made after the tick of the
// last write is sure to show in them.
void WaitUntilTimesMoveOn(const std::vector<std::string>& paths) {
  std::int64_t latest = 0;
  for (const auto& path : paths) {
    struct stat info{};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    latest = std::max({latest, Ns(info.st_mtim), Ns(info.st_ctim)});
  }
  timespec coarse{};
  for (int i = 0; i < 2000; ++i) {
    clock_gettime(CLOCK_REALTIME_COARSE, &coarse);
    if (Ns(coarse) > latest) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  FAIL() << "the clock did not pass the files' times";
}

// Overwrites the picture data of the file in place, keeping its size and
// its JFIF mark: only decoding finds the damage.
bool DamageInPlace(const std::string& path, std::vector<std::uint8_t> bytes) {
  for (std::size_t i = 200; i < bytes.size() - 2; ++i) bytes[i] = 0xFF;
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// Files that count as settled, so their verdicts may be remembered; every
// change below must still be seen.
TEST(PictureCheckMemory, EveryChangeToAFileIsCheckedAnew) {
  AheadClock ahead;
  editortest::TempDir dir;
  const std::string inPlace = dir.file("bild1.jpg"), replaced = dir.file("bild2.jpg"), removed = dir.file("bild3.jpg");
  const auto good = editortest::MakeJpeg(488, 430);
  for (const auto& path : {inPlace, replaced, removed}) editortest::WriteBytes(path, good);
  WaitUntilTimesMoveOn({inPlace, replaced, removed});
  for (const auto& path : {inPlace, replaced, removed}) ASSERT_EQ(CheckPictureFile(path).verdict, PictureVerdict::Usable);
  for (const auto& path : {inPlace, replaced, removed}) ASSERT_EQ(CheckPictureFile(path).verdict, PictureVerdict::Usable);

  // Same size, JFIF mark kept, the picture data overwritten: only decoding finds it.
  ASSERT_TRUE(DamageInPlace(inPlace, good));
  EXPECT_EQ(CheckPictureFile(inPlace).verdict, PictureVerdict::WrongSize);

  // Another picture moved over it under the same name.
  const auto other = editortest::MakeJpeg(488, 430, 7);
  editortest::WriteBytes(dir.file("neu.jpg"), other);
  std::filesystem::rename(dir.file("neu.jpg"), replaced);
  const PictureCheck again = CheckPictureFile(replaced);
  EXPECT_EQ(again.verdict, PictureVerdict::Usable);
  EXPECT_EQ(again.byteCount, other.size());

  std::filesystem::remove(removed);
  EXPECT_EQ(CheckPictureFile(removed).verdict, PictureVerdict::CannotOpen);
}

// By the system clock a file written just now has not settled: a rewrite
// in the same tick of the file times is still seen, because nothing was
// remembered.
TEST(PictureCheckMemory, AFileWrittenJustNowIsNotRemembered) {
  editortest::TempDir dir;
  const std::string path = dir.file("frisch.jpg");
  const auto good = editortest::MakeJpeg(488, 430);
  editortest::WriteBytes(path, good);
  ASSERT_EQ(CheckPictureFile(path).verdict, PictureVerdict::Usable);
  ASSERT_TRUE(DamageInPlace(path, good));
  EXPECT_EQ(CheckPictureFile(path).verdict, PictureVerdict::WrongSize);
}

}  // namespace
}  // namespace editor

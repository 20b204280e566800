// A picture's verdict may be remembered between the check when it is loaded
// and the check before a build, but never across a change to the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "editor/picture_check.h"
#include "editor_test_support.h"

namespace editor {
namespace {

// Files written more than the settling time ago, so their verdicts may be
// remembered; every change below must still be seen.
TEST(PictureCheckMemory, EveryChangeToAFileIsCheckedAnew) {
  editortest::TempDir dir;
  const std::string inPlace = dir.file("bild1.jpg"), replaced = dir.file("bild2.jpg"), removed = dir.file("bild3.jpg");
  const auto good = editortest::MakeJpeg(488, 430);
  for (const auto& path : {inPlace, replaced, removed}) editortest::WriteBytes(path, good);
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  for (const auto& path : {inPlace, replaced, removed}) ASSERT_EQ(CheckPictureFile(path).verdict, PictureVerdict::Usable);
  for (const auto& path : {inPlace, replaced, removed}) ASSERT_EQ(CheckPictureFile(path).verdict, PictureVerdict::Usable);

  // Same size, JFIF mark kept, the picture data overwritten: only decoding finds it.
  auto damaged = good;
  for (std::size_t i = 200; i < damaged.size() - 2; ++i) damaged[i] = 0xFF;
  std::FILE* file = std::fopen(inPlace.c_str(), "r+b");
  ASSERT_NE(file, nullptr);
  std::fwrite(damaged.data(), 1, damaged.size(), file);
  std::fclose(file);
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

}  // namespace
}  // namespace editor

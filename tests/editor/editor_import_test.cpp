// "Foto importieren…": one photo becomes the selected pair, written beside
// the photo with its five rectangles, under the editor's rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/messages.h"
#include "editor/picture_check.h"
#include "editor_test_support.h"
#include "fairness/fairness.h"
#include "photo/pair_files.h"

namespace {

const std::string kCatPhoto = "/usr/lib/python3/dist-packages/skimage/data/chelsea.png";

struct Editor : editortest::EditorFixture {
  // The cat photo copied into the scratch folder: pairs are written beside
  // the photo, never into the system's folders.
  std::string CatPhoto(const std::string& name = "katze.png") {
    std::filesystem::copy_file(kCatPhoto, dir.file(name));
    return dir.file(name);
  }
  void Import(const std::string& path) {
    ui.openAnswers.push_back(path);
    core.ImportPhoto();
  }
};

#define REQUIRE_CAT()                 \
  if (!std::filesystem::exists(kCatPhoto)) \
  GTEST_SKIP() << "Foto fehlt: " << kCatPhoto << " (Paket python3-skimage, scripts/install-deps.sh installiert es)"

TEST(ImportPhoto, FillsTheSelectedPairAndItsRectangles) {
  REQUIRE_CAT();
  Editor e;
  e.core.Select(0);
  e.Import(e.CatPhoto());
  ASSERT_TRUE(e.ui.messages.empty()) << e.ui.lastMessage();
  EXPECT_EQ(e.ui.dialogs.back().filter, editor::text::kPhotoDialogFilter);
  const auto& first = e.core.table()[0];
  const auto& second = e.core.table()[1];
  EXPECT_EQ(first.path, e.dir.file("katze_1.jpg"));
  EXPECT_EQ(second.path, e.dir.file("katze_2.jpg"));
  EXPECT_EQ(first.fileName, "katze_1.jpg");
  EXPECT_EQ(e.core.pairCount(), 1);
  EXPECT_EQ(e.core.listLines()[0], "0          katze_1.jpg   -   katze_2.jpg");
  EXPECT_EQ(editor::CheckPictureFile(first.path).verdict, editor::PictureVerdict::Usable);
  EXPECT_EQ(first.byteCount, std::filesystem::file_size(first.path));

  auto written = photo::ReadRectsFile(e.dir.file("katze.txt"));
  ASSERT_TRUE(written.ok());
  gamefile::RectSet inTable{};
  for (int i = 0; i < 5; ++i)
    inTable[i] = {static_cast<std::uint16_t>(first.rects.x1[i]), static_cast<std::uint16_t>(first.rects.x2[i]),
                  static_cast<std::uint16_t>(first.rects.y1[i]), static_cast<std::uint16_t>(first.rects.y2[i])};
  EXPECT_EQ(inTable, *written);
  auto a = gamefile::ReadWholeFile(first.path), b = gamefile::ReadWholeFile(second.path);
  EXPECT_TRUE(fairness::CheckPair(inTable, *a, *b).empty());
  // The second picture's rectangles stay as the difference editor leaves them.
  EXPECT_EQ(second.rects, editor::RectTable{});
}

TEST(ImportPhoto, FollowsTheRulesOfLoadingPictures) {
  REQUIRE_CAT();
  Editor e;
  e.core.ImportPhoto();
  EXPECT_EQ(e.ui.lastMessage(), editor::text::kChoosePositionFirst);
  e.core.Select(3);
  e.core.ImportPhoto();
  EXPECT_EQ(e.ui.lastMessage(), editor::text::EditPairFirst(0));
  EXPECT_TRUE(e.ui.dialogs.empty());

  e.core.Select(0);
  e.Import(e.CatPhoto());
  const std::size_t dialogs = e.ui.dialogs.size();
  e.core.ImportPhoto();
  EXPECT_EQ(e.ui.lastMessage(), editor::text::kImportNeedsEmptyPair);
  EXPECT_EQ(e.ui.dialogs.size(), dialogs);

  // Cancelling the file dialog changes nothing.
  e.core.Select(1);
  const std::size_t shown = e.ui.messages.size();
  e.core.ImportPhoto();
  EXPECT_EQ(e.ui.messages.size(), shown);
  EXPECT_TRUE(e.core.table()[2].path.empty());
}

TEST(ImportPhoto, RefusesWhatIsNoUsablePhotoInGerman) {
  Editor e;
  e.core.Select(0);
  editortest::WriteBytes(e.dir.file("brief.jpg"), {'L', 'i', 'e', 'b', 'e'});
  e.Import(e.dir.file("brief.jpg"));
  EXPECT_EQ(e.ui.lastMessage(),
            editor::text::PhotoNotUsable(e.dir.file("brief.jpg"), "Die Datei ist kein JPEG- oder PNG-Foto."));
  // A blank sky has nothing to change.
  editortest::WriteBytes(e.dir.file("himmel.jpg"), editortest::MakeJpeg(800, 600, 0));
  std::vector<unsigned char> plain(800 * 600 * 3, 180);
  tjhandle encoder = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  tjCompress2(encoder, plain.data(), 800, 0, 600, TJPF_RGB, &jpeg, &size, TJSAMP_444, 90, 0);
  editortest::WriteBytes(e.dir.file("himmel.jpg"), std::vector<std::uint8_t>(jpeg, jpeg + size));
  tjFree(jpeg);
  tjDestroy(encoder);
  e.Import(e.dir.file("himmel.jpg"));
  EXPECT_NE(e.ui.lastMessage().find("zu wenig"), std::string::npos) << e.ui.lastMessage();
  EXPECT_FALSE(gamefile::FileExists(e.dir.file("himmel_1.jpg")));
  EXPECT_TRUE(e.core.table()[0].path.empty());
}

TEST(ImportPhoto, AsksBeforeReplacingAnEarlierPairAndNeverAPictureOfTheList) {
  REQUIRE_CAT();
  Editor e;
  const std::string photo = e.CatPhoto();
  e.core.Select(0);
  e.Import(photo);
  ASSERT_EQ(e.core.pairCount(), 1);
  // The same photo into pair 1 would overwrite pair 0's pictures.
  e.core.Select(1);
  e.Import(photo);
  EXPECT_EQ(e.ui.lastMessage(), editor::text::kWouldReplacePicture);
  EXPECT_TRUE(e.core.table()[2].path.empty());

  // Once pair 0 is emptied, importing again asks, and "Abbrechen" keeps the files.
  e.core.Select(0);
  e.ui.okAnswers = {true, true};
  e.core.RemovePicture(1);
  e.core.RemovePicture(2);
  const auto before = gamefile::ReadWholeFile(e.dir.file("katze_2.jpg"));
  e.ui.okAnswers = {false};
  e.Import(photo);
  EXPECT_EQ(e.ui.questions.back(),
            editor::text::ReplacePairFiles(e.dir.file("katze_1.jpg"), e.dir.file("katze_2.jpg"), e.dir.file("katze.txt")));
  EXPECT_TRUE(e.core.table()[0].path.empty());
  EXPECT_EQ(*gamefile::ReadWholeFile(e.dir.file("katze_2.jpg")), *before);

  // "OK" replaces them with other differences (each import tries others).
  e.ui.okAnswers = {true};
  e.Import(photo);
  EXPECT_EQ(e.core.table()[0].path, e.dir.file("katze_1.jpg"));
  EXPECT_NE(*gamefile::ReadWholeFile(e.dir.file("katze_2.jpg")), *before);
}

}  // namespace

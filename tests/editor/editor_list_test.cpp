// The picture list: its lines, the pair count, loading and removing pictures.
#include <gtest/gtest.h>

#include "editor/messages.h"
#include "editor/picture_check.h"
#include "editor_test_support.h"

namespace {

using editortest::EditorFixture;
using editortest::MakeJpeg;
using editortest::WriteBytes;

TEST(EditorList, StartsWith512EmptyLinesAndNoPairs) {
  EditorFixture f;
  const auto& lines = f.core.listLines();
  ASSERT_EQ(lines.size(), 512u);
  EXPECT_EQ(lines[0], "0          leer   -   leer");
  EXPECT_EQ(lines[9], "9          leer   -   leer");
  EXPECT_EQ(lines[10], "10        leer   -   leer");
  EXPECT_EQ(lines[511].substr(0, 11), "511        ");
  EXPECT_EQ(f.core.pairCountText(), "0");
  EXPECT_FALSE(f.core.selection());
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(EditorList, LoadedPicturesShowByFileNameAndCountOnlyWhenComplete) {
  EditorFixture f;
  f.Load(0, 1, f.Picture("strand.jpg"));
  EXPECT_EQ(f.core.listLines()[0], "0          strand.jpg   -   leer");
  EXPECT_EQ(f.core.pairCount(), 0);
  EXPECT_EQ(f.core.picture1Field(), f.dir.file("strand.jpg"));
  EXPECT_EQ(f.core.picture2Field(), "leer");
  // Typed without its extension, as the dialog's default extension allows.
  f.Picture("strand2.jpg");
  f.Load(0, 2, f.dir.file("strand2"));
  EXPECT_EQ(f.core.table()[1].path, f.dir.file("strand2.jpg"));
  EXPECT_EQ(f.core.pairCount(), 1);
  EXPECT_EQ(f.core.table()[1].byteCount, editortest::ReadBytes(f.dir.file("strand2.jpg")).size());
  EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
  // The file dialog offers JPEG files first.
  EXPECT_EQ(f.ui.dialogs.back().filter, "jpeg Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*");
}

TEST(EditorList, RefusesPositionsThatWouldLeaveAGap) {
  EditorFixture f;
  f.core.LoadPicture(1);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kChoosePositionFirst);

  f.core.Select(1);
  f.core.LoadPicture(1);
  EXPECT_EQ(f.ui.lastMessage(),
            "Bitte editieren sie zuerst das Bilderpaar an der Stelle 0, ansonsten kommt es zu einer Lücke in der "
            "Spielliste.");
  f.core.LoadPicture(2);
  EXPECT_EQ(f.ui.lastMessage(),
            "Bitte vervollständigen sie zuerst das Bilderpaar an der Stelle 0, ansonsten kommt es zu einer Lücke "
            "in der Spielliste.");
  EXPECT_TRUE(f.ui.dialogs.empty()) << "refused before any file dialog";

  // Position equal to the pair count may take either picture first.
  f.FillPairs(1);
  f.Load(1, 2, f.Picture("second.jpg"));
  EXPECT_EQ(f.core.table()[3].fileName, "second.jpg");

  f.Load(1, 2, f.Picture("other.jpg"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kRemoveFirst);
  EXPECT_EQ(f.core.table()[3].fileName, "second.jpg");
}

TEST(EditorList, RefusesFilesThatAreNotGamePictures) {
  EditorFixture f;
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::string message;
  };
  auto exif = MakeJpeg(488, 430);
  // A correct picture whose first segment is Exif, not JFIF.
  exif[3] = 0xE1;
  std::copy_n("Exif", 4, exif.begin() + 6);
  auto undecodable = MakeJpeg(488, 430);
  undecodable.resize(40);  // JFIF mark intact, frame and data gone
  const std::vector<Case> cases = {
      {exif, editor::text::kNotJfif},
      {{0xFF, 0xD8}, editor::text::kNotJfif},
      {undecodable, editor::text::WrongSizeOnLoad(0, 0)},
      {MakeJpeg(490, 430), editor::text::WrongSizeOnLoad(490, 430)},
      {MakeJpeg(488, 432), editor::text::WrongSizeOnLoad(488, 432)},
  };
  for (const auto& c : cases) {
    WriteBytes(f.dir.file("bad.jpg"), c.bytes);
    f.Load(0, 1, f.dir.file("bad.jpg"));
    EXPECT_EQ(f.ui.lastMessage(), c.message);
    EXPECT_TRUE(f.core.table()[0].path.empty());
  }
  EXPECT_TRUE(editor::text::WrongSizeOnLoad(490, 430).ends_with("Bildes lautet:490 x 430"));

  f.Load(0, 1, f.dir.file("missing.jpg"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenFile);
  f.Load(0, 1, f.dir.path());
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenFile);

  const std::size_t before = f.ui.messages.size();
  f.core.Select(0);
  f.core.LoadPicture(1);  // dialog cancelled
  EXPECT_EQ(f.ui.messages.size(), before);
  EXPECT_TRUE(f.core.table()[0].path.empty());
}

TEST(EditorList, RemovingAsksAndKeepsRectanglesAndLaterPairs) {
  EditorFixture f;
  f.FillPairs(5);
  ASSERT_EQ(f.core.pairCount(), 5);
  f.core.table()[0].rects.x1[0] = 12;
  f.core.table()[0].sourceIndex = -1;

  f.core.Select(0);
  f.ui.okAnswers.push_back(false);
  f.core.RemovePicture(1);
  EXPECT_EQ(f.ui.questions.back(), "Sicher dass sie dieses Bild entfernen wollen ?");
  EXPECT_EQ(f.core.pairCount(), 5);
  EXPECT_EQ(f.core.selection(), 0);

  f.ui.okAnswers.push_back(true);
  f.core.RemovePicture(1);
  EXPECT_EQ(f.core.pairCount(), 0);
  EXPECT_TRUE(f.core.table()[0].path.empty());
  EXPECT_EQ(f.core.table()[0].byteCount, 0u);
  EXPECT_EQ(f.core.table()[0].rects.x1[0], 12);
  EXPECT_EQ(f.core.listLines()[4].find("p4a.jpg") != std::string::npos, true);
  EXPECT_EQ(f.core.picture1Field(), "leer");

  f.ui.okAnswers.push_back(true);
  f.core.RemovePicture(2);
  EXPECT_EQ(f.ui.questions.back(), "Sicher dass sie diese Bild entfernen wollen ?");

  // Filling the gap brings the later pairs back.
  f.Load(0, 1, f.Picture("n1.jpg"));
  f.Load(0, 2, f.Picture("n2.jpg"));
  EXPECT_EQ(f.core.pairCount(), 5);

  f.core.Select(std::nullopt);
  f.core.RemovePicture(1);
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotRemoveEmpty);
}

TEST(EditorList, UnreachablePictureIsReportedButTheListStays) {
  EditorFixture f;
  f.FillPairs(3);
  std::filesystem::remove(f.dir.file("p1b.jpg"));
  f.core.Refresh();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::CannotAccessPicture(f.dir.file("p1b.jpg")));
  EXPECT_EQ(f.core.listLines().size(), 512u);
  // The refresh stopped at the picture: the count keeps its previous value.
  EXPECT_EQ(f.core.pairCount(), 3);
  EXPECT_EQ(f.core.pairCountText(), "3");
  std::filesystem::remove(f.dir.file("p0a.jpg"));
  f.core.Refresh();
  EXPECT_EQ(f.ui.lastMessage(), editor::text::CannotAccessPicture(f.dir.file("p0a.jpg")));
  EXPECT_EQ(f.core.pairCount(), 3);
}

TEST(EditorList, PreviewsFollowTheSelectionOrElseTheLastPictures) {
  EditorFixture f;
  f.FillPairs(3);
  f.core.Select(1);
  EXPECT_EQ(f.core.previews().picture1, f.dir.file("p1a.jpg"));
  EXPECT_EQ(f.core.previews().picture2, f.dir.file("p1b.jpg"));
  f.core.Select(7);
  EXPECT_EQ(f.core.previews().picture1, "");
  f.core.Select(std::nullopt);
  f.core.Refresh();
  EXPECT_EQ(f.core.previews().picture1, f.dir.file("p2a.jpg"));
  EXPECT_EQ(f.core.previews().picture2, f.dir.file("p2b.jpg"));
}

TEST(EditorList, PreviewsAreReadAgainOnEverySelection) {
  EditorFixture f;
  f.FillPairs(2);
  f.core.Select(1);
  const unsigned before = f.core.previews().loads;
  // The same line again, after its picture was replaced under the same name.
  f.core.Select(1);
  EXPECT_EQ(f.core.previews().picture1, f.dir.file("p1a.jpg"));
  EXPECT_GT(f.core.previews().loads, before);
  const unsigned selected = f.core.previews().loads;
  f.core.Refresh();
  EXPECT_GT(f.core.previews().loads, selected);
}

}  // namespace

// The project file: byte layout, round trips and damaged files.
#include <gtest/gtest.h>

#include "editor/messages.h"
#include "editor/project_file.h"
#include "editor_test_support.h"

namespace {

using editortest::EditorFixture;
using editortest::ReadBytes;

struct ProjectFixture : EditorFixture {
  void Save(const std::string& path) {
    ui.saveAnswers.push_back(path);
    core.SaveProject();
  }
  void Open(const std::string& path) {
    ui.openAnswers.push_back(path);
    core.LoadProject();
  }
};

TEST(ProjectFile, EmptyTableIs1024BareRecordsAndComesBackWithSizeFields) {
  ProjectFixture f;
  f.Save(f.dir.file("leer.qxd"));
  const auto bytes = ReadBytes(f.dir.file("leer.qxd"));
  ASSERT_EQ(bytes.size(), 1024u * 61);
  // Record 0: two empty strings, index -1, count 0, 490, 430, key fields, rects.
  const std::vector<std::uint8_t> first = {0x10, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xEA, 0x01, 0xAE, 0x01};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), bytes.begin()));
  EXPECT_EQ(f.ui.dialogs.back().filter, "qualdrex data set files (*.qxd)|*.qxd|Alle Dateien (*.*)|*.*");

  ProjectFixture g;
  g.Open(f.dir.file("leer.qxd"));
  EXPECT_TRUE(g.ui.messages.empty());
  for (const auto& slot : g.core.table()) {
    EXPECT_TRUE(slot.path.empty());
    EXPECT_EQ(slot.widthField, 490);
    EXPECT_EQ(slot.heightField, 430);
    EXPECT_EQ(slot.sourceIndex, -1);
  }
  EXPECT_EQ(g.core.pairCount(), 0);
}

TEST(ProjectFile, RecordLayoutAndUnsigned16BitFields) {
  auto table = std::make_unique<editor::PictureTable>();
  (*table)[0].path = "C:\\a.jpg";
  (*table)[0].fileName = "a.jpg";
  (*table)[0].rects.x1[0] = -1;
  (*table)[0].rects.y2[4] = 430;
  (*table)[0].rects.x1[5] = 77;  // beyond the five that are stored
  (*table)[0].colourKey1 = 0xBEEF;
  const auto bytes = editor::EncodeProjectFile(*table);
  ASSERT_EQ(bytes.size(), 1024u * 61 + 8 + 5);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 15), std::string("C:\\a.jpg\x10" "a.jpg\x10"));
  EXPECT_EQ(bytes[15 + 8 + 4 + 1], 0xEF);  // colour key 1 after flag
  EXPECT_EQ(bytes[15 + 17], 0xFF);
  EXPECT_EQ(bytes[15 + 18], 0xFF);

  auto back = editor::DecodeProjectFile(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ((*back)[0].rects.x1[0], 65535);
  EXPECT_EQ((*back)[0].rects.y2[4], 430);
  EXPECT_EQ((*back)[0].rects.x1[5], 0);
  EXPECT_EQ((*back)[0].colourKey1, 0xBEEF);
  EXPECT_EQ((*back)[0].path, "C:\\a.jpg");
}

TEST(ProjectFile, SaveAndLoadRestoreListCountAndRectangles) {
  ProjectFixture f;
  f.FillPairs(3);
  f.core.table()[2].rects = {};
  f.core.table()[2].rects.x1[1] = 5;
  f.core.table()[2].rects.x2[1] = 99;
  f.core.table()[2].rects.y1[1] = 7;
  f.core.table()[2].rects.y2[1] = 80;
  // A path far longer than any fixed buffer.
  const std::string longName = std::string(3000, 'n') + ".jpg";
  f.core.table()[7].path = longName;
  f.core.table()[7].fileName = longName;
  f.core.Refresh();
  f.Save(f.dir.file("projekt"));
  ASSERT_TRUE(gamefile::FileExists(f.dir.file("projekt.qxd")));

  ProjectFixture g;
  g.FillPairs(1);  // replaced wholesale by the load
  g.Open(f.dir.file("projekt.qxd"));
  EXPECT_EQ(g.core.pairCount(), 3);
  EXPECT_EQ(g.core.listLines(), f.core.listLines());
  EXPECT_EQ(g.core.table()[2].rects, f.core.table()[2].rects);
  EXPECT_EQ(g.core.table()[7].path, longName);
  EXPECT_EQ(g.core.table()[0].widthField, 490);
}

TEST(ProjectFile, DamagedOrMissingFilesKeepTheCurrentTable) {
  ProjectFixture f;
  f.FillPairs(2);
  f.Save(f.dir.file("gut.qxd"));
  auto bytes = ReadBytes(f.dir.file("gut.qxd"));
  bytes.resize(bytes.size() - 1);
  editortest::WriteBytes(f.dir.file("kurz.qxd"), bytes);
  editortest::WriteBytes(f.dir.file("leer.qxd"), {});
  // Unsaved work on top of the saved project: a third pair and a rectangle.
  f.Load(2, 1, f.Picture("p2a.jpg", 2));
  f.Load(2, 2, f.Picture("p2b.jpg", 52));
  f.core.table()[4].rects.x1[0] = 42;
  const std::vector<std::string> linesBefore = f.core.listLines();
  const std::vector<editor::PictureSlot> slotsBefore(f.core.table().begin(), f.core.table().end());

  for (const char* name : {"kurz.qxd", "leer.qxd", "fehlt.qxd"}) {
    f.Open(f.dir.file(name));
    EXPECT_EQ(f.ui.lastMessage(), std::string(name) == "fehlt.qxd" ? editor::text::kCannotOpenOrCreate
                                                                   : editor::text::kProjectDamaged)
        << name;
    EXPECT_EQ(f.core.pairCount(), 3) << name;
    EXPECT_EQ(f.core.listLines(), linesBefore) << name;
    EXPECT_TRUE(std::equal(slotsBefore.begin(), slotsBefore.end(), f.core.table().begin())) << name;
  }

  // A good file still replaces the table wholesale, and cancelling keeps it.
  f.Open(f.dir.file("gut.qxd"));
  EXPECT_EQ(f.core.pairCount(), 2);
  EXPECT_EQ(f.core.table()[4].rects.x1[0], 0);
  f.core.LoadProject();
  EXPECT_EQ(f.core.pairCount(), 2);
}

TEST(ProjectFile, MovedPicturesAreReportedAfterLoading) {
  ProjectFixture f;
  f.FillPairs(2);
  f.Save(f.dir.file("p.qxd"));
  std::filesystem::remove(f.dir.file("p0b.jpg"));
  f.Open(f.dir.file("p.qxd"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::CannotAccessPicture(f.dir.file("p0b.jpg")));
  EXPECT_EQ(f.core.listLines()[1], "1          p1a.jpg   -   p1b.jpg");
}

TEST(ProjectFile, AFailedSaveKeepsTheEarlierFile) {
  ProjectFixture f;
  f.Save(f.dir.file("p.qxd"));
  const auto before = ReadBytes(f.dir.file("p.qxd"));
  f.FillPairs(1);
  std::filesystem::create_directory(f.dir.file("ordner.qxd"));
  f.Save(f.dir.file("ordner.qxd"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenOrCreate);
  f.Save(f.dir.file("nirgends/p.qxd"));
  EXPECT_EQ(f.ui.lastMessage(), editor::text::kCannotOpenOrCreate);
  EXPECT_EQ(ReadBytes(f.dir.file("p.qxd")), before);
}

}  // namespace

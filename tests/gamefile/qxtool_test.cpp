#include "qxtool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "gamefile/game_file.h"
#include "test_support.h"

using namespace gamefile;
using testsupport::Picture;

namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome RunTool(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = qxtool::Run(args, out, err);
  return {code, out.str(), err.str()};
}

class QxtoolTest : public ::testing::Test {
 protected:
  void WriteGame(std::vector<PictureRecord> records, std::string name = "Urlaub") {
    ASSERT_TRUE(WriteNameFile(nameFile(), {name, "Zwei\r\nZeilen \xE4"}).ok());
    ASSERT_TRUE(WritePicturePairFile(PicturePairPathFor(nameFile()), records).ok());
  }
  std::string nameFile() const { return dir.file("Urlaub.vst"); }
  testsupport::TempDir dir;
};

}  // namespace

TEST_F(QxtoolTest, CheckAcceptsAGoodGameFileAndNamesTheFirstFault) {
  WriteGame({Picture(1, {Rect{10, 50, 10, 50}}), Picture(2)});
  EXPECT_EQ(RunTool({"check", nameFile()}).code, 0);
  EXPECT_EQ(RunTool({"check", PicturePairPathFor(nameFile())}).code, 0);

  WriteGame({Picture(1, {Rect{10, 491, 10, 50}}), Picture(2)});
  auto outside = RunTool({"check", nameFile()});
  EXPECT_EQ(outside.code, 1);
  EXPECT_EQ(outside.out, "Paar 1, Bild 1, Fehler 1 liegt außerhalb des Bildes.\n");

  auto wrongSize = Picture(2);
  wrongSize.jpeg = testsupport::FakeJpeg(500, 430);
  WriteGame({Picture(1), wrongSize});
  EXPECT_EQ(RunTool({"check", nameFile()}).out, "Paar 1, Bild 2 ist kein JFIF-JPEG von 488 x 430 Pixeln.\n");

  WriteGame({Picture(1), Picture(2)}, "");
  EXPECT_EQ(RunTool({"check", nameFile()}).code, 1);
}

TEST_F(QxtoolTest, CheckReportsDamagedFilesInOneLine) {
  WriteGame({Picture(1), Picture(2)});
  auto bytes = *ReadWholeFile(PicturePairPathFor(nameFile()));
  bytes.resize(bytes.size() - 3);
  ASSERT_TRUE(WriteFileAtomically(PicturePairPathFor(nameFile()), bytes).ok());
  auto result = RunTool({"check", nameFile()});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);
  EXPECT_EQ(RunTool({"check", dir.file("nichts.vst")}).code, 1);
}

TEST_F(QxtoolTest, InfoJsonListsPairsAndConvertsTextToUtf8) {
  WriteGame({Picture(1, {Rect{1, 2, 3, 4}}), Picture(2)});
  auto result = RunTool({"info", "--json", nameFile()});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.out.find("\"name\": \"Urlaub\""), std::string::npos);
  EXPECT_NE(result.out.find("\"description\": \"Zwei\\r\\nZeilen ä\""), std::string::npos);
  EXPECT_NE(result.out.find("\"source_index\": -1"), std::string::npos);
  EXPECT_NE(result.out.find("\"jpeg_width\": 488, \"jpeg_height\": 430"), std::string::npos);
  EXPECT_NE(result.out.find("\"rects\": [[1, 2, 3, 4], [0, 0, 0, 0]"), std::string::npos);
  EXPECT_NE(result.out.find("\"width_field\": 490, \"height_field\": 430"), std::string::npos);
}

TEST_F(QxtoolTest, ExtractWritesPicturesAndRectangles) {
  WriteGame({Picture(1, {Rect{1, 2, 3, 4}}), Picture(2)});
  ASSERT_EQ(RunTool({"extract", nameFile(), dir.file("out")}).code, 0);
  EXPECT_EQ(*ReadWholeFile(dir.file("out/pair001_2.jpg")), Picture(2).jpeg);
  auto rects = *ReadWholeFile(dir.file("out/pair001_1.txt"));
  EXPECT_NE(std::string(rects.begin(), rects.end()).find("1 2 3 4\n"), std::string::npos);
}

TEST(Qxtool, WrongUsageExitsWithTwo) {
  EXPECT_EQ(RunTool({}).code, 2);
  EXPECT_EQ(RunTool({"info"}).code, 2);
  EXPECT_EQ(RunTool({"frobnicate", "x"}).code, 2);
}

// qxtool fit, pair and build, driven as from the command line.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "editor/picture_check.h"
#include "gamefile/game_file.h"
#include "photo/pair_files.h"
#include "photo_test_support.h"
#include "qxtool.h"

namespace {

using namespace phototest;

struct Outcome {
  int code = 0;
  std::string out, err;
};

Outcome Qxtool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Outcome r;
  r.code = qxtool::Run(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(QxtoolFit, WritesAPictureTheEditorAccepts) {
  REQUIRE_PHOTO(kLadybird);
  TempDir dir;
  const Outcome run = Qxtool({"fit", kLadybird, dir.file("marienkäfer.jpg")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(editor::CheckPictureFile(dir.file("marienkäfer.jpg")).verdict, editor::PictureVerdict::Usable);
}

TEST(QxtoolFit, RefusesWhatIsNoPhoto) {
  TempDir dir;
  WriteFile(dir.file("notiz.jpg"), {'h', 'a', 'l', 'l', 'o'});
  const Outcome run = Qxtool({"fit", dir.file("notiz.jpg"), dir.file("aus.jpg")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("kein JPEG- oder PNG-Foto"), std::string::npos);
  EXPECT_FALSE(gamefile::FileExists(dir.file("aus.jpg")));
  EXPECT_EQ(Qxtool({"fit", kLadybird}).code, 2);
}

TEST(QxtoolPair, WritesBothPicturesAndTheRectanglesBesideEachOther) {
  REQUIRE_PHOTO(kCat);
  TempDir dir;
  const Outcome run = Qxtool({"pair", kCat, dir.file("paar"), "--seed", "3"});
  ASSERT_EQ(run.code, 0) << run.err;
  const auto paths = photo::PairPathsFor(dir.file("paar"), "chelsea");
  EXPECT_EQ(editor::CheckPictureFile(paths.first).verdict, editor::PictureVerdict::Usable);
  EXPECT_EQ(editor::CheckPictureFile(paths.second).verdict, editor::PictureVerdict::Usable);
  auto rects = photo::ReadRectsFile(paths.rects);
  ASSERT_TRUE(rects.ok());
  auto first = gamefile::ReadWholeFile(paths.first), second = gamefile::ReadWholeFile(paths.second);
  EXPECT_TRUE(fairness::CheckPair(*rects, *first, *second).empty());
  EXPECT_EQ(Qxtool({"pair", kCat, dir.file("paar"), "--seed", "x"}).code, 2);
}

TEST(QxtoolPair, PlainPhotoIsRefusedWithoutWritingAnything) {
  TempDir dir;
  auto jpeg = photo::EncodeJpeg(Plain(900, 700, 120, 160, 220));
  WriteFile(dir.file("himmel.jpg"), *jpeg);
  const Outcome run = Qxtool({"pair", dir.file("himmel.jpg"), dir.file("paar")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("zu wenig"), std::string::npos) << run.err;
  EXPECT_FALSE(gamefile::FileExists(dir.file("paar/himmel_1.jpg")));
}

TEST(QxtoolBuild, PhotosBecomeAGameFileThatExtractsAndBuildsBackTheSame) {
  REQUIRE_PHOTO(kCat);
  REQUIRE_PHOTO(kMotorcycle);
  TempDir dir;
  Outcome run = Qxtool({"build", dir.file("Fotos.vst"), "--name", "Meine Fotos", "--description", "Zwei Zeilen\nKatze",
                    kCat, kMotorcycle});
  ASSERT_EQ(run.code, 0) << run.err;
  auto names = gamefile::ReadNameFile(dir.file("Fotos.vst"));
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names->name, "Meine Fotos");
  EXPECT_EQ(names->description, "Zwei Zeilen\r\nKatze");
  auto records = gamefile::ReadPicturePairFile(dir.file("Fotos.vst.qxs"));
  ASSERT_TRUE(records.ok());
  ASSERT_EQ(records->size(), 4u);
  EXPECT_EQ(Qxtool({"check", "--fair", dir.file("Fotos.vst")}).code, 0);

  ASSERT_EQ(Qxtool({"extract", dir.file("Fotos.vst"), dir.file("ausgepackt")}).code, 0);
  run = Qxtool({"build", dir.file("Wieder.vst"), "--name", "Meine Fotos", "--description", "Zwei Zeilen\nKatze",
                dir.file("ausgepackt")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(*gamefile::ReadWholeFile(dir.file("Wieder.vst.qxs")), *gamefile::ReadWholeFile(dir.file("Fotos.vst.qxs")));
  EXPECT_EQ(*gamefile::ReadWholeFile(dir.file("Wieder.vst")), *gamefile::ReadWholeFile(dir.file("Fotos.vst")));

  // One photo twice would give the set two pairs of one scene.
  run = Qxtool({"build", dir.file("Doppelt.vst"), "--name", "D", kCat, dir.file("ausgepackt")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("dasselbe Bild"), std::string::npos) << run.err;
  EXPECT_FALSE(gamefile::FileExists(dir.file("Doppelt.vst")));
}

TEST(QxtoolBuild, FolderOfQxtoolPairIsAnInputToo) {
  REQUIRE_PHOTO(kCoffee);
  TempDir dir;
  ASSERT_EQ(Qxtool({"pair", kCoffee, dir.file("paar")}).code, 0);
  const Outcome run = Qxtool({"build", dir.file("K.vst"), "--name", "K", dir.file("paar")});
  ASSERT_EQ(run.code, 0) << run.err;
  auto records = gamefile::ReadPicturePairFile(dir.file("K.vst.qxs"));
  ASSERT_TRUE(records.ok());
  EXPECT_EQ((*records)[0].rects, *photo::ReadRectsFile(dir.file("paar/coffee.txt")));
}

TEST(QxtoolBuild, RefusesWhatTheEditorRefuses) {
  TempDir dir;
  ::mkdir(dir.file("ordner").c_str(), 0755);
  auto small = photo::EncodeJpeg(Plain(490, 430, 10, 10, 10));
  auto good = photo::EncodeJpeg(Plain(488, 430, 10, 10, 10));
  WriteFile(dir.file("ordner/a_1.jpg"), *small);
  WriteFile(dir.file("ordner/a_2.jpg"), *good);
  const std::string rects = "0 40 0 40\n50 90 0 40\n100 140 0 40\n150 190 0 40\n200 240 0 40\n";
  WriteFile(dir.file("ordner/a.txt"), std::vector<std::uint8_t>(rects.begin(), rects.end()));

  Outcome run = Qxtool({"build", dir.file("X.vst"), "--name", "X", dir.file("ordner")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("Die Größe dieses Bildes lautet:490 x 430"), std::string::npos) << run.err;
  EXPECT_FALSE(gamefile::FileExists(dir.file("X.vst")));

  WriteFile(dir.file("ordner/a_1.jpg"), *good);
  auto exif = *good;
  exif[6] = 'E', exif[7] = 'x', exif[8] = 'i', exif[9] = 'f';
  WriteFile(dir.file("ordner/a_2.jpg"), exif);
  run = Qxtool({"build", dir.file("X.vst"), "--name", "X", dir.file("ordner")});
  EXPECT_NE(run.err.find("scheint kein gütliges JPEG Format zu haben"), std::string::npos) << run.err;

  WriteFile(dir.file("ordner/a_2.jpg"), *good);
  const std::string outside = "0 40 0 40\n50 90 0 40\n100 140 0 40\n150 190 0 40\n200 500 0 40\n";
  WriteFile(dir.file("ordner/a.txt"), std::vector<std::uint8_t>(outside.begin(), outside.end()));
  run = Qxtool({"build", dir.file("X.vst"), "--name", "X", dir.file("ordner")});
  EXPECT_NE(run.err.find("Fehler 5 liegt außerhalb"), std::string::npos) << run.err;

  EXPECT_NE(Qxtool({"build", dir.file("X.vst"), "--name", "", dir.file("ordner")}).err.find("Bennen sie bitte"),
            std::string::npos);
  EXPECT_EQ(Qxtool({"build", dir.file("X.vst"), dir.file("ordner")}).code, 2);
  EXPECT_NE(Qxtool({"build", dir.file("X.vst"), "--name", "X", dir.file("leer")}).err.find("nicht lesen"),
            std::string::npos);
  EXPECT_FALSE(gamefile::FileExists(dir.file("X.vst")));
}

}  // namespace

// Checks the painted data folder against the game's image table: every file
// there, loadable, of the right size, transparent only where it may be.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <set>
#include <string>

#include "catalogue.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"
#include "generator.h"
#include "test_images.h"

namespace artgen {
namespace {

using testing::DataPath;
using testing::DecodeJpeg;
using testing::IsBlack;
using testing::LoadBitmap;

const BitmapEntry& Row(const std::string& path) {
  for (const BitmapEntry& row : BitmapCatalogue())
    if (row.path == path) return row;
  throw std::runtime_error("no catalogue row " + path);
}

std::uint32_t U32At(const gamefile::Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(ArtworkCatalogue, HoldsEveryImageOfTheGameOnceInItsSlot) {
  const auto& rows = BitmapCatalogue();
  std::set<int> slots;
  std::set<std::string> paths;
  for (const BitmapEntry& row : rows) {
    paths.insert(row.path);
    // Multi-slot rows are single files here, so slots are one per row.
    EXPECT_TRUE(slots.insert(row.firstSlot).second) << row.path;
  }
  EXPECT_EQ(rows.size(), 96u);
  EXPECT_EQ(paths.size(), rows.size());
  // Digit 0 is the odd one out of the digit files; the colon follows them.
  EXPECT_EQ(Row("data018.dat").firstSlot, 10);
  EXPECT_EQ(Row("data009.dat").firstSlot, 11);
  EXPECT_EQ(Row("data019.dat").firstSlot, 20);
  EXPECT_EQ(Row("qxdata/27.dat").firstSlot, 56);
  EXPECT_EQ(Row("qxdata/l_1.dat").firstSlot, 60);
  EXPECT_EQ(Row("qxdata_0/data008.dat").firstSlot, 93);
  EXPECT_EQ(Row("data027.dat").firstSlot, 99);
  EXPECT_FALSE(Row("data033.dat").keyed);
  EXPECT_TRUE(Row("data032.dat").keyed);
  for (int slot : {1, 2, 23, 24, 25, 29, 57, 58, 59, 108, 111}) EXPECT_EQ(slots.count(slot), 0u) << slot;
}

TEST(ArtworkCatalogue, TitleTilesSpellTheTitleWithEachLetterOnce) {
  std::string letters = kTitleLetters;
  EXPECT_EQ(letters.size(), 8u);
  EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size(), letters.size());
  for (const char* c = kTitle; *c; ++c) EXPECT_NE(letters.find(*c), std::string::npos) << *c;
  EXPECT_EQ(std::string(kTitle).size(), 11u);
}

TEST(ArtworkFiles, EveryBitmapIsAnUncompressed24BitFileOfItsTableSize) {
  for (const BitmapEntry& row : BitmapCatalogue()) {
    SCOPED_TRACE(row.path);
    auto bytes = gamefile::ReadWholeFile(DataPath(row.path));
    ASSERT_TRUE(bytes.ok());
    const gamefile::Bytes& b = *bytes;
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32At(b, 2), b.size());
    EXPECT_EQ(U32At(b, 14), 40u);  // BITMAPINFOHEADER, readable by every loader
    EXPECT_EQ(b[28] | (b[29] << 8), 24);
    EXPECT_EQ(U32At(b, 30), 0u);  // BI_RGB
    std::uint32_t rowBytes = (static_cast<std::uint32_t>(row.width) * 3 + 3) & ~3u;
    EXPECT_EQ(b.size(), 54u + rowBytes * static_cast<std::uint32_t>(row.height));

    int bits = 0;
    RgbImage image = LoadBitmap(DataPath(row.path), &bits);
    EXPECT_EQ(image.width, row.width);
    EXPECT_EQ(image.height, row.height);
    EXPECT_EQ(bits, 24);
  }
}

// With black as the colour key, a visible pixel must stay clear of black
// in 16-bit mode too, where only the top five bits of each channel remain.
TEST(ArtworkFiles, KeyedImagesHaveNoNearBlackThatWouldTurnTransparent) {
  for (const BitmapEntry& row : BitmapCatalogue()) {
    if (!row.keyed) continue;
    SCOPED_TRACE(row.path);
    RgbImage image = LoadBitmap(DataPath(row.path));
    ASSERT_EQ(image.width, row.width);
    int visible = 0, nearBlack = 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        if (IsBlack(image, x, y)) continue;
        ++visible;
        const std::uint8_t* p = image.at(x, y);
        if (std::max({p[0], p[1], p[2]}) < 8) ++nearBlack;
      }
    EXPECT_EQ(nearBlack, 0);
    // Every keyed image shows something, and none is a plain rectangle
    // except those that are drawn as one.
    EXPECT_GT(visible, image.width * image.height / 20);
  }
}

// Black pixels that the border cannot reach are holes: they let the
// screen behind show through the middle of a shape.
int EnclosedBlackPixels(const RgbImage& image) {
  std::vector<bool> reached(static_cast<std::size_t>(image.width) * image.height, false);
  std::deque<std::pair<int, int>> open;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    std::size_t i = static_cast<std::size_t>(y) * image.width + x;
    if (reached[i] || !IsBlack(image, x, y)) return;
    reached[i] = true;
    open.emplace_back(x, y);
  };
  for (int x = 0; x < image.width; ++x) {
    visit(x, 0);
    visit(x, image.height - 1);
  }
  for (int y = 0; y < image.height; ++y) {
    visit(0, y);
    visit(image.width - 1, y);
  }
  while (!open.empty()) {
    auto [x, y] = open.front();
    open.pop_front();
    visit(x + 1, y);
    visit(x - 1, y);
    visit(x, y + 1);
    visit(x, y - 1);
  }
  int enclosed = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (IsBlack(image, x, y) && !reached[static_cast<std::size_t>(y) * image.width + x]) ++enclosed;
  return enclosed;
}

TEST(ArtworkFiles, ShapesWithoutLetteringHaveNoTransparentHoles) {
  std::vector<std::string> solid = {"data001.dat", "data002.dat", "data007.dat", "data019.dat", "data020.dat",
                                    "data021.dat", "data032.dat", "qxdata/27.dat"};
  for (int n = 22; n <= 27; ++n) solid.push_back("data0" + std::to_string(n) + ".dat");
  for (const char* letter : {"3", "5", "6", "9", "10", "11", "12", "13", "19", "20", "21", "22", "23", "24", "25",
                             "26"})
    solid.push_back(std::string("qxdata/") + letter + ".dat");  // capitals without counters
  for (const std::string& path : solid) {
    SCOPED_TRACE(path);
    RgbImage image = LoadBitmap(DataPath(path));
    ASSERT_GT(image.width, 0);
    EXPECT_EQ(EnclosedBlackPixels(image), 0);
  }
}

TEST(ArtworkFiles, PictureCoverAndTimeBarAreSolidWhereTheGameNeedsThem) {
  // The cover hides the whole picture during the level intro.
  RgbImage cover = LoadBitmap(DataPath("data021.dat"));
  ASSERT_EQ(cover.width, 490);
  int black = 0;
  for (int y = 0; y < cover.height; ++y)
    for (int x = 0; x < cover.width; ++x) black += IsBlack(cover, x, y);
  EXPECT_EQ(black, 0);
  // The game blacks the bar out from the right to show the time used, so
  // the bar must be solid except at its rounded left end.
  RgbImage bar = LoadBitmap(DataPath("data002.dat"));
  ASSERT_EQ(bar.width, 934);
  for (int y = 0; y < bar.height; ++y)
    for (int x = 6; x < bar.width; ++x) ASSERT_FALSE(IsBlack(bar, x, y)) << x << "," << y;
}

struct InkBox {
  int left = 1000, top = 1000, right = -1, bottom = -1;
};

InkBox Ink(const RgbImage& image) {
  InkBox box;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (!IsBlack(image, x, y)) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

// Words are assembled from single letter images at one height, so every
// letter must stand on the same baseline and fit the 20-pixel advance.
TEST(ArtworkFiles, LettersShareOneBaselineAndFitTheirCell) {
  std::set<int> baselines;
  const std::string flatCapitals = "ABCDEFGHIKLMNOPRSTUVWXYZ";  // no descender (J and Q dip)
  for (char c : flatCapitals) {
    InkBox box = Ink(LoadBitmap(DataPath("qxdata/" + std::to_string(c - 'A' + 1) + ".dat")));
    baselines.insert(box.bottom);
  }
  const std::string flatSmall = "acemnorsuvwxz";
  for (char c : flatSmall) {
    InkBox box = Ink(LoadBitmap(DataPath("qxdata/l_" + std::to_string(c - 'a' + 1) + ".dat")));
    baselines.insert(box.bottom);
  }
  // Round letters overshoot the baseline by up to a pixel, as in print.
  ASSERT_FALSE(baselines.empty());
  EXPECT_LE(*baselines.rbegin() - *baselines.begin(), 1);
  for (char c : std::string("gjpqy")) {
    InkBox box = Ink(LoadBitmap(DataPath("qxdata/l_" + std::to_string(c - 'a' + 1) + ".dat")));
    EXPECT_GT(box.bottom, *baselines.rbegin() + 2) << c;  // descenders go below
    EXPECT_LE(box.bottom, 24) << c;
  }
  for (int n = 1; n <= 26; ++n) {
    for (const std::string& name : {std::to_string(n), "l_" + std::to_string(n)}) {
      InkBox box = Ink(LoadBitmap(DataPath("qxdata/" + name + ".dat")));
      EXPECT_GE(box.top, 1) << name;
      EXPECT_LE(box.right - box.left + 1, 24) << name;
    }
  }
}

gamefile::Bytes ReadBuiltInPictures() {
  auto bytes = gamefile::ReadWholeFile(DataPath(kBuiltInPicturesFile));
  return bytes.ok() ? *bytes : gamefile::Bytes{};
}

TEST(BuiltInPictures, ParseAsPictureRecordsAndDecodeAtTheirSizeFields) {
  gamefile::Bytes bytes = ReadBuiltInPictures();
  ASSERT_FALSE(bytes.empty());
  auto records = gamefile::ReadPicturePairs(bytes);
  ASSERT_TRUE(records.ok()) << records.error().detail;
  const auto& expected = BuiltInPictures();
  ASSERT_EQ(records->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].slot);
    const gamefile::PictureRecord& record = (*records)[i];
    EXPECT_EQ(record.widthField, expected[i].width);
    EXPECT_EQ(record.heightField, expected[i].height);
    gamefile::JpegInfo info = gamefile::ReadJpegInfo(record.jpeg);
    EXPECT_TRUE(info.hasJfifMark);
    EXPECT_EQ(info.width % 4, 0);  // the game's decoder needs unpadded rows
    RgbImage decoded = DecodeJpeg(record.jpeg);
    EXPECT_EQ(decoded.width, expected[i].width);
    EXPECT_EQ(decoded.height, expected[i].height);
  }
}

double MeanRowDifference(const RgbImage& image, int rowA, int rowB) {
  double sum = 0;
  for (int x = 0; x < image.width; ++x)
    for (int c = 0; c < 3; ++c) sum += std::abs(image.at(x, rowA)[c] - image.at(x, rowB)[c]);
  return sum / (image.width * 3);
}

TEST(BuiltInPictures, HighScoreBackgroundTilesWithoutASeam) {
  auto records = gamefile::ReadPicturePairs(ReadBuiltInPictures());
  ASSERT_TRUE(records.ok());
  RgbImage background = DecodeJpeg((*records)[1].jpeg);
  ASSERT_EQ(background.height, 768);
  // The last row runs into the first when the copies scroll: the step there
  // must be no larger than between neighbouring rows elsewhere.
  auto seamAgainstNeighbours = [](const RgbImage& image) {
    double typical = (MeanRowDifference(image, 383, 384) + MeanRowDifference(image, 100, 101)) / 2;
    return MeanRowDifference(image, 767, 0) / (typical + 0.5);
  };
  EXPECT_LT(seamAgainstNeighbours(background), 2.0);
  // The menu background is not made to tile: the measure does see a seam.
  EXPECT_GT(seamAgainstNeighbours(DecodeJpeg((*records)[2].jpeg)), 4.0);
}

TEST(BuiltInPictures, OptionImagesBlendIntoTheMenuPanel) {
  auto records = gamefile::ReadPicturePairs(ReadBuiltInPictures());
  ASSERT_TRUE(records.ok());
  RgbImage menu = DecodeJpeg((*records)[2].jpeg);
  ASSERT_EQ(menu.width, 1024);
  // Corners of the opaque switch and slider images against the menu
  // background where the game places them.
  struct Placement {
    const char* file;
    int x, y;
  } placements[] = {{"data031.dat", 365, 600}, {"data034.dat", 365, 635}, {"data029.dat", 365, 670},
                    {"data033.dat", 405, 605}, {"data033.dat", 405, 640}, {"data033.dat", 405, 675}};
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.file);
    RgbImage image = LoadBitmap(DataPath(p.file));
    ASSERT_GT(image.width, 0);
    for (auto [cx, cy] : {std::pair{0, 0}, std::pair{image.width - 1, image.height - 1}}) {
      const std::uint8_t* a = image.at(cx, cy);
      const std::uint8_t* b = menu.at(p.x + cx, p.y + cy);
      for (int c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], 6) << cx << "," << cy;
    }
  }
}

// Painting again must give the very bytes the build wrote: the artwork is
// the same on every build.
TEST(Generator, RepaintsTheSameBytesAsTheBuild) {
  Fonts fonts;
  std::string problem;
  ASSERT_TRUE(LoadFonts("/usr/share/fonts/truetype/dejavu", fonts, problem)) << problem;
  std::vector<OutputFile> files;
  ASSERT_TRUE(GenerateArtwork(fonts, files, problem)) << problem;
  EXPECT_EQ(files.size(), BitmapCatalogue().size() + 1);
  for (const OutputFile& file : files) {
    auto onDisk = gamefile::ReadWholeFile(DataPath(file.path));
    ASSERT_TRUE(onDisk.ok()) << file.path;
    EXPECT_TRUE(*onDisk == file.bytes) << file.path;
  }
}

}  // namespace
}  // namespace artgen

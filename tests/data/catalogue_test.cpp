// Walks the generated data folder of the installation folder and checks every
// file the game loads at start-up against the catalogue: it exists, has the
// right format, and has the size the screens draw it at.
#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"

namespace {

const std::string kData = std::string(VISTREL_DIST_DIR) + "/data/";

struct BitmapRow {
  std::string path;  // below data/
  int width;
  int height;
};

std::string Numbered(const std::string& prefix, int n, int digits, const std::string& suffix) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, n);
  return prefix + buffer + suffix;
}

std::vector<BitmapRow> BitmapTable() {
  std::vector<BitmapRow> rows = {
      {"data001.dat", 383, 70}, {"data002.dat", 934, 12},  {"data003.dat", 583, 114},
      {"data004.dat", 577, 219}, {"data005.dat", 81, 40},  {"data006.dat", 81, 40},
      {"data007.dat", 28, 35},  {"data008.dat", 201, 24},  {"data019.dat", 40, 45},
      {"data020.dat", 110, 100}, {"data021.dat", 490, 430}, {"data032.dat", 31, 16},
      {"data033.dat", 301, 19}};
  for (int n = 9; n <= 18; ++n) rows.push_back({Numbered("data", n, 3, ".dat"), 40, 45});
  for (int n = 1; n <= 27; ++n) rows.push_back({Numbered("qxdata/", n, 1, ".dat"), 25, 25});
  for (int n = 1; n <= 26; ++n) rows.push_back({Numbered("qxdata/l_", n, 1, ".dat"), 25, 25});
  for (int n = 1; n <= 8; ++n) rows.push_back({Numbered("qxdata_0/data", n, 3, ".dat"), 125, 125});
  for (int n = 22; n <= 27; ++n) rows.push_back({Numbered("data", n, 3, ".dat"), 74, 71});
  for (int n : {28, 29, 30, 31, 34, 35}) rows.push_back({Numbered("data", n, 3, ".dat"), 32, 30});
  return rows;
}

std::int32_t I32(const gamefile::Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                   (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
std::uint16_t U16(const gamefile::Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

gamefile::Bytes ReadData(const std::string& relative) {
  auto bytes = gamefile::ReadWholeFile(kData + relative, 64u << 20);
  return bytes.ok() ? std::move(bytes.value()) : gamefile::Bytes{};
}

TEST(DataCatalogue, EveryBitmapIsAWindowsBitmapOfItsTableSize) {
  for (const BitmapRow& row : BitmapTable()) {
    SCOPED_TRACE(row.path);
    const gamefile::Bytes bmp = ReadData(row.path);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(I32(bmp, 18), row.width);
    EXPECT_EQ(std::abs(I32(bmp, 22)), row.height);
    const int bitsPerPixel = U16(bmp, 28);
    EXPECT_TRUE(bitsPerPixel == 24 || bitsPerPixel == 32) << bitsPerPixel;
    const std::size_t rowBytes = (static_cast<std::size_t>(row.width) * bitsPerPixel / 8 + 3) & ~std::size_t{3};
    EXPECT_GE(bmp.size(), static_cast<std::size_t>(I32(bmp, 10)) + rowBytes * row.height);
  }
}

double OggSeconds(const std::string& relative) {
  OggVorbis_File file;
  if (ov_fopen((kData + relative).c_str(), &file) != 0) return -1;
  const double seconds = ov_time_total(&file, -1);
  ov_clear(&file);
  return seconds;
}

TEST(DataCatalogue, MusicTracksAreOggVorbisLongEnoughToNeverRunOut) {
  // Tracks 2 (menu) and 3 (credits) play while the player lingers; 7, 1, 5
  // and 4 accompany a search of up to 60 seconds plus its intro.
  const std::vector<std::pair<std::string, double>> tracks = {
      {"mdat001.dat", 30},  {"mdat002.dat", 100}, {"mdat003.dat", 120}, {"mdat004.dat", 120},
      {"mdat005.dat", 100}, {"mdat006.dat", 100}, {"mdat007.dat", 30},  {"mdat040.dat", 100}};
  for (const auto& [file, minimum] : tracks) {
    SCOPED_TRACE(file);
    EXPECT_GE(OggSeconds(file), minimum);
  }
}

TEST(DataCatalogue, SoundsAreMixerLoadablePcmWaves) {
  for (int n = 8; n <= 39; ++n) {
    const std::string file = Numbered("mdat", n, 3, ".dat");
    SCOPED_TRACE(file);
    const gamefile::Bytes wav = ReadData(file);
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 12), "WAVE");
    EXPECT_EQ(static_cast<std::size_t>(I32(wav, 4)) + 8, wav.size());
    EXPECT_EQ(std::string(wav.begin() + 12, wav.begin() + 16), "fmt ");
    EXPECT_EQ(U16(wav, 20), 1) << "PCM";
    EXPECT_EQ(U16(wav, 34), 16) << "bits per sample";
  }
}

TEST(DataCatalogue, BuiltInPicturesAreEightDecodableRecords) {
  const gamefile::Bytes file = ReadData("igdata.qxs");
  ASSERT_GE(file.size(), 2u);
  tjhandle decoder = tjInitDecompress();
  std::size_t at = 2;
  for (int picture = 0; picture < 8; ++picture) {
    SCOPED_TRACE(picture);
    ASSERT_LE(at + 12, file.size());
    const std::uint32_t byteCount = static_cast<std::uint32_t>(I32(file, at + 4));
    const int widthField = U16(file, at + 8), heightField = U16(file, at + 10);
    at += 12;
    ASSERT_LE(at + byteCount + 40, file.size());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    ASSERT_EQ(tjDecompressHeader3(decoder, file.data() + at, byteCount, &width, &height, &subsampling,
                                  &colourspace),
              0);
    EXPECT_EQ(width, widthField);
    EXPECT_EQ(height, heightField);
    EXPECT_EQ(width % 4, 0) << "decoded rows must need no padding";
    if (picture == 0 || picture == 2) {  // play and menu backgrounds cover the whole frame
      EXPECT_EQ(width, 1024);
      EXPECT_EQ(height, 768);
    }
    at += byteCount + 40;
  }
  tjDestroy(decoder);
}

TEST(DataCatalogue, BuiltInPictureSetIsPlayable) {
  const gamefile::Bytes file = ReadData("dataset.qxs");
  auto index = gamefile::ScanPicturePairs(file);
  ASSERT_TRUE(index.ok());
  EXPECT_GE(index.value().pairCount, 24);
  for (std::size_t i = 0; i < index.value().records.size(); ++i) {
    SCOPED_TRACE(i);
    auto picture = gamefile::ReadPicture(file, index.value(), i);
    ASSERT_TRUE(picture.ok());
    EXPECT_TRUE(gamefile::IsGamePicture(gamefile::ReadJpegInfo(picture.value().jpeg)));
    EXPECT_EQ(picture.value().widthField, 490);
    EXPECT_EQ(picture.value().heightField, 430);
  }
}

std::uint32_t BigEndian32(const gamefile::Bytes& b, std::size_t at) {
  return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

TEST(DataCatalogue, ToolIconsAndTheEditorPictureArePngsOfTheirSizes) {
  std::vector<std::tuple<std::string, std::uint32_t, std::uint32_t>> images = {
      {"icons/editor_picture.png", 110, 100}};
  for (const char* program : {"vistrel", "editor", "wizard"})
    for (std::uint32_t size : {16u, 32u, 48u, 64u, 128u})
      images.emplace_back("icons/" + std::string(program) + "_" + std::to_string(size) + ".png", size, size);
  for (const auto& [file, width, height] : images) {
    SCOPED_TRACE(file);
    const gamefile::Bytes png = ReadData(file);
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(BigEndian32(png, 16), width);
    EXPECT_EQ(BigEndian32(png, 20), height);
  }
}

}  // namespace

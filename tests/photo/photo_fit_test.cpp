// Fitting photos to 488 x 430: real photographs, orientation, the crop
// around what matters, and files from anywhere.
#include <gtest/gtest.h>

#include <array>

#include "gamefile/jpeg_info.h"
#include "photo/fit.h"
#include "photo_test_support.h"

namespace {

using namespace phototest;
using gamefile::Bytes;

Bytes Jpeg(const photo::Picture& p) {
  auto jpeg = photo::EncodeJpeg(p);
  EXPECT_TRUE(jpeg.ok());
  return jpeg.ok() ? *jpeg : Bytes{};
}

// An APP1 segment whose EXIF data holds only the orientation tag.
Bytes WithOrientation(Bytes jpeg, std::uint16_t orientation) {
  const Bytes exif = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0,
                      0x12, 0x01, 3, 0, 1, 0, 0, 0, static_cast<std::uint8_t>(orientation), 0, 0, 0, 0, 0, 0, 0};
  jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
  return jpeg;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A PNG whose header claims width x height and whose data is missing.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height) {
  Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes chunk = {'I', 'H', 'D', 'R'};
  PutBigEndian(chunk, width);
  PutBigEndian(chunk, height);
  for (std::uint8_t b : {8, 2, 0, 0, 0}) chunk.push_back(b);
  PutBigEndian(png, 13);
  png.insert(png.end(), chunk.begin(), chunk.end());
  PutBigEndian(png, Crc32(chunk.data(), chunk.size()));
  return png;
}

TEST(FitPhoto, RealPhotographsOfAnySizeAndFormatBecomeGamePictures) {
  for (const std::string& path : {kLadybird, kCat, kGreyCamera, kMotorcycle}) {
    REQUIRE_PHOTO(path);
    auto fitted = photo::FitPhotoFile(path);
    ASSERT_TRUE(fitted.ok()) << path << ": " << fitted.error().detail;
    EXPECT_EQ(fitted->width, 488);
    EXPECT_EQ(fitted->height, 430);
    ASSERT_EQ(fitted->rgb.size(), 488u * 430u * 3u);
    const auto info = gamefile::ReadJpegInfo(Jpeg(*fitted));
    EXPECT_TRUE(gamefile::IsGamePicture(info)) << path;
  }
}

TEST(FitPhoto, GreyscalePhotoComesOutGrey) {
  REQUIRE_PHOTO(kGreyCamera);
  auto fitted = photo::FitPhotoFile(kGreyCamera);
  ASSERT_TRUE(fitted.ok());
  for (std::size_t i = 0; i < fitted->rgb.size(); i += 3 * 97) {
    EXPECT_EQ(fitted->rgb[i], fitted->rgb[i + 1]);
    EXPECT_EQ(fitted->rgb[i], fitted->rgb[i + 2]);
  }
}

TEST(FitPhoto, ExifOrientationTurnsThePhotoUpright) {
  // Stored on its side: the dark half left. Orientation 6 means "turn a
  // quarter clockwise to show", which puts the dark half on top.
  photo::Picture sideways = Plain(860, 430, 235, 235, 235);
  Paint(sideways, 0, 0, 430, 430, 20, 20, 20);
  auto plain = photo::FitPhoto(Jpeg(sideways));
  ASSERT_TRUE(plain.ok());
  EXPECT_LT(MeanLuma(*plain, 0, 0, 40, 430), 60);
  EXPECT_GT(MeanLuma(*plain, 448, 0, 488, 430), 200);

  auto upright = photo::FitPhoto(WithOrientation(Jpeg(sideways), 6));
  ASSERT_TRUE(upright.ok()) << upright.error().detail;
  EXPECT_LT(MeanLuma(*upright, 0, 0, 488, 40), 60);
  EXPECT_GT(MeanLuma(*upright, 0, 390, 488, 430), 200);
}

TEST(FitPhoto, CropKeepsTheInterestingPartNotTheCentre) {
  // A wide grey photo with one colourful, detailed thing near its right end.
  photo::Picture wide = Plain(1720, 430, 128, 128, 128);
  for (int k = 0; k < 6; ++k) Paint(wide, 1450 + k * 16, 150, 1458 + k * 16, 280, 220, 30, 40);
  Paint(wide, 1450, 200, 1546, 215, 250, 240, 30);
  auto fitted = photo::FitPhoto(Jpeg(wide));
  ASSERT_TRUE(fitted.ok());
  int red = 0;
  for (std::size_t i = 0; i < fitted->rgb.size(); i += 3)
    if (fitted->rgb[i] > 180 && fitted->rgb[i + 1] < 90) ++red;
  EXPECT_GT(red, 2000) << "the red stripes were cropped away";
}

TEST(FitPhoto, EncodedPictureIsAJfifJpegCodedBlockByBlock) {
  photo::Picture a = Plain(488, 430, 90, 140, 60);
  Paint(a, 100, 100, 300, 200, 200, 50, 50);
  photo::Picture b = a;
  Paint(b, 16, 16, 48, 48, 250, 250, 250);  // one block-aligned change
  const Bytes ja = Jpeg(a), jb = Jpeg(b);
  ASSERT_EQ(ja[6], 'J');
  ASSERT_EQ(ja[9], 'F');
  auto da = fairness::DecodePicture(ja), db = fairness::DecodePicture(jb);
  ASSERT_TRUE(da.ok() && db.ok());
  int differing = 0;
  for (int y = 0; y < 430; ++y)
    for (int x = 0; x < 488; ++x) {
      if (x >= 16 && x < 48 && y >= 16 && y < 48) continue;
      const std::size_t i = (static_cast<std::size_t>(y) * 488 + x) * 3;
      differing += da->rgb[i] != db->rgb[i] || da->rgb[i + 1] != db->rgb[i + 1] || da->rgb[i + 2] != db->rgb[i + 2];
    }
  EXPECT_EQ(differing, 0);
}

TEST(FitPhoto, HostileFilesGetAGermanReasonAndNoHugeAllocation) {
  photo::Picture small = Plain(64, 48, 10, 200, 10);
  const Bytes good = Jpeg(small);
  Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  Bytes huge = good;
  // The frame header's height and width (SOF0 after the 2-byte length and precision).
  for (std::size_t i = 2; i + 9 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0xEA, huge[i + 6] = 0x60, huge[i + 7] = 0xEA, huge[i + 8] = 0x60;  // 60000 x 60000
      break;
    }
  const std::string text = "Dies ist kein Bild, nur Text mit der Endung .jpg";
  const std::array<std::pair<const char*, Bytes>, 6> cases = {{
      {"leer", {}},
      {"Text", Bytes(text.begin(), text.end())},
      {"abgeschnitten", truncated},
      {"JPEG 60000 x 60000", huge},
      {"PNG 100000 x 100000", PngClaiming(100000, 100000)},
      {"PNG ohne Daten", PngClaiming(640, 480)},
  }};
  for (const auto& [name, bytes] : cases) {
    auto fitted = photo::FitPhoto(bytes);
    ASSERT_FALSE(fitted.ok()) << name;
    EXPECT_FALSE(fitted.error().detail.empty()) << name;
  }
  EXPECT_EQ(photo::FitPhoto(PngClaiming(100000, 100000)).error().code, gamefile::ErrorCode::TooLarge);
  EXPECT_NE(photo::FitPhoto(PngClaiming(100000, 100000)).error().detail.find("zu groß"), std::string::npos);
  EXPECT_EQ(photo::FitPhoto(huge).error().code, gamefile::ErrorCode::TooLarge);
  EXPECT_EQ(photo::FitPhoto(Bytes(text.begin(), text.end())).error().detail, "Die Datei ist kein JPEG- oder PNG-Foto.");
}

TEST(FitPhoto, FormatIsKnownByContentNotByName) {
  REQUIRE_PHOTO(kCat);
  TempDir dir;
  auto png = gamefile::ReadWholeFile(kCat);
  ASSERT_TRUE(png.ok());
  WriteFile(dir.file("katze.jpg"), *png);  // a PNG under a JPEG name
  EXPECT_EQ(photo::SniffFormat(*png), photo::PhotoFormat::Png);
  EXPECT_TRUE(photo::FitPhotoFile(dir.file("katze.jpg")).ok());
  EXPECT_EQ(photo::FitPhotoFile(dir.file("fehlt.jpg")).error().code, gamefile::ErrorCode::CannotOpen);
}

}  // namespace

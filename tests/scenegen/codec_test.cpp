// JPEG coding and previews. The picture set relies on one property of the
// coder above all: a block that is the same in both pictures decodes the
// same, so nothing outside the rectangles differs.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <filesystem>
#include <fstream>

#include "gamefile/jpeg_info.h"
#include "jpeg_codec.h"
#include "noise.h"
#include "png_preview.h"
#include "temp_dir.h"

namespace scenegen {
namespace {

Pixels NoisyPicture(std::uint32_t seed) {
  Pixels rgb(static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 3);
  for (int y = 0; y < kPictureHeight; ++y)
    for (int x = 0; x < kPictureWidth; ++x)
      for (int k = 0; k < 3; ++k)
        rgb[(static_cast<std::size_t>(y) * kPictureWidth + x) * 3 + k] =
            static_cast<std::uint8_t>(255 * Fbm(x * 0.05f, y * 0.05f, seed + k, 4));
  return rgb;
}

TEST(Jpeg, WritesFullColourJfifOfThePictureSize) {
  const auto jpeg = EncodeJpeg(NoisyPicture(1), kPictureWidth, kPictureHeight, 88);
  ASSERT_TRUE(jpeg.has_value());
  EXPECT_TRUE(gamefile::IsGamePicture(gamefile::ReadJpegInfo(*jpeg)));
  tjhandle handle = tjInitDecompress();
  int w = 0, h = 0, subsampling = -1, colorspace = 0;
  ASSERT_EQ(tjDecompressHeader3(handle, jpeg->data(), jpeg->size(), &w, &h, &subsampling, &colorspace), 0);
  tjDestroy(handle);
  EXPECT_EQ(subsampling, TJSAMP_444);
}

TEST(Jpeg, RefusesWrongBuffersAndDamagedData) {
  EXPECT_FALSE(EncodeJpeg(Pixels(100), kPictureWidth, kPictureHeight, 88).has_value());
  EXPECT_FALSE(DecodeJpeg({0xFF, 0xD8, 0x00, 0x01, 0x02}).has_value());
  EXPECT_FALSE(DecodeJpeg({}).has_value());
}

TEST(Jpeg, AChangeInsideAlignedBlocksLeavesEveryOtherPixelAlone) {
  const Pixels a = NoisyPicture(3);
  Pixels b = a;
  const Box changed{64, 40, 96, 72};  // whole 8 x 8 blocks
  for (int y = changed.y0 + 5; y < changed.y1 - 5; ++y)
    for (int x = changed.x0 + 5; x < changed.x1 - 5; ++x)
      b[(static_cast<std::size_t>(y) * kPictureWidth + x) * 3] = 255;
  const auto ja = EncodeJpeg(a, kPictureWidth, kPictureHeight, 88),
             jb = EncodeJpeg(b, kPictureWidth, kPictureHeight, 88);
  ASSERT_TRUE(ja && jb);
  const auto da = DecodeJpeg(*ja), db = DecodeJpeg(*jb);
  ASSERT_TRUE(da && db);
  EXPECT_EQ(CountChangesOutside(da->rgb, db->rgb, kPictureWidth, kPictureHeight, {changed}), 0);
  EXPECT_GT(CountChangesOutside(da->rgb, db->rgb, kPictureWidth, kPictureHeight, {}), 100);
}

TEST(Preview, WritesPngsAndReportsAnUnwritablePlace) {
  PicturePair pair;
  pair.first = NoisyPicture(5);
  pair.second = NoisyPicture(6);
  pair.differences.resize(1);
  pair.differences[0].rect = {8, 8, 48, 48};
  const std::filesystem::path dir = MakeTempDir("scenegen-preview");
  ASSERT_FALSE(dir.empty());
  const std::string one = (dir / "pair.png").string(), sheet = (dir / "sheet.png").string();
  ASSERT_TRUE(WritePairPreview(one, pair));
  ASSERT_TRUE(WriteContactSheet(sheet, {pair, pair, pair}, 2));
  for (const std::string& path : {one, sheet}) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
  }
  EXPECT_FALSE(WritePairPreview((dir / "missing" / "x.png").string(), pair));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace scenegen

// dat.txt in both directions: the exact bytes each side writes, and how the
// readers treat files that are short, damaged or written by hand.
#include "handoff/dat_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "test_support/temp_dir.h"

namespace {

using gamefile::Bytes;
using handoff::ExchangeRect;
using handoff::ExchangeRects;
using handoff::PairRequest;

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The twenty numbers as the file holds them, "0\0" style.
std::string NumbersText(std::initializer_list<int> numbers) {
  std::string text;
  for (int n : numbers) {
    text += std::to_string(n);
    text.push_back('\0');
  }
  return text;
}

TEST(DatFileEncode, UndrawnPairIsTwoPathsAndTwentyZeros) {
  PairRequest request{"/bilder/a.jpg", "/bilder/b.jpg", {}};
  std::string expected = std::string("/bilder/a.jpg") + '\0' + "/bilder/b.jpg" + '\0';
  for (int i = 0; i < 20; ++i) expected += std::string("0") + '\0';
  EXPECT_EQ(handoff::EncodeRequest(request), ToBytes(expected));
}

TEST(DatFileEncode, RectangleFieldsGoLeftTopRightBottom) {
  ExchangeRects rects{};
  rects[0] = ExchangeRect{.x1 = 12, .y1 = 30, .x2 = 40, .y2 = 50};
  rects[4] = ExchangeRect{.x1 = -3, .y1 = 0, .x2 = 490, .y2 = 430};
  EXPECT_EQ(handoff::EncodeResult(rects),
            ToBytes(NumbersText({12, 30, 40, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3, 0, 490, 430})));
}

TEST(DatFileDecode, RequestRoundTripKeepsPathBytesAndNumbers) {
  PairRequest request;
  request.picture1Path = "/home/u/Bilder/M\xFC" "nchen 1.jpg";  // Windows-1252 byte kept as is
  request.picture2Path = "rel/zwei.jpg";
  for (int i = 0; i < 5; ++i) request.rects[i] = {i, 10 * i, 100 + i, 200 + i};
  auto decoded = handoff::DecodeRequest(handoff::EncodeRequest(request));
  ASSERT_TRUE(decoded.ok()) << decoded.error().detail;
  EXPECT_EQ(*decoded, request);
}

TEST(DatFileDecode, ResultMapsFileOrderOntoNamedFields) {
  auto rects = handoff::DecodeResult(
      ToBytes(NumbersText({12, 30, 40, 50, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})));
  ASSERT_TRUE(rects.ok());
  EXPECT_EQ((*rects)[0], (ExchangeRect{.x1 = 12, .y1 = 30, .x2 = 40, .y2 = 50}));
  EXPECT_EQ((*rects)[4], (ExchangeRect{.x1 = 13, .y1 = 14, .x2 = 15, .y2 = 16}));
}

TEST(DatFileDecode, NumbersReadLikeScanfPercentI) {
  // Leading white space, signs, hexadecimal and octal are all what "%i"
  // accepts; the byte after each number is skipped whatever it is.
  std::string text;
  for (const char* piece : {" 12", "-7", "+5", " 0x1F", "010"}) {
    text += piece;
    text.push_back('\0');
  }
  text += "\n3;" + NumbersText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  auto rects = handoff::DecodeResult(ToBytes(text));
  ASSERT_TRUE(rects.ok()) << rects.error().detail;
  EXPECT_EQ((*rects)[0], (ExchangeRect{.x1 = 12, .y1 = -7, .x2 = 5, .y2 = 31}));
  EXPECT_EQ((*rects)[1].x1, 8);
  EXPECT_EQ((*rects)[1].y1, 3);
}

TEST(DatFileDecode, LastSeparatorMayBeMissing) {
  std::string text = NumbersText({1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4});
  text.pop_back();
  auto rects = handoff::DecodeResult(ToBytes(text));
  ASSERT_TRUE(rects.ok());
  EXPECT_EQ((*rects)[4].y2, 4);
}

TEST(DatFileDecode, DamagedNumbersAreRefusedNamingTheField) {
  // Too few numbers, a letter instead of a number, a value beyond 32 bits:
  // each used to leave a field undefined, now the whole file is refused.
  std::string shortFile = NumbersText({1, 2, 3, 4, 5, 6});
  auto a = handoff::DecodeResult(ToBytes(shortFile));
  ASSERT_FALSE(a.ok());
  EXPECT_EQ(a.error().code, gamefile::ErrorCode::Truncated);
  EXPECT_NE(a.error().detail.find("x2 von Fehler 2"), std::string::npos) << a.error().detail;

  std::string letter = NumbersText({1, 2, 3}) + "abc" + '\0' + NumbersText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_FALSE(handoff::DecodeResult(ToBytes(letter)).ok());

  std::string huge = std::string("4294967296") + '\0' + NumbersText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_FALSE(handoff::DecodeResult(ToBytes(huge)).ok());

  std::string twoSeparators = NumbersText({1}) + std::string(1, '\0') + NumbersText({2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_FALSE(handoff::DecodeResult(ToBytes(twoSeparators)).ok());

  EXPECT_FALSE(handoff::DecodeResult(Bytes{}).ok());
}

TEST(DatFileDecode, Int32LimitsAreAccepted) {
  std::string text = NumbersText({2147483647}) + std::string("-2147483648") + '\0' +
                     NumbersText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  auto rects = handoff::DecodeResult(ToBytes(text));
  ASSERT_TRUE(rects.ok()) << rects.error().detail;
  EXPECT_EQ((*rects)[0].x1, 2147483647);
  EXPECT_EQ((*rects)[0].y1, -2147483647 - 1);
  std::string over = std::string("2147483648") + '\0' + NumbersText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_FALSE(handoff::DecodeResult(ToBytes(over)).ok());
}

TEST(DatFileDecode, RequestWithPathsOnlyIsRefusedButPathsEndAtEndOfFile) {
  std::string noNumbers = std::string("a.jpg") + '\0' + "b.jpg";
  auto request = handoff::DecodeRequest(ToBytes(noNumbers));
  EXPECT_FALSE(request.ok());
  const PairRequest paths = handoff::DecodeRequestPaths(ToBytes(noNumbers));
  EXPECT_EQ(paths.picture1Path, "a.jpg");
  EXPECT_EQ(paths.picture2Path, "b.jpg");
  // The editor's own result file read as a request: the first two numbers
  // become the "paths" and the rest is too short - refused, not misread.
  EXPECT_FALSE(handoff::DecodeRequest(handoff::EncodeResult(ExchangeRects{})).ok());
}

class DatFileOnDisk : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return temp_.file(name); }
  testsupport::TempDir temp_{"handoff"};
  std::filesystem::path dir_ = temp_.path();
};

TEST_F(DatFileOnDisk, ResultReplacesRequestWholeAndReadsBack) {
  const std::string path = Path(handoff::kDatFileName);
  PairRequest request{"eins.jpg", "zwei.jpg", {}};
  ASSERT_TRUE(handoff::WriteRequestFile(path, request).ok());
  auto readBack = handoff::ReadRequestFile(path);
  ASSERT_TRUE(readBack.ok());
  EXPECT_EQ(*readBack, request);

  ExchangeRects rects{};
  rects[2] = {80, 90, 490, 430};
  ASSERT_TRUE(handoff::WriteResultFile(path, rects).ok());
  EXPECT_EQ(std::filesystem::file_size(path), handoff::EncodeResult(rects).size());
  auto result = handoff::ReadResultFile(path);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(*result, rects);
  // Only dat.txt is left: no temporary files beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(DatFileOnDisk, MissingFileAndUnwritableFolderAreErrors) {
  auto missing = handoff::ReadResultFile(Path("fehlt.txt"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, gamefile::ErrorCode::CannotOpen);
  EXPECT_FALSE(handoff::WriteResultFile(Path("kein/ordner/dat.txt"), ExchangeRects{}).ok());
}

}  // namespace

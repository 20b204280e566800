#include "gamefile/game_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "gamefile/jpeg_info.h"
#include "gamefile/little_endian.h"
#include "gamefile/text_encoding.h"
#include "test_support.h"

using namespace gamefile;
using testsupport::FakeJpeg;
using testsupport::Picture;

namespace {

RectSet SampleRects() {
  return {Rect{10, 40, 20, 60}, Rect{100, 130, 100, 150}, Rect{200, 240, 5, 30},
          Rect{300, 490, 300, 430}, Rect{}};
}

std::uint16_t U16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

}  // namespace

TEST(NameFile, LayoutIsNameZeroDescriptionZero) {
  EXPECT_EQ(EncodeNameFile({"Abc", ""}), (Bytes{'A', 'b', 'c', 0, 0}));
  Bytes twoLines = EncodeNameFile({"N", "eins\r\nzwei"});
  EXPECT_EQ(twoLines, (Bytes{'N', 0, 'e', 'i', 'n', 's', '\r', '\n', 'z', 'w', 'e', 'i', 0}));
}

TEST(NameFile, DecodeStopsAtZeroAndToleratesMissingTerminators) {
  const Bytes withTrailer = {'A', 0, 'B', 0, 'x', 'y'};
  EXPECT_EQ(DecodeNameFile(withTrailer).name, "A");
  EXPECT_EQ(DecodeNameFile(withTrailer).description, "B");
  const Bytes unterminated = {'A', 'b'};
  EXPECT_EQ(DecodeNameFile(unterminated).name, "Ab");
  EXPECT_EQ(DecodeNameFile(unterminated).description, "");
  EXPECT_EQ(DecodeNameFile({}).name, "");
}

TEST(NameFile, RoundTripThroughDiskKeepsWindows1252Bytes) {
  testsupport::TempDir dir;
  NameFile original{Utf8ToCp1252("Urlaub in Österreich"), Utf8ToCp1252("Fünf Fehler\r\npro Bild")};
  ASSERT_TRUE(WriteNameFile(dir.file("Urlaub.vst"), original).ok());
  auto read = ReadNameFile(dir.file("Urlaub.vst"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->name, original.name);
  EXPECT_EQ(read->name[10], '\xD6');  // Ö as one Windows-1252 byte
  EXPECT_EQ(Cp1252ToUtf8(read->description), "Fünf Fehler\r\npro Bild");
  EXPECT_EQ(ReadNameFile(dir.file("fehlt.vst")).error().code, ErrorCode::CannotOpen);
}

TEST(NameFile, PicturePairFileIsFullNamePlusSuffix) {
  EXPECT_EQ(PicturePairPathFor("/home/a/Urlaub.vst"), "/home/a/Urlaub.vst.qxs");
  EXPECT_EQ(PicturePairPathFor("x"), "x.qxs");
}

TEST(TextEncoding, ConvertsTheWholeCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\x80"), "äöüß€");
  EXPECT_EQ(Utf8ToCp1252("äöüß€„“"), "\xE4\xF6\xFC\xDF\x80\x84\x93");
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");  // truncated sequence
  for (int byte = 1; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
  }
}

TEST(PicturePairFile, OnePairHasTheDocumentedLayout) {
  std::vector<PictureRecord> pair = {Picture(1, SampleRects()), Picture(2)};
  const std::size_t s1 = pair[0].jpeg.size(), s2 = pair[1].jpeg.size();
  Bytes file = EncodePicturePairFile(pair);
  ASSERT_EQ(file.size(), 2 + (52 + s1) + (52 + s2));
  EXPECT_EQ(U16(file, 0), 1);
  EXPECT_EQ((Bytes(file.begin() + 2, file.begin() + 6)), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(U16(file, 6), s1);
  EXPECT_EQ(file[10], 0xEA);
  EXPECT_EQ(file[11], 0x01);
  EXPECT_EQ(file[12], 0xAE);
  EXPECT_EQ(file[13], 0x01);
  EXPECT_EQ((Bytes(file.begin() + 14, file.begin() + 14 + s1)), pair[0].jpeg);
  const std::size_t rects = 14 + s1;
  EXPECT_EQ(U16(file, rects), 10);      // x1
  EXPECT_EQ(U16(file, rects + 2), 40);  // x2
  EXPECT_EQ(U16(file, rects + 4), 20);  // y1
  EXPECT_EQ(U16(file, rects + 6), 60);  // y2
  const std::size_t second = rects + 40;
  EXPECT_EQ(file[second + 8], 0xEA);
  EXPECT_EQ(file[second + 10], 0xAE);
}

TEST(PicturePairFile, RoundTripThroughDisk) {
  testsupport::TempDir dir;
  std::vector<PictureRecord> records;
  for (int i = 0; i < 6; ++i) records.push_back(Picture(static_cast<std::uint8_t>(i), i % 2 ? RectSet{} : SampleRects()));
  ASSERT_TRUE(WritePicturePairFile(dir.file("a.qxs"), records).ok());
  auto read = ReadPicturePairFile(dir.file("a.qxs"));
  ASSERT_TRUE(read.ok()) << read.error().detail;
  EXPECT_EQ(*read, records);

  auto index = ScanPicturePairFile(dir.file("a.qxs"));
  ASSERT_TRUE(index.ok());
  EXPECT_EQ(index->pairCount, 3);
  ASSERT_EQ(index->records.size(), 6u);
  auto fifth = ReadPictureFromFile(dir.file("a.qxs"), *index, 4);
  ASSERT_TRUE(fifth.ok());
  EXPECT_EQ(fifth->jpeg, records[4].jpeg);
  EXPECT_EQ(fifth->rects, records[4].rects);
  EXPECT_EQ(fifth->widthField, 490);
}

TEST(PicturePairFile, SharedPictureTakesBytesFromItsSourceAndKeepsItsOwnRects) {
  std::vector<PictureRecord> records = {Picture(7, SampleRects()), Picture(8)};
  PictureRecord shared;
  shared.sourceIndex = 0;  // shows the first record's picture
  shared.rects = {Rect{1, 2, 3, 4}};
  records.push_back(shared);
  records.push_back(Picture(9));
  Bytes file = EncodePicturePairFile(records);
  auto index = ScanPicturePairs(file);
  ASSERT_TRUE(index.ok()) << index.error().detail;
  auto picture = ReadPicture(file, *index, 2);
  ASSERT_TRUE(picture.ok());
  EXPECT_EQ(picture->jpeg, records[0].jpeg);
  EXPECT_EQ(picture->rects, shared.rects);
  // The walk past a shared record still skips exactly its own byte count.
  EXPECT_EQ(ReadPicture(file, *index, 3)->jpeg, records[3].jpeg);
}

TEST(PicturePairFile, SourceIndexMustNameARecordWithOwnBytes) {
  const auto withSource = [](std::int32_t source) {
    std::vector<PictureRecord> records = {Picture(1), Picture(2)};
    records[1].sourceIndex = source;
    records[1].jpeg.clear();
    return EncodePicturePairFile(records);
  };
  EXPECT_TRUE(ScanPicturePairs(withSource(0)).ok());
  EXPECT_EQ(ScanPicturePairs(withSource(2)).error().code, ErrorCode::BadSourceIndex);
  EXPECT_EQ(ScanPicturePairs(withSource(-2)).error().code, ErrorCode::BadSourceIndex);
  EXPECT_EQ(ScanPicturePairs(withSource(1)).error().code, ErrorCode::BadSourceIndex);  // itself
  EXPECT_EQ(ScanPicturePairs(withSource(0x7FFFFFFF)).error().code, ErrorCode::BadSourceIndex);
}

TEST(PicturePairFile, DamagedFilesGiveErrorsNeverCrashes) {
  std::vector<PictureRecord> records = {Picture(1, SampleRects()), Picture(2), Picture(3), Picture(4)};
  const Bytes good = EncodePicturePairFile(records);
  ASSERT_TRUE(ScanPicturePairs(good).ok());
  // Cut anywhere: every prefix is refused, never read past its end.
  for (std::size_t length = 0; length < good.size(); ++length) {
    const Bytes cut(good.begin(), good.begin() + length);
    EXPECT_FALSE(ScanPicturePairs(cut).ok()) << length;
    EXPECT_FALSE(ReadPicturePairs(cut).ok()) << length;
  }

  Bytes zeroPairs = good;
  zeroPairs[0] = zeroPairs[1] = 0;
  EXPECT_EQ(ScanPicturePairs(zeroPairs).error().code, ErrorCode::ZeroPairs);

  Bytes moreThanThere = good;
  moreThanThere[0] = 0xFF;
  moreThanThere[1] = 0xFF;  // claims 65535 pairs
  EXPECT_EQ(ScanPicturePairs(moreThanThere).error().code, ErrorCode::Truncated);

  Bytes lyingCount = good;
  lyingCount[6] = lyingCount[7] = lyingCount[8] = lyingCount[9] = 0xFF;  // S = 4 GiB
  EXPECT_EQ(ScanPicturePairs(lyingCount).error().code, ErrorCode::CountBeyondFile);

  Bytes oneOff = good;
  oneOff[6] += 1;  // S one byte too long shifts every later record
  EXPECT_FALSE(ScanPicturePairs(oneOff).ok());
}

TEST(PicturePairFile, BytesAfterTheLastRecordAreIgnored) {
  Bytes file = EncodePicturePairFile(std::vector<PictureRecord>{Picture(1), Picture(2)});
  file.push_back(0xAB);
  EXPECT_TRUE(ScanPicturePairs(file).ok());
}

// The built-in pictures' file: records walked by their byte counts without
// reading the leading count, which there is not a pair count.
TEST(PicturePairFile, RecordsCanBeWalkedWithoutTheirCount) {
  std::vector<PictureRecord> records = {Picture(1, SampleRects()), Picture(2), Picture(3)};
  records[2].widthField = 1024;
  Bytes file = EncodePicturePairFile(records);
  file[0] = 0x08;  // a count the walk must not believe
  auto walked = ScanPictureRecords(file, 3);
  ASSERT_TRUE(walked.ok());
  ASSERT_EQ(walked->size(), 3u);
  EXPECT_EQ((*walked)[0].rects, SampleRects());
  EXPECT_EQ((*walked)[2].widthField, 1024);
  EXPECT_EQ((*walked)[2].byteCount, records[2].jpeg.size());
  EXPECT_EQ(Bytes(file.begin() + (*walked)[1].offset + kRecordHeaderSize,
                  file.begin() + (*walked)[1].offset + kRecordHeaderSize + (*walked)[1].byteCount),
            records[1].jpeg);
  EXPECT_FALSE(ScanPictureRecords(file, 4).ok());
  file.pop_back();  // the last rectangle block cut short
  EXPECT_EQ(ScanPictureRecords(file, 3).error().code, ErrorCode::Truncated);
  EXPECT_TRUE(ScanPictureRecords(file, 2).ok());
}

TEST(JpegInfo, ReadsSizeAndJfifMark) {
  auto info = ReadJpegInfo(FakeJpeg(488, 430));
  EXPECT_TRUE(info.isJpeg);
  EXPECT_TRUE(info.hasJfifMark);
  EXPECT_EQ(info.width, 488);
  EXPECT_EQ(info.height, 430);
  EXPECT_TRUE(IsGamePicture(info));
  EXPECT_FALSE(IsGamePicture(ReadJpegInfo(FakeJpeg(488, 430, false))));
  EXPECT_FALSE(IsGamePicture(ReadJpegInfo(FakeJpeg(490, 430))));
  const Bytes notJpeg = {'B', 'M', 0, 0};
  EXPECT_FALSE(ReadJpegInfo(notJpeg).isJpeg);
  const Bytes good = FakeJpeg(488, 430);
  // Every cut before the frame header's width is complete leaves no size to read.
  for (std::size_t length = 0; length < 29; ++length)
    EXPECT_FALSE(ReadJpegInfo(std::span(good.data(), length)).isJpeg) << length;
}

// A difference's rectangle side: widened about its middle, kept inside the
// picture, then out to whole 8-pixel blocks.
TEST(JpegInfo, SpansFitToWholeBlocksInsideThePicture) {
  struct Case {
    int lo, hi, extent, minSide, wantLo, wantHi;
  };
  const Case cases[] = {
      {100, 140, 488, 32, 96, 144},  // long enough: only out to blocks
      {100, 104, 488, 32, 80, 120},  // too short: 32 about the middle, then blocks
      {-5, 10, 488, 32, 0, 32},      // past the start: moved in
      {470, 490, 488, 32, 456, 488}, // past the end: moved in, the end stays the edge
      {0, 430, 430, 32, 0, 430},     // the whole side
  };
  for (const Case& c : cases) {
    int lo = c.lo, hi = c.hi;
    FitSpanToBlocks(lo, hi, c.extent, c.minSide);
    EXPECT_EQ(lo, c.wantLo) << c.lo << ".." << c.hi;
    EXPECT_EQ(hi, c.wantHi) << c.lo << ".." << c.hi;
  }
}

TEST(AtomicWrite, FailureLeavesThePreviousFileAndNoTemporary) {
  testsupport::TempDir dir;
  const std::string path = dir.file("keep.dat");
  const Bytes first = {1, 2, 3};
  ASSERT_TRUE(WriteFileAtomically(path, first).ok());
  EXPECT_FALSE(WriteFileAtomically(dir.file("missing/sub.dat"), first).ok());
  // Renaming onto a directory fails after the data was written.
  std::filesystem::create_directory(dir.file("adir"));
  std::filesystem::create_directory(dir.file("adir/inner"));
  EXPECT_FALSE(WriteFileAtomically(dir.file("adir"), first).ok());
  // Leaving the flush to the kernel changes nothing of that.
  EXPECT_FALSE(WriteFileAtomically(dir.file("adir"), first, Flush::Later).ok());
  EXPECT_EQ(*ReadWholeFile(path), first);
  const Bytes second = {9, 8};
  ASSERT_TRUE(WriteFileAtomically(path, second, Flush::Later).ok());
  EXPECT_EQ(*ReadWholeFile(path), second);
  ASSERT_TRUE(WriteFileAtomically(path, first).ok());
  std::size_t entries = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2u);  // keep.dat and adir only
}

TEST(StagedFile, TargetChangesOnlyOnCommitAndAnAbandonedFileLeavesNothing) {
  testsupport::TempDir dir;
  const std::string path = dir.file("big.qxs");
  ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}).ok());
  {
    StagedFile staged(path);
    ASSERT_TRUE(staged.isOpen());
    EXPECT_TRUE(staged.Write(Bytes{4, 5}));
    EXPECT_TRUE(staged.Write(Bytes{6}));
    EXPECT_EQ(*ReadWholeFile(path), (Bytes{1, 2, 3}));  // the old file stays until the end
  }  // abandoned, as when a picture cannot be read halfway
  EXPECT_EQ(*ReadWholeFile(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(dir.names().size(), 1u);
  {
    StagedFile staged(path);
    EXPECT_TRUE(staged.Write(Bytes{4, 5}));
    EXPECT_TRUE(staged.Commit(Flush::Later));
    EXPECT_FALSE(staged.Commit());  // once only
  }
  EXPECT_EQ(*ReadWholeFile(path), (Bytes{4, 5}));
  EXPECT_EQ(dir.names().size(), 1u);
  StagedFile nowhere(dir.file("missing/x.qxs"));
  EXPECT_FALSE(nowhere.isOpen());
  EXPECT_FALSE(nowhere.Write(Bytes{1}));
  EXPECT_FALSE(nowhere.Commit());
}

TEST(LittleEndian, ReadsBackWhatTheWriterPuts) {
  Bytes out;
  PutU16(out, 0xBEEF);
  PutU32(out, 0x89ABCDEFu);
  PutU16(out, 0x12345);  // only the low 16 bits
  ASSERT_EQ(out.size(), 8u);
  EXPECT_EQ(out[0], 0xEF);
  EXPECT_EQ(GetU16(&out[0]), 0xBEEF);
  EXPECT_EQ(GetU32(&out[2]), 0x89ABCDEFu);
  EXPECT_EQ(GetU16(&out[6]), 0x2345);
}

TEST(ReadWholeFile, RefusesFilesAboveTheLimit) {
  testsupport::TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.file("big"), Bytes(1000, 7)).ok());
  EXPECT_EQ(ReadWholeFile(dir.file("big"), 999).error().code, ErrorCode::TooLarge);
  EXPECT_EQ(ReadWholeFile(dir.file("big"), 1000)->size(), 1000u);
}

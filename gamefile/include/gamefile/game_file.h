#pragma once
// The game-file format: the name file (".vst") and the picture-pair file
// (the name file's full name plus ".qxs"). All integers little-endian.
//
// Picture-pair file: u16 pair count N, then 2N picture records.
// Picture record:    i32 source index (-1 = own JPEG bytes), u32 byte count S,
//                    u16 width field (490), u16 height field (430), S bytes of
//                    JPEG, five rectangles of u16 x1, x2, y1, y2.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/result.h"

namespace gamefile {

inline constexpr int kRectsPerPicture = 5;
inline constexpr std::uint16_t kWidthField = 490;
inline constexpr std::uint16_t kHeightField = 430;
inline constexpr std::int32_t kOwnBytes = -1;
inline constexpr std::size_t kRecordHeaderSize = 12;   // index, S, width, height
inline constexpr std::size_t kRectBlockSize = 40;
inline constexpr std::size_t kMaxPairsWritten = 512;

// A difference rectangle in picture coordinates, in the stored field order.
struct Rect {
  std::uint16_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  bool operator==(const Rect&) const = default;
};
using RectSet = std::array<Rect, kRectsPerPicture>;

struct PictureRecord {
  std::int32_t sourceIndex = kOwnBytes;
  std::uint16_t widthField = kWidthField;
  std::uint16_t heightField = kHeightField;
  Bytes jpeg;        // the record's own bytes (may be empty when shared)
  RectSet rects{};
  bool operator==(const PictureRecord&) const = default;
};

// Name and description as stored: Windows-1252 bytes, description line
// breaks as "\r\n".
struct NameFile {
  std::string name;
  std::string description;
};

// Name file ---------------------------------------------------------------

Bytes EncodeNameFile(const NameFile& nameFile);
// Each string ends at the first 0x00; a missing terminator ends it at the
// end of the file (a damaged file still shows what it holds).
NameFile DecodeNameFile(std::span<const std::uint8_t> bytes);
Result<NameFile> ReadNameFile(const std::string& path);
Status WriteNameFile(const std::string& path, const NameFile& nameFile);

// The picture-pair file that belongs to a name file.
std::string PicturePairPathFor(const std::string& nameFilePath);

// Picture-pair file -------------------------------------------------------

// A record's parts around its JPEG bytes, for writers that stream those
// bytes from elsewhere.
void PutRecordHeader(Bytes& out, std::int32_t sourceIndex, std::uint32_t byteCount, std::uint16_t widthField,
                     std::uint16_t heightField);
void PutRects(Bytes& out, const RectSet& rects);

Bytes EncodePicturePairFile(std::span<const PictureRecord> records);
Status WritePicturePairFile(const std::string& path, std::span<const PictureRecord> records);

// Where one record lies in its file, as found by skipping records by their
// byte counts the way the game walks the file.
struct RecordLocation {
  std::uint64_t offset = 0;       // of the source-index field
  std::int32_t sourceIndex = kOwnBytes;
  std::uint32_t byteCount = 0;
  std::uint16_t widthField = 0;
  std::uint16_t heightField = 0;
  RectSet rects{};
};

// A validated table of a picture-pair file's records. Scanning checks every
// count against the file before anything is allocated: a pair count of 0,
// fewer records than the count, a byte count beyond the end, a truncated
// rectangle block and a source index naming no record with own bytes are
// all errors.
struct PicturePairIndex {
  std::uint16_t pairCount = 0;
  std::uint64_t fileSize = 0;
  std::vector<RecordLocation> records;  // 2 * pairCount entries
};

Result<PicturePairIndex> ScanPicturePairs(std::span<const std::uint8_t> bytes);
Result<PicturePairIndex> ScanPicturePairFile(const std::string& path);

// The first `count` records of a file laid out like a picture-pair file
// whose leading u16 is not read (the built-in pictures), walked by their
// byte counts with the same checks as a record of a picture-pair file.
Result<std::vector<RecordLocation>> ScanPictureRecords(std::span<const std::uint8_t> bytes, std::size_t count);

// One picture ready to decode: JPEG bytes (taken from the source record
// when shared), the size fields of that record and this record's rectangles.
struct ResolvedPicture {
  Bytes jpeg;
  std::uint16_t widthField = 0;
  std::uint16_t heightField = 0;
  RectSet rects{};
};

Result<ResolvedPicture> ReadPicture(std::span<const std::uint8_t> bytes,
                                    const PicturePairIndex& index, std::size_t recordIndex);
Result<ResolvedPicture> ReadPictureFromFile(const std::string& path,
                                            const PicturePairIndex& index, std::size_t recordIndex);

// Reads all records into memory (tools and tests; the game reads per pair).
Result<std::vector<PictureRecord>> ReadPicturePairs(std::span<const std::uint8_t> bytes);
Result<std::vector<PictureRecord>> ReadPicturePairFile(const std::string& path);

}  // namespace gamefile

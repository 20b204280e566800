#include "gamefile/game_file.h"
#include "gamefile/little_endian.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace gamefile {
namespace {

// Random access to a picture-pair file, either held in memory or on disk,
// so the validating walk is written once.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t size() const = 0;
  // Reads exactly n bytes at offset; false if they are not all there.
  virtual bool read(std::uint64_t offset, void* destination, std::size_t n) = 0;
};

class SpanSource final : public ByteSource {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool read(std::uint64_t offset, void* destination, std::size_t n) override {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    if (n == 0) return true;  // an empty destination may be a null pointer
    std::memcpy(destination, bytes_.data() + offset, n);
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb"), &std::fclose) {
    if (file_ && std::fseek(file_.get(), 0, SEEK_END) == 0) {
      long end = std::ftell(file_.get());
      if (end >= 0) size_ = static_cast<std::uint64_t>(end);
    }
  }
  bool isOpen() const { return file_ != nullptr; }
  std::uint64_t size() const override { return size_; }
  bool read(std::uint64_t offset, void* destination, std::size_t n) override {
    if (offset > size_ || n > size_ - offset) return false;
    if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fread(destination, 1, n, file_.get()) == n;
  }

 private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::uint64_t size_ = 0;
};


RectSet DecodeRects(const std::uint8_t* p) {
  RectSet rects;
  for (auto& r : rects) {
    r = Rect{GetU16(p), GetU16(p + 2), GetU16(p + 4), GetU16(p + 6)};
    p += 8;
  }
  return rects;
}

std::string RecordLabel(std::size_t recordIndex) {
  return "Bild " + std::to_string(recordIndex + 1);
}

Result<RecordLocation> ScanRecord(ByteSource& source, std::uint64_t offset, std::size_t recordIndex) {
  std::uint8_t header[kRecordHeaderSize];
  if (!source.read(offset, header, sizeof header))
    return Error{ErrorCode::Truncated, "Die Datei endet vor " + RecordLabel(recordIndex) + "."};
  RecordLocation location;
  location.offset = offset;
  location.sourceIndex = static_cast<std::int32_t>(GetU32(header));
  location.byteCount = GetU32(header + 4);
  location.widthField = GetU16(header + 8);
  location.heightField = GetU16(header + 10);

  const std::uint64_t afterHeader = offset + kRecordHeaderSize;
  if (location.byteCount > source.size() - afterHeader)
    return Error{ErrorCode::CountBeyondFile,
                 "Die Bytezahl von " + RecordLabel(recordIndex) + " reicht über das Dateiende hinaus."};
  std::uint8_t rects[kRectBlockSize];
  if (!source.read(afterHeader + location.byteCount, rects, sizeof rects))
    return Error{ErrorCode::Truncated,
                 "Die Rechtecke von " + RecordLabel(recordIndex) + " sind unvollständig."};
  location.rects = DecodeRects(rects);
  return location;
}

// The first `count` records after the leading u16, each found by skipping
// the one before it by its byte count.
Result<std::vector<RecordLocation>> ScanRecords(ByteSource& source, std::uint64_t count) {
  std::vector<RecordLocation> records;
  records.reserve(count);
  std::uint64_t offset = 2;
  for (std::size_t i = 0; i < count; ++i) {
    auto location = ScanRecord(source, offset, i);
    if (!location) return location.error();
    offset = location->offset + kRecordHeaderSize + location->byteCount + kRectBlockSize;
    records.push_back(*location);
  }
  return records;
}

Status CheckSourceIndexes(const PicturePairIndex& index) {
  for (std::size_t i = 0; i < index.records.size(); ++i) {
    const std::int32_t source = index.records[i].sourceIndex;
    if (source == kOwnBytes) continue;
    // Only records with their own bytes may be shared: this rules out chains
    // and cycles, which the game's one-step lookup cannot follow.
    if (source < 0 || static_cast<std::size_t>(source) >= index.records.size() ||
        index.records[source].sourceIndex != kOwnBytes)
      return Error{ErrorCode::BadSourceIndex,
                   RecordLabel(i) + " verweist auf ein Bild, das es nicht gibt."};
  }
  return Success();
}

Result<PicturePairIndex> Scan(ByteSource& source) {
  std::uint8_t countBytes[2];
  if (!source.read(0, countBytes, 2)) return Error{ErrorCode::Truncated, "Die Datei ist leer."};
  PicturePairIndex index;
  index.pairCount = GetU16(countBytes);
  index.fileSize = source.size();
  if (index.pairCount == 0) return Error{ErrorCode::ZeroPairs, "Die Datei enthält keine Bildpaare."};

  // Every record needs at least its header and rectangles, so a count the
  // file cannot hold is refused before anything is reserved for it.
  const std::uint64_t recordCount = 2u * index.pairCount;
  if (recordCount * (kRecordHeaderSize + kRectBlockSize) > source.size() - 2)
    return Error{ErrorCode::Truncated, "Die Datei enthält weniger Bilder als angegeben."};
  auto records = ScanRecords(source, recordCount);
  if (!records) return records.error();
  index.records = std::move(*records);
  if (auto status = CheckSourceIndexes(index); !status) return status.error();
  return index;
}

// The picture a record's header points at, with the rectangles given: the
// size fields and the JPEG bytes behind the header. A file that shrank since
// it was scanned no longer holds them.
template <typename Picture>
Result<Picture> ReadPicture(ByteSource& source, const RecordLocation& carrier, const RectSet& rects) {
  Picture picture;
  picture.widthField = carrier.widthField;
  picture.heightField = carrier.heightField;
  picture.rects = rects;
  picture.jpeg.resize(carrier.byteCount);
  if (!source.read(carrier.offset + kRecordHeaderSize, picture.jpeg.data(), carrier.byteCount))
    return Error{ErrorCode::Truncated, "Die Datei wurde während des Lesens verändert."};
  return picture;
}

Result<ResolvedPicture> Resolve(ByteSource& source, const PicturePairIndex& index, std::size_t recordIndex) {
  if (recordIndex >= index.records.size())
    return Error{ErrorCode::BadSourceIndex, RecordLabel(recordIndex) + " gibt es nicht."};
  const RecordLocation& own = index.records[recordIndex];
  const RecordLocation& carrier = own.sourceIndex == kOwnBytes ? own : index.records[own.sourceIndex];
  return ReadPicture<ResolvedPicture>(source, carrier, own.rects);
}

Result<std::vector<PictureRecord>> ReadAll(ByteSource& source) {
  auto index = Scan(source);
  if (!index) return index.error();
  std::vector<PictureRecord> records;
  records.reserve(index->records.size());
  for (const RecordLocation& location : index->records) {
    auto record = ReadPicture<PictureRecord>(source, location, location.rects);
    if (!record) return record.error();
    record->sourceIndex = location.sourceIndex;
    records.push_back(std::move(*record));
  }
  return records;
}

Error CannotOpen(const std::string& path) {
  return Error{ErrorCode::CannotOpen, "Datei kann nicht geöffnet werden: " + path};
}

}  // namespace

// Name file ---------------------------------------------------------------

Bytes EncodeNameFile(const NameFile& nameFile) {
  Bytes out(nameFile.name.begin(), nameFile.name.end());
  out.push_back(0);
  out.insert(out.end(), nameFile.description.begin(), nameFile.description.end());
  out.push_back(0);
  return out;
}

NameFile DecodeNameFile(std::span<const std::uint8_t> bytes) {
  NameFile result;
  std::size_t pos = 0;
  while (pos < bytes.size() && bytes[pos] != 0) result.name += static_cast<char>(bytes[pos++]);
  ++pos;
  while (pos < bytes.size() && bytes[pos] != 0) result.description += static_cast<char>(bytes[pos++]);
  return result;
}

Result<NameFile> ReadNameFile(const std::string& path) {
  // Name and description are short texts; a megabyte is far beyond any real one.
  auto bytes = ReadWholeFile(path, 1u << 20);
  if (!bytes) return bytes.error();
  return DecodeNameFile(*bytes);
}

Status WriteNameFile(const std::string& path, const NameFile& nameFile) {
  return WriteFileAtomically(path, EncodeNameFile(nameFile));
}

std::string PicturePairPathFor(const std::string& nameFilePath) { return nameFilePath + ".qxs"; }

// Picture-pair file -------------------------------------------------------

void PutRecordHeader(Bytes& out, std::int32_t sourceIndex, std::uint32_t byteCount, std::uint16_t widthField,
                     std::uint16_t heightField) {
  PutU32(out, static_cast<std::uint32_t>(sourceIndex));
  PutU32(out, byteCount);
  PutU16(out, widthField);
  PutU16(out, heightField);
}

void PutRects(Bytes& out, const RectSet& rects) {
  for (const Rect& r : rects) {
    PutU16(out, r.x1);
    PutU16(out, r.x2);
    PutU16(out, r.y1);
    PutU16(out, r.y2);
  }
}

Bytes EncodePicturePairFile(std::span<const PictureRecord> records) {
  std::size_t total = 2;
  for (const auto& record : records) total += kRecordHeaderSize + record.jpeg.size() + kRectBlockSize;
  Bytes out;
  out.reserve(total);
  PutU16(out, static_cast<std::uint16_t>(records.size() / 2));
  for (const auto& record : records) {
    PutRecordHeader(out, record.sourceIndex, static_cast<std::uint32_t>(record.jpeg.size()), record.widthField,
                    record.heightField);
    out.insert(out.end(), record.jpeg.begin(), record.jpeg.end());
    PutRects(out, record.rects);
  }
  return out;
}

Status WritePicturePairFile(const std::string& path, std::span<const PictureRecord> records) {
  return WriteFileAtomically(path, EncodePicturePairFile(records));
}

Result<std::vector<RecordLocation>> ScanPictureRecords(std::span<const std::uint8_t> bytes, std::size_t count) {
  SpanSource source(bytes);
  return ScanRecords(source, count);
}

Result<PicturePairIndex> ScanPicturePairs(std::span<const std::uint8_t> bytes) {
  SpanSource source(bytes);
  return Scan(source);
}

Result<PicturePairIndex> ScanPicturePairFile(const std::string& path) {
  FileSource source(path);
  if (!source.isOpen()) return CannotOpen(path);
  return Scan(source);
}

Result<ResolvedPicture> ReadPicture(std::span<const std::uint8_t> bytes, const PicturePairIndex& index,
                                    std::size_t recordIndex) {
  SpanSource source(bytes);
  return Resolve(source, index, recordIndex);
}

Result<ResolvedPicture> ReadPictureFromFile(const std::string& path, const PicturePairIndex& index,
                                            std::size_t recordIndex) {
  FileSource source(path);
  if (!source.isOpen()) return CannotOpen(path);
  return Resolve(source, index, recordIndex);
}

Result<std::vector<PictureRecord>> ReadPicturePairs(std::span<const std::uint8_t> bytes) {
  SpanSource source(bytes);
  return ReadAll(source);
}

Result<std::vector<PictureRecord>> ReadPicturePairFile(const std::string& path) {
  FileSource source(path);
  if (!source.isOpen()) return CannotOpen(path);
  return ReadAll(source);
}

}  // namespace gamefile

#include "editor/project_file.h"
#include "gamefile/little_endian.h"

namespace editor {
namespace {

void PutString(std::vector<std::uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(kProjectStringEnd);
}

using gamefile::PutU16;
using gamefile::PutU32;

void PutRecord(std::vector<std::uint8_t>& out, const PictureSlot& slot) {
  PutString(out, slot.path);
  PutString(out, slot.fileName);
  PutU32(out, static_cast<std::uint32_t>(slot.sourceIndex));
  PutU32(out, slot.byteCount);
  PutU16(out, static_cast<std::uint32_t>(slot.widthField));
  PutU16(out, static_cast<std::uint32_t>(slot.heightField));
  out.push_back(slot.colourKeyFlag);
  PutU16(out, slot.colourKey1);
  PutU16(out, slot.colourKey2);
  for (int i = 0; i < kRectsUsed; ++i) {
    PutU16(out, static_cast<std::uint32_t>(slot.rects.x1[i]));
    PutU16(out, static_cast<std::uint32_t>(slot.rects.x2[i]));
    PutU16(out, static_cast<std::uint32_t>(slot.rects.y1[i]));
    PutU16(out, static_cast<std::uint32_t>(slot.rects.y2[i]));
  }
  // Two reserved bytes close every record, making it 61 bytes plus the
  // strings; they are written as zero and ignored when read.
  PutU16(out, 0);
}

// Reads forward through the bytes; every read fails once the end is passed.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool String(std::string& text) {
    text.clear();
    for (;;) {
      if (pos_ >= bytes_.size()) return false;
      std::uint8_t b = bytes_[pos_++];
      if (b == kProjectStringEnd) return true;
      text.push_back(static_cast<char>(b));
    }
  }
  bool U8(std::uint8_t& v) {
    if (pos_ + 1 > bytes_.size()) return false;
    v = bytes_[pos_++];
    return true;
  }
  bool U16(std::uint32_t& v) {
    if (pos_ + 2 > bytes_.size()) return false;
    v = gamefile::GetU16(&bytes_[pos_]);
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v) {
    if (pos_ + 4 > bytes_.size()) return false;
    v = gamefile::GetU32(&bytes_[pos_]);
    pos_ += 4;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

bool ReadRecord(Reader& in, PictureSlot& slot) {
  std::uint32_t index = 0, count = 0, width = 0, height = 0, key1 = 0, key2 = 0;
  if (!in.String(slot.path) || !in.String(slot.fileName) || !in.U32(index) || !in.U32(count) ||
      !in.U16(width) || !in.U16(height) || !in.U8(slot.colourKeyFlag) || !in.U16(key1) || !in.U16(key2))
    return false;
  slot.sourceIndex = static_cast<std::int32_t>(index);
  slot.byteCount = count;
  // 16-bit fields come back unsigned: a saved -1 returns as 65535.
  slot.widthField = static_cast<std::int32_t>(width);
  slot.heightField = static_cast<std::int32_t>(height);
  slot.colourKey1 = static_cast<std::uint16_t>(key1);
  slot.colourKey2 = static_cast<std::uint16_t>(key2);
  for (int i = 0; i < kRectsUsed; ++i) {
    std::uint32_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    if (!in.U16(x1) || !in.U16(x2) || !in.U16(y1) || !in.U16(y2)) return false;
    slot.rects.x1[i] = static_cast<std::int32_t>(x1);
    slot.rects.x2[i] = static_cast<std::int32_t>(x2);
    slot.rects.y1[i] = static_cast<std::int32_t>(y1);
    slot.rects.y2[i] = static_cast<std::int32_t>(y2);
  }
  std::uint32_t reserved = 0;
  return in.U16(reserved);
}

}  // namespace

std::vector<std::uint8_t> EncodeProjectFile(const PictureTable& table) {
  std::vector<std::uint8_t> out;
  out.reserve(table.size() * kProjectRecordFixedSize);
  for (const auto& slot : table) {
    PictureSlot saved = slot;
    saved.widthField = kSavedWidthField;
    saved.heightField = kSavedHeightField;
    PutRecord(out, saved);
  }
  return out;
}

void MarkSaved(PictureTable& table) {
  for (auto& slot : table) {
    slot.widthField = kSavedWidthField;
    slot.heightField = kSavedHeightField;
  }
}

std::unique_ptr<PictureTable> DecodeProjectFile(std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  auto table = std::make_unique<PictureTable>();
  for (auto& slot : *table) {
    if (!ReadRecord(in, slot)) return nullptr;
  }
  return table;
}

}  // namespace editor

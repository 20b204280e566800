#include "editor/game_file_builder.h"

#include <cstdio>
#include <memory>

#include "editor/messages.h"
#include "editor/picture_check.h"
#include "gamefile/little_endian.h"
#include "gamefile/text_encoding.h"

namespace editor {
namespace {

using gamefile::StagedFile;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr OpenForReading(const std::string& path) { return FilePtr(std::fopen(path.c_str(), "rb"), &std::fclose); }

// Copies exactly `count` bytes in blocks; false when the file holds fewer.
bool CopyBytes(std::FILE* from, std::uint32_t count, StagedFile& to) {
  std::uint8_t block[64 * 1024];
  while (count > 0) {
    std::size_t want = count < sizeof block ? count : sizeof block;
    std::size_t got = std::fread(block, 1, want, from);
    if (got != want) return false;
    to.Write(std::span<const std::uint8_t>(block, got));
    count -= static_cast<std::uint32_t>(got);
  }
  return true;
}

// The file holds the low 16 bits of each stored value.
gamefile::RectSet StoredRects(const RectTable& rects) {
  gamefile::RectSet stored;
  for (int i = 0; i < kRectsUsed; ++i) {
    stored[i] = {static_cast<std::uint16_t>(rects.x1[i]), static_cast<std::uint16_t>(rects.x2[i]),
                 static_cast<std::uint16_t>(rects.y1[i]), static_cast<std::uint16_t>(rects.y2[i])};
  }
  return stored;
}

FailureMessage WritePictureRecord(PictureSlot& slot, StagedFile& out) {
  FilePtr picture(nullptr, &std::fclose);
  const bool ownBytes = slot.sourceIndex == kOwnBytes;
  if (ownBytes) {
    if (slot.path.empty()) return std::string(text::kNotAllScrambled);
    picture = OpenForReading(slot.path);
    if (!picture) return text::NotAccessible(slot.path);
  }
  // A shared picture carries no bytes of its own, and says so, so that
  // readers skipping records by their byte count stay in step.
  const std::uint32_t byteCount = ownBytes ? slot.byteCount : 0;
  slot.widthField = kSavedWidthField;
  slot.heightField = kSavedHeightField;
  gamefile::Bytes header;
  gamefile::PutRecordHeader(header, slot.sourceIndex, byteCount, static_cast<std::uint16_t>(slot.widthField),
                            static_cast<std::uint16_t>(slot.heightField));
  out.Write(header);
  if (ownBytes && !CopyBytes(picture.get(), byteCount, out)) return text::NotAccessible(slot.path);
  gamefile::Bytes rects;
  gamefile::PutRects(rects, StoredRects(slot.rects));
  out.Write(rects);
  return std::nullopt;
}

}  // namespace

FailureMessage RecheckPictures(PictureTable& table) {
  for (auto& slot : table) {
    if (slot.path.empty()) break;
    const PictureCheck check = CheckPictureFile(slot.path);
    switch (check.verdict) {
      case PictureVerdict::CannotOpen:
        return text::CannotAccessPicture(slot.path);
      case PictureVerdict::NotJfif:
        return text::BuildNotJfif(slot.path);
      case PictureVerdict::WrongSize:
        slot.byteCount = check.byteCount;
        return text::BuildWrongSize(slot.path, check.width, check.height);
      case PictureVerdict::Usable:
        slot.byteCount = check.byteCount;
        break;
    }
  }
  return std::nullopt;
}

FailureMessage CheckSharedPictures(const PictureTable& table, int pairCount) {
  const int written = 2 * pairCount;
  for (int s = 0; s < written; ++s) {
    const std::int32_t source = table[s].sourceIndex;
    if (source == kOwnBytes) continue;
    if (source < 0 || source >= written || table[source].sourceIndex != kOwnBytes)
      return text::BadSharedPicture(s);
  }
  return std::nullopt;
}

FailureMessage WriteGameFile(PictureTable& table, int pairCount, const std::string& nameFilePath,
                             const gamefile::NameFile& nameFile) {
  StagedFile pairs(gamefile::PicturePairPathFor(nameFilePath));
  StagedFile names(nameFilePath);
  if (!pairs.isOpen() || !names.isOpen()) return std::string(text::kCannotOpenOrCreate);

  names.Write(gamefile::EncodeNameFile(nameFile));
  gamefile::Bytes count;
  gamefile::PutU16(count, static_cast<std::uint32_t>(pairCount));
  pairs.Write(count);
  for (int s = 0; s < 2 * pairCount; ++s) {
    if (auto failure = WritePictureRecord(table[s], pairs)) return failure;
    if (!pairs.good()) break;
  }
  // The picture-pair file goes into place first: a name file is what the
  // launcher lists, and it should only appear with its pictures beside it.
  if (!pairs.good() || !names.good() || !pairs.Commit() || !names.Commit())
    return std::string(text::kCannotOpenOrCreate);
  return std::nullopt;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
  const auto slash = path.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  if (fileName.empty() || fileName.find('.') != std::string::npos) return path;
  return path + "." + extension;
}

bool IsAcceptableGameFileName(const std::string& name) { return !name.empty(); }

gamefile::NameFile ToStoredNameFile(const std::string& utf8Name, const std::string& utf8Description) {
  std::string description;
  for (std::size_t i = 0; i < utf8Description.size(); ++i) {
    const char c = utf8Description[i];
    if (c == '\r') {
      if (i + 1 < utf8Description.size() && utf8Description[i + 1] == '\n') ++i;
      description += "\r\n";
    } else if (c == '\n') {
      description += "\r\n";
    } else {
      description += c;
    }
  }
  return gamefile::NameFile{gamefile::Utf8ToCp1252(utf8Name), gamefile::Utf8ToCp1252(description)};
}

}  // namespace editor

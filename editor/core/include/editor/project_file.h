#pragma once
// The project file (".qxd"): the whole picture table between runs. No header,
// exactly 1024 records in slot order; strings end with the byte 0x10.
// Record: path, 0x10, file name, 0x10, i32 source index, u32 byte count,
// u16 width, u16 height, u8 colour-key flag, u16 key 1, u16 key 2, five
// rectangles of u16 x1, x2, y1, y2, two reserved bytes: 61 + n + m bytes.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "editor/picture_table.h"

namespace editor {

inline constexpr std::uint8_t kProjectStringEnd = 0x10;
inline constexpr std::size_t kProjectRecordFixedSize = 61;

// Every record carries the width field 490 and the height field 430,
// whatever the table holds; MarkSaved brings the table in line once the file
// is safely written.
std::vector<std::uint8_t> EncodeProjectFile(const PictureTable& table);
void MarkSaved(PictureTable& table);

// Null when the bytes end before the 1024th record is complete. Bytes
// after the last record are ignored.
std::unique_ptr<PictureTable> DecodeProjectFile(std::span<const std::uint8_t> bytes);

}  // namespace editor

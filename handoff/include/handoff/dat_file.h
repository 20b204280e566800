#pragma once
// "dat.txt", the file through which the editor hands one picture pair to the
// difference editor and gets the five rectangles back.
//
// Editor -> difference editor: picture 1 path, 0x00, picture 2 path, 0x00,
// then twenty numbers. Difference editor -> editor: the twenty numbers only.
// Each number is decimal text written like printf("%i") and followed by one
// 0x00; per rectangle the order is x1, y1, x2, y2 (left, top, right, bottom),
// which differs from the x1, x2, y1, y2 order of the game file, so callers
// map by field name, never by position. Paths are the file system's bytes.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "gamefile/file_io.h"
#include "gamefile/result.h"

namespace handoff {

inline constexpr char kDatFileName[] = "dat.txt";
inline constexpr int kRectCount = 5;

// One difference rectangle in picture pixels, as exchanged (signed, not
// validated: the difference editor shows whatever the numbers say).
struct ExchangeRect {
  std::int32_t x1 = 0;  // left
  std::int32_t y1 = 0;  // top
  std::int32_t x2 = 0;  // right
  std::int32_t y2 = 0;  // bottom
  bool operator==(const ExchangeRect&) const = default;
};
using ExchangeRects = std::array<ExchangeRect, kRectCount>;

// What the editor hands over.
struct PairRequest {
  std::string picture1Path;
  std::string picture2Path;
  ExchangeRects rects{};
  bool operator==(const PairRequest&) const = default;
};

gamefile::Bytes EncodeRequest(const PairRequest& request);
gamefile::Bytes EncodeResult(const ExchangeRects& rects);

// Paths end at their 0x00 or at the end of the file. A number that is missing
// or not a number gives a Truncated error naming which one, instead of the
// old reader's undefined value.
gamefile::Result<PairRequest> DecodeRequest(std::span<const std::uint8_t> bytes);
gamefile::Result<ExchangeRects> DecodeResult(std::span<const std::uint8_t> bytes);
// The two paths alone (rectangles left at zero), so a reader can still show
// the pictures of a file whose numbers are damaged.
PairRequest DecodeRequestPaths(std::span<const std::uint8_t> bytes);

// File forms. Writes go to a temporary file that is moved into place, so a
// reader never sees half a file and a failed write keeps the previous one.
gamefile::Status WriteRequestFile(const std::string& path, const PairRequest& request);
gamefile::Status WriteResultFile(const std::string& path, const ExchangeRects& rects);
gamefile::Result<PairRequest> ReadRequestFile(const std::string& path);
gamefile::Result<ExchangeRects> ReadResultFile(const std::string& path);

// Reads one number the way scanf's "%i" does: leading white space skipped,
// optional sign, then hexadecimal after "0x", octal after a leading 0, else
// decimal. On success `pos` points behind the last digit. Values outside
// 32 bits are refused.
bool ScanInteger(std::span<const std::uint8_t> bytes, std::size_t& pos, std::int32_t& value);

}  // namespace handoff

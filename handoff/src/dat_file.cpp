#include "handoff/dat_file.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace handoff {

namespace {

using gamefile::Bytes;
using gamefile::Error;
using gamefile::ErrorCode;

void AppendText(Bytes& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0x00);
}

void AppendNumber(Bytes& out, std::int32_t value) { AppendText(out, std::to_string(value)); }

void AppendRects(Bytes& out, const ExchangeRects& rects) {
  for (const ExchangeRect& rect : rects) {
    AppendNumber(out, rect.x1);
    AppendNumber(out, rect.y1);
    AppendNumber(out, rect.x2);
    AppendNumber(out, rect.y2);
  }
}

// A string ends at its 0x00, which is consumed, or at the end of the file.
std::string ReadTerminatedText(std::span<const std::uint8_t> bytes, std::size_t& pos) {
  std::string text;
  while (pos < bytes.size() && bytes[pos] != 0x00) text.push_back(static_cast<char>(bytes[pos++]));
  if (pos < bytes.size()) ++pos;
  return text;
}

int DigitValue(std::uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool IsScanSpace(std::uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char* const kFieldNames[4] = {"x1", "y1", "x2", "y2"};

// Reads the twenty numbers, each followed by one skipped separator byte.
gamefile::Result<ExchangeRects> DecodeRects(std::span<const std::uint8_t> bytes, std::size_t pos) {
  ExchangeRects rects{};
  for (int i = 0; i < kRectCount; ++i) {
    std::int32_t* fields[4] = {&rects[i].x1, &rects[i].y1, &rects[i].x2, &rects[i].y2};
    for (int f = 0; f < 4; ++f) {
      if (!ScanInteger(bytes, pos, *fields[f])) {
        return Error{ErrorCode::Truncated, std::string("dat.txt: Zahl ") + kFieldNames[f] +
                                               " von Fehler " + std::to_string(i + 1) +
                                               " fehlt oder ist ungültig"};
      }
      if (pos < bytes.size()) ++pos;  // the separator; the last may be missing
    }
  }
  return rects;
}

}  // namespace

bool ScanInteger(std::span<const std::uint8_t> bytes, std::size_t& pos, std::int32_t& value) {
  std::size_t p = pos;
  while (p < bytes.size() && IsScanSpace(bytes[p])) ++p;
  bool negative = false;
  if (p < bytes.size() && (bytes[p] == '+' || bytes[p] == '-')) negative = bytes[p++] == '-';
  int base = 10;
  if (p < bytes.size() && bytes[p] == '0') {
    base = 8;
    if (p + 2 < bytes.size() && (bytes[p + 1] == 'x' || bytes[p + 1] == 'X') &&
        DigitValue(bytes[p + 2]) < 16) {
      base = 16;
      p += 2;
    }
  }
  const std::size_t firstDigit = p;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (p < bytes.size() && DigitValue(bytes[p]) < base) {
    magnitude = magnitude * base + DigitValue(bytes[p++]);
    if (magnitude > kLimit) return false;
  }
  if (p == firstDigit) return false;
  if (!negative && magnitude == kLimit) return false;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  pos = p;
  return true;
}

Bytes EncodeRequest(const PairRequest& request) {
  Bytes out;
  AppendText(out, request.picture1Path);
  AppendText(out, request.picture2Path);
  AppendRects(out, request.rects);
  return out;
}

Bytes EncodeResult(const ExchangeRects& rects) {
  Bytes out;
  AppendRects(out, rects);
  return out;
}

namespace {

PairRequest ReadPaths(std::span<const std::uint8_t> bytes, std::size_t& pos) {
  PairRequest request;
  request.picture1Path = ReadTerminatedText(bytes, pos);
  request.picture2Path = ReadTerminatedText(bytes, pos);
  return request;
}

}  // namespace

PairRequest DecodeRequestPaths(std::span<const std::uint8_t> bytes) {
  std::size_t pos = 0;
  return ReadPaths(bytes, pos);
}

gamefile::Result<PairRequest> DecodeRequest(std::span<const std::uint8_t> bytes) {
  std::size_t pos = 0;
  PairRequest request = ReadPaths(bytes, pos);
  auto rects = DecodeRects(bytes, pos);
  if (!rects) return rects.error();
  request.rects = *rects;
  return request;
}

gamefile::Result<ExchangeRects> DecodeResult(std::span<const std::uint8_t> bytes) {
  return DecodeRects(bytes, 0);
}

gamefile::Status WriteRequestFile(const std::string& path, const PairRequest& request) {
  return gamefile::WriteFileAtomically(path, EncodeRequest(request));
}

gamefile::Status WriteResultFile(const std::string& path, const ExchangeRects& rects) {
  return gamefile::WriteFileAtomically(path, EncodeResult(rects));
}

// Two paths and twenty numbers stay far below this; anything larger is not
// a hand-off file.
constexpr std::size_t kMaxDatFileSize = 1u << 20;

gamefile::Result<PairRequest> ReadRequestFile(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path, kMaxDatFileSize);
  if (!bytes) return bytes.error();
  return DecodeRequest(*bytes);
}

gamefile::Result<ExchangeRects> ReadResultFile(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path, kMaxDatFileSize);
  if (!bytes) return bytes.error();
  return DecodeResult(*bytes);
}

}  // namespace handoff

#pragma once
// Whole-file reading and crash-safe writing, shared by every program.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gamefile/result.h"

namespace gamefile {

using Bytes = std::vector<std::uint8_t>;

// Reads the whole file. Files larger than maxBytes are refused with TooLarge
// instead of being read, so a hostile file cannot exhaust memory.
Result<Bytes> ReadWholeFile(const std::string& path, std::size_t maxBytes = 1u << 30);

// Whether a write waits until its data is on the disk before the file is
// moved into place.
enum class Flush {
  ToDisk,  // survives a power cut: the old or the new file, complete
  Later,   // left to the kernel; a power cut may leave the file empty, so only
           // for files whose reader rebuilds a damaged one
};

// Writes data under a temporary name beside `path`, flushes it to disk (as
// `flush` says) and moves it into place. On any failure the previous file is
// left untouched and the temporary file is removed.
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                           Flush flush = Flush::ToDisk);

bool FileExists(const std::string& path);

}  // namespace gamefile

#pragma once
// Turning any photo into a picture of the game's size: a JPEG or PNG of any
// size, turned upright by its EXIF orientation, cropped to 488 : 430 around
// its most interesting part and scaled with a high-quality filter.
#include <cstdint>
#include <span>
#include <string>

#include "fairness/fairness.h"
#include "gamefile/file_io.h"
#include "gamefile/result.h"

namespace photo {

using Picture = fairness::Picture;

// Photos larger than this are refused before any pixel is decoded: the
// header's size decides, so a file that claims 100000 x 100000 pixels never
// causes an allocation of that size.
inline constexpr std::uint64_t kMaxPhotoPixels = 120'000'000;
inline constexpr int kMaxPhotoSide = 30'000;
inline constexpr std::size_t kMaxPhotoBytes = 256u << 20;

enum class PhotoFormat { Unknown, Jpeg, Png };
// Known by the first bytes, never by the file name.
PhotoFormat SniffFormat(std::span<const std::uint8_t> bytes);

// Fits the photo held in memory. Failures carry a German sentence in
// error().detail (BadPicture or TooLarge).
gamefile::Result<Picture> FitPhoto(std::span<const std::uint8_t> bytes);
gamefile::Result<Picture> FitPhotoFile(const std::string& path);

// A JFIF JPEG as the editor accepts it. 4:4:4 and a fixed quality, so two
// pictures equal in an 8 x 8 block are coded equal there.
inline constexpr int kJpegQuality = 92;
gamefile::Result<gamefile::Bytes> EncodeJpeg(const Picture& picture);

}  // namespace photo

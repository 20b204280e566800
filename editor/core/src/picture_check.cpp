#include "editor/picture_check.h"

#include <turbojpeg.h>

#include <memory>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/jpeg_info.h"

namespace editor {

bool HasJfifMark(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 10 && bytes[6] == 0x4A && bytes[7] == 0x46 && bytes[8] == 0x49 && bytes[9] == 0x46;
}

void DecodedSize(std::span<const std::uint8_t> bytes, int& width, int& height) {
  width = 0;
  height = 0;
  if (bytes.empty()) return;
  std::unique_ptr<void, int (*)(tjhandle)> decoder(tjInitDecompress(), &tjDestroy);
  if (!decoder) return;
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  auto* data = const_cast<unsigned char*>(bytes.data());
  const auto size = static_cast<unsigned long>(bytes.size());
  if (tjDecompressHeader3(decoder.get(), data, size, &w, &h, &subsampling, &colourspace) != 0) return;
  // Refuse absurd headers before allocating; no game picture comes near this.
  if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > 64LL * 1024 * 1024) return;
  // Decoding at an eighth of the size still walks the whole compressed
  // stream, so damaged data is found, but skips most of the pixel work: a
  // build checks up to 1024 pictures.
  const tjscalingfactor eighth{1, 8};
  const int scaledWidth = TJSCALED(w, eighth);
  const int scaledHeight = TJSCALED(h, eighth);
  std::vector<unsigned char> pixels(static_cast<std::size_t>(scaledWidth) * scaledHeight * 3);
  if (tjDecompress2(decoder.get(), data, size, pixels.data(), scaledWidth, 0, scaledHeight, TJPF_RGB, 0) != 0) {
    // Warnings (a few bytes missing at the end) still give a picture; only
    // a hard error means the data does not decode.
    if (tjGetErrorCode(decoder.get()) != TJERR_WARNING) return;
  }
  width = w;
  height = h;
}

PictureCheck CheckPictureBytes(std::span<const std::uint8_t> bytes) {
  PictureCheck check;
  check.byteCount = static_cast<std::uint32_t>(bytes.size());
  if (!HasJfifMark(bytes)) {
    check.verdict = PictureVerdict::NotJfif;
    return check;
  }
  DecodedSize(bytes, check.width, check.height);
  const bool rightSize = check.width == gamefile::kPictureWidth && check.height == gamefile::kPictureHeight;
  check.verdict = rightSize ? PictureVerdict::Usable : PictureVerdict::WrongSize;
  return check;
}

PictureCheck CheckPictureFile(const std::string& path) {
  // Byte counts are stored in 32 bits; a larger file cannot be a picture.
  auto bytes = gamefile::ReadWholeFile(path, 0xFFFFFFFFu);
  if (!bytes) {
    PictureCheck check;
    check.verdict = bytes.error().code == gamefile::ErrorCode::TooLarge ? PictureVerdict::NotJfif
                                                                          : PictureVerdict::CannotOpen;
    return check;
  }
  return CheckPictureBytes(*bytes);
}

}  // namespace editor

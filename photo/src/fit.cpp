#include "photo/fit.h"

#include <turbojpeg.h>
#include <vips/vips.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "gamefile/jpeg_info.h"

namespace photo {
namespace {

gamefile::Error Refusal(const std::string& why, gamefile::ErrorCode code = gamefile::ErrorCode::BadPicture) {
  return gamefile::Error{code, why};
}

const char* kNotAPhoto = "Die Datei ist kein JPEG- oder PNG-Foto.";
const char* kDamaged = "Das Foto ist beschädigt oder unvollständig und kann nicht gelesen werden.";

// libvips is started once per process. Loaders of formats we never read
// (and that were never meant for files from anywhere) stay blocked, and its
// operation cache is kept small: each photo is read once.
bool StartVips() {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] {
    started = vips_init("vistrel") == 0;
    if (!started) return;
    vips_block_untrusted_set(TRUE);
    vips_cache_set_max(0);
    vips_cache_set_max_mem(0);
    vips_leak_set(FALSE);
    // A damaged photo is reported once, in German, by the caller; the
    // library's own English warnings about it would only confuse.
    g_log_set_handler("VIPS", static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO),
                      [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
  });
  return started;
}

struct Unref {
  void operator()(VipsImage* image) const {
    if (image) g_object_unref(image);
  }
};
using ImagePtr = std::unique_ptr<VipsImage, Unref>;

// Opens the photo without decoding a pixel yet; a JPEG is read at
// 1 / shrink of its size (libjpeg's shrink-on-load). Decoding stops at the
// first sign of a cut-off file.
ImagePtr Open(std::span<const std::uint8_t> bytes, PhotoFormat format, int shrink) {
  VipsImage* image = nullptr;
  auto* data = const_cast<std::uint8_t*>(bytes.data());
  const int rc = format == PhotoFormat::Jpeg
                     ? vips_jpegload_buffer(data, bytes.size(), &image, "access", VIPS_ACCESS_SEQUENTIAL, "fail_on",
                                            VIPS_FAIL_ON_TRUNCATED, "shrink", shrink, NULL)
                     : vips_pngload_buffer(data, bytes.size(), &image, "access", VIPS_ACCESS_SEQUENTIAL, "fail_on",
                                           VIPS_FAIL_ON_TRUNCATED, NULL);
  ImagePtr owned(image);
  if (rc != 0) owned.reset();
  return owned;
}

// The largest JPEG shrink (1, 2, 4 or 8) that still leaves twice the
// pixels the crop needs, so lanczos3 does the last step of the scaling.
int ShrinkFor(int width, int height, int orientation) {
  if (orientation >= 5) std::swap(width, height);  // turned a quarter
  const double scale = std::max(static_cast<double>(gamefile::kPictureWidth) / width,
                                static_cast<double>(gamefile::kPictureHeight) / height);
  int shrink = 1;
  while (shrink < 8 && scale * shrink * 2 <= 0.5) shrink *= 2;
  return shrink;
}

// Every chunk of a PNG must lie inside the file and the file must end with
// IEND: the PNG library would otherwise set aside what a damaged length
// field claims before it notices the file is shorter.
bool ChunksFitInFile(std::span<const std::uint8_t> bytes) {
  std::size_t at = 8;
  while (at + 12 <= bytes.size()) {
    const std::uint64_t length = (std::uint64_t{bytes[at]} << 24) | (std::uint64_t{bytes[at + 1]} << 16) |
                                 (std::uint64_t{bytes[at + 2]} << 8) | bytes[at + 3];
    if (length > bytes.size() - at - 12) return false;
    if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
    at += 12 + static_cast<std::size_t>(length);
  }
  return false;
}

// A PNG holding fewer bytes than deflate needs for its claimed pixels
// (at most 1032 : 1, at one bit a pixel) is cut off: refused before any
// buffer of the claimed size exists.
bool PlausiblePng(std::span<const std::uint8_t> bytes, int width, int height) {
  const std::uint64_t minimumRawBytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) / 8;
  return static_cast<std::uint64_t>(bytes.size()) * 1032 >= minimumRawBytes;
}

// One operation on a vips image, replacing it; false on failure.
template <typename Operation>
bool Then(ImagePtr& image, Operation operation) {
  VipsImage* next = nullptr;
  if (operation(image.get(), &next) != 0 || !next) return false;
  image.reset(next);
  return true;
}

// 8-bit sRGB with three bands: greyscale, 16-bit, CMYK and transparent
// photos all end up like this; transparency shows on white.
bool ToPlainRgb(ImagePtr& image) {
  if (vips_image_hasalpha(image.get())) {
    VipsArrayDouble* white = vips_array_double_newv(1, 255.0);
    const bool ok = Then(image, [&](VipsImage* in, VipsImage** out) {
      return vips_flatten(in, out, "background", white, NULL);
    });
    vips_area_unref(VIPS_AREA(white));
    if (!ok) return false;
  }
  if (!Then(image, [](VipsImage* in, VipsImage** out) {
        return vips_colourspace(in, out, VIPS_INTERPRETATION_sRGB, NULL);
      }))
    return false;
  if (vips_image_get_bands(image.get()) > 3 &&
      !Then(image, [](VipsImage* in, VipsImage** out) { return vips_extract_band(in, out, 0, "n", 3, NULL); }))
    return false;
  return Then(image, [](VipsImage* in, VipsImage** out) { return vips_cast_uchar(in, out, NULL); });
}

// The size the file claims before any library looks at it: the JPEG's frame
// header or the PNG's IHDR chunk. Nothing when the header is cut short.
std::optional<std::pair<std::uint32_t, std::uint32_t>> ClaimedSize(std::span<const std::uint8_t> bytes,
                                                                   PhotoFormat format) {
  if (format == PhotoFormat::Jpeg) {
    const gamefile::JpegInfo info = gamefile::ReadJpegInfo(bytes);
    if (!info.isJpeg) return std::nullopt;
    return std::pair<std::uint32_t, std::uint32_t>(info.width, info.height);
  }
  if (bytes.size() < 24 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return std::nullopt;
  const auto big = [&](std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) | (std::uint32_t{bytes[at + 2]} << 8) |
           bytes[at + 3];
  };
  return std::pair<std::uint32_t, std::uint32_t>(big(16), big(20));
}

gamefile::Error TooLarge(std::uint64_t width, std::uint64_t height) {
  return Refusal("Das Foto ist mit " + std::to_string(width) + " x " + std::to_string(height) +
                     " Pixeln zu groß (höchstens 120 Megapixel, 30000 Pixel je Seite).",
                 gamefile::ErrorCode::TooLarge);
}

bool IsTooLarge(std::uint64_t width, std::uint64_t height) {
  return width > kMaxPhotoSide || height > kMaxPhotoSide || width * height > kMaxPhotoPixels;
}

}  // namespace

PhotoFormat SniffFormat(std::span<const std::uint8_t> bytes) {
  static const std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PhotoFormat::Jpeg;
  if (bytes.size() >= sizeof kPng && std::memcmp(bytes.data(), kPng, sizeof kPng) == 0) return PhotoFormat::Png;
  return PhotoFormat::Unknown;
}

gamefile::Result<Picture> FitPhoto(std::span<const std::uint8_t> bytes) {
  const PhotoFormat format = SniffFormat(bytes);
  if (format == PhotoFormat::Unknown) return Refusal(kNotAPhoto);
  const auto claimed = ClaimedSize(bytes, format);
  if (!claimed) return Refusal(kDamaged);
  if (format == PhotoFormat::Png && !IsTooLarge(claimed->first, claimed->second) && !ChunksFitInFile(bytes))
    return Refusal(kDamaged);
  if (IsTooLarge(claimed->first, claimed->second)) return TooLarge(claimed->first, claimed->second);
  if (!StartVips()) return Refusal("Die Bildbibliothek libvips lässt sich nicht starten.");
  ImagePtr header = Open(bytes, format, 1);
  if (!header) {
    vips_error_clear();
    return Refusal(kDamaged);
  }
  const int width = vips_image_get_width(header.get()), height = vips_image_get_height(header.get());
  if (width <= 0 || height <= 0) return Refusal(kDamaged);
  // The library's own reading of the header is held to the same limit.
  if (IsTooLarge(width, height)) return TooLarge(width, height);
  if (format == PhotoFormat::Png && !PlausiblePng(bytes, width, height)) return Refusal(kDamaged);
  const int shrink = format == PhotoFormat::Jpeg ? ShrinkFor(width, height, vips_image_get_orientation(header.get())) : 1;
  header.reset();

  // Decoded once into memory (at most 1/64 of a large JPEG), so a damaged
  // file fails here and at once; then turned upright by its EXIF
  // orientation, cropped around what draws the eye (skin, colour, detail)
  // and scaled with lanczos3.
  ImagePtr image = Open(bytes, format, shrink);
  const bool ok =
      image && Then(image, [](VipsImage* in, VipsImage** out) { return vips_autorot(in, out, NULL); }) &&
      Then(image, [](VipsImage* in, VipsImage** out) {
        *out = vips_image_copy_memory(in);
        return *out ? 0 : -1;
      }) &&
      Then(image, [](VipsImage* in, VipsImage** out) {
        return vips_thumbnail_image(in, out, gamefile::kPictureWidth, "height", gamefile::kPictureHeight, "crop",
                                    VIPS_INTERESTING_ATTENTION, "size", VIPS_SIZE_BOTH, "no_rotate", TRUE, NULL);
      }) &&
      ToPlainRgb(image);
  if (!ok) {
    vips_error_clear();
    return Refusal(kDamaged);
  }
  if (vips_image_get_width(image.get()) != gamefile::kPictureWidth ||
      vips_image_get_height(image.get()) != gamefile::kPictureHeight)
    return Refusal(kDamaged);
  std::size_t size = 0;
  void* memory = vips_image_write_to_memory(image.get(), &size);
  if (!memory) {
    vips_error_clear();
    return Refusal(kDamaged);
  }
  Picture picture;
  picture.width = gamefile::kPictureWidth;
  picture.height = gamefile::kPictureHeight;
  const auto* begin = static_cast<const std::uint8_t*>(memory);
  picture.rgb.assign(begin, begin + size);
  g_free(memory);
  if (picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height * 3) return Refusal(kDamaged);
  return picture;
}

gamefile::Result<Picture> FitPhotoFile(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path, kMaxPhotoBytes);
  if (!bytes) {
    if (bytes.error().code == gamefile::ErrorCode::TooLarge)
      return Refusal("Die Fotodatei ist größer als 256 MB.", gamefile::ErrorCode::TooLarge);
    return Refusal("Kann die Fotodatei " + path + " nicht lesen.", gamefile::ErrorCode::CannotOpen);
  }
  return FitPhoto(*bytes);
}

gamefile::Result<gamefile::Bytes> EncodeJpeg(const Picture& picture) {
  const auto fail = [] { return Refusal("Das Bild lässt sich nicht als JPEG speichern."); };
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height * 3)
    return fail();
  tjhandle handle = tjInitCompress();
  if (!handle) return fail();
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int rc = tjCompress2(handle, picture.rgb.data(), picture.width, 0, picture.height, TJPF_RGB, &buffer, &size,
                             TJSAMP_444, kJpegQuality, TJFLAG_ACCURATEDCT);
  gamefile::Bytes out;
  if (rc == 0) out.assign(buffer, buffer + size);
  tjFree(buffer);
  tjDestroy(handle);
  if (out.empty()) return fail();
  return out;
}

}  // namespace photo

#include "platform/images.h"

#include <turbojpeg.h>

#include <cstring>
#include <limits>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/little_endian.h"
#include "pixels.h"
#include "platform/platform.h"

namespace platform {
namespace {

// Artwork and pictures are at most screen-sized; anything far beyond that is
// a damaged or hostile file, refused before memory is taken for it.
constexpr int kMaxImageSide = 8192;
constexpr std::size_t kMaxBitmapFileBytes = 64u << 20;

using gamefile::GetU16;
using gamefile::GetU32;

// Checks the headers of a Windows bitmap file against the file's real size,
// so a file that lies about its dimensions is refused instead of read past
// its end.
bool BitmapHeadersAreSound(const gamefile::Bytes& file) {
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') return false;
  const std::uint32_t pixelOffset = GetU32(&file[10]);
  const std::uint32_t infoSize = GetU32(&file[14]);
  if (infoSize < 12 || 14ull + infoSize > file.size()) return false;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (infoSize == 12) {
    width = GetU16(&file[18]);
    height = GetU16(&file[20]);
    bitsPerPixel = GetU16(&file[24]);
  } else {
    if (infoSize < 40) return false;
    width = static_cast<std::int32_t>(GetU32(&file[18]));
    height = static_cast<std::int32_t>(GetU32(&file[22]));
    bitsPerPixel = GetU16(&file[28]);
    compression = GetU32(&file[30]);
  }
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return false;
  switch (bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (pixelOffset >= file.size()) return false;
  const bool runLength = compression == 1 || compression == 2;
  if (runLength) return true;  // SDL's run-length decoder checks every run against the image
  if (compression != 0 && compression != 3) return false;
  const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
  return pixelOffset + rowBytes * static_cast<std::uint64_t>(height) <= file.size();
}

SurfacePtr ReadBitmap(const std::string& fileName) {
  auto file = gamefile::ReadWholeFile(fileName, kMaxBitmapFileBytes);
  if (!file || !BitmapHeadersAreSound(*file)) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(file->data(), static_cast<int>(file->size()));
  if (stream == nullptr) return nullptr;
  return SurfacePtr(SDL_LoadBMP_RW(stream, 1));
}

void FailFatally(Platform& platform, std::string_view text) {
  FailWithMessage(platform, "", text);
}

// Copies three-byte blue-green-red pixels into a surface of the display's format.
SurfacePtr SurfaceFromBgr(const Platform& platform, const std::vector<std::uint8_t>& bgr,
                          int width, int height) {
  SurfacePtr surface = CreateImageSurface(platform, width, height);
  if (!surface) return nullptr;
  SurfaceLock lock(surface.get());
  const std::uint8_t* source = bgr.data();
  auto* row = static_cast<std::uint8_t*>(surface->pixels);
  for (int y = 0; y < height; ++y, row += surface->pitch) {
    if (platform.colourDepth == 16) {
      auto* pixel = reinterpret_cast<std::uint16_t*>(row);
      for (int x = 0; x < width; ++x, source += 3) pixel[x] = Rgb555(source[2], source[1], source[0]);
    } else {
      auto* pixel = reinterpret_cast<std::uint32_t*>(row);
      for (int x = 0; x < width; ++x, source += 3) {
        pixel[x] = (std::uint32_t{source[2]} << 16) | (std::uint32_t{source[1]} << 8) | source[0];
      }
    }
  }
  return surface;
}

struct DecoderCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};

// A real decoding error is fatal; a warning (for instance a picture cut
// short) still leaves a usable picture.
bool Decoded(Platform& platform, tjhandle decoder, int result) {
  if (result == 0 || tjGetErrorCode(decoder) == TJERR_WARNING) return true;
  FailFatally(platform, "Error reading image");
  return false;
}

// The JPEG decoded at its own size into a surface of the display's format.
// At 32 bits the decoder writes the surface's own byte order (B, G, R, X)
// straight into it; at 16 bits the colours are reduced from a decoded copy.
// Rows are handed over with an explicit pitch, so widths that are not a
// multiple of 4 decode as well as any other.
SurfacePtr DecodeIntoBitmap(Platform& platform, tjhandle decoder, unsigned char* source, std::size_t byteCount,
                            int jpegWidth, int jpegHeight, bool& decodeFailed) {
  const auto size = static_cast<unsigned long>(byteCount);
  if (platform.colourDepth == 32) {
    SurfacePtr bitmap = CreateImageSurface(platform, jpegWidth, jpegHeight);
    if (!bitmap) return nullptr;
    SurfaceLock lock(bitmap.get());
    const int result = tjDecompress2(decoder, source, size, static_cast<unsigned char*>(bitmap->pixels), jpegWidth,
                                     bitmap->pitch, jpegHeight, TJPF_BGRX, 0);
    decodeFailed = !Decoded(platform, decoder, result);
    return decodeFailed ? nullptr : std::move(bitmap);
  }
  std::vector<std::uint8_t> bgr(static_cast<std::size_t>(jpegWidth) * 3 * jpegHeight);
  const int result = tjDecompress2(decoder, source, size, bgr.data(), jpegWidth, jpegWidth * 3, jpegHeight, TJPF_BGR, 0);
  decodeFailed = !Decoded(platform, decoder, result);
  if (decodeFailed) return nullptr;
  return SurfaceFromBgr(platform, bgr, jpegWidth, jpegHeight);
}

}  // namespace

std::uint16_t Rgb555(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint16_t>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
}

int CopyBitmapToSurface(SDL_Surface* surface, SDL_Surface* bitmap, int sourceX, int sourceY,
                        int sourceWidth, int sourceHeight) {
  if (surface == nullptr || bitmap == nullptr) return -1;
  if (sourceWidth == 0) sourceWidth = bitmap->w;
  if (sourceHeight == 0) sourceHeight = bitmap->h;
  // A plain copy: neither the bitmap's colour key nor any blending applies.
  SDL_SetColorKey(bitmap, SDL_FALSE, 0);
  SDL_SetSurfaceBlendMode(bitmap, SDL_BLENDMODE_NONE);
  SDL_Rect source{sourceX, sourceY, sourceWidth, sourceHeight};
  SDL_Rect target{0, 0, surface->w, surface->h};
  const int result = SDL_BlitScaled(bitmap, &source, surface, &target);
  ClearUnusedBits(surface);
  return result == 0 ? 0 : -1;
}

SurfacePtr LoadBitmapFile(Platform& platform, const std::string& fileName, int width,
                          int height) {
  RestoreStartDirectory(platform);
  SurfacePtr bitmap = ReadBitmap(fileName);
  if (!bitmap) return nullptr;
  SurfacePtr surface = CreateImageSurface(platform, width, height);
  if (!surface) surface = CreateImageSurface(platform, width, height);
  if (!surface) {
    platform.backend->MinimiseWindow();
    FailFatally(platform, "Konnte DirectX nicht initialisieren (CREATESURFACE FAILED) 012");
    return nullptr;
  }
  if (CopyBitmapToSurface(surface.get(), bitmap.get(), 0, 0, 0, 0) != 0) {
    // Without its pixels the image is useless and the display is gone:
    // ending here is the only safe way on.
    ReleaseDisplay(platform);
    FailFatally(platform, "DDCOPY FAILED jpg false");
    return nullptr;
  }
  return surface;
}

SurfacePtr DecodeJpeg(Platform& platform, int width, int height, const std::uint8_t* bytes,
                      std::size_t byteCount) {
  if (bytes == nullptr || byteCount == 0 || byteCount > std::numeric_limits<unsigned long>::max()) {
    return nullptr;
  }
  std::unique_ptr<void, DecoderCloser> decoder(tjInitDecompress());
  if (!decoder) return nullptr;
  int jpegWidth = 0;
  int jpegHeight = 0;
  int subsampling = 0;
  int colourSpace = 0;
  auto* source = const_cast<unsigned char*>(bytes);
  if (tjDecompressHeader3(decoder.get(), source, static_cast<unsigned long>(byteCount), &jpegWidth,
                          &jpegHeight, &subsampling, &colourSpace) != 0) {
    return nullptr;
  }
  if (jpegWidth <= 0 || jpegHeight <= 0 || jpegWidth > kMaxImageSide || jpegHeight > kMaxImageSide) {
    return nullptr;
  }
  bool decodeFailed = false;
  SurfacePtr bitmap = DecodeIntoBitmap(platform, decoder.get(), source, byteCount, jpegWidth, jpegHeight, decodeFailed);
  if (decodeFailed) return nullptr;
  if (!bitmap) {
    if (platform.colourDepth == 32) ShowMessage(platform, "", "Failed to create 32Bit Bitmap");
    return nullptr;
  }
  SurfacePtr surface = CreateImageSurface(platform, width, height);
  if (!surface) {
    ReleaseDisplay(platform);
    platform.backend->MinimiseWindow();
    FailFatally(platform, "CREATESURFACE FAILED!!");
    return nullptr;
  }
  if (CopyBitmapToSurface(surface.get(), bitmap.get(), 0, 0, 0, 0) != 0) {
    ShowMessage(platform, "", "DDCOPY FAILED jpeg true");
  }
  return surface;
}

SurfacePtr LoadPicture(Platform& platform, const std::string& name, int width, int height,
                       bool fromMemory, const std::uint8_t* bytes, std::size_t byteCount) {
  if (fromMemory) return DecodeJpeg(platform, width, height, bytes, byteCount);
  return LoadBitmapFile(platform, name, width, height);
}

}  // namespace platform

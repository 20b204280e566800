#pragma once
// Reading the generated files back the way the game does.
#include <SDL.h>
#include <turbojpeg.h>

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace artgen::testing {

inline std::string DataPath(const std::string& relative) { return std::string(ARTGEN_DATA_DIR) + "/" + relative; }

// Loads a bitmap file with SDL, as the game's loader does; width 0 when
// SDL refuses it.
inline RgbImage LoadBitmap(const std::string& path, int* bitsPerPixel = nullptr) {
  RgbImage image;
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (!loaded) return image;
  if (bitsPerPixel) *bitsPerPixel = loaded->format->BitsPerPixel;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!rgba) return image;
  image.width = rgba->w;
  image.height = rgba->h;
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const auto* p = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch + x * 4;
      std::uint8_t* q = image.at(x, y);
      q[0] = p[0];
      q[1] = p[1];
      q[2] = p[2];
    }
  SDL_FreeSurface(rgba);
  return image;
}

// Decodes JPEG bytes to RGB; width 0 on failure.
inline RgbImage DecodeJpeg(const std::vector<std::uint8_t>& jpeg) {
  RgbImage image;
  tjhandle handle = tjInitDecompress();
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(handle, jpeg.data(), jpeg.size(), &w, &h, &subsampling, &colourspace) == 0) {
    image.rgb.resize(static_cast<std::size_t>(w) * h * 3);
    if (tjDecompress2(handle, jpeg.data(), jpeg.size(), image.rgb.data(), w, 0, h, TJPF_RGB, 0) == 0) {
      image.width = w;
      image.height = h;
    }
  }
  tjDestroy(handle);
  return image;
}

inline bool IsBlack(const RgbImage& image, int x, int y) {
  const std::uint8_t* p = image.at(x, y);
  return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

}  // namespace artgen::testing

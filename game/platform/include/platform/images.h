#pragma once
// Making image surfaces from bitmap files and from JPEG bytes in memory.
// Every picture is stretched to the size the caller asks for and converted
// to the display's pixel format.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

struct Platform;

// from memory false: LoadBitmapFile(name, ...); true: DecodeJpeg(...).
SurfacePtr LoadPicture(Platform& platform, const std::string& name, int width, int height,
                       bool fromMemory, const std::uint8_t* bytes, std::size_t byteCount);

// Loads a Windows bitmap file scaled to width x height. Null (no message)
// when the file is missing, damaged or lies about its sizes; the caller
// reports it. Fatal display failures show their message and set
// platform.endRequested.
SurfacePtr LoadBitmapFile(Platform& platform, const std::string& fileName, int width,
                          int height);

// Decodes a JPEG held in memory, stretched to width x height. Null without a
// message when the header cannot be read; damaged image data shows
// "Error reading image", sets platform.endRequested and returns null.
SurfacePtr DecodeJpeg(Platform& platform, int width, int height, const std::uint8_t* bytes,
                      std::size_t byteCount);

// Stretches the source rectangle of `bitmap` (0 width/height = the whole
// bitmap) onto the whole of `surface`. Returns 0 on success.
int CopyBitmapToSurface(SDL_Surface* surface, SDL_Surface* bitmap, int sourceX, int sourceY,
                        int sourceWidth, int sourceHeight);

// The 16-bit pixel word of an RGB colour: 0, red>>3, green>>3, blue>>3 (5-5-5).
std::uint16_t Rgb555(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace platform

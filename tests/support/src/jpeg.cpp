#include "test_support/jpeg.h"

#include <turbojpeg.h>

namespace testsupport {

Bytes EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height, int quality, int subsampling) {
  tjhandle encoder = tjInitCompress();
  if (encoder == nullptr) return {};
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  Bytes bytes;
  if (tjCompress2(encoder, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size, subsampling, quality, 0) == 0)
    bytes.assign(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(encoder);
  return bytes;
}

std::vector<std::uint8_t> FlatRgb(int width, int height, Colour colour) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < rgb.size(); i += 3) rgb[i] = colour.r, rgb[i + 1] = colour.g, rgb[i + 2] = colour.b;
  return rgb;
}

}  // namespace testsupport

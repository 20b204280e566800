#include "jpeg_codec.h"

#include "genlib/image_codec.h"

namespace scenegen {

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                                    int quality) {
  return genlib::EncodeJpeg(rgb, width, height, quality);
}

std::optional<DecodedPicture> DecodeJpeg(const std::vector<std::uint8_t>& jpeg) {
  auto decoded = genlib::DecodeJpeg(jpeg);
  if (!decoded) return std::nullopt;
  return DecodedPicture{decoded->width, decoded->height, std::move(decoded->rgb)};
}

}  // namespace scenegen

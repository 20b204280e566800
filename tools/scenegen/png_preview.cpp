#include "png_preview.h"

#include "genlib/image_codec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace scenegen {

namespace {

bool WritePng(const std::string& path, const std::vector<std::uint8_t>& rgb, int width, int height) {
  return genlib::WritePng(path, rgb, width, height, 3);
}

void Blit(std::vector<std::uint8_t>& dst, int dstWidth, int ox, int oy, const Pixels& src, int scale) {
  for (int y = 0; y < kPictureHeight / scale; ++y)
    for (int x = 0; x < kPictureWidth / scale; ++x)
      for (int k = 0; k < 3; ++k)
        dst[(static_cast<std::size_t>(oy + y) * dstWidth + ox + x) * 3 + k] =
            src[(static_cast<std::size_t>(y * scale) * kPictureWidth + x * scale) * 3 + k];
}

void Outline(std::vector<std::uint8_t>& dst, int dstWidth, int ox, int oy, const Box& b, int scale) {
  auto put = [&](int x, int y) {
    std::uint8_t* p = &dst[(static_cast<std::size_t>(oy + y / scale) * dstWidth + ox + x / scale) * 3];
    p[0] = 255, p[1] = 0, p[2] = 255;
  };
  for (int x = b.x0; x < b.x1; ++x) put(x, b.y0), put(x, b.y1 - 1);
  for (int y = b.y0; y < b.y1; ++y) put(b.x0, y), put(b.x1 - 1, y);
}

}  // namespace

bool WritePairPreview(const std::string& path, const PicturePair& pair) {
  const int width = kPictureWidth * 3 + 16;
  std::vector<std::uint8_t> sheet(static_cast<std::size_t>(width) * kPictureHeight * 3, 40);
  Blit(sheet, width, 0, 0, pair.first, 1);
  Blit(sheet, width, kPictureWidth + 8, 0, pair.second, 1);
  // The third panel shows what changed, amplified.
  Pixels diff(pair.first.size());
  for (std::size_t i = 0; i < diff.size(); ++i)
    diff[i] = static_cast<std::uint8_t>(std::min(255, std::abs(pair.first[i] - pair.second[i]) * 4));
  Blit(sheet, width, 2 * (kPictureWidth + 8), 0, diff, 1);
  for (const Difference& d : pair.differences) Outline(sheet, width, kPictureWidth + 8, 0, d.rect, 1);
  return WritePng(path, sheet, width, kPictureHeight);
}

bool WriteContactSheet(const std::string& path, const std::vector<PicturePair>& pairs, int columns) {
  const int cellW = kPictureWidth, cellH = kPictureHeight / 2 + 6;
  const int rows = (static_cast<int>(pairs.size()) + columns - 1) / columns;
  const int width = columns * (cellW + 10);
  std::vector<std::uint8_t> sheet(static_cast<std::size_t>(width) * rows * cellH * 3, 40);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const int ox = static_cast<int>(i % columns) * (cellW + 10), oy = static_cast<int>(i / columns) * cellH;
    Blit(sheet, width, ox, oy, pairs[i].first, 2);
    Blit(sheet, width, ox + kPictureWidth / 2 + 2, oy, pairs[i].second, 2);
    for (const Difference& d : pairs[i].differences) Outline(sheet, width, ox + kPictureWidth / 2 + 2, oy, d.rect, 2);
  }
  return WritePng(path, sheet, width, rows * cellH);
}

}  // namespace scenegen

#include "photo/pair_files.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace photo {
namespace {

gamefile::Error BadRects(const std::string& why) { return {gamefile::ErrorCode::BadPicture, why}; }

std::span<const std::uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string RectsText(const gamefile::RectSet& rects) {
  std::string text = "# x1 x2 y1 y2\n";
  for (const auto& r : rects)
    text += std::to_string(r.x1) + " " + std::to_string(r.x2) + " " + std::to_string(r.y1) + " " +
            std::to_string(r.y2) + "\n";
  return text;
}

gamefile::Result<gamefile::RectSet> ParseRectsText(std::string_view text) {
  gamefile::RectSet rects{};
  std::size_t count = 0;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    if (count == rects.size()) return BadRects("mehr als fünf Rechtecke (Zeile " + std::to_string(lineNumber) + ")");
    unsigned values[4] = {};
    const char* at = line.data() + first;
    const char* stop = line.data() + line.size();
    for (unsigned& v : values) {
      while (at < stop && (*at == ' ' || *at == '\t')) ++at;
      auto [next, ec] = std::from_chars(at, stop, v);
      if (ec != std::errc() || v > 65535)
        return BadRects("Zeile " + std::to_string(lineNumber) + " ist nicht \"x1 x2 y1 y2\"");
      at = next;
    }
    while (at < stop && (*at == ' ' || *at == '\t')) ++at;
    if (at != stop) return BadRects("Zeile " + std::to_string(lineNumber) + " ist nicht \"x1 x2 y1 y2\"");
    rects[count++] = {static_cast<std::uint16_t>(values[0]), static_cast<std::uint16_t>(values[1]),
                      static_cast<std::uint16_t>(values[2]), static_cast<std::uint16_t>(values[3])};
  }
  if (count != rects.size()) return BadRects("nur " + std::to_string(count) + " von 5 Rechtecken");
  return rects;
}

gamefile::Result<gamefile::RectSet> ReadRectsFile(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path, 64 * 1024);
  if (!bytes) return gamefile::Error{bytes.error().code, "kann " + path + " nicht lesen"};
  return ParseRectsText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

PairPaths PairPathsFor(const std::string& dir, const std::string& name) {
  const std::string base = (dir.empty() ? std::string(".") : dir) + "/" + name;
  return {base + "_1.jpg", base + "_2.jpg", base + ".txt"};
}

std::string NameOfPhoto(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name.empty() ? "foto" : name;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

gamefile::Status WritePair(const PhotoPair& pair, const PairPaths& paths) {
  const std::string rects = RectsText(pair.rects);
  if (!gamefile::WriteFileAtomically(paths.first, pair.firstJpeg) ||
      !gamefile::WriteFileAtomically(paths.second, pair.secondJpeg) ||
      !gamefile::WriteFileAtomically(paths.rects, AsBytes(rects)))
    return gamefile::Error{gamefile::ErrorCode::CannotWrite, "Kann die Dateien des Bildpaares nicht schreiben."};
  return gamefile::Success();
}

}  // namespace photo

#include <vips/vips.h>

namespace photo {
namespace {

void DrawRect(std::vector<std::uint8_t>& rgb, int stride, int offsetX, const gamefile::Rect& r, int width,
              int height) {
  const auto put = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * stride + offsetX + x) * 3];
    p[0] = 255, p[1] = 0, p[2] = 255;
  };
  for (int x = r.x1; x <= r.x2; ++x) put(x, r.y1), put(x, r.y2);
  for (int y = r.y1; y <= r.y2; ++y) put(r.x1, y), put(r.x2, y);
}

}  // namespace

gamefile::Status WritePreviewPng(const PhotoPair& pair, const std::string& path) {
  const int w = pair.first.width, h = pair.first.height, gap = 8, stride = 2 * w + gap;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(stride) * h * 3, 255);
  for (int y = 0; y < h; ++y) {
    std::copy_n(&pair.first.rgb[static_cast<std::size_t>(y) * w * 3], w * 3, &rgb[static_cast<std::size_t>(y) * stride * 3]);
    std::copy_n(&pair.second.rgb[static_cast<std::size_t>(y) * w * 3], w * 3,
                &rgb[(static_cast<std::size_t>(y) * stride + w + gap) * 3]);
  }
  for (const auto& r : pair.rects) {
    DrawRect(rgb, stride, 0, r, w, h);
    DrawRect(rgb, stride, w + gap, r, w, h);
  }
  VipsImage* image = vips_image_new_from_memory(rgb.data(), rgb.size(), stride, h, 3, VIPS_FORMAT_UCHAR);
  const bool ok = image && vips_pngsave(image, path.c_str(), NULL) == 0;
  if (image) g_object_unref(image);
  if (!ok) {
    vips_error_clear();
    return gamefile::Error{gamefile::ErrorCode::CannotWrite, "Kann die Vorschau nicht schreiben."};
  }
  return gamefile::Success();
}

}  // namespace photo

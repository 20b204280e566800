#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <limits>

namespace artgen {

namespace {

// Squared Euclidean distance transform of one line (Felzenszwalb and
// Huttenlocher): f holds 0 at feature cells and "infinity" elsewhere.
void DistanceTransform1d(std::vector<float>& f, int n, std::vector<float>& d, std::vector<int>& v,
                         std::vector<float>& z) {
  const float inf = std::numeric_limits<float>::max();
  int k = 0;
  v[0] = 0;
  z[0] = -inf;
  z[1] = inf;
  for (int q = 1; q < n; ++q) {
    float s;
    for (;;) {
      int p = v[k];
      s = ((f[q] + static_cast<float>(q) * q) - (f[p] + static_cast<float>(p) * p)) / (2.0f * (q - p));
      if (s > z[k] || k == 0) break;
      --k;
    }
    if (s <= z[k]) s = z[k];  // only reached with k == 0
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = inf;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    float diff = static_cast<float>(q - v[k]);
    d[q] = diff * diff + f[v[k]];
  }
}

// Distance of every cell to the nearest cell where `feature` is true.
std::vector<float> DistanceTo(const std::vector<bool>& feature, int w, int h) {
  const float far = 1e12f;
  std::vector<float> grid(feature.size());
  for (std::size_t i = 0; i < feature.size(); ++i) grid[i] = feature[i] ? 0 : far;
  int n = std::max(w, h);
  std::vector<float> f(n), d(n), z(n + 1);
  std::vector<int> v(n);
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) f[y] = grid[static_cast<std::size_t>(y) * w + x];
    DistanceTransform1d(f, h, d, v, z);
    for (int y = 0; y < h; ++y) grid[static_cast<std::size_t>(y) * w + x] = d[y];
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) f[x] = grid[static_cast<std::size_t>(y) * w + x];
    DistanceTransform1d(f, w, d, v, z);
    for (int x = 0; x < w; ++x) grid[static_cast<std::size_t>(y) * w + x] = std::sqrt(d[x]);
  }
  return grid;
}

// Decodes UTF-8 into code points; a broken sequence becomes '?'.
std::vector<char32_t> CodePoints(std::string_view s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + extra >= s.size())) {
      out.push_back('?');
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

}  // namespace

float DistanceField::Sample(float x, float y) const {
  float gx = (x - originX) * density - 0.5f, gy = (y - originY) * density - 0.5f;
  float outside = 0;
  float cx = std::clamp(gx, 0.0f, static_cast<float>(width - 1));
  float cy = std::clamp(gy, 0.0f, static_cast<float>(height - 1));
  outside = std::hypot(gx - cx, gy - cy) / density;
  int x0 = std::min(static_cast<int>(cx), width - 2), y0 = std::min(static_cast<int>(cy), height - 2);
  float fx = cx - x0, fy = cy - y0;
  auto at = [&](int xx, int yy) { return distance[static_cast<std::size_t>(yy) * width + xx]; };
  float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy + outside;
}

Sdf TextShape::At(float x, float baseline) const {
  // The field is shared, not copied, by every use of the shape.
  auto f = std::make_shared<DistanceField>(field);
  return [f, x, baseline](float px, float py) { return f->Sample(px - x, py - baseline); };
}

Sdf TextShape::CentredAt(float cx, float cy) const {
  return At(cx - (inkLeft + inkRight) / 2, cy - (inkTop + inkBottom) / 2);
}

struct Font::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Impl() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

Font::Font(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

std::unique_ptr<Font> Font::Open(const std::string& path) {
  auto impl = std::make_unique<Impl>();
  if (FT_Init_FreeType(&impl->library) != 0) return nullptr;
  if (FT_New_Face(impl->library, path.c_str(), 0, &impl->face) != 0) return nullptr;
  return std::unique_ptr<Font>(new Font(std::move(impl)));
}

TextShape Font::Render(std::string_view utf8, float pixelSize, float xScale, float margin) const {
  // Rendered at several times the output size, so the distance field
  // carries sub-pixel detail of the outlines.
  const int density = pixelSize < 40 ? 8 : 4;
  FT_Face face = impl_->face;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(pixelSize * density)));
  FT_Matrix squeeze{static_cast<FT_Fixed>(std::lround(xScale * 65536.0)), 0, 0, 0x10000};
  FT_Set_Transform(face, &squeeze, nullptr);

  struct Placed {
    std::vector<unsigned char> coverage;
    int left, top, width, rows;
  };
  std::vector<Placed> glyphs;
  long pen = 0;  // 26.6 fixed point, in supersampled pixels
  FT_UInt previous = 0;
  int minX = std::numeric_limits<int>::max(), minY = minX, maxX = std::numeric_limits<int>::min(), maxY = maxX;
  for (char32_t cp : CodePoints(utf8)) {
    FT_UInt index = FT_Get_Char_Index(face, cp);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
      pen += static_cast<long>(kern.x * xScale);
    }
    previous = index;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    Placed p{{}, static_cast<int>(pen >> 6) + slot->bitmap_left, -slot->bitmap_top,
             static_cast<int>(slot->bitmap.width), static_cast<int>(slot->bitmap.rows)};
    for (int r = 0; r < p.rows; ++r) {
      const unsigned char* row = slot->bitmap.buffer + static_cast<long>(r) * slot->bitmap.pitch;
      p.coverage.insert(p.coverage.end(), row, row + p.width);
    }
    if (p.width > 0 && p.rows > 0) {
      minX = std::min(minX, p.left);
      minY = std::min(minY, p.top);
      maxX = std::max(maxX, p.left + p.width);
      maxY = std::max(maxY, p.top + p.rows);
      glyphs.push_back(std::move(p));
    }
    pen += slot->advance.x;
  }
  FT_Set_Transform(face, nullptr, nullptr);

  TextShape shape;
  shape.advance = static_cast<float>(pen) / 64.0f / density;
  if (glyphs.empty()) {
    minX = minY = 0;
    maxX = maxY = 1;
  }
  const int pad = static_cast<int>(std::ceil(margin * density)) + 2;
  const int w = maxX - minX + 2 * pad, h = maxY - minY + 2 * pad;
  std::vector<float> coverage(static_cast<std::size_t>(w) * h, 0.0f);
  for (const Placed& p : glyphs)
    for (int r = 0; r < p.rows; ++r)
      for (int c = 0; c < p.width; ++c) {
        float& cell = coverage[static_cast<std::size_t>(p.top - minY + pad + r) * w + (p.left - minX + pad + c)];
        cell = std::max(cell, p.coverage[static_cast<std::size_t>(r) * p.width + c] / 255.0f);
      }

  std::vector<bool> inside(coverage.size()), outside(coverage.size());
  for (std::size_t i = 0; i < coverage.size(); ++i) {
    inside[i] = coverage[i] >= 0.5f;
    outside[i] = !inside[i];
  }
  std::vector<float> toInside = DistanceTo(inside, w, h), toOutside = DistanceTo(outside, w, h);
  DistanceField& field = shape.field;
  field.width = w;
  field.height = h;
  field.density = static_cast<float>(density);
  field.originX = static_cast<float>(minX - pad) / density;
  field.originY = static_cast<float>(minY - pad) / density;
  field.distance.resize(coverage.size());
  for (std::size_t i = 0; i < coverage.size(); ++i) {
    // Edge cells use their coverage for the sub-cell position of the edge.
    float cells = inside[i] ? -(toOutside[i] - 0.5f) : (toInside[i] - 0.5f);
    if (coverage[i] > 0 && coverage[i] < 1 && std::abs(cells) <= 1.0f) cells = 0.5f - coverage[i];
    field.distance[i] = cells / density;
  }
  shape.inkLeft = static_cast<float>(minX) / density;
  shape.inkRight = static_cast<float>(maxX) / density;
  shape.inkTop = static_cast<float>(minY) / density;
  shape.inkBottom = static_cast<float>(maxY) / density;
  return shape;
}

bool LoadFonts(const std::string& fontDir, Fonts& fonts, std::string& missing) {
  struct Wanted {
    std::unique_ptr<Font>* slot;
    const char* file;
  } wanted[] = {{&fonts.bold, "DejaVuSans-Bold.ttf"},
                {&fonts.condensedBold, "DejaVuSansCondensed-Bold.ttf"},
                {&fonts.serifBold, "DejaVuSerif-Bold.ttf"},
                {&fonts.sans, "DejaVuSans.ttf"},
                {&fonts.monoBold, "DejaVuSansMono-Bold.ttf"}};
  for (const Wanted& w : wanted) {
    std::string path = fontDir + "/" + w.file;
    *w.slot = Font::Open(path);
    if (!*w.slot) {
      missing = path;
      return false;
    }
  }
  return true;
}

}  // namespace artgen

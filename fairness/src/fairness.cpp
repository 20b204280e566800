#include "fairness/fairness.h"

#include "gamefile/jpeg_info.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace fairness {

// How large is JPEG noise? Measured by decoding the 40 pairs of the built-in
// picture set and the four built-in artwork pictures (1024 x 768, saturated
// colours and hard edges, the worst case), re-encoding each with TurboJPEG
// at quality 50, 75 and 90 with 4:2:0 and 4:4:4 chroma, and comparing the
// re-encoded picture with the original pixel by pixel:
//
//   - per channel, unsmoothed, noise reaches 144 on single pixels and 4:2:0
//     chroma smears it into blobs of thousands of pixels above 16: no
//     threshold on raw channels can tell noise from a retouched spot;
//   - on the luma difference smoothed over 3 x 3 pixels and the two chroma
//     differences smoothed over 5 x 5 (JPEG keeps chroma at half
//     resolution), taking the largest of the three: the 99.99th percentile
//     of noise is 15 and its maximum 25 (quality 50, 4:2:0, artwork; 14 and
//     23 on the photographs of the picture set); the largest connected blob
//     at 16 or more has 10 pixels, at 24 or more 2 pixels;
//   - the weakest real difference of the picture set still has 52 pixels at
//     24 or more inside its rectangle, 105 at 16 or more.
//
// So a place counts as changed when it has at least kMinStrongPixels
// (20, ten times the largest noise blob) pixels at kStrongStep (24) or
// more; its extent is every connected pixel at kWeakStep (12) or more.
namespace {

constexpr int kMaxSide = 8192;
constexpr int kMergeGap = 6;  // parts of one change (a moved object) this close form one region

struct DecoderCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};

// Box blur with a window of 2r + 1 pixels, clipped at the edges, in place.
void Blur(std::vector<float>& values, int width, int height, int r) {
  std::vector<float> row(static_cast<std::size_t>(std::max(width, height)));
  for (int y = 0; y < height; ++y) {
    float* line = &values[static_cast<std::size_t>(y) * width];
    for (int x = 0; x < width; ++x) {
      float sum = 0;
      int n = 0;
      for (int k = std::max(0, x - r); k <= std::min(width - 1, x + r); ++k, ++n) sum += line[k];
      row[x] = sum / static_cast<float>(n);
    }
    std::copy(row.begin(), row.begin() + width, line);
  }
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      float sum = 0;
      int n = 0;
      for (int k = std::max(0, y - r); k <= std::min(height - 1, y + r); ++k, ++n)
        sum += values[static_cast<std::size_t>(k) * width + x];
      row[y] = sum / static_cast<float>(n);
    }
    for (int y = 0; y < height; ++y) values[static_cast<std::size_t>(y) * width + x] = row[y];
  }
}

struct Differences {
  std::vector<std::uint8_t> colour;  // the smoothed difference of every pixel (see above)
  std::vector<std::uint8_t> bright;  // 1 where the smoothed brightness moved by kClearLumaStep or more
};

Differences DifferenceOf(const Picture& a, const Picture& b) {
  const std::size_t count = static_cast<std::size_t>(a.width) * a.height;
  std::vector<float> luma(count), blue(count), red(count);
  for (std::size_t i = 0; i < count; ++i) {
    const float dr = static_cast<float>(a.rgb[3 * i]) - b.rgb[3 * i];
    const float dg = static_cast<float>(a.rgb[3 * i + 1]) - b.rgb[3 * i + 1];
    const float db = static_cast<float>(a.rgb[3 * i + 2]) - b.rgb[3 * i + 2];
    luma[i] = 0.299f * dr + 0.587f * dg + 0.114f * db;
    blue[i] = -0.1687f * dr - 0.3313f * dg + 0.5f * db;
    red[i] = 0.5f * dr - 0.4187f * dg - 0.0813f * db;
  }
  Blur(luma, a.width, a.height, 1);
  Blur(blue, a.width, a.height, 2);
  Blur(red, a.width, a.height, 2);
  Differences out;
  out.colour.resize(count);
  out.bright.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const float d = std::max({std::fabs(luma[i]), std::fabs(blue[i]), std::fabs(red[i])});
    out.colour[i] = static_cast<std::uint8_t>(std::min(255.0f, d + 0.5f));
    out.bright[i] = std::fabs(luma[i]) >= static_cast<float>(kClearLumaStep) ? 1 : 0;
  }
  return out;
}

Box Grow(const Box& b, int by, int width, int height) {
  return {std::max(0, b.left - by), std::max(0, b.top - by), std::min(width, b.right + by),
          std::min(height, b.bottom + by)};
}

bool Intersect(const Box& a, const Box& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) && std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

Box Union(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Connected components (8 neighbours) of the pixels where `member` is set;
// labels start at 1, 0 = not a member.
struct Components {
  std::vector<int> label;
  int count = 0;
};

template <typename Member>
Components Label(int width, int height, Member member) {
  Components c;
  c.label.assign(static_cast<std::size_t>(width) * height, 0);
  std::vector<int> stack;
  for (int start = 0; start < width * height; ++start) {
    if (c.label[start] != 0 || !member(start)) continue;
    const int id = ++c.count;
    c.label[start] = id;
    stack.push_back(start);
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % width, y = at / width;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const int next = ny * width + nx;
          if (c.label[next] == 0 && member(next)) {
            c.label[next] = id;
            stack.push_back(next);
          }
        }
      }
    }
  }
  return c;
}

// Box, pixel count and strong-pixel count of every component (index = label;
// index 0 stays unused).
template <typename Strong>
std::vector<ChangedRegion> RegionsOf(const Components& parts, int width, int height, Strong strong) {
  std::vector<ChangedRegion> regions(static_cast<std::size_t>(parts.count) + 1);
  for (auto& r : regions) r.box = {width, height, 0, 0};
  for (int i = 0; i < width * height; ++i) {
    const int id = parts.label[i];
    if (id == 0) continue;
    ChangedRegion& r = regions[id];
    const int x = i % width, y = i / width;
    r.box = {std::min(r.box.left, x), std::min(r.box.top, y), std::max(r.box.right, x + 1),
             std::max(r.box.bottom, y + 1)};
    ++r.pixels;
    if (strong(i)) ++r.strongPixels;
  }
  return regions;
}

// The picture is shown this wide in the game: 488 becomes 490.
int ShownWidth(int pictureWidth) {
  return pictureWidth == gamefile::kPictureWidth ? gamefile::kWidthField : pictureWidth;
}

// The picture column shown at column X of the stretched picture: a nearest
// neighour scaled copy with 16.16 fixed-point steps sampling pixel centres.
int ColumnShownAt(int x, int pictureWidth) {
  const int shown = ShownWidth(pictureWidth);
  const std::int64_t step = (static_cast<std::int64_t>(pictureWidth) << 16) / shown;
  return static_cast<int>(std::min<std::int64_t>(pictureWidth - 1, (x * step + step / 2) >> 16));
}

}  // namespace

gamefile::Result<Picture> DecodePicture(std::span<const std::uint8_t> jpeg) {
  const auto fail = [] { return gamefile::Error{gamefile::ErrorCode::BadPicture, "Bild nicht lesbar"}; };
  if (jpeg.empty() || jpeg.size() > std::numeric_limits<unsigned long>::max()) return fail();
  std::unique_ptr<void, DecoderCloser> decoder(tjInitDecompress());
  if (!decoder) return fail();
  int width = 0, height = 0, subsampling = 0, colourSpace = 0;
  auto* source = const_cast<unsigned char*>(jpeg.data());
  if (tjDecompressHeader3(decoder.get(), source, static_cast<unsigned long>(jpeg.size()), &width, &height,
                          &subsampling, &colourSpace) != 0)
    return fail();
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return fail();
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  if (tjDecompress2(decoder.get(), source, static_cast<unsigned long>(jpeg.size()), picture.rgb.data(), width,
                    width * 3, height, TJPF_RGB, 0) != 0 &&
      tjGetErrorCode(decoder.get()) != TJERR_WARNING)
    return fail();
  return picture;
}

ChangeMap FindChanges(const Picture& first, const Picture& second) {
  ChangeMap map;
  if (first.width != second.width || first.height != second.height || first.width <= 0 || first.height <= 0)
    return map;
  const int width = first.width, height = first.height;
  map.width = width;
  map.height = height;
  Differences differences = DifferenceOf(first, second);
  const std::vector<std::uint8_t>& difference = differences.colour;
  const Components parts = Label(width, height, [&](int i) { return difference[i] >= kWeakStep; });

  const std::vector<ChangedRegion> part =
      RegionsOf(parts, width, height, [&](int i) { return difference[i] >= kStrongStep; });
  // Parts of one change lie close together: a moved object leaves a hole
  // and a new shape, a recoloured one may keep an unchanged outline.
  std::vector<int> regionOf(part.size(), -1);
  std::vector<ChangedRegion> regions;
  std::vector<std::vector<int>> members;
  for (std::size_t id = 1; id < part.size(); ++id) {
    if (part[id].strongPixels == 0) continue;  // a patch of weak noise alone is nothing
    regions.push_back(part[id]);
    members.push_back({static_cast<int>(id)});
  }
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t a = 0; a < regions.size() && !merged; ++a) {
      for (std::size_t b = a + 1; b < regions.size() && !merged; ++b) {
        if (!Intersect(Grow(regions[a].box, kMergeGap, width, height), regions[b].box)) continue;
        regions[a].box = Union(regions[a].box, regions[b].box);
        regions[a].pixels += regions[b].pixels;
        regions[a].strongPixels += regions[b].strongPixels;
        members[a].insert(members[a].end(), members[b].begin(), members[b].end());
        regions.erase(regions.begin() + static_cast<std::ptrdiff_t>(b));
        members.erase(members.begin() + static_cast<std::ptrdiff_t>(b));
        merged = true;
      }
    }
  }
  std::vector<std::size_t> order;
  for (std::size_t r = 0; r < regions.size(); ++r)
    if (regions[r].strongPixels >= kMinStrongPixels) order.push_back(r);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return regions[a].pixels > regions[b].pixels; });
  for (std::size_t r : order) {
    for (int id : members[r]) regionOf[id] = 1;
    map.regions.push_back(regions[r]);
  }
  map.changed.assign(static_cast<std::size_t>(width) * height, 0);
  map.strong.assign(static_cast<std::size_t>(width) * height, 0);
  for (int i = 0; i < width * height; ++i) {
    const int id = parts.label[i];
    if (id != 0 && regionOf[id] == 1) {
      map.changed[i] = 1;
      map.strong[i] = difference[i] >= kStrongStep ? 1 : 0;
    }
  }
  map.brighter = std::move(differences.bright);
  return map;
}

Box ClickableBox(const gamefile::Rect& rect, int pictureWidth, int pictureHeight) {
  const int shown = ShownWidth(pictureWidth);
  const int xFirst = std::max(0, rect.x1 + 1), xLast = std::min(shown - 1, rect.x2 - 1);
  const int yFirst = std::max(0, rect.y1 + 1), yLast = std::min(pictureHeight - 1, rect.y2 - 1);
  if (xFirst > xLast || yFirst > yLast) return {};
  return {ColumnShownAt(xFirst, pictureWidth), yFirst, ColumnShownAt(xLast, pictureWidth) + 1, yLast + 1};
}

gamefile::Rect RectCovering(const Box& box, int pictureWidth, int pictureHeight) {
  const int shown = ShownWidth(pictureWidth);
  int firstShown = shown - 1, lastShown = 0;
  for (int x = 0; x < shown; ++x) {
    const int column = ColumnShownAt(x, pictureWidth);
    if (column == box.left) firstShown = std::min(firstShown, x);
    if (column == box.right - 1) lastShown = std::max(lastShown, x);
  }
  const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
  return {u16(std::max(0, firstShown - 1)), u16(std::min(shown, lastShown + 1)), u16(std::max(0, box.top - 1)),
          u16(std::min(pictureHeight, box.bottom))};
}

bool IsDrawn(const gamefile::Rect& rect) { return rect.x2 > rect.x1 && rect.y2 > rect.y1; }

namespace {

bool RectsOverlap(const gamefile::Rect& a, const gamefile::Rect& b) {
  return std::max(a.x1, b.x1) < std::min(a.x2, b.x2) && std::max(a.y1, b.y1) < std::min(a.y2, b.y2);
}

// Pixel (x, y) can be clicked inside one of `boxes`.
bool Covered(const std::vector<Box>& boxes, int x, int y) {
  for (const Box& b : boxes)
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return true;
  return false;
}

std::vector<Box> ClickableBoxes(const gamefile::RectSet& rects, const ChangeMap& map) {
  std::vector<Box> boxes;
  for (const auto& r : rects)
    if (IsDrawn(r)) boxes.push_back(ClickableBox(r, map.width, map.height));
  return boxes;
}

// The parts of real change no click inside `boxes` reaches, each with
// enough strong pixels to be a change of its own, largest first.
std::vector<ChangedRegion> UncoveredChanges(const ChangeMap& map, const std::vector<Box>& boxes) {
  const int width = map.width, height = map.height;
  std::vector<std::uint8_t> uncovered(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (map.At(x, y) && !Covered(boxes, x, y)) uncovered[static_cast<std::size_t>(y) * width + x] = 1;
  const Components parts = Label(width, height, [&](int i) { return uncovered[i] != 0; });
  const std::vector<ChangedRegion> rest =
      RegionsOf(parts, width, height, [&](int i) { return map.strong[i] != 0; });
  std::vector<ChangedRegion> found;
  for (std::size_t id = 1; id < rest.size(); ++id)
    if (rest[id].strongPixels >= kMinStrongPixels && rest[id].pixels >= kMinUncoveredPixels)
      found.push_back(rest[id]);
  std::stable_sort(found.begin(), found.end(),
                   [](const ChangedRegion& a, const ChangedRegion& b) { return a.pixels > b.pixels; });
  return found;
}

Problem SizesDiffer() {
  Problem p;
  p.kind = ProblemKind::Undecodable;
  return p;
}

std::vector<Problem> ProblemsOf(const gamefile::RectSet& rects, const ChangeMap& map) {
  std::vector<Problem> problems;
  int drawn = 0;
  for (const auto& r : rects) drawn += IsDrawn(r) ? 1 : 0;
  if (drawn < gamefile::kRectsPerPicture) {
    Problem p;
    p.kind = ProblemKind::TooFewRects;
    p.drawn = drawn;
    problems.push_back(p);
  }
  for (int i = 0; i < gamefile::kRectsPerPicture; ++i) {
    const auto& r = rects[i];
    if (IsDrawn(r) && (r.x2 - r.x1 < kMinRectSide || r.y2 - r.y1 < kMinRectSide)) {
      Problem p;
      p.kind = ProblemKind::SmallRect;
      p.rect = i;
      problems.push_back(p);
    }
  }
  for (int i = 0; i < gamefile::kRectsPerPicture; ++i) {
    for (int j = i + 1; j < gamefile::kRectsPerPicture; ++j) {
      if (IsDrawn(rects[i]) && IsDrawn(rects[j]) && RectsOverlap(rects[i], rects[j])) {
        Problem p;
        p.kind = ProblemKind::Overlap;
        p.rect = i;
        p.other = j;
        problems.push_back(p);
      }
    }
  }
  for (int i = 0; i < gamefile::kRectsPerPicture; ++i) {
    if (!IsDrawn(rects[i])) continue;
    const Box b = ClickableBox(rects[i], map.width, map.height);
    int strong = 0;
    for (int y = b.top; y < b.bottom; ++y)
      for (int x = b.left; x < b.right; ++x) strong += map.strong[static_cast<std::size_t>(y) * map.width + x];
    if (strong < kMinStrongPixels) {
      Problem p;
      p.kind = ProblemKind::EmptyRect;
      p.rect = i;
      problems.push_back(p);
    }
  }
  for (const ChangedRegion& rest : UncoveredChanges(map, ClickableBoxes(rects, map))) {
    Problem p;
    p.kind = ProblemKind::Unmarked;
    p.where = rest.box;
    problems.push_back(p);
  }
  return problems;
}

// The changed pixels inside `box`, and of those the ones whose brightness
// moved clearly; `where` shrinks to the changed pixels.
ColourWarning BrightnessWithin(const Box& box, const ChangeMap& map) {
  ColourWarning measured;
  Box where{box.right, box.bottom, box.left, box.top};
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * map.width + x;
      if (!map.changed[i]) continue;
      ++measured.pixels;
      measured.brightPixels += map.brighter[i];
      where = Union(where, Box{x, y, x + 1, y + 1});
    }
  }
  measured.where = measured.pixels > 0 ? where : Box{};
  return measured;
}

bool ShowsInGrey(const ColourWarning& measured) {
  return measured.brightPixels * 100 >= kMinBrightPercent * measured.pixels &&
         measured.brightPixels >= kMinBrightPixels;
}

}  // namespace

std::vector<Problem> CheckPair(const gamefile::RectSet& rects, const Picture& first, const Picture& second) {
  if (first.width != second.width || first.height != second.height) return {SizesDiffer()};
  return ProblemsOf(rects, FindChanges(first, second));
}

std::vector<ColourWarning> FindColourOnlyChanges(const gamefile::RectSet& rects, const ChangeMap& map) {
  std::vector<ColourWarning> warnings;
  if (map.width == 0 || map.brighter.size() != map.changed.size()) return warnings;
  // A difference is what the player looks for inside one rectangle, however
  // many pieces the comparison splits it into; so it is measured as a whole.
  const std::vector<Box> boxes = ClickableBoxes(rects, map);
  for (int i = 0, drawn = 0; i < gamefile::kRectsPerPicture; ++i) {
    if (!IsDrawn(rects[i])) continue;
    ColourWarning measured = BrightnessWithin(boxes[drawn++], map);
    if (measured.pixels == 0 || ShowsInGrey(measured)) continue;
    measured.rect = i;
    warnings.push_back(measured);
  }
  for (const ChangedRegion& region : map.regions) {
    const bool marked = std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return Intersect(b, region.box); });
    if (marked) continue;
    ColourWarning measured = BrightnessWithin(region.box, map);
    if (!ShowsInGrey(measured)) warnings.push_back(measured);
  }
  return warnings;
}

PairReview ReviewPair(const gamefile::RectSet& rects, const Picture& first, const Picture& second) {
  if (first.width != second.width || first.height != second.height) return {{SizesDiffer()}, {}};
  const ChangeMap map = FindChanges(first, second);
  return {ProblemsOf(rects, map), FindColourOnlyChanges(rects, map)};
}

PairReview ReviewPair(const gamefile::RectSet& rects, std::span<const std::uint8_t> firstJpeg,
                      std::span<const std::uint8_t> secondJpeg) {
  auto first = DecodePicture(firstJpeg);
  auto second = DecodePicture(secondJpeg);
  if (!first || !second) {
    Problem p;
    p.kind = ProblemKind::Undecodable;
    p.picture = first ? 2 : 1;
    return {{p}, {}};
  }
  return ReviewPair(rects, *first, *second);
}

std::vector<Problem> CheckPair(const gamefile::RectSet& rects, std::span<const std::uint8_t> firstJpeg,
                               std::span<const std::uint8_t> secondJpeg) {
  return ReviewPair(rects, firstJpeg, secondJpeg).problems;
}

std::string DescribeWarning(const ColourWarning& w) {
  const std::string what = w.rect >= 0 ? "Fehler " + std::to_string(w.rect + 1)
                                       : "Der Unterschied bei X " + std::to_string(w.where.left) + ", Y " +
                                             std::to_string(w.where.top);
  return what + " ändert fast nur die Farbe: nur " + std::to_string(w.BrightPercent()) + " % seiner " +
         std::to_string(w.pixels) + " geänderten Pixel werden deutlich heller oder dunkler.";
}

std::string DescribeProblem(const Problem& p) {
  const auto number = [](int rect) { return "Fehler " + std::to_string(rect + 1); };
  switch (p.kind) {
    case ProblemKind::Undecodable:
      if (p.picture == 0) return "Die beiden Bilder sind verschieden groß und können nicht verglichen werden.";
      return "Bild " + std::to_string(p.picture) + " kann nicht gelesen werden.";
    case ProblemKind::TooFewRects:
      return "Nur " + std::to_string(p.drawn) + " von 5 Fehlern sind eingezeichnet.";
    case ProblemKind::SmallRect:
      return number(p.rect) + " ist kleiner als 24 x 24 Pixel.";
    case ProblemKind::Overlap:
      return number(p.rect) + " und " + number(p.other) + " überschneiden sich.";
    case ProblemKind::EmptyRect:
      return "In " + number(p.rect) + " unterscheiden sich die Bilder nicht.";
    case ProblemKind::Unmarked:
      return "Unmarkierter Unterschied bei X " + std::to_string(p.where.left) + ", Y " + std::to_string(p.where.top) +
             " (" + std::to_string(p.where.Width()) + " x " + std::to_string(p.where.Height()) + " Pixel).";
  }
  return {};
}

gamefile::RectSet SuggestRects(const gamefile::RectSet& rects, const Picture& first, const Picture& second) {
  gamefile::RectSet result = rects;
  const ChangeMap map = FindChanges(first, second);
  if (map.width == 0) return result;
  std::vector<gamefile::Rect> taken;
  for (const auto& r : rects)
    if (IsDrawn(r)) taken.push_back(r);
  const std::vector<ChangedRegion> open = UncoveredChanges(map, ClickableBoxes(rects, map));
  std::size_t next = 0;
  for (auto& slot : result) {
    if (IsDrawn(slot)) continue;
    for (; next < open.size(); ++next) {
      const Box region = open[next].box;
      // Padded if there is room; tight if the padding would reach into a
      // neighbour, so a change close to another still gets its rectangle.
      std::optional<gamefile::Rect> fits;
      for (int pad : {kSuggestPadding, 0}) {
        const gamefile::Rect r = RectCovering(Grow(region, pad, map.width, map.height), map.width, map.height);
        const bool clear = std::none_of(taken.begin(), taken.end(), [&](const auto& t) { return RectsOverlap(r, t); });
        if (clear) {
          fits = r;
          break;
        }
      }
      if (!fits) continue;
      slot = *fits;
      taken.push_back(*fits);
      ++next;
      break;
    }
  }
  return result;
}

}  // namespace fairness

#include "photo/differences.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

#include "edits.h"
#include "gamefile/jpeg_info.h"

namespace photo {
namespace {

using detail::Rng;
using fairness::Box;

int Luma(const std::uint8_t* p) { return (299 * p[0] + 587 * p[1] + 114 * p[2] + 500) / 1000; }

cv::Mat AsMat(Picture& picture) { return cv::Mat(picture.height, picture.width, CV_8UC3, picture.rgb.data()); }
cv::Mat AsMat(const Picture& picture) {
  return cv::Mat(picture.height, picture.width, CV_8UC3, const_cast<std::uint8_t*>(picture.rgb.data()));
}

// Every pixel that differs at all, or an empty box.
Box ChangedBox(const cv::Mat& before, const cv::Mat& after) {
  cv::Mat difference;
  cv::absdiff(before, after, difference);
  cv::Mat any;
  cv::transform(difference, any, cv::Matx13f(1, 1, 1));
  const cv::Rect r = cv::boundingRect(any > 0);
  return {r.x, r.y, r.x + r.width, r.y + r.height};
}

// A margin of 2 pixels, then at least kMinBoxSide in whole blocks, so JPEG
// blocks outside it stay identical.
void FitSpan(int& lo, int& hi, int extent) {
  lo -= 2, hi += 2;
  gamefile::FitSpanToBlocks(lo, hi, extent, kMinBoxSide);
}

Box BlockBox(Box changed, int width, int height) {
  FitSpan(changed.left, changed.right, width);
  FitSpan(changed.top, changed.bottom, height);
  return changed;
}

bool Overlaps(const Box& a, const Box& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) && std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

Box Grown(const Box& b, int by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

int Quarter(const Box& b, int width, int height) {
  return ((b.left + b.right) / 2 >= width / 2 ? 1 : 0) + ((b.top + b.bottom) / 2 >= height / 2 ? 2 : 0);
}

// A block apart, centres apart, at most two in a quarter of the picture: the
// five differences spread over the whole photo.
bool FitsBeside(const Box& box, const std::vector<Difference>& chosen, int width, int height) {
  int inQuarter = 0;
  for (const Difference& d : chosen) {
    if (Overlaps(Grown(box, kBlock), d.box)) return false;
    const double dx = (box.left + box.right - d.box.left - d.box.right) / 2.0;
    const double dy = (box.top + box.bottom - d.box.top - d.box.bottom) / 2.0;
    if (std::hypot(dx, dy) < kMinCentreDistance) return false;
    if (Quarter(d.box, width, height) == Quarter(box, width, height)) ++inQuarter;
  }
  return inQuarter < 2;
}

bool BlocksOverlapAny(const Box& box, const std::vector<Box>& taken) {
  for (const Box& t : taken)
    if (Overlaps(box, t)) return true;
  return false;
}

// The kinds to try on one object, least used first, ties in seeded order.
std::vector<EditKind> KindsToTry(const std::array<int, kEditKindCount>& uses, Rng& rng) {
  std::vector<EditKind> kinds;
  for (int k = 0; k < kEditKindCount; ++k) kinds.push_back(static_cast<EditKind>(k));
  std::shuffle(kinds.begin(), kinds.end(), rng);
  std::stable_sort(kinds.begin(), kinds.end(),
                   [&](EditKind a, EditKind b) { return uses[static_cast<int>(a)] < uses[static_cast<int>(b)]; });
  return kinds;
}

constexpr int kMaxOfOneKind = 3;

struct Attempt {
  Box box;
  cv::Mat changed;  // the whole picture with this one edit
};

std::optional<Attempt> TryEdit(const cv::Mat& base, const detail::Analysis& analysis, const detail::Object& object,
                               EditKind kind, Rng& rng) {
  Attempt attempt;
  attempt.changed = base.clone();
  bool made = false;
  switch (kind) {
    case EditKind::Removed: made = detail::RemoveObject(attempt.changed, object); break;
    case EditKind::Recoloured: made = detail::RecolourObject(attempt.changed, object, rng); break;
    case EditKind::Mirrored:
      made = object.patch ? detail::MirrorPatch(attempt.changed, object) : detail::MirrorObject(attempt.changed, object);
      break;
    case EditKind::Resized: made = detail::ResizeObject(attempt.changed, object, rng); break;
    case EditKind::Rotated:
      made = detail::RotateObject(attempt.changed, object, rng);
      break;
    case EditKind::Duplicated: made = detail::DuplicateObject(attempt.changed, analysis, object, rng).has_value(); break;
  }
  if (!made) return std::nullopt;
  const Box changed = ChangedBox(base, attempt.changed);
  if (changed.Empty()) return std::nullopt;
  attempt.box = BlockBox(changed, base.cols, base.rows);
  if (attempt.box.Width() > kMaxBoxSide || attempt.box.Height() > kMaxBoxSide) return std::nullopt;
  return attempt;
}

struct Search {
  const Picture& first;
  Picture second;
  std::vector<Difference> chosen;
  std::vector<Box> refused;  // boxes the checked JPEGs did not accept
  std::array<int, kEditKindCount> uses{};
};

// Adds differences until there are five or the candidates run out.
void FillUp(Search& s, const detail::Analysis& analysis, const std::vector<detail::Object>& objects, Rng& rng) {
  const cv::Mat base = AsMat(s.first);
  cv::Mat second = AsMat(s.second);
  for (const detail::Object& object : objects) {
    if (s.chosen.size() >= gamefile::kRectsPerPicture) return;
    const Box around{object.window.x, object.window.y, object.window.br().x, object.window.br().y};
    if (!FitsBeside(BlockBox(around, base.cols, base.rows), s.chosen, base.cols, base.rows) &&
        !FitsBeside(around, s.chosen, base.cols, base.rows))
      continue;
    for (EditKind kind : KindsToTry(s.uses, rng)) {
      // A pair of five recolourings would be dull to search.
      if (s.uses[static_cast<int>(kind)] >= kMaxOfOneKind) continue;
      auto attempt = TryEdit(base, analysis, object, kind, rng);
      if (!attempt || !FitsBeside(attempt->box, s.chosen, base.cols, base.rows) ||
          BlocksOverlapAny(attempt->box, s.refused))
        continue;
      Picture trial;
      trial.width = s.first.width, trial.height = s.first.height;
      trial.rgb.assign(attempt->changed.data, attempt->changed.data + s.first.rgb.size());
      const int luma = CountLumaChanges(s.first, trial, attempt->box);
      if (luma < kMinLumaPixels) continue;
      const cv::Rect r(attempt->box.left, attempt->box.top, attempt->box.Width(), attempt->box.Height());
      attempt->changed(r).copyTo(second(r));
      s.chosen.push_back({kind, attempt->box, luma});
      ++s.uses[static_cast<int>(kind)];
      break;
    }
  }
}

// Restores the first picture's pixels inside a refused difference's box.
void Undo(Search& s, std::size_t index) {
  const Box& b = s.chosen[index].box;
  for (int y = b.top; y < b.bottom; ++y) {
    const std::size_t at = (static_cast<std::size_t>(y) * s.first.width + b.left) * 3;
    std::copy_n(s.first.rgb.begin() + static_cast<std::ptrdiff_t>(at), b.Width() * 3,
                s.second.rgb.begin() + static_cast<std::ptrdiff_t>(at));
  }
  --s.uses[static_cast<int>(s.chosen[index].kind)];
  s.refused.push_back(b);
  s.chosen.erase(s.chosen.begin() + static_cast<std::ptrdiff_t>(index));
}

gamefile::RectSet RectsOf(const std::vector<Difference>& chosen, int width, int height) {
  gamefile::RectSet rects{};
  for (std::size_t i = 0; i < chosen.size() && i < rects.size(); ++i)
    rects[i] = fairness::RectCovering(chosen[i].box, width, height);
  return rects;
}

// Codes both pictures as the player will get them and checks them as the
// editor does; returns the indices of differences to give up (all of them
// when the pair as a whole fails).
std::vector<std::size_t> CheckCoded(Search& s, PhotoPair& pair) {
  std::vector<std::size_t> failing;
  auto firstJpeg = EncodeJpeg(s.first);
  auto secondJpeg = EncodeJpeg(s.second);
  if (!firstJpeg || !secondJpeg) return {0};
  auto first = fairness::DecodePicture(*firstJpeg);
  auto second = fairness::DecodePicture(*secondJpeg);
  if (!first || !second) return {0};
  const gamefile::RectSet rects = RectsOf(s.chosen, s.first.width, s.first.height);
  for (std::size_t i = 0; i < s.chosen.size(); ++i) {
    s.chosen[i].lumaPixels = CountLumaChanges(*first, *second, s.chosen[i].box);
    if (s.chosen[i].lumaPixels < kMinLumaPixels) failing.push_back(i);
  }
  for (const fairness::Problem& problem : fairness::CheckPair(rects, *first, *second)) {
    if (problem.rect >= 0) {
      failing.push_back(static_cast<std::size_t>(problem.rect));
    } else if (problem.kind != fairness::ProblemKind::TooFewRects) {
      // A change outside every box cannot come from one edit: start over.
      failing.clear();
      for (std::size_t i = 0; i < s.chosen.size(); ++i) failing.push_back(i);
      break;
    }
  }
  std::sort(failing.begin(), failing.end());
  failing.erase(std::unique(failing.begin(), failing.end()), failing.end());
  if (failing.empty()) {
    pair.firstJpeg = std::move(*firstJpeg);
    pair.secondJpeg = std::move(*secondJpeg);
    pair.rects = rects;
  }
  return failing;
}

}  // namespace

std::string EditName(EditKind kind) {
  switch (kind) {
    case EditKind::Removed: return "entfernt";
    case EditKind::Duplicated: return "verdoppelt";
    case EditKind::Recoloured: return "umgefärbt";
    case EditKind::Mirrored: return "gespiegelt";
    case EditKind::Resized: return "andere Größe";
    case EditKind::Rotated: return "gedreht";
  }
  return "?";
}

int CountLumaChanges(const Picture& a, const Picture& b, const fairness::Box& box, int step) {
  if (a.width != b.width || a.height != b.height) return 0;
  int count = 0;
  for (int y = std::max(0, box.top); y < std::min(a.height, box.bottom); ++y) {
    for (int x = std::max(0, box.left); x < std::min(a.width, box.right); ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * a.width + x) * 3;
      if (std::abs(Luma(&a.rgb[i]) - Luma(&b.rgb[i])) >= step) ++count;
    }
  }
  return count;
}

gamefile::Result<PhotoPair> MakePair(const Picture& fitted, std::uint64_t seed) {
  if (fitted.width != gamefile::kPictureWidth || fitted.height != gamefile::kPictureHeight ||
      fitted.rgb.size() != static_cast<std::size_t>(fitted.width) * fitted.height * 3)
    return gamefile::Error{gamefile::ErrorCode::BadPicture, "Das Bild hat nicht die Größe 488 x 430."};
  Rng rng(seed * 0x9E3779B97F4A7C15ull + 1);
  const detail::Analysis analysis = detail::Analyse(AsMat(fitted));
  const std::vector<detail::Object> objects = detail::FindObjects(analysis, rng);

  Search s{fitted, fitted, {}, {}, {}};
  PhotoPair pair;
  constexpr int kRounds = 4;
  for (int round = 0; round < kRounds; ++round) {
    FillUp(s, analysis, objects, rng);
    if (s.chosen.size() < gamefile::kRectsPerPicture) break;
    const std::vector<std::size_t> failing = CheckCoded(s, pair);
    if (failing.empty()) {
      pair.first = fitted;
      pair.second = s.second;
      std::copy_n(s.chosen.begin(), gamefile::kRectsPerPicture, pair.differences.begin());
      return pair;
    }
    for (auto it = failing.rbegin(); it != failing.rend(); ++it) Undo(s, *it);
  }
  return gamefile::Error{gamefile::ErrorCode::BadPicture,
                         "Auf diesem Foto gibt es zu wenig, das sich deutlich und fair verändern lässt (nur " +
                             std::to_string(std::min<std::size_t>(s.chosen.size(), 4)) +
                             " von 5 Unterschieden gefunden). Wählen sie bitte ein Foto mit mehr einzelnen Dingen "
                             "darauf."};
}

}  // namespace photo

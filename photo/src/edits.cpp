#include "edits.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include <algorithm>
#include <cmath>

namespace photo::detail {
namespace {

constexpr int kRing = 3;            // pixels of the window's edge that describe the surroundings
constexpr int kMinObjectArea = 90;
constexpr double kMaxObjectShare = 0.42;  // of the window
constexpr float kMinThreshold = 11.f;     // Lab distance: below this nothing stands out
constexpr float kMaxPlainSpread = 7.5f;   // lightness spread of surroundings that can be filled in
constexpr float kMaxCoveredSpread = 14.f;  // when the changed object covers most of the filled place

cv::Rect Inside(const cv::Mat& picture) { return {0, 0, picture.cols, picture.rows}; }

// The mask grown by `by` pixels.
cv::Mat Dilated(const cv::Mat& mask, int by) {
  cv::Mat out;
  cv::dilate(mask, out, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * by + 1, 2 * by + 1}));
  return out;
}

// A soft-edged alpha (0..1) from a mask, so pasted pixels fade into the
// photo over two pixels instead of ending at a hard seam.
cv::Mat Feathered(const cv::Mat& mask) {
  cv::Mat alpha;
  mask.convertTo(alpha, CV_32F, 1.0 / 255.0);
  cv::GaussianBlur(alpha, alpha, {5, 5}, 1.2);
  return alpha;
}

// picture = alpha * top + (1 - alpha) * picture, inside `area`.
void Blend(cv::Mat& picture, const cv::Rect& area, const cv::Mat& top, const cv::Mat& alpha) {
  cv::Mat target = picture(area);
  for (int y = 0; y < area.height; ++y) {
    auto* out = target.ptr<cv::Vec3b>(y);
    const auto* in = top.ptr<cv::Vec3b>(y);
    const auto* a = alpha.ptr<float>(y);
    for (int x = 0; x < area.width; ++x) {
      if (a[x] <= 0.f) continue;
      for (int c = 0; c < 3; ++c)
        out[x][c] = cv::saturate_cast<std::uint8_t>(a[x] * in[x][c] + (1.f - a[x]) * out[x][c]);
    }
  }
}

// The object's window with the object filled in from its surroundings.
cv::Mat FilledBackground(const cv::Mat& picture, const Object& object) {
  cv::Mat filled;
  cv::inpaint(picture(object.window), Dilated(object.mask, 3), filled, 5, cv::INPAINT_TELEA);
  return filled;
}

// Pastes the object transformed by `transform` (2 x 3, window coordinates)
// over the filled-in background of its window.
bool PasteTransformed(cv::Mat& picture, const Object& object, const cv::Mat& transform) {
  const cv::Mat source = picture(object.window).clone();
  cv::Mat background = FilledBackground(picture, object);
  cv::Mat moved, movedMask;
  cv::warpAffine(source, moved, transform, source.size(), cv::INTER_CUBIC, cv::BORDER_REFLECT);
  cv::warpAffine(object.mask, movedMask, transform, source.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 0);
  cv::threshold(movedMask, movedMask, 127, 255, cv::THRESH_BINARY);
  // The transformed object must stay clear of the window's edge, or its
  // cut-off part would show as a straight seam.
  const cv::Rect kept = cv::boundingRect(movedMask);
  if (kept.empty() || kept.x < 2 || kept.y < 2 || kept.br().x > source.cols - 2 || kept.br().y > source.rows - 2)
    return false;
  background.copyTo(picture(object.window));
  Blend(picture, object.window, moved, Feathered(movedMask));
  return true;
}

float RingStats(const cv::Mat& lab, const cv::Rect& window, cv::Vec3f& mean) {
  cv::Mat ring(window.size(), CV_8U, cv::Scalar(255));
  ring(cv::Rect(kRing, kRing, window.width - 2 * kRing, window.height - 2 * kRing)).setTo(0);
  cv::Scalar m, sd;
  cv::meanStdDev(lab(window), m, sd, ring);
  mean = {static_cast<float>(m[0]), static_cast<float>(m[1]), static_cast<float>(m[2])};
  return static_cast<float>(sd[0]);
}

}  // namespace

Analysis Analyse(const cv::Mat& rgb) {
  Analysis a;
  cv::Mat floating;
  rgb.convertTo(floating, CV_32FC3, 1.0 / 255.0);
  cv::cvtColor(floating, a.lab, cv::COLOR_RGB2Lab);
  // Frequency-tuned saliency, taken locally: fine detail against a wide
  // neighbourhood, so a small red boat on grey water stands out.
  cv::Mat fine, wide;
  cv::GaussianBlur(a.lab, fine, {0, 0}, 1.5);
  cv::GaussianBlur(a.lab, wide, {0, 0}, 18);
  cv::Mat difference = fine - wide;
  std::vector<cv::Mat> channels;
  cv::split(difference, channels);
  cv::magnitude(channels[0], channels[1], a.saliency);
  cv::magnitude(a.saliency, channels[2], a.saliency);
  cv::Mat lightness;
  cv::extractChannel(a.lab, lightness, 0);
  cv::Sobel(lightness, a.dx, CV_32F, 1, 0, 3, 0.25);
  cv::Sobel(lightness, a.dy, CV_32F, 0, 1, 3, 0.25);
  cv::magnitude(a.dx, a.dy, a.edges);
  cv::Mat blurred;
  cv::GaussianBlur(lightness, blurred, {0, 0}, 3);
  cv::absdiff(lightness, blurred, a.detail);
  return a;
}

namespace {

constexpr int kMaxObjectArea = 3600;
constexpr int kMaxObjectSide = 84;
constexpr float kMinContrast = 14.f;  // Lab distance of object and surroundings
// A real object ends at an edge; a blob of blurred background fades out.
// Mean lightness step per pixel along the outline.
constexpr float kMinOutlineSharpness = 5.f;
constexpr double kMaxPatchCoherence = 0.45;
constexpr double kMinPatchDetail = 2.0;

// Mean and lightness spread of the ring 2 to 7 pixels around the mask.
void DescribeSurroundings(const Analysis& analysis, Object& o) {
  const cv::Mat ring = Dilated(o.mask, 7) & ~Dilated(o.mask, 2);
  cv::Scalar m, sd;
  cv::meanStdDev(analysis.lab(o.window), m, sd, ring);
  o.ringMean = {static_cast<float>(m[0]), static_cast<float>(m[1]), static_cast<float>(m[2])};
  o.ringSpread = static_cast<float>(sd[0]);
}

std::optional<Object> ObjectFrom(const Analysis& analysis, const cv::Mat& labels, int label, const cv::Rect& bounds) {
  const int margin = std::max(10, std::max(bounds.width, bounds.height) / 2);
  Object o;
  o.window = cv::Rect(bounds.x - margin, bounds.y - margin, bounds.width + 2 * margin, bounds.height + 2 * margin);
  if ((o.window & Inside(analysis.lab)) != o.window) return std::nullopt;
  o.mask = labels(o.window) == label;
  // Holes (a window in a house, a spot on a ladybird) belong to the object.
  cv::Mat outside = o.mask.clone();
  cv::floodFill(outside, cv::Point(0, 0), cv::Scalar(128));
  o.mask.setTo(255, outside == 0);
  o.area = cv::countNonZero(o.mask);
  o.bounds = bounds;
  const cv::Moments m = cv::moments(o.mask, true);
  o.centre = {static_cast<float>(o.window.x + m.m10 / m.m00), static_cast<float>(o.window.y + m.m01 / m.m00)};
  DescribeSurroundings(analysis, o);
  const cv::Scalar inside = cv::mean(analysis.lab(o.window), o.mask);
  const cv::Vec3f objectMean(static_cast<float>(inside[0]), static_cast<float>(inside[1]), static_cast<float>(inside[2]));
  if (cv::norm(objectMean - o.ringMean) < kMinContrast) return std::nullopt;
  cv::Mat inner;
  cv::erode(o.mask, inner, cv::getStructuringElement(cv::MORPH_ELLIPSE, {3, 3}));
  const cv::Mat outline = Dilated(o.mask, 1) & ~inner;
  if (cv::mean(analysis.edges(o.window), outline)[0] < kMinOutlineSharpness) return std::nullopt;
  return o;
}

bool Clashes(const Object& o, const std::vector<Object>& found) {
  for (const Object& f : found)
    if ((o.bounds & f.bounds).area() > 0) return true;
  return false;
}

// How strongly the detail in `area` runs one way (0 none, 1 parallel
// lines): a mirrored piece of planks or of a horizon would show as a cross.
double Coherence(const Analysis& analysis, const cv::Rect& area) {
  const cv::Mat dx = analysis.dx(area), dy = analysis.dy(area);
  const double xx = dx.dot(dx), yy = dy.dot(dy), xy = dx.dot(dy);
  const double sum = xx + yy;
  return sum <= 0 ? 1.0 : std::sqrt((xx - yy) * (xx - yy) + 4 * xy * xy) / sum;
}

// Round pieces of ground with enough detail that mirroring them shows.
std::vector<Object> Patches(const Analysis& analysis, Rng& rng) {
  std::vector<Object> patches;
  constexpr int side = 56;
  std::uniform_int_distribution<int> shift(-8, 8);
  for (int y = 16; y + side + 16 <= analysis.lab.rows; y += 40) {
    for (int x = 16; x + side + 16 <= analysis.lab.cols; x += 40) {
      Object o;
      o.patch = true;
      o.window = cv::Rect(x + shift(rng), y + shift(rng), side, side) & Inside(analysis.lab);
      if (o.window.width != side || o.window.height != side) continue;
      o.mask = cv::Mat::zeros(side, side, CV_8U);
      cv::circle(o.mask, {side / 2, side / 2}, side / 2 - 12, cv::Scalar(255), cv::FILLED);
      cv::Scalar m, sd;
      cv::meanStdDev(analysis.lab(o.window), m, sd, o.mask);
      // Fine detail (grass, leaves, fur), not a smooth bend of light: a
      // mirrored gradient would show as a bright or dark blob.
      if (sd[0] < 9.0 || cv::mean(analysis.detail(o.window), o.mask)[0] < kMinPatchDetail ||
          Coherence(analysis, o.window) > kMaxPatchCoherence)
        continue;
      o.area = cv::countNonZero(o.mask);
      o.bounds = o.window;
      o.centre = {o.window.x + side / 2.f, o.window.y + side / 2.f};
      o.ringMean = {static_cast<float>(m[0]), static_cast<float>(m[1]), static_cast<float>(m[2])};
      o.ringSpread = static_cast<float>(sd[0]);
      patches.push_back(std::move(o));
    }
  }
  std::shuffle(patches.begin(), patches.end(), rng);
  return patches;
}

}  // namespace

std::vector<Object> FindObjects(const Analysis& analysis, Rng& rng) {
  cv::Mat smooth;
  cv::GaussianBlur(analysis.saliency, smooth, {0, 0}, 1.5);
  cv::Scalar mean, sd;
  cv::meanStdDev(smooth, mean, sd);
  std::vector<std::pair<float, Object>> ranked;
  std::vector<Object> found;
  std::uniform_real_distribution<float> jitter(0.5f, 1.5f);
  for (double k : {2.5, 1.5, 0.8}) {
    const cv::Mat mask = smooth > std::max(6.0, mean[0] + k * sd[0]);
    cv::Mat opened;
    cv::morphologyEx(mask, opened, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_ELLIPSE, {3, 3}));
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(opened, labels, stats, centroids, 8, CV_32S);
    for (int i = 1; i < count; ++i) {
      const int area = stats.at<int>(i, cv::CC_STAT_AREA);
      const cv::Rect bounds(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                            stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
      if (area < kMinObjectArea || area > kMaxObjectArea || bounds.width < 8 || bounds.height < 8 ||
          bounds.width > kMaxObjectSide || bounds.height > kMaxObjectSide || area < 0.3 * bounds.area())
        continue;
      auto object = ObjectFrom(analysis, labels, i, bounds);
      if (!object || Clashes(*object, found)) continue;
      found.push_back(*object);
      ranked.push_back({static_cast<float>(cv::mean(smooth(bounds))[0]) * jitter(rng), std::move(*object)});
    }
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<Object> out;
  for (auto& r : ranked) out.push_back(std::move(r.second));
  for (auto& p : Patches(analysis, rng)) out.push_back(std::move(p));
  return out;
}

bool PlainSurroundings(const Object& object) { return !object.patch && object.ringSpread <= kMaxPlainSpread; }

bool RemoveObject(cv::Mat& picture, const Object& object) {
  if (!PlainSurroundings(object)) return false;
  FilledBackground(picture, object).copyTo(picture(object.window));
  return true;
}

bool RecolourObject(cv::Mat& picture, const Object& object, Rng& rng) {
  if (object.patch) return false;
  cv::Mat area = picture(object.window);
  cv::Mat lab;
  area.convertTo(lab, CV_32FC3, 1.0 / 255.0);
  cv::cvtColor(lab, lab, cv::COLOR_RGB2Lab);
  const cv::Scalar mean = cv::mean(lab, object.mask);
  // Colourful things turn their hue (in Lab, keeping their texture); grey
  // ones only their lightness. Light things darken and dark ones lighten,
  // so the change also shows without colour.
  const bool colourful = std::hypot(mean[1], mean[2]) > 12.0;
  // A dark grey thing (a shadow, a gap) has no colour to change, and
  // lightening it makes it glow.
  if (!colourful && mean[0] < 35) return false;
  const double turn = colourful ? std::uniform_real_distribution<double>(0.3, 0.6)(rng) * CV_PI *
                                      (std::bernoulli_distribution(0.5)(rng) ? 1 : -1)
                                : 0.0;
  const float c = static_cast<float>(std::cos(turn)), sn = static_cast<float>(std::sin(turn));
  const bool darken = mean[0] > 50;
  for (int y = 0; y < lab.rows; ++y) {
    auto* p = lab.ptr<cv::Vec3f>(y);
    for (int x = 0; x < lab.cols; ++x) {
      const float a = p[x][1], b = p[x][2];
      p[x][1] = c * a - sn * b;
      p[x][2] = sn * a + c * b;
      p[x][0] = darken ? p[x][0] * 0.7f : std::min(100.f, p[x][0] * 1.2f + 12.f);
    }
  }
  cv::cvtColor(lab, lab, cv::COLOR_Lab2RGB);
  cv::Mat changed;
  lab.convertTo(changed, CV_8UC3, 255.0);
  Blend(picture, object.window, changed, Feathered(object.mask));
  return true;
}

bool MirrorPatch(cv::Mat& picture, const Object& patch) {
  if (!patch.patch) return false;
  const cv::Mat source = picture(patch.window).clone();
  cv::Mat turned;
  cv::flip(source, turned, 1);
  // A wide fade: the mirrored detail runs into the unchanged ground over
  // some ten pixels, so no circle shows.
  cv::Mat alpha;
  patch.mask.convertTo(alpha, CV_32F, 1.0 / 255.0);
  cv::GaussianBlur(alpha, alpha, {0, 0}, 3.5);
  Blend(picture, patch.window, turned, alpha);
  return true;
}

bool MirrorObject(cv::Mat& picture, const Object& object) {
  if (object.patch || object.ringSpread > kMaxCoveredSpread) return false;
  const float cx = object.centre.x - object.window.x;
  const cv::Mat transform = (cv::Mat_<double>(2, 3) << -1, 0, 2 * cx, 0, 1, 0);
  return PasteTransformed(picture, object, transform);
}

bool ResizeObject(cv::Mat& picture, const Object& object, Rng& rng) {
  if (object.patch) return false;
  // Shrinking uncovers ground that must be filled in believably.
  const double scale = PlainSurroundings(object) && std::bernoulli_distribution(0.5)(rng) ? 0.6 : 1.45;
  if (scale > 1 && object.ringSpread > kMaxCoveredSpread) return false;
  const cv::Point2f c(object.centre.x - object.window.x, object.centre.y - object.window.y);
  return PasteTransformed(picture, object, cv::getRotationMatrix2D(c, 0, scale));
}

bool RotateObject(cv::Mat& picture, const Object& object, Rng& rng) {
  if (object.patch || object.ringSpread > kMaxCoveredSpread) return false;
  const double angle = std::uniform_real_distribution<double>(40, 80)(rng) * (std::bernoulli_distribution(0.5)(rng) ? 1 : -1);
  const cv::Point2f c(object.centre.x - object.window.x, object.centre.y - object.window.y);
  return PasteTransformed(picture, object, cv::getRotationMatrix2D(c, angle, 1.0));
}

std::optional<cv::Rect> DuplicateObject(cv::Mat& picture, const Analysis& analysis, const Object& object, Rng& rng) {
  if (!PlainSurroundings(object)) return std::nullopt;
  // The copy goes beside the original, onto ground like the original's, so
  // the blended copy looks as if it had always been there.
  const cv::Rect patch = object.window;
  std::uniform_real_distribution<double> angle(0, 2 * CV_PI);
  std::uniform_real_distribution<double> reach(1.1, 2.2);
  for (int attempt = 0; attempt < 16; ++attempt) {
    const double a = angle(rng), d = reach(rng) * std::max(object.bounds.width, object.bounds.height) + 10;
    const cv::Rect target(patch.x + static_cast<int>(d * std::cos(a)), patch.y + static_cast<int>(d * std::sin(a)),
                          patch.width, patch.height);
    if ((target & Inside(picture)) != target || (target & object.bounds).area() > 0) continue;
    cv::Vec3f groundMean;
    const float spread = RingStats(analysis.lab, target, groundMean);
    cv::Scalar inner, innerSd;
    cv::meanStdDev(analysis.lab(target), inner, innerSd);
    if (spread > 6.f || innerSd[0] > 7.0 || cv::norm(groundMean - object.ringMean) > 10.0) continue;
    cv::Mat mask = Dilated(object.mask, 2);
    cv::Mat source = picture(patch).clone();
    cv::Mat cloned;
    const cv::Point centre(target.x + target.width / 2, target.y + target.height / 2);
    cv::seamlessClone(source, picture, mask, centre, cloned, cv::NORMAL_CLONE);
    cloned(target).copyTo(picture(target));
    return target;
  }
  return std::nullopt;
}

}  // namespace photo::detail

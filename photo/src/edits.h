#pragma once
// The image work behind one difference, on OpenCV matrices of the fitted
// photo (8-bit RGB): finding an object and changing it.
#include <opencv2/core.hpp>

#include <optional>
#include <random>

namespace photo::detail {

using Rng = std::mt19937_64;

// The photo in CIE Lab (float) and its saliency: how far each smoothed
// pixel's colour lies from its wider surroundings.
struct Analysis {
  cv::Mat lab;       // CV_32FC3
  cv::Mat saliency;  // CV_32F
  cv::Mat edges;     // CV_32F: gradient of the lightness
  cv::Mat dx, dy;    // CV_32F: its two components
  cv::Mat detail;    // CV_32F: how far each lightness lies from its 3-pixel blur
};
Analysis Analyse(const cv::Mat& rgb);

// An object: a compact blob that stands out from the pixels around it, or
// (a patch) a round piece of textured ground to be turned as a whole.
struct Object {
  cv::Rect window;     // in picture pixels, with room around the object
  cv::Mat mask;        // CV_8U of the window's size, 255 = object
  cv::Rect bounds;     // of the mask, in picture pixels
  cv::Point2f centre;  // of the mask, in picture pixels
  int area = 0;
  cv::Vec3f ringMean;    // Lab of the surroundings
  float ringSpread = 0;  // standard deviation of the surroundings' lightness
  bool patch = false;
};

// The objects of the photo, the most striking first (shuffled a little by
// the seed), then patches of textured ground.
std::vector<Object> FindObjects(const Analysis& analysis, Rng& rng);

// Whether the surroundings are plain enough to be filled in believably.
bool PlainSurroundings(const Object& object);

// Each edit works on `picture` (a copy of the photo) and touches only the
// pixels around the object; false when it cannot be made.
bool RemoveObject(cv::Mat& picture, const Object& object);
bool RecolourObject(cv::Mat& picture, const Object& object, Rng& rng);
bool MirrorObject(cv::Mat& picture, const Object& object);
// A patch mirrored, fading into the ground around it.
bool MirrorPatch(cv::Mat& picture, const Object& patch);
bool ResizeObject(cv::Mat& picture, const Object& object, Rng& rng);
bool RotateObject(cv::Mat& picture, const Object& object, Rng& rng);
// A copy of the object placed nearby on similar plain ground; the box the
// copy landed in, or nothing.
std::optional<cv::Rect> DuplicateObject(cv::Mat& picture, const Analysis& analysis, const Object& object, Rng& rng);

}  // namespace photo::detail

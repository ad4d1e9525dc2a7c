// Red by hue within 20 degrees of pure red, saturation and value above grey and black; the
// shapes' outer boundaries and holes from one contour pass (two-level hierarchy).
#include "trace/red_quads.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

constexpr double kMinSidePixels = 60.0;
constexpr double kMinSideRatio = 0.5;   // a square seen at a slant of up to ~60 degrees
constexpr double kMinRingHole = 0.5;    // a ring's hole, against its outer area
constexpr double kMaxFilledHole = 0.2;  // the holes a filled square may have (print defects, text)

std::optional<std::array<cv::Point2d, 4>> QuadOf(const std::vector<cv::Point>& contour) {
  std::vector<cv::Point> approx;
  cv::approxPolyDP(contour, approx, 0.03 * cv::arcLength(contour, true), true);
  if (approx.size() != 4 || !cv::isContourConvex(approx)) return std::nullopt;
  std::array<cv::Point2d, 4> q;
  double shortest = HUGE_VAL, longest = 0.0;
  for (int k = 0; k < 4; ++k) {
    q[std::size_t(k)] = approx[std::size_t(k)];
    const double side = cv::norm(approx[std::size_t(k)] - approx[std::size_t((k + 1) % 4)]);
    shortest = std::min(shortest, side);
    longest = std::max(longest, side);
  }
  if (shortest < kMinSidePixels || shortest < kMinSideRatio * longest) return std::nullopt;
  return q;
}

// The inner quadrilateral's corners reordered to lie nearest to the outer's, one to one.
std::array<cv::Point2d, 4> MatchCorners(const std::array<cv::Point2d, 4>& outer,
                                        const std::array<cv::Point2d, 4>& inner) {
  std::array<cv::Point2d, 4> matched;
  for (std::size_t k = 0; k < 4; ++k) {
    const auto nearest = std::min_element(inner.begin(), inner.end(), [&](cv::Point2d a, cv::Point2d b) {
      return cv::norm(a - outer[k]) < cv::norm(b - outer[k]);
    });
    matched[k] = *nearest;
  }
  return matched;
}

// The candidate for one outer boundary and its largest hole (-1: none).
std::optional<RedQuad> Candidate(const std::vector<std::vector<cv::Point>>& contours, int outer, int hole) {
  const std::optional<std::array<cv::Point2d, 4>> q = QuadOf(contours[std::size_t(outer)]);
  if (!q) return std::nullopt;
  RedQuad c;
  c.outer = c.inner = *q;
  c.area = cv::contourArea(contours[std::size_t(outer)]);
  c.boundary = contours[std::size_t(outer)];
  const double holeArea = hole < 0 ? 0.0 : cv::contourArea(contours[std::size_t(hole)]);
  if (holeArea >= kMinRingHole * c.area) {
    const std::optional<std::array<cv::Point2d, 4>> in = QuadOf(contours[std::size_t(hole)]);
    if (!in) return std::nullopt;
    c.inner = MatchCorners(c.outer, *in);
    c.ring = true;
  } else if (holeArea > kMaxFilledHole * c.area) {
    return std::nullopt;
  }
  return c;
}

}  // namespace

cv::Mat RedMask(const cv::Mat& bgr) {
  cv::Mat hsv, low, high;
  cv::cvtColor(bgr, hsv, cv::COLOR_BGR2HSV);
  // A 0.3 mm stroke seen at a few pixels a millimetre and blurred (a JPEG keeps colour at half
  // resolution) is a pale pink: the bounds are loose, the shape test that follows is not.
  cv::inRange(hsv, cv::Scalar(0, 40, 50), cv::Scalar(10, 255, 255), low);
  cv::inRange(hsv, cv::Scalar(170, 40, 50), cv::Scalar(180, 255, 255), high);
  cv::Mat mask = low | high;
  cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, {5, 5}));
  return mask;
}

std::optional<RedQuad> LargestRedQuad(const cv::Mat& redMask) {
  std::vector<std::vector<cv::Point>> contours;
  std::vector<cv::Vec4i> tree;
  cv::findContours(redMask, contours, tree, cv::RETR_CCOMP, cv::CHAIN_APPROX_NONE);
  std::optional<RedQuad> best;
  for (std::size_t i = 0; i < contours.size(); ++i) {
    if (tree[i][3] >= 0 || cv::contourArea(contours[i]) < kMinSidePixels * kMinSidePixels) continue;
    int hole = -1;
    double holeArea = 0.0;
    for (int h = tree[i][2]; h >= 0; h = tree[std::size_t(h)][0]) {
      const double a = cv::contourArea(contours[std::size_t(h)]);
      if (a > holeArea) holeArea = a, hole = h;
    }
    std::optional<RedQuad> c = Candidate(contours, int(i), hole);
    if (c && (!best || c->area > best->area)) best = std::move(c);
  }
  return best;
}

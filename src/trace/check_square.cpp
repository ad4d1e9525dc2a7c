// The square's sides are read across their width at every pixel along their middle three quarters
// (the stroke's middle by its darkness-weighted centre, a filled square's edge by its half level),
// a robust straight line is fitted to each side, and neighbouring sides meet in the corners: a
// corner is known to a small fraction of a pixel even where blur has rounded it.
#include "trace/check_square.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "trace/profile.h"
#include "trace/red_quads.h"

namespace {

constexpr double kSideMargin = 0.12;   // of each side's length, left out at either end
constexpr double kSampleStep = 0.25;   // pixels between samples across a side
constexpr float kMinDarkness = 25.0f;  // grey levels darker than the paper beside it
constexpr std::size_t kMinSideReadings = 10;

struct Line {
  cv::Point2d p, d;  // a point and the unit direction
};

// The square is found by its colour but read by its darkness against the paper: a JPEG keeps the
// brightness at full resolution and the colour only at half.
cv::Mat Darkness(const cv::Mat& bgr) {
  cv::Mat grey, dark;
  cv::cvtColor(bgr, grey, cv::COLOR_BGR2GRAY);
  grey.convertTo(dark, CV_32F, -1.0, 255.0);
  return dark;
}

// Where one profile across a side finds the side: the ridge with the highest peak (a stroke) or
// the half-level crossing nearest the middle (a filled square), in sample indices.
std::optional<double> ReadAcross(std::vector<float> v, bool ring) {
  if (!ring) return StepCrossing(v, 0.5 * double(v.size() - 1), 2.0f * kMinDarkness);
  // Darkness above the paper's (the profile's median: the stroke takes a small part of it).
  std::vector<float> sorted;
  for (float x : v)
    if (!std::isnan(x)) sorted.push_back(x);
  if (sorted.empty()) return std::nullopt;
  std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
  const float paper = sorted[sorted.size() / 2];
  float peak = 0.0f;
  for (float& x : v) {
    x -= paper;
    if (x > peak) peak = x;
  }
  if (peak < kMinDarkness) return std::nullopt;
  const std::vector<Run> runs = RunsAbove(v, 0.5f * peak);
  const auto top =
      std::max_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.peak < b.peak; });
  return RidgeCentre(v, *top, 0.1f * peak);
}

std::optional<Line> RefineSide(const cv::Mat& dark, cv::Point2d a, cv::Point2d b, double halfWidth,
                               bool ring) {
  const double length = cv::norm(b - a);
  const cv::Point2d d = (b - a) / length, n(-d.y, d.x);
  const int count = int(2.0 * halfWidth / kSampleStep) + 1;
  std::vector<cv::Point2f> found;
  for (double u = kSideMargin * length; u <= (1.0 - kSideMargin) * length; u += 1.0) {
    const cv::Point2d from = a + d * u - n * halfWidth;
    const std::optional<double> at = ReadAcross(SampleProfile(dark, from, n, kSampleStep, count), ring);
    if (at) found.emplace_back(from + n * (*at * kSampleStep));
  }
  if (found.size() < kMinSideReadings) return std::nullopt;
  cv::Vec4f fit;
  cv::fitLine(found, fit, cv::DIST_HUBER, 0, 0.01, 0.01);
  return Line{{fit[2], fit[3]}, {fit[0], fit[1]}};
}

std::optional<cv::Point2d> Intersect(const Line& a, const Line& b) {
  const double det = a.d.x * b.d.y - a.d.y * b.d.x;
  if (!(std::fabs(det) > 1e-3)) return std::nullopt;
  const cv::Point2d w = b.p - a.p;
  return a.p + a.d * ((w.x * b.d.y - w.y * b.d.x) / det);
}

// Clockwise as seen (the picture's y points down), starting where the first side points most
// nearly to the right.
std::array<cv::Point2d, 4> OrderCorners(std::array<cv::Point2d, 4> c) {
  const cv::Point2d centre = (c[0] + c[1] + c[2] + c[3]) * 0.25;
  std::sort(c.begin(), c.end(), [&](cv::Point2d a, cv::Point2d b) {
    return std::atan2(a.y - centre.y, a.x - centre.x) < std::atan2(b.y - centre.y, b.x - centre.x);
  });
  std::size_t first = 0;
  double best = -2.0;
  for (std::size_t k = 0; k < 4; ++k) {
    const cv::Point2d side = c[(k + 1) % 4] - c[k];
    const double right = side.x / cv::norm(side);
    if (right > best) best = right, first = k;
  }
  std::rotate(c.begin(), c.begin() + std::ptrdiff_t(first), c.end());
  return c;
}

// The refined corners, in the picture's pixels; nullopt when a side cannot be read.
std::optional<std::array<cv::Point2d, 4>> RefineCorners(const cv::Mat& bgr, const RedQuad& q) {
  double width = 0.0;  // the stroke's width, from the corners' offset (w times root 2)
  for (std::size_t k = 0; k < 4; ++k) width += cv::norm(q.outer[k] - q.inner[k]) / std::sqrt(2.0) / 4.0;
  const double halfWidth = q.ring ? 0.5 * (width + 1.0) + 4.0 : 8.0;
  const cv::Rect box = cv::boundingRect(q.boundary);
  const int pad = int(halfWidth) + 4;
  const cv::Rect roi =
      (box + cv::Point(-pad, -pad) + cv::Size(2 * pad, 2 * pad)) & cv::Rect(0, 0, bgr.cols, bgr.rows);
  const cv::Mat dark = Darkness(bgr(roi));
  const cv::Point2d origin(roi.x, roi.y);
  std::array<Line, 4> sides;
  for (std::size_t k = 0; k < 4; ++k) {
    const cv::Point2d a = 0.5 * (q.outer[k] + q.inner[k]) - origin;
    const cv::Point2d b = 0.5 * (q.outer[(k + 1) % 4] + q.inner[(k + 1) % 4]) - origin;
    const std::optional<Line> side = RefineSide(dark, a, b, halfWidth, q.ring);
    if (!side) return std::nullopt;
    sides[k] = *side;
  }
  std::array<cv::Point2d, 4> corners;
  for (std::size_t k = 0; k < 4; ++k) {
    const std::optional<cv::Point2d> c = Intersect(sides[(k + 3) % 4], sides[k]);
    if (!c || cv::norm(*c + origin - q.outer[k]) > 2.0 * halfWidth + 4.0) return std::nullopt;
    corners[k] = *c + origin;
  }
  return corners;
}

}  // namespace

std::optional<CheckSquare> FindCheckSquare(const cv::Mat& bgr) {
  const std::optional<RedQuad> quad = LargestRedQuad(RedMask(bgr));
  if (!quad) return std::nullopt;
  const std::optional<std::array<cv::Point2d, 4>> corners = RefineCorners(bgr, *quad);
  if (!corners) return std::nullopt;
  CheckSquare s;
  s.corners = OrderCorners(*corners);
  s.region = quad->boundary;
  s.stroked = quad->ring;
  return s;
}

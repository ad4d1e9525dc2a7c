// The last steps of a trace, on the plane.
#include "trace/plane_points.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kFineMm = 0.25;
constexpr double kSmoothMm = 0.5;
constexpr double kMaxPoints = 1e6;

// The smallest x and the largest y (the lower left, y being down).
std::pair<double, double> LowerLeft(const ClosedCurve& planeMm) {
  double minX = HUGE_VAL, maxY = -HUGE_VAL;
  for (const cv::Point2d& p : planeMm) minX = std::min(minX, p.x), maxY = std::max(maxY, p.y);
  return {minX, maxY};
}

}  // namespace

ClosedCurve ToPlane(const ClosedCurve& pixels, const cv::Matx33d& toMm) {
  ClosedCurve out;
  if (pixels.empty()) return out;
  cv::perspectiveTransform(pixels, out, toMm);
  return out;
}

ClosedCurve EvenlySpaced(const ClosedCurve& planeMm, double spacingMm) {
  const double perimeter = Perimeter(planeMm);
  if (!std::isfinite(perimeter) || !(perimeter >= 3.0 * spacingMm) || perimeter / spacingMm > kMaxPoints)
    return {};
  const int count = int(std::lround(perimeter / spacingMm));
  const int fine = std::max(count, int(perimeter / kFineMm));
  return ResampleClosed(SmoothClosed(ResampleClosed(planeMm, fine), kSmoothMm / kFineMm), count);
}

std::vector<Point2> OutputPoints(const ClosedCurve& planeMm, double unitMm) {
  if (planeMm.empty()) return {};
  const auto [minX, maxY] = LowerLeft(planeMm);
  std::vector<Point2> out;
  for (const cv::Point2d& p : planeMm) out.push_back({(p.x - minX) / unitMm, (maxY - p.y) / unitMm});
  // y turned up reverses the sense of turning: counter-clockwise now means negative area before.
  if (SignedArea(planeMm) > 0.0) std::reverse(out.begin(), out.end());
  const auto leftmost =
      std::min_element(out.begin(), out.end(), [](Point2 a, Point2 b) { return a.x < b.x; });
  std::rotate(out.begin(), leftmost, out.end());
  return out;
}

Point2 OutputOrigin(const ClosedCurve& planeMm, double unitMm) {
  const auto [minX, maxY] = LowerLeft(planeMm);
  return planeMm.empty() ? Point2{} : Point2{minX / unitMm, -maxY / unitMm};
}

// The chord between the extreme points along an axis, rather than the axis itself: a half trace's
// principal axis leans toward its bouts, but its two ends lie on the centreline.
#include "match/alignment.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/math_constants.h"
#include "match/point_checks.h"

namespace {

constexpr int kSweepSteps = 12;      // axes 15 degrees apart
constexpr double kEdgeShare = 0.03;  // the centreline of a half outline: near its edge

RigidMotion AlongChord(const std::vector<Point2>& points, Point2 axis, Point2 centroid) {
  std::size_t lo = 0, hi = 0;
  double sLo = HUGE_VAL, sHi = -HUGE_VAL;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double s = (points[i].x - centroid.x) * axis.x + (points[i].y - centroid.y) * axis.y;
    if (s < sLo) sLo = s, lo = i;
    if (s > sHi) sHi = s, hi = i;
  }
  double dx = points[hi].x - points[lo].x, dy = points[hi].y - points[lo].y;
  if (!(std::hypot(dx, dy) > 0.0)) dx = axis.x, dy = axis.y;
  RigidMotion m;
  m.angle = -std::atan2(dy, dx);
  const Point2 q = ApplyMotion(m, points[lo]);
  m.shift = {-q.x, -q.y};
  return m;
}

double Quantile(std::vector<double> values, double share) {
  const std::size_t k = std::min(values.size() - 1, std::size_t(share * double(values.size())));
  std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(k), values.end());
  return values[k];
}

// The axis at `angle`, the centreline across it at the points' median (a whole body) or near
// either edge (a half outline, or a whole one with strays off one side).
void AcrossOffsets(const std::vector<Point2>& points, double angle, std::vector<RigidMotion>* motions) {
  RigidMotion m;
  m.angle = -angle;
  std::vector<double> along(points.size()), across(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point2 q = ApplyMotion(m, points[i]);
    along[i] = q.x, across[i] = q.y;
  }
  const double x0 = *std::min_element(along.begin(), along.end());
  for (double share : {0.5, kEdgeShare, 1.0 - kEdgeShare})
    motions->push_back({m.angle, {-x0, -Quantile(across, share)}});
}

}  // namespace

std::vector<RigidMotion> AlignmentHypotheses(const std::vector<Point2>& points) {
  if (points.empty()) return {RigidMotion{}};
  const PrincipalAxes axes = PrincipalAxis(points);
  const Point2 u = axes.along, v{-u.y, u.x};
  std::vector<RigidMotion> motions;
  for (const Point2 axis : {u, Point2{-u.x, -u.y}, v, Point2{-v.x, -v.y}})
    motions.push_back(AlongChord(points, axis, axes.centroid));
  // Strays beyond the body (a construction line) can own the extreme points: a sweep of axes too.
  const double first = std::atan2(u.y, u.x);
  for (int k = 0; k < kSweepSteps; ++k) AcrossOffsets(points, first + k * kPi / kSweepSteps, &motions);
  return motions;
}

std::vector<Point2> Moved(const RigidMotion& motion, const std::vector<Point2>& points) {
  std::vector<Point2> moved(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) moved[i] = ApplyMotion(motion, points[i]);
  return moved;
}

// Point set checks: count, finiteness, and the spread across the principal axis (the square root
// of the covariance's small eigenvalue against its large one).
#include "match/point_checks.h"

#include <cmath>
#include <string>

PrincipalAxes PrincipalAxis(const std::vector<Point2>& points) {
  PrincipalAxes axes;
  axes.along = {1.0, 0.0};
  if (points.empty()) return axes;
  // Scaled by the largest coordinate, so that squares cannot overflow.
  double size = 0.0;
  for (const Point2& p : points) size = std::fmax(size, std::fmax(std::fabs(p.x), std::fabs(p.y)));
  if (!(size > 0.0) || !std::isfinite(size)) return axes;
  double mx = 0.0, my = 0.0;
  for (const Point2& p : points) {
    mx += p.x / size;
    my += p.y / size;
  }
  mx /= double(points.size());
  my /= double(points.size());
  double sxx = 0.0, syy = 0.0, sxy = 0.0;
  for (const Point2& p : points) {
    const double dx = p.x / size - mx, dy = p.y / size - my;
    sxx += dx * dx;
    syy += dy * dy;
    sxy += dx * dy;
  }
  axes.centroid = {mx * size, my * size};
  const double half = 0.5 * (sxx + syy);
  const double root = std::hypot(0.5 * (sxx - syy), sxy);
  const double large = half + root, small = half - root;
  const double angle = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
  axes.along = {std::cos(angle), std::sin(angle)};
  axes.spansPlane = std::isfinite(large) && large > 0.0 && std::sqrt(std::fmax(small, 0.0) / large) > 1e-9;
  return axes;
}

Status CheckPoints(const std::vector<Point2>& points, std::size_t needed) {
  if (points.size() < needed)
    return Error{"too few points: " + std::to_string(points.size()) + " given, at least " +
                 std::to_string(needed) + " needed"};
  for (const Point2& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return Error{"a point is not finite"};
  if (!PrincipalAxis(points).spansPlane) return Error{"all points lie on one line"};
  return {};
}

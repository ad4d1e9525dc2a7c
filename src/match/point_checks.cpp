// Point set checks: count, finiteness, and the spread across the principal axis (the square root
// of the covariance's small eigenvalue against its large one).
#include "match/point_checks.h"

#include <cmath>

bool PrincipalAxis(const std::vector<MatchPoint>& points, double* ux, double* uy, double* cx, double* cy) {
  if (points.empty()) return false;
  // Scaled by the largest coordinate, so that squares cannot overflow.
  double size = 0.0;
  for (const MatchPoint& p : points) size = std::fmax(size, std::fmax(std::fabs(p.x), std::fabs(p.y)));
  if (!(size > 0.0) || !std::isfinite(size)) return false;
  double mx = 0.0, my = 0.0;
  for (const MatchPoint& p : points) {
    mx += p.x / size;
    my += p.y / size;
  }
  mx /= double(points.size());
  my /= double(points.size());
  double sxx = 0.0, syy = 0.0, sxy = 0.0;
  for (const MatchPoint& p : points) {
    const double dx = p.x / size - mx, dy = p.y / size - my;
    sxx += dx * dx;
    syy += dy * dy;
    sxy += dx * dy;
  }
  *cx = mx * size;
  *cy = my * size;
  const double half = 0.5 * (sxx + syy);
  const double root = std::hypot(0.5 * (sxx - syy), sxy);
  const double large = half + root, small = half - root;
  const double angle = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
  *ux = std::cos(angle);
  *uy = std::sin(angle);
  return std::isfinite(large) && large > 0.0 && std::sqrt(std::fmax(small, 0.0) / large) > 1e-9;
}

std::string CheckPoints(const std::vector<MatchPoint>& points, std::size_t needed) {
  if (points.size() < needed)
    return "too few points: " + std::to_string(points.size()) + " given, at least " + std::to_string(needed) +
           " needed";
  for (const MatchPoint& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "a point is not finite";
  double ux, uy, cx, cy;
  if (!PrincipalAxis(points, &ux, &uy, &cx, &cy)) return "all points lie on one line";
  return {};
}

// Start values and the first alignment, from the points alone.
#include "match/match_start.h"

#include <algorithm>
#include <cmath>

#include "document/design_defaults.h"
#include "match/point_checks.h"

namespace {

constexpr double kPi = 3.141592653589793;

DesignValues NewDesign() {
  using namespace DesignDefaults;
  return {kLength, kLowerBout, kWaist, kUpperBout, kA3, kA4, kA5, kA6};
}

void ApplyFixed(const MatchOptions& options, DesignValues* v) {
  for (int j = 0; j < 8; ++j)
    if (options.fixed[j]) (*v)[j] = *options.fixed[j];
}

// Largest |y| on each half of [0, length]: [0] the tail half, [1] the neck half.
void BoutWidths(const std::vector<MatchPoint>& pts, double length, double widths[2], double at[2]) {
  widths[0] = widths[1] = 0.0;
  at[0] = length;
  at[1] = 0.0;
  for (const MatchPoint& p : pts) {
    const int half = p.x >= 0.5 * length ? 0 : 1;
    if (std::fabs(p.y) > widths[half]) {
      widths[half] = std::fabs(p.y);
      at[half] = p.x;
    }
  }
}

}  // namespace

void ApplyMotion(const RigidMotion& m, double x, double y, double* qx, double* qy) {
  const double c = std::cos(m.angle), s = std::sin(m.angle);
  *qx = c * x - s * y + m.shiftX;
  *qy = s * x + c * y + m.shiftY;
}

RigidMotion InitialAlignment(const std::vector<MatchPoint>& points) {
  double ux = 1.0, uy = 0.0, cx = 0.0, cy = 0.0;
  PrincipalAxis(points, &ux, &uy, &cx, &cy);
  std::size_t lo = 0, hi = 0;
  double sLo = HUGE_VAL, sHi = -HUGE_VAL;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double s = (points[i].x - cx) * ux + (points[i].y - cy) * uy;
    if (s < sLo) sLo = s, lo = i;
    if (s > sHi) sHi = s, hi = i;
  }
  double dx = points[hi].x - points[lo].x, dy = points[hi].y - points[lo].y;
  if (!(std::hypot(dx, dy) > 0.0)) dx = ux, dy = uy;
  RigidMotion m;
  m.angle = -std::atan2(dy, dx);
  double qx, qy;
  ApplyMotion(m, points[lo].x, points[lo].y, &qx, &qy);
  m.shiftX = -qx;
  m.shiftY = -qy;

  // A body turned half round is the same outline: put the narrower bout at the neck end, x = 0.
  std::vector<MatchPoint> frame(points.size());
  double length = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    ApplyMotion(m, points[i].x, points[i].y, &frame[i].x, &frame[i].y);
    length = std::max(length, frame[i].x);
  }
  double widths[2], at[2];
  BoutWidths(frame, length, widths, at);
  if (widths[1] > widths[0]) {
    m.angle += kPi;
    m.shiftX = length - m.shiftX;
    m.shiftY = -m.shiftY;
  }
  return m;
}

DesignValues StartValues(const std::vector<MatchPoint>& pts, const MatchOptions& options, bool aligned) {
  double xmin = HUGE_VAL, xmax = -HUGE_VAL;
  for (const MatchPoint& p : pts) {
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
  }
  // Without alignment the neck end is x = 0 by definition; stations may stop short of either end.
  const double length = aligned ? xmax - xmin : xmax - std::min(xmin, 0.0);
  double widths[2], at[2];
  BoutWidths(pts, length, widths, at);
  double waist = HUGE_VAL;
  for (const MatchPoint& p : pts)
    if (p.x > at[1] && p.x < at[0]) waist = std::min(waist, std::fabs(p.y));
  const double narrower = std::min(widths[0], widths[1]);
  if (!(waist < 0.98 * narrower)) waist = 0.8 * narrower;

  const DesignValues fresh = NewDesign();
  const double scale = length / fresh[0];
  DesignValues v = {length,           widths[0],        waist,           widths[1], fresh[4] * scale,
                    fresh[5] * scale, fresh[6] * scale, fresh[7] * scale};
  ApplyFixed(options, &v);
  return v;
}

DesignValues FallbackStart(const DesignValues& start, const MatchOptions& options) {
  const DesignValues fresh = NewDesign();
  const double length = options.fixed[0] ? *options.fixed[0] : start[0];
  DesignValues v;
  for (int j = 0; j < 8; ++j) v[j] = fresh[j] * (length / fresh[0]);
  ApplyFixed(options, &v);
  return v;
}

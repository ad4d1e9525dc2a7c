// Start values, from the points alone or from a first outline.
#include "match/match_start.h"

#include <algorithm>
#include <cmath>

#include "document/design_defaults.h"
#include "geometry/extremum.h"

namespace {

DesignValues NewDesign() {
  using namespace DesignDefaults;
  return {kLength, kLowerBout, kWaist, kUpperBout, kA3, kA4, kA5, kA6};
}

// Largest |y| on each half of [0, length]: [0] the tail half, [1] the neck half.
void BoutWidths(const std::vector<Point2>& pts, double length, double widths[2], double at[2]) {
  widths[0] = widths[1] = 0.0;
  at[0] = length;
  at[1] = 0.0;
  for (const Point2& p : pts) {
    const int half = p.x >= 0.5 * length ? 0 : 1;
    if (std::fabs(p.y) > widths[half]) {
      widths[half] = std::fabs(p.y);
      at[half] = p.x;
    }
  }
}

}  // namespace

void ApplyFixed(const FixedValues& fixed, DesignValues* v) {
  for (int j = 0; j < 8; ++j)
    if (fixed[j]) (*v)[j] = *fixed[j];
}

double WaistDepth(const DesignValues& v) {
  const double narrower = std::fmin(v[1], v[3]);
  return (narrower - v[2]) / narrower;
}

DesignValues ReadOffStart(const std::vector<Point2>& pts, const FixedValues& fixed, bool aligned,
                          const double* a3to6) {
  double xmin = HUGE_VAL, xmax = -HUGE_VAL;
  for (const Point2& p : pts) {
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
  }
  // Without alignment the neck end is x = 0 by definition; stations may stop short of either end.
  const double length = aligned ? xmax - xmin : xmax - std::min(xmin, 0.0);
  double widths[2], at[2];
  BoutWidths(pts, length, widths, at);
  double waist = HUGE_VAL;
  for (const Point2& p : pts)
    if (p.x > at[1] && p.x < at[0]) waist = std::min(waist, std::fabs(p.y));
  const double narrower = std::min(widths[0], widths[1]);
  if (!(waist < 0.98 * narrower)) waist = 0.8 * narrower;
  const DesignValues fresh = NewDesign();
  const double scale = length / fresh[0];
  DesignValues v = {length, widths[0], waist, widths[1], 0.0, 0.0, 0.0, 0.0};
  for (int k = 0; k < 4; ++k) v[4 + k] = a3to6 != nullptr ? a3to6[k] : fresh[4 + k] * scale;
  ApplyFixed(fixed, &v);
  return v;
}

DesignValues FallbackStart(double length, const FixedValues& fixed) {
  const DesignValues fresh = NewDesign();
  if (fixed[0]) length = *fixed[0];
  DesignValues v;
  for (int j = 0; j < 8; ++j) v[j] = fresh[j] * (length / fresh[0]);
  ApplyFixed(fixed, &v);
  return v;
}

std::optional<DesignValues> DesignFromCurve(const OutlineModel& curve, const FixedValues& fixed,
                                            double* depth) {
  FittedOutline f;
  for (int k = 0; k < 7; ++k) f.coeff[k] = curve.a[k];
  f.verticalScale = curve.scale;
  for (ExtremumRecord& e : f.extrema) e.kind = -1;
  ScanExtrema([&f](double t) { return f.Y(t); }, 8, f.extrema, 5.0, 175.0, 5.0);
  if (f.extrema[0].kind != 1 || f.extrema[1].kind != 0 || f.extrema[2].kind != 1) return std::nullopt;
  DesignValues v = {f.X(0.0),
                    f.Y(f.extrema[0].angle),
                    f.Y(f.extrema[1].angle),
                    f.Y(f.extrema[2].angle),
                    curve.a[3],
                    curve.a[4],
                    curve.a[5],
                    curve.a[6]};
  *depth = WaistDepth(v);
  ApplyFixed(fixed, &v);
  return v;
}

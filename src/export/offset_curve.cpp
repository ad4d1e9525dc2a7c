// The unit normal (y', -x') / |(x', y')| points out of the body: the half from t = 0 to 180 runs
// anticlockwise round it. An offset folds over itself (grows a cusp and a loop) where it moves
// towards a centre of curvature farther than the radius there, so the tightest bends decide.
#include "export/offset_curve.h"

#include <cmath>
#include <limits>
#include <optional>

#include "framework/error_text.h"
#include "geometry/golden_section.h"

namespace {

constexpr double kScanStepDegrees = 0.1;

// The peak of f over t = 0..180: the best point of a fine scan, refined between its neighbours.
double Peak(const std::function<double(double)>& f, double* at) {
  double best = -std::numeric_limits<double>::infinity(), bestAt = 0.0;
  const int steps = static_cast<int>(180.0 / kScanStepDegrees);
  for (int i = 0; i <= steps; ++i) {
    const double t = i * kScanStepDegrees, v = f(t);
    if (v > best) {
      best = v;
      bestAt = t;
    }
  }
  const double lo = std::fmax(0.0, bestAt - kScanStepDegrees),
               hi = std::fmin(180.0, bestAt + kScanStepDegrees);
  const double refinedAt = GoldenSectionMinimum([&](double t) { return -f(t); }, lo, hi, 60, 0.0);
  const double refined = f(refinedAt);
  if (refined > best) {
    best = refined;
    bestAt = refinedAt;
  }
  *at = bestAt;
  return best;
}

double RadiusOf(double curvature) {
  return curvature > 0.0 ? 1.0 / curvature : std::numeric_limits<double>::infinity();
}

QString Mm(double v) {
  return QString::number(v, 'f', 2);
}

}  // namespace

OutlineBends FindOutlineBends(const FittedOutline& outline) {
  OutlineBends b;
  b.convexRadius = RadiusOf(Peak([&](double t) { return outline.Curvature(t); }, &b.convexAngle));
  b.concaveRadius = RadiusOf(Peak([&](double t) { return -outline.Curvature(t); }, &b.concaveAngle));
  return b;
}

Point2 OffsetPoint(const FittedOutline& outline, double t, double d) {
  const Point2 v = outline.Derivative(t);
  const double speed = std::hypot(v.x, v.y);
  return Point2{outline.X(t) + d * (v.y / speed), outline.Y(t) + d * (-v.x / speed)};
}

Result<Polyline> SampleOffset(const FittedOutline& outline, double d, const OutlineBends& bends,
                              double millimetresPerUnit, OutlineExtent extent, double tolerance) {
  const auto refuse = [](const QString& why) { return ErrorFrom(why, ErrorKind::Refused); };
  const double dMm = d * millimetresPerUnit;
  if (d < 0.0 && -d >= bends.convexRadius)
    return refuse(
        QStringLiteral("an inward offset of %1 mm would fold over itself: the outline's smallest radius "
                       "of curvature on a convex stretch is %2 mm (%3 mm from the neck end)")
            .arg(Mm(-dMm), Mm(bends.convexRadius * millimetresPerUnit),
                 Mm(outline.X(bends.convexAngle) * millimetresPerUnit)));
  if (d > 0.0 && d >= bends.concaveRadius)
    return refuse(
        QStringLiteral("an outward offset of %1 mm would fold over itself: the outline's smallest radius "
                       "of curvature on the concave waist is %2 mm (%3 mm from the neck end)")
            .arg(Mm(dMm), Mm(bends.concaveRadius * millimetresPerUnit),
                 Mm(outline.X(bends.concaveAngle) * millimetresPerUnit)));
  // Inward, the two halves must not cross: the upper half stays above the centreline.
  const int steps = static_cast<int>(180.0 / kScanStepDegrees);
  for (int i = 1; d < 0.0 && i < steps; ++i)
    if (OffsetPoint(outline, i * kScanStepDegrees, d).y < 0.0)
      return refuse(QStringLiteral("an inward offset of %1 mm would cross the centreline").arg(Mm(-dMm)));
  std::optional<Polyline> line = SampleHalfCurve(
      outline, [&](double t) { return OffsetPoint(outline, t, d); }, extent, tolerance);
  if (!line)
    return refuse(QStringLiteral("the offset of %1 mm cannot be sampled within the tolerance").arg(Mm(dMm)));
  return *std::move(line);
}

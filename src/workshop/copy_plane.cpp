// Plain transforms: QTransform maps row vectors, so its (m11, m12) is the image of the x axis.
#include "workshop/copy_plane.h"

#include <QLineF>
#include <cmath>

std::optional<double> MillimetresPerFilePixel(const QTransform& shownToPlane, double shrink, QPointF a,
                                              QPointF b, double distanceUnits, double unitMm) {
  bool invertible = false;
  const QTransform toShown = shownToPlane.inverted(&invertible);
  if (!invertible || !(distanceUnits > 0.0) || !std::isfinite(distanceUnits)) return std::nullopt;
  const double pixels = QLineF(toShown.map(a), toShown.map(b)).length() * shrink;
  if (!(pixels > 0.0) || !std::isfinite(pixels)) return std::nullopt;
  return distanceUnits * unitMm / pixels;
}

QTransform ScaledPlane(double mmPerFilePixel, double shrink, double unitMm) {
  const double k = mmPerFilePixel * shrink / unitMm;
  return QTransform::fromScale(k, -k);
}

QTransform MotionTransform(const RigidMotion& motion) {
  const double c = std::cos(motion.angle), s = std::sin(motion.angle);
  return QTransform(c, s, -s, c, motion.shift.x, motion.shift.y);
}

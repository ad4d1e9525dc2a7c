// With c = pi/180 and u = c t: r = sum a_k cos(k u), so r' = -c sum k a_k sin(k u) and
// r'' = -c^2 sum k^2 a_k cos(k u); x = r cos u + D and y = r sin u / S differentiate by the
// product rule. The evaluation of x and y themselves (outline.cpp) is untouched.
#include "outline_derivative.h"

#include <cmath>

#include "shape_state.h"

namespace {

constexpr double kRadiansPerDegree = 3.141592653589793 / 180.0;

struct RadiusTerms {
  double r = 0.0, r1 = 0.0, r2 = 0.0;  // r and its first two derivatives per radian
};

RadiusTerms Radius(double u) {
  const double* a = g_shapeState.coeff;
  RadiusTerms out;
  out.r = a[0];
  for (int k = 1; k <= 6; ++k) {
    const double c = std::cos(k * u), s = std::sin(k * u);
    out.r += a[k] * c;
    out.r1 -= k * a[k] * s;
    out.r2 -= k * k * a[k] * c;
  }
  return out;
}

double Angle(double t) {
  return t * 3.141592653589793 / 180.0;
}

}  // namespace

OutlineVector OutlineDerivative(double t) {
  const double u = Angle(t), c = std::cos(u), s = std::sin(u);
  const RadiusTerms r = Radius(u);
  // Per radian, then per degree.
  const double dx = r.r1 * c - r.r * s;
  const double dy = (r.r1 * s + r.r * c) / g_shapeState.verticalScale;
  return {dx * kRadiansPerDegree, dy * kRadiansPerDegree};
}

OutlineVector OutlineSecondDerivative(double t) {
  const double u = Angle(t), c = std::cos(u), s = std::sin(u);
  const RadiusTerms r = Radius(u);
  const double ddx = r.r2 * c - 2.0 * r.r1 * s - r.r * c;
  const double ddy = (r.r2 * s + 2.0 * r.r1 * c - r.r * s) / g_shapeState.verticalScale;
  const double k2 = kRadiansPerDegree * kRadiansPerDegree;
  return {ddx * k2, ddy * k2};
}

double OutlineCurvature(double t) {
  const OutlineVector d1 = OutlineDerivative(t), d2 = OutlineSecondDerivative(t);
  const double speed = std::hypot(d1.x, d1.y);
  return (d1.x * d2.y - d1.y * d2.x) / (speed * speed * speed);
}

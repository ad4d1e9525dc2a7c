// Evaluation of a fitted outline. The operation order is fixed: results are compared bit for bit.
#include "geometry/fitted_outline.h"

#include <cmath>

#include "geometry/math_constants.h"

namespace {

double ToRadians(double t) {
  return t * kPi / 180.0;
}

constexpr double kRadiansPerDegree = kPi / 180.0;

// D = a0 - a1 + a2 - a3 + a4 - a5 + a6 = r(180), summed left to right.
double NeckShift(const double* a) {
  return a[0] - a[1] + a[2] - a[3] + a[4] - a[5] + a[6];
}

// r and its first two derivatives per radian at u radians. With r = sum a_k cos(k u):
// r' = -sum k a_k sin(k u) and r'' = -sum k^2 a_k cos(k u).
struct RadiusTerms {
  double r = 0.0, r1 = 0.0, r2 = 0.0;
};

RadiusTerms Terms(const double* a, double u) {
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

}  // namespace

double FittedOutline::Radius(double t) const {
  const double angle = ToRadians(t);
  double r = coeff[0];
  for (int k = 1; k <= 6; ++k) r += std::cos(k * angle) * coeff[k];
  return r;
}

double FittedOutline::X(double t) const {
  return std::cos(ToRadians(t)) * Radius(t) + NeckShift(coeff);
}

double FittedOutline::Y(double t) const {
  return std::sin(ToRadians(t)) * Radius(t) / verticalScale;
}

void FittedOutline::XY(double t, double* x, double* y) const {
  const double r = Radius(t);
  *x = std::cos(ToRadians(t)) * r + NeckShift(coeff);
  *y = std::sin(ToRadians(t)) * r / verticalScale;
}

Point2 FittedOutline::At(double t) const {
  Point2 p;
  XY(t, &p.x, &p.y);
  return p;
}

// x = r cos u + D and y = r sin u / S differentiate by the product rule; per radian, then per degree.
Point2 FittedOutline::Derivative(double t) const {
  const double u = ToRadians(t), c = std::cos(u), s = std::sin(u);
  const RadiusTerms r = Terms(coeff, u);
  const double dx = r.r1 * c - r.r * s;
  const double dy = (r.r1 * s + r.r * c) / verticalScale;
  return {dx * kRadiansPerDegree, dy * kRadiansPerDegree};
}

Point2 FittedOutline::SecondDerivative(double t) const {
  const double u = ToRadians(t), c = std::cos(u), s = std::sin(u);
  const RadiusTerms r = Terms(coeff, u);
  const double ddx = r.r2 * c - 2.0 * r.r1 * s - r.r * c;
  const double ddy = (r.r2 * s + 2.0 * r.r1 * c - r.r * s) / verticalScale;
  const double k2 = kRadiansPerDegree * kRadiansPerDegree;
  return {ddx * k2, ddy * k2};
}

double FittedOutline::Curvature(double t) const {
  const Point2 d1 = Derivative(t), d2 = SecondDerivative(t);
  const double speed = std::hypot(d1.x, d1.y);
  return (d1.x * d2.y - d1.y * d2.x) / (speed * speed * speed);
}

double FittedOutline::SideLength(double step) const {
  if (!(step > 0.0)) return 0.0;
  double sum = 0.0;
  double p = 0.0;
  double c = step;
  do {
    const double dy = Y(c) - Y(p);
    const double dx = X(c) - X(p);
    sum += std::sqrt(dy * dy + dx * dx);
    if (c == p) break;  // a step too small to move the angle
    p = c;
    c = c + step;
    if (c > 180.0) c = 180.0;
  } while (p < 180.0);
  return sum;
}

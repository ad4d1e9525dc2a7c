// The outline curve. The operation order is fixed: results are compared bit for bit.
#include "outline.h"

#include <cmath>

#include "shape_state.h"

namespace {

double ToRadians(double t) {
  return t * 3.141592653589793 / 180.0;
}

// D = a0 - a1 + a2 - a3 + a4 - a5 + a6 = r(180), summed left to right.
double NeckShift() {
  const double* a = g_shapeState.coeff;
  return a[0] - a[1] + a[2] - a[3] + a[4] - a[5] + a[6];
}

}  // namespace

double OutlineRadius(double t) {
  const double* a = g_shapeState.coeff;
  const double angle = ToRadians(t);
  double r = a[0];
  for (int k = 1; k <= 6; ++k) r += std::cos(k * angle) * a[k];
  return r;
}

double OutlineX(double t) {
  return std::cos(ToRadians(t)) * OutlineRadius(t) + NeckShift();
}

double OutlineY(double t) {
  return std::sin(ToRadians(t)) * OutlineRadius(t) / g_shapeState.verticalScale;
}

// The same operations in the same order as OutlineX and OutlineY; only r(t) is shared.
void OutlineXY(double t, double* x, double* y) {
  const double r = OutlineRadius(t);
  *x = std::cos(ToRadians(t)) * r + NeckShift();
  *y = std::sin(ToRadians(t)) * r / g_shapeState.verticalScale;
}

int IsFitValid() {
  return g_shapeState.fitValid;
}

int RelativelyEqual(double a, double b) {
  const double q = std::fabs((a - b) / (a + b));
  return q >= 1e-12 ? 0 : 1;
}

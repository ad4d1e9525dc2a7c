// The window's outline functions read its last fit.
#include "geometry/outline.h"

#include <cmath>

#include "geometry/shape_state.h"

double OutlineRadius(double t) {
  return g_shapeState.Radius(t);
}

double OutlineX(double t) {
  return g_shapeState.X(t);
}

double OutlineY(double t) {
  return g_shapeState.Y(t);
}

void OutlineXY(double t, double* x, double* y) {
  g_shapeState.XY(t, x, y);
}

int IsFitValid() {
  return g_shapeState.fitValid;
}

int RelativelyEqual(double a, double b) {
  const double q = std::fabs((a - b) / (a + b));
  return q >= 1e-12 ? 0 : 1;
}

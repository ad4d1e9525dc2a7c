// A fitted outline as a value: the coefficients a0..a6, the vertical scale, the bout and waist
// angles, and whether the fit that made it succeeded (and why not). The curve is
// r(t) = a0 + a1 cos t + ... + a6 cos 6t, x(t) = r(t) cos t + r(180), y(t) = r(t) sin t / S, t in
// degrees; t = 180 is the neck end (x = 0), t = 0 the tail end (x = length).
//
// FitOutline (fit_shape.h) returns one. The design window keeps the last one in the process-wide
// g_shapeState (shape_state.h); every other caller holds its own.
#pragma once

#include <string>

#include "geometry/point2.h"

struct ExtremumRecord {
  double angle = 0.0;  // degrees
  int kind = 0;        // 0 minimum, 1 maximum
};

struct FittedOutline {
  double coeff[7] = {6.86, 1.2, 3.07, 0.0, 0.0, 0.0, -0.18};  // a0..a6
  double verticalScale = 1.0 / 1.3;
  double fitSystem[4][5] = {};     // the fit's augmented matrix, row-major, as its last pass left it
  std::string errorText;           // why the last fit failed; a success leaves it as it was
  ExtremumRecord extrema[8] = {};  // 0 lower bout, 1 waist, 2 upper bout, then any further extrema
  int fitValid = 0;                // 1 after a successful fit
  int passes = 0;                  // passes the fit ran, the failing one included

  bool Valid() const { return fitValid == 1; }

  double Radius(double t) const;
  double X(double t) const;
  double Y(double t) const;
  // X(t) and Y(t) from one evaluation of the radius, equal to theirs bit for bit.
  void XY(double t, double* x, double* y) const;
  Point2 At(double t) const;

  // dx/dt and dy/dt at t, per degree.
  Point2 Derivative(double t) const;
  // d2x/dt2 and d2y/dt2 at t, per degree squared.
  Point2 SecondDerivative(double t) const;
  // (x' y'' - y' x'') / |(x', y')|^3: positive where the half from t = 0 to 180 (which runs
  // anticlockwise round the body) bends towards the inside, negative on a concave waist; 1 over the
  // radius of curvature in the design's unit. Not finite where the curve stops (x' = y' = 0).
  double Curvature(double t) const;

  // Arc length of the half outline from t = 0 to 180 as chords of `step` degrees (0 < step <= 180),
  // the last chord shortened to end at 180.
  double SideLength(double step) const;
};

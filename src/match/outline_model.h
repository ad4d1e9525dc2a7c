// One candidate outline of the match: the curve r(t) = a0 + a1 cos t + ... + a6 cos 6t,
// x = r cos t + r(pi), y = r sin t / S (t in radians, 0 at the tail end, pi at the neck end at
// x = 0), its derivatives in t, and, for a candidate that FitOutline made from the eight values, how
// the fitted a0, a1, a2 and S move with each value.
#pragma once

#include "geometry/point2.h"
#include "match/design_values.h"

struct OutlineModel {
  double a[7] = {};  // a0..a6
  double scale = 1.0;
  double shift = 0.0;     // r(pi): x of the curve's centre
  double angles[3] = {};  // lower bout, waist, upper bout (degrees), as the fit found them
  // d(a0, a1, a2, scale) / d(value j): with the bout and waist angles held, the fit is the linear
  // system of FitShape, so these are exact wherever the angles stay put (and the widths sit at
  // extrema, so moving angles change them only to second order).
  double sensitivity[4][8] = {};
};

// Runs FitOutline. False when the fit fails or the outline is not a body:
// a length or width that is not positive, a waist not below both bouts, or extrema that are not a
// maximum, a minimum and a maximum.
bool FitOutlineModel(const DesignValues& values, OutlineModel* model);

// The outline of seven coefficients and a vertical scale as they are (no fit, no sensitivities).
// False unless they are finite and the scale positive.
bool CurveOutlineModel(const double a[7], double scale, OutlineModel* model);

struct CurvePoint {
  Point2 at;  // position
  Point2 d;   // d/dt
  Point2 dd;  // d2/dt2
  double r = 0;
  double cosk[7] = {}, sink[7] = {};  // cos kt, sin kt
};

// t in radians, 0 at the tail end, pi at the neck end.
void EvaluateCurve(const OutlineModel& m, double t, CurvePoint* p);

// d(point) / d(value j) at the curve point p (t held), j = 0..7, for a FitOutlineModel candidate.
void CurveSensitivity(const OutlineModel& m, const CurvePoint& p, double dx[8], double dy[8]);

// d(point) / d(a0..a6, S) at the curve point p (t held): the coefficients and scale themselves.
void CoefficientSensitivity(const OutlineModel& m, const CurvePoint& p, double dx[8], double dy[8]);

// One candidate outline of the match: FitOutline run on the eight values, its coefficients copied
// out, the curve and its derivatives in t (radians), and how the fitted a0, a1, a2
// and vertical scale move with each of the eight values.
#pragma once

#include "match/design_values.h"

struct OutlineModel {
  double a[7] = {};  // a0..a6
  double scale = 1.0;
  double shift = 0.0;     // r(180): x of the neck end
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

struct CurvePoint {
  double x = 0, y = 0;      // position
  double dx = 0, dy = 0;    // d/dt
  double ddx = 0, ddy = 0;  // d2/dt2
  double r = 0;
  double cosk[7] = {}, sink[7] = {};  // cos kt, sin kt
};

// t in radians, 0 at the tail end, pi at the neck end.
void EvaluateCurve(const OutlineModel& m, double t, CurvePoint* p);

// d(point) / d(value j) at the curve point p (t held), j = 0..7.
void CurveSensitivity(const OutlineModel& m, const CurvePoint& p, double dx[8], double dy[8]);

// Location of the local extrema of a function of angle: a coarse scan in fixed steps, each
// bracketed extremum refined to a width of 0.001 degree.
#pragma once

#include "geometry/angle_function.h"
#include "geometry/fitted_outline.h"

// The abscissa of the maximum (findMax != 0) or minimum inside lo < mid < hi, mid halfway.
double FindExtremum(AngleFunction f, double lo, double mid, double hi, int findMax);

// Writes out[0], out[1], ... (at most maxCount) in increasing angle; later records keep their contents.
void ScanExtrema(AngleFunction f, int maxCount, ExtremumRecord* out, double start, double end, double step);

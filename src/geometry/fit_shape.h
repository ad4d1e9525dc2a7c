// vesk_geometry: the outline's curve, its fit to the typed measurements, the side length and the
// fret layout; standard C++ only (and Eigen), no Qt, every operation in a fixed order.
//
// The shape fit: solves a0, a1, a2 and the vertical scale so that the outline has the given length
// and meets the three half-widths at its own bout maxima and waist minimum.
#pragma once

#include "geometry/design_shape.h"
#include "geometry/fitted_outline.h"

// Fits the shape, starting from `start` (whose stored unknowns are the first pass's reference in
// the convergence test; a default FittedOutline is the state at program start). The result's
// fitValid says whether it converged, its errorText why not. Pure: reads and writes no global.
FittedOutline FitOutline(const DesignShape& shape, FittedOutline start = {});

// The design window's fit: FitOutline from and into g_shapeState. 0 when the fit converged, -1
// when it failed (errorText says why).
int FitShape(double length, double lowerBout, double waist, double upperBout, double a3, double a4, double a5,
             double a6);

// Passes the window's last FitShape call ran, the failing one included.
int LastFitPassCount();

// Error texts of a failed fit.
inline constexpr const char* kMatrixError = "Matrix error";
inline constexpr const char* kIterationLimitError = "Exceeded iteration limit";

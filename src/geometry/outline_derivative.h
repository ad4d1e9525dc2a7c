// Derivatives of the fitted outline x(t), y(t) with respect to t in degrees (the outline's own
// parameter), read from the shape state, and its signed curvature. For templates that need the
// exact tangent and normal of the curve (parallel curves for moulds and sides), not a polyline's.
#pragma once

struct OutlineVector {
  double x = 0.0;
  double y = 0.0;
};

// dx/dt and dy/dt at t (degrees), per degree.
OutlineVector OutlineDerivative(double t);
// d2x/dt2 and d2y/dt2 at t (degrees), per degree squared.
OutlineVector OutlineSecondDerivative(double t);
// (x' y'' - y' x'') / |(x', y')|^3: positive where the half from t = 0 to 180 (which runs
// anticlockwise round the body) bends towards the inside, negative on a concave waist; 1 over
// the radius of curvature in the design's unit. Not finite where the curve stops (x' = y' = 0).
double OutlineCurvature(double t);

// A NURBS curve as a DXF SPLINE defines it: degree p, n control points with weights, n + p + 1
// knots; the curve runs over [knot p, knot n].
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/point2.h"

struct Nurbs {
  int degree = 0;
  const std::vector<double>& knots;
  const std::vector<Point2>& controls;
  const std::vector<double>& weights;  // empty: all 1

  // Degree 1 to 10, the knot count to match, knots finite and non-decreasing with a domain of
  // positive length, weights finite and positive.
  bool Valid() const;
  Point2 At(double u) const;
  // Samples each knot span at steps no longer than the span's control polygon over `spacing`, the
  // end of the curve included. False (out untouched beyond what it held) past `budget` points.
  bool Sample(double spacing, std::size_t budget, std::vector<Point2>* out) const;

 private:
  std::size_t Span(double u) const;
  double Weight(std::size_t i) const { return weights.empty() ? 1.0 : weights[i]; }
};

// Points along the pieces of a DXF drawing: a polyline's own vertices, and along its bulges, arcs,
// ellipses and splines points no farther apart than a given spacing.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/point2.h"
#include "match/dxf_pieces.h"

// The spacing the curved pieces of one layer are sampled at: the median length of its straight
// segments (the trace's own vertex spacing), at most maxSpacing and at least minSpacing.
double SampleSpacing(const std::vector<const DxfPiece*>& pieces, double maxSpacing, double minSpacing);

struct PieceSamples {
  std::vector<Point2> points;
  bool skipped = false;  // a spline whose knots, weights or degree make no curve
};

// Appends nothing and returns false when the piece would give more than `budget` points.
bool SamplePiece(const DxfPiece& piece, double spacing, std::size_t budget, PieceSamples* out);

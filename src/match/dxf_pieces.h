// The drawing of a DXF as the match reads it: every LINE, polyline, ARC, ELLIPSE and SPLINE of the
// ENTITIES section, each with its layer, in the file's own units and in world coordinates.
#pragma once

#include <string>
#include <vector>

#include "geometry/point2.h"

enum class PieceKind { Polyline, Arc, Ellipse, Spline };

struct PieceVertex {
  Point2 at;
  double bulge = 0.0;  // tan(included angle / 4) of the arc to the next vertex; 0 for a straight run
};

struct DxfPiece {
  PieceKind kind = PieceKind::Polyline;
  std::string layer;
  bool closed = false;  // a closed polyline or spline, a whole ellipse
  // Polyline (a LINE is one of two vertices).
  std::vector<PieceVertex> vertices;
  // Arc and ellipse: the centre; an arc's radius; an ellipse's major semi-axis (as a vector) and
  // minor semi-axis (the major turned a quarter anticlockwise, times the ratio); the start and end
  // angle (arc) or parameter (ellipse) in radians, anticlockwise from start to end.
  Point2 centre, major, minor;
  double radius = 0.0;
  double start = 0.0, end = 0.0;
  // Spline: degree, knots, control points and their weights, fit points.
  int degree = 0;
  std::vector<double> knots, weights;
  std::vector<Point2> controls, fits;
};

struct DxfDrawing {
  int insUnits = -1;  // $INSUNITS; -1 when the header names none
  std::vector<DxfPiece> pieces;
};

// Reads the rebuilt text of RebuildDxf with dxflib. False when dxflib cannot read it.
bool ReadDxfPieces(const std::string& cleanText, DxfDrawing* drawing);

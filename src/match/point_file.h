// vesk_match: fitting a design to measured half-widths or a traced outline; no Qt.
//
// A point file as the match reads it: a DXF (by its name or its first bytes) or a text table,
// within kMaxPointFileBytes, its numbers converted from the points' unit into the design's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/result.h"
#include "match/point_set.h"

struct PointReadOptions {
  bool dxfName = false;                // the file's name ends in .dxf
  std::string layer;                   // DXF: the layer to read; empty: choose
  double designUnitMm = 10.0;          // millimetres in one design unit
  std::optional<double> pointsUnitMm;  // the points' unit when the user names it; else a DXF's
                                       // $INSUNITS, and a text file's numbers are in the design's unit
};

// Whether the bytes are read as a DXF.
bool ReadAsDxf(std::string_view bytes, const PointReadOptions& options);

Result<PointSet> ReadPointFile(std::string_view bytes, const PointReadOptions& options);

// Points from a DXF: the vertices of LINEs and polylines, and points along polyline bulges, ARCs,
// ELLIPSEs and SPLINEs, from one layer (named, or the one with the largest closed curve when
// several hold one) or from every layer, converted into the design's unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/result.h"
#include "match/point_set.h"

struct DxfReadOptions {
  std::string layer;                   // empty: choose
  double designUnitMm = 10.0;          // millimetres in one design unit (10 for cm, 25.4 for in)
  std::optional<double> pointsUnitMm;  // the file's unit when the user names it, over $INSUNITS
};

// A file without $INSUNITS (or with 0, unitless) is taken to be in millimetres; a note says so.
Result<PointSet> ReadDxfPoints(std::string_view bytes, const DxfReadOptions& options);

// Millimetres in one unit of a $INSUNITS code; 0 for a code that is not a length unit we know.
double MillimetresPerInsUnit(int code);

// Curved pieces are sampled no coarser than this, nor finer than the floor.
inline constexpr double kLargestSampleSpacingMm = 2.0;
inline constexpr double kSmallestSampleSpacingMm = 0.01;

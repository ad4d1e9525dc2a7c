// Points from a DXF, read with dxflib: the vertices of POLYLINE and LWPOLYLINE entities and the
// ends of LINEs, on every layer or on one, converted by $INSUNITS into the design's unit.
#pragma once

#include <string>
#include <string_view>

#include "match/match_points.h"

// layer empty: every layer. unitMm: millimetres in one design unit (10 for cm, 25.4 for in).
// A file without $INSUNITS (or with 0, unitless) is taken to be in millimetres; note says so.
PointReadResult ReadDxfPoints(std::string_view bytes, const std::string& layer, double unitMm);

// Millimetres in one unit of a $INSUNITS code; 0 for a code that is not a length unit we know.
double MillimetresPerInsUnit(int code);

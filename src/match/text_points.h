// Points from text: one "x,y" or "x y" a line, '#' comments, blank lines, and at most one header
// line before the first point. The numbers are taken as they stand; the caller converts units.
#pragma once

#include <string_view>

#include "geometry/result.h"
#include "match/point_set.h"

Result<PointSet> ReadTextPoints(std::string_view text);

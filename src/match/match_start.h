// Where a design fit may start: values read off the points, or read off an outline of the wider
// coefficient family (its length, and its bout and waist widths where FitShape would find them).
#pragma once

#include <optional>
#include <vector>

#include "match/outline_family.h"

// The length from the x extent, the bouts and the waist from the half-width's extremes, a3..a6 as
// given (or those of a new design scaled to the length); the fixed values in place of the read ones.
// frame: the points in the design's frame; aligned: the neck end need not be at x = 0.
DesignValues ReadOffStart(const std::vector<Point2>& frame, const FixedValues& fixed, bool aligned,
                          const double* a3to6 = nullptr);

// The new design scaled to a length, the fixed values in place.
DesignValues FallbackStart(double length, const FixedValues& fixed);

// The eight values of a coefficient-family outline whose half-width has a maximum, a minimum and a
// maximum (scanned as FitShape scans), the fixed values in place; nullopt when it has no waist.
// depth: how far the waist lies below the narrower bout, as a share of it.
std::optional<DesignValues> DesignFromCurve(const OutlineModel& curve, const FixedValues& fixed,
                                            double* depth);

void ApplyFixed(const FixedValues& fixed, DesignValues* values);

// (narrower bout - waist) / narrower bout.
double WaistDepth(const DesignValues& values);

// Golden-section search for the lowest point of a function on an interval that holds one valley:
// shared by the offsets' curvature peaks and the match's nearest points.
#pragma once

#include <functional>

// Shrinks [lo, hi] by the golden ratio at each step, for at most `iterations` steps or until the
// bracket is no wider than `tolerance`, and returns the middle of what is left.
double GoldenSectionMinimum(const std::function<double(double)>& f, double lo, double hi, int iterations,
                            double tolerance);

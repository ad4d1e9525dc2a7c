// The eight values that fix a design's outline, as the match's solver walks them: DesignShape's
// ToArray order (length, lowerBout, waist, upperBout, a3, a4, a5, a6).
#pragma once

#include <array>

#include "geometry/design_shape.h"

using DesignValues = std::array<double, 8>;

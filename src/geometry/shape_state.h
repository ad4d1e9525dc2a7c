// The process-wide record of the fitted outline: coefficients, vertical scale, the fitting system
// and the table of bout and waist angles. Only FitShape writes it; everything else reads it.
#pragma once

#include <string>

struct ExtremumRecord {
  double angle = 0.0;  // degrees
  int kind = 0;        // 0 minimum, 1 maximum
};

struct ShapeState {
  double coeff[7] = {6.86, 1.2, 3.07, 0.0, 0.0, 0.0, -0.18};  // a0..a6
  double verticalScale = 1.0 / 1.3;
  double fitSystem[4][5] = {};  // augmented matrix, row-major
  std::string errorText;
  ExtremumRecord extrema[8] = {};
  int fitValid = 0;
};

// One instance for the whole process; a default-constructed ShapeState is its state at start-up.
extern ShapeState g_shapeState;

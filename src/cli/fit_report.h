// Running one fit and describing what it left in the shape state, as JSON or as readable text.
#pragma once

#include <QString>

#include "cli/json_output.h"

namespace cli {

struct FitInputs {
  double length, lowerBout, waist, upperBout, a3, a4, a5, a6;
};

FitInputs DefaultFitInputs();

// Runs FitShape once and returns its result (0 or -1).
int RunFit(const FitInputs& in);

// The shape state after a fit whose result was `result`.
JsonObject FitJson(int result);
QString FitSummary(int result);

}  // namespace cli

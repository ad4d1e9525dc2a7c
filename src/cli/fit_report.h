// Describing one fit, as JSON or as readable text.
#pragma once

#include <QString>

#include "cli/json_output.h"
#include "geometry/fitted_outline.h"

namespace cli {

// Every figure read straight from the outline, so that the JSON reproduces it exactly; "result" is
// 0 for a valid fit and -1 otherwise.
JsonObject FitJson(const FittedOutline& outline);
QString FitSummary(const FittedOutline& outline);

}  // namespace cli

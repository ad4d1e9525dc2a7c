// The user's words first (what is wrong with the values), then the solver's.
#include "geometry/fit_failure.h"

#include <cmath>

namespace {

bool Positive(double v) {
  return std::isfinite(v) && v > 0.0;
}

const char* ValuesReason(const DesignShape& s) {
  if (!Positive(s.length) || !Positive(s.lowerBout) || !Positive(s.waist) || !Positive(s.upperBout))
    return "the length and the three widths must be greater than 0";
  if (!(s.waist < s.lowerBout) || !(s.waist < s.upperBout))
    return "the waist must be narrower than both bouts";
  return "the values cannot form a body";
}

}  // namespace

std::string NoFitReason(const DesignShape& shape, const FittedOutline& outline) {
  if (outline.Valid()) return {};
  std::string reason = ValuesReason(shape);
  if (!outline.errorText.empty()) reason += ": " + outline.errorText;
  return reason;
}

Error NoFitError(const DesignShape& shape, const FittedOutline& outline) {
  return Error{"the design does not fit: " + NoFitReason(shape, outline), ErrorKind::FitFailed};
}

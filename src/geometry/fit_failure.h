// Why a fit failed, said in terms of the values a user gave, ahead of the solver's own reason.
#pragma once

#include <string>

#include "geometry/design_shape.h"
#include "geometry/fitted_outline.h"
#include "geometry/result.h"

// "the waist must be narrower than both bouts: Exceeded iteration limit"; empty for an outline that
// fits. shape is the one outline was fitted from.
std::string NoFitReason(const DesignShape& shape, const FittedOutline& outline);

// "the design does not fit: " and the reason, as an ErrorKind::FitFailed.
Error NoFitError(const DesignShape& shape, const FittedOutline& outline);

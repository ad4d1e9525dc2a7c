// The design window's last fit: one fitted outline for the whole process, written by FitShape and
// read by the window's paint, its dialogs and its document (they draw the last fit, and a failed
// Calc leaves it). Nothing else reads it: other code holds the FittedOutline that FitOutline returns.
#pragma once

#include "geometry/fitted_outline.h"

using ShapeState = FittedOutline;

// A default-constructed ShapeState is its state at start-up.
extern ShapeState g_shapeState;

// Storage of the process-wide shape state.
#include "shape_state.h"

ShapeState g_shapeState;

// Storage of the process-wide shape state.
#include "geometry/shape_state.h"

ShapeState g_shapeState;

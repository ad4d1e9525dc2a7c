// The window's side length.
#include "geometry/side_length.h"

#include "geometry/shape_state.h"

double SideLength(double step) {
  return g_shapeState.SideLength(step);
}

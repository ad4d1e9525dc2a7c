// A guard in front of dxflib: the DXF is split into its group pairs with bounded work (vesk_dxf),
// and a small clean DXF is rebuilt that holds only $INSUNITS and the LINE, POLYLINE/VERTEX,
// LWPOLYLINE, ARC, ELLIPSE and SPLINE entities of the ENTITIES section, every number checked and
// rewritten. dxflib trusts the counts and codes it reads (an LWPOLYLINE's or SPLINE's counts size
// its arrays; a stray bulge writes before one), so it is only ever handed this rebuilt text, whose
// counts are the true ones.
#pragma once

#include <string>
#include <string_view>

#include "geometry/result.h"

struct CleanDxf {
  std::string text;  // the rebuilt DXF
  bool hasEntitiesSection = false;
};

// An Error names the line and what is wrong with it; a binary DXF or a NUL byte is refused whole.
Result<CleanDxf> RebuildDxf(std::string_view bytes);

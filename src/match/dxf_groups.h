// A guard in front of dxflib: splits a DXF into its group pairs with bounded work, and rebuilds a
// small clean DXF that holds only $INSUNITS and the LINE, POLYLINE/VERTEX and LWPOLYLINE entities
// of the ENTITIES section, every number checked and rewritten. dxflib trusts the counts and codes it
// reads (an LWPOLYLINE's vertex count sizes an array; a stray bulge writes before it), so it is only
// ever handed this rebuilt text.
#pragma once

#include <string>
#include <string_view>

struct CleanDxf {
  std::string text;   // the rebuilt DXF
  std::string error;  // one line; empty on success
  int coordinateCount = 0;
  bool hasEntitiesSection = false;
};

CleanDxf RebuildDxf(std::string_view bytes);

// True when the bytes start like a DXF (a group code 0 line followed by SECTION) or the binary form.
bool LooksLikeDxf(std::string_view bytes);

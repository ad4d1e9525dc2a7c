// A picture to lay under a drawing: its pixels (upright, made smaller when huge) and where they lie
// on the outline's plane, by the same check square or resolution a trace of it would use; no
// OpenCV in its interface.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/result.h"

struct PicturePlane {
  int width = 0, height = 0;       // of the pixels below, after any shrinking
  std::vector<unsigned char> rgb;  // width * height * 3, rows top to bottom
  double shrink = 1.0;             // pixels of the file per pixel above
  // From the picture above (its top-left corner at 0, 0; a pixel 1 wide) to plane millimetres, y
  // down, row-major; the same plane as TraceResult's. Only when `scaled`.
  std::array<double, 9> toMm{1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
  bool scaled = false;
  std::string scale;  // where the scale came from ("check square", ...), or why there is none
};

// Fails with one line when the bytes are not a picture the trace reads. A picture with no scale
// is no failure: `scaled` is false.
Result<PicturePlane> ReadPicturePlane(std::string_view fileBytes, double squareSideMm, int maxSide);

// Pictures of known outlines for the trace's tests and benchmark: a design's outline drawn on
// paper (a pencil tracing with a centreline, a line across the waist and labels, or a solid body)
// beside vesk's red check square, seen by a flat-bed scanner or by a camera at a slant over a
// textured table, with uneven light, noise, blur and JPEG as asked.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "geometry/design_shape.h"

struct Scene {
  std::string name;
  DesignShape design;  // in cm
  bool silhouette = false;
  double pixelsPerMm = 300.0 / 25.4;  // at the paper's centre
  double tiltDegrees = 0.0;           // 0: a scan, recorded at its dpi; else a photo over a table
  bool square = true;
  double light = 0.0;   // the light falls off by up to this fraction across the picture
  double noise = 0.0;   // grey levels, standard deviation
  double blur = 0.0;    // pixels, the Gaussian's sigma
  int jpegQuality = 0;  // 0: lossless (TIFF for a scan, PNG for a photo)
};

// The picture file's bytes.
std::vector<unsigned char> RenderScene(const Scene& scene);

// Where the check square's corners lie in the picture (pixel centres at integers), in the order
// FindCheckSquare gives them.
std::array<std::array<double, 2>, 4> SquareCorners(const Scene& scene);

// RMS of the distances (mm) from the true design's half outline to the other's.
double HalfOutlineRmsMm(const DesignShape& truth, const DesignShape& other);

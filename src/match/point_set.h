// The measured or traced points a design is matched to, as the readers hand them over: x along the
// centreline from the neck end, y the half-width (negative on the other side of a whole body), in
// the design's unit.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/point2.h"

// How many points one DXF layer gave.
struct LayerPoints {
  std::string name;
  std::size_t points = 0;
  double largestClosedArea = 0.0;  // bounding-box area of its largest closed curve; 0 for none
};

struct PointSet {
  std::vector<Point2> points;
  std::vector<int> lines;           // each point's source line (text files); empty when none has one
  std::vector<std::string> notes;   // what the reader assumed or chose, one line each
  std::vector<LayerPoints> layers;  // DXF: every layer that has points, in the order first drawn
  std::string layer;                // DXF: the layer read; empty when the points of all were read
  double extentMm = 0.0;            // the larger side of the points' bounding box, in millimetres
  double fileUnitMm = 0.0;          // millimetres in one unit of the file's numbers, as they were read

  // The source line of point i, 0 when it has none.
  int LineOf(std::size_t i) const { return i < lines.size() ? lines[i] : 0; }
};

// Bounds that keep every reader linear and quick, whatever it is fed.
inline constexpr std::size_t kMaxPointFileBytes = 32u << 20;
inline constexpr std::size_t kMaxPoints = 200000;
inline constexpr std::size_t kMaxLineLength = 4096;
// Fewest points a design's eight values can be matched to.
inline constexpr std::size_t kMinPoints = 8;

// An instrument body is between these sizes; points outside them were most likely read in the
// wrong unit.
inline constexpr double kSmallestBodyMm = 100.0;
inline constexpr double kLargestBodyMm = 2000.0;
bool ImplausibleBodyExtent(double extentMm);

// A scan or a photo of an outline to the outline's points, in one call and without OpenCV in its
// interface: decode, find the check square, choose the plane's scale and perspective, find the
// outline (a drawn line's middle or a silhouette's edge), and hand its points out ~1 mm apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "geometry/point2.h"
#include "geometry/result.h"

// No scanner resolves finer: a larger resolution, given or recorded in a file, is not used.
inline constexpr double kMaxDpi = 100000.0;

struct TraceOptions {
  double unitMm = 10.0;         // millimetres in one unit of the points (10 cm, 25.4 in)
  double squareSideMm = 100.0;  // the check square's side: 100 mm, or 101.6 (4 in)
  double dpi = 0.0;             // the scan's resolution when the picture has no square; 0: none given
  bool findSquare = true;       // false: the scale is dpi's (or the file's) even where a square shows
  double spacingMm = 1.0;       // between the points, about
  bool overlay = false;         // also draw the check picture
  bool quietDecoders = false;   // see DecodePicture
};

enum class TracedKind { DrawnLine, Silhouette };

struct TraceResult {
  std::vector<Point2> points;  // in the unit, y up, counter-clockwise, from the lower left of their box
  // Where the points' (0, 0) lies on the plane: its millimetres (see PicturePlane) over the unit, y up.
  Point2 origin;
  TracedKind kind = TracedKind::DrawnLine;
  double pixelsPerMm = 0.0;
  std::string scaleSource;  // "check square", "--dpi", "PNG pHYs", ...
  double tiltDegrees = 0.0;
  double width = 0.0, height = 0.0;  // the outline's extent, in the unit
  int pictureWidth = 0, pictureHeight = 0;
  std::vector<unsigned char> overlayPng;  // when asked for
};

// Fails with one line: the file is not a picture we read, is damaged or too large, has no scale, is
// blank, or shows no closed curve.
Result<TraceResult> TracePicture(std::string_view fileBytes, const TraceOptions& options);

// From the picture's pixels to millimetres on the plane the outline lies in: the check square's
// homography (which also removes the perspective of a photo taken at a slant), or the resolution
// of a flat-bed scan (given, or recorded in the file).
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <string>

#include "geometry/result.h"
#include "trace/check_square.h"
#include "trace/picture.h"
#include "trace/trace_picture.h"

struct PlaneFrame {
  cv::Matx33d toMm;          // pixel coordinates (a pixel's centre at integers) to mm, y down
  double pixelsPerMm = 0.0;  // the picture's scale (at the square, for a photo)
  double tiltDegrees = 0.0;  // the camera's slant to the plane, removed by toMm
  std::string source;        // where the scale came from
};

// A file's own resolution below this is a camera's default (72 dpi), not a scanner's.
inline constexpr double kMinFileDpi = 100.0;

// The square wins; then dpi (the user's, 0 for none); then the file's resolution. Fails with
// "no scale: ..." when there is none.
Result<PlaneFrame> ChoosePlaneFrame(const std::optional<CheckSquare>& square, const Picture& picture,
                                    double squareSideMm, double dpi);

// The camera's slant to the plane of a homography from plane millimetres to pixels, with square
// pixels and the principal point at the picture's centre; the focal length is found from the
// homography itself (its two plane axes are perpendicular and of equal length), 0 degrees when the
// picture shows no perspective.
double TiltDegrees(const cv::Matx33d& planeToPixels, cv::Size pictureSize);

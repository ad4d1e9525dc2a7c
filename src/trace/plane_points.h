// The traced outline on the plane: its pixels taken through the frame's homography to
// millimetres, evened out along its length and resampled about 1 mm apart, then handed out in the
// user's unit with y up, the origin at the lower left of its box.
#pragma once

#include <opencv2/core.hpp>
#include <vector>

#include "geometry/point2.h"
#include "trace/closed_curve.h"

// Pixels to plane millimetres (y down, as the picture).
ClosedCurve ToPlane(const ClosedCurve& pixels, const cv::Matx33d& toMm);

// Resampled at the spacing nearest spacingMm that divides the perimeter, smoothed over about half a
// millimetre first; empty when the curve is shorter than three spacings.
ClosedCurve EvenlySpaced(const ClosedCurve& planeMm, double spacingMm);

// In units of unitMm millimetres, y up, from the lower left of the box, counter-clockwise from the
// leftmost point.
std::vector<Point2> OutputPoints(const ClosedCurve& planeMm, double unitMm);

// Where OutputPoints puts its (0, 0): the box's lower left in the plane, over the unit, y up.
Point2 OutputOrigin(const ClosedCurve& planeMm, double unitMm);

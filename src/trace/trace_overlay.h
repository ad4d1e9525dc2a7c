// The check picture of a trace: the picture rectified onto the plane (perspective removed), cropped
// to the outline and the square with a 10 mm margin, the traced outline drawn over it in green and
// the square's corners joined in magenta, as PNG bytes.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

#include "trace/check_square.h"
#include "trace/closed_curve.h"
#include "trace/plane_frame.h"

// Empty when the PNG cannot be made.
std::vector<unsigned char> DrawOverlay(const cv::Mat& bgr, const PlaneFrame& frame,
                                       const ClosedCurve& outlineMm,
                                       const std::optional<CheckSquare>& square);

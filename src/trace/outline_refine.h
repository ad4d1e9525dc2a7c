// The outline to a fraction of a pixel: across the coarse boundary every 0.25 mm, the picture is
// read along the outward normal, where a drawn line's middle is its darkness-weighted centre (the
// first line met coming from outside) and a silhouette's edge the crossing of the half level
// between its two sides; readings that disagree with their neighbours (where a mark crosses the
// line) are left out.
#pragma once

#include <opencv2/core.hpp>

#include "geometry/result.h"
#include "trace/closed_curve.h"
#include "trace/outline_region.h"

// grey: the whole picture, CV_32F. The points are in the picture's pixels, in order along the
// outline, about 0.25 mm apart.
Result<ClosedCurve> RefineOutline(const cv::Mat& grey, const CoarseOutline& coarse, double pixelsPerMm);

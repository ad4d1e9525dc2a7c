// Where the outline lies, to within a coarse pixel (about 0.25 mm): the largest closed shape of
// what stands out from the paper, with the check square, whatever touches the picture's edge and
// thin open marks (a centreline's ends, text) taken away; and whether it is a drawn line (a thin
// ring round paper) or a solid silhouette.
#pragma once

#include <opencv2/core.hpp>
#include <optional>

#include "geometry/result.h"
#include "trace/check_square.h"
#include "trace/closed_curve.h"

enum class OutlineKind { DrawnLine, Silhouette };

struct CoarseOutline {
  ClosedCurve boundary;  // in the picture's pixels: a line's outer edge, or a silhouette's edge
  OutlineKind kind = OutlineKind::DrawnLine;
};

// grey: the whole picture, CV_8U. Fails with "no closed curve ..." or "blank page ...".
Result<CoarseOutline> FindCoarseOutline(const cv::Mat& grey, const std::optional<CheckSquare>& square,
                                        double pixelsPerMm);

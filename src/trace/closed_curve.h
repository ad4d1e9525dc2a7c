// Closed polylines as the tracer handles them: resampled at equal steps of arc length, smoothed
// along their length (a Gaussian, wrapping round), their orientation and outward normals.
#pragma once

#include <opencv2/core.hpp>
#include <vector>

using ClosedCurve = std::vector<cv::Point2d>;  // the last point joins the first

double Perimeter(const ClosedCurve& c);

// count points at equal steps of arc length, starting at c[0]; empty for an empty curve.
ClosedCurve ResampleClosed(const ClosedCurve& c, int count);

// Each point replaced by the Gaussian-weighted mean of its neighbours (sigma in points).
ClosedCurve SmoothClosed(const ClosedCurve& c, double sigma);

// Positive when the points run counter-clockwise in their own x, y (clockwise as seen in a picture,
// whose y points down).
double SignedArea(const ClosedCurve& c);

// Unit normals pointing out of the enclosed area, from central differences.
std::vector<cv::Point2d> OutwardNormals(const ClosedCurve& c);

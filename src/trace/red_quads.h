// Candidates for the check square: red shapes (by hue, saturation and value) whose outer boundary
// is a convex quadrilateral, either a thin ring around a quadrilateral hole or filled.
#pragma once

#include <array>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

struct RedQuad {
  std::array<cv::Point2d, 4> outer;  // corners of the outer boundary, in its order
  std::array<cv::Point2d, 4> inner;  // of the hole, matched to outer's; equal to outer when filled
  std::vector<cv::Point> boundary;
  bool ring = false;
  double area = 0.0;
};

cv::Mat RedMask(const cv::Mat& bgr);

// The largest candidate of the mask, if any.
std::optional<RedQuad> LargestRedQuad(const cv::Mat& redMask);

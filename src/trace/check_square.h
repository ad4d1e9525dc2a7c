// The red check square that vesk prints on every template (100 mm or 4 in; a 0.3 mm stroke, or a
// filled square), found in a picture by its colour and shape, its corners refined to a fraction of
// a pixel: they fix the picture's scale and perspective.
#pragma once

#include <array>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

struct CheckSquare {
  // As seen in the picture: top-left, top-right, bottom-right, bottom-left (the side from the first
  // to the second is the one nearest to pointing right). For a stroked square, the stroke's middle.
  std::array<cv::Point2d, 4> corners;
  std::vector<cv::Point> region;  // the red shape's outer boundary, in pixels
  bool stroked = true;
};

// The largest red convex quadrilateral, a ring or filled, with sides at least 60 pixels long;
// nullopt when the picture has none.
std::optional<CheckSquare> FindCheckSquare(const cv::Mat& bgr);

// The frame's homography and what the report says of it.
#include "trace/plane_frame.h"

#include <cmath>
#include <opencv2/calib3d.hpp>
#include <vector>

#include "geometry/math_constants.h"
#include "geometry/units.h"

namespace {

PlaneFrame FromSquare(const CheckSquare& square, double side, cv::Size size) {
  const std::vector<cv::Point2d> seen(square.corners.begin(), square.corners.end());
  const std::vector<cv::Point2d> plane = {{0.0, 0.0}, {side, 0.0}, {side, side}, {0.0, side}};
  PlaneFrame f;
  f.toMm = cv::Matx33d(cv::findHomography(seen, plane, 0));
  double perimeter = 0.0;
  for (std::size_t k = 0; k < 4; ++k) perimeter += cv::norm(seen[k] - seen[(k + 1) % 4]);
  f.pixelsPerMm = perimeter / (4.0 * side);
  f.tiltDegrees = TiltDegrees(f.toMm.inv(), size);
  f.source = "check square";
  return f;
}

// A pixel's centre lies half a pixel in from its edge, and the picture's edge is the plane's origin.
PlaneFrame FromDpi(double dpiX, double dpiY, const std::string& source) {
  const double kx = kMmPerInch / dpiX, ky = kMmPerInch / dpiY;
  PlaneFrame f;
  f.toMm = cv::Matx33d(kx, 0.0, 0.5 * kx, 0.0, ky, 0.5 * ky, 0.0, 0.0, 1.0);
  f.pixelsPerMm = 0.5 * (dpiX + dpiY) / kMmPerInch;
  f.source = source;
  return f;
}

}  // namespace

double TiltDegrees(const cv::Matx33d& planeToPixels, cv::Size size) {
  const cv::Matx33d centred =
      cv::Matx33d(1, 0, -0.5 * (size.width - 1), 0, 1, -0.5 * (size.height - 1), 0, 0, 1) * planeToPixels;
  const double a1 = centred(0, 0), b1 = centred(1, 0), c1 = centred(2, 0);
  const double a2 = centred(0, 1), b2 = centred(1, 1), c2 = centred(2, 1);
  const double diagonal = std::hypot(size.width, size.height);
  double f2 = -(a1 * a2 + b1 * b2) / (c1 * c2);  // the axes are perpendicular
  if (!(f2 > 0.0) || !std::isfinite(f2))
    f2 = (a1 * a1 + b1 * b1 - a2 * a2 - b2 * b2) / (c2 * c2 - c1 * c1);  // and of equal length
  // Outside what lenses give, the estimate is noise: take a normal lens's focal length.
  if (!(f2 > 0.09 * diagonal * diagonal && f2 < 400.0 * diagonal * diagonal)) f2 = diagonal * diagonal;
  const double f = std::sqrt(f2);
  const cv::Vec3d r1 = cv::normalize(cv::Vec3d(a1 / f, b1 / f, c1));
  const cv::Vec3d r2 = cv::normalize(cv::Vec3d(a2 / f, b2 / f, c2));
  const cv::Vec3d normal = r1.cross(r2);
  const double cosine = std::fabs(normal[2]) / cv::norm(normal);
  return std::isfinite(cosine) ? std::acos(std::fmin(cosine, 1.0)) * 180.0 / kPi : 0.0;
}

Result<PlaneFrame> ChoosePlaneFrame(const std::optional<CheckSquare>& square, const Picture& picture,
                                    double squareSideMm, double dpi) {
  if (square) return FromSquare(*square, squareSideMm, picture.bgr.size());
  if (dpi > 0.0 && dpi <= kMaxDpi) return FromDpi(dpi, dpi, "--dpi");
  const auto usable = [](double d) { return d >= kMinFileDpi && d <= kMaxDpi; };
  if (usable(picture.dpiX) && usable(picture.dpiY))
    return FromDpi(picture.dpiX, picture.dpiY, picture.resolutionSource);
  if (picture.dpiX > 0.0 && picture.dpiX < kMinFileDpi)
    return Error{"no scale: no check square found, and the file's " +
                 std::to_string(std::lround(picture.dpiX)) +
                 " dpi is a camera's default, not a scan's; give --dpi N"};
  return Error{"no scale: no check square found and the file records no resolution; give --dpi N"};
}

// The overlay keeps the picture's own scale up to 10 pixels a millimetre and 40 megapixels.
#include "trace/trace_overlay.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "trace/plane_points.h"

namespace {

constexpr double kMarginMm = 10.0;
constexpr double kMaxPixelsPerMm = 10.0;
constexpr double kMaxOverlayPixels = 40e6;
constexpr double kLineMm = 0.3;

std::vector<cv::Point> ToOverlay(const ClosedCurve& mm, cv::Point2d origin, double scale) {
  std::vector<cv::Point> out;
  // cv::Point with 4 fractional bits (shift 4 in the drawing calls) keeps the line's sub-pixel place.
  for (const cv::Point2d& p : mm)
    out.emplace_back(int(std::lround((p.x - origin.x) * scale * 16.0)),
                     int(std::lround((p.y - origin.y) * scale * 16.0)));
  return out;
}

}  // namespace

std::vector<unsigned char> DrawOverlay(const cv::Mat& bgr, const PlaneFrame& frame,
                                       const ClosedCurve& outlineMm,
                                       const std::optional<CheckSquare>& square) {
  ClosedCurve squareMm;
  if (square) squareMm = ToPlane(ClosedCurve(square->corners.begin(), square->corners.end()), frame.toMm);
  std::vector<cv::Point2d> all(outlineMm);
  all.insert(all.end(), squareMm.begin(), squareMm.end());
  cv::Point2d low(HUGE_VAL, HUGE_VAL), high(-HUGE_VAL, -HUGE_VAL);
  for (const cv::Point2d& p : all) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  const cv::Point2d origin(low.x - kMarginMm, low.y - kMarginMm);
  const double w = high.x - low.x + 2.0 * kMarginMm, h = high.y - low.y + 2.0 * kMarginMm;
  double scale = std::min(frame.pixelsPerMm, kMaxPixelsPerMm);
  scale = std::min(scale, std::sqrt(kMaxOverlayPixels / (w * h)));
  if (!(scale > 0.0) || !std::isfinite(w * h)) return {};
  const cv::Size size(std::max(1, int(w * scale)), std::max(1, int(h * scale)));
  const cv::Matx33d toOverlay =
      cv::Matx33d(scale, 0, -origin.x * scale, 0, scale, -origin.y * scale, 0, 0, 1) * frame.toMm;
  cv::Mat out;
  cv::warpPerspective(bgr, out, toOverlay, size, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar::all(128));
  const int thickness = std::max(1, int(std::lround(kLineMm * scale)));
  cv::polylines(out, ToOverlay(outlineMm, origin, scale), true, cv::Scalar(0, 170, 0), thickness, cv::LINE_AA,
                4);
  if (square)
    cv::polylines(out, ToOverlay(squareMm, origin, scale), true, cv::Scalar(255, 0, 255), thickness,
                  cv::LINE_AA, 4);
  std::vector<unsigned char> png;
  if (!cv::imencode(".png", out, png)) return {};
  return png;
}

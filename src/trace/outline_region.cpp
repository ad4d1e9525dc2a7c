// The search runs on a copy of the picture at about 0.25 mm a pixel (coarser for pictures over 4
// megapixels), each coarse pixel the darkest
// of its block (so a thin pencil line keeps its full darkness), with the light evened out.
#include "trace/outline_region.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "trace/lighting.h"

namespace {

constexpr double kCoarseMm = 0.25;
constexpr double kMaxCoarsePixels = 4e6;  // bounds the search's time on a large photo
constexpr double kContrast = 0.25;        // from the paper's level, either way
constexpr double kGapMm = 0.3;            // breaks in a drawn line bridged, each side
constexpr double kMarkMm = 1.5;           // open marks up to twice this wide are taken away
constexpr double kMinExtentMm = 20.0;     // the smallest outline looked for
constexpr double kSilhouetteFill = 0.5;
constexpr int kMinCoarseSide = 16;

struct Coarse {
  cv::Mat grey;  // CV_8U
  int block = 1;
  // The full-size picture's coordinates of a coarse pixel's centre.
  cv::Point2d Full(cv::Point p) const {
    return {p.x * block + 0.5 * (block - 1), p.y * block + 0.5 * (block - 1)};
  }
  cv::Point ToCoarse(cv::Point2d p) const {
    return {int(std::lround((p.x - 0.5 * (block - 1)) / block)),
            int(std::lround((p.y - 0.5 * (block - 1)) / block))};
  }
};

Coarse Shrink(const cv::Mat& grey, double pixelsPerMm) {
  Coarse c;
  const double byScale = std::round(pixelsPerMm * kCoarseMm);
  const double bySize = std::ceil(std::sqrt(double(grey.total()) / kMaxCoarsePixels));
  c.block = int(std::clamp(std::max(byScale, bySize), 1.0, 64.0));
  if (c.block == 1) {
    c.grey = grey;
    return c;
  }
  cv::Mat darkest;
  cv::erode(grey, darkest, cv::Mat::ones(c.block, c.block, CV_8U), cv::Point(0, 0));
  c.grey.create(grey.rows / c.block, grey.cols / c.block, CV_8U);
  for (int r = 0; r < c.grey.rows; ++r) {
    const uchar* from = darkest.ptr<uchar>(r * c.block);
    uchar* to = c.grey.ptr<uchar>(r);
    for (int col = 0; col < c.grey.cols; ++col) to[col] = from[std::ptrdiff_t(col) * c.block];
  }
  return c;
}

std::vector<cv::Point> ScaledQuad(const Coarse& c, const CheckSquare& s, double factor) {
  const cv::Point2d centre = (s.corners[0] + s.corners[1] + s.corners[2] + s.corners[3]) * 0.25;
  std::vector<cv::Point> q;
  for (const cv::Point2d& p : s.corners) q.push_back(c.ToCoarse(centre + (p - centre) * factor));
  return q;
}

// Where the paper's level is read: a band round the check square, or the picture's border.
cv::Mat PaperMask(const Coarse& c, const std::optional<CheckSquare>& square) {
  cv::Mat mask = cv::Mat::zeros(c.grey.size(), CV_8U);
  if (square) {
    cv::fillConvexPoly(mask, ScaledQuad(c, *square, 1.6), 255);
    cv::fillConvexPoly(mask, ScaledQuad(c, *square, 1.15), 0);
  } else {
    const int band = std::max(2, std::min(mask.rows, mask.cols) / 50);
    mask.setTo(255);
    mask(cv::Rect(band, band, std::max(0, mask.cols - 2 * band), std::max(0, mask.rows - 2 * band))).setTo(0);
  }
  return mask;
}

cv::Mat Disc(double radiusPixels) {
  const int r = std::max(1, int(std::lround(radiusPixels)));
  return cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * r + 1, 2 * r + 1});
}

void ClearBorderShapes(cv::Mat& mask) {
  const auto clear = [&](int x, int y) {
    if (mask.at<uchar>(y, x)) cv::floodFill(mask, {x, y}, 0);
  };
  for (int x = 0; x < mask.cols; ++x) clear(x, 0), clear(x, mask.rows - 1);
  for (int y = 0; y < mask.rows; ++y) clear(0, y), clear(mask.cols - 1, y);
}

cv::Mat FillHoles(const cv::Mat& mask) {
  cv::Mat outside;
  cv::copyMakeBorder(mask, outside, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
  cv::floodFill(outside, {0, 0}, 255);
  return mask | ~outside(cv::Rect(1, 1, mask.cols, mask.rows));
}

// What stands out from the paper, without the check square.
cv::Mat Foreground(const Coarse& c, const std::optional<CheckSquare>& square) {
  const cv::Mat even = EvenOutLight(c.grey, PaperMask(c, square));
  cv::Mat mask = (even < 1.0 - kContrast) | (even > 1.0 + kContrast);
  if (square) {
    std::vector<cv::Point> region;
    for (const cv::Point& p : square->region) region.push_back(c.ToCoarse(p));
    cv::fillPoly(mask, std::vector<std::vector<cv::Point>>{region}, 0);
    cv::polylines(mask, region, true, 0, 3);
  }
  return mask;
}

// The largest shape's label in a labelled picture, 0 for none.
int LargestShape(const cv::Mat& stats) {
  int best = 0;
  for (int i = 1; i < stats.rows; ++i)
    if (best == 0 || stats.at<int>(i, cv::CC_STAT_AREA) > stats.at<int>(best, cv::CC_STAT_AREA)) best = i;
  return best;
}

ClosedCurve Boundary(const cv::Mat& region, const Coarse& c) {
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(region, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
  const auto longest = std::max_element(contours.begin(), contours.end(),
                                        [](const auto& a, const auto& b) { return a.size() < b.size(); });
  ClosedCurve boundary;
  if (longest != contours.end())
    for (const cv::Point& p : *longest) boundary.push_back(c.Full(p));
  return boundary;
}

}  // namespace

Result<CoarseOutline> FindCoarseOutline(const cv::Mat& grey, const std::optional<CheckSquare>& square,
                                        double pixelsPerMm) {
  const Coarse c = Shrink(grey, pixelsPerMm);
  const double perMm = pixelsPerMm / c.block;
  if (c.grey.rows < kMinCoarseSide || c.grey.cols < kMinCoarseSide || !(perMm > 0.0))
    return Error{"no closed curve: the picture is too small for an outline at this scale"};
  const cv::Mat marks = Foreground(c, square);
  cv::Mat shapes = marks.clone();
  ClearBorderShapes(shapes);
  if (cv::countNonZero(shapes) == 0) return Error{"blank page: nothing on the paper stands out from it"};
  cv::morphologyEx(marks, shapes, cv::MORPH_CLOSE, Disc(kGapMm * perMm));
  ClearBorderShapes(shapes);
  shapes = FillHoles(shapes);
  cv::morphologyEx(shapes, shapes, cv::MORPH_OPEN, Disc(kMarkMm * perMm));
  cv::Mat labels, stats, centroids;
  cv::connectedComponentsWithStats(shapes, labels, stats, centroids, 8, CV_32S);
  const int best = LargestShape(stats);
  const double extent =
      best == 0 ? 0.0
                : std::max(stats.at<int>(best, cv::CC_STAT_WIDTH), stats.at<int>(best, cv::CC_STAT_HEIGHT));
  if (extent < kMinExtentMm * perMm)
    return Error{"no closed curve: nothing drawn on the paper encloses an area (a gap in the line?)"};
  const cv::Mat region = labels == best;
  CoarseOutline out;
  const double fill = double(cv::countNonZero(marks & region)) / double(cv::countNonZero(region));
  out.kind = fill > kSilhouetteFill ? OutlineKind::Silhouette : OutlineKind::DrawnLine;
  out.boundary = Boundary(region, c);
  return out;
}

// The scene is laid out on the plane in millimetres (y down), mapped into the picture by a pinhole
// camera's homography (a scan's is a plain scale), and drawn there with OpenCV's anti-aliased,
// sub-pixel polygons and lines, so every edge lies where the design puts it.
#include "trace_scene.h"

#include <cmath>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "geometry/fit_shape.h"
#include "geometry/math_constants.h"

namespace {

constexpr double kMarginMm = 30.0;
constexpr double kSquareMm = 100.0;
constexpr int kHalfSamples = 2000;

using Path = std::vector<cv::Point2d>;

// The design's half outline in mm, from the tail end (t = 0) to the neck (t = 180).
Path HalfOutline(const DesignShape& shape, int n) {
  const FittedOutline outline = FitOutline(shape);
  Path half;
  for (int i = 0; i < n; ++i) {
    const double t = 180.0 * i / (n - 1);
    half.emplace_back(10.0 * outline.X(t), 10.0 * outline.Y(t));
  }
  return half;
}

struct Layout {
  double width = 0.0, height = 0.0;  // the paper
  Path body;                         // closed
  Path square;                       // closed
  cv::Point2d neck, tail, waistTop, waistBottom, labelOut, labelIn, hole;
  double holeRadius = 0.0;
};

Layout LayOut(const Scene& s) {
  const Path half = HalfOutline(s.design, kHalfSamples);
  double halfWidth = 0.0, waist = 1e9, length = 0.0;
  std::size_t waistAt = 0;
  for (std::size_t i = 0; i < half.size(); ++i) {
    halfWidth = std::max(halfWidth, half[i].y);
    length = std::max(length, half[i].x);
    if (i > half.size() / 5 && i < 4 * half.size() / 5 && half[i].y < waist) waist = half[i].y, waistAt = i;
  }
  Layout l;
  const double x0 = kMarginMm + (s.square ? kSquareMm + 40.0 : 0.0);
  const double yc = kMarginMm + std::max(halfWidth, s.square ? kSquareMm / 2 : 0.0);
  l.width = x0 + length + kMarginMm;
  l.height = 2.0 * (yc - kMarginMm) + 2.0 * kMarginMm + 25.0;
  for (const cv::Point2d& p : half) l.body.emplace_back(x0 + p.x, yc + p.y);
  for (std::size_t i = half.size() - 2; i >= 1; --i) l.body.emplace_back(x0 + half[i].x, yc - half[i].y);
  if (s.square)
    l.square = {{kMarginMm, yc - kSquareMm / 2},
                {kMarginMm + kSquareMm, yc - kSquareMm / 2},
                {kMarginMm + kSquareMm, yc + kSquareMm / 2},
                {kMarginMm, yc + kSquareMm / 2}};
  l.neck = {x0 - 25.0, yc};
  l.tail = {x0 + length + 25.0, yc};
  l.waistTop = {x0 + half[waistAt].x, yc - waist - 20.0};
  l.waistBottom = {x0 + half[waistAt].x, yc + waist + 20.0};
  l.labelOut = {x0, yc + halfWidth + 18.0};
  l.labelIn = {x0 + 0.55 * length, yc + 0.4 * halfWidth};
  l.hole = {x0 + 0.33 * length, yc};
  l.holeRadius = 0.35 * waist;
  return l;
}

// Plane mm to picture pixels, and the picture's size.
struct Camera {
  cv::Matx33d toPixels;
  cv::Size size;
};

Camera Scanner(const Scene& s, const Layout& l) {
  const double k = s.pixelsPerMm;
  return {cv::Matx33d(k, 0, -0.5, 0, k, -0.5, 0, 0, 1), cv::Size(int(l.width * k), int(l.height * k))};
}

Camera Photo(const Scene& s, const Layout& l) {
  const double tilt = s.tiltDegrees * kPi / 180.0, turn = 7.0 * kPi / 180.0, distance = 1000.0;
  const cv::Matx33d rx(1, 0, 0, 0, std::cos(tilt), -std::sin(tilt), 0, std::sin(tilt), std::cos(tilt));
  const cv::Matx33d rz(std::cos(turn), -std::sin(turn), 0, std::sin(turn), std::cos(turn), 0, 0, 0, 1);
  const cv::Matx33d r = rx * rz;
  const cv::Matx33d rt(r(0, 0), r(0, 1), 0, r(1, 0), r(1, 1), 0, r(2, 0), r(2, 1), distance);
  const cv::Matx33d centre(1, 0, -l.width / 2, 0, 1, -l.height / 2, 0, 0, 1);
  const double f = s.pixelsPerMm * distance;
  cv::Matx33d h = cv::Matx33d(f, 0, 0, 0, f, 0, 0, 0, 1) * rt * centre;
  double reachX = 0.0, reachY = 0.0;
  for (const cv::Point2d& corner : Path{{0, 0}, {l.width, 0}, {l.width, l.height}, {0, l.height}}) {
    const cv::Vec3d p = h * cv::Vec3d(corner.x, corner.y, 1.0);
    reachX = std::max(reachX, std::fabs(p[0] / p[2]));
    reachY = std::max(reachY, std::fabs(p[1] / p[2]));
  }
  const cv::Size size(int(2.24 * reachX), int(2.24 * reachY));
  h = cv::Matx33d(1, 0, 0.5 * (size.width - 1), 0, 1, 0.5 * (size.height - 1), 0, 0, 1) * h;
  return {h, size};
}

// Points with 8 fractional bits, for OpenCV's sub-pixel drawing.
std::vector<cv::Point> Mapped(const Camera& c, const Path& path) {
  Path out;
  cv::perspectiveTransform(path, out, c.toPixels);
  std::vector<cv::Point> fixed;
  for (const cv::Point2d& p : out)
    fixed.emplace_back(int(std::lround(p.x * 256)), int(std::lround(p.y * 256)));
  return fixed;
}

int Pixels(const Scene& s, double mm) {
  return std::max(1, int(std::lround(mm * s.pixelsPerMm)));
}

void Line(cv::Mat& img, const Camera& c, const Path& path, bool closed, cv::Scalar colour, int width) {
  cv::polylines(img, Mapped(c, path), closed, colour, width, cv::LINE_AA, 8);
}

void Label(cv::Mat& img, const Camera& c, const Scene& s, cv::Point2d at, const char* text) {
  Path p;
  cv::perspectiveTransform(Path{at}, p, c.toPixels);
  cv::putText(img, text, cv::Point(p[0]), cv::FONT_HERSHEY_SIMPLEX, 5.0 * s.pixelsPerMm / 22.0,
              cv::Scalar(70, 70, 75), Pixels(s, 0.5), cv::LINE_AA);
}

cv::Mat Table(cv::Size size, cv::RNG& rng) {
  cv::Mat grain(std::max(2, size.height / 6), std::max(2, size.width / 60), CV_32F);
  rng.fill(grain, cv::RNG::NORMAL, 0.0, 0.12);
  cv::resize(grain, grain, size, 0, 0, cv::INTER_CUBIC);
  cv::Mat table(size, CV_32FC3, cv::Scalar(50, 85, 125));
  std::vector<cv::Mat> planes;
  cv::split(table, planes);
  for (cv::Mat& p : planes) p = p.mul(1.0 + grain);
  cv::merge(planes, table);
  table.convertTo(table, CV_8UC3);
  return table;
}

// A filled polygon with each pixel's true coverage (drawn four times as fine without smoothing, then
// averaged): OpenCV's own anti-aliased fill widens a polygon by about half a pixel.
void Fill(cv::Mat& img, const Camera& c, const Path& path, cv::Scalar colour) {
  constexpr int kFine = 4;
  const std::vector<cv::Point> at = Mapped(c, path);
  const cv::Rect box = cv::boundingRect(at);
  const cv::Rect area =
      cv::Rect(box.x / 256 - 2, box.y / 256 - 2, box.width / 256 + 5, box.height / 256 + 5) &
      cv::Rect(0, 0, img.cols, img.rows);
  std::vector<cv::Point> fine;
  for (const cv::Point& p : at)
    fine.emplace_back(p.x * kFine - area.x * 256 * kFine + 128 * (kFine - 1),
                      p.y * kFine - area.y * 256 * kFine + 128 * (kFine - 1));
  cv::Mat mask = cv::Mat::zeros(area.height * kFine, area.width * kFine, CV_8U);
  cv::fillPoly(mask, std::vector<std::vector<cv::Point>>{fine}, 255, cv::LINE_8, 8);
  cv::Mat cover;
  cv::resize(mask, cover, area.size(), 0, 0, cv::INTER_AREA);
  cv::Mat region = img(area);
  for (int r = 0; r < area.height; ++r)
    for (int col = 0; col < area.width; ++col) {
      const double a = cover.at<uchar>(r, col) / 255.0;
      cv::Vec3b& px = region.at<cv::Vec3b>(r, col);
      for (int k = 0; k < 3; ++k) px[k] = cv::saturate_cast<uchar>(px[k] * (1.0 - a) + colour[k] * a);
    }
}

void DrawOutline(cv::Mat& img, const Camera& c, const Scene& s, const Layout& l) {
  if (s.silhouette) {
    Fill(img, c, l.body, cv::Scalar(45, 60, 80));
    Path hole;
    for (int i = 0; i < 90; ++i)
      hole.push_back(l.hole + l.holeRadius * cv::Point2d(std::cos(i * kPi / 45), std::sin(i * kPi / 45)));
    cv::fillPoly(img, std::vector<std::vector<cv::Point>>{Mapped(c, hole)}, cv::Scalar(235, 235, 232),
                 cv::LINE_AA, 8);
    return;
  }
  const cv::Scalar pencil(130, 128, 132);
  Line(img, c, l.body, true, pencil, Pixels(s, 0.5));
  Line(img, c, {l.neck, l.tail}, false, pencil, Pixels(s, 0.3));
  Line(img, c, {l.waistTop, l.waistBottom}, false, pencil, Pixels(s, 0.3));
  Label(img, c, s, l.labelOut, "OM body, traced 1:1");
  Label(img, c, s, l.labelIn, "back");
}

void Finish(cv::Mat& img, const Scene& s, cv::RNG& rng) {
  if (s.light > 0.0) {
    cv::Mat field(img.size(), CV_32F);
    for (int r = 0; r < img.rows; ++r)
      for (int col = 0; col < img.cols; ++col) {
        const double u = 2.0 * col / img.cols - 1.0, v = 2.0 * r / img.rows - 1.0;
        field.at<float>(r, col) = float(1.0 - s.light * (0.3 + 0.35 * u + 0.35 * (u * u + v * v) / 2.0));
      }
    cv::Mat f3;
    cv::merge(std::vector<cv::Mat>{field, field, field}, f3);
    img.convertTo(img, CV_32FC3);
    img = img.mul(f3);
    img.convertTo(img, CV_8UC3);
  }
  if (s.blur > 0.0) cv::GaussianBlur(img, img, cv::Size(), s.blur);
  if (s.noise > 0.0) {
    cv::Mat noise(img.size(), CV_32FC3);
    rng.fill(noise, cv::RNG::NORMAL, 0.0, s.noise);
    img.convertTo(img, CV_32FC3);
    img += noise;
    img.convertTo(img, CV_8UC3);
  }
}

std::vector<unsigned char> Encode(const cv::Mat& img, const Scene& s) {
  std::vector<unsigned char> bytes;
  if (s.jpegQuality > 0) {
    cv::imencode(".jpg", img, bytes, {cv::IMWRITE_JPEG_QUALITY, s.jpegQuality});
  } else if (s.tiltDegrees == 0.0) {
    const int dpi = int(std::lround(s.pixelsPerMm * 25.4));
    cv::imencode(".tif", img, bytes,
                 {cv::IMWRITE_TIFF_RESUNIT, 2, cv::IMWRITE_TIFF_XDPI, dpi, cv::IMWRITE_TIFF_YDPI, dpi});
  } else {
    cv::imencode(".png", img, bytes);
  }
  return bytes;
}

double DistanceToPath(cv::Point2d p, const Path& path) {
  double best = HUGE_VAL;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const cv::Point2d d = path[i + 1] - path[i];
    const double t = std::clamp((p - path[i]).dot(d) / d.dot(d), 0.0, 1.0);
    best = std::min(best, cv::norm(path[i] + d * t - p));
  }
  return best;
}

}  // namespace

std::vector<unsigned char> RenderScene(const Scene& s) {
  const Layout l = LayOut(s);
  const bool photo = s.tiltDegrees != 0.0;
  const Camera c = photo ? Photo(s, l) : Scanner(s, l);
  cv::RNG rng(20240611);
  cv::Mat img = photo ? Table(c.size, rng) : cv::Mat(c.size, CV_8UC3, cv::Scalar(235, 235, 232));
  const Path paper = {{0, 0}, {l.width, 0}, {l.width, l.height}, {0, l.height}};
  if (photo)
    cv::fillPoly(img, std::vector<std::vector<cv::Point>>{Mapped(c, paper)}, cv::Scalar(235, 235, 232),
                 cv::LINE_AA, 8);
  DrawOutline(img, c, s, l);
  if (s.square) Line(img, c, l.square, true, cv::Scalar(20, 20, 225), Pixels(s, 0.3));
  Finish(img, s, rng);
  return Encode(img, s);
}

std::array<std::array<double, 2>, 4> SquareCorners(const Scene& s) {
  const Layout l = LayOut(s);
  const Camera c = s.tiltDegrees != 0.0 ? Photo(s, l) : Scanner(s, l);
  Path seen;
  cv::perspectiveTransform(l.square, seen, c.toPixels);
  std::array<std::array<double, 2>, 4> corners;
  for (std::size_t k = 0; k < 4; ++k) corners[k] = {seen[k].x, seen[k].y};
  return corners;
}

double HalfOutlineRmsMm(const DesignShape& truth, const DesignShape& other) {
  const Path want = HalfOutline(truth, 400);
  const Path got = HalfOutline(other, 8000);
  double sum = 0.0;
  for (const cv::Point2d& p : want) sum += std::pow(DistanceToPath(p, got), 2);
  return std::sqrt(sum / double(want.size()));
}

// The light surface is fitted on a grid of about 20 000 pixels in three rounds: first to the pixels
// within 30 % of the paper's level read off the mask, then twice to those within 15 % of the last
// surface.
#include "trace/lighting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {

constexpr int kTerms = 10;  // 1, x, y, x2, xy, y2, x3, x2y, xy2, y3
constexpr int kRounds = 3;
constexpr int kGrid = 8;  // pixels between the points where the surface is evaluated
using Surface = std::array<double, kTerms>;

std::array<double, kTerms> Terms(double x, double y) {
  return {1.0, x, y, x * x, x * y, y * y, x * x * x, x * x * y, x * y * y, y * y * y};
}

double Light(const Surface& c, double x, double y) {
  const std::array<double, kTerms> t = Terms(x, y);
  double sum = 0.0;
  for (int i = 0; i < kTerms; ++i) sum += c[std::size_t(i)] * t[std::size_t(i)];
  return sum;
}

struct Sample {
  double x, y, v;
};

// The least-squares surface through the samples whose ratio to the current surface (or to level,
// before there is one) lies within tolerance; false when too few do.
bool Fit(const std::vector<Sample>& samples, const Surface* previous, double level, double tolerance,
         Surface* c) {
  cv::Mat a(0, kTerms, CV_64F), b(0, 1, CV_64F);
  for (const Sample& s : samples) {
    const double expected = previous ? Light(*previous, s.x, s.y) : level;
    if (!(std::fabs(s.v / expected - 1.0) < tolerance)) continue;
    std::array<double, kTerms> t = Terms(s.x, s.y);
    a.push_back(cv::Mat(1, kTerms, CV_64F, t.data()));
    b.push_back(s.v);
  }
  cv::Mat x;
  if (a.rows < 4 * kTerms || !cv::solve(a, b, x, cv::DECOMP_QR)) return false;
  for (int i = 0; i < kTerms; ++i) (*c)[std::size_t(i)] = x.at<double>(i);
  return true;
}

}  // namespace

int MedianUnder(const cv::Mat& grey, const cv::Mat& mask) {
  cv::Mat hist;
  const int channels[] = {0}, size[] = {256};
  const float range[] = {0.0f, 256.0f};
  const float* ranges[] = {range};
  cv::calcHist(&grey, 1, channels, mask, hist, 1, size, ranges);
  const double total = cv::sum(hist)[0];
  double seen = 0.0;
  for (int i = 0; i < 256; ++i) {
    seen += hist.at<float>(i);
    if (total > 0.0 && seen >= 0.5 * total) return i;
  }
  return -1;
}

cv::Mat EvenOutLight(const cv::Mat& grey, const cv::Mat& paperMask) {
  cv::Mat out;
  grey.convertTo(out, CV_32F);
  const int paper = MedianUnder(grey, paperMask);
  if (paper <= 0) return out / 255.0;
  const int step = std::max(1, int(std::sqrt(double(grey.total()) / 20000.0)));
  const double sx = 2.0 / grey.cols, sy = 2.0 / grey.rows;
  std::vector<Sample> samples;
  for (int r = step / 2; r < grey.rows; r += step)
    for (int c = step / 2; c < grey.cols; c += step)
      samples.push_back({c * sx - 1.0, r * sy - 1.0, double(grey.at<uchar>(r, c)) + 0.5});
  Surface coeff{};
  bool fitted = false;
  for (int round = 0; round < kRounds; ++round) {
    Surface next;
    if (!Fit(samples, fitted ? &coeff : nullptr, paper + 0.5, round == 0 ? 0.3 : 0.15, &next)) break;
    coeff = next;
    fitted = true;
  }
  if (!fitted) return out / double(paper);
  // The surface is smooth: evaluated on a grid one eighth the size and interpolated.
  cv::Mat surface(grey.rows / kGrid + 2, grey.cols / kGrid + 2, CV_32F);
  for (int r = 0; r < surface.rows; ++r)
    for (int c = 0; c < surface.cols; ++c)
      surface.at<float>(r, c) =
          float(std::max(1.0, Light(coeff, (c * kGrid) * sx - 1.0, (r * kGrid) * sy - 1.0)));
  cv::Mat light;
  const cv::Mat toGrid = (cv::Mat_<double>(2, 3) << 1.0 / kGrid, 0, 0, 0, 1.0 / kGrid, 0);
  cv::warpAffine(surface, light, toGrid, grey.size(), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                 cv::BORDER_REPLICATE);
  return (out + 0.5) / light;
}

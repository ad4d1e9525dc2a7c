// Profiles along a path and the readings taken from them.
#include "trace/profile.h"

#include <algorithm>
#include <cmath>

namespace {

float Bilinear(const cv::Mat& m, double x, double y) {
  if (!(x >= 0.0 && y >= 0.0 && x < m.cols - 1.0 && y < m.rows - 1.0)) return NAN;
  const int x0 = int(x), y0 = int(y);
  const float fx = float(x - x0), fy = float(y - y0);
  const float* r0 = m.ptr<float>(y0);
  const float* r1 = m.ptr<float>(y0 + 1);
  const float top = r0[x0] + fx * (r0[x0 + 1] - r0[x0]);
  const float bottom = r1[x0] + fx * (r1[x0 + 1] - r1[x0]);
  return top + fy * (bottom - top);
}

float Median(std::vector<float> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](float x) { return std::isnan(x); }), v.end());
  if (v.empty()) return NAN;
  std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
  return v[v.size() / 2];
}

}  // namespace

std::vector<float> SampleProfile(const cv::Mat& picture, cv::Point2d from, cv::Point2d dir, double step,
                                 int count) {
  std::vector<float> v(std::size_t(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    const cv::Point2d p = from + dir * (step * i);
    v[std::size_t(i)] = Bilinear(picture, p.x, p.y);
  }
  return v;
}

std::vector<Run> RunsAbove(const std::vector<float>& v, float level) {
  std::vector<Run> runs;
  const int n = int(v.size());
  for (int i = 0; i < n;) {
    if (!(v[std::size_t(i)] > level)) {
      ++i;
      continue;
    }
    Run r;
    r.begin = i;
    while (i < n && v[std::size_t(i)] > level) r.peak = std::max(r.peak, v[std::size_t(i++)]);
    r.end = i;
    runs.push_back(r);
  }
  return runs;
}

double RidgeCentre(const std::vector<float>& v, const Run& run, float floor) {
  int b = run.begin, e = run.end;
  while (b > 0 && v[std::size_t(b - 1)] > floor && v[std::size_t(b - 1)] < v[std::size_t(b)]) --b;
  while (e < int(v.size()) && v[std::size_t(e)] > floor && v[std::size_t(e)] < v[std::size_t(e - 1)]) ++e;
  double sum = 0.0, moment = 0.0;
  for (int i = b; i < e; ++i) {
    const double w = double(v[std::size_t(i)]) - floor;
    sum += w;
    moment += w * i;
  }
  return sum > 0.0 ? moment / sum : 0.5 * (run.begin + run.end - 1);
}

std::optional<double> StepCrossing(const std::vector<float>& v, double near, float minStep) {
  const std::size_t n = v.size(), quarter = n / 4;
  if (quarter == 0) return std::nullopt;
  const float first = Median({v.begin(), v.begin() + std::ptrdiff_t(quarter)});
  const float last = Median({v.end() - std::ptrdiff_t(quarter), v.end()});
  if (!(std::fabs(last - first) >= minStep)) return std::nullopt;
  const float half = 0.5f * (first + last);
  std::optional<double> best;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const float a = v[i] - half, b = v[i + 1] - half;
    if (std::isnan(a) || std::isnan(b) || (a < 0.0f) == (b < 0.0f)) continue;
    const double at = double(i) + double(a) / double(a - b);
    if (!best || std::fabs(at - near) < std::fabs(*best - near)) best = at;
  }
  return best;
}

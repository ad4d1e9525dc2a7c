// Arc-length walks and wrapped windows over a closed polyline.
#include "trace/closed_curve.h"

#include <algorithm>
#include <cmath>

double Perimeter(const ClosedCurve& c) {
  double length = 0.0;
  for (std::size_t i = 0; i < c.size(); ++i) length += cv::norm(c[(i + 1) % c.size()] - c[i]);
  return length;
}

ClosedCurve ResampleClosed(const ClosedCurve& c, int count) {
  ClosedCurve out;
  const double total = Perimeter(c);
  if (c.empty() || count <= 0 || !(total > 0.0)) return out;
  const double step = total / count;
  std::size_t i = 0;
  double walked = 0.0;  // arc length at c[i]
  for (int k = 0; k < count; ++k) {
    const double at = k * step;
    double segment = cv::norm(c[(i + 1) % c.size()] - c[i]);
    while (walked + segment < at && i + 1 < c.size()) {
      walked += segment;
      ++i;
      segment = cv::norm(c[(i + 1) % c.size()] - c[i]);
    }
    const double f = segment > 0.0 ? std::clamp((at - walked) / segment, 0.0, 1.0) : 0.0;
    out.push_back(c[i] + (c[(i + 1) % c.size()] - c[i]) * f);
  }
  return out;
}

ClosedCurve SmoothClosed(const ClosedCurve& c, double sigma) {
  const int n = int(c.size());
  const int reach = std::min(int(std::ceil(3.0 * sigma)), (n - 1) / 2);
  if (reach <= 0) return c;
  std::vector<double> weight(std::size_t(reach) + 1);
  for (int j = 0; j <= reach; ++j) weight[std::size_t(j)] = std::exp(-0.5 * j * j / (sigma * sigma));
  ClosedCurve out(c.size());
  for (int i = 0; i < n; ++i) {
    cv::Point2d sum = c[std::size_t(i)] * weight[0];
    double total = weight[0];
    for (int j = 1; j <= reach; ++j) {
      sum += (c[std::size_t((i + j) % n)] + c[std::size_t((i - j + n) % n)]) * weight[std::size_t(j)];
      total += 2.0 * weight[std::size_t(j)];
    }
    out[std::size_t(i)] = sum / total;
  }
  return out;
}

double SignedArea(const ClosedCurve& c) {
  double twice = 0.0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const cv::Point2d a = c[i], b = c[(i + 1) % c.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return 0.5 * twice;
}

std::vector<cv::Point2d> OutwardNormals(const ClosedCurve& c) {
  const std::size_t n = c.size();
  const double side = SignedArea(c) > 0.0 ? 1.0 : -1.0;
  std::vector<cv::Point2d> normals(n);
  for (std::size_t i = 0; i < n; ++i) {
    const cv::Point2d d = c[(i + 1) % n] - c[(i + n - 1) % n];
    const double length = cv::norm(d);
    normals[i] = length > 0.0 ? cv::Point2d(d.y, -d.x) * (side / length) : cv::Point2d(0.0, 0.0);
  }
  return normals;
}

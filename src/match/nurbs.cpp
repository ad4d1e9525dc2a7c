// De Boor's algorithm on homogeneous control points (w x, w y, w).
#include "match/nurbs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxDegree = 10;

struct Homogeneous {
  double x, y, w;
};

}  // namespace

bool Nurbs::Valid() const {
  const std::size_t n = controls.size();
  if (degree < 1 || degree > kMaxDegree || n < std::size_t(degree) + 1) return false;
  if (knots.size() != n + std::size_t(degree) + 1) return false;
  if (!weights.empty() && weights.size() != n) return false;
  for (std::size_t i = 0; i < knots.size(); ++i)
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1])) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (!(Weight(i) > 0.0) || !std::isfinite(Weight(i))) return false;
  return knots[n] > knots[std::size_t(degree)];
}

// The span k with knots[k] <= u < knots[k + 1] inside the domain (the last one for u at its end).
std::size_t Nurbs::Span(double u) const {
  const std::size_t p = std::size_t(degree), n = controls.size();
  const auto first = knots.begin() + std::ptrdiff_t(p + 1), last = knots.begin() + std::ptrdiff_t(n);
  const std::size_t k = std::size_t(std::upper_bound(first, last, u) - knots.begin()) - 1;
  return std::min(std::max(k, p), n - 1);
}

Point2 Nurbs::At(double u) const {
  const std::size_t p = std::size_t(degree), k = Span(u);
  Homogeneous d[kMaxDegree + 1];
  for (std::size_t j = 0; j <= p; ++j) {
    const std::size_t i = k - p + j;
    d[j] = {controls[i].x * Weight(i), controls[i].y * Weight(i), Weight(i)};
  }
  for (std::size_t r = 1; r <= p; ++r)
    for (std::size_t j = p; j >= r; --j) {
      const std::size_t i = k - p + j;
      const double span = knots[i + p + 1 - r] - knots[i];
      const double a = span > 0.0 ? (u - knots[i]) / span : 0.0;
      d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y,
              (1 - a) * d[j - 1].w + a * d[j].w};
    }
  return {d[p].x / d[p].w, d[p].y / d[p].w};
}

bool Nurbs::Sample(double spacing, std::size_t budget, std::vector<Point2>* out) const {
  const std::size_t p = std::size_t(degree), n = controls.size();
  std::size_t used = 0;
  for (std::size_t k = p; k < n; ++k) {
    if (!(knots[k + 1] > knots[k])) continue;
    double polygon = 0.0;  // the span's curve lies in the hull of controls k-p..k
    for (std::size_t i = k - p; i < k; ++i)
      polygon += std::hypot(controls[i + 1].x - controls[i].x, controls[i + 1].y - controls[i].y);
    const double steps = std::max(1.0, std::ceil(polygon / spacing));
    if (!(steps <= double(budget - used))) return false;
    for (std::size_t s = 0; s < std::size_t(steps); ++s)
      out->push_back(At(knots[k] + (knots[k + 1] - knots[k]) * double(s) / steps));
    used += std::size_t(steps);
  }
  if (used >= budget) return false;
  out->push_back(At(knots[n]));
  return true;
}

// Profiles across the outline and the readings kept.
#include "trace/outline_refine.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "trace/profile.h"

namespace {

constexpr double kSpacingMm = 0.25;    // between profiles along the outline
constexpr double kSmoothMm = 1.0;      // the coarse boundary's smoothing, for its normals
constexpr double kStepPixels = 0.5;    // between samples along a profile
constexpr double kOutsideMm = 1.0;     // a profile's reach outside the coarse boundary
constexpr double kLineInsideMm = 3.0;  // and inside it, for a drawn line
constexpr double kEdgeInsideMm = 2.0;  // and for a silhouette's edge
constexpr float kMinDarkness = 0.08f;  // of a line, against the paper beside it
constexpr float kMinEdgeStep = 20.0f;  // grey levels between a silhouette and its ground
constexpr int kNeighbours = 8;         // each side, for the agreement test

struct Reading {
  double along = 0.0;  // from the coarse boundary inward, pixels
  double width = 0.0;  // of a drawn line, pixels
  bool ok = false;
};

// The first dark line met from the profile's outer end: its centre, in sample indices.
Reading ReadLine(const std::vector<float>& v) {
  float paper = 0.0f;
  for (std::size_t i = 1; i + 1 < v.size(); ++i) paper = std::max(paper, (v[i - 1] + v[i] + v[i + 1]) / 3.0f);
  Reading r;
  if (!(paper > 0.0f)) return r;
  std::vector<float> dark(v.size());
  float darkest = 0.0f;
  for (std::size_t i = 0; i < v.size(); ++i) {
    dark[i] = std::isnan(v[i]) ? 0.0f : 1.0f - v[i] / paper;
    darkest = std::max(darkest, dark[i]);
  }
  if (darkest < kMinDarkness) return r;
  const std::vector<Run> runs = RunsAbove(dark, std::max(0.5f * darkest, 0.5f * kMinDarkness));
  if (runs.empty()) return r;
  r.along = RidgeCentre(dark, runs.front(), 0.1f * runs.front().peak);
  r.width = runs.front().end - runs.front().begin;
  r.ok = true;
  return r;
}

Reading ReadEdge(const std::vector<float>& v, double near) {
  const std::optional<double> at = StepCrossing(v, near, kMinEdgeStep);
  Reading r;
  if (at) r.along = *at, r.ok = true;
  return r;
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0.0;
  std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
  return v[v.size() / 2];
}

// Leaves out lines far wider than the usual (a mark running along the profile) and readings far
// from the median of their neighbours.
void DropStrays(std::vector<Reading>& readings, bool line, double pixelsPerMm) {
  const int n = int(readings.size());
  std::vector<double> widths;
  for (const Reading& r : readings)
    if (r.ok) widths.push_back(r.width);
  const double usualWidth = Median(widths);
  std::vector<double> gap(readings.size(), 0.0);
  std::vector<double> gaps;
  for (int i = 0; i < n; ++i) {
    Reading& r = readings[std::size_t(i)];
    if (!r.ok) continue;
    if (line && r.width > 2.5 * usualWidth + 2.0) r.ok = false;
    std::vector<double> near;
    for (int j = -kNeighbours; j <= kNeighbours; ++j)
      if (const Reading& o = readings[std::size_t((i + j + n) % n)]; o.ok && j != 0) near.push_back(o.along);
    gap[std::size_t(i)] = std::fabs(r.along - Median(near));
    if (r.ok) gaps.push_back(gap[std::size_t(i)]);
  }
  const double limit = std::max(5.0 * 1.4826 * Median(gaps), 0.1 * pixelsPerMm);
  for (int i = 0; i < n; ++i)
    if (gap[std::size_t(i)] > limit) readings[std::size_t(i)].ok = false;
}

}  // namespace

Result<ClosedCurve> RefineOutline(const cv::Mat& grey, const CoarseOutline& coarse, double pixelsPerMm) {
  const double spacing = std::max(1.0, kSpacingMm * pixelsPerMm);
  const int count = std::max(16, int(Perimeter(coarse.boundary) / spacing));
  const ClosedCurve path = SmoothClosed(ResampleClosed(coarse.boundary, count), kSmoothMm / kSpacingMm);
  const std::vector<cv::Point2d> normals = OutwardNormals(path);
  const bool line = coarse.kind == OutlineKind::DrawnLine;
  const double outside = kOutsideMm * pixelsPerMm;
  const double inside = (line ? kLineInsideMm : kEdgeInsideMm) * pixelsPerMm;
  const int samples = int((outside + inside) / kStepPixels) + 1;
  std::vector<Reading> readings(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const cv::Point2d from = path[i] + normals[i] * outside;
    const std::vector<float> v = SampleProfile(grey, from, -normals[i], kStepPixels, samples);
    readings[i] = line ? ReadLine(v) : ReadEdge(v, outside / kStepPixels);
    readings[i].along = readings[i].along * kStepPixels - outside;
    readings[i].width *= kStepPixels;
  }
  DropStrays(readings, line, pixelsPerMm);
  ClosedCurve points;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (readings[i].ok) points.push_back(path[i] - normals[i] * readings[i].along);
  if (points.size() < path.size() / 2)
    return Error{"no closed curve: the outline could not be read along most of its length"};
  return points;
}

// The nearest point of a candidate's half outline (t from 0 to 180 degrees) to a point: a scan of
// the curve at every degree, then a safeguarded Newton refinement of t to rounding level.
#pragma once

#include <vector>

#include "match/outline_model.h"

struct NearestPoint {
  double t = 0.0;         // radians
  double distance = 0.0;  // signed: positive outside the outline
  // Unit vector with distance = direction . (point - foot); the outward normal where they meet.
  double dirX = 0.0, dirY = 0.0;
  CurvePoint foot;
};

class NearestPointFinder {
 public:
  explicit NearestPointFinder(const OutlineModel& model);
  // (px, py) with py >= 0: a point folded onto the half outline's side.
  NearestPoint Find(double px, double py) const;

 private:
  double Slope(double t, double px, double py, CurvePoint* c) const;
  double Refine(double lo, double hi, double start, double px, double py) const;
  double GoldenSection(double lo, double hi, double px, double py) const;

  const OutlineModel& m_model;
  std::vector<double> m_x, m_y;  // the curve at every degree
};

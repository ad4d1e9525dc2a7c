// The nearest point of a candidate's half outline (t from 0 to 180 degrees) to a point: a scan of
// the curve at every degree, then a safeguarded Newton refinement of t to rounding level.
#pragma once

#include <vector>

#include "match/outline_model.h"

struct NearestPoint {
  double t = 0.0;         // radians
  double distance = 0.0;  // signed: positive outside the outline
  // Unit vector with distance = direction . (point - foot); the outward normal where they meet.
  Point2 direction;
  CurvePoint foot;
};

class NearestPointFinder {
 public:
  explicit NearestPointFinder(const OutlineModel& model);
  // p with p.y >= 0: a point folded onto the half outline's side.
  NearestPoint Find(Point2 p) const;
  // The same when the nearest point is known to lie near t = hint (the outline moved a little since
  // it was found there): Newton from the hint, the full search only when that fails.
  NearestPoint FindNear(Point2 p, double hint) const;

 private:
  double Slope(double t, Point2 p, CurvePoint* c) const;
  double Refine(double lo, double hi, double start, Point2 p) const;
  double GoldenSection(double lo, double hi, Point2 p) const;
  NearestPoint Foot(Point2 p, double t) const;

  const OutlineModel& m_model;
  std::vector<Point2> m_samples;  // the curve at every degree
};

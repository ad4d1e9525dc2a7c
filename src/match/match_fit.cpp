// The least-squares match. Residual i is the signed distance from point i (folded onto y >= 0) to
// the nearest point of the candidate's half outline; its Jacobian is analytic: at the nearest point
// the distance moves with the outline along the joining direction only, and the outline moves with
// the eight values through FitShape's linear system (outline_model). A candidate that is not a body
// gets residuals far above any real one, so the solver rejects the step and shortens it.
#include "match/match_fit.h"

#include <cmath>
#include <unsupported/Eigen/LevenbergMarquardt>

#include "match/match_start.h"
#include "match/nearest_point.h"

namespace {

struct Evaluation {
  Eigen::VectorXd x;
  bool valid = false;
  DesignValues values{};
  RigidMotion motion;
  OutlineModel model;
  std::vector<NearestPoint> nearest;
  std::vector<double> qx, qy;  // the points in the design's frame, y with its side
};

class MatchFunctor : public Eigen::DenseFunctor<double> {
 public:
  MatchFunctor(const std::vector<MatchPoint>& points, const MatchOptions& options,
               const std::vector<int>& free, const RigidMotion& motion, double invalidResidual)
      : DenseFunctor<double>(int(free.size()) + (options.align ? 3 : 0), int(points.size())),
        m_points(points),
        m_options(options),
        m_free(free),
        m_motion(motion),
        m_invalidResidual(invalidResidual) {}

  void Unpack(const InputType& x, DesignValues* v, RigidMotion* m) const {
    for (int j = 0; j < 8; ++j) (*v)[j] = m_options.fixed[j] ? *m_options.fixed[j] : m_base[j];
    for (std::size_t k = 0; k < m_free.size(); ++k) (*v)[m_free[k]] = x[Eigen::Index(k)];
    *m = m_motion;
    if (m_options.align) {
      const Eigen::Index k = Eigen::Index(m_free.size());
      m->angle = x[k];
      m->shiftX = x[k + 1];
      m->shiftY = x[k + 2];
    }
  }

  InputType Pack(const DesignValues& v, const RigidMotion& m) {
    m_base = v;
    InputType x(inputs());
    for (std::size_t k = 0; k < m_free.size(); ++k) x[Eigen::Index(k)] = v[m_free[k]];
    if (m_options.align) {
      const Eigen::Index k = Eigen::Index(m_free.size());
      x[k] = m.angle;
      x[k + 1] = m.shiftX;
      x[k + 2] = m.shiftY;
    }
    return x;
  }

  const Evaluation& Evaluate(const InputType& x) {
    if (m_haveLast && m_last.x.size() == x.size() && m_last.x == x) return m_last;
    m_haveLast = true;
    ++m_evaluations;
    Evaluation& e = m_last;
    e.x = x;
    Unpack(x, &e.values, &e.motion);
    e.valid = FitOutlineModel(e.values, &e.model);
    if (!e.valid) {
      ++m_refused;
      return e;
    }
    const NearestPointFinder finder(e.model);
    const std::size_t n = m_points.size();
    e.nearest.resize(n);
    e.qx.resize(n);
    e.qy.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      if (m_options.align) {
        ApplyMotion(e.motion, m_points[i].x, m_points[i].y, &e.qx[i], &e.qy[i]);
      } else {
        e.qx[i] = m_points[i].x;
        e.qy[i] = m_points[i].y;
      }
      e.nearest[i] = finder.Find(e.qx[i], std::fabs(e.qy[i]));
      if (!std::isfinite(e.nearest[i].distance)) e.valid = false;
    }
    return e;
  }

  int operator()(const InputType& x, ValueType& f) {
    const Evaluation& e = Evaluate(x);
    for (Eigen::Index i = 0; i < values(); ++i)
      f[i] = e.valid ? e.nearest[std::size_t(i)].distance : m_invalidResidual;
    return 0;
  }

  int df(const InputType& x, JacobianType& jac) {
    const Evaluation& e = Evaluate(x);
    jac.setZero(values(), inputs());
    if (!e.valid) return 0;
    double dx[8], dy[8];
    const double c = std::cos(e.motion.angle), s = std::sin(e.motion.angle);
    for (Eigen::Index i = 0; i < values(); ++i) {
      const NearestPoint& n = e.nearest[std::size_t(i)];
      CurveSensitivity(e.model, n.foot, dx, dy);
      for (std::size_t k = 0; k < m_free.size(); ++k)
        jac(i, Eigen::Index(k)) = -(n.dirX * dx[m_free[k]] + n.dirY * dy[m_free[k]]);
      if (m_options.align) {
        // The point moves, folded onto y >= 0: its y derivative takes the fold's sign.
        const MatchPoint& p = m_points[std::size_t(i)];
        const double fold = e.qy[std::size_t(i)] < 0.0 ? -1.0 : 1.0;
        const double dqx = -s * p.x - c * p.y, dqy = c * p.x - s * p.y;
        const Eigen::Index k = Eigen::Index(m_free.size());
        jac(i, k) = n.dirX * dqx + n.dirY * fold * dqy;
        jac(i, k + 1) = n.dirX;
        jac(i, k + 2) = n.dirY * fold;
      }
    }
    return 0;
  }

  int evaluations() const { return m_evaluations; }
  int refused() const { return m_refused; }
  void Forget() { m_haveLast = false; }

 private:
  const std::vector<MatchPoint>& m_points;
  const MatchOptions& m_options;
  std::vector<int> m_free;
  RigidMotion m_motion;
  double m_invalidResidual;
  DesignValues m_base{};
  Evaluation m_last;
  bool m_haveLast = false;
  int m_evaluations = 0;
  int m_refused = 0;
};

void DescribeStop(Eigen::LevenbergMarquardtSpace::Status status, MatchResult* r) {
  using namespace Eigen::LevenbergMarquardtSpace;
  switch (status) {
    case RelativeReductionTooSmall:
      r->stopReason = "ftol";
      r->stopText = "the sum of squares stopped falling (relative reduction below ftol)";
      break;
    case RelativeErrorTooSmall:
      r->stopReason = "xtol";
      r->stopText = "the values stopped moving (relative step below xtol)";
      break;
    case RelativeErrorAndReductionTooSmall:
      r->stopReason = "ftol+xtol";
      r->stopText = "the sum of squares and the values both stopped changing";
      break;
    case CosinusTooSmall:
      r->stopReason = "gtol";
      r->stopText = "the residuals are orthogonal to every direction of change (a minimum)";
      break;
    case TooManyFunctionEvaluation:
      r->stopReason = "maxfev";
      r->stopText = "the evaluation limit was reached before convergence";
      break;
    case FtolTooSmall:
    case XtolTooSmall:
    case GtolTooSmall:
      r->stopReason = "precision";
      r->stopText = "no further improvement is possible in double precision";
      break;
    case NotStarted:
      r->stopReason = "none";
      r->stopText = "every value is fixed: nothing to solve";
      break;
    default:
      r->stopReason = "input";
      r->stopText = "the solver refused its input";
      break;
  }
}

double PointSpread(const std::vector<MatchPoint>& points) {
  double xmin = HUGE_VAL, xmax = -HUGE_VAL, ymin = HUGE_VAL, ymax = -HUGE_VAL;
  for (const MatchPoint& p : points) {
    xmin = std::fmin(xmin, p.x);
    xmax = std::fmax(xmax, p.x);
    ymin = std::fmin(ymin, p.y);
    ymax = std::fmax(ymax, p.y);
  }
  return std::hypot(xmax - xmin, ymax - ymin) + std::fmax(std::fabs(xmax), std::fabs(xmin));
}

void Summarise(const Evaluation& e, MatchResult* r) {
  r->values = e.values;
  r->motion = e.motion;
  r->model = e.model;
  const std::size_t n = e.nearest.size();
  r->points.resize(n);
  double sum = 0.0, sumPos = 0.0, sumNeg = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const NearestPoint& near = e.nearest[i];
    PointMatch& p = r->points[i];
    const double side = e.qy[i] < 0.0 ? -1.0 : 1.0;
    p.x = e.qx[i];
    p.y = e.qy[i];
    p.footX = near.foot.x;
    p.footY = side * near.foot.y;
    p.distance = near.distance;
    const double d2 = near.distance * near.distance;
    sum += d2;
    if (std::fabs(near.distance) > r->maxDistance || i == 0) {
      r->maxDistance = std::fabs(near.distance);
      r->maxIndex = i;
    }
    if (e.qy[i] > 0.0) {
      ++r->positiveSide.count;
      sumPos += d2;
    } else if (e.qy[i] < 0.0) {
      ++r->negativeSide.count;
      sumNeg += d2;
    }
  }
  r->rms = std::sqrt(sum / double(n));
  if (r->positiveSide.count) r->positiveSide.rms = std::sqrt(sumPos / double(r->positiveSide.count));
  if (r->negativeSide.count) r->negativeSide.rms = std::sqrt(sumNeg / double(r->negativeSide.count));
  r->wholeBody = r->positiveSide.count >= 3 && r->negativeSide.count >= 3;
}

}  // namespace

std::size_t PointsNeeded(const MatchOptions& options) {
  std::size_t free = options.align ? 3 : 0;
  for (const auto& f : options.fixed)
    if (!f) ++free;
  return std::max(free, kMinPoints);
}

MatchResult MatchDesign(const std::vector<MatchPoint>& points, const MatchOptions& options) {
  MatchResult result;
  std::vector<int> free;
  for (int j = 0; j < 8; ++j)
    if (!options.fixed[j]) free.push_back(j);

  RigidMotion motion;
  if (options.align) motion = InitialAlignment(points);
  std::vector<MatchPoint> frame = points;
  for (MatchPoint& p : frame) ApplyMotion(motion, p.x, p.y, &p.x, &p.y);
  result.start = StartValues(frame, options, options.align);

  MatchFunctor functor(points, options, free, motion, 1e3 * PointSpread(points));
  OutlineModel probe;
  if (!FitOutlineModel(result.start, &probe)) result.start = FallbackStart(result.start, options);
  Eigen::VectorXd x = functor.Pack(result.start, motion);
  if (!functor.Evaluate(x).valid) {
    result.error = "no design fits: the start values read off the points give no outline";
    return result;
  }

  Eigen::LevenbergMarquardtSpace::Status status = Eigen::LevenbergMarquardtSpace::NotStarted;
  int iterations = 0;
  if (x.size() > 0) {
    Eigen::LevenbergMarquardt<MatchFunctor> lm(functor);
    lm.setFtol(1e-15);
    lm.setXtol(1e-15);
    lm.setGtol(0.0);
    lm.setMaxfev(100 * (x.size() + 1));
    status = lm.minimize(x);
    iterations = int(lm.iterations());
  }
  // The solver's last trial may have been a rejected one: evaluate the answer itself, which also
  // leaves the shape state holding its fit.
  functor.Forget();
  const Evaluation& final = functor.Evaluate(x);
  if (!final.valid) {
    result.error = "no design fits the points";
    return result;
  }
  Summarise(final, &result);
  result.iterations = iterations;
  result.evaluations = functor.evaluations();
  result.refused = functor.refused();
  DescribeStop(status, &result);
  return result;
}

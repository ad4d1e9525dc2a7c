// Residual i is the signed distance from point i to the nearest point of the candidate's half
// outline; its Jacobian is analytic: at the nearest point the distance moves with the outline along
// the joining direction only, and the outline moves with the parameters as the family says. A
// candidate with no outline gets residuals far above any real one, so the solver rejects the step
// and shortens it.
#include "match/outline_solver.h"

#include <cmath>
#include <unsupported/Eigen/LevenbergMarquardt>

#include "match/solver_stop.h"

namespace {

struct Evaluation {
  Eigen::VectorXd x;
  bool valid = false;
  RigidMotion motion;
  OutlineModel model;
  std::vector<NearestPoint> nearest;
  std::vector<Point2> frame;  // the used points in the design's frame, y with its side
};

class OutlineFunctor : public Eigen::DenseFunctor<double> {
 public:
  OutlineFunctor(const OutlineFamily& family, const FitRun& run, const MatchControl& control)
      : DenseFunctor<double>(int(family.Size()) + (run.align ? 3 : 0), int(run.use.size())),
        m_family(family),
        m_run(run),
        m_control(control) {}

  InputType Pack(const std::vector<double>& start) const {
    InputType x(inputs());
    for (std::size_t k = 0; k < start.size(); ++k) x[Eigen::Index(k)] = start[k];
    if (m_run.align) x.tail(3) << m_run.motion.angle, m_run.motion.shift.x, m_run.motion.shift.y;
    return x;
  }

  const Evaluation& Evaluate(const InputType& x) {
    if (m_haveLast && m_last.x.size() == x.size() && m_last.x == x) return m_last;
    m_haveLast = true;
    ++m_evaluations;
    Evaluation& e = m_last;
    e.x = x;
    e.motion = m_run.motion;
    if (m_run.align) e.motion = {x[inputs() - 3], {x[inputs() - 2], x[inputs() - 1]}};
    e.valid = m_family.Outline(x.data(), &e.model);
    if (!e.valid) {
      ++m_refused;
      return e;
    }
    const NearestPointFinder finder(e.model);
    const std::size_t n = m_run.use.size();
    e.nearest.resize(n);
    e.frame.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      const Point2 p = (*m_run.points)[m_run.use[i]];
      e.frame[i] = m_run.align ? ApplyMotion(e.motion, p) : p;
      const Point2 folded{e.frame[i].x, std::fabs(e.frame[i].y)};
      e.nearest[i] = m_hints.size() == n ? finder.FindNear(folded, m_hints[i]) : finder.Find(folded);
      if (!std::isfinite(e.nearest[i].distance)) e.valid = false;
    }
    if (e.valid && m_run.warmStart) {
      m_hints.resize(n);
      for (std::size_t i = 0; i < n; ++i) m_hints[i] = e.nearest[i].t;
    }
    return e;
  }

  int operator()(const InputType& x, ValueType& f) {
    if (m_control.Cancelled()) return -1;
    const Evaluation& e = Evaluate(x);
    for (Eigen::Index i = 0; i < values(); ++i)
      f[i] = e.valid ? Weight(i) * e.nearest[std::size_t(i)].distance : m_run.invalidResidual;
    return 0;
  }

  int df(const InputType& x, JacobianType& jac);

  int evaluations() const { return m_evaluations; }
  int refused() const { return m_refused; }
  void Forget() { m_haveLast = false; }

 private:
  double Weight(Eigen::Index i) const { return m_run.weights.empty() ? 1.0 : m_run.weights[std::size_t(i)]; }

  const OutlineFamily& m_family;
  const FitRun& m_run;
  const MatchControl& m_control;
  Evaluation m_last;
  bool m_haveLast = false;
  std::vector<double> m_hints;  // each point's t at the last evaluation, for a warm start
  int m_evaluations = 0;
  int m_refused = 0;
};

int OutlineFunctor::df(const InputType& x, JacobianType& jac) {
  const Evaluation& e = Evaluate(x);
  jac.setZero(values(), inputs());
  if (!e.valid) return 0;
  const Eigen::Index size = Eigen::Index(m_family.Size());
  std::vector<double> dx(std::size_t(size) + 1), dy(std::size_t(size) + 1);
  const double c = std::cos(e.motion.angle), s = std::sin(e.motion.angle);
  for (Eigen::Index i = 0; i < values(); ++i) {
    const NearestPoint& n = e.nearest[std::size_t(i)];
    m_family.Move(e.model, n.foot, dx.data(), dy.data());
    const double w = Weight(i);
    for (Eigen::Index k = 0; k < size; ++k)
      jac(i, k) = -w * (n.direction.x * dx[std::size_t(k)] + n.direction.y * dy[std::size_t(k)]);
    if (!m_run.align) continue;
    // The point moves, folded onto y >= 0: its y derivative takes the fold's sign.
    const Point2 p = (*m_run.points)[m_run.use[std::size_t(i)]];
    const double fold = e.frame[std::size_t(i)].y < 0.0 ? -1.0 : 1.0;
    const double dqx = -s * p.x - c * p.y, dqy = c * p.x - s * p.y;
    jac(i, size) = w * (n.direction.x * dqx + n.direction.y * fold * dqy);
    jac(i, size + 1) = w * n.direction.x;
    jac(i, size + 2) = w * n.direction.y * fold;
  }
  return 0;
}

}  // namespace

FitOutcome Solve(const OutlineFamily& family, const FitRun& run, const std::vector<double>& start,
                 const MatchControl& control) {
  OutlineFunctor functor(family, run, control);
  Eigen::VectorXd x = functor.Pack(start);
  Eigen::LevenbergMarquardtSpace::Status status = Eigen::LevenbergMarquardtSpace::NotStarted;
  FitOutcome out;
  if (x.size() > 0 && functor.values() >= functor.inputs()) {
    Eigen::LevenbergMarquardt<OutlineFunctor> lm(functor);
    // A run that starts at its answer found on a sample needs only settle: a relative change of
    // 1e-10 is far below what any trace can say.
    const double tolerance = run.warmStart ? 1e-10 : 1e-15;
    lm.setFtol(tolerance);
    lm.setXtol(tolerance);
    lm.setGtol(0.0);
    lm.setMaxfev(run.maxEvaluations > 0 ? run.maxEvaluations : 100 * (x.size() + 1));
    status = lm.minimizeInit(x);
    while (status != Eigen::LevenbergMarquardtSpace::ImproperInputParameters) {
      status = lm.minimizeOneStep(x);
      if (status != Eigen::LevenbergMarquardtSpace::Running || control.Cancelled()) break;
    }
    out.iterations = int(lm.iterations());
  }
  out.cancelled = control.Cancelled();
  out.x.assign(x.data(), x.data() + family.Size());
  if (!out.cancelled) {
    // The solver's last trial may have been a rejected one: evaluate the answer itself.
    functor.Forget();
    const Evaluation& final = functor.Evaluate(x);
    out.valid = final.valid;
    out.motion = final.motion;
    out.model = final.model;
    if (out.valid) {
      double sum = 0.0;
      for (const NearestPoint& n : final.nearest) sum += n.distance * n.distance;
      out.meanSquare = final.nearest.empty() ? 0.0 : sum / double(final.nearest.size());
    }
  }
  out.evaluations = functor.evaluations();
  out.refused = functor.refused();
  DescribeStop(int(status), &out.stopReason, &out.stopText);
  return out;
}

std::vector<PointFit> FitPoints(const OutlineModel& model, const RigidMotion& motion,
                                const std::vector<Point2>& points) {
  const NearestPointFinder finder(model);
  std::vector<PointFit> fits(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    fits[i].frame = ApplyMotion(motion, points[i]);
    fits[i].nearest = finder.Find({fits[i].frame.x, std::fabs(fits[i].frame.y)});
  }
  return fits;
}

double InvalidResidual(const std::vector<Point2>& points) {
  double xmin = HUGE_VAL, xmax = -HUGE_VAL, ymin = HUGE_VAL, ymax = -HUGE_VAL;
  for (const Point2& p : points) {
    xmin = std::fmin(xmin, p.x);
    xmax = std::fmax(xmax, p.x);
    ymin = std::fmin(ymin, p.y);
    ymax = std::fmax(ymax, p.y);
  }
  return 1e3 * (std::hypot(xmax - xmin, ymax - ymin) + std::fmax(std::fabs(xmax), std::fabs(xmin)));
}

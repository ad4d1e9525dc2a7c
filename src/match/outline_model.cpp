// The candidate outline. The fit itself is FitOutline's; this file only reads its result and
// differentiates the 4 x 4 system that produced it.
#include "match/outline_model.h"

#include <Eigen/Dense>
#include <cmath>
#include <string_view>

#include "geometry/fit_shape.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

bool IsBody(const DesignValues& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return v[0] > 0.0 && v[1] > 0.0 && v[2] > 0.0 && v[3] > 0.0 && v[2] < v[1] && v[2] < v[3];
}

}  // namespace

bool FitOutlineModel(const DesignValues& v, OutlineModel* m) {
  if (!IsBody(v)) return false;
  const FittedOutline s = FitOutline(DesignShape::FromArray(v));
  if (!s.Valid()) return false;
  if (s.extrema[0].kind != 1 || s.extrema[1].kind != 0 || s.extrema[2].kind != 1) return false;
  const double u3 = s.fitSystem[3][4];  // the signed scale of the converged pass
  if (!(u3 > 0.0)) return false;
  for (int k = 0; k < 7; ++k) m->a[k] = s.coeff[k];
  m->scale = s.verticalScale;
  m->shift = m->a[0] - m->a[1] + m->a[2] - m->a[3] + m->a[4] - m->a[5] + m->a[6];
  for (int i = 0; i < 3; ++i) m->angles[i] = s.extrema[i].angle;

  Eigen::Matrix4d system = Eigen::Matrix4d::Zero();
  Eigen::Matrix<double, 4, 8> rhs = Eigen::Matrix<double, 4, 8>::Zero();
  for (int i = 0; i < 3; ++i) {
    const double theta = m->angles[i];
    const double sine = std::sin(theta * kDeg);
    system.row(i) << 1.0, std::cos(theta * kDeg), std::cos(2.0 * theta * kDeg), -v[1 + i] / sine;
    rhs(i, 1 + i) = u3 / sine;  // row i's scale entry is -w_i / sin(theta_i)
    for (int k = 3; k <= 6; ++k) rhs(i, 1 + k) = -std::cos(k * theta * kDeg);
  }
  system.row(3) << 2.0, 0.0, 2.0, 0.0;
  rhs(3, 0) = 1.0;
  rhs(3, 5) = -2.0;  // a4
  rhs(3, 7) = -2.0;  // a6
  const Eigen::FullPivLU<Eigen::Matrix4d> lu(system);
  if (!lu.isInvertible()) return false;
  const Eigen::Matrix<double, 4, 8> d = lu.solve(rhs);
  for (int r = 0; r < 4; ++r)
    for (int j = 0; j < 8; ++j) {
      m->sensitivity[r][j] = d(r, j);
      if (!std::isfinite(d(r, j))) return false;
    }
  return true;
}

void EvaluateCurve(const OutlineModel& m, double t, CurvePoint* p) {
  const double c1 = std::cos(t), s1 = std::sin(t);
  p->cosk[0] = 1.0;
  p->sink[0] = 0.0;
  for (int k = 1; k <= 6; ++k) {  // angle addition: error of a few ulps at k = 6
    p->cosk[k] = p->cosk[k - 1] * c1 - p->sink[k - 1] * s1;
    p->sink[k] = p->sink[k - 1] * c1 + p->cosk[k - 1] * s1;
  }
  double r = 0.0, dr = 0.0, ddr = 0.0;
  for (int k = 0; k <= 6; ++k) {
    r += m.a[k] * p->cosk[k];
    dr -= k * m.a[k] * p->sink[k];
    ddr -= k * k * m.a[k] * p->cosk[k];
  }
  const double inv = 1.0 / m.scale;
  p->r = r;
  p->x = r * c1 + m.shift;
  p->y = r * s1 * inv;
  p->dx = dr * c1 - r * s1;
  p->dy = (dr * s1 + r * c1) * inv;
  p->ddx = ddr * c1 - 2.0 * dr * s1 - r * c1;
  p->ddy = (ddr * s1 + 2.0 * dr * c1 - r * s1) * inv;
}

void CurveSensitivity(const OutlineModel& m, const CurvePoint& p, double dx[8], double dy[8]) {
  const double c1 = p.cosk[1], s1 = p.sink[1];
  const double inv = 1.0 / m.scale;
  // d(point)/d(a_k) for k = 0..6, and d(point)/d(scale)
  double ax[7], ay[7];
  for (int k = 0; k <= 6; ++k) {
    ax[k] = p.cosk[k] * c1 + (k % 2 == 0 ? 1.0 : -1.0);
    ay[k] = p.cosk[k] * s1 * inv;
  }
  const double sy = -p.r * s1 * inv * inv;
  for (int j = 0; j < 8; ++j) {
    double x = 0.0, y = 0.0;
    for (int k = 0; k < 3; ++k) {
      x += ax[k] * m.sensitivity[k][j];
      y += ay[k] * m.sensitivity[k][j];
    }
    y += sy * m.sensitivity[3][j];
    if (j >= 4) {  // a3..a6 enter the curve directly too
      x += ax[j - 1];
      y += ay[j - 1];
    }
    dx[j] = x;
    dy[j] = y;
  }
}

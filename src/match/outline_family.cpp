// The two families. The design family's derivatives chain CurveSensitivity through the waist
// rule: on the limit, moving the bout moves the waist with it.
#include "match/outline_family.h"

bool CoefficientFamily::Outline(const double* x, OutlineModel* model) const {
  return CurveOutlineModel(x, x[7], model);
}

void CoefficientFamily::Move(const OutlineModel& model, const CurvePoint& p, double* dx, double* dy) const {
  CoefficientSensitivity(model, p, dx, dy);
}

std::vector<double> CoefficientFamily::Pack(const OutlineModel& m) {
  return {m.a[0], m.a[1], m.a[2], m.a[3], m.a[4], m.a[5], m.a[6], m.scale};
}

DesignFamily::DesignFamily(const FixedValues& fixed, std::optional<WaistLimit> limit)
    : m_fixed(fixed), m_limit(limit) {
  for (int j = 0; j < 8; ++j)
    if (!m_fixed[j] && !(m_limit && j == 2)) m_free.push_back(j);
}

DesignValues DesignFamily::Values(const double* x) const {
  DesignValues v{};
  for (int j = 0; j < 8; ++j) v[j] = m_fixed[j] ? *m_fixed[j] : 0.0;
  for (std::size_t k = 0; k < m_free.size(); ++k) v[m_free[k]] = x[k];
  if (m_limit) v[2] = (1.0 - m_limit->depth) * v[m_limit->bout];
  return v;
}

std::vector<double> DesignFamily::Pack(const DesignValues& v) const {
  std::vector<double> x;
  for (int j : m_free) x.push_back(v[j]);
  return x;
}

bool DesignFamily::Outline(const double* x, OutlineModel* model) const {
  return FitOutlineModel(Values(x), model);
}

void DesignFamily::Move(const OutlineModel& model, const CurvePoint& p, double* dx, double* dy) const {
  double vx[8], vy[8];
  CurveSensitivity(model, p, vx, vy);
  if (m_limit) {
    vx[m_limit->bout] += (1.0 - m_limit->depth) * vx[2];
    vy[m_limit->bout] += (1.0 - m_limit->depth) * vy[2];
  }
  for (std::size_t k = 0; k < m_free.size(); ++k) {
    dx[k] = vx[m_free[k]];
    dy[k] = vy[m_free[k]];
  }
}

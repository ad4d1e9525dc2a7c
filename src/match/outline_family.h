// The outlines a solver run walks: a parameter vector, the outline it gives (or none), and how a
// point of that outline moves with each parameter. Two families: the eight design values (some
// fixed, the waist perhaps held a share below a bout), and the wider family of the seven
// coefficients and the vertical scale themselves, which needs no FitShape and has no waist rule.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "match/design_values.h"
#include "match/outline_model.h"

class OutlineFamily {
 public:
  virtual ~OutlineFamily() = default;
  virtual std::size_t Size() const = 0;
  // False when the parameters give no outline of the family (the solver steps around them).
  virtual bool Outline(const double* x, OutlineModel* model) const = 0;
  // dx[k], dy[k]: how the curve point p of the model moves with parameter k (t held).
  virtual void Move(const OutlineModel& model, const CurvePoint& p, double* dx, double* dy) const = 0;
};

// a0..a6 and S.
class CoefficientFamily : public OutlineFamily {
 public:
  std::size_t Size() const override { return 8; }
  bool Outline(const double* x, OutlineModel* model) const override;
  void Move(const OutlineModel& model, const CurvePoint& p, double* dx, double* dy) const override;
  static std::vector<double> Pack(const OutlineModel& model);
};

using FixedValues = std::array<std::optional<double>, 8>;

// On the family's limit: the waist held at (1 - depth) times one bout (index 1 or 3).
struct WaistLimit {
  int bout = 3;
  double depth = 0.01;
};

class DesignFamily : public OutlineFamily {
 public:
  DesignFamily(const FixedValues& fixed, std::optional<WaistLimit> limit = std::nullopt);
  std::size_t Size() const override { return m_free.size(); }
  bool Outline(const double* x, OutlineModel* model) const override;
  void Move(const OutlineModel& model, const CurvePoint& p, double* dx, double* dy) const override;

  DesignValues Values(const double* x) const;
  std::vector<double> Pack(const DesignValues& values) const;

 private:
  FixedValues m_fixed;
  std::optional<WaistLimit> m_limit;
  std::vector<int> m_free;  // which of the eight values are parameters, in order
};

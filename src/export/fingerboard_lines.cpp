// The fret walk and the fingerboard's outline, measured from the joint fret at the neck end.
#include "export/fingerboard_lines.h"

#include <cmath>

#include "geometry/fretboard.h"

namespace {

Segment Across(double d, double width) {
  return Segment{Point2{d, width / 2}, Point2{d, -width / 2}};
}

bool IsFinite(const Segment& s) {
  return IsFinite(s.a) && IsFinite(s.b);
}

}  // namespace

FingerboardResult LayOutFingerboard(const FingerboardInput& in) {
  FingerboardResult result;
  if (in.jointFret <= 0) {
    result.why = QStringLiteral("the joint fret is %1").arg(in.jointFret);
    return result;
  }
  if (!std::isfinite(in.scaleLength) || !(in.scaleLength > 0.0)) {
    result.why = QStringLiteral("the scale length is not a positive number");
    return result;
  }
  const int j = in.jointFret;
  const double L = in.scaleLength;
  const auto width = [&](double d) { return FingerboardWidth(d, j, L, in.nutWidth, in.jointWidth); };

  FingerboardLines& out = result.lines;
  const double saddleAt = FretPosition(0.0, j, L) + L;
  double n = static_cast<double>(j);
  for (int k = 1;; ++k) {
    n = static_cast<double>(j) + k;
    const double d = FretPosition(n, j, L);
    if (!(d < in.holePosition) || !(d < saddleAt) || k > kMaxFretsOverBody) break;
    out.frets.push_back(Across(d, width(d)));
  }
  out.endFret = static_cast<int>(std::fmin(n, 2147483647.0));

  out.saddle = Across(saddleAt, width(saddleAt));
  const double d0 = FretPosition(static_cast<double>(j), j, L), de = FretPosition(n, j, L);
  const double w0 = width(d0), we = width(de);
  out.edges[0] = Segment{Point2{d0, -w0 / 2}, Point2{de, -we / 2}};
  out.edges[1] = Segment{Point2{d0, w0 / 2}, Point2{de, we / 2}};

  bool finite = IsFinite(out.saddle) && IsFinite(out.edges[0]) && IsFinite(out.edges[1]);
  for (const Segment& f : out.frets) finite = finite && IsFinite(f);
  if (!finite) {
    result.lines = FingerboardLines{};
    result.why = QStringLiteral("the fingerboard widths are not finite");
  }
  return result;
}

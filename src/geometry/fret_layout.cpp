// The fret walk over the body, on the fretboard's positions and taper.
#include "geometry/fret_layout.h"

#include <climits>
#include <cmath>

#include "geometry/fretboard.h"

namespace {

bool IsFinite(const FretAcross& a) {
  return std::isfinite(a.at) && std::isfinite(a.width);
}

bool AllFinite(const FretLayout& f) {
  bool finite = IsFinite(f.joint) && IsFinite(f.end) && IsFinite(f.saddle);
  for (const FretAcross& a : f.frets) finite = finite && IsFinite(a);
  return finite;
}

}  // namespace

FretLayout LayOutFrets(const FretLayoutInput& in) {
  FretLayout out;
  if (in.jointFret <= 0) {
    out.status = FretLayoutStatus::kNoJointFret;
    return out;
  }
  if (!std::isfinite(in.scaleLength) || !(in.scaleLength > 0.0)) {
    out.status = FretLayoutStatus::kNoScaleLength;
    return out;
  }
  const int j = in.jointFret;
  const double L = in.scaleLength;
  const auto across = [&](double d) {
    return FretAcross{d, FingerboardWidth(d, j, L, in.nutWidth, in.jointWidth)};
  };

  const double saddleAt = FretPosition(0.0, j, L) + L;
  // Fret numbers are walked in doubles: j + k would overflow an int for the largest joint frets.
  double n = static_cast<double>(j);
  for (int k = 1;; ++k) {
    n = static_cast<double>(j) + k;
    const double d = FretPosition(n, j, L);
    if (!(d < in.holePosition) || !(d < saddleAt) || k > kMaxFretsOverBody) break;
    out.frets.push_back(across(d));
  }
  out.endFret = static_cast<int>(std::fmin(n, static_cast<double>(INT_MAX)));
  out.joint = across(FretPosition(static_cast<double>(j), j, L));
  out.end = across(FretPosition(n, j, L));
  out.saddle = across(saddleAt);

  if (!AllFinite(out)) {
    out = FretLayout{};
    out.status = FretLayoutStatus::kNotFinite;
  }
  return out;
}

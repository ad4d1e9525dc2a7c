// Arcs by angle, ellipses by parameter, splines span by span (de Boor on homogeneous points). The
// number of points along a curve is its length, or a bound of it, over the spacing.
#include "match/dxf_sampling.h"

#include <algorithm>
#include <cmath>

#include "geometry/math_constants.h"
#include "match/nurbs.h"

namespace {

// How many equal steps cover `length` at `spacing`; budget + 1 when that is too many (or not finite).
std::size_t Steps(double length, double spacing, std::size_t budget) {
  const double steps = std::ceil(length / spacing);
  if (!(steps <= double(budget))) return budget + 1;
  return std::max<std::size_t>(1, std::size_t(steps));
}

// An anticlockwise sweep from start to end in (0, 2 pi]; equal angles are a whole turn.
double Sweep(double start, double end) {
  double sweep = std::fmod(end - start, 2.0 * kPi);
  if (sweep <= 0.0) sweep += 2.0 * kPi;
  return sweep;
}

// Points strictly inside the arc of bulge b from a to b: tan(sweep / 4) = bulge, anticlockwise for
// a positive bulge, the centre on the chord's left then.
bool BulgeArc(Point2 a, Point2 b, double bulge, double spacing, std::size_t budget,
              std::vector<Point2>* out) {
  const double dx = b.x - a.x, dy = b.y - a.y, chord = std::hypot(dx, dy);
  if (!(chord > 0.0) || !std::isfinite(bulge)) return true;
  const double offset = 0.5 * (1.0 - bulge * bulge) / (2.0 * bulge);  // centre from the midpoint, in chords
  const Point2 centre{0.5 * (a.x + b.x) - offset * dy, 0.5 * (a.y + b.y) + offset * dx};
  const double radius = std::hypot(a.x - centre.x, a.y - centre.y);
  const double sweep = 4.0 * std::atan(bulge), from = std::atan2(a.y - centre.y, a.x - centre.x);
  const std::size_t steps = Steps(radius * std::fabs(sweep), spacing, budget);
  if (steps > budget || out->size() + steps > budget) return false;
  for (std::size_t k = 1; k < steps; ++k) {
    const double angle = from + sweep * double(k) / double(steps);
    out->push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
  }
  return true;
}

bool Polyline(const DxfPiece& piece, double spacing, std::size_t budget, std::vector<Point2>* out) {
  const std::vector<PieceVertex>& v = piece.vertices;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (out->size() >= budget) return false;
    out->push_back(v[i].at);
    const bool last = i + 1 == v.size();
    if (v[i].bulge == 0.0 || (last && !piece.closed)) continue;
    if (!BulgeArc(v[i].at, v[last ? 0 : i + 1].at, v[i].bulge, spacing, budget, out)) return false;
  }
  return true;
}

// Arc or ellipse: centre + cos(t) major + sin(t) minor (an arc's axes are its radius along x and y).
bool Conic(const DxfPiece& piece, double spacing, std::size_t budget, std::vector<Point2>* out) {
  const bool arc = piece.kind == PieceKind::Arc;
  const Point2 major = arc ? Point2{piece.radius, 0.0} : piece.major;
  const Point2 minor = arc ? Point2{0.0, piece.radius} : piece.minor;
  const double size = std::fmax(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
  if (!(size > 0.0)) return true;
  const double sweep = Sweep(piece.start, piece.end);
  const std::size_t steps = Steps(size * sweep, spacing, budget);
  if (steps > budget || steps + 1 > budget) return false;
  const std::size_t count = sweep >= 2.0 * kPi ? steps : steps + 1;  // a whole turn once round
  for (std::size_t k = 0; k < count; ++k) {
    const double t = piece.start + sweep * double(k) / double(steps);
    const double c = std::cos(t), s = std::sin(t);
    out->push_back({piece.centre.x + c * major.x + s * minor.x, piece.centre.y + c * major.y + s * minor.y});
  }
  return true;
}

bool Spline(const DxfPiece& piece, double spacing, std::size_t budget, PieceSamples* out) {
  const Nurbs curve{piece.degree, piece.knots, piece.controls, piece.weights};
  if (!curve.Valid()) {
    if (piece.fits.size() < 2) {
      out->skipped = true;
      return true;
    }
    // The curve passes through its fit points; without a valid definition they are all we know.
    if (piece.fits.size() > budget) return false;
    out->points = piece.fits;
    return true;
  }
  return curve.Sample(spacing, budget, &out->points);
}

}  // namespace

double SampleSpacing(const std::vector<const DxfPiece*>& pieces, double maxSpacing, double minSpacing) {
  std::vector<double> lengths;
  for (const DxfPiece* piece : pieces) {
    if (piece->kind != PieceKind::Polyline) continue;
    for (std::size_t i = 0; i + 1 < piece->vertices.size(); ++i) {
      const PieceVertex &a = piece->vertices[i], &b = piece->vertices[i + 1];
      const double length = std::hypot(b.at.x - a.at.x, b.at.y - a.at.y);
      if (a.bulge == 0.0 && length > 0.0 && std::isfinite(length)) lengths.push_back(length);
    }
  }
  if (lengths.empty()) return maxSpacing;
  std::nth_element(lengths.begin(), lengths.begin() + std::ptrdiff_t(lengths.size() / 2), lengths.end());
  return std::fmax(minSpacing, std::fmin(maxSpacing, lengths[lengths.size() / 2]));
}

bool SamplePiece(const DxfPiece& piece, double spacing, std::size_t budget, PieceSamples* out) {
  out->points.clear();
  out->skipped = false;
  bool ok = true;
  switch (piece.kind) {
    case PieceKind::Polyline:
      ok = Polyline(piece, spacing, budget, &out->points);
      break;
    case PieceKind::Arc:
    case PieceKind::Ellipse:
      ok = Conic(piece, spacing, budget, &out->points);
      break;
    case PieceKind::Spline:
      ok = Spline(piece, spacing, budget, out);
      break;
  }
  if (!ok) out->points.clear();
  return ok;
}

// Fret table arithmetic: every fret placed directly from the nut on each edge's own scale, so no
// rounding error piles up from fret to fret.
#include "geometry/fret_table.h"

#include <algorithm>
#include <cmath>

#include "geometry/fretboard.h"
#include "geometry/math_constants.h"

namespace {

bool Positive(double v) {
  return std::isfinite(v) && v > 0.0;
}

// 2^(-n/12): the part of the scale that still lies between fret n and the saddle.
double Remaining(double n) {
  return std::pow(2.0, -n / 12.0);
}

// Places along the axis. Each edge's frets are FretPosition measured from the perpendicular fret,
// which stands at the same x on both edges; `square` is that x, chosen so that the nut's nearer end
// lies at x = 0 (on a straight board x is then the distance from the nut itself).
struct Axis {
  double square = 0.0;
  int perpendicular = 0;
  double bassScale = 0.0, trebleScale = 0.0, centreScale = 0.0;

  double Bass(double n) const { return square + FretPosition(n, perpendicular, bassScale); }
  double Treble(double n) const { return square + FretPosition(n, perpendicular, trebleScale); }
  // The centre string, of the mean scale, anchors the taper.
  double Centre(double n) const { return square + FretPosition(n, perpendicular, centreScale); }
};

// The board's width square to the centreline: linear in x, nutWidth where the centre string crosses
// the nut and widthAtFret where it crosses fret widthFret.
struct Taper {
  double atNut = 0.0, nutWidth = 0.0, slope = 0.0;
  double operator()(double x) const { return nutWidth + slope * (x - atNut); }
};

FretTableStatus CheckInput(const FretTableInput& in) {
  if (!Positive(in.bassScale) || !Positive(in.trebleScale)) return FretTableStatus::kBadScale;
  if (in.fretCount < 1 || in.fretCount > kMaxFrets) return FretTableStatus::kBadFretCount;
  if (in.perpendicularFret < 0 || in.perpendicularFret > in.fretCount)
    return FretTableStatus::kBadPerpendicular;
  if (in.widthFret < 1 || in.widthFret > kMaxFrets) return FretTableStatus::kBadWidthFret;
  if (!Positive(in.nutWidth) || !Positive(in.widthAtFret)) return FretTableStatus::kBadWidth;
  if (!std::isfinite(in.saddleCompensation) || in.saddleCompensation < 0.0)
    return FretTableStatus::kBadCompensation;
  if (!std::isfinite(in.slotWidth) || in.slotWidth < 0.0) return FretTableStatus::kBadSlotWidth;
  const double v = in.boardEndValue;
  switch (in.boardEnd) {
    case BoardEndKind::kNextFret:
      break;
    case BoardEndKind::kAtFret:
      if (!std::isfinite(v) || v < in.fretCount) return FretTableStatus::kBadBoardEnd;
      break;
    case BoardEndKind::kLength:
      if (!std::isfinite(v) || v < in.bassScale * (1.0 - Remaining(in.fretCount)) ||
          v < in.trebleScale * (1.0 - Remaining(in.fretCount)))
        return FretTableStatus::kBadBoardEnd;
      break;
    case BoardEndKind::kPastLastFret:
      if (!std::isfinite(v) || v < 0.0) return FretTableStatus::kBadBoardEnd;
      break;
  }
  return FretTableStatus::kOk;
}

FretOnEdge OnEdge(int n, double scale, double compensation, double width) {
  FretOnEdge e;
  e.fromNut = scale * (1.0 - Remaining(n));
  e.fromPrevious = scale * (Remaining(n - 1) - Remaining(n));
  e.fromSaddle = scale * Remaining(n) + compensation;
  e.width = width;
  return e;
}

BoardLine Across(double bassX, double trebleX, const Taper& taper) {
  return {{bassX, 0.5 * taper(bassX)}, {trebleX, -0.5 * taper(trebleX)}};
}

// Where each edge's end of the board lies along the axis.
void PlaceBoardEnd(const FretTableInput& in, const Axis& axis, double* bassX, double* trebleX) {
  const double v = in.boardEndValue;
  switch (in.boardEnd) {
    case BoardEndKind::kNextFret:
      *bassX = axis.Bass(in.fretCount + 1);
      *trebleX = axis.Treble(in.fretCount + 1);
      break;
    case BoardEndKind::kAtFret:
      *bassX = axis.Bass(v);
      *trebleX = axis.Treble(v);
      break;
    case BoardEndKind::kLength:
      *bassX = axis.Bass(0) + v;
      *trebleX = axis.Treble(0) + v;
      break;
    case BoardEndKind::kPastLastFret:
      *bassX = axis.Bass(in.fretCount) + v;
      *trebleX = axis.Treble(in.fretCount) + v;
      break;
  }
}

bool IsFinite(const BoardLine& l) {
  return std::isfinite(l.bass.x) && std::isfinite(l.bass.y) && std::isfinite(l.treble.x) &&
         std::isfinite(l.treble.y);
}

bool AllFinite(const FretTable& t) {
  if (!IsFinite(t.nut) || !IsFinite(t.boardEnd) || !IsFinite(t.saddle)) return false;
  if (!std::isfinite(t.bassLength) || !std::isfinite(t.trebleLength) || !std::isfinite(t.maxSlotWidth))
    return false;
  return std::all_of(t.frets.begin(), t.frets.end(), [](const FretRow& r) {
    const FretOnEdge* edges[] = {&r.bass, &r.treble};
    for (const FretOnEdge* e : edges)
      if (!std::isfinite(e->fromNut) || !std::isfinite(e->fromPrevious) || !std::isfinite(e->fromSaddle) ||
          !std::isfinite(e->width))
        return false;
    return std::isfinite(r.angle) && IsFinite(r.line);
  });
}

// The board narrows linearly, so it keeps a width at every fret when it has one at both ends.
bool KeepsAWidth(const FretTable& t) {
  const BoardLine* lines[] = {&t.nut, &t.boardEnd, &t.saddle};
  return std::all_of(std::begin(lines), std::end(lines),
                     [](const BoardLine* l) { return l->bass.y > 0.0 && l->treble.y < 0.0; });
}

}  // namespace

FretTable MakeFretTable(const FretTableInput& in) {
  FretTable out;
  out.status = CheckInput(in);
  if (out.status != FretTableStatus::kOk) return out;

  Axis axis;
  axis.perpendicular = in.perpendicularFret;
  axis.bassScale = in.bassScale;
  axis.trebleScale = in.trebleScale;
  axis.centreScale = 0.5 * (in.bassScale + in.trebleScale);
  axis.square = std::max(-FretPosition(0, in.perpendicularFret, in.bassScale),
                         -FretPosition(0, in.perpendicularFret, in.trebleScale));
  Taper taper;
  taper.atNut = axis.Centre(0);
  taper.nutWidth = in.nutWidth;
  taper.slope = (in.widthAtFret - in.nutWidth) / (axis.Centre(in.widthFret) - taper.atNut);

  out.multiscale = in.bassScale != in.trebleScale;
  out.frets.reserve(static_cast<std::size_t>(in.fretCount));
  for (int n = 1; n <= in.fretCount; ++n) {
    FretRow row;
    row.fret = n;
    row.line = Across(axis.Bass(n), axis.Treble(n), taper);
    row.bass = OnEdge(n, in.bassScale, in.saddleCompensation, taper(row.line.bass.x));
    row.treble = OnEdge(n, in.trebleScale, in.saddleCompensation, taper(row.line.treble.x));
    row.angle =
        std::atan2(row.line.bass.x - row.line.treble.x, row.line.bass.y - row.line.treble.y) * (180.0 / kPi);
    out.frets.push_back(row);
  }
  out.nut = Across(axis.Bass(0), axis.Treble(0), taper);
  double bassEnd = 0.0, trebleEnd = 0.0;
  PlaceBoardEnd(in, axis, &bassEnd, &trebleEnd);
  out.boardEnd = Across(bassEnd, trebleEnd, taper);
  out.bassLength = bassEnd - out.nut.bass.x;
  out.trebleLength = trebleEnd - out.nut.treble.x;
  out.saddle = Across(out.nut.bass.x + in.bassScale + in.saddleCompensation,
                      out.nut.treble.x + in.trebleScale + in.saddleCompensation, taper);
  out.maxSlotWidth =
      0.5 * std::min(out.frets.front().bass.fromPrevious, out.frets.front().treble.fromPrevious);

  FretTableStatus status = FretTableStatus::kOk;
  if (!AllFinite(out))
    status = FretTableStatus::kNotFinite;
  else if (!KeepsAWidth(out))
    status = FretTableStatus::kNarrowsToNothing;
  else if (in.slotWidth > out.maxSlotWidth)
    status = FretTableStatus::kBadSlotWidth;
  if (status != FretTableStatus::kOk) {
    const double maxSlot = out.maxSlotWidth;
    out = FretTable();
    out.status = status;
    if (status == FretTableStatus::kBadSlotWidth) out.maxSlotWidth = maxSlot;  // for the message
  }
  return out;
}

std::vector<Point2> BoardOutline(const FretTable& table) {
  return {table.nut.bass, table.boardEnd.bass, table.boardEnd.treble, table.nut.treble};
}

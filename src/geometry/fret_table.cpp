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

// How far inside the edges the outer strings lie: linear in x, anchored like the taper on the centre
// string, at the nut and at the last fret.
struct Margin {
  double atNut = 0.0, nut = 0.0, slope = 0.0;
  double operator()(double x) const { return nut + slope * (x - atNut); }
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
  if (!(in.stringMarginNut >= 0.0) || !(in.stringMarginLast >= 0.0) || !std::isfinite(in.stringMarginNut) ||
      !std::isfinite(in.stringMarginLast))
    return FretTableStatus::kBadMargin;
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

// Lines across the board through the outer strings' points at bassX and trebleX, carried on to the
// edges. Without margins the strings are the edges, and the line is just its two points.
struct StringLines {
  Taper taper;
  Margin margin;
  bool margins = false;

  Point2 BassString(double x) const { return {x, 0.5 * taper(x) - margin(x)}; }
  Point2 TrebleString(double x) const { return {x, -(0.5 * taper(x) - margin(x))}; }

  BoardLine Through(double bassX, double trebleX) const {
    if (!margins) return Across(bassX, trebleX, taper);
    const Point2 b = BassString(bassX), t = TrebleString(trebleX);
    const double dx = b.x - t.x, dy = b.y - t.y;
    // From each string on along the line, u times (b - t), to where it meets its edge, y = +-taper/2;
    // a line that runs towards the edge no faster than the edge itself never meets it.
    const double bassRate = dy - 0.5 * taper.slope * dx, trebleRate = dy + 0.5 * taper.slope * dx;
    if (!(bassRate > 0.0) || !(trebleRate > 0.0)) return Across(NAN, NAN, taper);
    const double bassEdgeX = b.x + margin(b.x) / bassRate * dx;
    const double trebleEdgeX = t.x - margin(t.x) / trebleRate * dx;
    return Across(bassEdgeX, trebleEdgeX, taper);
  }
};

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

StringLines MakeLines(const FretTableInput& in, const Axis& axis) {
  StringLines lines;
  lines.taper.atNut = axis.Centre(0);
  lines.taper.nutWidth = in.nutWidth;
  lines.taper.slope = (in.widthAtFret - in.nutWidth) / (axis.Centre(in.widthFret) - lines.taper.atNut);
  lines.margin.atNut = axis.Centre(0);
  lines.margin.nut = in.stringMarginNut;
  lines.margin.slope =
      (in.stringMarginLast - in.stringMarginNut) / (axis.Centre(in.fretCount) - lines.margin.atNut);
  lines.margins = in.stringMarginNut != 0.0 || in.stringMarginLast != 0.0;
  return lines;
}

// Where each string (or edge) crosses the line: its nut, its board end and its saddle.
struct StringEnds {
  double bassNut = 0.0, trebleNut = 0.0, bassEnd = 0.0, trebleEnd = 0.0, bassSaddle = 0.0, trebleSaddle = 0.0;
};

// The outer strings stay apart from the nut to the saddle, and inside the board to its end (values
// that are not finite are left to the finiteness check).
bool StringsFit(const StringLines& lines, const StringEnds& e) {
  if (!lines.margins) return true;
  for (double x : {e.bassNut, e.trebleNut, e.bassSaddle, e.trebleSaddle})
    if (lines.BassString(x).y <= 0.0) return false;
  return !(lines.margin(e.bassEnd) < 0.0) && !(lines.margin(e.trebleEnd) < 0.0);
}

void AddFrets(const FretTableInput& in, const Axis& axis, const StringLines& lines, FretTable& out) {
  const Taper& taper = lines.taper;
  out.frets.reserve(static_cast<std::size_t>(in.fretCount));
  for (int n = 1; n <= in.fretCount; ++n) {
    FretRow row;
    row.fret = n;
    row.line = lines.Through(axis.Bass(n), axis.Treble(n));
    row.bass = OnEdge(n, in.bassScale, in.saddleCompensation, taper(row.line.bass.x));
    row.treble = OnEdge(n, in.trebleScale, in.saddleCompensation, taper(row.line.treble.x));
    row.angle =
        std::atan2(row.line.bass.x - row.line.treble.x, row.line.bass.y - row.line.treble.y) * (180.0 / kPi);
    out.frets.push_back(row);
  }
}

FretTableStatus Check(const FretTableInput& in, const FretTable& t, const StringLines& lines,
                      const StringEnds& ends) {
  if (!StringsFit(lines, ends)) return FretTableStatus::kBadMargin;
  if (!AllFinite(t)) return FretTableStatus::kNotFinite;
  if (!KeepsAWidth(t)) return FretTableStatus::kNarrowsToNothing;
  if (in.slotWidth > t.maxSlotWidth) return FretTableStatus::kBadSlotWidth;
  return FretTableStatus::kOk;
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
  const StringLines lines = MakeLines(in, axis);

  out.multiscale = in.bassScale != in.trebleScale;
  AddFrets(in, axis, lines, out);
  StringEnds e;
  e.bassNut = axis.Bass(0);
  e.trebleNut = axis.Treble(0);
  PlaceBoardEnd(in, axis, &e.bassEnd, &e.trebleEnd);
  e.bassSaddle = e.bassNut + in.bassScale + in.saddleCompensation;
  e.trebleSaddle = e.trebleNut + in.trebleScale + in.saddleCompensation;
  out.nut = lines.Through(e.bassNut, e.trebleNut);
  out.boardEnd = lines.Through(e.bassEnd, e.trebleEnd);
  out.bassLength = out.boardEnd.bass.x - out.nut.bass.x;
  out.trebleLength = out.boardEnd.treble.x - out.nut.treble.x;
  out.saddle = lines.Through(e.bassSaddle, e.trebleSaddle);
  out.maxSlotWidth =
      0.5 * std::min(out.frets.front().bass.fromPrevious, out.frets.front().treble.fromPrevious);

  const FretTableStatus status = Check(in, out, lines, e);
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

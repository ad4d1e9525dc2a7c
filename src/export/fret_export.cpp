// The fret-slot template: the board's values converted for the table and for the drawing, checked,
// drawn and written, each failure an Error of its kind.
#include "export/fret_export.h"

#include <cmath>

#include "document/design.h"
#include "export/template_content.h"
#include "framework/error_text.h"
#include "geometry/number_text.h"
#include "geometry/units.h"

namespace {

QString Number(double v) {
  return QString::fromStdString(ShortestRoundTrip(v));
}

// The board with its design lengths converted by `length` and its millimetre sizes by mmToTarget.
template <class Convert>
FretTableInput Converted(const FretTableInput& b, Convert length, double mmToTarget) {
  FretTableInput in = b;
  in.bassScale = length(in.bassScale);
  in.trebleScale = length(in.trebleScale);
  in.nutWidth = length(in.nutWidth);
  in.widthAtFret = length(in.widthAtFret);
  if (in.boardEnd == BoardEndKind::kLength) in.boardEndValue = length(in.boardEndValue);
  if (in.boardEnd == BoardEndKind::kPastLastFret) in.boardEndValue *= mmToTarget;
  in.saddleCompensation *= mmToTarget;
  in.slotWidth *= mmToTarget;
  in.stringMarginNut *= mmToTarget;
  in.stringMarginLast *= mmToTarget;
  return in;
}

Error Refused(const QString& message) {
  return ErrorFrom(message, ErrorKind::Refused);
}

QString SlotProblem(const FretTable& t, const FretTableInput& in, const QString& u) {
  if (in.slotWidth < 0.0) return QStringLiteral("a slot cannot be narrower than 0");
  return QStringLiteral("a slot of %1 %2 is wider than half the first fret spacing (%3 %2)")
      .arg(Number(in.slotWidth), u, Number(t.maxSlotWidth));
}

}  // namespace

void TakeDesignBoard(const Design& design, FretboardRequest* request) {
  FretTableInput& b = request->board;
  b.bassScale = b.trebleScale = design.scaleLength;
  b.nutWidth = design.nutWidth;
  b.widthAtFret = design.fret12Width;
  b.widthFret = kDefaultWidthFret;
  if (design.holeDefined != 0 && design.jointFret >= 1 && design.jointFret <= kMaxFrets) {
    // The window reaches the entered width at the joint fret; so does the whole board.
    request->jointFret = design.jointFret;
    b.widthFret = design.jointFret;
  }
}

bool TableInInches(ExportUnit unit) {
  return unit == ExportUnit::In;
}

QString TableUnitName(ExportUnit unit) {
  return TableInInches(unit) ? QStringLiteral("in") : QStringLiteral("mm");
}

FretTableInput TableInput(const FretboardRequest& request) {
  if (TableInInches(request.unit))
    return Converted(
        request.board, [](double v) { return v; }, 1.0 / kMmPerInch);
  return Converted(
      request.board, [](double v) { return ScaledByPowerOfTen(v, 1); }, 1.0);
}

FretTableInput DrawingInput(const FretboardRequest& request) {
  return Converted(
      request.board, [](double v) { return v; }, 1.0 / MillimetresPerUnit(request.unit));
}

int MarkedJointFret(const FretboardRequest& request) {
  return request.jointFret <= request.board.fretCount ? request.jointFret : 0;
}

// A length beyond any template (100 m) is a typing error, and its table would be all digits.
QString FretboardSizeProblem(const FretboardRequest& request) {
  const double k = MillimetresPerUnit(request.unit);
  const FretTableInput& b = request.board;
  const bool endInUnit = b.boardEnd == BoardEndKind::kLength,
             endInMm = b.boardEnd == BoardEndKind::kPastLastFret;
  const struct {
    const char* what;
    double mm;
  } lengths[] = {{"a scale length", b.bassScale * k},
                 {"a scale length", b.trebleScale * k},
                 {"the nut width", b.nutWidth * k},
                 {"the width at a fret", b.widthAtFret * k},
                 {"the board length", endInUnit ? b.boardEndValue * k : 0.0},
                 {"the overhang", endInMm ? b.boardEndValue : 0.0},
                 {"the slot width", b.slotWidth},
                 {"the extension", request.extendMm},
                 {"the saddle compensation", b.saddleCompensation},
                 {"a string margin", b.stringMarginNut},
                 {"a string margin", b.stringMarginLast}};
  for (const auto& l : lengths)
    if (!(std::fabs(l.mm) <= kMaxDrawingMm))
      return QStringLiteral("%1 of %2 m is too large (at most %3 m)")
          .arg(QLatin1String(l.what))
          .arg(l.mm / 1000.0, 0, 'g', 4)
          .arg(kMaxDrawingMm / 1000.0);
  return {};
}

QString FretTableProblem(const FretTable& t, const FretTableInput& in, const QString& u) {
  switch (t.status) {
    case FretTableStatus::kOk:
      return {};
    case FretTableStatus::kBadScale:
      return QStringLiteral("a scale length must be a finite number greater than 0");
    case FretTableStatus::kBadFretCount:
      return QStringLiteral("%1 is not a number of frets from 1 to %2").arg(in.fretCount).arg(kMaxFrets);
    case FretTableStatus::kBadPerpendicular:
      return QStringLiteral("%1 is not a fret from 0 (the nut) to %2")
          .arg(in.perpendicularFret)
          .arg(in.fretCount);
    case FretTableStatus::kBadWidthFret:
      return QStringLiteral("%1 is not a fret from 1 to %2").arg(in.widthFret).arg(kMaxFrets);
    case FretTableStatus::kBadWidth:
      return QStringLiteral("the board's widths must be greater than 0 (%1 %3 at the nut, %2 %3 at fret %4)")
          .arg(Number(in.nutWidth), Number(in.widthAtFret), u)
          .arg(in.widthFret);
    case FretTableStatus::kBadBoardEnd:
      return QStringLiteral("the board cannot end before the last fret (fret %1)").arg(in.fretCount);
    case FretTableStatus::kBadSlotWidth:
      return SlotProblem(t, in, u);
    case FretTableStatus::kBadCompensation:
      return QStringLiteral("a saddle compensation of %1 %2 is negative")
          .arg(Number(in.saddleCompensation), u);
    case FretTableStatus::kBadMargin:
      return QStringLiteral(
          "the outer strings must lie inside the board and apart from the nut to the saddle");
    case FretTableStatus::kNarrowsToNothing:
      return QStringLiteral("the board's taper narrows to nothing before the saddle");
    case FretTableStatus::kNotFinite:
      return QStringLiteral("the board is too large to compute");
  }
  return {};
}

QStringList FretTemplateTitle(const FretboardRequest& request, const QString& designName) {
  const FretTableInput in = TableInput(request);
  const QString u = TableUnitName(request.unit);
  const auto n = [&](double v) { return Number(v) + ' ' + u; };
  QStringList lines{QStringLiteral("vesk design: %1").arg(designName), QStringLiteral("Fret-slot template")};
  if (in.bassScale != in.trebleScale)
    lines << QStringLiteral("Scale %1 bass, %2 treble; fret %3 square")
                 .arg(n(in.bassScale), n(in.trebleScale))
                 .arg(in.perpendicularFret);
  else
    lines << QStringLiteral("Scale %1").arg(n(in.bassScale));
  lines << QStringLiteral("%1 frets; width %2 at the nut, %3 at fret %4")
               .arg(in.fretCount)
               .arg(n(in.nutWidth), n(in.widthAtFret))
               .arg(in.widthFret);
  if (in.stringMarginNut == in.stringMarginLast && in.stringMarginNut != 0.0)
    lines << QStringLiteral("Outer strings %1 inside the edges").arg(n(in.stringMarginNut));
  else if (in.stringMarginNut != in.stringMarginLast)
    lines << QStringLiteral("Outer strings %1 inside the edges at the nut, %2 at fret %3")
                 .arg(n(in.stringMarginNut), n(in.stringMarginLast))
                 .arg(in.fretCount);
  if (in.slotWidth > 0.0) lines << QStringLiteral("Slots %1 wide").arg(n(in.slotWidth));
  if (in.saddleCompensation > 0.0)
    lines << QStringLiteral("Saddle compensation %1").arg(n(in.saddleCompensation));
  lines << (request.hand == Handedness::kRight ? QStringLiteral("Right-handed: bass edge at the bottom")
                                               : QStringLiteral("Left-handed: bass edge at the top"))
        << QStringLiteral("Unit: %1").arg(UnitName(request.unit))
        << QStringLiteral("Check square %1").arg(CheckSquareLabel(request.unit));
  return lines;
}

Result<RenderedTemplate> ExportFretTemplate(const FretboardRequest& request, const QString& designName,
                                            PartSet parts, const TemplateOutput& output) {
  if (const QString problem = FretboardSizeProblem(request); !problem.isEmpty()) return Refused(problem);
  // The template is drawn in the design's unit, from a table of its own, so no value is rescaled.
  const FretTableInput drawn = DrawingInput(request);
  FretboardDrawing d;
  d.table = MakeFretTable(drawn);
  if (d.table.status != FretTableStatus::kOk) {
    const FretTableInput shown = TableInput(request);
    FretTable again = MakeFretTable(shown);
    if (again.status == FretTableStatus::kOk) again.status = d.table.status;
    return Refused(FretTableProblem(again, shown, TableUnitName(request.unit)));
  }
  const double mmToUnit = 1.0 / MillimetresPerUnit(request.unit);
  d.slotWidth = request.board.slotWidth * mmToUnit;
  d.extend = request.extendMm * mmToUnit;
  d.jointFret = MarkedJointFret(request);
  d.hand = request.hand;
  ExportModel model = BuildFretboardModel(d, request.unit, FretTemplateTitle(request, designName));
  model.parts = parts;
  if (const Status size = CheckDrawingSize(model.drawing, request.unit); !size) return size.error();
  if (const QString empty = EmptyTemplateProblem(model); !empty.isEmpty()) return Refused(empty);
  return RenderTemplate(model, output);
}

// Building the body template: the fit check, the outline, the optional soundhole and fingerboard,
// then the check square and the title block placed below the drawing.
#include "export/body_template.h"

#include <cmath>

#include "document/design.h"
#include "export/fingerboard_lines.h"
#include "export/offset_curve.h"
#include "export/title_block.h"
#include "framework/error_text.h"

namespace {

// Lines shorter than this (a millionth of a millimetre) count as zero length.
constexpr double kZeroLengthMm = 1e-6;
constexpr double kStationTextMm = 3.5;
constexpr double kStationGapMm = 3.0;
// The template's own layers; an offset may not take their names (DXF layer names ignore case).
const char* const kOwnLayers[] = {"0",     "OUTLINE",  "CENTRELINE", "SOUNDHOLE",
                                  "FRETS", "STATIONS", "CHECK",      "TITLE"};

Error Refusal(const QString& message) {
  return ErrorFrom(message, ErrorKind::Refused);
}

// A coarse look at the outline before the fine sampling, so an absurd design is refused cheaply.
Bounds CoarseOutlineBounds(const FittedOutline& outline) {
  Bounds b;
  for (int i = 0; i <= 360; ++i) b.Add(Point2{outline.X(i * 0.5), outline.Y(i * 0.5)});
  return b;
}

bool SameSegment(const Segment& s, const Segment& t, double eps) {
  return (Distance(s.a, t.a) <= eps && Distance(s.b, t.b) <= eps) ||
         (Distance(s.a, t.b) <= eps && Distance(s.b, t.a) <= eps);
}

// Keeps lines only if they have a length and no earlier line (of any layer) is the same.
class LineKeeper {
 public:
  explicit LineKeeper(double eps) : m_eps(eps) {}

  void Add(DrawingLayer& layer, const Segment& s) {
    if (Distance(s.a, s.b) <= m_eps) return;
    for (const Segment& t : m_seen)
      if (SameSegment(s, t, m_eps)) return;
    m_seen.push_back(s);
    layer.segments.push_back(s);
  }

 private:
  double m_eps;
  std::vector<Segment> m_seen;
};

// In a half template the outline closes along the centreline, so the cross's arm along it would be
// cut twice: the closing edge marks it already.
void AddSoundhole(const Design& design, OutlineExtent extent, DrawingLayer& layer, LineKeeper& lines) {
  const double r = design.holeDiameter * 0.5, p = design.holePosition;
  layer.circles.push_back(Circle{Point2{p, 0.0}, r});
  const double arm = 0.1 * r;
  if (extent == OutlineExtent::Whole) lines.Add(layer, Segment{Point2{p - arm, 0.0}, Point2{p + arm, 0.0}});
  lines.Add(layer, Segment{Point2{p, -arm}, Point2{p, arm}});
}

// Letters, digits, '_' and '-': a name every DXF reader and SVG id accepts.
bool IsLayerName(const QString& name) {
  if (name.isEmpty() || name.size() > 31) return false;
  for (const QChar c : name)
    if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_') && c != QLatin1Char('-'))
      return false;
  return true;
}

Status CheckOffset(const OffsetRequest& o, const std::vector<OffsetRequest>& earlier) {
  if (!IsLayerName(o.name))
    return Refusal(
        QStringLiteral("the offset name '%1' must be 1 to 31 letters, digits, '_' or '-'").arg(o.name));
  for (const char* own : kOwnLayers)
    if (o.name.compare(QLatin1String(own), Qt::CaseInsensitive) == 0)
      return Refusal(QStringLiteral("the offset name '%1' is a layer of the template already").arg(o.name));
  for (const OffsetRequest& e : earlier)
    if (o.name.compare(e.name, Qt::CaseInsensitive) == 0)
      return Refusal(QStringLiteral("two offsets are named '%1'; each needs a layer of its own").arg(o.name));
  if (!std::isfinite(o.mm) || std::fabs(o.mm) > kMaxOffsetMm)
    return Refusal(QStringLiteral("the offset %1 must be a number of millimetres from -%2 to %2")
                       .arg(o.name)
                       .arg(kMaxOffsetMm));
  if (o.mm == 0.0)
    return Refusal(QStringLiteral("the offset %1 of 0 mm would be the outline itself").arg(o.name));
  return {};
}

// Each offset on its own layer, or a refusal saying why one cannot be drawn.
Status AddOffsets(const FittedOutline& outline, const ExportContent& content, ExportModel& m) {
  if (content.offsets.empty()) return {};
  const OutlineBends bends = FindOutlineBends(outline);
  std::vector<OffsetRequest> done;
  for (const OffsetRequest& o : content.offsets) {
    if (Status checked = CheckOffset(o, done); !checked) return checked;
    const Result<Polyline> line = SampleOffset(outline, UnitsFromMillimetres(o.mm, m.unit), bends,
                                               MillimetresPerUnit(m.unit), content.extent, m.toleranceUnits);
    if (!line) return Refusal(QStringLiteral("offset %1: %2").arg(o.name, ErrorText(line.error())));
    m.AddLayer(o.name, Part::Offsets).polylines.push_back(*line);
    done.push_back(o);
  }
  return {};
}

// A line across the body at the lower bout, the waist and the upper bout (the fit's own angles),
// each labelled above the outline and any outward offset.
void AddStations(const FittedOutline& outline, const ExportContent& content, DrawingLayer& layer,
                 LineKeeper& lines, ExportUnit unit) {
  static const char* const kNames[] = {"lower bout", "waist", "upper bout"};
  double outward = 0.0;
  for (const OffsetRequest& o : content.offsets) outward = std::fmax(outward, o.mm);
  const double gap = UnitsFromMillimetres(outward + kStationGapMm, unit);
  for (int i = 0; i < 3; ++i) {
    const double t = outline.extrema[i].angle;
    if (!(t > 0.0 && t < 180.0)) continue;
    const double x = outline.X(t), y = outline.Y(t);
    const double from = content.extent == OutlineExtent::Whole ? -y : 0.0;
    lines.Add(layer, Segment{Point2{x, from}, Point2{x, y}});
    // Centred on the station by the title font's average advance.
    const QString name = QString::fromLatin1(kNames[i]);
    const double h = UnitsFromMillimetres(kStationTextMm, unit);
    layer.texts.push_back(TextLine{Point2{x - 0.3 * h * name.size(), y + gap}, name, h});
  }
}

void AddFingerboard(const FingerboardLines& f, DrawingLayer& layer, LineKeeper& lines) {
  for (const Segment& s : f.frets) lines.Add(layer, s);
  lines.Add(layer, f.saddle);
  lines.Add(layer, f.edges[0]);
  lines.Add(layer, f.edges[1]);
}

// The soundhole (a refusal when its values are not finite; a note when it has no size).
Status AddSoundholeLayer(const Design& design, const ExportContent& content, BuiltModel& result,
                         LineKeeper& lines) {
  ExportModel& m = result.model;
  m.AddLayer(QStringLiteral("SOUNDHOLE"), Part::Soundhole);
  if (!content.soundhole || design.holeDefined == 0) return {};
  if (!std::isfinite(design.holeDiameter) || !std::isfinite(design.holePosition))
    return Refusal(QStringLiteral("the soundhole's diameter or position is not a finite number"));
  if (design.holeDiameter * 0.5 > UnitsFromMillimetres(kZeroLengthMm, m.unit))
    AddSoundhole(design, content.extent, m.layers.back(), lines);
  else
    result.notes << QStringLiteral("no soundhole drawn: its diameter is not positive");
  return {};
}

void AddFretsLayer(const Design& design, const ExportContent& content, BuiltModel& result,
                   LineKeeper& lines) {
  DrawingLayer& layer = result.model.AddLayer(QStringLiteral("FRETS"), Part::Frets);
  if (!content.fingerboard) return;
  if (design.holeDefined == 0) {
    result.notes << QStringLiteral("no fingerboard drawn: the design has no soundhole and fingerboard data");
    return;
  }
  const Result<FingerboardLines> f = LayOutFingerboard(design.FretInput());
  if (f)
    AddFingerboard(*f, layer, lines);
  else
    result.notes << QStringLiteral("no fingerboard drawn: %1").arg(ErrorText(f.error()));
}

QStringList BodyTitle(const Design& design, const FittedOutline& outline, const ExportContent& content) {
  QStringList title = TitleLines({content.fileName, design.shape, outline.SideLength(1.0), content.unit});
  if (!content.offsets.empty()) {
    QStringList offsets;
    for (const OffsetRequest& o : content.offsets)
      offsets << QStringLiteral("%1 %2%3 mm")
                     .arg(o.name, o.mm > 0 ? QStringLiteral("+") : QString(), RoundedLength(o.mm));
    title << QStringLiteral("Offsets (+ outward): %1").arg(offsets.join(QStringLiteral(", ")));
  }
  return title;
}

// OUTLINE, the offsets and the CENTRELINE (a half template closes along the centreline; a
// centreline over that edge would be cut twice).
Status AddOutlineLayers(const FittedOutline& outline, const ExportContent& content, ExportModel& m,
                        LineKeeper& lines) {
  const auto polyline = SampleOutline(outline, content.extent, m.toleranceUnits);
  if (!polyline)
    return Refusal(QStringLiteral("the outline cannot be sampled within %1 mm").arg(kChordToleranceMm));
  m.AddLayer(QStringLiteral("OUTLINE"), Part::Outline).polylines.push_back(*polyline);
  if (Status added = AddOffsets(outline, content, m); !added) return added;
  m.AddLayer(QStringLiteral("CENTRELINE"), Part::Centreline);
  if (content.extent == OutlineExtent::Whole)
    lines.Add(m.layers.back(), Segment{outline.At(0.0), outline.At(180.0)});
  return {};
}

}  // namespace

Result<BuiltModel> BuildExportModel(const Design& design, const FittedOutline& outline,
                                    const ExportContent& content) {
  if (!outline.Valid())
    return ErrorFrom(
        QStringLiteral("the design does not fit: %1").arg(QString::fromStdString(outline.errorText)),
        ErrorKind::FitFailed);
  const ExportUnit unit = content.unit;
  if (Status size = CheckDrawingSize(CoarseOutlineBounds(outline), unit); !size) return size.error();

  BuiltModel result;
  ExportModel& m = result.model;
  m = NewExportModel(unit);
  LineKeeper lines(UnitsFromMillimetres(kZeroLengthMm, unit));
  if (Status added = AddOutlineLayers(outline, content, m, lines); !added) return added.error();
  if (Status added = AddSoundholeLayer(design, content, result, lines); !added) return added.error();
  AddFretsLayer(design, content, result, lines);
  AddStations(outline, content, m.AddLayer(QStringLiteral("STATIONS"), Part::Stations), lines, unit);
  m.parts = content.parts;
  FinishExportModel(m, BodyTitle(design, outline, content));
  if (Status size = CheckDrawingSize(m.drawing, unit); !size) return size.error();
  return result;
}

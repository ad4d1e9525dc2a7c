// Building the export model: the fit check, the outline, the optional soundhole and fingerboard,
// then the check square and the title block placed below the drawing.
#include "export/export_model.h"

#include <cmath>

#include "document/veskdoc.h"
#include "export/fingerboard_lines.h"
#include "export/title_block.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"
#include "geometry/side_length.h"

namespace {

// Lines shorter than this (a millionth of a millimetre) count as zero length.
constexpr double kZeroLengthMm = 1e-6;
constexpr double kGapMm = 10.0;
constexpr double kTextHeightMm = 5.0;
constexpr double kLineSpacing = 1.6;
// A generous average advance of the title font, as a share of the text height.
constexpr double kCharWidth = 0.62;

BuildResult Refuse(const QString& message) {
  BuildResult r;
  r.status = BuildStatus::Refused;
  r.message = message;
  return r;
}

// A coarse look at the outline before the fine sampling, so an absurd design is refused cheaply.
Bounds CoarseOutlineBounds() {
  Bounds b;
  for (int i = 0; i <= 360; ++i) b.Add(Point2{OutlineX(i * 0.5), OutlineY(i * 0.5)});
  return b;
}

QString SizeProblem(const Bounds& b, ExportUnit unit) {
  if (!b.IsFinite()) return QStringLiteral("the drawing's size is not a finite number");
  const double mm = std::fmax(b.Width(), b.Height()) * MillimetresPerUnit(unit);
  if (!(mm <= kMaxDrawingMm))
    return QStringLiteral("the drawing would be %1 m across; templates are limited to %2 m")
        .arg(mm / 1000.0, 0, 'g', 4)
        .arg(kMaxDrawingMm / 1000.0);
  return {};
}

bool SameSegment(const Segment& s, const Segment& t, double eps) {
  return (Distance(s.a, t.a) <= eps && Distance(s.b, t.b) <= eps) ||
         (Distance(s.a, t.b) <= eps && Distance(s.b, t.a) <= eps);
}

// Keeps a line only if it has a length and no earlier line (of any layer) is the same.
void AddLine(std::vector<Segment>& layer, const Segment& s, std::vector<Segment>& seen, double eps) {
  if (Distance(s.a, s.b) <= eps) return;
  for (const Segment& t : seen)
    if (SameSegment(s, t, eps)) return;
  seen.push_back(s);
  layer.push_back(s);
}

void AddSoundhole(const CVeskDoc& doc, ExportModel& m, std::vector<Segment>& seen, double eps) {
  const double r = doc.m_holeDiameter * 0.5, p = doc.m_holePosition;
  const Point2 c{p, 0.0};
  m.soundhole = Circle{c, r};
  const double arm = 0.1 * r;
  AddLine(m.soundholeCross, Segment{Point2{p - arm, 0.0}, Point2{p + arm, 0.0}}, seen, eps);
  AddLine(m.soundholeCross, Segment{Point2{p, -arm}, Point2{p, arm}}, seen, eps);
}

void AddFingerboard(const FingerboardLines& f, ExportModel& m, std::vector<Segment>& seen, double eps) {
  for (const Segment& s : f.frets) AddLine(m.frets, s, seen, eps);
  AddLine(m.frets, f.saddle, seen, eps);
  AddLine(m.frets, f.edges[0], seen, eps);
  AddLine(m.frets, f.edges[1], seen, eps);
}

Bounds DrawingBounds(const ExportModel& m) {
  Bounds b;
  for (const Point2& p : m.outline.points) b.Add(p);
  for (const auto* layer : {&m.centreline, &m.soundholeCross, &m.frets})
    for (const Segment& s : *layer) {
      b.Add(s.a);
      b.Add(s.b);
    }
  if (m.soundhole) {
    const Circle& c = *m.soundhole;
    b.Add(Point2{c.centre.x - c.radius, c.centre.y - c.radius});
    b.Add(Point2{c.centre.x + c.radius, c.centre.y + c.radius});
  }
  return b;
}

// The check square at the drawing's lower left, one gap below it; the title block to its right.
void PlaceCheckAndTitle(ExportModel& m) {
  const double gap = UnitsFromMillimetres(kGapMm, m.unit);
  const double side = CheckSquareSideUnits(m.unit);
  const double top = m.drawing.minY - gap, left = m.drawing.minX;
  m.checkSquare.closed = true;
  m.checkSquare.points = {{left, top}, {left + side, top}, {left + side, top - side}, {left, top - side}};

  m.all = m.drawing;
  for (const Point2& p : m.checkSquare.points) m.all.Add(p);
  const double x = left + side + gap;
  for (int i = 0; i < m.titleLines.size(); ++i) {
    const double baseline = top - m.textHeight * (1.0 + kLineSpacing * i);
    m.title.push_back(TextLine{Point2{x, baseline}, m.titleLines[i]});
    m.all.Add(Point2{x, baseline - 0.25 * m.textHeight});
    const auto characters = static_cast<double>(m.titleLines[i].size());
    m.all.Add(Point2{x + kCharWidth * m.textHeight * characters, baseline + m.textHeight});
  }
}

}  // namespace

BuildResult BuildExportModel(const CVeskDoc& doc, const ExportContent& content) {
  if (!IsFitValid() || doc.m_fitValid != 1)
    return BuildResult{BuildStatus::FitFailed,
                       QStringLiteral("the design does not fit: %1")
                           .arg(QString::fromStdString(g_shapeState.errorText)),
                       {},
                       {}};
  const ExportUnit unit = content.unit;
  if (const QString why = SizeProblem(CoarseOutlineBounds(), unit); !why.isEmpty()) return Refuse(why);

  BuildResult result;
  ExportModel& m = result.model;
  m.unit = unit;
  m.toleranceUnits = UnitsFromMillimetres(kChordToleranceMm, unit);
  m.strokeUnits = UnitsFromMillimetres(0.1, unit);
  m.textHeight = UnitsFromMillimetres(kTextHeightMm, unit);
  const double eps = UnitsFromMillimetres(kZeroLengthMm, unit);

  const auto outline = SampleOutline(content.extent, m.toleranceUnits);
  if (!outline) return Refuse(QStringLiteral("the outline cannot be sampled within %1 mm").arg(kChordToleranceMm));
  m.outline = *outline;

  std::vector<Segment> seen;
  AddLine(m.centreline, Segment{Point2{OutlineX(0.0), OutlineY(0.0)}, Point2{OutlineX(180.0), OutlineY(180.0)}},
          seen, eps);

  if (content.soundhole && doc.m_holeDefined != 0) {
    if (!std::isfinite(doc.m_holeDiameter) || !std::isfinite(doc.m_holePosition))
      return Refuse(QStringLiteral("the soundhole's diameter or position is not a finite number"));
    if (doc.m_holeDiameter * 0.5 > eps)
      AddSoundhole(doc, m, seen, eps);
    else
      result.notes << QStringLiteral("no soundhole drawn: its diameter is not positive");
  }
  if (content.fingerboard) {
    if (doc.m_holeDefined == 0) {
      result.notes << QStringLiteral("no fingerboard drawn: the design has no soundhole and fingerboard data");
    } else {
      const FingerboardResult f = LayOutFingerboard(
          {doc.m_jointFret, doc.m_scaleLength, doc.m_holePosition, doc.m_nutWidth, doc.m_fret12Width});
      if (f.why.isEmpty())
        AddFingerboard(f.lines, m, seen, eps);
      else
        result.notes << QStringLiteral("no fingerboard drawn: %1").arg(f.why);
    }
  }

  m.drawing = DrawingBounds(m);
  if (const QString why = SizeProblem(m.drawing, unit); !why.isEmpty()) return Refuse(why);

  m.titleLines = TitleLines({content.fileName, doc.m_length, doc.m_lowerBout, doc.m_waist, doc.m_upperBout,
                             doc.m_a3, doc.m_a4, doc.m_a5, doc.m_a6, SideLength(1.0), unit});
  PlaceCheckAndTitle(m);
  return result;
}

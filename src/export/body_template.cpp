// Building the body template: the fit check, the outline, the optional soundhole and fingerboard,
// then the check square and the title block placed below the drawing.
#include "export/body_template.h"

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

void AddSoundhole(const CVeskDoc& doc, DrawingLayer& layer, LineKeeper& lines) {
  const double r = doc.m_holeDiameter * 0.5, p = doc.m_holePosition;
  layer.circles.push_back(Circle{Point2{p, 0.0}, r});
  const double arm = 0.1 * r;
  lines.Add(layer, Segment{Point2{p - arm, 0.0}, Point2{p + arm, 0.0}});
  lines.Add(layer, Segment{Point2{p, -arm}, Point2{p, arm}});
}

void AddFingerboard(const FingerboardLines& f, DrawingLayer& layer, LineKeeper& lines) {
  for (const Segment& s : f.frets) lines.Add(layer, s);
  lines.Add(layer, f.saddle);
  lines.Add(layer, f.edges[0]);
  lines.Add(layer, f.edges[1]);
}

}  // namespace

BuildResult BuildExportModel(const CVeskDoc& doc, const ExportContent& content) {
  if (!IsFitValid() || doc.m_fitValid != 1)
    return BuildResult{
        BuildStatus::FitFailed,
        QStringLiteral("the design does not fit: %1").arg(QString::fromStdString(g_shapeState.errorText)),
        {},
        {}};
  const ExportUnit unit = content.unit;
  if (const QString why = SizeProblem(CoarseOutlineBounds(), unit); !why.isEmpty()) return Refuse(why);

  BuildResult result;
  ExportModel& m = result.model;
  m = NewExportModel(unit);
  LineKeeper lines(UnitsFromMillimetres(kZeroLengthMm, unit));

  const auto outline = SampleOutline(content.extent, m.toleranceUnits);
  if (!outline)
    return Refuse(QStringLiteral("the outline cannot be sampled within %1 mm").arg(kChordToleranceMm));
  m.AddLayer(QStringLiteral("OUTLINE"), Part::Outline).polylines.push_back(*outline);

  lines.Add(m.AddLayer(QStringLiteral("CENTRELINE"), Part::Centreline),
            Segment{Point2{OutlineX(0.0), OutlineY(0.0)}, Point2{OutlineX(180.0), OutlineY(180.0)}});

  m.AddLayer(QStringLiteral("SOUNDHOLE"), Part::Soundhole);
  if (content.soundhole && doc.m_holeDefined != 0) {
    if (!std::isfinite(doc.m_holeDiameter) || !std::isfinite(doc.m_holePosition))
      return Refuse(QStringLiteral("the soundhole's diameter or position is not a finite number"));
    if (doc.m_holeDiameter * 0.5 > UnitsFromMillimetres(kZeroLengthMm, unit))
      AddSoundhole(doc, m.layers.back(), lines);
    else
      result.notes << QStringLiteral("no soundhole drawn: its diameter is not positive");
  }
  m.AddLayer(QStringLiteral("FRETS"), Part::Frets);
  if (content.fingerboard) {
    if (doc.m_holeDefined == 0) {
      result.notes << QStringLiteral(
          "no fingerboard drawn: the design has no soundhole and fingerboard data");
    } else {
      const FingerboardResult f = LayOutFingerboard(
          {doc.m_jointFret, doc.m_scaleLength, doc.m_holePosition, doc.m_nutWidth, doc.m_fret12Width});
      if (f.why.isEmpty())
        AddFingerboard(f.lines, m.layers.back(), lines);
      else
        result.notes << QStringLiteral("no fingerboard drawn: %1").arg(f.why);
    }
  }

  FinishExportModel(
      m, TitleLines({content.fileName, doc.m_length, doc.m_lowerBout, doc.m_waist, doc.m_upperBout, doc.m_a3,
                     doc.m_a4, doc.m_a5, doc.m_a6, SideLength(1.0), unit}));
  if (const QString why = SizeProblem(m.drawing, unit); !why.isEmpty()) return Refuse(why);
  return result;
}

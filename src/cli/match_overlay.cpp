// The overlay as layers: OUTLINE (black), MISSES (red), POINTS (blue), REJECTED (grey: the strays
// left out, drawn without their misses) and CAPTION. Misses far below a millimetre would vanish at
// true scale, so each is drawn from its outline point magnified by one factor that makes the
// largest 5 mm long; the caption gives the factor.
#include "cli/match_overlay.h"

#include <cmath>

#include "export/export_model.h"
#include "export/png_writer.h"
#include "export/svg_writer.h"
#include "geometry/math_constants.h"
#include "match/match_fit.h"

namespace {

constexpr double kLargestMissMm = 5.0;
constexpr double kMaxMagnification = 1000.0;  // misses below 5 um stay invisible rather than noise
constexpr double kPointRadiusMm = 0.8;
constexpr double kCaptionGapMm = 8.0;

LayerStyle Style(unsigned char red, unsigned char green, unsigned char blue) {
  LayerStyle s;
  s.red = red;
  s.green = green;
  s.blue = blue;
  return s;
}

Polyline Outline(const OutlineModel& model) {
  constexpr int kSteps = 720;
  Polyline line;
  line.closed = true;
  for (int k = 0; k < 2 * kSteps; ++k) {
    CurvePoint c;
    const int half = k <= kSteps ? k : 2 * kSteps - k;
    EvaluateCurve(model, half * (kPi / kSteps), &c);
    line.points.push_back({c.at.x, k <= kSteps ? c.at.y : -c.at.y});
  }
  return line;
}

double Magnification(const MatchResult& r, double mmPerUnit) {
  const double largestMm = r.maxDistance * mmPerUnit;
  return largestMm > 0.0 && largestMm < kLargestMissMm
             ? std::fmin(kLargestMissMm / largestMm, kMaxMagnification)
             : 1.0;
}

void AddCaption(ExportModel& m, const MatchResult& r, double factor) {
  const QString u = UnitName(m.unit);
  QStringList lines;
  lines << QStringLiteral("%1 points, rms %2 %3, largest miss %4 %3 (point %5)")
               .arg(r.points.size())
               .arg(r.rms, 0, 'g', 3)
               .arg(u)
               .arg(r.maxDistance, 0, 'g', 3)
               .arg(r.maxIndex + 1);
  lines << (factor > 1.0 ? QStringLiteral("misses (red) drawn %1 times their length; true scale otherwise")
                               .arg(factor, 0, 'g', 3)
                         : QStringLiteral("misses (red) at true length; true scale"));
  if (!r.rejected.empty())
    lines << QStringLiteral("%1 stray points (grey) left out of the fit").arg(r.rejected.size());
  Bounds drawn;
  for (const DrawingLayer& layer : m.layers) drawn.Add(LayerBounds(layer, m.textHeight));
  DrawingLayer& caption = m.AddLayer(QStringLiteral("CAPTION"), Part::Title);
  const double top = drawn.minY - UnitsFromMillimetres(kCaptionGapMm, m.unit);
  for (int i = 0; i < lines.size(); ++i)
    caption.texts.push_back({Point2{drawn.minX, top - m.textHeight * 1.6 * (i + 1)}, lines[i], 0.0});
}

}  // namespace

ExportModel MatchOverlayModel(const MatchResult& r, ExportUnit unit) {
  ExportModel m = NewExportModel(unit);
  const double mmPerUnit = MillimetresPerUnit(unit);
  m.AddLayer(QStringLiteral("OUTLINE"), Part::Outline).polylines.push_back(Outline(r.model));
  m.AddLayer(QStringLiteral("MISSES"), Part::Offsets).style = Style(0xd0, 0x00, 0x00);
  m.AddLayer(QStringLiteral("POINTS"), Part::Stations).style = Style(0x00, 0x40, 0xc0);
  m.AddLayer(QStringLiteral("REJECTED"), Part::Stations).style = Style(0x90, 0x90, 0x90);
  DrawingLayer &misses = m.layers[1], &points = m.layers[2], &rejected = m.layers[3];
  const double factor = Magnification(r, mmPerUnit), radius = kPointRadiusMm / mmPerUnit;
  for (const PointMatch& p : r.points) {
    (p.rejected ? rejected : points).circles.push_back({p.point, radius});
    if (p.rejected) continue;
    const Point2 end{p.foot.x + factor * (p.point.x - p.foot.x), p.foot.y + factor * (p.point.y - p.foot.y)};
    misses.segments.push_back({p.foot, end});
  }
  AddCaption(m, r, factor);
  m.drawing = m.ShownBounds();
  return m;
}

Result<QByteArray> MatchOverlaySvg(const MatchResult& r, ExportUnit unit) {
  return WriteSvg(MatchOverlayModel(r, unit));
}

Result<QByteArray> MatchOverlayPng(const MatchResult& r, ExportUnit unit) {
  return WritePng(MatchOverlayModel(r, unit), kOverlayPixelsPerMm, kMaxOverlayPixels);
}

// The layered drawing model: layers, their bounds, and the check square and title block that every
// template carries below its drawing.
#include "export/export_model.h"

#include <cmath>

#include "framework/error_text.h"

namespace {

constexpr double kGapMm = 10.0;
constexpr double kTextHeightMm = 5.0;
constexpr double kLineSpacing = 1.6;
// A generous average advance of the title font, as a share of the text height.
constexpr double kCharWidth = 0.62;

void AddText(Bounds& b, const TextLine& t, double textHeight) {
  const double h = t.height > 0.0 ? t.height : textHeight;
  b.Add(Point2{t.baselineLeft.x, t.baselineLeft.y - 0.25 * h});
  b.Add(Point2{t.baselineLeft.x + kCharWidth * h * t.text.size(), t.baselineLeft.y + h});
}

}  // namespace

DrawingLayer& ExportModel::AddLayer(const QString& name, Part part) {
  DrawingLayer layer;
  layer.name = name;
  layer.part = part;
  layer.style = DefaultStyle(part);
  layers.push_back(std::move(layer));
  return layers.back();
}

const DrawingLayer* ExportModel::Find(const QString& name) const {
  for (const DrawingLayer& layer : layers)
    if (layer.name == name) return &layer;
  return nullptr;
}

Bounds ExportModel::ShownBounds() const {
  Bounds b;
  for (const DrawingLayer& layer : layers)
    if (Shows(layer)) b.Add(LayerBounds(layer, textHeight));
  return b;
}

Bounds LayerBounds(const DrawingLayer& layer, double textHeight) {
  Bounds b;
  for (const Polyline& line : layer.polylines)
    for (const Point2& p : line.points) b.Add(p);
  for (const Circle& c : layer.circles) {
    b.Add(Point2{c.centre.x - c.radius, c.centre.y - c.radius});
    b.Add(Point2{c.centre.x + c.radius, c.centre.y + c.radius});
  }
  for (const Segment& s : layer.segments) {
    b.Add(s.a);
    b.Add(s.b);
  }
  for (const TextLine& t : layer.texts) AddText(b, t, textHeight);
  return b;
}

ExportModel NewExportModel(ExportUnit unit) {
  ExportModel m;
  m.unit = unit;
  m.toleranceUnits = UnitsFromMillimetres(kChordToleranceMm, unit);
  m.strokeUnits = UnitsFromMillimetres(0.1, unit);
  m.textHeight = UnitsFromMillimetres(kTextHeightMm, unit);
  return m;
}

void FinishExportModel(ExportModel& m, const QStringList& titleLines) {
  m.drawing = Bounds{};
  for (const DrawingLayer& layer : m.layers)
    if (layer.part != Part::Check && layer.part != Part::Title)
      m.drawing.Add(LayerBounds(layer, m.textHeight));

  const double gap = UnitsFromMillimetres(kGapMm, m.unit);
  const double side = CheckSquareSideUnits(m.unit);
  const double top = m.drawing.minY - gap, left = m.drawing.minX;
  Polyline square;
  square.closed = true;
  square.points = {{left, top}, {left + side, top}, {left + side, top - side}, {left, top - side}};
  m.AddLayer(QStringLiteral("CHECK"), Part::Check).polylines.push_back(square);

  m.titleLines = titleLines;
  DrawingLayer& title = m.AddLayer(QStringLiteral("TITLE"), Part::Title);
  const double x = left + side + gap;
  for (int i = 0; i < titleLines.size(); ++i)
    title.texts.push_back(TextLine{Point2{x, top - m.textHeight * (1.0 + kLineSpacing * i)}, titleLines[i]});
}

Status CheckDrawingSize(const Bounds& b, ExportUnit unit) {
  if (!b.IsFinite())
    return ErrorFrom(QStringLiteral("the drawing's size is not a finite number"), ErrorKind::Refused);
  const double mm = std::fmax(b.Width(), b.Height()) * MillimetresPerUnit(unit);
  if (!(mm <= kMaxDrawingMm))
    return ErrorFrom(QStringLiteral("the drawing would be %1 m across; templates are limited to %2 m")
                         .arg(mm / 1000.0, 0, 'g', 4)
                         .arg(kMaxDrawingMm / 1000.0),
                     ErrorKind::Refused);
  return {};
}

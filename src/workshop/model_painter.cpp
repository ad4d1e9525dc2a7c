// Polylines, circles and segments go through the painter's transform; text is placed at its mapped
// baseline and drawn upright, since the model's y axis points up and the device's down.
#include "workshop/model_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "export/polyline_path.h"

namespace {

// Text below this many pixels is unreadable; it is left out rather than drawn as a smudge.
constexpr double kSmallestTextPx = 3.0;
// A font's pixel size limit in Qt.
constexpr double kLargestTextPx = 8000.0;

void PaintTexts(QPainter& painter, const DrawingLayer& layer, const ExportModel& model,
                const QTransform& toDevice) {
  const double scale = std::sqrt(std::fabs(toDevice.determinant()));
  painter.save();
  painter.setTransform(QTransform());
  for (const TextLine& t : layer.texts) {
    const double px = (t.height > 0.0 ? t.height : model.textHeight) * scale;
    if (!(px >= kSmallestTextPx && px <= kLargestTextPx)) continue;
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(px)));
    painter.setFont(font);
    painter.drawText(toDevice.map(QPointF(t.baselineLeft.x, t.baselineLeft.y)), t.text);
  }
  painter.restore();
}

void PaintLayer(QPainter& painter, const DrawingLayer& layer, const ExportModel& model,
                const QTransform& toDevice, double penWidth) {
  QPen pen(QColor(layer.style.red, layer.style.green, layer.style.blue), penWidth);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.setTransform(toDevice);
  const PointMapping asIs = [](Point2 p) { return QPointF(p.x, p.y); };
  for (const Polyline& line : layer.polylines)
    painter.drawPath(PolylinePath(line, asIs, model.toleranceUnits));
  for (const Circle& c : layer.circles)
    painter.drawEllipse(QPointF(c.centre.x, c.centre.y), c.radius, c.radius);
  for (const Segment& s : layer.segments) painter.drawLine(QPointF(s.a.x, s.a.y), QPointF(s.b.x, s.b.y));
  PaintTexts(painter, layer, model, toDevice);
}

}  // namespace

void PaintExportModel(QPainter& painter, const ExportModel& model, const QTransform& toDevice,
                      PartSet visible, double penWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const DrawingLayer& layer : model.layers)
    if (visible.Has(layer.part)) PaintLayer(painter, layer, model, toDevice, penWidth);
  painter.restore();
}

Bounds VisibleBounds(const ExportModel& model, PartSet visible) {
  Bounds b;
  for (const DrawingLayer& layer : model.layers)
    if (visible.Has(layer.part)) b.Add(LayerBounds(layer, model.textHeight));
  return b;
}

// Lines are at least a pixel wide (a 0.1 mm stroke would fade to grey at a few pixels a millimetre);
// text stands on its baseline at its left end, as in the SVG.
#include "export/png_writer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "export/export_model.h"

namespace {

class PngPainter {
 public:
  PngPainter(QPainter& painter, const ExportModel& m, double x0, double y1, double pxPerUnit)
      : m_painter(painter), m_model(m), m_x0(x0), m_y1(y1), m_scale(pxPerUnit) {}

  void Layer(const DrawingLayer& layer) {
    const QColor colour(layer.style.red, layer.style.green, layer.style.blue);
    m_painter.setPen(QPen(colour, std::fmax(1.0, m_model.strokeUnits * m_scale)));
    m_painter.setBrush(Qt::NoBrush);
    for (const Polyline& line : layer.polylines) Path(line);
    for (const Circle& c : layer.circles)
      m_painter.drawEllipse(Map(c.centre), c.radius * m_scale, c.radius * m_scale);
    for (const Segment& s : layer.segments) m_painter.drawLine(Map(s.a), Map(s.b));
    for (const TextLine& t : layer.texts) {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPixelSize(
          std::max(1, int(std::lround((t.height > 0.0 ? t.height : m_model.textHeight) * m_scale))));
      m_painter.setFont(font);
      m_painter.drawText(Map(t.baselineLeft), t.text);
    }
  }

 private:
  QPointF Map(Point2 p) const { return {(p.x - m_x0) * m_scale, (m_y1 - p.y) * m_scale}; }
  void Path(const Polyline& line) {
    if (line.points.empty()) return;
    QPainterPath path;
    path.moveTo(Map(line.points[0]));
    for (std::size_t i = 1; i < line.points.size(); ++i) path.lineTo(Map(line.points[i]));
    if (line.closed) path.closeSubpath();
    m_painter.drawPath(path);
  }

  QPainter& m_painter;
  const ExportModel& m_model;
  double m_x0, m_y1, m_scale;
};

}  // namespace

Result<QByteArray> WritePng(const ExportModel& m, double pixelsPerMm, double maxPixels) {
  // The sheet as the SVG writer lays it out: the shown bounds and a margin all round.
  const double margin = UnitsFromMillimetres(kSheetMarginMm, m.unit);
  const Bounds all = m.ShownBounds();
  const double pxPerUnit = pixelsPerMm * MillimetresPerUnit(m.unit);
  const double w = std::ceil((all.Width() + 2 * margin) * pxPerUnit);
  const double h = std::ceil((all.Height() + 2 * margin) * pxPerUnit);
  if (!(w <= maxPixels && h <= maxPixels))
    return Error{"the drawing would be more than " + std::to_string(int(maxPixels)) + " pixels across at " +
                 std::to_string(int(pixelsPerMm)) + " pixels a millimetre; write an SVG instead"};
  QImage image(std::max(1, int(w)), std::max(1, int(h)), QImage::Format_RGB32);
  image.setDotsPerMeterX(int(std::lround(pixelsPerMm * 1000.0)));
  image.setDotsPerMeterY(int(std::lround(pixelsPerMm * 1000.0)));
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PngPainter layers(painter, m, all.minX - margin, all.maxY + margin, pxPerUnit);
  for (const DrawingLayer& layer : m.layers)
    if (m.Shows(layer)) layers.Layer(layer);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

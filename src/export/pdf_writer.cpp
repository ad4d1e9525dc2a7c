// QPdfWriter with the painter scaled to millimetres, so pens and positions are true sizes; the PDF
// maps device pixels to points exactly, so the page prints at 1:1.
#include "export/pdf_writer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "export/export_layers.h"
#include "export/export_model.h"
#include "export/pdf_page_furniture.h"
#include "export/pdf_tiling.h"

namespace {

constexpr int kResolutionDpi = 1200;
constexpr double kDrawingPenMm = 0.3;

// Model units to the tiled strip's millimetres (y down).
class StripMapping {
 public:
  StripMapping(const ExportModel& m, const TilePlan& plan)
      : m_k(MillimetresPerUnit(m.unit)),
        m_minX(m.drawing.minX),
        m_maxY(m.drawing.maxY),
        m_left(plan.drawingLeftMm),
        m_top(plan.drawingTopMm) {}

  QPointF operator()(Point2 p) const { return {m_left + (p.x - m_minX) * m_k, m_top + (m_maxY - p.y) * m_k}; }
  double Length(double units) const { return units * m_k; }

 private:
  double m_k, m_minX, m_maxY, m_left, m_top;
};

QPen LayerPen(Layer layer) {
  const LayerStyle& s = StyleOf(layer);
  return QPen(QColor(s.red, s.green, s.blue), kDrawingPenMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPolygonF ToStrip(const Polyline& line, const StripMapping& map) {
  QPolygonF poly;
  for (const Point2& p : line.points) poly << map(p);
  return poly;
}

void DrawLines(QPainter& painter, const std::vector<Segment>& lines, Layer layer, const StripMapping& map) {
  painter.setPen(LayerPen(layer));
  for (const Segment& s : lines) painter.drawLine(map(s.a), map(s.b));
}

// The drawing in strip millimetres; the caller has shifted the painter to the tile.
void DrawDrawing(QPainter& painter, const ExportModel& m, const StripMapping& map, const QPolygonF& outline) {
  painter.setBrush(Qt::NoBrush);
  DrawLines(painter, m.centreline, Layer::Centreline, map);
  DrawLines(painter, m.frets, Layer::Frets, map);
  painter.setPen(LayerPen(Layer::Soundhole));
  if (m.soundhole) {
    const double r = map.Length(m.soundhole->radius);
    painter.drawEllipse(map(m.soundhole->centre), r, r);
  }
  DrawLines(painter, m.soundholeCross, Layer::Soundhole, map);
  painter.setPen(LayerPen(Layer::Outline));
  painter.drawPolygon(outline);
}

void DrawPage(QPainter& painter, const ExportModel& m, const TilePlan& plan, int row, int col,
              const QPolygonF& outline, const StripMapping& map) {
  const QRectF frame(kPageMarginMm, kPageMarginMm, plan.frameWidthMm, plan.frameHeightMm);
  painter.save();
  painter.setClipRect(frame);
  painter.translate(frame.left() - plan.TileLeftMm(col), frame.top() - plan.TileTopMm(row));
  DrawDrawing(painter, m, map, outline);
  painter.restore();

  DrawTapingMarks(painter, frame, plan, row, col);
  DrawTileHeading(painter, frame, TileLabel(row, col));
  DrawCheckSquare(painter, frame, CheckSquareSideUnits(m.unit) * MillimetresPerUnit(m.unit),
                  CheckSquareLabel(m.unit));
  DrawAssemblyMap(painter, frame, plan, row, col, outline);
  if (row == 0 && col == 0) DrawTitleBlock(painter, frame, m.titleLines);
}

}  // namespace

QByteArray WritePdf(const ExportModel& m, const TilePlan& plan, Paper paper, QString* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kResolutionDpi);
  writer.setTitle(m.titleLines.value(0));
  writer.setCreator(QStringLiteral("vesk"));
  writer.setPageLayout(QPageLayout(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter),
                                   plan.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));

  QPainter painter;
  if (!painter.begin(&writer)) {
    if (error) *error = QStringLiteral("the PDF could not be started");
    return {};
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kResolutionDpi / 25.4, kResolutionDpi / 25.4);
  const StripMapping map(m, plan);
  const QPolygonF outline = ToStrip(m.outline, map);
  for (int row = 0; row < plan.rows; ++row)
    for (int col = 0; col < plan.cols; ++col) {
      if ((row != 0 || col != 0) && !writer.newPage()) {
        if (error) *error = QStringLiteral("the PDF could not add page %1").arg(TileLabel(row, col));
        return {};
      }
      DrawPage(painter, m, plan, row, col, outline, map);
    }
  painter.end();
  buffer.close();
  if (bytes.isEmpty() && error) *error = QStringLiteral("the PDF came out empty");
  return bytes;
}

// QPdfWriter with the painter scaled to millimetres, so pens and positions are true sizes; the PDF
// maps device pixels to points exactly, so the page prints at 1:1.
#include "export/pdf_writer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "export/export_model.h"
#include "export/pdf_page_furniture.h"
#include "export/pdf_tiling.h"
#include "export/polyline_path.h"
#include "framework/error_text.h"

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

QPen LayerPen(const DrawingLayer& layer) {
  const LayerStyle& s = layer.style;
  return QPen(QColor(s.red, s.green, s.blue), kDrawingPenMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPolygonF ToStrip(const Polyline& line, const StripMapping& map) {
  QPolygonF poly;
  for (const Point2& p : line.points) poly << map(p);
  return poly;
}

bool IsFurniture(const DrawingLayer& layer) {
  return layer.part == Part::Check || layer.part == Part::Title;
}

void DrawLayer(QPainter& painter, const ExportModel& m, const DrawingLayer& layer, const StripMapping& map) {
  painter.setPen(LayerPen(layer));
  painter.setBrush(Qt::NoBrush);
  for (const Polyline& line : layer.polylines) {
    if (line.HasArcs()) {
      painter.drawPath(PolylinePath(line, map, m.toleranceUnits));
      continue;
    }
    const QPolygonF poly = ToStrip(line, map);
    if (line.closed)
      painter.drawPolygon(poly);
    else
      painter.drawPolyline(poly);
  }
  for (const Circle& c : layer.circles) {
    const double r = map.Length(c.radius);
    painter.drawEllipse(map(c.centre), r, r);
  }
  for (const Segment& s : layer.segments) painter.drawLine(map(s.a), map(s.b));
  const QColor colour(layer.style.red, layer.style.green, layer.style.blue);
  for (const TextLine& t : layer.texts)
    DrawTextMm(painter, map(t.baselineLeft), map.Length(t.height > 0.0 ? t.height : m.textHeight), t.text,
               colour);
}

// The drawing in strip millimetres; the caller has shifted the painter to the tile. Check square and
// title block are page furniture here. Outlines go last, on top of the marks.
void DrawDrawing(QPainter& painter, const ExportModel& m, const StripMapping& map) {
  for (const bool outlines : {false, true})
    for (const DrawingLayer& layer : m.layers)
      if (m.Shows(layer) && !IsFurniture(layer) && (layer.part == Part::Outline) == outlines)
        DrawLayer(painter, m, layer, map);
}

// The first outline, in miniature on the assembly map.
QPolygonF MapOutline(const ExportModel& m, const StripMapping& map) {
  for (const DrawingLayer& layer : m.layers)
    if (layer.part == Part::Outline && !layer.polylines.empty()) return ToStrip(layer.polylines.front(), map);
  return {};
}

void DrawTilePage(QPainter& painter, const ExportModel& m, const TilePlan& plan, int row, int col,
                  const QPolygonF& mapOutline, const StripMapping& map) {
  const QRectF tile(kPageMarginMm, kPageMarginMm, plan.frameWidthMm, plan.frameHeightMm);
  painter.save();
  painter.setClipRect(tile);
  painter.translate(tile.left() - plan.TileLeftMm(col), tile.top() - plan.TileTopMm(row));
  DrawDrawing(painter, m, map);
  painter.restore();

  DrawTapingMarks(painter, tile, &plan, row, col);
  const QRectF band = BandBelow(tile);
  if (m.parts.Has(Part::Title)) {
    DrawTileLabel(painter, band, TileLabel(row, col));
    DrawAssemblyMap(painter, band, plan, row, col, mapOutline);
  }
  if (m.parts.Has(Part::Check))
    DrawCheckBar(painter, band, CheckSquareSideUnits(m.unit) * MillimetresPerUnit(m.unit),
                 CheckSquareLabel(m.unit));
}

// After the tiles, whatever the parts, so that the pages are the same for every choice of parts.
void DrawTitlePage(QPainter& painter, const ExportModel& m, const TilePlan& plan,
                   const QPolygonF& mapOutline) {
  const QRectF frame(kPageMarginMm, kPageMarginMm, plan.frameWidthMm, plan.frameHeightMm + kFurnitureBandMm);
  DrawTapingMarks(painter, frame, nullptr, 0, 0);
  const bool title = m.parts.Has(Part::Title), check = m.parts.Has(Part::Check);
  DrawTitlePage(painter, frame, title ? m.titleLines : QStringList{},
                check ? CheckSquareSideUnits(m.unit) * MillimetresPerUnit(m.unit) : 0.0,
                CheckSquareLabel(m.unit), title ? &plan : nullptr, mapOutline);
}

}  // namespace

Result<QByteArray> WritePdf(const ExportModel& m, const TilePlan& plan, Paper paper) {
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
  if (!painter.begin(&writer)) return ErrorFrom(QStringLiteral("the PDF could not be started"));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kResolutionDpi / 25.4, kResolutionDpi / 25.4);
  const StripMapping map(m, plan);
  const QPolygonF mapOutline = MapOutline(m, map);
  for (int row = 0; row < plan.rows; ++row)
    for (int col = 0; col < plan.cols; ++col) {
      if ((row != 0 || col != 0) && !writer.newPage())
        return ErrorFrom(QStringLiteral("the PDF could not add page %1").arg(TileLabel(row, col)));
      DrawTilePage(painter, m, plan, row, col, mapOutline, map);
    }
  if (!writer.newPage()) return ErrorFrom(QStringLiteral("the PDF could not add its title page"));
  DrawTitlePage(painter, m, plan, mapOutline);
  painter.end();
  buffer.close();
  if (bytes.isEmpty()) return ErrorFrom(QStringLiteral("the PDF came out empty"));
  return bytes;
}

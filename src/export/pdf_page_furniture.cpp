// Page furniture of the tiled PDF.
#include "export/pdf_page_furniture.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "export/export_layers.h"
#include "export/pdf_tiling.h"

namespace {

constexpr double kInsetMm = 4.0;
constexpr double kMarkMm = 8.0;
constexpr double kMapMaxMm = 45.0;
constexpr double kFineLineMm = 0.2;

QPen FurniturePen(double widthMm, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(kFurnitureColour, widthMm, style, Qt::FlatCap, Qt::MiterJoin);
  return pen;
}

}  // namespace

void DrawTextMm(QPainter& painter, QPointF pos, double heightMm, const QString& text, const QColor& colour) {
  painter.save();
  const QTransform toDevice = painter.transform();
  const double pixelsPerMm = toDevice.m11();
  painter.resetTransform();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * pixelsPerMm))));
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(toDevice.map(pos), text);
  painter.restore();
}

void DrawTapingMarks(QPainter& painter, const QRectF& frame, const TilePlan& plan, int row, int col) {
  painter.setPen(FurniturePen(kFineLineMm));
  const double l = frame.left(), r = frame.right(), t = frame.top(), b = frame.bottom();
  painter.drawPolyline(QPolygonF{{l, t + kMarkMm}, {l, t}, {l + kMarkMm, t}});
  painter.drawPolyline(QPolygonF{{r - kMarkMm, t}, {r, t}, {r, t + kMarkMm}});
  painter.drawPolyline(QPolygonF{{l, b - kMarkMm}, {l, b}, {l + kMarkMm, b}});
  painter.drawPolyline(QPolygonF{{r - kMarkMm, b}, {r, b}, {r, b - kMarkMm}});

  if (plan.overlapMm <= 0.0) return;
  painter.setPen(FurniturePen(kFineLineMm, Qt::DashLine));
  const double o = plan.overlapMm;
  if (col + 1 < plan.cols) painter.drawLine(QPointF(r - o, t), QPointF(r - o, b));
  if (row + 1 < plan.rows) painter.drawLine(QPointF(l, b - o), QPointF(r, b - o));
}

void DrawTileHeading(QPainter& painter, const QRectF& frame, const QString& label) {
  const QPointF corner = frame.topLeft() + QPointF(kInsetMm, kInsetMm);
  DrawTextMm(painter, corner + QPointF(0, 8), 9.0, label, kFurnitureColour);
  DrawTextMm(painter, corner + QPointF(28, 7), 5.0, QString::fromLatin1(kPrintNote), kFurnitureColour);
}

void DrawCheckSquare(QPainter& painter, const QRectF& frame, double sideMm, const QString& label) {
  const LayerStyle& style = StyleOf(Layer::Check);
  const QRectF square(frame.left() + kInsetMm, frame.bottom() - kInsetMm - sideMm, sideMm, sideMm);
  painter.setPen(QPen(QColor(style.red, style.green, style.blue), 0.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(square);
  DrawTextMm(painter, square.topLeft() + QPointF(3, 7), 4.0, QStringLiteral("Check: %1").arg(label),
             kFurnitureColour);
  DrawTextMm(painter, square.topLeft() + QPointF(3, 13), 3.5, QString::fromLatin1(kPrintNote), kFurnitureColour);
}

void DrawAssemblyMap(QPainter& painter, const QRectF& frame, const TilePlan& plan, int row, int col,
                     const QPolygonF& outlineInStrip) {
  const double stripW = plan.TileLeftMm(plan.cols - 1) + plan.frameWidthMm;
  const double stripH = plan.TileTopMm(plan.rows - 1) + plan.frameHeightMm;
  const double k = std::min(kMapMaxMm / stripW, kMapMaxMm / stripH);
  const QPointF origin(frame.right() - kInsetMm - stripW * k, frame.bottom() - kInsetMm - stripH * k);
  const auto toMap = [&](QPointF strip) { return origin + strip * k; };

  painter.setPen(FurniturePen(kFineLineMm));
  for (int r = 0; r < plan.rows; ++r)
    for (int c = 0; c < plan.cols; ++c) {
      const QRectF cell(toMap({plan.TileLeftMm(c), plan.TileTopMm(r)}),
                        QSizeF(plan.frameWidthMm * k, plan.frameHeightMm * k));
      painter.setBrush(r == row && c == col ? QColor(200, 210, 240) : QColor(Qt::transparent));
      painter.drawRect(cell);
      if (cell.width() >= 6.0 && cell.height() >= 4.0)
        DrawTextMm(painter, cell.topLeft() + QPointF(1.0, 3.0), 2.5, TileLabel(r, c), kFurnitureColour);
    }
  painter.setBrush(Qt::NoBrush);
  QPolygonF mini;
  for (const QPointF& p : outlineInStrip) mini << toMap(p);
  painter.drawPolygon(mini);
}

void DrawTitleBlock(QPainter& painter, const QRectF& frame, const QStringList& lines) {
  const QPointF start = frame.topLeft() + QPointF(kInsetMm, kInsetMm + 16.0);
  for (int i = 0; i < lines.size(); ++i)
    DrawTextMm(painter, start + QPointF(0, 5.5 * i), 3.5, lines[i], kFurnitureColour);
}

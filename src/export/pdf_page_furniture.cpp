// Page furniture of the tiled PDF. Everything here stays in the band below the tile or on the
// title page; the writer clips the drawing to the tile.
#include "export/pdf_page_furniture.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "export/export_layers.h"
#include "export/pdf_tiling.h"
#include "geometry/units.h"

namespace {

constexpr double kMarkMm = 8.0;
constexpr double kFineLineMm = 0.2;
constexpr double kCheckPenMm = 0.3;
constexpr double kBandInsetMm = 2.0;
constexpr double kCheckBarLeftMm = 28.0;  // from the band's left, past the tile label
constexpr double kTickMm = 3.0;
const QColor kShade(120, 140, 220, 90);  // translucent: the miniature outline shows through

QPen FurniturePen(double widthMm, Qt::PenStyle style = Qt::SolidLine) {
  return QPen(kFurnitureColour, widthMm, style, Qt::FlatCap, Qt::MiterJoin);
}

QPen CheckPen() {
  const LayerStyle s = DefaultStyle(Part::Check);
  return QPen(QColor(s.red, s.green, s.blue), kCheckPenMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

double StripWidth(const TilePlan& plan) {
  return plan.TileLeftMm(plan.cols - 1) + plan.frameWidthMm;
}
double StripHeight(const TilePlan& plan) {
  return plan.TileTopMm(plan.rows - 1) + plan.frameHeightMm;
}

// The map of all tiles in the box, right-aligned and top-aligned, shading tile (row, col) if any.
void DrawMap(QPainter& painter, const QRectF& box, const TilePlan& plan, int row, int col,
             const QPolygonF& outlineInStrip) {
  const double k = std::min(box.width() / StripWidth(plan), box.height() / StripHeight(plan));
  const QPointF origin(box.right() - StripWidth(plan) * k, box.top());
  const auto toMap = [&](QPointF strip) { return origin + strip * k; };

  painter.setPen(FurniturePen(kFineLineMm));
  painter.setBrush(Qt::NoBrush);
  QPolygonF mini;
  for (const QPointF& p : outlineInStrip) mini << toMap(p);
  painter.drawPolygon(mini);
  for (int r = 0; r < plan.rows; ++r)
    for (int c = 0; c < plan.cols; ++c) {
      const QRectF cell(toMap({plan.TileLeftMm(c), plan.TileTopMm(r)}),
                        QSizeF(plan.frameWidthMm * k, plan.frameHeightMm * k));
      painter.setBrush(r == row && c == col ? QBrush(kShade) : QBrush(Qt::NoBrush));
      painter.drawRect(cell);
      if (cell.width() >= 6.0 && cell.height() >= 4.0)
        DrawTextMm(painter, cell.topLeft() + QPointF(1.0, 3.0), 2.5, TileLabel(r, c), kFurnitureColour);
    }
  painter.setBrush(Qt::NoBrush);
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

void DrawTapingMarks(QPainter& painter, const QRectF& tile, const TilePlan* plan, int row, int col) {
  painter.setPen(FurniturePen(kFineLineMm));
  const double l = tile.left(), r = tile.right(), t = tile.top(), b = tile.bottom();
  painter.drawPolyline(QPolygonF{{l, t + kMarkMm}, {l, t}, {l + kMarkMm, t}});
  painter.drawPolyline(QPolygonF{{r - kMarkMm, t}, {r, t}, {r, t + kMarkMm}});
  painter.drawPolyline(QPolygonF{{l, b - kMarkMm}, {l, b}, {l + kMarkMm, b}});
  painter.drawPolyline(QPolygonF{{r - kMarkMm, b}, {r, b}, {r, b - kMarkMm}});

  if (!plan || plan->overlapMm <= 0.0) return;
  painter.setPen(FurniturePen(kFineLineMm, Qt::DashLine));
  const double o = plan->overlapMm;
  if (col + 1 < plan->cols) painter.drawLine(QPointF(r - o, t), QPointF(r - o, b));
  if (row + 1 < plan->rows) painter.drawLine(QPointF(l, b - o), QPointF(r, b - o));
}

QRectF BandBelow(const QRectF& tile) {
  return QRectF(tile.left(), tile.bottom(), tile.width(), kFurnitureBandMm);
}

void DrawTileLabel(QPainter& painter, const QRectF& band, const QString& label) {
  DrawTextMm(painter, band.topLeft() + QPointF(kBandInsetMm, 12.0), 9.0, label, kFurnitureColour);
}

void DrawCheckBar(QPainter& painter, const QRectF& band, double sideMm, const QString& label) {
  const double x0 = band.left() + kCheckBarLeftMm, x1 = x0 + sideMm, y = band.top() + 7.0;
  painter.setPen(CheckPen());
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(x0, y), QPointF(x1, y));
  painter.drawLine(QPointF(x0, y - kTickMm), QPointF(x0, y + kTickMm));
  painter.drawLine(QPointF(x1, y - kTickMm), QPointF(x1, y + kTickMm));
  DrawTextMm(painter, QPointF(x0, band.top() + 16.0), 3.5,
             QStringLiteral("Check: %1. %2").arg(label, QString::fromLatin1(kPrintNote)), kFurnitureColour);
}

void DrawAssemblyMap(QPainter& painter, const QRectF& band, const TilePlan& plan, int row, int col,
                     const QPolygonF& outlineInStrip) {
  // Right of the longest check bar (4 in), inset from the band's edges.
  const double left = band.left() + kCheckBarLeftMm + 4.0 * kMmPerInch + 6.0;
  const QRectF box(QPointF(left, band.top() + kBandInsetMm),
                   QPointF(band.right() - kBandInsetMm, band.bottom() - kBandInsetMm));
  if (box.width() > 1.0) DrawMap(painter, box, plan, row, col, outlineInStrip);
}

void DrawTitlePage(QPainter& painter, const QRectF& frame, const QStringList& lines, double sideMm,
                   const QString& label, const TilePlan* plan, const QPolygonF& outlineInStrip) {
  const QPointF start = frame.topLeft() + QPointF(10.0, 15.0);
  for (int i = 0; i < lines.size(); ++i)
    DrawTextMm(painter, start + QPointF(0, 8.0 * i), 5.0, lines[i], kFurnitureColour);
  double y = start.y() + 8.0 * lines.size() + 5.0;
  if (sideMm > 0.0) {
    painter.setPen(CheckPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(start.x(), y, sideMm, sideMm));
    DrawTextMm(painter, QPointF(start.x(), y + sideMm + 7.0), 4.0,
               QStringLiteral("Check: %1 square. %2").arg(label, QString::fromLatin1(kPrintNote)),
               kFurnitureColour);
    y += sideMm + 15.0;
  }
  if (plan) {
    const QRectF box(QPointF(start.x(), y), QPointF(frame.right() - 10.0, frame.bottom() - 10.0));
    if (box.width() > 1.0 && box.height() > 1.0) DrawMap(painter, box, *plan, -1, -1, outlineInStrip);
  }
}

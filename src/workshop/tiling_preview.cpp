// The strip of tiles is scaled to the widget; the drawing sits in it where the PDF writer puts it
// (drawingLeftMm, drawingTopMm from the strip's top-left, y down).
#include "workshop/tiling_preview.h"

#include <QPainter>
#include <cmath>

#include "framework/error_text.h"
#include "workshop/model_painter.h"

namespace {
constexpr double kMarginPx = 6.0;
}

TilingPreview::TilingPreview(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(120);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TilingPreview::setTemplate(const ExportModel& model, Paper paper, double overlapMm) {
  m_model = model;
  m_paper = paper;
  const double k = MillimetresPerUnit(model.unit);
  const Result<TilePlan> plan =
      PlanTiles(model.drawing.Width() * k, model.drawing.Height() * k, paper, overlapMm);
  m_plan = plan ? *plan : TilePlan{};
  m_error = plan ? QString() : ErrorText(plan.error());
  m_valid = true;
  update();
}

void TilingPreview::clear() {
  m_valid = false;
  update();
}

QString TilingPreview::summary() const {
  if (!m_valid) return {};
  if (!m_error.isEmpty()) return m_error;
  const TilePlan& p = m_plan;
  return tr("PDF: %1 %2 page(s), %3 (%4 x %5 tiles), and a title page")
      .arg(p.PageCount())
      .arg(m_paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"))
      .arg(p.landscape ? tr("landscape") : tr("portrait"))
      .arg(p.rows)
      .arg(p.cols);
}

void TilingPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (!m_valid || m_plan.PageCount() == 0) return;
  const TilePlan& p = m_plan;
  const double stripW = p.TileLeftMm(p.cols - 1) + p.frameWidthMm;
  const double stripH = p.TileTopMm(p.rows - 1) + p.frameHeightMm;
  const double s = std::fmin((width() - 2 * kMarginPx) / stripW, (height() - 2 * kMarginPx) / stripH);
  if (!(s > 0.0)) return;
  const QPointF origin((width() - stripW * s) / 2.0, (height() - stripH * s) / 2.0);
  painter.setPen(QPen(QColor(120, 120, 120), 1.0));
  for (int row = 0; row < p.rows; ++row)
    for (int col = 0; col < p.cols; ++col) {
      const QRectF tile(origin.x() + p.TileLeftMm(col) * s, origin.y() + p.TileTopMm(row) * s,
                        p.frameWidthMm * s, p.frameHeightMm * s);
      painter.fillRect(tile, QColor(200, 215, 240, 60));
      painter.drawRect(tile);
      painter.drawText(tile.adjusted(3, 2, 0, 0), Qt::AlignTop | Qt::AlignLeft, TileLabel(row, col));
    }
  // Model units to the strip: the drawing's top-left corner is its (minX, maxY).
  const double k = MillimetresPerUnit(m_model.unit) * s;
  const QTransform toStrip(k, 0.0, 0.0, -k, origin.x() + p.drawingLeftMm * s - m_model.drawing.minX * k,
                           origin.y() + p.drawingTopMm * s + m_model.drawing.maxY * k);
  PartSet lines = PartSet::None();
  for (Part part : {Part::Outline, Part::Offsets, Part::Centreline, Part::Soundhole, Part::Frets})
    lines.Add(part);
  PaintExportModel(painter, m_model, toStrip, lines);
}

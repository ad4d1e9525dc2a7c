// The view keeps a scale (pixels per model unit) and the model point at its centre; every paint
// maps model to widget from those two, so zoom and pan are plain arithmetic on them.
#include "workshop/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "workshop/model_painter.h"

namespace {

constexpr double kFitMarginPx = 16.0;
constexpr double kZoomStep = 1.25;
// Wheel notches are 120 units of angle; one notch zooms by kZoomStep.
constexpr double kWheelNotch = 120.0;
constexpr double kMinScale = 1e-3, kMaxScale = 1e6;
// A press that moves less than this is a click, not a drag.
constexpr double kClickSlopPx = 4.0;
constexpr double kMarkArmPx = 4.0;

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
  m_visible.fill(true);
  setMinimumSize(200, 150);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(false);
  setAccessibleName(tr("Drawing"));
}

void DrawingView::setModel(const ExportModel& model) {
  m_model = model;
  m_hasModel = true;
  m_problem.clear();
  if (m_fitted) zoomToFit();
  update();
}

void DrawingView::setProblem(const QString& text) {
  m_problem = text;
  m_hasModel = false;
  update();
}

void DrawingView::setPartVisible(Part part, bool visible) {
  m_visible[static_cast<size_t>(part)] = visible;
  update();
}

PartSet DrawingView::visibleParts() const {
  PartSet parts = PartSet::None();
  for (Part p : kAllParts)
    if (isPartVisible(p) && (!m_hasModel || m_model.parts.Has(p))) parts.Add(p);
  return parts;
}

void DrawingView::setUnderlay(const QImage& image, const QTransform& imageToModel) {
  m_underlay = image;
  m_underlayToModel = imageToModel;
  update();
}

void DrawingView::setMarks(const std::vector<ViewMarks>& marks) {
  m_marks = marks;
  update();
}

QTransform DrawingView::modelToWidget() const {
  return QTransform(m_scale, 0.0, 0.0, -m_scale, width() / 2.0 - m_centre.x() * m_scale,
                    height() / 2.0 + m_centre.y() * m_scale);
}

void DrawingView::zoomToFit() {
  m_fitted = true;
  Bounds b = m_hasModel ? VisibleBounds(m_model, visibleParts()) : Bounds{};
  if (b.empty || !b.IsFinite()) b = m_hasModel ? m_model.ShownBounds() : Bounds{};
  if (b.empty || !b.IsFinite()) return;
  const double w = std::fmax(width() - 2.0 * kFitMarginPx, 1.0);
  const double h = std::fmax(height() - 2.0 * kFitMarginPx, 1.0);
  const double sx = b.Width() > 0.0 ? w / b.Width() : kMaxScale;
  const double sy = b.Height() > 0.0 ? h / b.Height() : kMaxScale;
  m_centre = QPointF((b.minX + b.maxX) / 2.0, (b.minY + b.maxY) / 2.0);
  setScale(std::fmin(sx, sy));
}

void DrawingView::zoomIn() {
  zoomAt(kZoomStep, rect().center());
}

void DrawingView::zoomOut() {
  zoomAt(1.0 / kZoomStep, rect().center());
}

void DrawingView::actualSize() {
  m_fitted = false;
  const double pixelsPerMm = logicalDpiX() / 25.4;
  setScale(pixelsPerMm * MillimetresPerUnit(m_model.unit));
}

void DrawingView::zoomAt(double factor, QPointF widgetPoint) {
  m_fitted = false;
  // The model point under widgetPoint stays where it is.
  const QPointF anchor = modelToWidget().inverted().map(widgetPoint);
  const double old = m_scale;
  setScale(m_scale * factor);
  const double ratio = old / m_scale;
  m_centre = anchor + (m_centre - anchor) * ratio;
  update();
}

void DrawingView::setScale(double scale) {
  if (!std::isfinite(scale)) return;
  m_scale = std::fmin(std::fmax(scale, kMinScale), kMaxScale);
  emit scaleChanged(m_scale);
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QTransform toWidget = modelToWidget();
  if (!m_underlay.isNull()) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(m_underlayToModel * toWidget);
    painter.setOpacity(0.6);
    painter.drawImage(QPointF(0.0, 0.0), m_underlay);
    painter.restore();
  }
  if (m_hasModel) PaintExportModel(painter, m_model, toWidget, visibleParts());
  paintMarks(painter);
  if (!m_problem.isEmpty()) {
    painter.setPen(Qt::darkRed);
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                     m_problem);
  }
}

void DrawingView::paintMarks(QPainter& painter) const {
  const QTransform toWidget = modelToWidget();
  for (const ViewMarks& marks : m_marks) {
    painter.setPen(QPen(marks.colour, 1.5));
    if (marks.joined) {
      QPolygonF line;
      for (const Point2& p : marks.points) line << toWidget.map(QPointF(p.x, p.y));
      painter.drawPolygon(line);
      continue;
    }
    for (const Point2& p : marks.points) {
      const QPointF c = toWidget.map(QPointF(p.x, p.y));
      painter.drawLine(c - QPointF(kMarkArmPx, kMarkArmPx), c + QPointF(kMarkArmPx, kMarkArmPx));
      painter.drawLine(c - QPointF(kMarkArmPx, -kMarkArmPx), c + QPointF(kMarkArmPx, -kMarkArmPx));
    }
  }
}

void DrawingView::resizeEvent(QResizeEvent*) {
  if (m_fitted) zoomToFit();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kWheelNotch;
  if (notches != 0.0) zoomAt(std::pow(kZoomStep, notches), event->position());
  event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  m_pressed = true;
  m_dragged = false;
  m_pressAt = m_lastDrag = event->position();
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (!m_pressed) return;
  const QPointF at = event->position();
  if (!m_dragged && (at - m_pressAt).manhattanLength() < kClickSlopPx) return;
  m_dragged = true;
  m_fitted = false;
  const QPointF delta = at - m_lastDrag;
  m_lastDrag = at;
  m_centre -= QPointF(delta.x() / m_scale, -delta.y() / m_scale);
  setCursor(Qt::ClosedHandCursor);
  update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
  if (!m_pressed || event->button() != Qt::LeftButton) return;
  m_pressed = false;
  unsetCursor();
  if (!m_dragged && m_picking) emit modelClicked(modelToWidget().inverted().map(event->position()));
}

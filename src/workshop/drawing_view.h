// The centre of the workshop: the design drawn to scale from its template's drawing model, with
// zoom (the wheel, fit, actual size), pan (drag) and layers to show or hide. A picture may lie
// under the drawing and marks over it; a click can hand the model point under the cursor out.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QTransform>
#include <QWidget>
#include <array>
#include <vector>

#include "export/export_model.h"

// Points drawn over the drawing, each as a small cross in one colour (match points, misses, clicks),
// or joined as one closed line (a matched outline).
struct ViewMarks {
  std::vector<Point2> points;
  QColor colour;
  bool joined = false;
};

class DrawingView : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingView(QWidget* parent = nullptr);

  // The drawing to show. The first one (and any after a fit) is fitted to the window; later ones
  // keep the zoom and pan, so a change of one value does not jump.
  void setModel(const ExportModel& model);
  // Shown instead of the drawing when the design cannot be drawn; the next model replaces it.
  void setProblem(const QString& text);
  const ExportModel& model() const { return m_model; }

  void setPartVisible(Part part, bool visible);
  bool isPartVisible(Part part) const { return m_visible[static_cast<size_t>(part)]; }
  // The parts shown: those the template holds and the user has not hidden.
  PartSet visibleParts() const;

  // A picture under the drawing, placed by imageToModel; a null image removes it.
  void setUnderlay(const QImage& image, const QTransform& imageToModel);
  QTransform underlayToModel() const { return m_underlayToModel; }
  void setMarks(const std::vector<ViewMarks>& marks);
  // While on, a click (without dragging) emits modelClicked instead of starting a pan.
  void setPicking(bool on) { m_picking = on; }

  // Pixels per model unit.
  double scale() const { return m_scale; }
  QTransform modelToWidget() const;

 public slots:
  void zoomToFit();
  void zoomIn();
  void zoomOut();
  // One model unit as long on the screen as on paper, by the screen's logical resolution.
  void actualSize();

 signals:
  void modelClicked(QPointF modelPoint);
  void scaleChanged(double pixelsPerUnit);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void zoomAt(double factor, QPointF widgetPoint);
  void setScale(double scale);
  void paintMarks(QPainter& painter) const;

  ExportModel m_model;
  bool m_hasModel = false;
  QString m_problem;
  std::array<bool, kAllParts.size()> m_visible{};
  QImage m_underlay;
  QTransform m_underlayToModel;
  std::vector<ViewMarks> m_marks;
  bool m_picking = false;

  double m_scale = 1.0;
  QPointF m_centre;      // the model point at the widget's centre
  bool m_fitted = true;  // follows the window's size until the user zooms or pans
  QPointF m_pressAt, m_lastDrag;
  bool m_pressed = false, m_dragged = false;
};

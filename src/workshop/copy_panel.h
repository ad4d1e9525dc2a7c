// The Copy panel: a design copied from an instrument. It loads measured points, a CAD file or a
// picture (which lies under the drawing, scaled by its check square or by two clicked points and
// their distance), traces the picture or takes points clicked on it, matches a design to the
// points, shows the misses and the points left out, and puts the matched design in the session
// as one undoable change. Reading, tracing and matching run off the GUI thread.
#pragma once

#include <QPointF>
#include <QPointer>
#include <QPromise>
#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "export/export_units.h"
#include "match/match_fit.h"
#include "workshop/copy_source.h"

class BackgroundTask;
class DesignSession;
class DrawingView;
class NumberField;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class CopyPanel : public QWidget {
  Q_OBJECT

 public:
  CopyPanel(DesignSession* session, DrawingView* view, QWidget* parent = nullptr);
  ~CopyPanel() override;

  // What a click on the drawing does.
  enum class Picking { None, Points, Scale };

  // The design's unit, which the points are read in unless the panel names theirs; a change
  // reads the file again.
  void setDesignUnit(ExportUnit unit);
  // Reads the file off the GUI thread; on failure one line in the panel and nothing changes.
  void load(const QString& path);
  void trace();
  void match();
  // The matched design replaces the session's shape (one undoable change).
  void useMatchedDesign();
  // Scales the picture by the two points clicked in Scale picking and the distance typed.
  void applyScale();
  void setPicking(Picking picking);
  void addPoint(QPointF planePoint);
  void removeLastPoint();
  void clearPoints();
  // Asks the running work to stop.
  void cancelWork();
  void waitForWork();

  const std::optional<CopySource>& source() const { return m_source; }
  // The points a match takes: read, or traced and clicked on a picture (the plane's frame).
  const std::vector<Point2>& points() const { return m_points; }
  const std::optional<MatchResult>& result() const { return m_result; }
  // The line the panel shows on the last load, trace or match.
  QString message() const;
  QTransform pictureToPlane() const { return m_toPlane; }
  NumberField* distanceField() const { return m_distance; }
  QComboBox* pointsUnitBox() const { return m_pointsUnit; }
  QComboBox* layerBox() const { return m_layer; }
  QCheckBox* alignBox() const { return m_align; }

 signals:
  // Load, trace or match has ended (done or failed or cancelled).
  void workFinished();

 private slots:
  void browse();
  void pick(QPointF modelPoint);

 private:
  QWidget* buildSourceGroup();
  QWidget* buildPictureGroup();
  QWidget* buildMatchGroup();
  void takeSource(CopySource source);
  void takeTrace(const std::vector<Point2>& planePoints);
  void takeMatch(const Result<MatchResult>& result, bool cancelled);
  BackgroundTask* startWork(const QString& label, std::function<void(QPromise<void>&)> work,
                            std::function<void(bool)> done);
  void showState();
  void showOnView();
  void say(const QString& text);
  CopyReadOptions readOptions(const QString& path) const;
  // The plane a trace of the picture puts its points in, before the panel's shift.
  QTransform tracePlane() const;
  double unitMm() const { return MillimetresPerUnit(m_unit); }

  DesignSession* m_session;
  DrawingView* m_view;
  ExportUnit m_unit = ExportUnit::Cm;
  std::optional<CopySource> m_source;
  QTransform m_toPlane;                    // the shown picture to the plane the points are in
  std::optional<double> m_mmPerFilePixel;  // a scale from two clicked points
  std::vector<Point2> m_points;
  std::vector<QPointF> m_scaleClicks;
  std::optional<MatchResult> m_result;
  Picking m_picking = Picking::None;
  QPointer<BackgroundTask> m_task;

  QLabel* m_file = nullptr;
  QComboBox* m_pointsUnit = nullptr;
  QComboBox* m_layer = nullptr;
  QLabel* m_message = nullptr;
  QWidget* m_pictureGroup = nullptr;
  QLabel* m_scale = nullptr;
  QPushButton* m_scalePick = nullptr;
  NumberField* m_distance = nullptr;
  QPushButton* m_pointPick = nullptr;
  QPushButton* m_trace = nullptr;
  QCheckBox* m_align = nullptr;
  QPushButton* m_match = nullptr;
  QLabel* m_summary = nullptr;
  QPushButton* m_use = nullptr;
};

// The Copy panel's work: reading, tracing and matching on Qt's thread pool (each works on copies,
// so the window may change meanwhile), and what comes back taken on the GUI thread.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <atomic>
#include <memory>

#include "framework/error_text.h"
#include "geometry/fit_shape.h"
#include "match/point_checks.h"
#include "trace/trace_picture.h"
#include "workshop/background_task.h"
#include "workshop/copy_panel.h"
#include "workshop/copy_plane.h"
#include "workshop/design_session.h"
#include "workshop/drawing_view.h"
#include "workshop/number_field.h"

namespace {

constexpr int kProgressSteps = 1000;

QString PointsText(const std::vector<Point2>& points) {
  return CopyPanel::tr("%1 points").arg(points.size());
}

}  // namespace

void CopyPanel::setDesignUnit(ExportUnit unit) {
  if (unit == m_unit) return;
  m_unit = unit;
  if (m_source && !m_task) load(m_source->path);
}

CopyReadOptions CopyPanel::readOptions(const QString& path) const {
  CopyReadOptions o;
  o.designUnit = m_unit;
  if (const double mm = m_pointsUnit->currentData().toDouble(); mm > 0.0) o.pointsUnitMm = mm;
  // The layer chosen belongs to the file read last.
  if (m_layer->isEnabled() && m_source && m_source->path == path)
    o.layer = m_layer->currentText().toStdString();
  return o;
}

BackgroundTask* CopyPanel::startWork(const QString& label, std::function<void(QPromise<void>&)> work,
                                     std::function<void(bool)> done) {
  m_task =
      BackgroundTask::start(this, label, std::move(work), [this, done = std::move(done)](bool cancelled) {
        m_task = nullptr;
        done(cancelled);
        showState();
        emit workFinished();
      });
  showState();
  return m_task;
}

void CopyPanel::cancelWork() {
  if (m_task) m_task->cancel();
}

void CopyPanel::waitForWork() {
  if (m_task) m_task->wait();
}

void CopyPanel::load(const QString& path) {
  if (m_task) return;
  auto read = std::make_shared<std::optional<Result<CopySource>>>();
  startWork(
      tr("Reading %1...").arg(path),
      [read, path, options = readOptions(path)](QPromise<void>&) {
        read->emplace(ReadCopySource(path, options));
      },
      [this, read, path](bool cancelled) {
        if (cancelled || !read->has_value()) return say(tr("Loading was cancelled; nothing changed."));
        if (!**read) return say(tr("Cannot read %1: %2").arg(path, ErrorText((*read)->error())));
        takeSource(std::move(***read));
      });
}

void CopyPanel::takeSource(CopySource source) {
  m_source = std::move(source);
  m_result.reset();
  m_mmPerFilePixel.reset();
  m_scaleClicks.clear();
  setPicking(Picking::None);
  m_points = m_source->points.points;
  m_toPlane = m_source->toPlane;
  m_layer->clear();
  for (const LayerPoints& l : m_source->points.layers) m_layer->addItem(QString::fromStdString(l.name));
  m_layer->setCurrentText(QString::fromStdString(m_source->points.layer));
  QStringList lines;
  if (m_source->kind == CopyKind::Picture) {
    // The picture's middle over the drawing's, so both are on the screen before the match.
    const QPointF middle =
        m_toPlane.map(QPointF(m_source->picture.width() / 2.0, m_source->picture.height() / 2.0));
    const Bounds b = m_view->model().drawing;
    const QPointF target = b.empty ? QPointF() : QPointF((b.minX + b.maxX) / 2.0, (b.minY + b.maxY) / 2.0);
    m_toPlane *= QTransform::fromTranslate(target.x() - middle.x(), target.y() - middle.y());
    lines << tr("A picture, %1 x %2 pixels: trace it or click points on it.")
                 .arg(m_source->picture.width() * m_source->shrink, 0, 'f', 0)
                 .arg(m_source->picture.height() * m_source->shrink, 0, 'f', 0);
  } else {
    lines << tr("%1 from a %2.")
                 .arg(PointsText(m_points), m_source->kind == CopyKind::Dxf ? tr("DXF") : tr("table"));
    for (const std::string& note : m_source->points.notes) lines << QString::fromStdString(note);
    if (ImplausibleBodyExtent(m_source->points.extentMm))
      lines << tr("The points span %1 mm, not an instrument's size: choose their unit.")
                   .arg(m_source->points.extentMm, 0, 'g', 4);
  }
  say(lines.join(QLatin1Char('\n')));
}

void CopyPanel::trace() {
  if (m_task || !m_source || m_source->kind != CopyKind::Picture) return;
  if (!m_source->scaled && !m_mmPerFilePixel)
    return say(tr("The picture has no scale yet: click two points a known distance apart and type it."));
  TraceOptions options;
  options.unitMm = unitMm();
  options.squareSideMm = CopySquareSideMm(m_unit);
  options.quietDecoders = true;
  if (m_mmPerFilePixel) {
    options.findSquare = false;
    options.dpi = 25.4 / *m_mmPerFilePixel;
  }
  auto traced = std::make_shared<std::optional<Result<TraceResult>>>();
  startWork(
      tr("Tracing..."),
      [traced, bytes = m_source->bytes, options](QPromise<void>&) {
        traced->emplace(
            TracePicture(std::string_view(bytes.constData(), std::size_t(bytes.size())), options));
      },
      [this, traced](bool cancelled) {
        if (cancelled || !traced->has_value()) return say(tr("The trace was cancelled; nothing changed."));
        if (!**traced) return say(tr("No trace: %1").arg(ErrorText((*traced)->error())));
        // The trace's points sit on the plane from its origin; the panel's plane is shifted as shown.
        const QPointF shift = m_toPlane.map(QPointF()) - tracePlane().map(QPointF());
        std::vector<Point2> points;
        for (const Point2& p : (**traced)->points)
          points.push_back({p.x + (**traced)->origin.x + shift.x(), p.y + (**traced)->origin.y + shift.y()});
        takeTrace(points);
      });
}

void CopyPanel::takeTrace(const std::vector<Point2>& planePoints) {
  m_points = planePoints;
  m_result.reset();
  say(tr("Traced: %1.").arg(PointsText(m_points)));
}

QTransform CopyPanel::tracePlane() const {
  return m_mmPerFilePixel ? ScaledPlane(*m_mmPerFilePixel, m_source->shrink, unitMm()) : m_source->toPlane;
}

void CopyPanel::match() {
  if (m_task || m_points.empty()) return;
  MatchOptions options;
  options.align = m_align->isChecked();
  if (const Status usable = CheckPoints(m_points, PointsNeeded(options)); !usable)
    return say(tr("Cannot match: %1").arg(ErrorText(usable.error())));
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  auto matched = std::make_shared<std::optional<Result<MatchResult>>>();
  BackgroundTask* task = startWork(
      tr("Matching a design to %1...").arg(PointsText(m_points)),
      [points = m_points, options, cancel, matched](QPromise<void>& promise) mutable {
        promise.setProgressRange(0, kProgressSteps);
        options.control.cancel = cancel.get();
        options.control.progress = [&promise](double f) {
          promise.setProgressValue(int(f * kProgressSteps));
        };
        matched->emplace(MatchDesign(points, options));
      },
      [this, matched](bool cancelled) {
        if (cancelled || !matched->has_value()) return takeMatch(Error{"cancelled"}, true);
        takeMatch(**matched, false);
      });
  // The match looks at its flag between solver iterations, far more often than at its progress.
  connect(task, &BackgroundTask::cancelRequested, this, [cancel] { cancel->store(true); });
}

void CopyPanel::takeMatch(const Result<MatchResult>& result, bool cancelled) {
  if (cancelled) return say(tr("The match was cancelled; nothing changed."));
  if (!result) return say(tr("No match: %1").arg(ErrorText(result.error())));
  m_result = *result;
  const QString unit = UnitName(m_unit);
  QString text = tr("RMS %1 %2, largest miss %3 %2 (red); %4 points kept, %5 left out (grey); the matched "
                    "outline in green.")
                     .arg(m_result->rms, 0, 'g', 3)
                     .arg(unit)
                     .arg(m_result->maxDistance, 0, 'g', 3)
                     .arg(m_result->points.size() - m_result->rejected.size())
                     .arg(m_result->rejected.size());
  if (!m_result->hasWaist)
    text += QLatin1Char(' ') + tr("The points show no waist: the nearest outline has none.");
  say(text);
}

void CopyPanel::useMatchedDesign() {
  if (!m_result || m_task) return;
  Design design = m_session->design();
  design.shape = DesignShape::FromArray(m_result->values);
  if (!FitOutline(design.shape).Valid()) return say(tr("The matched values do not fit an outline."));
  m_session->change(design, tr("Use Matched Design"));
}

void CopyPanel::pick(QPointF modelPoint) {
  if (m_picking == Picking::None || !m_source || m_source->kind != CopyKind::Picture) return;
  // After a match the drawing shows the points moved onto the design; a click goes back to the plane.
  const QPointF plane = m_result ? MotionTransform(m_result->motion).inverted().map(modelPoint) : modelPoint;
  if (m_picking == Picking::Points) return addPoint(plane);
  if (m_scaleClicks.size() == 2) m_scaleClicks.clear();
  m_scaleClicks.push_back(plane);
  showOnView();
}

void CopyPanel::addPoint(QPointF planePoint) {
  m_points.push_back({planePoint.x(), planePoint.y()});
  m_result.reset();
  showState();
}

void CopyPanel::removeLastPoint() {
  if (m_picking != Picking::Points || m_points.empty()) return;
  m_points.pop_back();
  m_result.reset();
  showState();
}

void CopyPanel::clearPoints() {
  if (!m_source || m_source->kind != CopyKind::Picture) return;
  m_points.clear();
  m_result.reset();
  showState();
}

void CopyPanel::applyScale() {
  if (!m_source || m_source->kind != CopyKind::Picture || m_scaleClicks.size() != 2) {
    say(tr("Click two points on the picture first (Click two points), then type their distance."));
    return;
  }
  const std::optional<double> distance = m_distance->value();
  const std::optional<double> mm = MillimetresPerFilePixel(
      m_toPlane, m_source->shrink, m_scaleClicks[0], m_scaleClicks[1], distance.value_or(0.0), unitMm());
  if (!mm)
    return say(
        tr("Type the distance between the two points (a positive number, in %1).").arg(UnitName(m_unit)));
  // The picture grows or shrinks about its middle; the points on it go with it.
  const QTransform old = m_toPlane;
  const QPointF middle(m_source->picture.width() / 2.0, m_source->picture.height() / 2.0);
  m_mmPerFilePixel = *mm;
  m_toPlane = tracePlane();
  const QPointF move = old.map(middle) - m_toPlane.map(middle);
  m_toPlane *= QTransform::fromTranslate(move.x(), move.y());
  const QTransform remap = old.inverted() * m_toPlane;
  for (Point2& p : m_points) {
    const QPointF q = remap.map(QPointF(p.x, p.y));
    p = {q.x(), q.y()};
  }
  m_scaleClicks.clear();
  m_result.reset();
  setPicking(Picking::None);
  say(tr("Scale set from two points %1 %2 apart.").arg(*distance).arg(UnitName(m_unit)));
  showState();
}

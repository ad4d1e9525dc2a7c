// The panel's widgets and what they show; the work behind the buttons is in copy_panel_work.cpp.
#include "workshop/copy_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "geometry/fit_shape.h"
#include "workshop/background_task.h"
#include "workshop/copy_plane.h"
#include "workshop/drawing_view.h"
#include "workshop/number_field.h"

namespace {

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

const QColor kPointColour(0, 0, 200), kRejectedColour(150, 150, 150), kWorstColour(220, 0, 0),
    kOutlineColour(0, 150, 0), kScaleColour(200, 0, 200);
// A traced outline has a point every millimetre; crosses that close would hide the lines.
constexpr std::size_t kMostMarks = 240;

std::vector<Point2> Thinned(const std::vector<Point2>& points) {
  if (points.size() <= kMostMarks) return points;
  std::vector<Point2> out;
  for (std::size_t i = 0; i < kMostMarks; ++i) out.push_back(points[i * points.size() / kMostMarks]);
  return out;
}

// The matched design's whole outline, as the session would fit it.
std::vector<Point2> MatchedOutline(const DesignValues& values) {
  constexpr int kSteps = 180;
  const FittedOutline outline = FitOutline(DesignShape::FromArray(values));
  std::vector<Point2> line;
  if (!outline.Valid()) return line;
  for (int k = 0; k <= kSteps; ++k) line.push_back(outline.At(180.0 * k / kSteps));
  for (int k = kSteps - 1; k > 0; --k) line.push_back({line[std::size_t(k)].x, -line[std::size_t(k)].y});
  return line;
}

QLabel* WrappedLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CopyPanel::CopyPanel(DesignSession* session, DrawingView* view, QWidget* parent)
    : QWidget(parent), m_session(session), m_view(view) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildSourceGroup());
  layout->addWidget(buildPictureGroup());
  layout->addWidget(buildMatchGroup());
  layout->addStretch(1);
  connect(m_view, &DrawingView::modelClicked, this, &CopyPanel::pick);
  // Backspace on the drawing takes back the last point clicked.
  auto* removeLast = new QAction(tr("Remove Last Point"), m_view);
  removeLast->setShortcut(QKeySequence(Qt::Key_Backspace));
  removeLast->setShortcutContext(Qt::WidgetShortcut);
  connect(removeLast, &QAction::triggered, this, &CopyPanel::removeLastPoint);
  m_view->addAction(removeLast);
  showState();
}

CopyPanel::~CopyPanel() {
  cancelWork();
  waitForWork();
}

QWidget* CopyPanel::buildSourceGroup() {
  auto* group = new QGroupBox(tr("Copy from"), this);
  auto* loadButton = Button(tr("&Load..."), QStringLiteral("copyLoad"), group);
  loadButton->setToolTip(
      tr("Measured points (a text table), a CAD file (DXF) or a picture (PNG, JPEG, TIFF)"));
  connect(loadButton, &QPushButton::clicked, this, &CopyPanel::browse);
  m_file = WrappedLabel(QStringLiteral("copyFile"), group);
  m_pointsUnit = new QComboBox(group);
  m_pointsUnit->setObjectName(QStringLiteral("copyPointsUnit"));
  m_pointsUnit->addItem(tr("As the file says (or the design's)"), 0.0);
  for (const auto& [name, mm] :
       {std::pair{tr("mm"), 1.0}, {tr("cm"), 10.0}, {tr("in"), 25.4}, {tr("m"), 1000.0}})
    m_pointsUnit->addItem(name, mm);
  m_layer = new QComboBox(group);
  m_layer->setObjectName(QStringLiteral("copyLayer"));
  auto reload = [this] {
    if (m_source && m_source->kind != CopyKind::Picture) load(m_source->path);
  };
  connect(m_pointsUnit, QOverload<int>::of(&QComboBox::activated), this, reload);
  connect(m_layer, QOverload<int>::of(&QComboBox::activated), this, reload);
  m_message = WrappedLabel(QStringLiteral("copyMessage"), group);
  auto* form = new QFormLayout(group);
  form->addRow(loadButton, m_file);
  form->addRow(tr("Points' unit"), m_pointsUnit);
  form->addRow(tr("Layer"), m_layer);
  form->addRow(m_message);
  return group;
}

QWidget* CopyPanel::buildPictureGroup() {
  auto* group = new QGroupBox(tr("Picture"), this);
  m_pictureGroup = group;
  m_scale = WrappedLabel(QStringLiteral("copyScale"), group);
  m_scalePick = Button(tr("Click &two points"), QStringLiteral("copyScalePick"), group);
  m_scalePick->setCheckable(true);
  m_scalePick->setToolTip(tr("Click two points on the picture a known distance apart, type the distance"));
  connect(m_scalePick, &QPushButton::toggled, this,
          [this](bool on) { setPicking(on ? Picking::Scale : Picking::None); });
  m_distance = new NumberField(group);
  m_distance->setObjectName(QStringLiteral("copyDistance"));
  m_distance->setPlaceholderText(tr("distance"));
  auto* apply = Button(tr("Set &scale"), QStringLiteral("copyApplyScale"), group);
  connect(apply, &QPushButton::clicked, this, &CopyPanel::applyScale);
  m_trace = Button(tr("T&race"), QStringLiteral("copyTrace"), group);
  connect(m_trace, &QPushButton::clicked, this, &CopyPanel::trace);
  m_pointPick = Button(tr("Click &points"), QStringLiteral("copyPointPick"), group);
  m_pointPick->setCheckable(true);
  m_pointPick->setToolTip(tr("Each click on the drawing adds a point; Backspace takes the last back"));
  connect(m_pointPick, &QPushButton::toggled, this,
          [this](bool on) { setPicking(on ? Picking::Points : Picking::None); });
  auto* clear = Button(tr("&Clear"), QStringLiteral("copyClear"), group);
  connect(clear, &QPushButton::clicked, this, &CopyPanel::clearPoints);
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(m_scalePick);
  scaleRow->addWidget(m_distance, 1);
  scaleRow->addWidget(apply);
  auto* pointRow = new QHBoxLayout;
  pointRow->addWidget(m_trace);
  pointRow->addWidget(m_pointPick);
  pointRow->addWidget(clear);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_scale);
  layout->addLayout(scaleRow);
  layout->addLayout(pointRow);
  return group;
}

QWidget* CopyPanel::buildMatchGroup() {
  auto* group = new QGroupBox(tr("Match"), this);
  m_align = new QCheckBox(tr("&Align: turn and move the points too"), group);
  m_align->setObjectName(QStringLiteral("copyAlign"));
  m_match = Button(tr("&Match"), QStringLiteral("copyMatch"), group);
  connect(m_match, &QPushButton::clicked, this, &CopyPanel::match);
  m_summary = WrappedLabel(QStringLiteral("copySummary"), group);
  m_use = Button(tr("&Use this design"), QStringLiteral("copyUse"), group);
  connect(m_use, &QPushButton::clicked, this, &CopyPanel::useMatchedDesign);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_align);
  layout->addWidget(m_match);
  layout->addWidget(m_summary);
  layout->addWidget(m_use);
  return group;
}

void CopyPanel::browse() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Copy From"), QString(),
                                                    tr("Points, CAD files and pictures (*.txt *.csv *.dxf "
                                                       "*.png *.jpg *.jpeg *.tif *.tiff);;All Files (*)"));
  if (!path.isEmpty()) load(path);
}

QString CopyPanel::message() const {
  return m_message->text();
}

void CopyPanel::say(const QString& text) {
  m_message->setText(text);
}

void CopyPanel::setPicking(Picking picking) {
  m_picking = picking;
  if (picking == Picking::Scale) m_scaleClicks.clear();
  const QSignalBlocker blockScale(m_scalePick), blockPoints(m_pointPick);
  m_scalePick->setChecked(picking == Picking::Scale);
  m_pointPick->setChecked(picking == Picking::Points);
  m_view->setPicking(picking != Picking::None);
}

void CopyPanel::showState() {
  const bool picture = m_source && m_source->kind == CopyKind::Picture;
  const bool busy = !m_task.isNull();
  m_file->setText(m_source ? QFileInfo(m_source->path).fileName() : tr("Nothing loaded"));
  m_pointsUnit->setEnabled(!picture);
  const bool layers = m_source && m_source->points.layers.size() > 1;
  m_layer->setEnabled(layers);
  m_pictureGroup->setEnabled(picture && !busy);
  if (picture) m_align->setChecked(true);
  m_align->setEnabled(!picture);
  m_match->setEnabled(!m_points.empty() && !busy);
  m_use->setEnabled(m_result.has_value() && !busy);
  if (!picture)
    m_scale->clear();
  else if (m_mmPerFilePixel)
    m_scale->setText(tr("Scale: two points, %1 mm a pixel").arg(*m_mmPerFilePixel, 0, 'g', 4));
  else if (m_source->scaled)
    m_scale->setText(tr("Scale: %1").arg(m_source->scale));
  else
    m_scale->setText(
        tr("No check square found and no resolution recorded: click two points a known "
           "distance apart and type their distance."));
  showOnView();
}

void CopyPanel::showOnView() {
  const bool picture = m_source && m_source->kind == CopyKind::Picture;
  const QTransform motion = m_result ? MotionTransform(m_result->motion) : QTransform();
  m_view->setUnderlay(picture ? m_source->picture : QImage(), m_toPlane * motion);
  std::vector<ViewMarks> marks;
  if (!m_result) {
    marks.push_back({Thinned(m_points), kPointColour});
  } else {
    marks.push_back({MatchedOutline(m_result->values), kOutlineColour, true});
    std::vector<Point2> kept, rejected;
    for (const PointMatch& p : m_result->points) (p.rejected ? rejected : kept).push_back(p.point);
    marks.push_back({Thinned(kept), kPointColour});
    marks.push_back({rejected, kRejectedColour});
    marks.push_back({{m_result->points[m_result->maxIndex].point}, kWorstColour});
  }
  std::vector<Point2> clicks;
  for (const QPointF& c : m_scaleClicks) clicks.push_back({c.x(), c.y()});
  marks.push_back({clicks, kScaleColour});
  m_view->setMarks(marks);
}

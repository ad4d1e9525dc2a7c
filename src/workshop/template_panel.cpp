// Each control maps to one field of the settings; the settings are read whole whenever one changes,
// so the panel holds no second copy of them.
#include "workshop/template_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

#include "framework/error_text.h"
#include "workshop/offset_table.h"
#include "workshop/tiling_preview.h"

namespace {

template <class Enum>
Enum Current(const QComboBox* box) {
  return static_cast<Enum>(box->currentData().toInt());
}

}  // namespace

TemplatePanel::TemplatePanel(QWidget* parent) : QWidget(parent) {
  m_problem = new QLabel(this);
  m_problem->setObjectName(QStringLiteral("templateProblem"));
  m_problem->setWordWrap(true);
  m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
  m_notes = new QLabel(this);
  m_notes->setWordWrap(true);
  m_export = new QPushButton(tr("Export..."), this);
  m_export->setObjectName(QStringLiteral("exportTemplate"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildContentGroup());
  layout->addWidget(buildPartsGroup());
  layout->addWidget(buildFileGroup());
  layout->addWidget(buildPagesGroup());
  layout->addWidget(m_problem);
  layout->addWidget(m_notes);
  layout->addWidget(m_export);
  layout->addStretch(1);
  connect(m_export, &QPushButton::clicked, this, &TemplatePanel::exportRequested);
  connect(this, &TemplatePanel::settingsChanged, this, &TemplatePanel::updateEnabled);
  updateEnabled();
}

QComboBox* TemplatePanel::addCombo(const QList<std::pair<QString, int>>& items, int current) {
  auto* box = new QComboBox(this);
  for (const auto& [text, value] : items) box->addItem(text, value);
  box->setCurrentIndex(box->findData(current));
  connect(box, &QComboBox::currentIndexChanged, this, &TemplatePanel::settingsChanged);
  return box;
}

QGroupBox* TemplatePanel::buildContentGroup() {
  auto* group = new QGroupBox(tr("Drawing"), this);
  m_extent = addCombo({{tr("Whole body"), int(OutlineExtent::Whole)},
                       {tr("Half, closed along the centreline"), int(OutlineExtent::Half)}},
                      int(OutlineExtent::Whole));
  m_extent->setObjectName(QStringLiteral("extent"));
  m_soundhole = new QCheckBox(tr("Soundhole"), group);
  m_soundhole->setObjectName(QStringLiteral("soundhole"));
  m_soundhole->setChecked(true);
  m_fingerboard = new QCheckBox(tr("Fingerboard"), group);
  m_fingerboard->setObjectName(QStringLiteral("fingerboard"));
  m_offsets = new OffsetTable(group);
  for (QCheckBox* box : {m_soundhole, m_fingerboard})
    connect(box, &QCheckBox::toggled, this, &TemplatePanel::settingsChanged);
  connect(m_offsets, &OffsetTable::offsetsChanged, this, &TemplatePanel::settingsChanged);
  auto* form = new QFormLayout(group);
  form->addRow(tr("Outline"), m_extent);
  form->addRow(m_soundhole);
  form->addRow(m_fingerboard);
  form->addRow(new QLabel(tr("Offsets (outward positive)"), group));
  form->addRow(m_offsets);
  return group;
}

QGroupBox* TemplatePanel::buildPartsGroup() {
  static const char* const kPartTitles[] = {
      QT_TR_NOOP("Outline"),   QT_TR_NOOP("Offsets"),  QT_TR_NOOP("Centreline"),   QT_TR_NOOP("Soundhole"),
      QT_TR_NOOP("Fretboard"), QT_TR_NOOP("Stations"), QT_TR_NOOP("Check square"), QT_TR_NOOP("Title block")};
  auto* group = new QGroupBox(tr("Parts in the file"), this);
  auto* grid = new QGridLayout(group);
  for (size_t i = 0; i < kAllParts.size(); ++i) {
    auto* box = new QCheckBox(tr(kPartTitles[i]), group);
    box->setObjectName(QStringLiteral("part_") + PartName(kAllParts[i]));
    box->setChecked(true);
    connect(box, &QCheckBox::toggled, this, &TemplatePanel::settingsChanged);
    grid->addWidget(box, int(i / 2), int(i % 2));
    m_parts[i] = box;
  }
  return group;
}

QGroupBox* TemplatePanel::buildFileGroup() {
  auto* group = new QGroupBox(tr("File"), this);
  m_unit = addCombo({{tr("Centimetres"), int(ExportUnit::Cm)}, {tr("Inches"), int(ExportUnit::In)}},
                    int(ExportUnit::Cm));
  m_unit->setToolTip(tr("What the design's numbers mean"));
  m_format = addCombo({{QStringLiteral("SVG"), int(TemplateFormat::Svg)},
                       {QStringLiteral("DXF"), int(TemplateFormat::Dxf)},
                       {QStringLiteral("PDF"), int(TemplateFormat::Pdf)}},
                      int(TemplateFormat::Svg));
  m_dxfVersion = addCombo(
      {{QStringLiteral("R12"), int(DxfVersion::R12)}, {QStringLiteral("R2000"), int(DxfVersion::R2000)}},
      int(DxfVersion::R12));
  m_dxfUnit =
      addCombo({{tr("Millimetres"), int(DxfUnit::Mm)}, {tr("Inches"), int(DxfUnit::In)}}, int(DxfUnit::Mm));
  m_curves = addCombo({{tr("Arcs"), int(CurveStyle::Arcs)}, {tr("Segments"), int(CurveStyle::Segments)}},
                      int(CurveStyle::Arcs));
  m_curves->setToolTip(tr("The outline and its offsets as tangent arcs, or as straight segments"));
  m_unit->setObjectName(QStringLiteral("unit"));
  m_curves->setObjectName(QStringLiteral("curves"));
  m_format->setObjectName(QStringLiteral("format"));
  m_dxfVersion->setObjectName(QStringLiteral("dxfVersion"));
  m_dxfUnit->setObjectName(QStringLiteral("dxfUnit"));
  auto* form = new QFormLayout(group);
  form->addRow(tr("Design unit"), m_unit);
  form->addRow(tr("Format"), m_format);
  form->addRow(tr("DXF version"), m_dxfVersion);
  form->addRow(tr("DXF unit"), m_dxfUnit);
  form->addRow(tr("Curves"), m_curves);
  return group;
}

QGroupBox* TemplatePanel::buildPagesGroup() {
  auto* group = new QGroupBox(tr("Pages (PDF)"), this);
  m_paper =
      addCombo({{QStringLiteral("A4"), int(Paper::A4)}, {tr("Letter"), int(Paper::Letter)}}, int(Paper::A4));
  m_paper->setObjectName(QStringLiteral("paper"));
  m_overlap = new QDoubleSpinBox(group);
  m_overlap->setObjectName(QStringLiteral("overlap"));
  m_overlap->setRange(0.0, 50.0);
  m_overlap->setDecimals(1);
  m_overlap->setSuffix(tr(" mm"));
  m_overlap->setValue(TemplateOutput{}.overlapMm);
  connect(m_overlap, &QDoubleSpinBox::valueChanged, this, &TemplatePanel::settingsChanged);
  m_tiling = new TilingPreview(group);
  m_pages = new QLabel(group);
  m_pages->setWordWrap(true);
  auto* form = new QFormLayout(group);
  form->addRow(tr("Paper"), m_paper);
  form->addRow(tr("Overlap"), m_overlap);
  form->addRow(m_tiling);
  form->addRow(m_pages);
  return group;
}

TemplateSettings TemplatePanel::settings() const {
  TemplateSettings s;
  s.content.unit = Current<ExportUnit>(m_unit);
  s.content.extent = Current<OutlineExtent>(m_extent);
  s.content.curves = Current<CurveStyle>(m_curves);
  s.content.soundhole = m_soundhole->isChecked();
  s.content.fingerboard = m_fingerboard->isChecked();
  s.content.offsets = m_offsets->offsets();
  s.content.parts = PartSet::None();
  for (size_t i = 0; i < kAllParts.size(); ++i)
    if (m_parts[i]->isChecked()) s.content.parts.Add(kAllParts[i]);
  s.output.format = Current<TemplateFormat>(m_format);
  s.output.dxf.version = Current<DxfVersion>(m_dxfVersion);
  s.output.dxf.unit = Current<DxfUnit>(m_dxfUnit);
  s.output.paper = Current<Paper>(m_paper);
  s.output.overlapMm = m_overlap->value();
  return s;
}

void TemplatePanel::setFormat(TemplateFormat format) {
  m_format->setCurrentIndex(m_format->findData(int(format)));
}

namespace {

QString Key(const QObject* control) {
  return QStringLiteral("template/") + control->objectName();
}

}  // namespace

void TemplatePanel::saveChoices(QSettings* store) const {
  for (const QComboBox* box : findChildren<QComboBox*>())
    if (!box->objectName().isEmpty()) store->setValue(Key(box), box->currentData());
  for (const QCheckBox* box : findChildren<QCheckBox*>())
    if (!box->objectName().isEmpty()) store->setValue(Key(box), box->isChecked());
  store->setValue(Key(m_overlap), m_overlap->value());
}

void TemplatePanel::restoreChoices(const QSettings& store) {
  for (QComboBox* box : findChildren<QComboBox*>()) {
    if (box->objectName().isEmpty()) continue;
    const QVariant value = store.value(Key(box));
    bool ok = false;
    const int index = box->findData(value.toInt(&ok));
    if (ok && index >= 0) box->setCurrentIndex(index);
  }
  for (QCheckBox* box : findChildren<QCheckBox*>())
    if (const QVariant value = store.value(Key(box)); !box->objectName().isEmpty() && value.isValid())
      box->setChecked(value.toBool());
  bool ok = false;
  const double overlap = store.value(Key(m_overlap)).toDouble(&ok);
  // The spin box holds it within its range.
  if (ok && std::isfinite(overlap)) m_overlap->setValue(overlap);
}

void TemplatePanel::showBuild(const Result<BuiltModel>& built) {
  m_problem->setText(built ? QString() : ErrorText(built.error()));
  m_notes->setText(built ? built->notes.join(QLatin1Char('\n')) : QString());
  m_export->setEnabled(built.ok());
  if (built)
    m_tiling->setTemplate(built->model, Current<Paper>(m_paper), m_overlap->value());
  else
    m_tiling->clear();
  m_pages->setText(m_tiling->summary());
}

void TemplatePanel::updateEnabled() {
  const bool dxf = Current<TemplateFormat>(m_format) == TemplateFormat::Dxf;
  m_dxfVersion->setEnabled(dxf);
  m_dxfUnit->setEnabled(dxf);
}

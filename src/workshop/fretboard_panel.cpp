// Every field change rebuilds the board and its table at once (a table is a few dozen rows); a
// field left empty stands for the design's value, shown as its placeholder, as an option left out
// does on vesk-cli frets' command line.
#include "workshop/fretboard_panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "framework/error_text.h"
#include "geometry/number_text.h"
#include "workshop/fret_table_model.h"
#include "workshop/number_field.h"

namespace {

enum class Sign { kAny, kPositive, kNotNegative };

QString Tr(const char* text) {
  return QCoreApplication::translate("FretboardPanel", text);
}

Error Refused(const QString& what, const QString& why) {
  return ErrorFrom(QStringLiteral("%1: %2").arg(what, why), ErrorKind::Refused);
}

// The number typed, `fallback` when the field is empty, or one line naming the field.
Result<double> Read(const NumberField* field, const char* what, std::optional<double> fallback, Sign sign) {
  if (field->text().trimmed().isEmpty()) {
    if (fallback) return *fallback;
    return Refused(Tr(what), Tr("give a number"));
  }
  const std::optional<double> v = field->value();
  if (!v) return Refused(Tr(what), Tr("'%1' is not a number").arg(field->text().trimmed()));
  if (sign == Sign::kPositive && !(*v > 0.0)) return Refused(Tr(what), Tr("must be greater than 0"));
  if (sign == Sign::kNotNegative && *v < 0.0) return Refused(Tr(what), Tr("cannot be negative"));
  return *v;
}

QString Text(double value) {
  return QString::fromStdString(ShortestRoundTrip(value));
}

}  // namespace

FretboardPanel::FretboardPanel(QWidget* parent) : QWidget(parent) {
  m_units = new QLabel(this);
  m_units->setWordWrap(true);
  m_problem = new QLabel(this);
  m_problem->setObjectName(QStringLiteral("fretboardProblem"));
  m_problem->setWordWrap(true);
  m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
  m_model = new FretTableModel(this);
  m_copy = new QAction(tr("&Copy"), this);
  m_copy->setShortcut(QKeySequence::Copy);
  m_copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  m_copy->setToolTip(tr("Copy the fret table as tab-separated text"));
  connect(m_copy, &QAction::triggered, this, &FretboardPanel::copyTable);
  auto* copyButton = new QToolButton(this);
  copyButton->setDefaultAction(m_copy);
  m_export = new QPushButton(tr("Export..."), this);
  m_export->setObjectName(QStringLiteral("exportFrets"));
  m_export->setToolTip(tr("The fret-slot template, in the Template panel's file settings and parts"));
  connect(m_export, &QPushButton::clicked, this, &FretboardPanel::exportRequested);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copyButton);
  buttons->addStretch(1);
  buttons->addWidget(m_export);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_units);
  layout->addWidget(buildScaleGroup());
  layout->addWidget(buildBoardGroup());
  layout->addWidget(buildSlotsGroup());
  layout->addWidget(m_problem);
  layout->addWidget(buildTableView(), 1);
  layout->addLayout(buttons);
  showDefaults();
}

NumberField* FretboardPanel::addField(const char* name) {
  auto* field = new NumberField(this);
  field->setObjectName(QLatin1String(name));
  connect(field, &QLineEdit::textChanged, this, &FretboardPanel::update);
  return field;
}

QSpinBox* FretboardPanel::addSpin(const char* name, int low, int high, int value) {
  auto* spin = new QSpinBox(this);
  spin->setObjectName(QLatin1String(name));
  spin->setRange(low, high);
  spin->setValue(value);
  connect(spin, &QSpinBox::valueChanged, this, &FretboardPanel::update);
  return spin;
}

QGroupBox* FretboardPanel::buildScaleGroup() {
  auto* group = new QGroupBox(tr("Scale"), this);
  m_scale = addField("scale");
  m_fanned = new QCheckBox(tr("Fanned frets: a treble scale of its own"), group);
  m_fanned->setObjectName(QStringLiteral("fanned"));
  m_treble = addField("trebleScale");
  m_perpendicular = addSpin("perpendicular", 0, kMaxFrets, 0);
  m_perpendicular->setSpecialValueText(tr("0 (the nut)"));
  connect(m_fanned, &QCheckBox::toggled, this, &FretboardPanel::update);
  auto* form = new QFormLayout(group);
  form->addRow(tr("Scale (bass)"), m_scale);
  form->addRow(m_fanned);
  form->addRow(tr("Treble scale"), m_treble);
  form->addRow(tr("Square fret"), m_perpendicular);
  return group;
}

QGroupBox* FretboardPanel::buildBoardGroup() {
  auto* group = new QGroupBox(tr("Board"), this);
  m_frets = addSpin("frets", 1, kMaxFrets, kDefaultFretCount);
  m_nutWidth = addField("nutWidth");
  m_widthFret = addSpin("widthFret", 0, kMaxFrets, 0);
  m_widthAtFret = addField("widthAtFret");
  m_boardEnd = new QComboBox(group);
  m_boardEnd->setObjectName(QStringLiteral("boardEnd"));
  m_boardEnd->addItem(tr("Where the next fret would stand"), int(BoardEndKind::kNextFret));
  m_boardEnd->addItem(tr("Where this fret would stand"), int(BoardEndKind::kAtFret));
  m_boardEnd->addItem(tr("This far from the nut"), int(BoardEndKind::kLength));
  m_boardEnd->addItem(tr("This many mm past the last fret"), int(BoardEndKind::kPastLastFret));
  connect(m_boardEnd, &QComboBox::currentIndexChanged, this, &FretboardPanel::update);
  m_boardEndValue = addField("boardEndValue");
  m_marginNut = addField("marginNut");
  m_marginLast = addField("marginLast");
  m_marginNut->setPlaceholderText(QStringLiteral("0"));
  m_marginLast->setPlaceholderText(tr("as at the nut"));
  m_leftHanded = new QCheckBox(tr("Left-handed: the bass edge at the top"), group);
  m_leftHanded->setObjectName(QStringLiteral("leftHanded"));
  connect(m_leftHanded, &QCheckBox::toggled, this, &FretboardPanel::update);
  auto* form = new QFormLayout(group);
  form->addRow(tr("Frets"), m_frets);
  form->addRow(tr("Nut width"), m_nutWidth);
  form->addRow(tr("Width at fret"), m_widthFret);
  form->addRow(tr("Width there"), m_widthAtFret);
  form->addRow(tr("Board ends"), m_boardEnd);
  form->addRow(QString(), m_boardEndValue);
  form->addRow(tr("String margin at the nut (mm)"), m_marginNut);
  form->addRow(tr("at the last fret (mm)"), m_marginLast);
  form->addRow(m_leftHanded);
  return group;
}

QGroupBox* FretboardPanel::buildSlotsGroup() {
  auto* group = new QGroupBox(tr("Slots (mm)"), this);
  m_slotWidth = addField("slotWidth");
  m_extend = addField("extend");
  m_compensation = addField("saddleCompensation");
  for (NumberField* field : {m_slotWidth, m_extend, m_compensation})
    field->setPlaceholderText(QStringLiteral("0"));
  m_slotWidth->setToolTip(tr("Each fret drawn as a slot this wide; 0 draws single lines"));
  m_extend->setToolTip(tr("Each fret carried this far past both edges, for a mitre box"));
  auto* form = new QFormLayout(group);
  form->addRow(tr("Slot width"), m_slotWidth);
  form->addRow(tr("Extend past the edges"), m_extend);
  form->addRow(tr("Saddle compensation"), m_compensation);
  return group;
}

QTableView* FretboardPanel::buildTableView() {
  auto* view = new QTableView(this);
  view->setObjectName(QStringLiteral("fretTable"));
  view->setModel(m_model);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view->setSelectionMode(QAbstractItemView::NoSelection);
  view->setMinimumHeight(12 * (view->fontMetrics().height() + 6));
  view->addAction(m_copy);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  return view;
}

void FretboardPanel::setDesign(const Design& design, ExportUnit unit) {
  m_design = design;
  m_unit = unit;
  showDefaults();
}

void FretboardPanel::showDefaults() {
  FretboardRequest board;
  TakeDesignBoard(m_design, &board);
  for (NumberField* field : {m_scale, m_treble}) field->setPlaceholderText(Text(board.board.bassScale));
  m_nutWidth->setPlaceholderText(Text(board.board.nutWidth));
  m_widthAtFret->setPlaceholderText(Text(board.board.widthAtFret));
  m_widthFret->setSpecialValueText(tr("%1 (the design's)").arg(board.board.widthFret));
  m_units->setText(tr("Scales, widths and a board length in %1, the design's unit (the Template panel's); "
                      "margins, an overhang and slots in mm. An empty field takes the design's value.")
                       .arg(UnitName(m_unit)));
  update();
}

void FretboardPanel::update() {
  m_treble->setEnabled(m_fanned->isChecked());
  m_perpendicular->setEnabled(m_fanned->isChecked());
  m_boardEndValue->setEnabled(m_boardEnd->currentData().toInt() != int(BoardEndKind::kNextFret));
  const Result<FretboardRequest> made = board();
  if (made)
    m_model->setTable(MakeFretTable(TableInput(*made)), TableInInches(m_unit), MarkedJointFret(*made));
  else
    m_model->clear();
  const QString why = made ? QString() : ErrorText(made.error());
  m_problem->setText(why);
  m_export->setEnabled(why.isEmpty());
  m_copy->setEnabled(why.isEmpty());
}

void FretboardPanel::copyTable() {
  if (m_model->rowCount() > 0) QApplication::clipboard()->setText(m_model->tabSeparated());
}

Result<FretboardRequest> FretboardPanel::request() const {
  FretboardRequest board;
  board.unit = m_unit;
  board.board.fretCount = m_frets->value();
  board.hand = m_leftHanded->isChecked() ? Handedness::kLeft : Handedness::kRight;
  TakeDesignBoard(m_design, &board);
  for (const auto step :
       {&FretboardPanel::readScales, &FretboardPanel::readBoard, &FretboardPanel::readMillimetres})
    if (const Status read = (this->*step)(&board); !read) return read.error();
  return board;
}

Result<FretboardRequest> FretboardPanel::board() const {
  Result<FretboardRequest> fields = request();
  if (!fields) return fields;
  QString why = FretboardSizeProblem(*fields);
  if (why.isEmpty()) {
    const FretTableInput in = TableInput(*fields);
    why = FretTableProblem(MakeFretTable(in), in, TableUnitName(m_unit));
  }
  if (!why.isEmpty()) return ErrorFrom(why, ErrorKind::Refused);
  return fields;
}

Status FretboardPanel::readScales(FretboardRequest* request) const {
  FretTableInput& b = request->board;
  const Result<double> bass = Read(m_scale, QT_TR_NOOP("Scale"), b.bassScale, Sign::kPositive);
  if (!bass) return bass.error();
  const Result<double> treble =
      m_fanned->isChecked() ? Read(m_treble, QT_TR_NOOP("Treble scale"), b.trebleScale, Sign::kPositive)
                            : bass;
  if (!treble) return treble.error();
  b.bassScale = *bass;
  b.trebleScale = *treble;
  if (m_fanned->isChecked()) b.perpendicularFret = m_perpendicular->value();
  return {};
}

Status FretboardPanel::readBoard(FretboardRequest* request) const {
  FretTableInput& b = request->board;
  const Result<double> nut = Read(m_nutWidth, QT_TR_NOOP("Nut width"), b.nutWidth, Sign::kPositive);
  if (!nut) return nut.error();
  const Result<double> width = Read(m_widthAtFret, QT_TR_NOOP("Width there"), b.widthAtFret, Sign::kPositive);
  if (!width) return width.error();
  b.nutWidth = *nut;
  b.widthAtFret = *width;
  if (m_widthFret->value() != 0) b.widthFret = m_widthFret->value();
  b.boardEnd = static_cast<BoardEndKind>(m_boardEnd->currentData().toInt());
  if (b.boardEnd == BoardEndKind::kNextFret) return {};
  const Sign sign = b.boardEnd == BoardEndKind::kAtFret   ? Sign::kAny
                    : b.boardEnd == BoardEndKind::kLength ? Sign::kPositive
                                                          : Sign::kNotNegative;
  const Result<double> end = Read(m_boardEndValue, QT_TR_NOOP("Board end"), std::nullopt, sign);
  if (!end) return end.error();
  b.boardEndValue = *end;
  return {};
}

Status FretboardPanel::readMillimetres(FretboardRequest* request) const {
  FretTableInput& b = request->board;
  const Result<double> slot = Read(m_slotWidth, QT_TR_NOOP("Slot width"), 0.0, Sign::kNotNegative);
  if (!slot) return slot.error();
  const Result<double> extend = Read(m_extend, QT_TR_NOOP("Extend"), 0.0, Sign::kNotNegative);
  if (!extend) return extend.error();
  const Result<double> compensation =
      Read(m_compensation, QT_TR_NOOP("Saddle compensation"), 0.0, Sign::kNotNegative);
  if (!compensation) return compensation.error();
  const Result<double> nut = Read(m_marginNut, QT_TR_NOOP("String margin"), 0.0, Sign::kNotNegative);
  if (!nut) return nut.error();
  const Result<double> last = Read(m_marginLast, QT_TR_NOOP("String margin"), *nut, Sign::kNotNegative);
  if (!last) return last.error();
  b.slotWidth = *slot;
  request->extendMm = *extend;
  b.saddleCompensation = *compensation;
  b.stringMarginNut = *nut;
  b.stringMarginLast = *last;
  return {};
}

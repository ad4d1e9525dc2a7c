// The fields show the shortest round-trip text, so a value read from a file is shown to its last bit
// and an untouched field never rounds it.
#include "workshop/shape_panel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "workshop/design_session.h"
#include "workshop/number_field.h"
#include "workshop/shape_edit.h"

namespace {

// With mnemonics: Alt+L reaches the length, Alt+3 the coefficient a3, ...
const char* const kNames[8] = {
    QT_TRANSLATE_NOOP("ShapePanel", "&Length"), QT_TRANSLATE_NOOP("ShapePanel", "L&ower bout"),
    QT_TRANSLATE_NOOP("ShapePanel", "&Waist"),  QT_TRANSLATE_NOOP("ShapePanel", "U&pper bout"),
    QT_TRANSLATE_NOOP("ShapePanel", "a&3"),     QT_TRANSLATE_NOOP("ShapePanel", "a&4"),
    QT_TRANSLATE_NOOP("ShapePanel", "a&5"),     QT_TRANSLATE_NOOP("ShapePanel", "a&6"),
};

}  // namespace

ShapePanel::ShapePanel(DesignSession* session, QWidget* parent) : QWidget(parent), m_session(session) {
  auto* grid = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    auto* edit = new NumberField(this);
    edit->setObjectName(QStringLiteral("shapeValue%1").arg(i));
    auto* label = new QLabel(tr(kNames[i]), this);
    label->setBuddy(edit);
    auto* problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("shapeProblem%1").arg(i));
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(label, 2 * i, 0);
    grid->addWidget(edit, 2 * i, 1);
    grid->addWidget(problem, 2 * i + 1, 1);
    m_fields[size_t(i)] = edit;
    m_problems[size_t(i)] = problem;
    connect(edit, &QLineEdit::editingFinished, this, [this, i] { take(i); });
    edit->installEventFilter(this);
  }
  m_summary = new QLabel(this);
  m_summary->setWordWrap(true);
  auto* hint = new QLabel(tr("Lengths in the design's unit; the bouts and the waist are half-widths, "
                             "measured from the centreline."),
                          this);
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(hint);
  layout->addWidget(m_summary);
  layout->addStretch(1);
  connect(m_session, &DesignSession::designChanged, this, &ShapePanel::showDesign);
  showDesign();
}

ShapePanel::~ShapePanel() {
  for (NumberField* field : m_fields) field->disconnect(this);
}

void ShapePanel::showDesign() {
  const std::array<double, 8> values = m_session->design().shape.ToArray();
  for (size_t i = 0; i < values.size(); ++i) {
    m_fields[i]->setValue(values[i]);
    m_problems[i]->clear();
  }
  const FittedOutline& outline = m_session->outline();
  m_summary->setText(
      outline.Valid() ? tr("Side length %1.").arg(outline.SideLength(1.0), 0, 'f', 3)
                      : tr("This design does not fit: %1.").arg(QString::fromStdString(outline.errorText)));
}

void ShapePanel::take(int index) {
  const ShapeEdit edit = EditShapeValue(m_session->design(), index, m_fields[size_t(index)]->text());
  m_problems[size_t(index)]->setText(edit.problem);
  if (edit.changes)
    m_session->change(edit.design, tr("Change %1").arg(tr(kNames[index]).remove(QLatin1Char('&'))));
}

bool ShapePanel::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || event->type() != QEvent::ShortcutOverride) return QWidget::eventFilter(watched, event);
  // A line edit claims Ctrl+Z for its own typing even when it has none; then the window's Undo
  // should have it, or Ctrl+Z right after Return would do nothing.
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool undo = key->matches(QKeySequence::Undo) && !edit->isUndoAvailable();
  const bool redo = key->matches(QKeySequence::Redo) && !edit->isRedoAvailable();
  if (!undo && !redo) return QWidget::eventFilter(watched, event);
  event->ignore();
  return true;
}

// Building a dialog window from its template.
#include "framework/dialog_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "framework/dialog.h"

namespace {

// A label's '&' marks a mnemonic unless the label says otherwise; "&&" stands for '&' itself.
QString LabelText(const DialogItem& item) {
  QString text = QString::fromUtf8(item.text);
  if (item.style & kNoPrefix) return text;
  QString shown;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

Qt::FocusPolicy FocusFor(const DialogItem& item) {
  return (item.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& tmpl, CDialog* owner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_template(tmpl),
      m_owner(owner) {
  setWindowTitle(QString::fromUtf8(tmpl.caption));
  setFont(DialogFont(tmpl));
  m_units = BaseUnitsOf(font());
  setFixedSize(DialogXToPixels(tmpl.cx, m_units), DialogYToPixels(tmpl.cy, m_units));
  for (const DialogItem& item : tmpl.items) {
    m_controls.push_back(MakeControl(item));
    // Lets tests and accessibility tools find a control of a running dialog by its id.
    m_controls.back()->setObjectName(QString::number(item.id));
  }
  GroupRadioButtons();
  WidenShortLabels();
  ChainTabOrder();
}

QWidget* DialogWindow::MakeControl(const DialogItem& item) {
  QWidget* control = nullptr;
  const QString text = QString::fromUtf8(item.text);
  switch (item.kind) {
    case DialogItemKind::DefPushButton:
    case DialogItemKind::PushButton: {
      auto* button = new QPushButton(text, this);
      button->setAutoDefault(true);
      button->setDefault(item.kind == DialogItemKind::DefPushButton);
      const int id = item.id;
      connect(button, &QPushButton::clicked, this, [this, id] { m_owner->OnCommand(id); });
      control = button;
      break;
    }
    case DialogItemKind::Label: {
      auto* label = new QLabel(LabelText(item), this);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      control = label;
      break;
    }
    case DialogItemKind::Edit: {
      auto* edit = new QLineEdit(this);
      edit->setFrame(item.style & kBorder);
      control = edit;
      break;
    }
    case DialogItemKind::AutoRadioButton: {
      auto* radio = new QRadioButton(text, this);
      radio->setAutoExclusive(false);  // exclusive within its template group, not among all siblings
      control = radio;
      break;
    }
    case DialogItemKind::Icon:
      return MakeIcon(item);
  }
  control->setGeometry(DialogToPixels(item.rect, m_units));
  control->setFocusPolicy(item.kind == DialogItemKind::Label ? Qt::NoFocus : FocusFor(item));
  return control;
}

// An icon control takes the icon's own size, whatever its rectangle says.
QWidget* DialogWindow::MakeIcon(const DialogItem& item) {
  const QString path = QString::fromUtf8(item.text);
  const QIcon icon = path.isEmpty() ? QApplication::windowIcon() : QIcon(path);
  const int size = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
  auto* label = new QLabel(this);
  label->setPixmap(icon.pixmap(size, size));
  const QRect r = DialogToPixels(item.rect, m_units);
  label->setGeometry(r.x(), r.y(), size, size);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

size_t DialogWindow::GroupEnd(size_t first) const {
  size_t end = first + 1;
  while (end < m_template.items.size() && !(m_template.items[end].style & kGroup)) ++end;
  return end;
}

void DialogWindow::GroupRadioButtons() {
  const auto& items = m_template.items;
  for (size_t first = 0; first < items.size(); first = GroupEnd(first)) {
    QButtonGroup* group = nullptr;
    for (size_t i = first; i < GroupEnd(first); ++i) {
      if (items[i].kind != DialogItemKind::AutoRadioButton) continue;
      if (!group) group = new QButtonGroup(this);
      group->addButton(static_cast<QRadioButton*>(m_controls[i]));
    }
  }
}

// The stand-in font runs wider than the one the templates were drawn for. A one-line label whose
// text no longer fits grows to the right into free space (never over another control or past the
// dialog's edge); where there is no room it wraps and clips as the original would.
void DialogWindow::WidenShortLabels() {
  for (size_t i = 0; i < m_controls.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(m_controls[i]);
    if (!label || m_template.items[i].kind != DialogItemKind::Label) continue;
    const QRect r = label->geometry();
    const QFontMetrics metrics(label->font());
    if (r.height() >= 2 * metrics.lineSpacing()) continue;
    const int needed = metrics.horizontalAdvance(label->text()) + 1;
    if (needed <= r.width()) continue;
    int limit = width();
    for (size_t j = 0; j < m_controls.size(); ++j) {
      const QRect other = m_controls[j]->geometry();
      if (j != i && other.left() > r.left() && other.top() <= r.bottom() && other.bottom() >= r.top())
        limit = std::min(limit, other.left());
    }
    if (r.left() + needed <= limit) label->resize(needed, r.height());
  }
}

void DialogWindow::ChainTabOrder() {
  QWidget* previous = nullptr;
  for (QWidget* control : m_controls) {
    if (control->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

QWidget* DialogWindow::Item(int id) const {
  for (size_t i = 0; i < m_controls.size(); ++i)
    if (m_template.items[i].id == id) return m_controls[i];
  return nullptr;
}

std::vector<QRadioButton*> DialogWindow::RadioGroup(int firstId) const {
  std::vector<QRadioButton*> buttons;
  const auto& items = m_template.items;
  for (size_t first = 0; first < items.size(); ++first) {
    if (items[first].id != firstId) continue;
    if (items[first].kind != DialogItemKind::AutoRadioButton) return buttons;
    for (size_t i = first; i < GroupEnd(first); ++i)
      if (items[i].kind == DialogItemKind::AutoRadioButton)
        buttons.push_back(static_cast<QRadioButton*>(m_controls[i]));
    return buttons;
  }
  return buttons;
}

QWidget* DialogWindow::FirstTabStop() const {
  for (size_t i = 0; i < m_controls.size(); ++i)
    if ((m_template.items[i].style & kTabStop) && m_controls[i]->isEnabled()) return m_controls[i];
  return nullptr;
}

void DialogWindow::reject() {
  m_owner->OnCancel();
}

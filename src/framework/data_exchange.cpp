// DDX_Text for doubles and DDX_Radio.
#include "framework/data_exchange.h"

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QtGlobal>
#include <charconv>
#include <cmath>

#include "framework/dialog.h"
#include "framework/message_box.h"

void CDataExchange::Fail(QWidget* control) {
  m_failed = true;
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

namespace {

// Reads a field as a finite double; QString::toDouble always uses the C locale and ignores
// surrounding blanks.
bool ReadNumber(const QString& text, double* value) {
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

// "%.15g" in the C locale whatever the user's locale, keeping the sign of -0.
QString FormatNumber(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
  return QString::fromLatin1(text, static_cast<int>(end - text));
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, double& value) {
  if (pDX->Failed()) return;
  auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(id));
  if (!edit) {
    qWarning("DDX_Text: dialog %d has no edit %d", pDX->m_pDlgWnd->Template().id, id);
    pDX->Fail(nullptr);
    return;
  }
  if (!pDX->m_bSaveAndValidate) {
    edit->setText(FormatNumber(value));
    // setText leaves the cursor after the last digit, and a field narrower than its number would
    // then scroll to the end; the sign and the integer part are what the user reads first.
    edit->setCursorPosition(0);
    return;
  }
  if (!ReadNumber(edit->text(), &value)) {
    MessageBox(pDX->m_pDlgWnd->Window(), QString::fromLatin1(kEnterNumberPrompt));
    pDX->Fail(edit);
  }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  if (pDX->Failed()) return;
  const std::vector<QRadioButton*> group = pDX->m_pDlgWnd->RadioGroup(id);
  if (group.empty()) {
    qWarning("DDX_Radio: dialog %d has no radio group at %d", pDX->m_pDlgWnd->Template().id, id);
    pDX->Fail(nullptr);
    return;
  }
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (size_t i = 0; i < group.size(); ++i)
      if (group[i]->isChecked()) value = static_cast<int>(i);
    return;
  }
  // An exclusive group will not uncheck its checked button; lift that while the buttons are set.
  QButtonGroup* exclusive = group.front()->group();
  if (exclusive) exclusive->setExclusive(false);
  for (size_t i = 0; i < group.size(); ++i) group[i]->setChecked(static_cast<int>(i) == value);
  if (exclusive) exclusive->setExclusive(true);
}

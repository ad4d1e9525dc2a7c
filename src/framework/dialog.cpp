// CDialog: window lifetime, the modal run, data exchange and the routing of button clicks.
#include "framework/dialog.h"

#include <QApplication>

#include "framework/data_exchange.h"
#include "framework/dialog_window.h"
#include "framework/message_box.h"
#include "framework/message_box_widgets.h"

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* parent) : m_template(tmpl), m_parent(parent) {
  InstallWidgetMessageBoxes();
}

CDialog::~CDialog() {
  DestroyWindow();
}

void CDialog::MakeWindow(QWidget* parent) {
  m_window = new DialogWindow(m_template, this, parent);
  m_ended = false;
  m_result = 0;
}

void CDialog::InitWindow() {
  if (!OnInitDialog() || !m_window) return;
  if (QWidget* first = m_window->FirstTabStop()) first->setFocus(Qt::OtherFocusReason);
}

int CDialog::DoModal() {
  if (m_window) return -1;
  MakeWindow(m_parent ? m_parent : QApplication::activeWindow());
  InitWindow();
  int result = m_result;
  if (!m_ended && m_window) result = m_window->exec();
  DestroyWindow();
  return result;
}

bool CDialog::Create(QWidget* parent) {
  if (m_window) return false;
  MakeWindow(parent ? parent : m_parent);
  InitWindow();
  return true;
}

void CDialog::DestroyWindow() {
  // The parent may already have taken the window with it; QPointer then reads null.
  delete m_window.data();
  m_window = nullptr;
}

QDialog* CDialog::Window() const {
  return m_window.data();
}

QWidget* CDialog::GetDlgItem(int id) const {
  return m_window ? m_window->Item(id) : nullptr;
}

std::vector<QRadioButton*> CDialog::RadioGroup(int firstId) const {
  return m_window ? m_window->RadioGroup(firstId) : std::vector<QRadioButton*>{};
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!m_window) return false;
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.Failed();
}

void CDialog::EndDialog(int result) {
  m_ended = true;
  m_result = result;
  if (m_window) m_window->done(result);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::MapClicked(int id, std::function<void()> handler) {
  m_clickHandlers[id] = std::move(handler);
}

void CDialog::OnCommand(int id) {
  const auto handler = m_clickHandlers.find(id);
  if (handler != m_clickHandlers.end())
    handler->second();
  else if (id == IDOK)
    OnOK();
  else if (id == IDCANCEL)
    OnCancel();
}

int CDialog::MessageBox(const QString& text, const QString& caption, int style) {
  return ::MessageBox(m_window.data(), text, caption, style);
}

// Message boxes through QMessageBox, or through the installed recorder.
#include "framework/message_box.h"

#include <QMessageBox>
#include <QStringList>

namespace {
MessageBoxRecorder* g_recorder = nullptr;
}

QString ApplicationTitle() { return QStringLiteral("vesk"); }

int MessageBox(QWidget* parent, const QString& text, const QString& caption, int style) {
  const QString title = caption.isEmpty() ? ApplicationTitle() : caption;
  if (g_recorder) return g_recorder->Record(parent, text, title, style);
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
  if (style == MB_YESNOCANCEL) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
      case QMessageBox::Yes: return IDYES;
      case QMessageBox::No: return IDNO;
      default: return IDCANCEL;
    }
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

MessageBoxRecorder::MessageBoxRecorder() : m_previous(g_recorder) { g_recorder = this; }
MessageBoxRecorder::~MessageBoxRecorder() {
  if (g_recorder == this) g_recorder = m_previous;
}

QStringList MessageBoxRecorder::Texts() const {
  QStringList texts;
  for (const Entry& e : m_entries) texts << e.text;
  return texts;
}

int MessageBoxRecorder::Record(QWidget* parent, const QString& text, const QString& caption, int style) {
  m_entries.append({text, caption, style, parent});
  if (!m_answers.isEmpty()) return m_answers.takeFirst();
  return style == MB_YESNOCANCEL ? IDCANCEL : IDOK;
}

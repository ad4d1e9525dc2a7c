// The message service: the installed recorder, else the installed presenter, else stderr.
#include "framework/message_box.h"

#include <QStringList>
#include <cstdio>

namespace {
MessageBoxRecorder* g_recorder = nullptr;
MessageBoxPresenter g_presenter = nullptr;

int DefaultAnswer(int style) {
  return style == MB_YESNOCANCEL ? IDCANCEL : IDOK;
}
}  // namespace

QString ApplicationTitle() {
  return QStringLiteral("vesk");
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  g_presenter = presenter;
}

int MessageBox(QWidget* parent, const QString& text, const QString& caption, int style) {
  const QString title = caption.isEmpty() ? ApplicationTitle() : caption;
  if (g_recorder) return g_recorder->Record(parent, text, title, style);
  if (g_presenter) return g_presenter(parent, text, title, style);
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
  return DefaultAnswer(style);
}

MessageBoxRecorder::MessageBoxRecorder() : m_previous(g_recorder) {
  g_recorder = this;
}
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
  return DefaultAnswer(style);
}

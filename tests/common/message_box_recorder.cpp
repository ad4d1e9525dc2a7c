// The recorder as the message service's answerer, nested recorders each in turn.
#include "common/message_box_recorder.h"

MessageBoxRecorder::MessageBoxRecorder() : m_previous(SetMessageBoxAnswerer(this)) {}

MessageBoxRecorder::~MessageBoxRecorder() {
  // An outer recorder that ends first leaves the inner one installed.
  MessageBoxAnswerer* current = SetMessageBoxAnswerer(m_previous);
  if (current != this) SetMessageBoxAnswerer(current);
}

QStringList MessageBoxRecorder::Texts() const {
  QStringList texts;
  for (const Entry& e : m_entries) texts << e.text;
  return texts;
}

int MessageBoxRecorder::Answer(QWidget* parent, const QString& text, const QString& caption, int style) {
  m_entries.append({text, caption, style, parent});
  if (!m_answers.isEmpty()) return m_answers.takeFirst();
  return UnattendedAnswer(style);
}

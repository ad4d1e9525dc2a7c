// The user at the message service, for the tests: notes each box's text, caption and style and
// answers in the user's place, so nothing waits on a modal loop.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "framework/message_box.h"

class MessageBoxRecorder : public MessageBoxAnswerer {
 public:
  struct Entry {
    QString text;
    QString caption;
    int style;
    QWidget* parent;
  };

  // Installs itself for its lifetime; an inner recorder hands back to the outer one when it ends.
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  // Answers given to the next boxes, in order; once they run out, boxes get UnattendedAnswer.
  void QueueAnswer(int answer) { m_answers.append(answer); }
  const QList<Entry>& Entries() const { return m_entries; }
  QStringList Texts() const;
  void Clear() { m_entries.clear(); }

  int Answer(QWidget* parent, const QString& text, const QString& caption, int style) override;

 private:
  QList<Entry> m_entries;
  QList<int> m_answers;
  MessageBoxAnswerer* m_previous;
};

// The program's one message service: text in a modal box titled "vesk" (or the given caption),
// OK only unless the style asks for Yes/No/Cancel. Tests install a recorder that notes each box
// and answers in the user's place, so nothing waits on a modal loop. The boxes themselves are the
// window part's (message_box_widgets.h); a program without it prints the text on stderr.
#pragma once

#include <QList>
#include <QString>

class QWidget;

enum MessageBoxStyle { MB_OK = 0, MB_YESNOCANCEL = 3 };
enum MessageBoxAnswer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

int MessageBox(QWidget* parent, const QString& text, const QString& caption = QString(), int style = MB_OK);
inline int MessageBox(const QString& text, const QString& caption = QString(), int style = MB_OK) {
  return MessageBox(nullptr, text, caption, style);
}

// How a box is shown while no recorder is installed; null: the text goes to stderr and the box is
// answered IDOK (IDCANCEL for Yes/No/Cancel questions).
using MessageBoxPresenter = int (*)(QWidget* parent, const QString& text, const QString& caption, int style);
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

// The caption of boxes that give none of their own.
QString ApplicationTitle();

class MessageBoxRecorder {
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

  // Answers given to the next boxes, in order; once they run out, boxes are answered IDOK
  // (IDCANCEL for Yes/No/Cancel questions).
  void QueueAnswer(int answer) { m_answers.append(answer); }
  const QList<Entry>& Entries() const { return m_entries; }
  QStringList Texts() const;
  void Clear() { m_entries.clear(); }

  int Record(QWidget* parent, const QString& text, const QString& caption, int style);

 private:
  QList<Entry> m_entries;
  QList<int> m_answers;
  MessageBoxRecorder* m_previous;
};

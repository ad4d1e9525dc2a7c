// The program's one message service: text in a modal box titled "vesk" (or the given caption),
// OK only unless the style asks for Yes/No/Cancel. The boxes themselves are the window part's
// (message_box_widgets.h); a program without it prints the text on stderr. A program that plays
// the user (the tests) installs an answerer, so nothing waits on a modal loop.
#pragma once

#include <QString>

class QWidget;

enum MessageBoxStyle { MB_OK = 0, MB_YESNOCANCEL = 3 };
enum MessageBoxAnswer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

int MessageBox(QWidget* parent, const QString& text, const QString& caption = QString(), int style = MB_OK);
inline int MessageBox(const QString& text, const QString& caption = QString(), int style = MB_OK) {
  return MessageBox(nullptr, text, caption, style);
}

// How a box is shown while no answerer is installed; null: the text goes to stderr and the box
// gets UnattendedAnswer.
using MessageBoxPresenter = int (*)(QWidget* parent, const QString& text, const QString& caption, int style);
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

// Takes every box in the user's place while installed, ahead of any presenter.
class MessageBoxAnswerer {
 public:
  virtual int Answer(QWidget* parent, const QString& text, const QString& caption, int style) = 0;

 protected:
  ~MessageBoxAnswerer() = default;
};
// Installs answerer (null: none) and returns the one installed before.
MessageBoxAnswerer* SetMessageBoxAnswerer(MessageBoxAnswerer* answerer);

// The answer of a box nobody answers: IDOK, or IDCANCEL for a Yes/No/Cancel question.
int UnattendedAnswer(int style);

// The caption of boxes that give none of their own.
QString ApplicationTitle();

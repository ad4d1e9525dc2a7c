// The message service: the installed answerer, else the installed presenter, else stderr.
#include "framework/message_box.h"

#include <cstdio>

namespace {
MessageBoxAnswerer* g_answerer = nullptr;
MessageBoxPresenter g_presenter = nullptr;
}  // namespace

QString ApplicationTitle() {
  return QStringLiteral("vesk");
}

int UnattendedAnswer(int style) {
  return style == MB_YESNOCANCEL ? IDCANCEL : IDOK;
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  g_presenter = presenter;
}

MessageBoxAnswerer* SetMessageBoxAnswerer(MessageBoxAnswerer* answerer) {
  MessageBoxAnswerer* previous = g_answerer;
  g_answerer = answerer;
  return previous;
}

int MessageBox(QWidget* parent, const QString& text, const QString& caption, int style) {
  const QString title = caption.isEmpty() ? ApplicationTitle() : caption;
  if (g_answerer) return g_answerer->Answer(parent, text, title, style);
  if (g_presenter) return g_presenter(parent, text, title, style);
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
  return UnattendedAnswer(style);
}

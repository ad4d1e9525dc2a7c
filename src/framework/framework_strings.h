// The framework's own texts: its questions, its error reports and its file dialogs.
#pragma once

#include <QString>

namespace FrameworkStrings {
// %1 is the document's title.
inline QString SaveChangesPrompt(const QString& title) {
  return QStringLiteral("Save changes to %1?").arg(title);
}
// detail is the one-line cause from the document ("<file>: <what went wrong>").
inline QString FailedToOpen(const QString& detail) {
  return QStringLiteral("Failed to open document.\n%1").arg(detail);
}
inline QString FailedToSave(const QString& detail) {
  return QStringLiteral("Failed to save document.\n%1").arg(detail);
}
inline QString FailedToCreate() {
  return QStringLiteral("Failed to create empty document.");
}
// %1 is the program's name.
inline QString CommandLineUsage(const QString& program) {
  return QStringLiteral("Usage: %1 [FILE]\nStarts with a new design, or opens the design in FILE.")
      .arg(program);
}
inline QString OpenDialogTitle() {
  return QStringLiteral("Open");
}
inline QString SaveAsDialogTitle() {
  return QStringLiteral("Save As");
}
inline QString AllFilesFilter() {
  return QStringLiteral("All Files (*)");
}
}  // namespace FrameworkStrings

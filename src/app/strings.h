// The texts of the program's string table that it shows.
#pragma once

#include <QString>

namespace VeskStrings {
// 57344, the application title: message-box caption and settings name.
inline QString AppTitle() {
  return QStringLiteral("vesk");
}
// 128, the document string: window title, document name, file-new type name, filter name, filter
// extension, file-type id, file-type name.
inline QString DocString() {
  return QStringLiteral("vesk\n\nVesk\n\n\nVesk.Document\nVesk Document");
}
// Where the settings live: the key the recent-file list is kept under.
inline QString RegistryKey() {
  return QStringLiteral("Local AppWizard-Generated Applications");
}
// What vesk --help says the program does.
inline QString CommandLineDescription() {
  return QStringLiteral(
      "Designs the outline of a guitar body: a smooth outline fitted to its length and to the widths of "
      "its bouts and waist, drawn to scale with its soundhole and fingerboard.");
}
}  // namespace VeskStrings

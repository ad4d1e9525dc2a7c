// The window program's command line, read under a bare QCoreApplication before the GUI application
// exists: --help, --version and usage errors end the program at once, with no display and no window.
#pragma once

#include <QString>
#include <QStringList>

struct StartupCommandLine {
  enum class Outcome { Run, PrintAndExit };
  Outcome outcome = Outcome::Run;
  int exitCode = 0;
  // For PrintAndExit: the help or version text (stdout, exit 0) or a one-line error (stderr, exit 2).
  QString message;
  // For Run: the design to open (none or one), and what the GUI application is given: the program
  // path and Qt's own options (-platform, -style, ...), never a file name.
  QStringList files;
  QStringList guiArguments;
};

// arguments[0] is the program path; the names in messages are QCoreApplication's application name.
// Qt's own GUI options are accepted and passed on; after "--" everything is a file name.
StartupCommandLine ParseStartupCommandLine(const QStringList& arguments, const QString& description);

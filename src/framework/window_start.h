// Opening a window program's GUI application without Qt's abort: with no display, or one that does
// not answer, the program prints "PROGRAM: cannot open a window: WHY" and ends with status 1.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// What Qt reads to choose its window system and reach the display.
struct DisplayEnvironment {
  QString platform;        // QT_QPA_PLATFORM
  QString display;         // DISPLAY
  QString waylandDisplay;  // WAYLAND_DISPLAY
  QString sessionType;     // XDG_SESSION_TYPE
  static DisplayEnvironment FromProcess();
};

// Why no window can be opened, given the GUI application's arguments (the program path and Qt's own
// options: -platform, -display) and the environment; empty when the platform may be tried. Only a
// missing display is found here; a display that does not answer is WindowStartGuard's.
QString MissingDisplay(const QStringList& guiArguments, const DisplayEnvironment& environment);

// "PROGRAM: cannot open a window: WHY" on stderr.
void ReportNoWindow(const QString& program, const QString& why);

// While it lives, a platform plugin that fails to start ends the process with ReportNoWindow's line
// (naming what Qt's platform plugin said) and exit status 1, instead of Qt's advice and abort.
// Qt's messages meanwhile are held back and handed on to the previous handler when it ends.
class WindowStartGuard {
 public:
  explicit WindowStartGuard(const QString& program);
  ~WindowStartGuard();
  WindowStartGuard(const WindowStartGuard&) = delete;
  WindowStartGuard& operator=(const WindowStartGuard&) = delete;
};

// For a window program's main(), after its --help and --version: constructs the GUI application
// (QApplication or QGuiApplication) if a window can be opened. Otherwise prints the line and returns
// nullptr, and main() returns 1. argc and argv must outlive the application, as Qt requires.
template <class Application>
std::unique_ptr<Application> OpenWindowApplication(const QString& program, int& argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const QString missing = MissingDisplay(arguments, DisplayEnvironment::FromProcess());
  if (!missing.isEmpty()) {
    ReportNoWindow(program, missing);
    return nullptr;
  }
  const WindowStartGuard guard(program);
  return std::make_unique<Application>(argc, argv);
}

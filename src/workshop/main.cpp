// vesk-workshop [DESIGN]: the workshop window. The command line is read before any display is
// needed, so --help and --version work anywhere; a design that cannot be read is reported in a
// message box and ends the program with status 1 before the main window exists.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <vector>

#include "framework/error_text.h"
#include "framework/startup_command_line.h"
#include "framework/window_start.h"
#include "workshop/workshop_window.h"

namespace {

const char kDescription[] =
    "The vesk workshop: a design's shape, templates with offsets and parts, the fretboard, and copying an "
    "instrument, in one window. Opens the design file FILE, or a new design.";

StartupCommandLine ReadCommandLine(int argc, char** argv) {
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vesk-workshop"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));
  return ParseStartupCommandLine(QCoreApplication::arguments(), QString::fromLatin1(kDescription));
}

int Print(const StartupCommandLine& commandLine) {
  std::FILE* out = commandLine.exitCode == 0 ? stdout : stderr;
  std::fputs(commandLine.message.toLocal8Bit().constData(), out);
  if (!commandLine.message.endsWith(QLatin1Char('\n'))) std::fputc('\n', out);
  return commandLine.exitCode;
}

int RunWindow(const StartupCommandLine& commandLine) {
  std::vector<QByteArray> bytes;
  bytes.reserve(size_t(commandLine.guiArguments.size()));
  for (const QString& a : commandLine.guiArguments) bytes.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  argv.reserve(bytes.size() + 1);
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  int argc = int(bytes.size());
  const std::unique_ptr<QApplication> app =
      OpenWindowApplication<QApplication>(QStringLiteral("vesk-workshop"), argc, argv.data());
  if (!app) return 1;
  QApplication::setApplicationName(QStringLiteral("vesk-workshop"));
  QApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("vesk-workshop"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vesk-workshop.svg")));
  WorkshopWindow window;
  if (!commandLine.files.isEmpty()) {
    if (const Status opened = window.loadFile(commandLine.files.front()); !opened) {
      QMessageBox::critical(nullptr, QApplication::translate("main", "vesk workshop"),
                            ErrorText(opened.error()));
      return 1;
    }
  }
  window.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  const StartupCommandLine commandLine = ReadCommandLine(argc, argv);
  if (commandLine.outcome == StartupCommandLine::Outcome::PrintAndExit) return Print(commandLine);
  return RunWindow(commandLine);
}

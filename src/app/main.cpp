// vesk: the window program. The application object lives for the whole process.
#include <QGuiApplication>

#include "app/strings.h"
#include "app/veskapp.h"

namespace {
CVeskApp theApp;
}

int main(int argc, char** argv) {
  // Ties the window to vesk.desktop and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("vesk"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VESK_FILE_VERSION));
  theApp.SetCommandLineDescription(VeskStrings::CommandLineDescription());
  return AfxWinMain(theApp, argc, argv);
}

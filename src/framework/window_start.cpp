// The display check before a GUI application exists and the guard around its construction.
#include "framework/window_start.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

// The last value of Qt's option -NAME (or --NAME), or a null string.
QString OptionValue(const QStringList& arguments, const QString& name) {
  QString value;
  for (int i = 1; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == QLatin1Char('-') + name || arguments[i] == QLatin1String("--") + name)
      value = arguments[i + 1];
  }
  return value;
}

struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};

struct GuardState {
  std::mutex mutex;
  QString program;
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
};

GuardState& Guard() {
  static GuardState state;
  return state;
}

// What the platform plugins said, without Qt's closing advice.
QString PlatformComplaint(const std::vector<HeldMessage>& held) {
  QStringList parts;
  for (const HeldMessage& m : held) {
    if (!m.category.startsWith("qt.qpa")) continue;
    if (m.text.startsWith(QLatin1String("Could not load the Qt platform plugin"))) continue;
    parts << m.text.trimmed();
  }
  return parts.isEmpty() ? QStringLiteral("the window system's platform plugin did not start")
                         : parts.join(QLatin1String("; "));
}

// Qt ends a platform plugin's failure with a fatal message, then aborts; this ends first.
void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  GuardState& state = Guard();
  const std::lock_guard<std::mutex> lock(state.mutex);
  if (type == QtFatalMsg) {
    ReportNoWindow(state.program, PlatformComplaint(state.held));
    std::_Exit(1);
  }
  state.held.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                        QByteArray(context.category), text});
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess() {
  return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
          qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_SESSION_TYPE")};
}

QString MissingDisplay(const QStringList& guiArguments, const DisplayEnvironment& environment) {
  // The -platform option wins over QT_QPA_PLATFORM, as in QGuiApplication.
  QString platforms = OptionValue(guiArguments, QStringLiteral("platform"));
  if (platforms.isNull()) platforms = environment.platform;
  if (!environment.display.isEmpty() || !OptionValue(guiArguments, QStringLiteral("display")).isEmpty())
    return {};
  if (platforms.isEmpty()) {
    // Qt's default is X11, with Wayland tried first in a Wayland session.
    if (!environment.waylandDisplay.isEmpty() || environment.sessionType == QLatin1String("wayland"))
      return {};
    return QStringLiteral("no display (DISPLAY and WAYLAND_DISPLAY are unset)");
  }
  // A list of platforms tried in turn, each NAME[:OPTIONS]; only X11 is sure to need DISPLAY.
  for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    if (entry.section(QLatin1Char(':'), 0, 0) != QLatin1String("xcb")) return {};
  }
  return QStringLiteral("no display (DISPLAY is unset, and the xcb platform needs it)");
}

void ReportNoWindow(const QString& program, const QString& why) {
  std::fprintf(stderr, "%s: cannot open a window: %s\n", program.toLocal8Bit().constData(),
               why.toLocal8Bit().constData());
  std::fflush(stderr);
}

WindowStartGuard::WindowStartGuard(const QString& program) {
  GuardState& state = Guard();
  const std::lock_guard<std::mutex> lock(state.mutex);
  state.program = program;
  state.held.clear();
  state.previous = qInstallMessageHandler(HoldMessage);
}

WindowStartGuard::~WindowStartGuard() {
  GuardState& state = Guard();
  std::vector<HeldMessage> held;
  QtMessageHandler previous = nullptr;
  {
    const std::lock_guard<std::mutex> lock(state.mutex);
    previous = state.previous;
    qInstallMessageHandler(previous);
    held.swap(state.held);
  }
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                     m.function.isNull() ? nullptr : m.function.constData(),
                                     m.category.isNull() ? nullptr : m.category.constData());
    previous(m.type, context, m.text);
  }
}

// Parsing the window program's command line with QCommandLineParser, before any window.
#include "framework/startup_command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <vector>

namespace {

// The options that QGuiApplication, QApplication and the xcb platform take for themselves. They are
// hidden from --help and handed to the GUI application unchanged.
struct QtOption {
  const char* name;
  bool takesValue;
};
const QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"style", true},
    {"stylesheet", true},
    {"display", true},
    {"geometry", true},
    {"title", true},
    {"name", true},
    {"visual", true},
    {"ncols", true},
    {"cmap", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

StartupCommandLine Exit(int code, const QString& message) {
  StartupCommandLine result;
  result.outcome = StartupCommandLine::Outcome::PrintAndExit;
  result.exitCode = code;
  result.message = message;
  return result;
}

StartupCommandLine UsageError(const QString& what) {
  return Exit(2, QStringLiteral("%1: %2 Try '%1 --help'.").arg(QCoreApplication::applicationName(), what));
}

}  // namespace

StartupCommandLine ParseStartupCommandLine(const QStringList& arguments, const QString& description) {
  QCommandLineParser parser;
  // Qt's own options are single-dash words (-platform, -style); so are ours for symmetry (-help).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(description);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("The design to open; without it, a new design. Use -- before a "
                                              "name that starts with a dash."),
                               QStringLiteral("[FILE]"));
  std::vector<QCommandLineOption> qtOptions;
  for (const QtOption& o : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(o.name));
    if (o.takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
    qtOptions.push_back(option);
  }

  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  // --help-all would list Qt's own options, which the bare core application does not know.
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) return Exit(0, parser.helpText());
  if (parser.isSet(version))
    return Exit(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                 QCoreApplication::applicationVersion()));

  StartupCommandLine result;
  result.files = parser.positionalArguments();
  if (result.files.size() > 1) return UsageError(QStringLiteral("More than one FILE."));
  if (result.files.size() == 1 && result.files[0].isEmpty())
    return UsageError(QStringLiteral("Empty FILE name."));
  result.guiArguments << arguments.value(0);
  for (const QCommandLineOption& option : qtOptions) {
    if (!parser.isSet(option)) continue;
    const QString flag = QLatin1Char('-') + option.names().constFirst();
    if (option.valueName().isEmpty()) {
      result.guiArguments << flag;
    } else {
      for (const QString& value : parser.values(option)) result.guiArguments << flag << value;
    }
  }
  return result;
}

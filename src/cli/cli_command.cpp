// Shared helpers of the vesk-cli commands.
#include "cli/cli_command.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>

namespace cli {

ExitCode ExitCodeOf(const Error& error) {
  switch (error.kind) {
    case ErrorKind::Refused:
      return kUsage;
    case ErrorKind::FitFailed:
      return kFitFailed;
    case ErrorKind::Failed:
      break;
  }
  return kFileError;
}

void PrintError(const QString& line) {
  std::fprintf(stderr, "vesk-cli: %s\n", line.toLocal8Bit().constData());
}

void PrintOut(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
  std::fflush(stdout);
}

namespace {
const Command* g_command = nullptr;
bool g_helpShown = false;

// QCommandLineParser's help opens with "Usage: <program path>"; ours names the command.
QString CommandHelp(const QCommandLineParser& parser, const QString& name) {
  QString text = parser.helpText();
  const QString program = QStringLiteral("Usage: ") + QCoreApplication::arguments().value(0);
  if (text.startsWith(program)) text.replace(0, program.size(), QStringLiteral("Usage: vesk-cli ") + name);
  return text;
}
}  // namespace

void BeginCommand(const Command& command) {
  g_command = &command;
  g_helpShown = false;
}

bool HelpShown() {
  return g_helpShown;
}

bool ParseOrReport(QCommandLineParser& parser, const QStringList& args) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // A command that declares --help itself prints its own; the others get the generic one.
  const bool ownHelp = parser.parse({args.value(0), QStringLiteral("--help")});
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("show this help"));
  if (!ownHelp) parser.addOption(help);
  if (g_command && g_command->name == args.value(0)) parser.setApplicationDescription(g_command->summary);
  if (!parser.parse(args)) {
    PrintError(args.value(0) + ": " + parser.errorText());
    return false;
  }
  if (ownHelp || !parser.isSet(help)) return true;
  PrintOut(CommandHelp(parser, args.value(0)));
  g_helpShown = true;
  return false;
}

bool OneFileArgument(const QCommandLineParser& parser, const QString& command, QString* file) {
  const QStringList files = parser.positionalArguments();
  if (files.size() == 1) {
    *file = files.first();
    return true;
  }
  if (files.isEmpty())
    PrintError(QStringLiteral("%1: missing FILE").arg(command));
  else
    PrintError(QStringLiteral("%1: unexpected argument '%2'").arg(command, files[1]));
  return false;
}

std::optional<double> FiniteOption(const QCommandLineParser& parser, const QString& name, double fallback) {
  if (!parser.isSet(name)) return fallback;
  const QString text = parser.value(name);
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) {
    PrintError(QStringLiteral("--%1: '%2' is not a finite number").arg(name, text));
    return std::nullopt;
  }
  return value;
}

}  // namespace cli

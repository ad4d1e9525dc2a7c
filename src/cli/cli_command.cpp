// Shared helpers of the vesk-cli commands: output, faults and their wording, arguments.
#include "cli/cli_command.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>

#include "framework/error_text.h"

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
QString g_commandName;
bool g_helpShown = false;
QStringList g_warnings;

// QCommandLineParser's help opens with "Usage: <program path>"; ours names the command.
QString CommandHelp(const QCommandLineParser& parser, const QString& name) {
  QString text = parser.helpText();
  const QString program = QStringLiteral("Usage: ") + QCoreApplication::arguments().value(0);
  if (text.startsWith(program)) text.replace(0, program.size(), QStringLiteral("Usage: vesk-cli ") + name);
  return text;
}

QString Dashed(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's parse errors in our wording: the option first, then what is wrong with it.
Error ParseError(const QCommandLineParser& parser) {
  if (!parser.unknownOptionNames().isEmpty())
    return UsageError(Dashed(parser.unknownOptionNames().first()), QStringLiteral("unknown option"));
  static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
  static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
  const QString text = parser.errorText();
  if (const auto m = missing.match(text); m.hasMatch())
    return UsageError(m.captured(1), Missing() + " value");
  if (const auto m = unexpected.match(text); m.hasMatch())
    return UsageError(m.captured(1), QStringLiteral("takes no value"));
  QString why = text;
  if (why.endsWith('.')) why.chop(1);
  return UsageError(QStringLiteral("arguments"), why);
}

QString Quoted(const QString& typed) {
  return QLatin1Char('\'') + typed + QLatin1Char('\'');
}

}  // namespace

void BeginCommand(const Command& command) {
  g_command = &command;
  g_commandName = QString::fromLatin1(command.name);
  g_helpShown = false;
}

bool HelpShown() {
  return g_helpShown;
}

Error UsageError(const QString& what, const QString& why) {
  return ErrorFrom(what + QStringLiteral(": ") + why, ErrorKind::Refused);
}

int Report(const Error& error) {
  if (error.kind == ErrorKind::Refused)
    g_warnings.clear();
  else
    FlushWarnings();
  const QString message = QString::fromStdString(error.message);
  PrintError(g_commandName.isEmpty() ? message : g_commandName + QStringLiteral(": ") + message);
  return ExitCodeOf(error);
}

void Warn(const QString& what, const QString& why) {
  Warn(what + QStringLiteral(": ") + why);
}

void Warn(const QString& line) {
  g_warnings << (g_commandName.isEmpty() ? line : g_commandName + QStringLiteral(": ") + line);
}

void FlushWarnings() {
  for (const QString& line : g_warnings) PrintError(line);
  g_warnings.clear();
}

QString NotANumber(const QString& typed) {
  return Quoted(typed) + QStringLiteral(" is not a finite number");
}

QString NotAWholeNumber(const QString& typed) {
  return Quoted(typed) + QStringLiteral(" is not a whole number");
}

QString NotGreaterThanZero(const QString& typed) {
  return typed.trimmed() + QStringLiteral(" is not greater than 0");
}

QString IsNegative(const QString& typed) {
  return typed.trimmed() + QStringLiteral(" is negative");
}

QString NotFromTo(const QString& typed, const QString& from, const QString& to) {
  return QStringLiteral("%1 is not from %2 to %3").arg(typed.trimmed(), from, to);
}

QString UnknownValue(const QString& kind, const QString& typed, const QString& choices) {
  return QStringLiteral("unknown %1 %2 (use %3)").arg(kind, Quoted(typed), choices);
}

QString Missing() {
  return QStringLiteral("missing");
}

QString UnexpectedArgument() {
  return QStringLiteral("unexpected argument");
}

QString ExcludeEachOther() {
  return QStringLiteral("exclude each other");
}

QString OptionList(const QStringList& names) {
  QStringList dashed;
  for (const QString& n : names) dashed << Dashed(n);
  if (dashed.size() < 2) return dashed.value(0);
  const QString last = dashed.takeLast();
  return dashed.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

bool ParseOrReport(QCommandLineParser& parser, const QStringList& args, const QString& notes) {
  g_commandName = args.value(0);
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // A command that declares --help itself prints its own; the others get the generic one.
  const bool ownHelp = parser.parse({args.value(0), QStringLiteral("--help")});
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("show this help"));
  if (!ownHelp) parser.addOption(help);
  if (g_command && g_command->name == args.value(0)) parser.setApplicationDescription(g_command->summary);
  if (!parser.parse(args)) {
    Report(ParseError(parser));
    return false;
  }
  if (ownHelp || !parser.isSet(help)) return true;
  PrintOut(CommandHelp(parser, args.value(0)) + notes);
  g_helpShown = true;
  return false;
}

void AddArgument(QCommandLineParser& parser, const QString& name, const QString& description, bool optional) {
  parser.addPositionalArgument(name, description, optional ? QStringLiteral("[%1]").arg(name) : name);
}

Result<QString> OneArgument(const QCommandLineParser& parser, const QString& name, bool optional) {
  const QStringList given = parser.positionalArguments();
  if (given.size() > 1) return UsageError(Quoted(given[1]), UnexpectedArgument());
  if (given.isEmpty() && !optional) return UsageError(name, Missing());
  return given.value(0);
}

Status AtMostOne(const QCommandLineParser& parser, std::initializer_list<const char*> names) {
  QStringList set;
  for (const char* name : names)
    if (parser.isSet(QString::fromLatin1(name))) set << QString::fromLatin1(name);
  if (set.size() > 1) return UsageError(OptionList(set), ExcludeEachOther());
  return {};
}

Result<double> NumberOption(const QCommandLineParser& parser, const QString& name, double fallback) {
  if (!parser.isSet(name)) return fallback;
  const QString text = parser.value(name);
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return UsageError(Dashed(name), NotANumber(text));
  return value;
}

Result<int> WholeOption(const QCommandLineParser& parser, const QString& name, int fallback) {
  if (!parser.isSet(name)) return fallback;
  bool ok = false;
  const int value = parser.value(name).trimmed().toInt(&ok);
  if (!ok) return UsageError(Dashed(name), NotAWholeNumber(parser.value(name)));
  return value;
}

}  // namespace cli

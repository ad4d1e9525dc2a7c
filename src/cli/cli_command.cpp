// Shared helpers of the vesk-cli commands.
#include "cli/cli_command.h"

#include <cmath>
#include <cstdio>

namespace cli {

void PrintError(const QString& line) {
  std::fprintf(stderr, "vesk-cli: %s\n", line.toLocal8Bit().constData());
}

void PrintOut(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
  std::fflush(stdout);
}

bool ParseOrReport(QCommandLineParser& parser, const QStringList& args) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  if (parser.parse(args)) return true;
  PrintError(args.value(0) + ": " + parser.errorText());
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

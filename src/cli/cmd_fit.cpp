// vesk-cli fit [--length L] [--lower-bout W] [--waist W] [--upper-bout W] [--a3 A] ... [--json]
#include "cli/cmd_fit.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"

namespace cli {

namespace {

struct ShapeOption {
  const char* name;
  double FitInputs::*field;
};

constexpr ShapeOption kShapeOptions[] = {
    {"length", &FitInputs::length}, {"lower-bout", &FitInputs::lowerBout},
    {"waist", &FitInputs::waist},   {"upper-bout", &FitInputs::upperBout},
    {"a3", &FitInputs::a3},         {"a4", &FitInputs::a4},
    {"a5", &FitInputs::a5},         {"a6", &FitInputs::a6},
};

}  // namespace

int RunFitCommand(const QStringList& args) {
  QCommandLineParser parser;
  for (const ShapeOption& o : kShapeOptions)
    parser.addOption({QString::fromLatin1(o.name), QStringLiteral("shape value"), QStringLiteral("value")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  if (!ParseOrReport(parser, args)) return kUsage;
  if (!parser.positionalArguments().isEmpty()) {
    PrintError(QStringLiteral("fit: unexpected argument '%1'").arg(parser.positionalArguments().first()));
    return kUsage;
  }

  FitInputs in = DefaultFitInputs();
  for (const ShapeOption& o : kShapeOptions) {
    const auto value = FiniteOption(parser, QString::fromLatin1(o.name), in.*o.field);
    if (!value) return kUsage;
    in.*o.field = *value;
  }

  const int result = RunFit(in);
  PrintOut(parser.isSet("json") ? JsonText(FitJson(result)) : FitSummary(result));
  return result == 0 ? kOk : kFitFailed;
}

}  // namespace cli

// vesk-cli fit [FILE | --length L --lower-bout W --waist W --upper-bout W --a3 A ... --a6 A] [--json]
#include "cli/cmd_fit.h"

#include <QCommandLineParser>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"
#include "document/veskdoc.h"

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

// The fit that opening FILE ran: the same FitShape call on the saved shape values; nullopt (after
// the message) when the file cannot be opened.
std::optional<int> FitSavedDesign(const QString& file) {
  CVeskDoc doc;
  if (!OpenDesign(doc, file)) return std::nullopt;
  return doc.m_fitValid == 1 ? 0 : -1;
}

// The fit of the options, with the new-design values for whatever is not given.
std::optional<int> FitOptions(const QCommandLineParser& parser) {
  FitInputs in = DefaultFitInputs();
  for (const ShapeOption& o : kShapeOptions) {
    const auto value = FiniteOption(parser, QString::fromLatin1(o.name), in.*o.field);
    if (!value) return std::nullopt;
    in.*o.field = *value;
  }
  return RunFit(in);
}

}  // namespace

int RunFitCommand(const QStringList& args) {
  QCommandLineParser parser;
  for (const ShapeOption& o : kShapeOptions)
    parser.addOption({QString::fromLatin1(o.name), QStringLiteral("shape value"), QStringLiteral("value")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  if (!ParseOrReport(parser, args)) return kUsage;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    PrintError(QStringLiteral("fit: unexpected argument '%1'").arg(files[1]));
    return kUsage;
  }

  int result;
  if (files.size() == 1) {
    for (const ShapeOption& o : kShapeOptions) {
      if (parser.isSet(QString::fromLatin1(o.name))) {
        PrintError(QStringLiteral("fit: --%1: give either FILE or shape options, not both").arg(o.name));
        return kUsage;
      }
    }
    const auto fitted = FitSavedDesign(files.first());
    if (!fitted) return kFileError;
    result = *fitted;
  } else {
    const auto fitted = FitOptions(parser);
    if (!fitted) return kUsage;
    result = *fitted;
  }
  PrintOut(parser.isSet("json") ? JsonText(FitJson(result)) : FitSummary(result));
  return result == 0 ? kOk : kFitFailed;
}

}  // namespace cli

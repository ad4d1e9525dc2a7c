// vesk-cli fit [FILE | --length L --lower-bout W --waist W --upper-bout W --a3 A ... --a6 A] [--json]
#include "cli/cmd_fit.h"

#include <QCommandLineParser>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"
#include "document/design.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

struct ShapeOption {
  const char* name;
  double DesignShape::*field;
};

constexpr ShapeOption kShapeOptions[] = {
    {"length", &DesignShape::length}, {"lower-bout", &DesignShape::lowerBout},
    {"waist", &DesignShape::waist},   {"upper-bout", &DesignShape::upperBout},
    {"a3", &DesignShape::a3},         {"a4", &DesignShape::a4},
    {"a5", &DesignShape::a5},         {"a6", &DesignShape::a6},
};

// The fit of FILE's shape values; nullopt (after the message) when the file cannot be opened.
std::optional<FittedOutline> FitSavedDesign(const QString& file) {
  const std::optional<OpenedDesign> opened = OpenDesign(file);
  if (!opened) return std::nullopt;
  return FitOutline(opened->design.shape);
}

// The fit of the options, with the new-design values for whatever is not given.
std::optional<FittedOutline> FitOptions(const QCommandLineParser& parser) {
  DesignShape in = Design{}.shape;
  for (const ShapeOption& o : kShapeOptions) {
    const auto value = FiniteOption(parser, QString::fromLatin1(o.name), in.*o.field);
    if (!value) return std::nullopt;
    in.*o.field = *value;
  }
  return FitOutline(in);
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

  std::optional<FittedOutline> fitted;
  if (files.size() == 1) {
    for (const ShapeOption& o : kShapeOptions) {
      if (parser.isSet(QString::fromLatin1(o.name))) {
        PrintError(QStringLiteral("fit: --%1: give either FILE or shape options, not both").arg(o.name));
        return kUsage;
      }
    }
    fitted = FitSavedDesign(files.first());
    if (!fitted) return kFileError;
  } else {
    fitted = FitOptions(parser);
    if (!fitted) return kUsage;
  }
  PrintOut(parser.isSet("json") ? JsonText(FitJson(*fitted)) : FitSummary(*fitted));
  return fitted->Valid() ? kOk : kFitFailed;
}

}  // namespace cli

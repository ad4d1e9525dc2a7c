// vesk-cli fit [FILE | --length L --lower-bout W --waist W --upper-bout W --a3 A ... --a6 A]
//   [--unit cm|in] [--json]
#include "cli/cmd_fit.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"
#include "cli/length_option.h"
#include "cli/template_options.h"
#include "document/design.h"
#include "geometry/fit_failure.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

struct ShapeOption {
  const char* name;
  double DesignShape::*field;
  const char* help;
  Usual usual;
};

constexpr ShapeOption kShapeOptions[] = {
    {"length", &DesignShape::length, "body length", Usual::kBodyLength},
    {"lower-bout", &DesignShape::lowerBout, "half the width of the lower bout", Usual::kWidth},
    {"waist", &DesignShape::waist, "half the width of the waist", Usual::kWidth},
    {"upper-bout", &DesignShape::upperBout, "half the width of the upper bout", Usual::kWidth},
    {"a3", &DesignShape::a3, "free coefficient a3", Usual::kAny},
    {"a4", &DesignShape::a4, "free coefficient a4", Usual::kAny},
    {"a5", &DesignShape::a5, "free coefficient a5", Usual::kAny},
    {"a6", &DesignShape::a6, "free coefficient a6", Usual::kAny},
};

const char kHelpNotes[] =
    "\nThe new design's values (in --unit: its centimetres, or those converted to inches) stand for any\n"
    "not given. Lengths take a unit (49cm, 490mm, 19.3in, 19.3\"); a bare number is in --unit. The\n"
    "length and the three half-widths must be greater than 0.\n";

void AddOptions(QCommandLineParser& parser) {
  AddArgument(parser, QStringLiteral("FILE"), QStringLiteral("a design file to fit instead of the options"),
              true);
  for (const ShapeOption& o : kShapeOptions)
    parser.addOption({QString::fromLatin1(o.name), QString::fromLatin1(o.help), QStringLiteral("L")});
  AddUnitOption(parser);
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
}

// The options' shape, with the new design's values (in the unit) for whatever is not given.
Result<DesignShape> ShapeFromOptions(const QCommandLineParser& parser, ExportUnit unit) {
  Result<OpenedDesign> defaults = OpenDesign(QString(), unit);
  DesignShape shape = defaults->design.shape;
  for (const ShapeOption& o : kShapeOptions) {
    LengthRule rule{DesignLengthUnit(unit), o.usual, LengthRule::kPositive};
    if (o.usual == Usual::kAny) rule.sign = LengthRule::kAnySign;
    const Result<double> value = LengthOption(parser, QString::fromLatin1(o.name), shape.*o.field, rule);
    if (!value) return value.error();
    shape.*o.field = *value;
  }
  return shape;
}

// The shape to fit: FILE's, or the options'.
Result<DesignShape> ShapeToFit(const QCommandLineParser& parser) {
  const Result<QString> file = OneArgument(parser, QStringLiteral("FILE"), true);
  if (!file) return file.error();
  const Result<ExportUnit> unit = UnitOption(parser);
  if (!unit) return unit.error();
  if (file->isEmpty()) return ShapeFromOptions(parser, *unit);
  for (const ShapeOption& o : kShapeOptions)
    if (parser.isSet(QString::fromLatin1(o.name)))
      return UsageError(QStringLiteral("--") + o.name,
                        QStringLiteral("give either FILE or shape options, not both"));
  const Result<OpenedDesign> opened = OpenDesign(*file);
  if (!opened) return opened.error();
  return opened->design.shape;
}

}  // namespace

int RunFitCommand(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args, QLatin1String(kHelpNotes))) return kUsage;
  const Result<DesignShape> shape = ShapeToFit(parser);
  if (!shape) return Report(shape.error());
  const FittedOutline fitted = FitOutline(*shape);
  PrintOut(parser.isSet("json") ? JsonText(FitJson(fitted)) : FitSummary(fitted));
  if (!fitted.Valid()) return Report(NoFitError(*shape, fitted));
  return kOk;
}

}  // namespace cli

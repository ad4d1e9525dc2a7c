// The match's options, each checked with a one-line message that names it.
#include "cli/match_arguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cmath>

#include "cli/cli_command.h"
#include "cli/template_options.h"

namespace cli {
namespace {

// --fix NAME=VALUE: one of the eight values, a finite number, each name at most once.
Status ParseFixes(const QStringList& fixes, MatchOptions* options) {
  for (const QString& fix : fixes) {
    const qsizetype eq = fix.indexOf('=');
    const QString name = fix.left(eq).trimmed();
    const int index = eq < 0 ? -1 : DesignShapeIndex(name.toStdString());
    if (index < 0)
      return UsageError(QStringLiteral("--fix '%1'").arg(fix),
                        QStringLiteral("expected NAME=VALUE with NAME one of length, lowerBout, waist, "
                                       "upperBout, a3, a4, a5, a6"));
    bool ok = false;
    const QString typed = fix.mid(eq + 1).trimmed();
    const double value = typed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
      return UsageError(QStringLiteral("--fix %1").arg(name), NotANumber(typed));
    if (options->fixed[index])
      return UsageError(QStringLiteral("--fix %1").arg(name), QStringLiteral("fixed twice"));
    options->fixed[index] = value;
  }
  return {};
}

void AddOptions(QCommandLineParser& parser) {
  AddArgument(parser, QStringLiteral("POINTS"),
              QStringLiteral("the points: a text file, a DXF file, or a picture (PNG, JPEG, TIFF) to trace"),
              false);
  parser.addOption({{"o", "output"}, QStringLiteral("write the matched design"), QStringLiteral("DESIGN")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  parser.addOption({QStringLiteral("fix"), QStringLiteral("hold a value"), QStringLiteral("NAME=VALUE")});
  parser.addOption({QStringLiteral("align"), QStringLiteral("fit the points' position and rotation too")});
  parser.addOption({QStringLiteral("keep-all"), QStringLiteral("leave no stray point out")});
  parser.addOption(
      {QStringLiteral("overlay"), QStringLiteral("draw points and outline"), QStringLiteral("FILE")});
  parser.addOption(
      {QStringLiteral("layer"), QStringLiteral("the DXF layer to read"), QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("unit"), QStringLiteral("the design's unit"), QStringLiteral("cm|in")});
  parser.addOption({QStringLiteral("points-unit"), QStringLiteral("the points' unit, over the file's"),
                    QStringLiteral("mm|cm|in|m")});
}

// The options that name files and units.
Status TakeNamedOptions(const QCommandLineParser& parser, MatchArguments* a) {
  if (parser.isSet("o") && (a->design = parser.value("o")).isEmpty()) return UsageError("-o", Missing());
  if (parser.isSet("overlay")) {
    a->overlay = parser.value("overlay");
    const QString suffix = QFileInfo(a->overlay).suffix().toLower();
    if (suffix != "svg" && suffix != "png")
      return UsageError(QStringLiteral("--overlay '%1'").arg(a->overlay),
                        QStringLiteral("the name must end in .svg or .png"));
  }
  const Result<ExportUnit> unit = UnitOption(parser);
  if (!unit) return unit.error();
  a->unit = *unit;
  if (parser.isSet("points-unit") && !(a->pointsUnitMm = PointsUnitMillimetres(parser.value("points-unit"))))
    return UsageError("--points-unit", UnknownValue("unit", parser.value("points-unit"), "mm, cm, in or m"));
  if (parser.isSet("layer") && (a->layer = parser.value("layer")).isEmpty())
    return UsageError("--layer", Missing());
  return {};
}

}  // namespace

std::optional<double> PointsUnitMillimetres(const QString& name) {
  if (name == "mm") return 1.0;
  if (name == "cm") return 10.0;
  if (name == "in") return 25.4;
  if (name == "m") return 1000.0;
  return std::nullopt;
}

QString PointsUnitName(double mm) {
  return mm == 1.0      ? "mm"
         : mm == 10.0   ? "cm"
         : mm == 25.4   ? "in"
         : mm == 1000.0 ? "m"
                        : QString::number(mm) + " mm";
}

std::optional<MatchArguments> ParseMatchArguments(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args)) return std::nullopt;
  MatchArguments a;
  const Result<QString> points = OneArgument(parser, QStringLiteral("POINTS"), false);
  Status status = points ? TakeNamedOptions(parser, &a) : Status(points.error());
  if (status) status = ParseFixes(parser.values("fix"), &a.options);
  if (!status) {
    Report(status.error());
    return std::nullopt;
  }
  a.points = *points;
  a.json = parser.isSet("json");
  a.options.align = parser.isSet("align");
  a.options.keepAll = parser.isSet("keep-all");
  return a;
}

}  // namespace cli

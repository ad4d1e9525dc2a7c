// The match's options, each checked with a one-line message that names it.
#include "cli/match_arguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cmath>

#include "cli/cli_command.h"

namespace cli {
namespace {

// --fix NAME=VALUE: one of the eight values, a finite number, each name at most once.
bool ParseFixes(const QStringList& fixes, MatchOptions* options) {
  for (const QString& fix : fixes) {
    const qsizetype eq = fix.indexOf('=');
    const QString name = fix.left(eq).trimmed();
    const int index = eq < 0 ? -1 : DesignShapeIndex(name.toStdString());
    if (index < 0) {
      PrintError(QStringLiteral("match: --fix '%1': expected NAME=VALUE with NAME one of length, lowerBout, "
                                "waist, upperBout, a3, a4, a5, a6")
                     .arg(fix));
      return false;
    }
    bool ok = false;
    const double value = fix.mid(eq + 1).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
      PrintError(QStringLiteral("match: --fix '%1': '%2' is not a finite number").arg(fix, fix.mid(eq + 1)));
      return false;
    }
    if (options->fixed[index]) {
      PrintError(QStringLiteral("match: --fix: %1 is fixed twice").arg(kDesignShapeNames[index]));
      return false;
    }
    options->fixed[index] = value;
  }
  return true;
}

void AddOptions(QCommandLineParser& parser) {
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

// The options that name files and units; false after the message.
bool TakeNamedOptions(const QCommandLineParser& parser, MatchArguments* a) {
  if (parser.isSet("o") && (a->design = parser.value("o")).isEmpty()) {
    PrintError(QStringLiteral("match: -o needs a file name"));
    return false;
  }
  if (parser.isSet("overlay")) {
    a->overlay = parser.value("overlay");
    const QString suffix = QFileInfo(a->overlay).suffix().toLower();
    if (suffix != "svg" && suffix != "png") {
      PrintError(QStringLiteral("match: --overlay '%1': the name must end in .svg or .png").arg(a->overlay));
      return false;
    }
  }
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &a->unit)) {
    PrintError(QStringLiteral("match: --unit '%1': expected cm or in").arg(parser.value("unit")));
    return false;
  }
  if (parser.isSet("points-unit") &&
      !(a->pointsUnitMm = PointsUnitMillimetres(parser.value("points-unit")))) {
    PrintError(QStringLiteral("match: --points-unit '%1': expected mm, cm, in or m")
                   .arg(parser.value("points-unit")));
    return false;
  }
  if (parser.isSet("layer") && (a->layer = parser.value("layer")).isEmpty()) {
    PrintError(QStringLiteral("match: --layer needs a name"));
    return false;
  }
  return true;
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
  MatchArguments a;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "match", &a.points)) return std::nullopt;
  a.json = parser.isSet("json");
  a.options.align = parser.isSet("align");
  a.options.keepAll = parser.isSet("keep-all");
  if (!TakeNamedOptions(parser, &a) || !ParseFixes(parser.values("fix"), &a.options)) return std::nullopt;
  return a;
}

}  // namespace cli

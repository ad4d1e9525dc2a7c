// vesk-cli match POINTS [-o DESIGN] [--json] [--fix NAME=VALUE]... [--align] [--overlay OUT.svg|OUT.png]
//                      [--layer NAME] [--unit cm|in]
// Reads the points, checks them, fits, and only then writes anything: the overlay, then the design.
#include "cli/cmd_match.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/json_output.h"
#include "cli/match_overlay.h"
#include "cli/match_report.h"
#include "export/export_units.h"
#include "export/output_file.h"
#include "framework/error_text.h"
#include "match/dxf_groups.h"
#include "match/dxf_points.h"
#include "match/match_fit.h"
#include "match/point_checks.h"
#include "match/text_points.h"

namespace cli {
namespace {

struct MatchArguments {
  QString points;
  QString design;   // -o, or empty
  QString overlay;  // --overlay, or empty
  QString layer;
  ExportUnit unit = ExportUnit::Cm;
  MatchOptions options;
  bool json = false;
};

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

std::optional<MatchArguments> ParseArguments(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption({{"o", "output"}, QStringLiteral("write the matched design"), QStringLiteral("DESIGN")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  parser.addOption({QStringLiteral("fix"), QStringLiteral("hold a value"), QStringLiteral("NAME=VALUE")});
  parser.addOption({QStringLiteral("align"), QStringLiteral("fit the points' position and rotation too")});
  parser.addOption(
      {QStringLiteral("overlay"), QStringLiteral("draw points and outline"), QStringLiteral("FILE")});
  parser.addOption(
      {QStringLiteral("layer"), QStringLiteral("the DXF layer to read"), QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("unit"), QStringLiteral("the design's unit"), QStringLiteral("cm|in")});
  MatchArguments a;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "match", &a.points)) return std::nullopt;
  a.json = parser.isSet("json");
  a.options.align = parser.isSet("align");
  if (parser.isSet("o")) {
    a.design = parser.value("o");
    if (a.design.isEmpty()) {
      PrintError(QStringLiteral("match: -o needs a file name"));
      return std::nullopt;
    }
  }
  if (parser.isSet("overlay")) {
    a.overlay = parser.value("overlay");
    const QString suffix = QFileInfo(a.overlay).suffix().toLower();
    if (suffix != "svg" && suffix != "png") {
      PrintError(QStringLiteral("match: --overlay '%1': the name must end in .svg or .png").arg(a.overlay));
      return std::nullopt;
    }
  }
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &a.unit)) {
    PrintError(QStringLiteral("match: --unit '%1': expected cm or in").arg(parser.value("unit")));
    return std::nullopt;
  }
  if (parser.isSet("layer")) {
    a.layer = parser.value("layer");
    if (a.layer.isEmpty()) {
      PrintError(QStringLiteral("match: --layer needs a name"));
      return std::nullopt;
    }
  }
  if (!ParseFixes(parser.values("fix"), &a.options)) return std::nullopt;
  return a;
}

bool IsDxfName(const QString& path) {
  return QFileInfo(path).suffix().compare("dxf", Qt::CaseInsensitive) == 0;
}

// The file's bytes; nullopt (after the message) when it cannot be read.
std::optional<QByteArray> ReadPointFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) {
    PrintError(QStringLiteral("cannot read %1: no such file").arg(path));
    return std::nullopt;
  }
  if (info.isDir()) {
    PrintError(QStringLiteral("cannot read %1: it is a folder").arg(path));
    return std::nullopt;
  }
  if (info.size() > qint64(kMaxPointFileBytes)) {
    PrintError(QStringLiteral("cannot read %1: larger than %2 MB").arg(path).arg(kMaxPointFileBytes >> 20));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    PrintError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return std::nullopt;
  }
  return file.readAll();
}

bool WriteOverlay(const MatchResult& result, const MatchArguments& a) {
  const bool svg = QFileInfo(a.overlay).suffix().toLower() == "svg";
  const QByteArray bytes = svg ? MatchOverlaySvg(result, a.unit) : MatchOverlayPng(result, a.unit);
  if (bytes.isEmpty()) {
    PrintError(QStringLiteral("cannot write %1: the points spread too far for a PNG at true scale; use .svg")
                   .arg(a.overlay));
    return false;
  }
  const Status written = CommitFile(a.overlay, bytes);
  if (!written) PrintError(ErrorText(written.error()));
  return written.ok();
}

// The matched values as a new design without a soundhole: the 68 bytes Save writes.
bool WriteDesign(const MatchResult& result, const QString& path) {
  Design design;
  design.shape = DesignShape::FromArray(result.values);
  return SaveDesign(design, path);
}

}  // namespace

int RunMatchCommand(const QStringList& args) {
  const std::optional<MatchArguments> a = ParseArguments(args);
  if (!a) return kUsage;
  const bool dxf = IsDxfName(a->points);
  const std::optional<QByteArray> bytes = ReadPointFile(a->points);
  if (!bytes) return kFileError;
  const std::string_view view(bytes->constData(), std::size_t(bytes->size()));
  const bool readAsDxf = dxf || LooksLikeDxf(view);
  if (!readAsDxf && !a->layer.isEmpty()) {
    PrintError(QStringLiteral("match: --layer applies to a DXF file; %1 is read as text").arg(a->points));
    return kUsage;
  }
  const PointReadResult read = readAsDxf
                                   ? ReadDxfPoints(view, a->layer.toStdString(), MillimetresPerUnit(a->unit))
                                   : ReadTextPoints(view);
  if (!read.ok()) {
    PrintError(QStringLiteral("%1: %2").arg(a->points, QString::fromStdString(read.error)));
    return kFileError;
  }
  const std::string unusable = CheckPoints(read.points, PointsNeeded(a->options));
  if (!unusable.empty()) {
    PrintError(QStringLiteral("%1: %2").arg(a->points, QString::fromStdString(unusable)));
    return kFileError;
  }

  const MatchResult result = MatchDesign(read.points, a->options);
  if (!result.ok()) {
    PrintError(QStringLiteral("%1: %2").arg(a->points, QString::fromStdString(result.error)));
    return kFitFailed;
  }
  if (!a->overlay.isEmpty() && !WriteOverlay(result, *a)) return kFileError;
  if (!a->design.isEmpty() && !WriteDesign(result, a->design)) return kFileError;

  std::vector<int> lines;
  for (const MatchPoint& p : read.points) lines.push_back(p.line);
  const MatchSource source{a->points, UnitName(a->unit), QString::fromStdString(read.note), a->options.align};
  PrintOut(a->json ? JsonText(MatchJson(result, source, lines)) : MatchSummary(result, source, lines));
  return kOk;
}

}  // namespace cli

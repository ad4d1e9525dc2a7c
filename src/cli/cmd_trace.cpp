// vesk-cli trace IMAGE [-o POINTS.csv|.txt|.dxf] [--unit cm|in] [--dpi N] [--overlay OUT.png] [--json]
// Traces first and writes only then: the overlay, then the points, each file whole or not at all.
#include "cli/cmd_trace.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <optional>

#include "cli/cli_command.h"
#include "cli/template_options.h"
#include "cli/trace_input.h"
#include "cli/trace_output.h"
#include "export/output_file.h"
#include "framework/error_text.h"

namespace cli {
namespace {

struct TraceArguments {
  QString picture;
  QString points;   // -o, or empty
  QString overlay;  // --overlay, or empty
  ExportUnit unit = ExportUnit::Cm;
  double dpi = 0.0;
  bool json = false;
};

Status ReadFiles(const QCommandLineParser& parser, TraceArguments* a) {
  if (parser.isSet("o")) {
    a->points = parser.value("o");
    if (!IsTracedPointsName(a->points))
      return UsageError(QStringLiteral("-o '%1'").arg(a->points),
                        QStringLiteral("the name must end in .csv, .txt or .dxf"));
  }
  if (parser.isSet("overlay")) {
    a->overlay = parser.value("overlay");
    if (QFileInfo(a->overlay).suffix().toLower() != "png")
      return UsageError(QStringLiteral("--overlay '%1'").arg(a->overlay),
                        QStringLiteral("the name must end in .png"));
  }
  return {};
}

void AddOptions(QCommandLineParser& parser) {
  parser.addOption(
      {{"o", "output"}, QStringLiteral("write the points (.csv, .txt or .dxf)"), QStringLiteral("POINTS")});
  parser.addOption({QStringLiteral("unit"), QStringLiteral("the points' unit; in: a 4 in check square"),
                    QStringLiteral("cm|in")});
  parser.addOption({QStringLiteral("dpi"),
                    QStringLiteral("the scan's resolution, when it has no check square"),
                    QStringLiteral("N")});
  parser.addOption({QStringLiteral("overlay"), QStringLiteral("draw the rectified picture and the outline"),
                    QStringLiteral("OUT.png")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  AddArgument(parser, QStringLiteral("IMAGE"), QStringLiteral("a scan or a photo: PNG, JPEG or TIFF"), false);
}

Result<TraceArguments> ReadArguments(const QCommandLineParser& parser) {
  TraceArguments a;
  const Result<QString> picture = OneArgument(parser, QStringLiteral("IMAGE"), false);
  if (!picture) return picture.error();
  a.picture = *picture;
  a.json = parser.isSet("json");
  const Result<ExportUnit> unit = UnitOption(parser);
  if (!unit) return unit.error();
  a.unit = *unit;
  const Result<double> dpi = NumberOption(parser, QStringLiteral("dpi"), 0.0);
  if (!dpi) return dpi.error();
  if (parser.isSet("dpi") && !(*dpi > 0.0 && *dpi <= kMaxDpi))
    return UsageError("--dpi",
                      QStringLiteral("%1 is not above 0 and at most 100000").arg(parser.value("dpi")));
  a.dpi = *dpi;
  if (const Status files = ReadFiles(parser, &a); !files) return files.error();
  return a;
}

std::optional<TraceArguments> ParseArguments(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args)) return std::nullopt;
  Result<TraceArguments> a = ReadArguments(parser);
  if (!a) {
    Report(a.error());
    return std::nullopt;
  }
  return *a;
}

}  // namespace

int RunTraceCommand(const QStringList& args) {
  const std::optional<TraceArguments> a = ParseArguments(args);
  if (!a) return kUsage;
  TraceOptions options = TraceOptionsFor(a->unit);
  options.dpi = a->dpi;
  options.overlay = !a->overlay.isEmpty();
  const Result<TraceResult> traced = TracePictureFile(a->picture, options);
  if (!traced.ok()) return Report(traced.error());
  Result<QByteArray> points = QByteArray();
  if (!a->points.isEmpty()) points = TracedPointsFile(*traced, a->points, a->picture, a->unit);
  if (!points.ok()) return Report(points.error());
  const std::vector<unsigned char>& png = traced->overlayPng;
  if (!a->overlay.isEmpty()) {
    const Status written =
        CommitFile(a->overlay, QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())));
    if (!written) return Report(written.error());
  }
  if (!a->points.isEmpty()) {
    if (const Status written = CommitFile(a->points, *points); !written) return Report(written.error());
  }
  PrintOut(a->json ? JsonText(TraceJson(*traced, a->picture, a->unit))
                   : TraceSummary(*traced, a->picture, a->unit));
  return kOk;
}

}  // namespace cli

// vesk-cli trace IMAGE [-o POINTS.csv|.txt|.dxf] [--unit cm|in] [--dpi N] [--overlay OUT.png] [--json]
// Traces first and writes only then: the overlay, then the points, each file whole or not at all.
#include "cli/cmd_trace.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <optional>

#include "cli/cli_command.h"
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

bool Refuse(const QString& line) {
  PrintError(QStringLiteral("trace: ") + line);
  return false;
}

bool ReadFiles(const QCommandLineParser& parser, TraceArguments* a) {
  if (parser.isSet("o")) {
    a->points = parser.value("o");
    if (!IsTracedPointsName(a->points))
      return Refuse(QStringLiteral("-o '%1': the name must end in .csv, .txt or .dxf").arg(a->points));
  }
  if (parser.isSet("overlay")) {
    a->overlay = parser.value("overlay");
    if (QFileInfo(a->overlay).suffix().toLower() != "png")
      return Refuse(QStringLiteral("--overlay '%1': the name must end in .png").arg(a->overlay));
  }
  return true;
}

std::optional<TraceArguments> ParseArguments(const QStringList& args) {
  QCommandLineParser parser;
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
  parser.addPositionalArgument(QStringLiteral("IMAGE"),
                               QStringLiteral("a scan or a photo: PNG, JPEG or TIFF"));
  TraceArguments a;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "trace", &a.picture)) return std::nullopt;
  a.json = parser.isSet("json");
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &a.unit)) {
    Refuse(QStringLiteral("--unit '%1': expected cm or in").arg(parser.value("unit")));
    return std::nullopt;
  }
  const std::optional<double> dpi = FiniteOption(parser, QStringLiteral("dpi"), 0.0);
  if (!dpi) return std::nullopt;
  if (parser.isSet("dpi") && !(*dpi > 0.0 && *dpi <= kMaxDpi)) {
    Refuse(QStringLiteral("--dpi '%1': expected a resolution above 0 and at most 100000")
               .arg(parser.value("dpi")));
    return std::nullopt;
  }
  a.dpi = *dpi;
  if (!ReadFiles(parser, &a)) return std::nullopt;
  return a;
}

bool Commit(const QString& path, const QByteArray& bytes) {
  const Status written = CommitFile(path, bytes);
  if (!written) PrintError(ErrorText(written.error()));
  return written.ok();
}

}  // namespace

int RunTraceCommand(const QStringList& args) {
  const std::optional<TraceArguments> a = ParseArguments(args);
  if (!a) return kUsage;
  TraceOptions options = TraceOptionsFor(a->unit);
  options.dpi = a->dpi;
  options.overlay = !a->overlay.isEmpty();
  const Result<TraceResult> traced = TracePictureFile(a->picture, options);
  if (!traced.ok()) {
    PrintError(QStringLiteral("trace: ") + ErrorText(traced.error()));
    return kFileError;
  }
  Result<QByteArray> points = QByteArray();
  if (!a->points.isEmpty()) points = TracedPointsFile(*traced, a->points, a->picture, a->unit);
  if (!points.ok()) return Refuse(ErrorText(points.error())), kFileError;
  const std::vector<unsigned char>& png = traced->overlayPng;
  if (!a->overlay.isEmpty() &&
      !Commit(a->overlay, QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()))))
    return kFileError;
  if (!a->points.isEmpty() && !Commit(a->points, *points)) return kFileError;
  PrintOut(a->json ? JsonText(TraceJson(*traced, a->picture, a->unit))
                   : TraceSummary(*traced, a->picture, a->unit));
  return kOk;
}

}  // namespace cli

// vesk-cli export [FILE] -o OUT [--format svg|dxf|pdf] [--unit cm|in] [--half|--whole]
//   [--soundhole|--no-soundhole] [--fingerboard] [--paper a4|letter] [--overlap MM] [--dxf-version 12|2000]
//   [--dxf-unit mm|in] [--offset NAME=MM]... [--parts LIST]
#include "cli/cmd_export.h"

#include <QCommandLineParser>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/template_options.h"
#include "export/body_template.h"
#include "export/output_file.h"
#include "framework/error_text.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

struct ExportRequest {
  QString input, output;
  ExportContent content;
  TemplateRequest tpl;
};

void AddOptions(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("design file (a new design when omitted)"));
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("file to write"),
                    QStringLiteral("OUT")});
  AddTemplateOptions(parser);
  parser.addOption({QStringLiteral("half"), QStringLiteral("the half outline, closed along the centreline")});
  parser.addOption({QStringLiteral("whole"), QStringLiteral("whole outline (default)")});
  parser.addOption({QStringLiteral("soundhole"), QStringLiteral("draw the soundhole (default)")});
  parser.addOption({QStringLiteral("no-soundhole"), QStringLiteral("leave the soundhole out")});
  parser.addOption({QStringLiteral("fingerboard"), QStringLiteral("draw frets, edges and saddle line")});
  parser.addOption(
      {QStringLiteral("offset"),
       QStringLiteral("a parallel curve MM from the outline (positive outward) on layer NAME; repeatable"),
       QStringLiteral("NAME=MM")});
}

bool Fail(const QString& line) {
  PrintError(QStringLiteral("export: ") + line);
  return false;
}

bool ReadOffsets(const QCommandLineParser& parser, ExportRequest& req) {
  for (const QString& value : parser.values("offset")) {
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    bool ok = false;
    const double mm = eq > 0 ? value.mid(eq + 1).trimmed().toDouble(&ok) : 0.0;
    if (!ok) return Fail(QStringLiteral("--offset '%1': give NAME=MM, e.g. MOULD=20 or SIDES=-2").arg(value));
    req.content.offsets.push_back(OffsetRequest{value.left(eq).trimmed(), mm});
  }
  return true;
}

bool ReadContent(const QCommandLineParser& parser, ExportRequest& req) {
  if (parser.isSet("half") && parser.isSet("whole"))
    return Fail(QStringLiteral("--half and --whole exclude each other"));
  if (parser.isSet("soundhole") && parser.isSet("no-soundhole"))
    return Fail(QStringLiteral("--soundhole and --no-soundhole exclude each other"));
  req.content.unit = req.tpl.unit;
  req.content.parts = req.tpl.parts;
  req.content.extent = parser.isSet("half") ? OutlineExtent::Half : OutlineExtent::Whole;
  req.content.soundhole = !parser.isSet("no-soundhole");
  req.content.fingerboard = parser.isSet("fingerboard");
  return ReadOffsets(parser, req);
}

std::optional<ExportRequest> ReadRequest(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args)) return std::nullopt;
  ExportRequest req;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    Fail(QStringLiteral("unexpected argument '%1'").arg(files[1]));
    return std::nullopt;
  }
  req.input = files.value(0);
  req.output = parser.value("output");
  if (req.output.isEmpty()) {
    Fail(QStringLiteral("no output file; give -o OUT"));
    return std::nullopt;
  }
  if (!ReadTemplateOptions(parser, QStringLiteral("export"), req.output, &req.tpl) ||
      !ReadContent(parser, req))
    return std::nullopt;
  return req;
}

}  // namespace

int RunExportCommand(const QStringList& args) {
  const std::optional<ExportRequest> req = ReadRequest(args);
  if (!req) return kUsage;

  const std::optional<OpenedDesign> opened = OpenDesign(req->input, QStringLiteral("export"));
  if (!opened) return kFileError;
  ExportContent content = req->content;
  content.fileName = opened->title;
  const FittedOutline outline = FitOutline(opened->design.shape);
  const Result<BuiltModel> built = BuildExportModel(opened->design, outline, content);
  if (!built) {
    // A failed fit is the design's news, not the command's.
    if (built.error().kind == ErrorKind::FitFailed)
      PrintError(ErrorText(built.error()));
    else
      Fail(ErrorText(built.error()));
    return ExitCodeOf(built.error());
  }
  for (const QString& note : built->notes) PrintError(QStringLiteral("export: ") + note);

  const Result<RenderedTemplate> rendered = RenderTemplate(built->model, req->tpl.output);
  if (!rendered) {
    Fail(ErrorText(rendered.error()));
    return ExitCodeOf(rendered.error());
  }
  if (const Status written = CommitFile(req->output, rendered->bytes); !written) {
    Fail(ErrorText(written.error()));
    return kFileError;
  }
  PrintOut(QStringLiteral("wrote %1 (%2)\n").arg(req->output, rendered->summary));
  return kOk;
}

}  // namespace cli

// vesk-cli export [FILE] -o OUT [--format svg|dxf|pdf] [--unit cm|in] [--half|--whole]
//   [--soundhole|--no-soundhole] [--fingerboard] [--paper a4|letter] [--overlap MM] [--dxf-version 12|2000]
//   [--dxf-unit mm|in] [--dxf-curves arcs|segments] [--offset NAME=MM]... [--parts LIST]
#include "cli/cmd_export.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/length_option.h"
#include "cli/template_options.h"
#include "export/body_export.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

struct ExportRequest {
  QString input, output;
  ExportContent content;
  TemplateRequest tpl;
};

const char kHelpNotes[] =
    "\nWithout FILE the new design is drawn, in --unit (its centimetres, or those converted to inches).\n"
    "An offset's MM takes a unit too (MOULD=1in); a bare number is millimetres.\n";

void AddOptions(QCommandLineParser& parser) {
  AddArgument(parser, QStringLiteral("FILE"), QStringLiteral("design file (a new design when omitted)"),
              true);
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

Status ReadOffsets(const QCommandLineParser& parser, ExportContent& content) {
  for (const QString& value : parser.values("offset")) {
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0)
      return UsageError(QStringLiteral("--offset '%1'").arg(value),
                        QStringLiteral("give NAME=MM, e.g. MOULD=20 or SIDES=-2"));
    const Result<double> mm =
        ReadLength(QStringLiteral("--offset %1").arg(value.left(eq)), value.mid(eq + 1), {LengthUnit::kMm});
    if (!mm) return mm.error();
    content.offsets.push_back(OffsetRequest{value.left(eq).trimmed(), *mm});
  }
  return {};
}

Status ReadContent(const QCommandLineParser& parser, ExportRequest& req) {
  for (const Status& s :
       {AtMostOne(parser, {"half", "whole"}), AtMostOne(parser, {"soundhole", "no-soundhole"})})
    if (!s) return s;
  req.content.unit = req.tpl.unit;
  req.content.parts = req.tpl.parts;
  req.content.curves = req.tpl.curves;
  req.content.extent = parser.isSet("half") ? OutlineExtent::Half : OutlineExtent::Whole;
  req.content.soundhole = !parser.isSet("no-soundhole");
  req.content.fingerboard = parser.isSet("fingerboard");
  return ReadOffsets(parser, req.content);
}

Result<ExportRequest> ReadRequest(const QCommandLineParser& parser) {
  ExportRequest req;
  const Result<QString> input = OneArgument(parser, QStringLiteral("FILE"), true);
  if (!input) return input.error();
  req.input = *input;
  req.output = parser.value("output");
  if (req.output.isEmpty()) return UsageError(QStringLiteral("-o OUT"), Missing());
  Result<TemplateRequest> tpl = ReadTemplateOptions(parser, req.output);
  if (!tpl) return tpl.error();
  req.tpl = *tpl;
  if (const Status content = ReadContent(parser, req); !content) return content.error();
  return req;
}

}  // namespace

int RunExportCommand(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args, QLatin1String(kHelpNotes))) return kUsage;
  const Result<ExportRequest> req = ReadRequest(parser);
  if (!req) return Report(req.error());
  const Result<OpenedDesign> opened = OpenDesign(req->input, req->tpl.unit);
  if (!opened) return Report(opened.error());

  ExportContent content = req->content;
  content.fileName = opened->title;
  const Design& design = opened->design;
  const Result<RenderedTemplate> rendered =
      ExportBodyTemplate(design, FitOutline(design.shape), content, req->tpl.output);
  if (!rendered) return Report(rendered.error());
  for (const QString& note : rendered->notes) Warn(note);
  if (const Status written = WriteTemplate(req->output, *rendered); !written) return Report(written.error());
  return kOk;
}

}  // namespace cli

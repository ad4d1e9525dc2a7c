// vesk-cli export [FILE] -o OUT [--format svg|dxf|pdf] [--unit cm|in] [--half|--whole]
//   [--soundhole|--no-soundhole] [--fingerboard] [--paper a4|letter] [--overlap MM] [--dxf-version 12|2000]
//   [--dxf-unit mm|in] [--offset NAME=MM]... [--parts LIST]
#include "cli/cmd_export.h"

#include <QCommandLineParser>
#include <cmath>

#include "cli/cli_command.h"
#include "cli/template_output.h"
#include "document/veskdoc.h"
#include "export/body_template.h"

namespace cli {

namespace {

struct ExportRequest {
  QString input;
  ExportContent content;
  TemplateOutput out;
};

void AddOptions(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("design file (a new design when omitted)"));
  parser.addOption({QStringLiteral("unit"), QStringLiteral("cm or in: what the design's numbers mean"),
                    QStringLiteral("unit")});
  parser.addOption({QStringLiteral("half"), QStringLiteral("the half outline, closed along the centreline")});
  parser.addOption({QStringLiteral("whole"), QStringLiteral("whole outline (default)")});
  parser.addOption({QStringLiteral("soundhole"), QStringLiteral("draw the soundhole (default)")});
  parser.addOption({QStringLiteral("no-soundhole"), QStringLiteral("leave the soundhole out")});
  parser.addOption({QStringLiteral("fingerboard"), QStringLiteral("draw frets, edges and saddle line")});
  parser.addOption(
      {QStringLiteral("offset"),
       QStringLiteral("a parallel curve MM from the outline (positive outward) on layer NAME; repeatable"),
       QStringLiteral("NAME=MM")});
  AddTemplateOutputOptions(parser, PartList());
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
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &req.content.unit))
    return Fail(QStringLiteral("unknown unit '%1' (use cm or in)").arg(parser.value("unit")));
  if (parser.isSet("half") && parser.isSet("whole"))
    return Fail(QStringLiteral("--half and --whole exclude each other"));
  if (parser.isSet("soundhole") && parser.isSet("no-soundhole"))
    return Fail(QStringLiteral("--soundhole and --no-soundhole exclude each other"));
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
  if (parser.value("output").isEmpty()) {
    Fail(QStringLiteral("no output file; give -o OUT"));
    return std::nullopt;
  }
  if (!ReadTemplateOutput(parser, QStringLiteral("export"), &req.out) || !ReadContent(parser, req))
    return std::nullopt;
  req.content.parts = req.out.parts;
  return req;
}

}  // namespace

int RunExportCommand(const QStringList& args) {
  const std::optional<ExportRequest> req = ReadRequest(args);
  if (!req) return kUsage;

  CVeskDoc doc;
  doc.OnNewDocument();
  QString error;
  if (!req->input.isEmpty() && !doc.OnOpenDocument(req->input, &error)) {
    Fail(error);
    return kFileError;
  }
  ExportContent content = req->content;
  content.fileName = doc.GetTitle();
  const BuildResult built = BuildExportModel(doc, content);
  if (built.status == BuildStatus::FitFailed) {
    PrintError(built.message);
    return kFitFailed;
  }
  if (built.status == BuildStatus::Refused) {
    Fail(built.message);
    return kUsage;
  }
  for (const QString& note : built.notes) PrintError(QStringLiteral("export: ") + note);

  QString summary;
  if (const int code = WriteTemplateFile(built.model, req->out, QStringLiteral("export"), &summary);
      code != kOk)
    return code;
  PrintOut(QStringLiteral("wrote %1 (%2)\n").arg(req->out.path, summary));
  return kOk;
}

}  // namespace cli

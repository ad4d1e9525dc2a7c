// vesk-cli export [FILE] -o OUT [--format svg|dxf|pdf] [--unit cm|in] [--half|--whole]
//   [--soundhole|--no-soundhole] [--fingerboard] [--paper a4|letter] [--overlap MM] [--dxf-version 12|2000]
//   [--dxf-unit mm|in] [--offset NAME=MM]... [--parts LIST]
#include "cli/cmd_export.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cmath>

#include "cli/cli_command.h"
#include "document/veskdoc.h"
#include "export/body_template.h"
#include "export/dxf_writer.h"
#include "export/output_file.h"
#include "export/pdf_print_scaling.h"
#include "export/pdf_tiling.h"
#include "export/pdf_writer.h"
#include "export/svg_writer.h"

namespace cli {

namespace {

enum class Format { Svg, Dxf, Pdf };

struct ExportRequest {
  QString input, output;
  Format format = Format::Svg;
  ExportContent content;
  Paper paper = Paper::A4;
  double overlapMm = 10.0;
  DxfOptions dxf;
};

QString PartList() {
  QStringList names;
  for (Part p : kAllParts) names << PartName(p);
  return names.join(QStringLiteral(", "));
}

void AddOptions(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("design file (a new design when omitted)"));
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("file to write"),
                    QStringLiteral("OUT")});
  parser.addOption({QStringLiteral("format"), QStringLiteral("svg, dxf or pdf"), QStringLiteral("format")});
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
  parser.addOption({QStringLiteral("parts"),
                    QStringLiteral("what the file holds, comma-separated: %1").arg(PartList()),
                    QStringLiteral("LIST")});
  parser.addOption({QStringLiteral("paper"), QStringLiteral("a4 or letter"), QStringLiteral("paper")});
  parser.addOption(
      {QStringLiteral("overlap"), QStringLiteral("overlap of the tiles in mm"), QStringLiteral("MM")});
  parser.addOption({QStringLiteral("dxf-version"), QStringLiteral("12 or 2000"), QStringLiteral("version")});
  parser.addOption({QStringLiteral("dxf-unit"), QStringLiteral("mm (default) or in: the DXF file's unit"),
                    QStringLiteral("unit")});
}

bool FormatFromName(const QString& name, Format* format) {
  const QString n = name.toLower();
  if (n == QLatin1String("svg"))
    *format = Format::Svg;
  else if (n == QLatin1String("dxf"))
    *format = Format::Dxf;
  else if (n == QLatin1String("pdf"))
    *format = Format::Pdf;
  else
    return false;
  return true;
}

bool Fail(const QString& line) {
  PrintError(QStringLiteral("export: ") + line);
  return false;
}

bool ReadFormat(const QCommandLineParser& parser, ExportRequest& req) {
  if (parser.isSet("format")) {
    if (!FormatFromName(parser.value("format"), &req.format))
      return Fail(QStringLiteral("unknown format '%1' (use svg, dxf or pdf)").arg(parser.value("format")));
    return true;
  }
  if (!FormatFromName(QFileInfo(req.output).suffix(), &req.format))
    return Fail(QStringLiteral("cannot tell the format from '%1'; use --format svg|dxf|pdf").arg(req.output));
  return true;
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

bool ReadParts(const QCommandLineParser& parser, ExportRequest& req) {
  if (!parser.isSet("parts")) return true;
  PartSet parts = PartSet::None();
  for (const QString& name : parser.value("parts").split(QLatin1Char(','))) {
    Part part;
    if (!ParsePart(name.trimmed(), &part))
      return Fail(QStringLiteral("unknown part '%1' (use %2)").arg(name.trimmed(), PartList()));
    parts.Add(part);
  }
  req.content.parts = parts;
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
  return ReadOffsets(parser, req) && ReadParts(parser, req);
}

bool ReadOutputOptions(const QCommandLineParser& parser, ExportRequest& req) {
  if (parser.isSet("paper") && !ParsePaper(parser.value("paper"), &req.paper))
    return Fail(QStringLiteral("unknown paper '%1' (use a4 or letter)").arg(parser.value("paper")));
  const auto overlap = FiniteOption(parser, QStringLiteral("overlap"), req.overlapMm);
  if (!overlap) return false;
  req.overlapMm = *overlap;
  if (const TilePlanResult check = PlanTiles(0.0, 0.0, req.paper, req.overlapMm); !check.error.isEmpty())
    return Fail(QStringLiteral("--overlap: %1").arg(check.error));
  if (parser.isSet("dxf-version")) {
    const QString v = parser.value("dxf-version").toUpper();
    if (v == QLatin1String("12") || v == QLatin1String("R12"))
      req.dxf.version = DxfVersion::R12;
    else if (v == QLatin1String("2000") || v == QLatin1String("R2000"))
      req.dxf.version = DxfVersion::R2000;
    else
      return Fail(
          QStringLiteral("unknown DXF version '%1' (use 12 or 2000)").arg(parser.value("dxf-version")));
  }
  if (parser.isSet("dxf-unit") && !ParseDxfUnit(parser.value("dxf-unit"), &req.dxf.unit))
    return Fail(QStringLiteral("unknown DXF unit '%1' (use mm or in)").arg(parser.value("dxf-unit")));
  return true;
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
  if (!ReadFormat(parser, req) || !ReadContent(parser, req) || !ReadOutputOptions(parser, req))
    return std::nullopt;
  return req;
}

// The bytes of the template, or an exit code after a one-line message.
struct Rendered {
  QByteArray bytes;
  int exitCode = kOk;
  QString summary;
};

Rendered Render(const ExportModel& model, const ExportRequest& req) {
  Rendered out;
  QString error;
  if (req.format == Format::Svg) {
    out.bytes = WriteSvg(model);
    out.summary = QStringLiteral("SVG");
  } else if (req.format == Format::Dxf) {
    out.bytes = WriteDxf(model, req.dxf, &error);
    out.summary =
        QStringLiteral("DXF %1 in %2")
            .arg(req.dxf.version == DxfVersion::R12 ? QStringLiteral("R12") : QStringLiteral("R2000"),
                 req.dxf.unit == DxfUnit::Mm ? QStringLiteral("mm") : QStringLiteral("inches"));
  } else {
    const double k = MillimetresPerUnit(model.unit);
    const TilePlanResult tiles =
        PlanTiles(model.drawing.Width() * k, model.drawing.Height() * k, req.paper, req.overlapMm);
    if (!tiles.error.isEmpty()) {
      Fail(tiles.error);
      out.exitCode = kUsage;
      return out;
    }
    const QByteArray pdf = WritePdf(model, tiles.plan, req.paper, &error);
    if (!pdf.isEmpty()) out.bytes = SetPrintScalingNone(pdf, &error);
    out.summary = QStringLiteral("PDF, %1 %2 page(s) %3 (%4 x %5 tiles and a title page)")
                      .arg(tiles.plan.PageCount() + 1)
                      .arg(req.paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"))
                      .arg(tiles.plan.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
                      .arg(tiles.plan.rows)
                      .arg(tiles.plan.cols);
  }
  if (out.bytes.isEmpty()) {
    Fail(error);
    out.exitCode = kFileError;
  }
  return out;
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

  const Rendered rendered = Render(built.model, *req);
  if (rendered.exitCode != kOk) return rendered.exitCode;
  if (!CommitFile(req->output, rendered.bytes, &error)) {
    Fail(error);
    return kFileError;
  }
  PrintOut(QStringLiteral("wrote %1 (%2)\n").arg(req->output, rendered.summary));
  return kOk;
}

}  // namespace cli

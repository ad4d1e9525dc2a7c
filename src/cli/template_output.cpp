// Template output options and writing.
#include "cli/template_output.h"

#include <QFileInfo>

#include "cli/cli_command.h"
#include "export/export_model.h"
#include "export/output_file.h"
#include "export/pdf_print_scaling.h"
#include "export/pdf_writer.h"
#include "export/svg_writer.h"

namespace cli {

namespace {

bool FormatFromName(const QString& name, TemplateFormat* format) {
  const QString n = name.toLower();
  if (n == QLatin1String("svg"))
    *format = TemplateFormat::Svg;
  else if (n == QLatin1String("dxf"))
    *format = TemplateFormat::Dxf;
  else if (n == QLatin1String("pdf"))
    *format = TemplateFormat::Pdf;
  else
    return false;
  return true;
}

struct Reader {
  const QCommandLineParser& parser;
  const QString& command;
  TemplateOutput& out;

  bool Fail(const QString& line) const {
    PrintError(command + QStringLiteral(": ") + line);
    return false;
  }

  bool Format() const {
    if (parser.isSet("format")) {
      if (!FormatFromName(parser.value("format"), &out.format))
        return Fail(QStringLiteral("unknown format '%1' (use svg, dxf or pdf)").arg(parser.value("format")));
      return true;
    }
    if (!FormatFromName(QFileInfo(out.path).suffix(), &out.format))
      return Fail(QStringLiteral("cannot tell the format from '%1'; use --format svg|dxf|pdf").arg(out.path));
    return true;
  }

  bool Paper() const {
    if (parser.isSet("paper") && !ParsePaper(parser.value("paper"), &out.paper))
      return Fail(QStringLiteral("unknown paper '%1' (use a4 or letter)").arg(parser.value("paper")));
    const auto overlap = FiniteOption(parser, QStringLiteral("overlap"), out.overlapMm);
    if (!overlap) return false;
    out.overlapMm = *overlap;
    if (const TilePlanResult check = PlanTiles(0.0, 0.0, out.paper, out.overlapMm); !check.error.isEmpty())
      return Fail(QStringLiteral("--overlap: %1").arg(check.error));
    return true;
  }

  bool Dxf() const {
    if (parser.isSet("dxf-version")) {
      const QString v = parser.value("dxf-version").toUpper();
      if (v == QLatin1String("12") || v == QLatin1String("R12"))
        out.dxf.version = DxfVersion::R12;
      else if (v == QLatin1String("2000") || v == QLatin1String("R2000"))
        out.dxf.version = DxfVersion::R2000;
      else
        return Fail(
            QStringLiteral("unknown DXF version '%1' (use 12 or 2000)").arg(parser.value("dxf-version")));
    }
    if (parser.isSet("dxf-unit") && !ParseDxfUnit(parser.value("dxf-unit"), &out.dxf.unit))
      return Fail(QStringLiteral("unknown DXF unit '%1' (use mm or in)").arg(parser.value("dxf-unit")));
    return true;
  }

  bool Parts() const {
    if (!parser.isSet("parts")) return true;
    out.parts = PartSet::None();
    for (const QString& name : parser.value("parts").split(QLatin1Char(','))) {
      Part part;
      if (!ParsePart(name.trimmed(), &part))
        return Fail(QStringLiteral("unknown part '%1' (use %2)").arg(name.trimmed(), PartList()));
      out.parts.Add(part);
    }
    return true;
  }
};

}  // namespace

QString PartList() {
  QStringList names;
  for (Part p : kAllParts) names << PartName(p);
  return names.join(QStringLiteral(", "));
}

void AddTemplateOutputOptions(QCommandLineParser& parser, const QString& partsHelp) {
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("template to write: .svg, .dxf or .pdf"),
                    QStringLiteral("OUT")});
  parser.addOption({QStringLiteral("format"),
                    QStringLiteral("svg, dxf or pdf (default: from OUT's extension)"),
                    QStringLiteral("format")});
  parser.addOption({QStringLiteral("parts"),
                    QStringLiteral("what the file holds, comma-separated: %1").arg(partsHelp),
                    QStringLiteral("LIST")});
  parser.addOption({QStringLiteral("paper"), QStringLiteral("a4 or letter"), QStringLiteral("paper")});
  parser.addOption(
      {QStringLiteral("overlap"), QStringLiteral("overlap of the tiles in mm"), QStringLiteral("MM")});
  parser.addOption({QStringLiteral("dxf-version"), QStringLiteral("12 or 2000"), QStringLiteral("version")});
  parser.addOption({QStringLiteral("dxf-unit"), QStringLiteral("mm (default) or in: the DXF file's unit"),
                    QStringLiteral("unit")});
}

bool ReadTemplateOutput(const QCommandLineParser& parser, const QString& command, TemplateOutput* out) {
  const Reader r{parser, command, *out};
  out->path = parser.value("output");
  if (out->path.isEmpty()) {
    for (const char* name : {"format", "parts", "paper", "overlap", "dxf-version", "dxf-unit"})
      if (parser.isSet(name))
        return r.Fail(QStringLiteral("--%1 needs a template to write: give -o OUT").arg(name));
    return true;
  }
  return r.Format() && r.Parts() && r.Paper() && r.Dxf();
}

int WriteTemplateFile(const ExportModel& model, const TemplateOutput& out, const QString& command,
                      QString* summary) {
  const auto fail = [&](const QString& line, int code) {
    PrintError(command + QStringLiteral(": ") + line);
    return code;
  };
  QString error;
  QByteArray bytes;
  if (out.format == TemplateFormat::Svg) {
    bytes = WriteSvg(model);
    *summary = QStringLiteral("SVG");
  } else if (out.format == TemplateFormat::Dxf) {
    bytes = WriteDxf(model, out.dxf, &error);
    *summary = QStringLiteral("DXF %1 in %2")
                   .arg(out.dxf.version == DxfVersion::R12 ? QStringLiteral("R12") : QStringLiteral("R2000"),
                        out.dxf.unit == DxfUnit::Mm ? QStringLiteral("mm") : QStringLiteral("inches"));
  } else {
    const double k = MillimetresPerUnit(model.unit);
    const TilePlanResult tiles =
        PlanTiles(model.drawing.Width() * k, model.drawing.Height() * k, out.paper, out.overlapMm);
    if (!tiles.error.isEmpty()) return fail(tiles.error, kUsage);
    const QByteArray pdf = WritePdf(model, tiles.plan, out.paper, &error);
    if (!pdf.isEmpty()) bytes = SetPrintScalingNone(pdf, &error);
    *summary = QStringLiteral("PDF, %1 %2 page(s) %3 (%4 x %5 tiles and a title page)")
                   .arg(tiles.plan.PageCount() + 1)
                   .arg(out.paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"))
                   .arg(tiles.plan.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
                   .arg(tiles.plan.rows)
                   .arg(tiles.plan.cols);
  }
  if (bytes.isEmpty()) return fail(error, kFileError);
  if (!CommitFile(out.path, bytes, &error)) return fail(error, kFileError);
  return kOk;
}

}  // namespace cli

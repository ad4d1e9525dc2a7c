// Each option is checked where it is read, so a bad one is reported before any work is done.
#include "cli/template_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include "cli/cli_command.h"
#include "cli/length_option.h"
#include "export/output_file.h"
#include "framework/error_text.h"

namespace cli {

namespace {

QString PartList() {
  QStringList names;
  for (Part p : kAllParts) names << PartName(p);
  return names.join(QStringLiteral(", "));
}

class Reader {
 public:
  explicit Reader(const QCommandLineParser& parser) : m_parser(parser) {}

  Status Format(const QString& outPath, TemplateFormat* format) const {
    if (m_parser.isSet("format")) {
      if (!ParseTemplateFormat(m_parser.value("format"), format))
        return UsageError("--format", UnknownValue("format", m_parser.value("format"), "svg, dxf or pdf"));
      return {};
    }
    if (!ParseTemplateFormat(QFileInfo(outPath).suffix(), format))
      return UsageError(outPath,
                        QStringLiteral("cannot tell the format from its name; use --format svg|dxf|pdf"));
    return {};
  }

  Status Parts(PartSet* parts) const {
    if (!m_parser.isSet("parts")) return {};
    *parts = PartSet::None();
    for (const QString& name : m_parser.value("parts").split(QLatin1Char(','))) {
      Part part;
      if (!ParsePart(name.trimmed(), &part))
        return UsageError("--parts", UnknownValue("part", name.trimmed(), PartList()));
      parts->Add(part);
    }
    return {};
  }

  Status Paper(TemplateOutput* out) const {
    if (m_parser.isSet("paper") && !ParsePaper(m_parser.value("paper"), &out->paper))
      return UsageError("--paper", UnknownValue("paper", m_parser.value("paper"), "a4 or letter"));
    const Result<double> overlap = LengthOption(m_parser, "overlap", out->overlapMm, {LengthUnit::kMm});
    if (!overlap) return overlap.error();
    out->overlapMm = *overlap;
    if (const Result<TilePlan> check = PlanTiles(0.0, 0.0, out->paper, out->overlapMm); !check)
      return UsageError("--overlap", ErrorText(check.error()));
    return {};
  }

  Status Dxf(DxfOptions* dxf) const {
    if (m_parser.isSet("dxf-version")) {
      const QString v = m_parser.value("dxf-version").toUpper();
      if (v == QLatin1String("12") || v == QLatin1String("R12"))
        dxf->version = DxfVersion::R12;
      else if (v == QLatin1String("2000") || v == QLatin1String("R2000"))
        dxf->version = DxfVersion::R2000;
      else
        return UsageError("--dxf-version",
                          UnknownValue("DXF version", m_parser.value("dxf-version"), "12 or 2000"));
    }
    if (m_parser.isSet("dxf-unit") && !ParseDxfUnit(m_parser.value("dxf-unit"), &dxf->unit))
      return UsageError("--dxf-unit", UnknownValue("DXF unit", m_parser.value("dxf-unit"), "mm or in"));
    return {};
  }

  Status Curves(CurveStyle* curves) const {
    if (m_parser.isSet("dxf-curves") && !ParseCurveStyle(m_parser.value("dxf-curves"), curves))
      return UsageError("--dxf-curves",
                        UnknownValue("curve style", m_parser.value("dxf-curves"), "arcs or segments"));
    return {};
  }

 private:
  const QCommandLineParser& m_parser;
};

}  // namespace

void AddUnitOption(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("unit"),
                    QStringLiteral("cm (default) or in: what the design's numbers and bare lengths mean"),
                    QStringLiteral("unit")});
}

Result<ExportUnit> UnitOption(const QCommandLineParser& parser) {
  ExportUnit unit = ExportUnit::Cm;
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &unit))
    return UsageError("--unit", UnknownValue("unit", parser.value("unit"), "cm or in"));
  return unit;
}

void AddTemplateOptions(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("format"), QStringLiteral("svg, dxf or pdf"), QStringLiteral("format")});
  AddUnitOption(parser);
  parser.addOption({QStringLiteral("parts"),
                    QStringLiteral("what the file holds, comma-separated: %1").arg(PartList()),
                    QStringLiteral("LIST")});
  parser.addOption({QStringLiteral("paper"), QStringLiteral("a4 or letter"), QStringLiteral("paper")});
  parser.addOption({QStringLiteral("overlap"), QStringLiteral("overlap of the PDF's tiles (mm, default 10)"),
                    QStringLiteral("MM")});
  parser.addOption({QStringLiteral("dxf-version"), QStringLiteral("12 or 2000"), QStringLiteral("version")});
  parser.addOption({QStringLiteral("dxf-unit"), QStringLiteral("mm (default) or in: the DXF file's unit"),
                    QStringLiteral("unit")});
  parser.addOption(
      {QStringLiteral("dxf-curves"),
       QStringLiteral("arcs (default): the outline and offsets as tangent arcs, in every format; "
                      "segments: as straight segments"),
       QStringLiteral("style")});
}

Result<TemplateRequest> ReadTemplateOptions(const QCommandLineParser& parser, const QString& outPath) {
  const Reader read(parser);
  TemplateRequest request;
  const Result<ExportUnit> unit = UnitOption(parser);
  if (!unit) return unit.error();
  request.unit = *unit;
  for (const Status& s :
       {read.Format(outPath, &request.output.format), read.Parts(&request.parts), read.Paper(&request.output),
        read.Dxf(&request.output.dxf), read.Curves(&request.curves)})
    if (!s) return s.error();
  return request;
}

Status WriteTemplate(const QString& path, const RenderedTemplate& rendered, bool quiet) {
  if (const Status written = CommitFile(path, rendered.bytes); !written) return written.error();
  if (!quiet) PrintOut(QStringLiteral("wrote %1 (%2)\n").arg(path, rendered.summary));
  return {};
}

Status NoTemplateOptions(const QCommandLineParser& parser) {
  for (const char* name : {"format", "parts", "paper", "overlap", "dxf-version", "dxf-unit", "dxf-curves"})
    if (parser.isSet(name))
      return UsageError(QStringLiteral("--") + name,
                        QStringLiteral("needs a template to write: give -o OUT"));
  return {};
}

}  // namespace cli

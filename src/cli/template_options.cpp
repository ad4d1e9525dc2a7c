// Each option is checked where it is read, so a bad one is reported before any work is done.
#include "cli/template_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include "cli/cli_command.h"
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
  Reader(const QCommandLineParser& parser, const QString& command) : m_parser(parser), m_command(command) {}

  bool Fail(const QString& line) const {
    PrintError(m_command + QStringLiteral(": ") + line);
    return false;
  }

  bool Format(const QString& outPath, TemplateFormat* format) const {
    if (m_parser.isSet("format")) {
      if (!ParseTemplateFormat(m_parser.value("format"), format))
        return Fail(
            QStringLiteral("unknown format '%1' (use svg, dxf or pdf)").arg(m_parser.value("format")));
      return true;
    }
    if (!ParseTemplateFormat(QFileInfo(outPath).suffix(), format))
      return Fail(QStringLiteral("cannot tell the format from '%1'; use --format svg|dxf|pdf").arg(outPath));
    return true;
  }

  bool Parts(PartSet* parts) const {
    if (!m_parser.isSet("parts")) return true;
    *parts = PartSet::None();
    for (const QString& name : m_parser.value("parts").split(QLatin1Char(','))) {
      Part part;
      if (!ParsePart(name.trimmed(), &part))
        return Fail(QStringLiteral("unknown part '%1' (use %2)").arg(name.trimmed(), PartList()));
      parts->Add(part);
    }
    return true;
  }

  bool Paper(TemplateOutput* out) const {
    if (m_parser.isSet("paper") && !ParsePaper(m_parser.value("paper"), &out->paper))
      return Fail(QStringLiteral("unknown paper '%1' (use a4 or letter)").arg(m_parser.value("paper")));
    const auto overlap = FiniteOption(m_parser, QStringLiteral("overlap"), out->overlapMm);
    if (!overlap) return false;
    out->overlapMm = *overlap;
    if (const Result<TilePlan> check = PlanTiles(0.0, 0.0, out->paper, out->overlapMm); !check)
      return Fail(QStringLiteral("--overlap: %1").arg(ErrorText(check.error())));
    return true;
  }

  bool Dxf(DxfOptions* dxf) const {
    if (m_parser.isSet("dxf-version")) {
      const QString v = m_parser.value("dxf-version").toUpper();
      if (v == QLatin1String("12") || v == QLatin1String("R12"))
        dxf->version = DxfVersion::R12;
      else if (v == QLatin1String("2000") || v == QLatin1String("R2000"))
        dxf->version = DxfVersion::R2000;
      else
        return Fail(
            QStringLiteral("unknown DXF version '%1' (use 12 or 2000)").arg(m_parser.value("dxf-version")));
    }
    if (m_parser.isSet("dxf-unit") && !ParseDxfUnit(m_parser.value("dxf-unit"), &dxf->unit))
      return Fail(QStringLiteral("unknown DXF unit '%1' (use mm or in)").arg(m_parser.value("dxf-unit")));
    return true;
  }

  bool Unit(ExportUnit* unit) const {
    if (m_parser.isSet("unit") && !ParseExportUnit(m_parser.value("unit"), unit))
      return Fail(QStringLiteral("unknown unit '%1' (use cm or in)").arg(m_parser.value("unit")));
    return true;
  }

 private:
  const QCommandLineParser& m_parser;
  QString m_command;
};

}  // namespace

void AddTemplateOptions(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("format"), QStringLiteral("svg, dxf or pdf"), QStringLiteral("format")});
  parser.addOption({QStringLiteral("unit"), QStringLiteral("cm or in: what the design's numbers mean"),
                    QStringLiteral("unit")});
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

bool ReadTemplateOptions(const QCommandLineParser& parser, const QString& command, const QString& outPath,
                         TemplateRequest* request) {
  const Reader read(parser, command);
  return read.Format(outPath, &request->output.format) && read.Unit(&request->unit) &&
         read.Parts(&request->parts) && read.Paper(&request->output) && read.Dxf(&request->output.dxf);
}

}  // namespace cli

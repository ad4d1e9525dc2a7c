// Picks the writer; a PDF is planned from the model's drawing bounds, then gets /PrintScaling /None.
#include "export/template_output.h"

#include "export/export_model.h"
#include "export/pdf_print_scaling.h"
#include "export/pdf_writer.h"
#include "export/svg_writer.h"

namespace {

void RenderPdf(const ExportModel& model, const TemplateOutput& output, RenderedTemplate& out) {
  const double k = MillimetresPerUnit(model.unit);
  const TilePlanResult tiles =
      PlanTiles(model.drawing.Width() * k, model.drawing.Height() * k, output.paper, output.overlapMm);
  if (!tiles.error.isEmpty()) {
    out.error = tiles.error;
    out.refused = true;
    return;
  }
  const QByteArray pdf = WritePdf(model, tiles.plan, output.paper, &out.error);
  if (!pdf.isEmpty()) out.bytes = SetPrintScalingNone(pdf, &out.error);
  out.summary = QStringLiteral("PDF, %1 %2 page(s) %3 (%4 x %5 tiles and a title page)")
                    .arg(tiles.plan.PageCount() + 1)
                    .arg(output.paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"))
                    .arg(tiles.plan.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
                    .arg(tiles.plan.rows)
                    .arg(tiles.plan.cols);
}

}  // namespace

bool ParseTemplateFormat(const QString& name, TemplateFormat* format) {
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

RenderedTemplate RenderTemplate(const ExportModel& model, const TemplateOutput& output) {
  RenderedTemplate out;
  switch (output.format) {
    case TemplateFormat::Svg:
      out.bytes = WriteSvg(model);
      out.summary = QStringLiteral("SVG");
      break;
    case TemplateFormat::Dxf:
      out.bytes = WriteDxf(model, output.dxf, &out.error);
      out.summary =
          QStringLiteral("DXF %1 in %2")
              .arg(output.dxf.version == DxfVersion::R12 ? QStringLiteral("R12") : QStringLiteral("R2000"),
                   output.dxf.unit == DxfUnit::Mm ? QStringLiteral("mm") : QStringLiteral("inches"));
      break;
    case TemplateFormat::Pdf:
      RenderPdf(model, output, out);
      break;
  }
  if (out.bytes.isEmpty() && out.error.isEmpty()) out.error = QStringLiteral("the template came out empty");
  return out;
}

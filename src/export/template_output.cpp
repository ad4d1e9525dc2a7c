// Picks the writer; a PDF is planned from the model's drawing bounds, then gets /PrintScaling /None.
#include "export/template_output.h"

#include "export/export_model.h"
#include "export/pdf_print_scaling.h"
#include "export/pdf_writer.h"
#include "export/svg_writer.h"
#include "framework/error_text.h"

namespace {

QString DxfSummary(const DxfOptions& dxf) {
  return QStringLiteral("DXF %1 in %2")
      .arg(dxf.version == DxfVersion::R12 ? QStringLiteral("R12") : QStringLiteral("R2000"),
           dxf.unit == DxfUnit::Mm ? QStringLiteral("mm") : QStringLiteral("inches"));
}

QString PdfSummary(const TilePlan& plan, Paper paper) {
  return QStringLiteral("PDF, %1 %2 page(s) %3 (%4 x %5 tiles and a title page)")
      .arg(plan.PageCount() + 1)
      .arg(paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"))
      .arg(plan.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
      .arg(plan.rows)
      .arg(plan.cols);
}

Result<QByteArray> RenderPdf(const ExportModel& model, const TilePlan& plan, Paper paper) {
  const Result<QByteArray> pdf = WritePdf(model, plan, paper);
  if (!pdf) return pdf.error();
  return SetPrintScalingNone(*pdf);
}

Result<RenderedTemplate> Rendered(Result<QByteArray> bytes, const QString& summary) {
  if (!bytes) return bytes.error();
  if (bytes->isEmpty()) return ErrorFrom(QStringLiteral("the template came out empty"));
  return RenderedTemplate{std::move(*bytes), summary};
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

Result<RenderedTemplate> RenderTemplate(const ExportModel& model, const TemplateOutput& output) {
  switch (output.format) {
    case TemplateFormat::Svg:
      return Rendered(WriteSvg(model), QStringLiteral("SVG"));
    case TemplateFormat::Dxf:
      return Rendered(WriteDxf(model, output.dxf), DxfSummary(output.dxf));
    case TemplateFormat::Pdf:
      break;
  }
  const double k = MillimetresPerUnit(model.unit);
  const Result<TilePlan> plan =
      PlanTiles(model.drawing.Width() * k, model.drawing.Height() * k, output.paper, output.overlapMm);
  if (!plan) return plan.error();
  return Rendered(RenderPdf(model, *plan, output.paper), PdfSummary(*plan, output.paper));
}

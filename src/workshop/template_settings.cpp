// The build and the render are export's own functions; nothing here adds to or changes the model
// the template gets.
#include "workshop/template_settings.h"

#include <QFileInfo>

#include "framework/error_text.h"

TemplateFormat FormatForFile(const QString& path, TemplateFormat fallback) {
  TemplateFormat format = fallback;
  ParseTemplateFormat(QFileInfo(path).suffix(), &format);
  return format;
}

QString FormatExtension(TemplateFormat format) {
  switch (format) {
    case TemplateFormat::Svg:
      return QStringLiteral("svg");
    case TemplateFormat::Dxf:
      return QStringLiteral("dxf");
    case TemplateFormat::Pdf:
      return QStringLiteral("pdf");
  }
  return {};
}

Result<BuiltModel> BuildTemplateModel(const Design& design, const FittedOutline& outline,
                                      const TemplateSettings& settings, const QString& name) {
  ExportContent content = settings.content;
  content.fileName = name;
  return BuildExportModel(design, outline, content);
}

TemplateFile RenderBodyTemplate(const Design& design, const FittedOutline& outline,
                                const TemplateSettings& settings, const QString& name) {
  TemplateFile file;
  const Result<BuiltModel> built = BuildTemplateModel(design, outline, settings, name);
  if (!built) {
    file.error = ErrorText(built.error());
    return file;
  }
  file.notes = built->notes;
  const Result<RenderedTemplate> rendered = RenderTemplate(built->model, settings.output);
  if (!rendered) {
    file.error = ErrorText(rendered.error());
    return file;
  }
  file.bytes = rendered->bytes;
  file.summary = rendered->summary;
  return file;
}

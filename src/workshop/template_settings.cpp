// The build and the export are export's own functions; nothing here adds to or changes the model
// the template gets.
#include "workshop/template_settings.h"

#include <QFileInfo>

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

namespace {

ExportContent Named(const TemplateSettings& settings, const QString& name) {
  ExportContent content = settings.content;
  content.fileName = name;
  return content;
}

}  // namespace

Result<BuiltModel> BuildTemplateModel(const Design& design, const FittedOutline& outline,
                                      const TemplateSettings& settings, const QString& name) {
  return BuildExportModel(design, outline, Named(settings, name));
}

Result<RenderedTemplate> ExportTemplateBytes(const Design& design, const FittedOutline& outline,
                                             const TemplateSettings& settings, const QString& name) {
  return ExportBodyTemplate(design, outline, Named(settings, name), settings.output);
}

// Model, content check, writer: each step's failure becomes an Error of its kind.
#include "export/body_export.h"

#include "document/design.h"
#include "export/template_content.h"
#include "geometry/fit_failure.h"

namespace {

Error Refused(const QString& message) {
  return Error{message.toStdString(), ErrorKind::kRefused};
}

}  // namespace

Result<RenderedTemplate> TemplateResult(RenderedTemplate rendered) {
  if (!rendered.bytes.isEmpty()) return rendered;
  return Error{rendered.error.toStdString(), rendered.refused ? ErrorKind::kRefused : ErrorKind::kFailed};
}

Result<RenderedTemplate> ExportBodyTemplate(const Design& design, const FittedOutline& outline,
                                            const ExportContent& content, const TemplateOutput& output) {
  if (!outline.Valid()) return NoFitError(design.shape, outline);
  const BuildResult built = BuildExportModel(design, outline, content);
  if (built.status != BuildStatus::Ok) return Refused(built.message);
  if (const QString empty = EmptyTemplateProblem(built.model); !empty.isEmpty()) return Refused(empty);
  RenderedTemplate rendered = RenderTemplate(built.model, output);
  rendered.notes = built.notes;
  return TemplateResult(std::move(rendered));
}

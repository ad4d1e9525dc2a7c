// Model, content check, writer: each step's failure is an Error of its kind.
#include "export/body_export.h"

#include "document/design.h"
#include "export/template_content.h"
#include "framework/error_text.h"
#include "geometry/fit_failure.h"

Result<RenderedTemplate> ExportBodyTemplate(const Design& design, const FittedOutline& outline,
                                            const ExportContent& content, const TemplateOutput& output) {
  if (!outline.Valid()) return NoFitError(design.shape, outline);
  const Result<BuiltModel> built = BuildExportModel(design, outline, content);
  if (!built) return built.error();
  if (const QString empty = EmptyTemplateProblem(built->model); !empty.isEmpty())
    return ErrorFrom(empty, ErrorKind::Refused);
  Result<RenderedTemplate> rendered = RenderTemplate(built->model, output);
  if (rendered) rendered->notes = built->notes;
  return rendered;
}

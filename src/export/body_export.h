// The body template from a design to the bytes of its file: the one path that vesk-cli export and the
// workshop window both take, so that the same values and options give the same bytes.
#pragma once

#include "export/body_template.h"
#include "export/template_output.h"
#include "geometry/result.h"

struct Design;

// outline is FitOutline of design.shape. Fails with ErrorKind::FitFailed when it is not Valid(), Refused
// when the template cannot be drawn as asked (an offset, its size or pages, or nothing of the drawing
// among content.parts), Failed when a writer fails. The result's notes say what was left out.
Result<RenderedTemplate> ExportBodyTemplate(const Design& design, const FittedOutline& outline,
                                            const ExportContent& content, const TemplateOutput& output);

// What the Template panel sets (the body template's content and its file's format) and how the
// workshop turns a design and those settings into a drawing model and template bytes: through
// ExportBodyTemplate, the function vesk-cli export calls, so both write the same bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "export/body_export.h"
#include "export/body_template.h"
#include "export/template_output.h"

struct TemplateSettings {
  ExportContent content;  // its fileName is the design's name, filled in by each build
  TemplateOutput output;
};

// The template's model, as vesk-cli export builds it; `name` goes into the title block. The window
// draws this same model.
Result<BuiltModel> BuildTemplateModel(const Design& design, const FittedOutline& outline,
                                      const TemplateSettings& settings, const QString& name);

// The template's bytes, from the same call vesk-cli export makes; the result's notes say what was
// left out.
Result<RenderedTemplate> ExportTemplateBytes(const Design& design, const FittedOutline& outline,
                                             const TemplateSettings& settings, const QString& name);

// The format a file name's extension names, or `fallback`.
TemplateFormat FormatForFile(const QString& path, TemplateFormat fallback);
// "svg", "dxf" or "pdf".
QString FormatExtension(TemplateFormat format);

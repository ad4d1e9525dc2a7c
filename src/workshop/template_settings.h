// What the Template panel sets (the body template's content and its file's format) and the one way
// the workshop turns a design and those settings into a drawing model and template bytes: the same
// calls, in the same order, as vesk-cli export, so both write the same bytes for the same options.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

struct TemplateFile {
  QByteArray bytes;   // empty on failure
  QString error;      // one line on failure
  QStringList notes;  // what was left out, and why
  QString summary;    // "SVG", "DXF R12 in mm", "PDF, 7 A4 page(s) ..."
};

TemplateFile RenderBodyTemplate(const Design& design, const FittedOutline& outline,
                                const TemplateSettings& settings, const QString& name);

// The format a file name's extension names, or `fallback`.
TemplateFormat FormatForFile(const QString& path, TemplateFormat fallback);
// "svg", "dxf" or "pdf".
QString FormatExtension(TemplateFormat format);

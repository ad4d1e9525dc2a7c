// A drawing model to the bytes of a template file in the chosen format: SVG, DXF (version and
// unit) or a tiled PDF (paper, overlap, print scaling off). Shared by every command that writes
// templates, so all of them offer the same formats and options.
#pragma once

#include <QByteArray>
#include <QString>

#include "export/dxf_writer.h"
#include "export/pdf_tiling.h"
#include "geometry/result.h"

struct ExportModel;

enum class TemplateFormat { Svg, Dxf, Pdf };

// "svg", "dxf" or "pdf" in any case; false (format untouched) for anything else.
bool ParseTemplateFormat(const QString& name, TemplateFormat* format);

struct TemplateOutput {
  TemplateFormat format = TemplateFormat::Svg;
  DxfOptions dxf;
  Paper paper = Paper::A4;
  double overlapMm = 10.0;
};

struct RenderedTemplate {
  QByteArray bytes;
  QString summary;  // "SVG", "DXF R12 in mm", "PDF, 7 A4 page(s) ..."
};

// Refused when the drawing needs too many pages; Failed when a writer gives up.
Result<RenderedTemplate> RenderTemplate(const ExportModel& model, const TemplateOutput& output);

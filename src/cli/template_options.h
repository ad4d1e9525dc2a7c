// The options every command that writes a template shares: --format, --unit, --parts, --paper,
// --overlap, --dxf-version, --dxf-unit and --dxf-curves, read into what the export writers take.
#pragma once

#include <QString>

#include "export/export_layers.h"
#include "export/export_units.h"
#include "export/outline_polyline.h"
#include "export/template_output.h"
#include "geometry/result.h"

class QCommandLineParser;

namespace cli {

struct TemplateRequest {
  TemplateOutput output;
  ExportUnit unit = ExportUnit::Cm;
  PartSet parts = PartSet::All();
  CurveStyle curves = CurveStyle::Arcs;  // for the commands that draw curves
};

// --unit cm|in: what a design's numbers (and a bare length) mean.
void AddUnitOption(QCommandLineParser& parser);
Result<ExportUnit> UnitOption(const QCommandLineParser& parser);

void AddTemplateOptions(QCommandLineParser& parser);

// Reads the options; the format comes from outPath's extension unless --format names it. Each is
// checked as it is read, so a bad one is reported before any work is done.
Result<TemplateRequest> ReadTemplateOptions(const QCommandLineParser& parser, const QString& outPath);
// Writes the template's bytes whole (or nothing), then prints "wrote OUT (summary)" unless quiet.
Status WriteTemplate(const QString& path, const RenderedTemplate& rendered, bool quiet = false);

// Refuses the template options other than --unit, which mean nothing without a template to write.
Status NoTemplateOptions(const QCommandLineParser& parser);

}  // namespace cli

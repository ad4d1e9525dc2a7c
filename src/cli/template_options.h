// The options every command that writes a template shares: --format, --unit, --parts, --paper,
// --overlap, --dxf-version, --dxf-unit and --dxf-curves, read into what the export writers take.
#pragma once

#include <QString>

#include "export/export_layers.h"
#include "export/export_units.h"
#include "export/outline_polyline.h"
#include "export/template_output.h"

class QCommandLineParser;

namespace cli {

struct TemplateRequest {
  TemplateOutput output;
  ExportUnit unit = ExportUnit::Cm;
  PartSet parts = PartSet::All();
  CurveStyle curves = CurveStyle::Arcs;  // for the commands that draw curves
};

void AddTemplateOptions(QCommandLineParser& parser);

// Reads the options; the format comes from outPath's extension unless --format names it. False after
// one line "vesk-cli: COMMAND: ..." on stderr.
bool ReadTemplateOptions(const QCommandLineParser& parser, const QString& command, const QString& outPath,
                         TemplateRequest* request);

}  // namespace cli

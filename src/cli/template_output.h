// What every template command shares: the output options (-o, --format, --paper, --overlap,
// --dxf-version, --dxf-unit, --parts), read once, and writing a finished drawing model through the
// SVG, DXF or tiled PDF writer to its file all at once.
#pragma once

#include <QCommandLineParser>
#include <QString>

#include "export/dxf_writer.h"
#include "export/export_layers.h"
#include "export/pdf_tiling.h"

struct ExportModel;

namespace cli {

enum class TemplateFormat { Svg, Dxf, Pdf };

struct TemplateOutput {
  QString path;  // empty: no template asked for
  TemplateFormat format = TemplateFormat::Svg;
  Paper paper = Paper::A4;
  double overlapMm = 10.0;
  DxfOptions dxf;  // millimetres unless --dxf-unit in
  PartSet parts = PartSet::All();
};

// Every part name, comma-separated: "outline, offsets, ...".
QString PartList();

// partsHelp names the parts this command's templates hold.
void AddTemplateOutputOptions(QCommandLineParser& parser, const QString& partsHelp);

// Reads the options, or prints one line prefixed "command: " and returns false. Without -o the other
// options are refused, since there is nothing for them to shape.
bool ReadTemplateOutput(const QCommandLineParser& parser, const QString& command, TemplateOutput* out);

// Renders the model and commits the file; on success *summary says what was written ("DXF R12 in
// mm"), otherwise one line is printed and the exit code returned (kUsage for a PDF no tiling can
// hold, kFileError for a writer or file failure).
int WriteTemplateFile(const ExportModel& model, const TemplateOutput& out, const QString& command,
                      QString* summary);

}  // namespace cli

// What vesk-cli trace hands out: the points as a file the match reads back (text, CSV or DXF) and
// the report (text or JSON).
#pragma once

#include <QByteArray>
#include <QString>

#include "cli/json_output.h"
#include "export/export_units.h"
#include "trace/trace_picture.h"

namespace cli {

// The points file for a name ending in .csv ("x,y" header), .txt ("x y" after a comment) or .dxf
// (one closed polyline on layer OUTLINE, in mm, or in inches for --unit in).
Result<QByteArray> TracedPointsFile(const TraceResult& traced, const QString& name, const QString& source,
                                    ExportUnit unit);

// Whether the name ends in one of the three.
bool IsTracedPointsName(const QString& name);

JsonObject TraceJson(const TraceResult& traced, const QString& file, ExportUnit unit);
QString TraceSummary(const TraceResult& traced, const QString& file, ExportUnit unit);

}  // namespace cli

// DXF template through dxflib: R12 (AC1009) or R2000 (AC1015), in millimetres unless asked for
// inches whatever unit the model is in, with $INSUNITS and $MEASUREMENT saying which; every closed
// polyline (the outline, each offset) one closed POLYLINE or LWPOLYLINE, one DXF layer per layer.
#pragma once

#include <QByteArray>
#include <QString>

#include "geometry/result.h"

struct ExportModel;

enum class DxfVersion { R12, R2000 };
// The unit of the file's numbers. dxf2gcode and Inkscape's importer know $INSUNITS 1 (in) and
// 4 (mm) only, so these are the two a file can carry.
enum class DxfUnit { Mm, In };

// Accepts "mm" and "in"; false (unit untouched) for anything else.
bool ParseDxfUnit(const QString& text, DxfUnit* unit);

struct DxfOptions {
  DxfVersion version = DxfVersion::R12;
  DxfUnit unit = DxfUnit::Mm;
};

Result<QByteArray> WriteDxf(const ExportModel& model, const DxfOptions& options);

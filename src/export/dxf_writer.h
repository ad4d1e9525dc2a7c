// DXF template through dxflib: R12 (AC1009) or R2000 (AC1015), coordinates in the design's unit with
// $INSUNITS saying which, the outline as one closed polyline, one layer per export layer.
#pragma once

#include <QByteArray>
#include <QString>

struct ExportModel;

enum class DxfVersion { R12, R2000 };

// Empty on failure, with *error set to one line.
QByteArray WriteDxf(const ExportModel& model, DxfVersion version, QString* error);

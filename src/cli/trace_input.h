// Pictures as vesk-cli reads them: recognised by their first bytes (not their names), read whole
// within a size bound, and traced into the points the match reads.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "export/export_units.h"
#include "match/point_set.h"
#include "trace/trace_picture.h"

namespace cli {

// Whether the file's first bytes are a PNG's, a JPEG's or a TIFF's (false when it cannot be read).
bool IsPictureFile(const QString& path);

// The traced outline, or an Error whose message is "FILE: why" (not found, too large, not a
// picture, no scale, no closed curve, ...).
Result<TraceResult> TracePictureFile(const QString& path, const TraceOptions& options);

// The options for a unit: the points in it, the check square 100 mm (cm) or 4 in.
TraceOptions TraceOptionsFor(ExportUnit unit);

// The traced points as a point reader hands them over (no line numbers), their extent in millimetres.
PointSet TracedMatchPoints(const TraceResult& traced, ExportUnit unit);

}  // namespace cli

// SVG template: the unit on the root only (width="52.3cm" with a matching viewBox) and plain numbers
// inside, y down, one Inkscape layer per export layer, 0.1 mm strokes.
#pragma once

#include <QByteArray>

#include "geometry/result.h"

struct ExportModel;

Result<QByteArray> WriteSvg(const ExportModel& model);

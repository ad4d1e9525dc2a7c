// A PNG of an export drawing model, drawn with QPainter on a QImage: the layers, colours and sheet
// of the SVG writer at a fixed resolution, which the file records, so the two have one size.
#pragma once

#include <QByteArray>

#include "geometry/result.h"

struct ExportModel;

// An Error when the sheet would be wider or taller than maxPixels (or is not finite).
Result<QByteArray> WritePng(const ExportModel& model, double pixelsPerMm, double maxPixels);

// The title block of a template: what the design is, in which unit, and how it was drawn.
#pragma once

#include <QString>
#include <QStringList>

#include "export/export_units.h"
#include "geometry/design_shape.h"

struct TitleInput {
  QString fileName;  // the design's file name, "Untitled" for a new design
  DesignShape shape;
  double sideLength;
  ExportUnit unit;
};

// One line per entry, in reading order; lengths rounded by RoundedLength.
QStringList TitleLines(const TitleInput& in);

// A length in the design's unit rounded to 0.001 of it (0.01 mm in centimetres, 0.001 in in inches),
// without trailing zeros: "72.245", "49".
QString RoundedLength(double value);

// A number as it reads back bit for bit.
QString ShortestNumber(double value);

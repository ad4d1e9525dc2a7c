// The title block of a template: what the design is, in which unit, and how it was drawn.
#pragma once

#include <QString>
#include <QStringList>

#include "export/export_units.h"

struct TitleInput {
  QString fileName;  // the design's file name, "Untitled" for a new design
  double length, lowerBout, waist, upperBout;
  double a3, a4, a5, a6;
  double sideLength;
  ExportUnit unit;
};

// One line per entry, in reading order; numbers in shortest round-trip form.
QStringList TitleLines(const TitleInput& in);

// A number as it reads back bit for bit.
QString ShortestNumber(double value);

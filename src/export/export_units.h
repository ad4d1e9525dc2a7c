// The length unit an export is told the design's numbers are in, and the fixed physical sizes of
// every template (check square, chord tolerance, strokes) expressed in it.
#pragma once

#include <QString>

enum class ExportUnit { Cm, In };

// Accepts "cm" and "in"; false (unit untouched) for anything else.
bool ParseExportUnit(const QString& text, ExportUnit* unit);
QString UnitName(ExportUnit unit);
double MillimetresPerUnit(ExportUnit unit);
double UnitsFromMillimetres(double mm, ExportUnit unit);

// Largest distance between the fitted curve and the polyline that stands for it.
inline constexpr double kChordToleranceMm = 0.01;
// The check square: 100 mm on a metric template, 4 in on an inch one.
double CheckSquareSideUnits(ExportUnit unit);
QString CheckSquareLabel(ExportUnit unit);

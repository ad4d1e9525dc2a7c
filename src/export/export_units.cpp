// Unit names and factors of the exports.
#include "export/export_units.h"

#include "export/named_value.h"
#include "geometry/units.h"

bool ParseExportUnit(const QString& text, ExportUnit* unit) {
  return ParseNamedValue(text, {{"cm", ExportUnit::Cm}, {"in", ExportUnit::In}}, unit);
}

QString UnitName(ExportUnit unit) {
  return unit == ExportUnit::Cm ? QStringLiteral("cm") : QStringLiteral("in");
}

double MillimetresPerUnit(ExportUnit unit) {
  return unit == ExportUnit::Cm ? kMmPerCm : kMmPerInch;
}

double UnitsFromMillimetres(double mm, ExportUnit unit) {
  return mm / MillimetresPerUnit(unit);
}

double CheckSquareSideUnits(ExportUnit unit) {
  return unit == ExportUnit::Cm ? 10.0 : 4.0;
}

QString CheckSquareLabel(ExportUnit unit) {
  return unit == ExportUnit::Cm ? QStringLiteral("100 mm") : QStringLiteral("4 in");
}

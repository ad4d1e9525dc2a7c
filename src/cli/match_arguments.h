// vesk-cli match's command line: what it reads, what it writes, and the options of the fit.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "export/export_units.h"
#include "match/match_fit.h"

namespace cli {

struct MatchArguments {
  QString points;
  QString design;   // -o, or empty
  QString overlay;  // --overlay, or empty
  QString layer;
  ExportUnit unit = ExportUnit::Cm;
  std::optional<double> pointsUnitMm;  // --points-unit
  MatchOptions options;
  bool json = false;
};

// nullopt after a one-line usage message (or after --help).
std::optional<MatchArguments> ParseMatchArguments(const QStringList& args);

// Millimetres in one of the units --points-unit takes (mm, cm, in, m); nullopt for any other.
std::optional<double> PointsUnitMillimetres(const QString& name);
// "mm", "cm", "in" or "m" for those units.
QString PointsUnitName(double millimetres);

}  // namespace cli

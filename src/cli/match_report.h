// The report of a match: the eight values, how well they fit, which points were left out, and how
// the search ended, as text or as JSON with the names of `info --json`.
#pragma once

#include <QString>

#include "cli/json_output.h"

struct MatchResult;
struct PointSet;

namespace cli {

struct MatchSource {
  QString file;
  QString unit;  // "cm" or "in"
  bool aligned = false;
  QString warning;  // the points' extent is no body's, or empty
};

JsonObject MatchJson(const MatchResult& result, const PointSet& points, const MatchSource& source);
QString MatchSummary(const MatchResult& result, const PointSet& points, const MatchSource& source);

}  // namespace cli

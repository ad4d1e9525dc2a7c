// The report of a match: the eight values, how well they fit, and how the solver ended, as text or
// as JSON with the names of `info --json`.
#pragma once

#include <QString>
#include <vector>

#include "cli/json_output.h"

struct MatchResult;

namespace cli {

struct MatchSource {
  QString file;
  QString unit;  // "cm" or "in"
  QString note;  // what the reader assumed, or empty
  bool aligned = false;
};

// lines: each point's source line (0 when it has none).
JsonObject MatchJson(const MatchResult& result, const MatchSource& source, const std::vector<int>& lines);
QString MatchSummary(const MatchResult& result, const MatchSource& source, const std::vector<int>& lines);

}  // namespace cli

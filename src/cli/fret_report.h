// The fret table of vesk-cli frets as text for the bench (rounded to what a rule can show), and as
// JSON and CSV that carry every value at full precision.
#pragma once

#include <QString>

#include "cli/json_output.h"
#include "export/fret_export.h"
#include "geometry/fret_table.h"

namespace cli {

struct FretReport {
  FretTableInput input;  // in the report's unit
  FretTable table;
  bool inches = false;  // the report's unit: inches, or millimetres
  int jointFret = 0;    // the design's body joint, marked when it is one of the frets; 0: none
  Handedness hand = Handedness::kRight;
};

// The board's table in the report's unit (millimetres for a centimetre design, inches for an inch one).
FretReport MakeFretReport(const FretboardRequest& request);

QString FretUnitName(const FretReport& report);

// Columns of 0.001 mm (0.0001 in); a fanned board gets bass, treble and angle columns.
QString FretTableText(const FretReport& report);
// Members in reading order: the board, then the table.
JsonObject FretTableJson(const FretReport& report);
// One header line, then one line per fret; numbers in shortest round-trip form.
QString FretTableCsv(const FretReport& report);

}  // namespace cli

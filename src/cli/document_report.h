// A design's seventeen fields as JSON or as readable lines, for vesk-cli info.
#pragma once

#include <QString>

#include "cli/json_output.h"

struct Design;

namespace cli {

// Keys length ... fret19Width, fitValid, holeDefined, jointFret; a length that is not finite is null.
JsonObject DocumentJson(const Design& design, int fitValid);
// One "key = value" line per field, in the same order, doubles in shortest round-trip form.
QString DocumentSummary(const Design& design, int fitValid);

}  // namespace cli

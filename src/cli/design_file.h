// Opening and saving design files for the vesk-cli commands.
#pragma once

#include <QString>

#include "document/design.h"
#include "export/export_units.h"
#include "geometry/result.h"

namespace cli {

struct OpenedDesign {
  Design design;
  QString title;  // the file's name, "Untitled" for a new design
};

// The design in path, or when path is empty the new-design values in `unit` (the defaults are
// centimetres; in inches they are converted as the window's cm->in does). A file that cannot be
// read fails naming it ("FILE: cannot be read: ...").
Result<OpenedDesign> OpenDesign(const QString& path, ExportUnit unit = ExportUnit::Cm);
// Saves design to path, replacing it only once the new file is whole. On failure reports the reason
// (vesk-cli: COMMAND: FILE: cannot be written: ...) and returns false.
bool SaveDesign(const Design& design, const QString& path);

}  // namespace cli

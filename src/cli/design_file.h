// Opening and saving design files for the vesk-cli commands, with the one-line error report.
#pragma once

#include <QString>
#include <optional>

#include "document/design.h"

namespace cli {

struct OpenedDesign {
  Design design;
  QString title;  // the file's name, "Untitled" for a new design
};

// The design in path, or the new-design values when path is empty. On failure prints the reason
// naming the file (after "COMMAND: " when command is given) and returns nullopt.
std::optional<OpenedDesign> OpenDesign(const QString& path, const QString& command = {});
// Saves design to path, replacing it only once the new file is whole. On failure prints the reason.
bool SaveDesign(const Design& design, const QString& path);

}  // namespace cli

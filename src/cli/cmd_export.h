// vesk-cli export: true-scale workshop templates (SVG, DXF, tiled PDF) of a design.
#pragma once

#include <QStringList>

namespace cli {
int RunExportCommand(const QStringList& args);
}

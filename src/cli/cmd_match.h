// vesk-cli match POINTS: fits a design's eight values to measured half-widths or a traced outline.
#pragma once

#include <QStringList>

namespace cli {

int RunMatchCommand(const QStringList& args);

}  // namespace cli

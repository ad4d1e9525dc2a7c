// vesk-cli fit: fit a design given by options (or, later, a file) and report the outline.
#pragma once

#include <QStringList>

namespace cli {
int RunFitCommand(const QStringList& args);
}

// vesk-cli fit: fit a design given by options or saved in a file, and report the outline.
#pragma once

#include <QStringList>

namespace cli {
int RunFitCommand(const QStringList& args);
}

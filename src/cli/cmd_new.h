// vesk-cli new -o FILE: writes a new design.
#pragma once

#include <QStringList>

namespace cli {
int RunNewCommand(const QStringList& args);
}

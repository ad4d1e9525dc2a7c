// vesk-cli info FILE [--json]: every field of a saved design and the fit that loading ran.
#pragma once

#include <QStringList>

namespace cli {
int RunInfoCommand(const QStringList& args);
}

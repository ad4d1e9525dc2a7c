// vesk-cli convert FILE --in-to-cm|--cm-to-in [-o OUT]: converts a whole design between units.
#pragma once

#include <QStringList>

namespace cli {
int RunConvertCommand(const QStringList& args);
}

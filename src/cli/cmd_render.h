// vesk-cli render: paints a design with the view's own drawing into a PNG, with no display.
#pragma once

#include <QStringList>

namespace cli {
int RunRenderCommand(const QStringList& args);
}

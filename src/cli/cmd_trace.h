// vesk-cli trace IMAGE: a scan or a photo of an outline (a tracing, or a body on a contrasting
// ground) to the outline's points, scaled by the check square or the scan's resolution.
#pragma once

#include <QStringList>

namespace cli {

int RunTraceCommand(const QStringList& args);

}  // namespace cli

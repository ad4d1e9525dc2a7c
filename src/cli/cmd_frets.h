// vesk-cli frets: the whole fretboard as a table (text, JSON, CSV) and as a fret-slot template.
#pragma once

#include <QStringList>

namespace cli {
int RunFretsCommand(const QStringList& args);
}

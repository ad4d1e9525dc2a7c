// Opening and saving design files for the vesk-cli commands, with the one-line error report.
#pragma once

#include <QString>

class CVeskDoc;

namespace cli {

// Opens path into doc (which refits it). On failure prints the reason naming the file.
bool OpenDesign(CVeskDoc& doc, const QString& path);
// Saves doc to path through the document's safe save. On failure prints the reason.
bool SaveDesign(CVeskDoc& doc, const QString& path);

}  // namespace cli

// Design files for vesk-cli: the document's own open and save, errors to stderr.
#include "cli/design_file.h"

#include "cli/cli_command.h"
#include "document/veskdoc.h"

namespace cli {

bool OpenDesign(CVeskDoc& doc, const QString& path) {
  QString error;
  if (doc.OnOpenDocument(path, &error)) return true;
  PrintError(error);
  return false;
}

bool SaveDesign(CVeskDoc& doc, const QString& path) {
  QString error;
  if (doc.OnSaveDocument(path, &error)) return true;
  PrintError(error);
  return false;
}

}  // namespace cli

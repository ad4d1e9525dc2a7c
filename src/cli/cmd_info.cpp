// vesk-cli info FILE [--json]: opens the design (which fits it) and reports the fields and the fit.
#include "cli/cmd_info.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/document_report.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"
#include "document/veskdoc.h"

namespace cli {

int RunInfoCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  QString file;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "info", &file)) return kUsage;

  CVeskDoc doc;
  if (!OpenDesign(doc, file)) return kFileError;
  const int result = doc.m_fitValid == 1 ? 0 : -1;
  if (parser.isSet("json")) {
    PrintOut(JsonText(JsonObject{{"file", file},
                                 {"size", doc.LastFileSize()},
                                 {"document", DocumentJson(doc)},
                                 {"fit", FitJson(result)}}));
  } else {
    PrintOut(QStringLiteral("file = %1\nsize = %2 bytes\n").arg(file).arg(doc.LastFileSize()) +
             DocumentSummary(doc) + FitSummary(result));
  }
  return result == 0 ? kOk : kFitFailed;
}

}  // namespace cli

// vesk-cli info FILE [--json]: opens the design (which fits it) and reports the fields and the fit.
#include "cli/cmd_info.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/document_report.h"
#include "cli/fit_report.h"
#include "cli/json_output.h"
#include "geometry/fit_shape.h"

namespace cli {

int RunInfoCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("json"), QStringLiteral("print one JSON object")});
  QString file;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "info", &file)) return kUsage;

  const std::optional<OpenedDesign> opened = OpenDesign(file);
  if (!opened) return kFileError;
  const Design& design = opened->design;
  const FittedOutline outline = FitOutline(design.shape);
  const int size = DesignFileBytes(design);
  if (parser.isSet("json")) {
    PrintOut(JsonText(JsonObject{{"file", file},
                                 {"size", size},
                                 {"document", DocumentJson(design, outline.fitValid)},
                                 {"fit", FitJson(outline)}}));
  } else {
    PrintOut(QStringLiteral("file = %1\nsize = %2 bytes\n").arg(file).arg(size) +
             DocumentSummary(design, outline.fitValid) + FitSummary(outline));
  }
  return outline.Valid() ? kOk : kFitFailed;
}

}  // namespace cli

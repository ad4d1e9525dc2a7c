// vesk-cli convert: opens FILE, runs the document's in->cm or cm->in, and saves to OUT or back to
// FILE. The save replaces the target only once the new file is complete, so a failure keeps it.
#include "cli/cmd_convert.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "geometry/fit_shape.h"
#include "geometry/units.h"

namespace cli {

int RunConvertCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(
      {QStringLiteral("in-to-cm"), QStringLiteral("multiply every length by %1").arg(kCmPerInch)});
  parser.addOption({QStringLiteral("cm-to-in"), QStringLiteral("divide every length by %1").arg(kCmPerInch)});
  parser.addOption({{"o", "output"}, QStringLiteral("write here instead of FILE"), QStringLiteral("OUT")});
  QString file;
  if (!ParseOrReport(parser, args) || !OneFileArgument(parser, "convert", &file)) return kUsage;
  const bool toCm = parser.isSet("in-to-cm");
  if (toCm == parser.isSet("cm-to-in")) {
    PrintError(QStringLiteral("convert: give exactly one of --in-to-cm and --cm-to-in"));
    return kUsage;
  }
  if (parser.isSet("o") && parser.value("o").isEmpty()) {
    PrintError(QStringLiteral("convert: -o needs a file name"));
    return kUsage;
  }
  const QString out = parser.isSet("o") ? parser.value("o") : file;

  const std::optional<OpenedDesign> opened = OpenDesign(file);
  if (!opened) return kFileError;
  const Design converted = toCm ? DesignInCentimetres(opened->design) : DesignInInches(opened->design);
  if (!SaveDesign(converted, out)) return kFileError;
  // Written in any case, as the program's Save would; the status says whether the result fits.
  return FitOutline(converted.shape).Valid() ? kOk : kFitFailed;
}

}  // namespace cli

// vesk-cli convert: opens FILE, runs the document's in->cm or cm->in, and saves to OUT or back to
// FILE. The save replaces the target only once the new file is complete, so a failure keeps it.
#include "cli/cmd_convert.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "geometry/fit_failure.h"
#include "geometry/fit_shape.h"
#include "geometry/units.h"

namespace cli {

int RunConvertCommand(const QStringList& args) {
  QCommandLineParser parser;
  AddArgument(parser, QStringLiteral("FILE"), QStringLiteral("the design file"), false);
  parser.addOption(
      {QStringLiteral("in-to-cm"), QStringLiteral("multiply every length by %1").arg(kCmPerInch)});
  parser.addOption({QStringLiteral("cm-to-in"), QStringLiteral("divide every length by %1").arg(kCmPerInch)});
  parser.addOption({{"o", "output"}, QStringLiteral("write here instead of FILE"), QStringLiteral("OUT")});
  if (!ParseOrReport(parser, args)) return kUsage;
  const Result<QString> file = OneArgument(parser, QStringLiteral("FILE"), false);
  if (!file) return Report(file.error());
  const bool toCm = parser.isSet("in-to-cm");
  if (toCm == parser.isSet("cm-to-in"))
    return Report(UsageError(QStringLiteral("--in-to-cm, --cm-to-in"), QStringLiteral("give exactly one")));
  if (parser.isSet("o") && parser.value("o").isEmpty())
    return Report(UsageError(QStringLiteral("-o"), QStringLiteral("needs a file name")));
  const QString out = parser.isSet("o") ? parser.value("o") : *file;

  const Result<OpenedDesign> opened = OpenDesign(*file);
  if (!opened) return Report(opened.error());
  const Design converted = toCm ? DesignInCentimetres(opened->design) : DesignInInches(opened->design);
  if (!SaveDesign(converted, out)) return kFileError;
  // Written in any case, as the program's Save would; the status says whether the result fits.
  const FittedOutline outline = FitOutline(converted.shape);
  return outline.Valid() ? kOk : Report(NoFitError(converted.shape, outline));
}

}  // namespace cli

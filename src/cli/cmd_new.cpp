// vesk-cli new -o FILE [--unit cm|in]: the new-design values, saved as the program's File > Save would.
#include "cli/cmd_new.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/template_options.h"

namespace cli {

int RunNewCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption({{"o", "output"}, QStringLiteral("the file to write"), QStringLiteral("FILE")});
  // Named on the Usage line only: the file comes as -o FILE.
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the file to write, given as -o FILE"),
                               QStringLiteral("-o FILE"));
  AddUnitOption(parser);
  if (!ParseOrReport(parser, args)) return kUsage;
  if (!parser.positionalArguments().isEmpty())
    return Report(
        UsageError(QStringLiteral("'%1'").arg(parser.positionalArguments().first()), UnexpectedArgument()));
  if (parser.value("o").isEmpty()) return Report(UsageError(QStringLiteral("-o FILE"), Missing()));
  const Result<ExportUnit> unit = UnitOption(parser);
  if (!unit) return Report(unit.error());
  return SaveDesign(OpenDesign(QString(), *unit)->design, parser.value("o")) ? kOk : kFileError;
}

}  // namespace cli

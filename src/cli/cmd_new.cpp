// vesk-cli new -o FILE: the new-design values, saved as the program's File > Save would.
#include "cli/cmd_new.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"

namespace cli {

int RunNewCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption({{"o", "output"}, QStringLiteral("the file to write"), QStringLiteral("FILE")});
  if (!ParseOrReport(parser, args)) return kUsage;
  if (!parser.positionalArguments().isEmpty()) {
    PrintError(QStringLiteral("new: unexpected argument '%1'").arg(parser.positionalArguments().first()));
    return kUsage;
  }
  if (!parser.isSet("o") || parser.value("o").isEmpty()) {
    PrintError(QStringLiteral("new: missing -o FILE"));
    return kUsage;
  }
  return SaveDesign(Design{}, parser.value("o")) ? kOk : kFileError;
}

}  // namespace cli

// vesk-cli: the command table and its dispatch.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "cli/cli_command.h"
#include "cli/cmd_convert.h"
#include "cli/cmd_fit.h"
#include "cli/cmd_info.h"
#include "cli/cmd_new.h"

namespace {

const cli::Command kCommands[] = {
    {"fit", "fit a design (options or FILE) and report the outline", cli::RunFitCommand},
    {"new", "write a new design: new -o FILE", cli::RunNewCommand},
    {"info", "show a saved design's fields and its fit: info FILE [--json]", cli::RunInfoCommand},
    {"convert", "convert a design's units: convert FILE --in-to-cm|--cm-to-in [-o OUT]", cli::RunConvertCommand},
};

int Usage(FILE* to) {
  std::fprintf(to, "usage: vesk-cli COMMAND [ARGS]\ncommands:\n");
  for (const cli::Command& c : kCommands) std::fprintf(to, "  %-8s %s\n", c.name, c.summary);
  return to == stdout ? cli::kOk : cli::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) return Usage(stderr);
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") return Usage(stdout);
  for (const cli::Command& c : kCommands)
    if (args[0] == QLatin1String(c.name)) return c.run(args);
  cli::PrintError(QStringLiteral("unknown command '%1'").arg(args[0]));
  return Usage(stderr);
}

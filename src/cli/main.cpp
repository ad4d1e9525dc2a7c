// vesk-cli: the command table and its dispatch.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "cli/cli_command.h"
#include "cli/cmd_export.h"
#include "cli/cmd_fit.h"

namespace {

const cli::Command kCommands[] = {
    {"fit", "fit a design and report the outline", cli::RunFitCommand},
    {"export", "write a true-scale SVG, DXF or tiled PDF template", cli::RunExportCommand},
};

int Usage(FILE* to) {
  std::fprintf(to, "usage: vesk-cli COMMAND [ARGS]\ncommands:\n");
  for (const cli::Command& c : kCommands) std::fprintf(to, "  %-8s %s\n", c.name, c.summary);
  return to == stdout ? cli::kOk : cli::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // Templates paint text, which needs a GUI application; none of it needs a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) return Usage(stderr);
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") return Usage(stdout);
  for (const cli::Command& c : kCommands)
    if (args[0] == QLatin1String(c.name)) return c.run(args);
  cli::PrintError(QStringLiteral("unknown command '%1'").arg(args[0]));
  return Usage(stderr);
}

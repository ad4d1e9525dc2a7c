// vesk-cli: the command table and its dispatch. Commands that paint get a GUI application (fonts,
// no widgets) on the offscreen platform (unless QT_QPA_PLATFORM names another), so vesk-cli never
// needs a display.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_command.h"
#include "cli/cmd_convert.h"
#include "cli/cmd_export.h"
#include "cli/cmd_fit.h"
#include "cli/cmd_frets.h"
#include "cli/cmd_info.h"
#include "cli/cmd_match.h"
#include "cli/cmd_new.h"
#include "cli/cmd_render.h"
#include "cli/cmd_trace.h"

namespace {

const cli::Command kCommands[] = {
    {"fit", "fit a design (options or FILE) and report the outline", cli::RunFitCommand},
    {"new", "write a new design: new -o FILE", cli::RunNewCommand},
    {"info", "show a saved design's fields and its fit: info FILE [--json]", cli::RunInfoCommand},
    {"convert", "convert a design's units: convert FILE --in-to-cm|--cm-to-in [-o OUT]",
     cli::RunConvertCommand},
    {"render", "paint a design into a PNG", cli::RunRenderCommand, true},
    {"export", "write a true-scale SVG, DXF or tiled PDF template", cli::RunExportCommand, true},
    {"match", "fit a design to measured or traced points: match POINTS|IMAGE [-o DESIGN]",
     cli::RunMatchCommand, true},
    {"trace", "a scan or photo of an outline to points: trace IMAGE [-o POINTS]", cli::RunTraceCommand},
    {"frets", "the whole fretboard: fret table, or a fret-slot template with -o", cli::RunFretsCommand, true},
};

int Usage(FILE* to) {
  std::fprintf(to,
               "usage: vesk-cli COMMAND [ARGS]\n       vesk-cli help COMMAND | COMMAND --help | --version\n"
               "commands:\n");
  for (const cli::Command& c : kCommands) std::fprintf(to, "  %-8s %s\n", c.name, c.summary);
  return to == stdout ? cli::kOk : cli::kUsage;
}

const cli::Command* FindCommand(const char* name) {
  for (const cli::Command& c : kCommands)
    if (std::strcmp(name, c.name) == 0) return &c;
  return nullptr;
}

int Version() {
  cli::PrintOut(QStringLiteral("vesk-cli " VESK_VERSION "\n"));
  return cli::kOk;
}

// A command that printed its --help has succeeded, whatever it returned after.
int Run(const cli::Command& command, const QStringList& args) {
  cli::BeginCommand(command);
  const int code = command.run(args);
  cli::FlushWarnings();
  return cli::HelpShown() ? cli::kOk : code;
}

// help COMMAND: the command's own --help.
int Help(const QStringList& rest) {
  if (rest.isEmpty()) return Usage(stdout);
  const cli::Command* command = FindCommand(rest[0].toLocal8Bit().constData());
  if (command) return Run(*command, {rest[0], QStringLiteral("--help")});
  cli::PrintError(QStringLiteral("help: '%1': unknown command").arg(rest[0]));
  return cli::kUsage;
}

// vesk-cli's stderr carries only its own one-line errors, so two notices of Qt's are dropped: that
// XDG_RUNTIME_DIR is unset (a GUI application started as root without a session; vesk-cli uses no
// runtime folder) and that the offscreen platform cannot pass a window's size hints on (it has no
// window manager to pass them to). Every other message goes on as usual.
QtMessageHandler g_defaultHandler = nullptr;

bool IsQtNotice(QtMsgType type, const QString& message) {
  if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg) return false;
  return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
         message == QLatin1String("This plugin does not support propagateSizeHints()");
}

void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (IsQtNotice(type, message)) return;
  g_defaultHandler(type, context, message);
}

std::unique_ptr<QCoreApplication> MakeApplication(const cli::Command* command, int& argc, char** argv) {
  if (command == nullptr || !command->paints) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  g_defaultHandler = qInstallMessageHandler(FilterQtMessages);
  const cli::Command* command = argc > 1 ? FindCommand(argv[1]) : nullptr;
  const auto app = MakeApplication(command, argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) return Usage(stderr);
  if (args[0] == "--help" || args[0] == "-h") return Usage(stdout);
  if (args[0] == "--version" || args[0] == "-v") return Version();
  if (args[0] == "help") return Help(args.mid(1));
  if (command) return Run(*command, args);
  cli::PrintError(QStringLiteral("'%1': unknown command").arg(args[0]));
  return Usage(stderr);
}

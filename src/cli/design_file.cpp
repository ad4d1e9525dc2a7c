// Design files for vesk-cli: the shared value reader and writer, errors to stderr.
#include "cli/design_file.h"

#include <QFileInfo>

#include "cli/cli_command.h"
#include "document/design_file.h"

namespace cli {

std::optional<OpenedDesign> OpenDesign(const QString& path, const QString& command) {
  if (path.isEmpty()) return OpenedDesign{Design{}, QStringLiteral("Untitled")};
  Result<Design> loaded = LoadDesignFile(path);
  if (!loaded) {
    const QString prefix = command.isEmpty() ? QString() : command + QStringLiteral(": ");
    PrintError(prefix + QString::fromStdString(loaded.error().message));
    return std::nullopt;
  }
  return OpenedDesign{*loaded, QFileInfo(path).fileName()};
}

bool SaveDesign(const Design& design, const QString& path) {
  const Status saved = SaveDesignFile(path, design);
  if (!saved) PrintError(QString::fromStdString(saved.error().message));
  return saved.ok();
}

}  // namespace cli

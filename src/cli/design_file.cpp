// Design files for vesk-cli: the shared value reader and writer.
#include "cli/design_file.h"

#include <QFileInfo>

#include "cli/cli_command.h"
#include "document/design_file.h"

namespace cli {

Result<OpenedDesign> OpenDesign(const QString& path, ExportUnit unit) {
  if (path.isEmpty()) {
    const Design design = unit == ExportUnit::In ? DesignInInches(Design{}) : Design{};
    return OpenedDesign{design, QStringLiteral("Untitled")};
  }
  Result<Design> loaded = LoadDesignFile(path);
  if (!loaded) return loaded.error();
  return OpenedDesign{*loaded, QFileInfo(path).fileName()};
}

bool SaveDesign(const Design& design, const QString& path) {
  const Status saved = SaveDesignFile(path, design);
  if (!saved) Report(saved.error());
  return saved.ok();
}

}  // namespace cli

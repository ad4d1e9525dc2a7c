// Named explicitly rather than through the application's names, so tests and the program agree.
#include "workshop/workshop_settings.h"

std::unique_ptr<QSettings> OpenWorkshopSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vesk"),
                                     QStringLiteral("vesk-workshop"));
}

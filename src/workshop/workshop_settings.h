// The workshop's settings file (~/.config/vesk/vesk-workshop.conf, under XDG_CONFIG_HOME when set),
// apart from the design window's: the recent files and the window's layout.
#pragma once

#include <QSettings>
#include <memory>

std::unique_ptr<QSettings> OpenWorkshopSettings();

// The workshop's own list of recently opened and saved designs, newest first, kept in its settings
// (workshop_settings.h) apart from the design window's list.
#pragma once

#include <QStringList>

namespace RecentFiles {

inline constexpr int kMaxFiles = 8;

QStringList List();
// Puts the file's absolute path first, once.
void Add(const QString& path);
void Remove(const QString& path);

}  // namespace RecentFiles

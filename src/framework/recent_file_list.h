// CRecentFileList: the most recently opened and saved files, newest first, without duplicates,
// kept in the settings store as group "Recent File List", keys File1..FileN.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
 public:
  explicit CRecentFileList(int size);

  // Puts path (made absolute) at the front, dropping an older entry of the same file and the
  // oldest entry beyond the size.
  void Add(const QString& path);
  void Remove(int index);
  void RemovePath(const QString& path);

  int GetSize() const { return m_size; }
  int Count() const { return static_cast<int>(m_files.size()); }
  const QStringList& Files() const { return m_files; }
  // The menu text of entry index: "&1 /path/to/file", with "&" in the path kept literal.
  QString MenuText(int index) const;

  void ReadList(QSettings& settings);
  void WriteList(QSettings& settings) const;

 private:
  int m_size;
  QStringList m_files;
};

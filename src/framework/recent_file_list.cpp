// CRecentFileList: order, limit and the settings group.
#include "framework/recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kSection = QStringLiteral("Recent File List");
QString Key(int i) {
  return QStringLiteral("File%1").arg(i + 1);
}
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size < 0 ? 0 : size) {}

void CRecentFileList::Add(const QString& path) {
  if (path.isEmpty() || m_size == 0) return;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  m_files.removeAll(absolute);
  m_files.prepend(absolute);
  while (m_files.size() > m_size) m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < m_files.size()) m_files.removeAt(index);
}

void CRecentFileList::RemovePath(const QString& path) {
  m_files.removeAll(QFileInfo(path).absoluteFilePath());
}

QString CRecentFileList::MenuText(int index) const {
  if (index < 0 || index >= m_files.size()) return QString();
  QString shown = QDir::toNativeSeparators(m_files[index]);
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void CRecentFileList::ReadList(QSettings& settings) {
  m_files.clear();
  settings.beginGroup(kSection);
  for (int i = 0; i < m_size; ++i) {
    const QString file = settings.value(Key(i)).toString();
    if (file.isEmpty()) continue;
    const QString absolute = QFileInfo(file).absoluteFilePath();
    if (!m_files.contains(absolute)) m_files.append(absolute);
  }
  settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
  settings.beginGroup(kSection);
  settings.remove(QString());  // drop entries beyond the current list
  for (int i = 0; i < m_files.size(); ++i) settings.setValue(Key(i), m_files[i]);
  settings.endGroup();
  settings.sync();
}

// CCommandLineInfo: what the command line asks for. No argument: a new document; one argument: open
// that file; anything else is a usage error.
#pragma once

#include <QString>
#include <QStringList>

class CCommandLineInfo {
 public:
  enum Shell { FileNew, FileOpen, Invalid };

  void Parse(const QStringList& arguments);

  Shell m_nShellCommand = FileNew;
  QString m_strFileName;
};

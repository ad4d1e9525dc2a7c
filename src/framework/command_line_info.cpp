// CCommandLineInfo: the arguments after the program name, with Qt's own options already removed.
#include "framework/command_line_info.h"

void CCommandLineInfo::Parse(const QStringList& arguments) {
  m_strFileName.clear();
  if (arguments.isEmpty()) {
    m_nShellCommand = FileNew;
  } else if (arguments.size() == 1 && !arguments[0].isEmpty()) {
    m_nShellCommand = FileOpen;
    m_strFileName = arguments[0];
  } else {
    m_nShellCommand = Invalid;
  }
}

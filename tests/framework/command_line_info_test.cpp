// CCommandLineInfo: nothing means New, one name means Open, anything else is refused.
#include <gtest/gtest.h>

#include "framework/command_line_info.h"

namespace {

TEST(CommandLineInfo, NoArgumentIsANewDocument) {
  CCommandLineInfo info;
  info.Parse({});
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_TRUE(info.m_strFileName.isEmpty());
}

TEST(CommandLineInfo, OneArgumentOpensThatFileWhateverItLooksLike) {
  for (const QString& name : {QStringLiteral("body.vsk"), QStringLiteral("-odd name"), QStringLiteral("/a/b")}) {
    CCommandLineInfo info;
    info.Parse({name});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen) << name.toStdString();
    EXPECT_EQ(info.m_strFileName, name);
  }
}

TEST(CommandLineInfo, EmptyNameOrSeveralNamesAreRefused) {
  CCommandLineInfo empty;
  empty.Parse({QString()});
  EXPECT_EQ(empty.m_nShellCommand, CCommandLineInfo::Invalid);
  CCommandLineInfo two;
  two.Parse({QStringLiteral("a"), QStringLiteral("b")});
  EXPECT_EQ(two.m_nShellCommand, CCommandLineInfo::Invalid);
}

}  // namespace

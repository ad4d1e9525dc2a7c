// CDocument::LoadFromBytes: the load of File > Open for bytes held in memory.
#include <gtest/gtest.h>

#include <QFile>

#include "design_state.h"
#include "document/veskdoc.h"

namespace {

QByteArray Fixture(const char* name) {
  QFile f(QStringLiteral(VESK_TEST_DATA_DIR "/fuzz/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(LoadFromBytes, LoadsLikeOpenButKeepsPathTitleAndModifiedFlag) {
  CVeskDoc doc;
  doc.OnNewDocument();
  doc.SetPathName(QStringLiteral("/designs/dreadnought"));
  doc.SetModifiedFlag(true);
  QString error;
  ASSERT_TRUE(doc.LoadFromBytes(Fixture("design-120-joint14"), QStringLiteral("clipboard"), &error))
      << error.toStdString();
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_EQ(doc.m_jointFret, 14);
  EXPECT_EQ(doc.m_scaleLength, 65.0);
  EXPECT_EQ(doc.m_fitValid, 1);
  EXPECT_EQ(doc.GetTitle(), QStringLiteral("dreadnought"));
  EXPECT_TRUE(doc.IsModified());
}

TEST(LoadFromBytes, RefusesShortBytesNamingTheSourceAndChangesNothing) {
  CVeskDoc doc;
  doc.OnNewDocument();
  const DesignState before = CaptureDesignState(doc);
  QString error;
  EXPECT_FALSE(doc.LoadFromBytes(Fixture("flag-1-without-block"), QStringLiteral("clipboard"), &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("clipboard: is not a complete design"))) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("68 of 120 bytes"))) << error.toStdString();
  EXPECT_EQ(DesignStateDifference(before, CaptureDesignState(doc)), "");
}

}  // namespace

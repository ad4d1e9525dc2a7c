// The session's design, its undo history and its file: the modified flag follows the undo stack,
// a failed open changes nothing, a save marks the design saved.
#include "workshop/design_session.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "document/design_file.h"
#include "geometry/fit_shape.h"

namespace {

Design Wider() {
  Design d;
  d.shape.lowerBout = 19.0;
  return d;
}

TEST(DesignSession, ChangeRefitsAndUndoReturnsToTheSavedState) {
  DesignSession session;
  QSignalSpy changed(&session, &DesignSession::designChanged);
  session.change(Wider(), QStringLiteral("wider"));
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(session.design().shape.lowerBout, 19.0);
  EXPECT_EQ(session.outline().coeff[0], FitOutline(Wider().shape).coeff[0]);
  session.undoStack()->undo();
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.design().shape, Design{}.shape);
  EXPECT_EQ(changed.count(), 2);
}

TEST(DesignSession, SaveMarksSavedAndOpenReadsItBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("wide.vsk"));
  DesignSession session;
  session.change(Wider(), QStringLiteral("wider"));
  ASSERT_TRUE(session.save(path).ok());
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.displayName(), QStringLiteral("wide.vsk"));

  DesignSession other;
  ASSERT_TRUE(other.open(path).ok());
  EXPECT_EQ(other.design().shape, Wider().shape);
  EXPECT_FALSE(other.undoStack()->canUndo());
}

TEST(DesignSession, FailedOpenChangesNothing) {
  QTemporaryDir dir;
  DesignSession session;
  session.change(Wider(), QStringLiteral("wider"));
  const Status opened = session.open(dir.filePath(QStringLiteral("missing.vsk")));
  ASSERT_FALSE(opened.ok());
  EXPECT_NE(opened.error().message.find("missing.vsk"), std::string::npos);
  EXPECT_EQ(session.design().shape, Wider().shape);
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(session.displayName(), QStringLiteral("Untitled"));
}

TEST(DesignSession, FailedSaveKeepsTheDesignUnsaved) {
  QTemporaryDir dir;
  DesignSession session;
  session.change(Wider(), QStringLiteral("wider"));
  EXPECT_FALSE(session.save(dir.filePath(QStringLiteral("no/such/folder/a.vsk"))).ok());
  EXPECT_TRUE(session.isModified());
  EXPECT_TRUE(session.path().isEmpty());
}

}  // namespace

// CDocument: title, modified flag, New, and the views that attach and detach.
#include <gtest/gtest.h>

#include <memory>

#include "test_document.h"

TEST(Document, IsUntitledUntilItHasAFileAndNewClearsPathAndFlag) {
  TestDocument doc;
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  doc.SetPathName("/tmp/some folder/design.bin");
  EXPECT_EQ(doc.GetTitle(), "design.bin");
  doc.SetModifiedFlag();
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.OnNewDocument());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  EXPECT_TRUE(doc.GetPathName().isEmpty());
}

TEST(Document, SetModifiedFlagSetsAndClears) {
  TestDocument doc;
  EXPECT_FALSE(doc.IsModified());
  doc.SetModifiedFlag(true);
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  EXPECT_FALSE(doc.IsModified());
}

TEST(Document, UpdateAllViewsReachesEveryViewButTheSender) {
  TestDocument doc;
  CountingView a, b;
  a.SetDocument(&doc);
  b.SetDocument(&doc);
  doc.UpdateAllViews(nullptr);
  EXPECT_EQ(a.updates, 1);
  EXPECT_EQ(b.updates, 1);
  doc.UpdateAllViews(&a);
  EXPECT_EQ(a.updates, 1);
  EXPECT_EQ(b.updates, 2);
  EXPECT_EQ(b.lastSender, &a);
}

TEST(Document, ViewMovesBetweenDocumentsAndLeavesOnDestruction) {
  TestDocument first, second;
  auto view = std::make_unique<CountingView>();
  view->SetDocument(&first);
  view->SetDocument(&first);  // attaching twice keeps one entry
  EXPECT_EQ(first.Views().size(), 1);
  view->SetDocument(&second);
  EXPECT_TRUE(first.Views().isEmpty());
  EXPECT_EQ(second.Views().size(), 1);
  EXPECT_EQ(view->GetDocument(), &second);
  first.UpdateAllViews(nullptr);
  EXPECT_EQ(view->updates, 0);
  view.reset();
  EXPECT_TRUE(second.Views().isEmpty());
  second.UpdateAllViews(nullptr);  // must not touch the destroyed view
}

TEST(Document, DestroyedDocumentDetachesItsViews) {
  CountingView view;
  {
    TestDocument doc;
    view.SetDocument(&doc);
  }
  EXPECT_EQ(view.GetDocument(), nullptr);
}

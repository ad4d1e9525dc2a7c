// A new design in a shown view, and a dialog of type Dlg opened on them without a modal loop.
#pragma once

#include <gtest/gtest.h>

#include "common/message_box_recorder.h"
#include "dialog_test_util.h"
#include "document/veskdoc.h"
#include "view/veskview.h"

template <class Dlg>
class DialogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.OnNewDocument());
    view.SetDocument(&doc);
    view.resize(400, 300);
    view.show();
    Reopen();
  }

  // Closes the dialog's window (if any) and opens it again, as the view's command does each run.
  void Reopen() {
    dlg.DestroyWindow();
    dlg.m_pDoc = &doc;
    dlg.m_pView = &view;
    ASSERT_TRUE(dlg.Create());
    dlg.Window()->show();
    paints.Take();
  }

  CVeskDoc doc;
  CVeskView view;
  Dlg dlg;
  MessageBoxRecorder boxes;
  PaintCounter paints{&view};
};

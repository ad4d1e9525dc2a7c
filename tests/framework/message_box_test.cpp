// The message service with a recorder installed: texts, captions, styles and answers.
#include "framework/message_box.h"

#include <gtest/gtest.h>

#include "common/message_box_recorder.h"

TEST(MessageBox, BoxWithoutCaptionTakesTheApplicationTitle) {
  MessageBoxRecorder recorder;
  EXPECT_EQ(MessageBox(nullptr, "Calculation failed", QString(), MB_OK), IDOK);
  ASSERT_EQ(recorder.Entries().size(), 1);
  EXPECT_EQ(recorder.Entries()[0].text, "Calculation failed");
  EXPECT_EQ(recorder.Entries()[0].caption, "vesk");
  EXPECT_EQ(recorder.Entries()[0].style, MB_OK);
  EXPECT_EQ(ApplicationTitle(), "vesk");
}

TEST(MessageBox, RecorderKeepsOrderAndOwnCaptions) {
  MessageBoxRecorder recorder;
  MessageBox("first");
  MessageBox("second", "Other");
  EXPECT_EQ(recorder.Texts(), (QStringList{"first", "second"}));
  EXPECT_EQ(recorder.Entries()[1].caption, "Other");
  recorder.Clear();
  EXPECT_TRUE(recorder.Entries().isEmpty());
}

TEST(MessageBox, QueuedAnswersComeFirstThenTheSafeDefault) {
  MessageBoxRecorder recorder;
  recorder.QueueAnswer(IDYES);
  recorder.QueueAnswer(IDNO);
  EXPECT_EQ(MessageBox(nullptr, "Save changes to Untitled?", QString(), MB_YESNOCANCEL), IDYES);
  EXPECT_EQ(MessageBox(nullptr, "Save changes to Untitled?", QString(), MB_YESNOCANCEL), IDNO);
  // Unanswered questions are cancelled, so a test never loses data by accident.
  EXPECT_EQ(MessageBox(nullptr, "Save changes to Untitled?", QString(), MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBox(nullptr, "done", QString(), MB_OK), IDOK);
  EXPECT_EQ(recorder.Entries()[0].style, MB_YESNOCANCEL);
}

TEST(MessageBox, InnerRecorderHandsBackToTheOuterOne) {
  MessageBoxRecorder outer;
  {
    MessageBoxRecorder inner;
    MessageBox("inner");
    EXPECT_EQ(inner.Texts(), QStringList{"inner"});
  }
  MessageBox("outer");
  EXPECT_EQ(outer.Texts(), QStringList{"outer"});
}

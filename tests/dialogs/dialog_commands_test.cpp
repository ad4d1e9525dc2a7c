// The view's Input Shape and Input Soundhole commands: each runs its dialog modally on the view's
// current document, answered here from inside the modal loop as the user would; Input Soundhole
// is enabled exactly while the fit is valid.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/message_box_recorder.h"
#include "dialog_test_util.h"
#include "dialogs/dialog_ids.h"
#include "document/command_ids.h"
#include "document/veskdoc.h"
#include "geometry/outline.h"
#include "view/veskview.h"

namespace {

// The controls of a running dialog carry their ids as object names.
template <class W>
W* Control(QWidget* dialog, int id) {
  return dialog->findChild<W*>(QString::number(id));
}

void TypeInto(QWidget* dialog, int id, const QString& text) {
  QLineEdit* field = Control<QLineEdit>(dialog, id);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// Runs command while answering the dialog it opens with answer; the dialog is cancelled afterwards
// if the answer left it open, so a failing test cannot hang in the modal loop.
void RunAnswering(const std::function<void()>& command, const std::function<void(QWidget*)>& answer) {
  bool answered = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    answered = true;
    answer(dialog);
    if (dialog->isVisible()) dialog->done(IDCANCEL);
  });
  command();
  EXPECT_TRUE(answered) << "the command ran no modal dialog";
}

bool InputSoundholeEnabled(CVeskView& view) {
  QAction action;
  action.setEnabled(false);
  CCmdUI ui(ID_EDIT_INPUTSOUNDHOLE, &action);
  view.OnUpdateInputSoundhole(&ui);
  EXPECT_TRUE(ui.EnableChanged());
  return action.isEnabled();
}

class DialogCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.OnNewDocument());
    view.SetDocument(&doc);
  }
  CVeskDoc doc;
  CVeskView view;
  MessageBoxRecorder boxes;
};

TEST_F(DialogCommandsTest, InputShapeShowsTheViewsDocumentOnEveryRun) {
  QString shown, title;
  bool modal = false;
  RunAnswering([&] { view.OnInputShape(); },
               [&](QWidget* d) {
                 title = d->windowTitle();
                 modal = d->isModal();
                 shown = Control<QLineEdit>(d, IDC_LENGTH)->text();
                 TypeInto(d, IDC_LENGTH, "45");
                 QTest::mouseClick(Control<QPushButton>(d, IDOK), Qt::LeftButton);
               });
  EXPECT_EQ(title, "Input Dialog");
  EXPECT_TRUE(modal);
  EXPECT_EQ(shown, "49");
  EXPECT_EQ(doc.m_length, 45.0);
  EXPECT_TRUE(doc.IsModified());

  // The same dialog object, told the new document before its next run.
  CVeskDoc other;
  ASSERT_TRUE(other.OnNewDocument());
  other.m_length = 52;
  view.SetDocument(&other);
  RunAnswering([&] { view.OnInputShape(); },
               [&](QWidget* d) {
                 shown = Control<QLineEdit>(d, IDC_LENGTH)->text();
                 QTest::mouseClick(Control<QPushButton>(d, IDC_CALC), Qt::LeftButton);
                 QTest::keyClick(d, Qt::Key_Escape);
               });
  EXPECT_EQ(shown, "52");
  EXPECT_TRUE(other.IsModified());
  EXPECT_EQ(doc.m_length, 45.0) << "the first document is no longer the dialog's";
  view.SetDocument(&doc);
}

TEST_F(DialogCommandsTest, InputSoundholeRunsOnTheViewAndItsDocument) {
  bool fixed = false;
  RunAnswering([&] { view.OnInputSoundhole(); },
               [&](QWidget* d) {
                 fixed = Control<QRadioButton>(d, IDC_FIXED)->isChecked();
                 QTest::mouseClick(Control<QRadioButton>(d, IDC_CLASSICAL), Qt::LeftButton);
                 QTest::mouseClick(Control<QPushButton>(d, IDOK), Qt::LeftButton);
               });
  EXPECT_TRUE(fixed);
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_EQ(doc.m_jointFret, 12);
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_EQ(view.m_fingerboardReady, 1);

  RunAnswering([&] { view.OnInputSoundhole(); },
               [&](QWidget* d) { fixed = Control<QRadioButton>(d, IDC_FIXED)->isChecked(); });
  EXPECT_TRUE(fixed) << "every run starts with Fixed";
}

TEST_F(DialogCommandsTest, InputSoundholeIsEnabledExactlyWhileTheFitIsValid) {
  EXPECT_TRUE(InputSoundholeEnabled(view));
  RunAnswering([&] { view.OnInputShape(); },
               [&](QWidget* d) {
                 TypeInto(d, IDC_A6, "50");
                 QTest::mouseClick(Control<QPushButton>(d, IDC_CALC), Qt::LeftButton);
                 QTest::mouseClick(Control<QPushButton>(d, IDCANCEL), Qt::LeftButton);
               });
  EXPECT_EQ(boxes.Texts(), QStringList{"Calculation failed"});
  EXPECT_EQ(IsFitValid(), 0);
  EXPECT_FALSE(InputSoundholeEnabled(view));

  RunAnswering([&] { view.OnInputShape(); },
               [&](QWidget* d) { QTest::mouseClick(Control<QPushButton>(d, IDOK), Qt::LeftButton); });
  EXPECT_EQ(IsFitValid(), 1);
  EXPECT_TRUE(InputSoundholeEnabled(view));

  // New refits as well.
  RunAnswering([&] { view.OnInputShape(); },
               [&](QWidget* d) {
                 TypeInto(d, IDC_A6, "50");
                 QTest::mouseClick(Control<QPushButton>(d, IDOK), Qt::LeftButton);
               });
  EXPECT_FALSE(InputSoundholeEnabled(view));
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_TRUE(InputSoundholeEnabled(view));
}

}  // namespace

// The workshop window driven as a user drives it: its title, a typed shape value and Ctrl+Z, the
// save-changes question, a design that cannot be read, and the recent files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "document/design_file.h"
#include "ui_actions.h"
#include "workshop/drawing_view.h"
#include "workshop/number_field.h"
#include "workshop/recent_files.h"
#include "workshop/shape_panel.h"
#include "workshop/template_panel.h"
#include "workshop/workshop_settings.h"
#include "workshop/workshop_window.h"

namespace {

// Answers the next message box with `button` once it is up; returns its text through *text.
void AnswerNextBox(QMessageBox::StandardButton button, QString* text) {
  QTimer::singleShot(0, [button, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *text = box->text();
    box->button(button)->click();
  });
}

void TypeValue(ShapePanel* panel, int index, const QString& text) {
  QLineEdit* field = panel->field(index);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

double OutlineLength(const DrawingView* view) {
  const DrawingLayer* outline = view->model().Find(QStringLiteral("OUTLINE"));
  return outline ? LayerBounds(*outline, 0.0).Width() : -1.0;
}

TEST(WorkshopWindow, TitleNamesTheDesignAndMarksAChange) {
  WorkshopWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Untitled[*] - vesk workshop"));
  EXPECT_FALSE(window.isWindowModified());
  Design wider;
  wider.shape.lowerBout = 19.0;
  window.session()->change(wider, QStringLiteral("wider"));
  EXPECT_TRUE(window.isWindowModified());
}

TEST(WorkshopWindow, TypedValueRedrawsAndCtrlZInTheFieldUndoesIt) {
  WorkshopWindow window;
  ASSERT_TRUE(ui::ShowAndActivate(&window));
  TypeValue(window.shapePanel(), 0, QStringLiteral("45"));
  EXPECT_EQ(window.session()->design().shape.length, 45.0);
  EXPECT_NEAR(OutlineLength(window.view()), 45.0, 1e-9);
  QTest::keyClick(window.shapePanel()->field(0), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.session()->design().shape.length, 49.0);
  EXPECT_EQ(window.shapePanel()->field(0)->text(), QStringLiteral("49"));
  EXPECT_NEAR(OutlineLength(window.view()), 49.0, 1e-9);
}

TEST(WorkshopWindow, ValueThatCannotFitIsShownBesideItsFieldAndChangesNothing) {
  WorkshopWindow window;
  ASSERT_TRUE(ui::ShowAndActivate(&window));
  TypeValue(window.shapePanel(), 2, QStringLiteral("30"));
  EXPECT_EQ(window.session()->design().shape.waist, 12.0);
  EXPECT_FALSE(window.session()->undoStack()->canUndo());
  EXPECT_TRUE(window.shapePanel()->problem(2)->text().contains(QStringLiteral("Does not fit")));
}

TEST(WorkshopWindow, NewAsksBeforeAChangeIsLost) {
  WorkshopWindow window;
  Design wider;
  wider.shape.lowerBout = 19.0;
  window.session()->change(wider, QStringLiteral("wider"));
  QString asked;
  AnswerNextBox(QMessageBox::Cancel, &asked);
  window.newDesign();
  EXPECT_EQ(asked, QStringLiteral("Save changes to Untitled?"));
  EXPECT_EQ(window.session()->design().shape.lowerBout, 19.0);
  AnswerNextBox(QMessageBox::Discard, &asked);
  window.newDesign();
  EXPECT_EQ(window.session()->design().shape.lowerBout, Design{}.shape.lowerBout);
  EXPECT_FALSE(window.isWindowModified());
}

TEST(WorkshopWindow, UnreadableDesignIsRefusedAndTheWindowKeepsItsDesign) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("short.vsk"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("too short");
  file.close();
  WorkshopWindow window;
  const Status opened = window.loadFile(path);
  ASSERT_FALSE(opened.ok());
  EXPECT_NE(opened.error().message.find("short.vsk"), std::string::npos);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Untitled[*] - vesk workshop"));
}

TEST(WorkshopWindow, OpenedAndSavedFilesLeadTheRecentList) {
  QTemporaryDir dir;
  const QString a = dir.filePath(QStringLiteral("a.vsk")), b = dir.filePath(QStringLiteral("b.vsk"));
  ASSERT_TRUE(SaveDesignFile(a, Design{}).ok());
  ASSERT_TRUE(SaveDesignFile(b, Design{}).ok());
  WorkshopWindow window;
  ASSERT_TRUE(window.loadFile(a).ok());
  ASSERT_TRUE(window.loadFile(b).ok());
  ASSERT_TRUE(window.loadFile(a).ok());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("a.vsk[*] - vesk workshop"));
  const QStringList recent = RecentFiles::List();
  ASSERT_GE(recent.size(), 2);
  EXPECT_EQ(recent.mid(0, 2), (QStringList{a, b}));
  for (int i = 0; i < RecentFiles::kMaxFiles + 2; ++i) RecentFiles::Add(dir.filePath(QString::number(i)));
  EXPECT_EQ(RecentFiles::List().size(), RecentFiles::kMaxFiles);
}

TEST(WorkshopWindow, TemplateChoicesOutliveTheWindowAndAStrangeStoredOneIsIgnored) {
  {
    WorkshopWindow window;
    auto* curves = window.templatePanel()->findChild<QComboBox*>(QStringLiteral("curves"));
    curves->setCurrentIndex(curves->findData(int(CurveStyle::Segments)));
    window.templatePanel()->setFormat(TemplateFormat::Dxf);
    ASSERT_TRUE(window.close());
  }
  OpenWorkshopSettings()->setValue(QStringLiteral("template/format"), 99);
  WorkshopWindow again;
  const TemplateSettings restored = again.templatePanel()->settings();
  EXPECT_EQ(restored.content.curves, CurveStyle::Segments);
  EXPECT_EQ(restored.output.format, TemplateSettings{}.output.format);
}

}  // namespace

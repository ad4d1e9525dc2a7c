// Help > About: a fresh modal box with the frame's icon and "vesk Version 1.2.0", closed by OK,
// Enter, Escape or its close box, and nothing in the design changes.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/aboutdlg.h"
#include "app_fixture.h"
#include "document/veskdoc.h"
#include "framework/dialog_template.h"
#include "framework/frame_wnd.h"
#include "framework/standard_ids.h"

namespace {

class AboutBox : public AppTest {
 protected:
  // Chooses Help > About and, once the box is up, hands it to closeIt. A box that does not close
  // is rejected after a while, so that a fault fails the test instead of hanging it.
  void ChooseAbout(const std::function<void(QDialog*)>& closeIt) {
    seen = nullptr;
    appeared = false;
    QTimer::singleShot(0, [&] {
      seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      appeared = !seen.isNull();
      if (seen) closeIt(seen);
    });
    QTimer::singleShot(5000, [] {
      if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) stuck->done(-2);
    });
    ASSERT_TRUE(Click(ID_APP_ABOUT));
    ASSERT_TRUE(appeared) << "no modal About box";
  }

  // Watches the box; it reads null once the box is gone.
  QPointer<QDialog> seen;
  bool appeared = false;
};

// Labels whose wrapped text needs more lines, or more width, than their rectangle gives. A line
// counts as there when most of its height is (the last line's leading may hang over).
QStringList ClippedLabels(const QDialog* dialog) {
  QStringList clipped;
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
    const int lines = qRound(double(needed.height()) / metrics.lineSpacing());
    const int room = qRound(double(label->height()) / metrics.lineSpacing());
    if (!label->text().isEmpty() && (lines > room || needed.width() > label->width()))
      clipped << label->text();
  }
  return clipped;
}

QStringList LabelTexts(const QDialog* dialog) {
  QStringList texts;
  for (const QLabel* label : dialog->findChildren<QLabel*>())
    if (!label->text().isEmpty()) texts << label->text();
  return texts;
}

TEST_F(AboutBox, ShowsTitleVersionIconAndTheTemplateItems) {
  ASSERT_TRUE(Start());
  QString title;
  QStringList texts, clipped;
  QImage icon;
  bool okIsDefault = false;
  bool frameDisabled = false;
  ChooseAbout([&](QDialog* dialog) {
    title = dialog->windowTitle();
    texts = LabelTexts(dialog);
    clipped = ClippedLabels(dialog);
    for (const QLabel* label : dialog->findChildren<QLabel*>())
      if (!label->pixmap().isNull()) icon = label->pixmap().toImage();
    const auto buttons = dialog->findChildren<QPushButton*>();
    okIsDefault = buttons.size() == 1 && buttons[0]->text() == "OK" && buttons[0]->isDefault();
    frameDisabled = !Frame()->isEnabled() || QApplication::activeModalWidget() == dialog;
    dialog->accept();
  });
  EXPECT_EQ(title, "About vesk");
  ASSERT_EQ(texts.size(), 6);
  EXPECT_EQ(texts[0], "vesk Version 1.2.0");
  EXPECT_TRUE(texts[1].startsWith("Copyright")) << texts[1].toStdString();
  EXPECT_TRUE(texts[5].contains("NO WARRANTY"));
  EXPECT_TRUE(clipped.isEmpty()) << clipped.join(" | ").toStdString();
  EXPECT_TRUE(okIsDefault);
  EXPECT_TRUE(frameDisabled);
  ASSERT_FALSE(icon.isNull());
  const QImage frameIcon = Frame()->windowIcon().pixmap(icon.size()).toImage();
  EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32), frameIcon.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(AboutBox, TemplateHoldsTheEightItemsInTheirPlaces) {
  const DialogTemplate& tmpl = AboutDialogTemplate();
  EXPECT_EQ(tmpl.id, 100);
  EXPECT_EQ(tmpl.cx, 288);
  EXPECT_EQ(tmpl.cy, 116);
  EXPECT_EQ(tmpl.pointSize, 10);
  struct Place {
    DialogItemKind kind;
    int id, x, y, cx, cy;
  };
  const std::vector<Place> expected = {
      {DialogItemKind::Icon, 65535, 11, 17, 20, 20},   {DialogItemKind::Label, 65535, 40, 10, 69, 8},
      {DialogItemKind::Label, 65535, 40, 20, 69, 8},   {DialogItemKind::DefPushButton, 1, 231, 7, 50, 14},
      {DialogItemKind::Label, 65535, 40, 30, 65, 8},   {DialogItemKind::Label, 65535, 40, 40, 88, 8},
      {DialogItemKind::Label, 65535, 10, 55, 265, 25}, {DialogItemKind::Label, 65535, 10, 85, 265, 20},
  };
  ASSERT_EQ(tmpl.items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const DialogItem& item = tmpl.items[i];
    EXPECT_EQ(item.kind, expected[i].kind) << i;
    EXPECT_EQ(item.id, expected[i].id) << i;
    EXPECT_EQ(item.rect.x, expected[i].x) << i;
    EXPECT_EQ(item.rect.y, expected[i].y) << i;
    EXPECT_EQ(item.rect.cx, expected[i].cx) << i;
    EXPECT_EQ(item.rect.cy, expected[i].cy) << i;
    // Only the button is a tab stop.
    EXPECT_EQ((item.style & kTabStop) != 0, i == 3) << i;
  }
}

TEST_F(AboutBox, OkEnterEscapeAndCloseBoxEachCloseItAndChangeNothing) {
  const QString file = WriteDesign("body.vsk", 45.0);
  ASSERT_TRUE(Start({file}));
  Doc()->m_waist = 11.5;
  Doc()->SetModifiedFlag();
  const std::vector<std::function<void(QDialog*)>> ways = {
      [](QDialog* d) {
        QPushButton* ok = d->findChild<QPushButton*>();
        QTest::mouseClick(ok, Qt::LeftButton);
      },
      [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); },
      [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); },
      [](QDialog* d) { d->close(); },
  };
  const QByteArray bytes = Bytes(file);
  for (size_t i = 0; i < ways.size(); ++i) {
    ChooseAbout(ways[i]);
    EXPECT_TRUE(seen.isNull()) << "way " << i << ": the box was not destroyed";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << i;
    EXPECT_TRUE(Frame()->isEnabled()) << i;
  }
  EXPECT_EQ(Doc()->m_waist, 11.5);
  EXPECT_EQ(Doc()->m_length, 45.0);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Frame()->windowTitle(), "body.vsk - vesk");
  EXPECT_EQ(Bytes(file), bytes);
  EXPECT_TRUE(boxes.Entries().isEmpty());
}

}  // namespace

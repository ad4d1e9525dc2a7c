// Playing a dialog as a user would: typing into its fields, clicking its buttons, and watching the
// view it repaints.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <ostream>

#include "framework/dialog.h"

inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

inline QLineEdit* Field(const CDialog& dlg, int id) {
  return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id));
}
inline QString Text(const CDialog& dlg, int id) {
  return Field(dlg, id)->text();
}
inline double Number(const CDialog& dlg, int id) {
  return Text(dlg, id).toDouble();
}

inline void Type(const CDialog& dlg, int id, const QString& text) {
  QLineEdit* field = Field(dlg, id);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// A mouse click in the middle of a push button or radio button.
inline void Click(const CDialog& dlg, int id) {
  QTest::mouseClick(dlg.GetDlgItem(id), Qt::LeftButton);
}

inline bool IsChecked(const CDialog& dlg, int id) {
  return qobject_cast<QRadioButton*>(dlg.GetDlgItem(id))->isChecked();
}

// Counts the paints a widget receives, so a test can tell whether it was invalidated.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  // Delivers pending repaints, then reports how many arrived since the last call.
  int Take() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const int n = m_paints;
    m_paints = 0;
    return n;
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++m_paints;
    return false;
  }

 private:
  int m_paints = 0;
};

inline QImage Picture(QWidget& view) {
  return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels that are not white: the grid, outline and text of a valid design.
inline int Ink(const QImage& picture) {
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

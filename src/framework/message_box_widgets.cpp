// MessageBox on screen through QMessageBox.
#include "framework/message_box_widgets.h"

#include <QMessageBox>

#include "framework/message_box.h"

namespace {

int ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, int style) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent);
  if (style == MB_YESNOCANCEL) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
      case QMessageBox::Yes:
        return IDYES;
      case QMessageBox::No:
        return IDNO;
      default:
        return IDCANCEL;
    }
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

}  // namespace

void InstallWidgetMessageBoxes() {
  SetMessageBoxPresenter(&ShowMessageBox);
}

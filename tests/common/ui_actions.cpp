// User actions through QTest's mouse and keyboard events.
#include "ui_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace ui {

bool ShowAndActivate(QMainWindow* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

bool OpenMenu(QMainWindow* window, QMenu* menu) {
  QMenuBar* bar = window->menuBar();
  const QRect place = bar->actionGeometry(menu->menuAction());
  if (place.isEmpty()) return false;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, place.center());
  return menu->isVisible();
}

void CloseMenu(QMenu* menu) {
  if (menu->isVisible()) menu->hide();
}

QMenu* MenuOf(QMainWindow* window, const QAction* action) {
  for (QAction* top : window->menuBar()->actions())
    if (QMenu* menu = top->menu(); menu && menu->actions().contains(const_cast<QAction*>(action)))
      return menu;
  return nullptr;
}

bool ClickMenuItem(QMainWindow* window, QAction* action) {
  QMenu* menu = MenuOf(window, action);
  if (!menu || !OpenMenu(window, menu)) return false;
  if (!action->isVisible() || !action->isEnabled()) {
    CloseMenu(menu);
    return false;
  }
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
  CloseMenu(menu);
  return true;
}

void PressKeys(QMainWindow* window, const QKeySequence& keys) {
  const QKeyCombination combination = keys[0];
  QTest::keyClick(window, combination.key(), combination.keyboardModifiers());
}

}  // namespace ui

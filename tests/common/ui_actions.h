// What a user does to a main window, for the Qt suites: open a menu from the menu bar, click an
// item in it, press a key combination.
#pragma once

#include <QKeySequence>

class QAction;
class QMainWindow;
class QMenu;

namespace ui {

// Shows the window and waits until it is the active one, so that its shortcuts are live.
bool ShowAndActivate(QMainWindow* window);
// Clicks the menu's title in the menu bar; the menu opens (and its items are updated).
bool OpenMenu(QMainWindow* window, QMenu* menu);
void CloseMenu(QMenu* menu);
// The menu of the menu bar whose items include action, or nullptr.
QMenu* MenuOf(QMainWindow* window, const QAction* action);
// Opens the item's menu and clicks the item. Returns false, with the menu closed again, when the
// item is hidden or disabled once the menu is open (the click would do nothing).
bool ClickMenuItem(QMainWindow* window, QAction* action);
// Presses and releases the key combination in the window.
void PressKeys(QMainWindow* window, const QKeySequence& keys);

}  // namespace ui

// CFrameWnd: the top-level window of a single-document program. Its client area is the one view;
// its menu bar, actions and accelerators come from the command table. Commands are routed to the
// view, the view's document, the frame and the application, first entry wins; an item no target
// has an entry for is disabled and its accelerator does nothing.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>

#include "framework/cmd_target.h"
#include "framework/command_table.h"

class CDocument;
class CView;
class QAction;
class QMenu;

// The property of each accelerator's QShortcut that names its command.
inline constexpr char kCommandIdProperty[] = "veskCommandId";

class CFrameWnd : public QMainWindow, public CCmdTarget {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Builds the menus, actions and accelerators, and takes the icon and the window title.
  virtual void LoadFrame(const FrameResource& resource);

  // The view becomes the client area; the frame owns it.
  void SetActiveView(CView* view);
  CView* GetActiveView() const { return m_view; }
  CDocument* GetActiveDocument() const;

  // Title bar: "<document title> - <window title>".
  virtual void OnUpdateFrameTitle();
  void ShowWindow(int showCommand);
  // Paints at once.
  void UpdateWindow();

  // Offers id to the view, its document, the frame and the application, in that order.
  bool RouteCmdMsg(int id, CmdMsg msg, CCmdUI* ui);
  // Brings the item's enabling, check mark and text up to date.
  void UpdateCmdUI(int id);
  void UpdateMenu(QMenu* menu);
  void UpdateAllCmdUI();
  // What a menu click or accelerator does: update the item, then run it if it is enabled. Returns
  // whether the command ran.
  bool ExecuteCommand(int id);

  QAction* CommandAction(int id) const { return m_actions.value(id, nullptr); }
  const QList<QMenu*>& Menus() const { return m_menus; }

 protected:
  // Closing asks to save a modified document first; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddCommandAction(const CommandEntry& entry, QMenu* menu);
  void AddRecentFileSlots(const CommandEntry& entry, QMenu* menu);
  void AddAccelerators(const CommandEntry& entry);
  void OnActionTriggered(int id);

  QHash<int, QAction*> m_actions;
  QList<QMenu*> m_menus;
  CView* m_view = nullptr;
  QString m_title;
};

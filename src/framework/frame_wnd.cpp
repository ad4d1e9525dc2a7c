// CFrameWnd: menus and accelerators from the command table, command routing and item updates.
#include "framework/frame_wnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVariant>

#include "framework/document.h"
#include "framework/standard_ids.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace {

// A window of this size fits the default design comfortably and any screen we run on.
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

// Qt reads "[*]" in a window title as the modified marker; a file name may contain it literally.
QString EscapeTitle(QString title) {
  return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace

CFrameWnd::CFrameWnd() {
  QSize size(kDefaultWidth, kDefaultHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);
}

CFrameWnd::~CFrameWnd() = default;

void CFrameWnd::LoadFrame(const FrameResource& resource) {
  m_title = resource.title;
  setWindowIcon(resource.icon);
  QHash<QString, QMenu*> menus;
  for (const CommandEntry& entry : resource.commands) {
    QMenu* menu = nullptr;
    if (!entry.menu.isEmpty()) {
      menu = menus.value(entry.menu, nullptr);
      if (!menu) {
        menu = menuBar()->addMenu(entry.menu);
        menus.insert(entry.menu, menu);
        m_menus.append(menu);
        QObject::connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
      }
    }
    if (entry.id == 0) {
      if (menu) menu->addSeparator();
      continue;
    }
    if (entry.id == ID_FILE_MRU_FILE1)
      AddRecentFileSlots(entry, menu);
    else
      AddCommandAction(entry, menu);
    AddAccelerators(entry);
  }
  OnUpdateFrameTitle();
  UpdateAllCmdUI();
}

QAction* CFrameWnd::AddCommandAction(const CommandEntry& entry, QMenu* menu) {
  QAction* action = m_actions.value(entry.id, nullptr);
  if (!action) {
    action = new QAction(entry.caption, this);
    action->setProperty(kResourceTextProperty, entry.caption);
    const int id = entry.id;
    QObject::connect(action, &QAction::triggered, this, [this, id] { OnActionTriggered(id); });
    m_actions.insert(id, action);
  }
  if (menu) menu->addAction(action);
  return action;
}

// The placeholder item stands for the whole recent-file list: the slots after it stay hidden
// until the list has that many entries.
void CFrameWnd::AddRecentFileSlots(const CommandEntry& entry, QMenu* menu) {
  AddCommandAction(entry, menu)->setEnabled(false);
  for (int id = ID_FILE_MRU_FILE1 + 1; id <= ID_FILE_MRU_LAST; ++id) {
    QAction* slot = AddCommandAction({entry.menu, id, QString(), {}, entry.owner}, menu);
    slot->setVisible(false);
  }
}

// Accelerators are shortcuts of the frame rather than of the actions, so that the item's update
// handler runs before the key decides anything.
void CFrameWnd::AddAccelerators(const CommandEntry& entry) {
  for (const QKeySequence& key : entry.keys) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    const int id = entry.id;
    shortcut->setProperty(kCommandIdProperty, id);
    QObject::connect(shortcut, &QShortcut::activated, this, [this, id] { ExecuteCommand(id); });
  }
}

void CFrameWnd::SetActiveView(CView* view) {
  m_view = view;
  setCentralWidget(view);
}

CDocument* CFrameWnd::GetActiveDocument() const {
  return m_view ? m_view->GetDocument() : nullptr;
}

void CFrameWnd::OnUpdateFrameTitle() {
  const CDocument* doc = GetActiveDocument();
  const QString title = doc ? doc->GetTitle() + QStringLiteral(" - ") + m_title : m_title;
  setWindowTitle(EscapeTitle(title));
}

void CFrameWnd::ShowWindow(int showCommand) {
  if (showCommand == SW_HIDE) {
    hide();
    return;
  }
  UpdateAllCmdUI();
  show();
}

void CFrameWnd::UpdateWindow() {
  if (isVisible()) repaint();
}

bool CFrameWnd::RouteCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  if (m_view && m_view->OnCmdMsg(id, msg, ui)) return true;
  if (CDocument* doc = GetActiveDocument(); doc && doc->OnCmdMsg(id, msg, ui)) return true;
  if (OnCmdMsg(id, msg, ui)) return true;
  if (CWinApp* app = AfxGetApp(); app && app->OnCmdMsg(id, msg, ui)) return true;
  return false;
}

void CFrameWnd::UpdateCmdUI(int id) {
  QAction* action = CommandAction(id);
  if (!action) return;
  CCmdUI ui(id, action);
  RouteCmdMsg(id, CmdMsg::Update, &ui);
  if (!ui.EnableChanged()) ui.Enable(RouteCmdMsg(id, CmdMsg::Probe, nullptr));
}

void CFrameWnd::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    const int id = m_actions.key(action, 0);
    if (id != 0) UpdateCmdUI(id);
  }
}

void CFrameWnd::UpdateAllCmdUI() {
  for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) UpdateCmdUI(it.key());
}

bool CFrameWnd::ExecuteCommand(int id) {
  UpdateCmdUI(id);
  const QAction* action = CommandAction(id);
  if (!action || !action->isEnabled()) return false;
  OnActionTriggered(id);
  return true;
}

void CFrameWnd::OnActionTriggered(int id) {
  RouteCmdMsg(id, CmdMsg::Command, nullptr);
  // Commands change what the items show (check marks, the recent files); Qt has already toggled a
  // checkable item on its own, which the update puts right.
  UpdateAllCmdUI();
}

void CFrameWnd::closeEvent(QCloseEvent* event) {
  CDocument* doc = GetActiveDocument();
  if (doc && !doc->SaveModified()) {
    event->ignore();
    return;
  }
  event->accept();
}

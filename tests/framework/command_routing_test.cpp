// Command routing through a real frame: view, document, frame, application, first entry wins; an
// item nobody handles is disabled and its accelerator does nothing; update handlers run when a
// menu opens and before an accelerator acts.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWindow>
#include <functional>
#include <map>
#include <set>

#include "framework/archive.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "ui_actions.h"

namespace {

enum : int { kRouted = 1, kChecked = 2, kNobody = 3, kKeyOnly = 4 };

// Entries that a test switches on and off, so that one set of classes covers every routing case.
struct Entries {
  std::set<int> commands;
  std::map<int, std::function<void(CCmdUI*)>> updates;
};

std::vector<std::string> g_log;

bool Handle(Entries& entries, const char* who, int id, CmdMsg msg, CCmdUI* ui) {
  if (msg == CmdMsg::Update) {
    auto it = entries.updates.find(id);
    if (it == entries.updates.end()) return false;
    it->second(ui);
    return true;
  }
  if (!entries.commands.count(id)) return false;
  if (msg == CmdMsg::Command) g_log.push_back(std::string(who) + " " + std::to_string(id));
  return true;
}

class TestView : public CView {
 public:
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override { return Handle(entries, "view", id, msg, ui); }
  Entries entries;
};

class TestDoc : public CDocument {
 public:
  void Serialize(CArchive&) override {}
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override {
    return Handle(entries, "document", id, msg, ui) || CDocument::OnCmdMsg(id, msg, ui);
  }
  Entries entries;

 protected:
  void TakeSnapshot() override {}
  void RestoreSnapshot() override {}
};

class TestFrame : public CFrameWnd {
 public:
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override { return Handle(entries, "frame", id, msg, ui); }
  Entries entries;
};

class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp(QStringLiteral("routing")) {}
  bool InitInstance() override { return true; }
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override {
    return Handle(entries, "application", id, msg, ui) || CWinApp::OnCmdMsg(id, msg, ui);
  }
  Entries entries;
};

FrameResource Resource() {
  using O = CommandOwner;
  const QString menu = QStringLiteral("&Test");
  return {
      QStringLiteral("Routing"),
      QIcon(),
      {
          {menu, kRouted, QStringLiteral("Routed\tCtrl+1"), {QKeySequence(Qt::CTRL | Qt::Key_1)}, O::View},
          {menu, kChecked, QStringLiteral("Checked"), {}, O::View},
          {menu, 0, {}, {}, O::None},
          {menu, kNobody, QStringLiteral("Nobody\tF6"), {QKeySequence(Qt::Key_F6)}, O::None},
          {QString(), kKeyOnly, {}, {QKeySequence(Qt::CTRL | Qt::Key_4)}, O::Document},
      }};
}

class CommandRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    frame = new TestFrame;
    view = new TestView;
    view->SetDocument(&doc);
    frame->SetActiveView(view);
    frame->LoadFrame(Resource());
    for (Entries* e : {&view->entries, &doc.entries, &frame->entries, &app.entries})
      e->commands.insert(kRouted);
    ASSERT_TRUE(ui::ShowAndActivate(frame));
  }
  void TearDown() override { delete frame; }

  QMenu* Menu() const { return frame->Menus().front(); }

  TestApp app;
  TestDoc doc;
  TestFrame* frame = nullptr;
  TestView* view = nullptr;
};

TEST_F(CommandRouting, FirstTargetWithAnEntryHandlesTheCommand) {
  QAction* routed = frame->CommandAction(kRouted);
  const std::vector<std::pair<Entries*, std::string>> order = {{&view->entries, "view 1"},
                                                               {&doc.entries, "document 1"},
                                                               {&frame->entries, "frame 1"},
                                                               {&app.entries, "application 1"}};
  for (const auto& [entries, expected] : order) {
    g_log.clear();
    ASSERT_TRUE(ui::ClickMenuItem(frame, routed));
    EXPECT_EQ(g_log, std::vector<std::string>{expected});
    entries->commands.erase(kRouted);
  }
  // Nobody left: the item is disabled and a click does nothing.
  g_log.clear();
  EXPECT_FALSE(ui::ClickMenuItem(frame, routed));
  EXPECT_FALSE(routed->isEnabled());
  EXPECT_TRUE(g_log.empty());
}

TEST_F(CommandRouting, ItemWithoutAnyEntryIsDisabledAndItsKeyDoesNothing) {
  QAction* nobody = frame->CommandAction(kNobody);
  ASSERT_TRUE(ui::OpenMenu(frame, Menu()));
  EXPECT_FALSE(nobody->isEnabled());
  ui::CloseMenu(Menu());
  nobody->trigger();
  ui::PressKeys(frame, QKeySequence(Qt::Key_F6));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(CommandRouting, MenuOpeningRunsUpdateHandlers) {
  int showMark = 0;
  view->entries.updates[kChecked] = [&](CCmdUI* ui) {
    ui->Enable(true);
    ui->SetCheck(showMark);
  };
  QAction* checked = frame->CommandAction(kChecked);
  for (int mark : {1, 0, 1}) {
    showMark = mark;
    ASSERT_TRUE(ui::OpenMenu(frame, Menu()));
    EXPECT_EQ(checked->isChecked(), mark == 1);
    EXPECT_TRUE(checked->isEnabled());
    ui::CloseMenu(Menu());
  }
}

TEST_F(CommandRouting, UpdateHandlerOverridesTheAutomaticEnabling) {
  // A command entry would enable the item; the update handler has the last word.
  view->entries.updates[kRouted] = [](CCmdUI* ui) { ui->Enable(false); };
  EXPECT_FALSE(ui::ClickMenuItem(frame, frame->CommandAction(kRouted)));
  ui::PressKeys(frame, QKeySequence(Qt::CTRL | Qt::Key_1));
  EXPECT_TRUE(g_log.empty());

  // An update handler that leaves the enabling alone: a command entry enables, none disables.
  view->entries.updates[kRouted] = [](CCmdUI* ui) { ui->SetCheck(1); };
  view->entries.updates[kNobody] = [](CCmdUI* ui) { ui->SetCheck(1); };
  ASSERT_TRUE(ui::OpenMenu(frame, Menu()));
  EXPECT_TRUE(frame->CommandAction(kRouted)->isEnabled());
  EXPECT_FALSE(frame->CommandAction(kNobody)->isEnabled());
  ui::CloseMenu(Menu());
}

TEST_F(CommandRouting, AcceleratorAsksTheUpdateHandlerFirst) {
  bool allowed = false;
  doc.entries.commands.insert(kKeyOnly);
  doc.entries.updates[kKeyOnly] = [&](CCmdUI* ui) { ui->Enable(allowed); };
  frame->UpdateAllCmdUI();
  ASSERT_FALSE(frame->CommandAction(kKeyOnly)->isEnabled());

  // Allowed since the last update: the key still works, because the update runs first.
  allowed = true;
  ui::PressKeys(frame, QKeySequence(Qt::CTRL | Qt::Key_4));
  EXPECT_EQ(g_log, std::vector<std::string>{"document 4"});

  // And the other way round: enabled at the last update, refused now.
  g_log.clear();
  allowed = false;
  ui::PressKeys(frame, QKeySequence(Qt::CTRL | Qt::Key_4));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(CommandRouting, EveryAcceleratorOfTheTableIsAShortcutOfTheFrame) {
  std::map<QString, int> keys;
  for (const QShortcut* s : frame->findChildren<QShortcut*>())
    keys[s->key().toString()] = s->property(kCommandIdProperty).toInt();
  const std::map<QString, int> expected = {{"Ctrl+1", kRouted}, {"F6", kNobody}, {"Ctrl+4", kKeyOnly}};
  EXPECT_EQ(keys, expected);
}

TEST_F(CommandRouting, TitleShowsDocumentTitleThenWindowTitle) {
  frame->OnUpdateFrameTitle();
  EXPECT_EQ(frame->windowTitle(), "Untitled - Routing");
  doc.SetPathName(QStringLiteral("/tmp/odd [*] name"));
  frame->OnUpdateFrameTitle();
  // The window system sees the name as it is, Qt's "[*]" marker notwithstanding.
  EXPECT_EQ(frame->windowHandle()->title(), "odd [*] name - Routing");
}

}  // namespace

// The app test fixture.
#include "app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "ui_actions.h"

bool TestVeskApp::DoPromptFileName(QString& fileName, bool open) {
  prompts.append({fileName, open});
  if (fileAnswers.isEmpty()) return false;
  fileName = fileAnswers.takeFirst();
  return true;
}

namespace {
std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QStringLiteral("Local AppWizard-Generated Applications"), "vesk");
}
}  // namespace

void AppTest::SetUp() {
  QApplication::setQuitOnLastWindowClosed(false);
  Settings()->clear();
}

void AppTest::TearDown() {
  if (app) app->ExitInstance();
  app.reset();
}

bool AppTest::Start(const QStringList& args) {
  app = std::make_unique<TestVeskApp>();
  app->SetCommandLine(args);
  const bool started = app->InitInstance();
  if (started) {
    EXPECT_TRUE(ui::ShowAndActivate(Frame()));
  }
  return started;
}

bool AppTest::Restart(const QStringList& args) {
  app->ExitInstance();
  app.reset();
  return Start(args);
}

CFrameWnd* AppTest::Frame() const {
  return app ? app->GetMainWnd() : nullptr;
}

CVeskDoc* AppTest::Doc() const {
  return Frame() ? static_cast<CVeskDoc*>(Frame()->GetActiveDocument()) : nullptr;
}

QAction* AppTest::Action(int id) const {
  return Frame()->CommandAction(id);
}

QMenu* AppTest::Menu(const QString& title) const {
  for (QAction* top : Frame()->menuBar()->actions())
    if (top->text() == title) return top->menu();
  return nullptr;
}

QStringList AppTest::MenuTexts(const QString& title) const {
  QStringList texts;
  QMenu* menu = Menu(title);
  if (!menu) return texts;
  for (const QAction* a : menu->actions())
    if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return texts;
}

bool AppTest::Click(int id) {
  return ui::ClickMenuItem(Frame(), Action(id));
}

void AppTest::Press(const QKeySequence& keys) {
  ui::PressKeys(Frame(), keys);
}

QString AppTest::WriteDesign(const QString& name, double length) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.setFloatingPointPrecision(QDataStream::DoublePrecision);
  for (double v : {length, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5}) out << v;
  out << qint32(0);
  return path;
}

QByteArray AppTest::Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList AppTest::StoredRecentFiles() {
  const std::unique_ptr<QSettings> settings = Settings();
  settings->beginGroup(QStringLiteral("Recent File List"));
  QStringList files;
  for (int i = 1; settings->contains(QStringLiteral("File%1").arg(i)); ++i)
    files << settings->value(QStringLiteral("File%1").arg(i)).toString();
  return files;
}

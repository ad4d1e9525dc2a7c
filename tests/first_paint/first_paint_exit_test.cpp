// The first-paint exit that bench_startup relies on: the loop ends after the central widget's first
// paint has finished, not before and not for another widget, and the real vesk honours it.
#include "framework/first_paint_exit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

constexpr int kGaveUp = 7;

class CountingWidget : public QWidget {
 public:
  int finishedPaints = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    ++finishedPaints;
  }
};

// Runs the loop until it ends or the time is up (then the result is kGaveUp).
int RunLoop(int giveUpMs) {
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(kGaveUp); });
  giveUp.start(giveUpMs);
  return QApplication::exec();
}

TEST(FirstPaintExit, EndsTheLoopOnceTheCentralWidgetHasPainted) {
  std::unique_ptr<QObject> watcher(FirstPaintExit::Arm(QCoreApplication::instance()));
  QMainWindow window;
  auto* central = new CountingWidget;
  window.setCentralWidget(central);
  window.resize(200, 150);
  window.show();
  EXPECT_EQ(RunLoop(20000), 0);
  EXPECT_EQ(central->finishedPaints, 1);
}

TEST(FirstPaintExit, IgnoresWidgetsThatAreNotAMainWindowsCentralWidget) {
  std::unique_ptr<QObject> watcher(FirstPaintExit::Arm(QCoreApplication::instance()));
  CountingWidget alone;
  alone.resize(100, 100);
  alone.show();
  EXPECT_EQ(RunLoop(500), kGaveUp);
  EXPECT_GE(alone.finishedPaints, 1);
}

TEST(FirstPaintExit, VeskEndsAfterItsFirstPaintWhenTheVariableIsSet) {
  QTemporaryDir config;
  QProcess vesk;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
  env.insert(QString::fromLatin1(FirstPaintExit::kVariable), QStringLiteral("1"));
  vesk.setProcessEnvironment(env);
  vesk.start(QStringLiteral(VESK_PROGRAM), {});
  const bool ended = vesk.waitForFinished(60000);
  if (!ended) vesk.kill();
  ASSERT_TRUE(ended) << "vesk did not end after its first paint";
  EXPECT_EQ(vesk.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(vesk.exitCode(), 0) << vesk.readAllStandardError().toStdString();
}

}  // namespace

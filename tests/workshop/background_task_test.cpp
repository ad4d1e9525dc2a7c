// Work off the GUI thread: its progress reaches the GUI, Cancel reaches the work, and `done` runs
// on the GUI thread after the work has returned.
#include "workshop/background_task.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThread>
#include <QWidget>
#include <atomic>

namespace {

TEST(BackgroundTask, DoneRunsOnTheGuiThreadAfterTheWork) {
  QWidget parent;
  std::atomic<bool> worked{false};
  QThread* workThread = nullptr;
  QThread* doneThread = nullptr;
  bool wasCancelled = true;
  BackgroundTask* task = BackgroundTask::start(
      &parent, QStringLiteral("work"),
      [&](QPromise<void>& promise) {
        promise.setProgressRange(0, 10);
        for (int i = 0; i <= 10; ++i) promise.setProgressValue(i);
        workThread = QThread::currentThread();
        worked = true;
      },
      [&](bool cancelled) {
        wasCancelled = cancelled;
        doneThread = QThread::currentThread();
      });
  QSignalSpy finished(task, &BackgroundTask::finished);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_TRUE(worked);
  EXPECT_FALSE(wasCancelled);
  EXPECT_NE(workThread, QThread::currentThread());
  EXPECT_EQ(doneThread, QThread::currentThread());
}

TEST(BackgroundTask, CancelReachesTheWork) {
  QWidget parent;
  std::atomic<bool> started{false}, sawCancel{false};
  bool wasCancelled = false;
  BackgroundTask* task = BackgroundTask::start(
      &parent, QStringLiteral("work"),
      [&](QPromise<void>& promise) {
        started = true;
        // Bounded, so a cancel that never arrives fails the test instead of hanging it.
        for (int i = 0; i < 2000 && !promise.isCanceled(); ++i) QThread::msleep(5);
        sawCancel = promise.isCanceled();
      },
      [&](bool cancelled) { wasCancelled = cancelled; });
  QSignalSpy finished(task, &BackgroundTask::finished);
  while (!started) QThread::msleep(1);
  task->cancel();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_TRUE(sawCancel);
  EXPECT_TRUE(wasCancelled);
}

}  // namespace

// Long work (a match, a trace, a large export) off the GUI thread: the work runs on Qt's thread
// pool with a QPromise for its progress and its cancel flag; a progress dialog with Cancel appears
// when it takes more than a moment; `done` runs on the GUI thread once the work has returned.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QString>
#include <functional>

class QProgressDialog;
class QWidget;

class BackgroundTask : public QObject {
  Q_OBJECT

 public:
  // The work reports progress with promise.setProgressRange/Value (no range: a busy bar) and returns
  // soon after promise.isCanceled() turns true.
  using Work = std::function<void(QPromise<void>& promise)>;
  // cancelled: Cancel was pressed (the work's own results say how far it got).
  using Done = std::function<void(bool cancelled)>;

  // Starts at once; the task deletes itself after `done`. `parent` owns the progress dialog.
  static BackgroundTask* start(QWidget* parent, const QString& label, Work work, Done done);

  void cancel();
  bool isRunning() const { return m_watcher.isRunning(); }
  // Blocks until the work has returned (for closing the window while it runs).
  void wait();

 signals:
  // The work has returned; `done` runs right after.
  void finished();
  // Cancel was asked for: for work that has a stop flag of its own to set at once.
  void cancelRequested();

 private:
  BackgroundTask(QWidget* parent, const QString& label, Done done);
  void onFinished();

  QFutureWatcher<void> m_watcher;
  QProgressDialog* m_dialog = nullptr;
  Done m_done;
};

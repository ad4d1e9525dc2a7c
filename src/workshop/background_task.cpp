// The dialog follows the watcher's progress signals, which Qt throttles, so a busy worker cannot
// flood the GUI thread with events.
#include "workshop/background_task.h"

#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// Work that ends sooner than this never shows its dialog.
constexpr int kDialogDelayMs = 400;
}  // namespace

BackgroundTask::BackgroundTask(QWidget* parent, const QString& label, Done done)
    : QObject(parent), m_done(std::move(done)) {
  m_dialog = new QProgressDialog(label, tr("Cancel"), 0, 0, parent);
  m_dialog->setWindowModality(Qt::WindowModal);
  m_dialog->setMinimumDuration(kDialogDelayMs);
  m_dialog->setAutoReset(false);
  m_dialog->setAutoClose(false);
  connect(m_dialog, &QProgressDialog::canceled, this, &BackgroundTask::cancel);
  connect(&m_watcher, &QFutureWatcher<void>::progressRangeChanged, m_dialog, &QProgressDialog::setRange);
  connect(&m_watcher, &QFutureWatcher<void>::progressValueChanged, m_dialog, &QProgressDialog::setValue);
  connect(&m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundTask::onFinished);
}

BackgroundTask* BackgroundTask::start(QWidget* parent, const QString& label, Work work, Done done) {
  auto* task = new BackgroundTask(parent, label, std::move(done));
  task->m_watcher.setFuture(QtConcurrent::run(std::move(work)));
  return task;
}

void BackgroundTask::cancel() {
  m_watcher.cancel();
  emit cancelRequested();
}

void BackgroundTask::wait() {
  m_watcher.waitForFinished();
}

void BackgroundTask::onFinished() {
  const bool cancelled = m_watcher.isCanceled();
  // Closing a progress dialog says "canceled"; the work is over, so nothing is listening any more.
  m_dialog->disconnect(this);
  m_dialog->close();
  m_dialog->deleteLater();
  // Finished first, so that `done` may already start the next piece of work.
  emit finished();
  if (m_done) m_done(cancelled);
  deleteLater();
}

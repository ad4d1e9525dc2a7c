// The first-paint exit: an application-wide event filter that, on the first paint event of a main
// window's central widget, queues the exit, so the paint finishes before the loop ends.
#include "framework/first_paint_exit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>

namespace {

class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!m_seen && event->type() == QEvent::Paint && IsCentralWidget(watched)) {
      m_seen = true;
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static bool IsCentralWidget(QObject* o) {
    auto* widget = qobject_cast<QWidget*>(o);
    auto* window = widget ? qobject_cast<QMainWindow*>(widget->parentWidget()) : nullptr;
    return window && window->centralWidget() == widget;
  }
  bool m_seen = false;
};

void ArmFromEnvironment() {
  if (qEnvironmentVariableIsSet(FirstPaintExit::kVariable)) FirstPaintExit::Arm(QCoreApplication::instance());
}

}  // namespace

QObject* FirstPaintExit::Arm(QCoreApplication* app) {
  auto* watcher = new FirstPaintWatcher(app);
  app->installEventFilter(watcher);
  return watcher;
}

Q_COREAPP_STARTUP_FUNCTION(ArmFromEnvironment)

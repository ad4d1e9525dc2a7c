// Start-up measurement hook: with VESK_EXIT_AFTER_FIRST_PAINT set in the environment, a program
// that links vesk_first_paint_exit ends (exit code 0) as soon as the central widget of a main
// window has finished its first paint. bench_startup times vesk and a bare window this way.
// Without the variable it does nothing.
#pragma once

class QCoreApplication;
class QObject;

namespace FirstPaintExit {

inline constexpr const char* kVariable = "VESK_EXIT_AFTER_FIRST_PAINT";

// Watches app's events from now on; the first finished paint of a QMainWindow's central widget
// ends the event loop with exit code 0. Called by itself when the application is constructed
// while the variable is set.
// Returns the watcher, which app owns.
QObject* Arm(QCoreApplication* app);

}  // namespace FirstPaintExit

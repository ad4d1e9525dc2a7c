// The start-up baseline for vesk: a bare QMainWindow with one plain widget, of vesk's window size,
// shown the same way and ended by the same first-paint exit (bench_startup runs it).
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QWidget);
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}

// The start-up baseline for vesk: a bare QMainWindow with one plain widget, of vesk's window size,
// shown the same way and ended by the same first-paint exit (bench_startup runs it). With
// --menu-bar it also has a menu bar of vesk's four menus with about as many items, so that
// Qt's text (fonts, shaping, the bar's layout) is paid as vesk pays it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

namespace {

void AddMenuBar(QMainWindow& window) {
  const struct {
    const char* title;
    int items;
  } menus[] = {{"&File", 9}, {"&Edit", 9}, {"View", 4}, {"&Help", 1}};
  for (const auto& m : menus) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(m.title));
    for (int i = 0; i < m.items; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QWidget);
  if (argc > 1 && std::strcmp(argv[1], "--menu-bar") == 0) AddMenuBar(window);
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}

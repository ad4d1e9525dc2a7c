// Draws the two input dialogs offscreen, opened on a new design, into <folder>/shape-dialog.png and
// <folder>/soundhole-dialog.png for the README.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "dialogs/shapedlg.h"
#include "dialogs/soundholedlg.h"
#include "document/veskdoc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: grab_dialogs <folder>\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  CVeskDoc doc;
  doc.OnNewDocument();

  CShapeDlg shape;
  shape.m_pDoc = &doc;
  shape.Create();
  CSoundholeDlg soundhole;
  soundhole.m_pDoc = &doc;
  soundhole.Create();
  const bool saved = shape.Window()->grab().save(folder.filePath("shape-dialog.png")) &&
                     soundhole.Window()->grab().save(folder.filePath("soundhole-dialog.png"));
  if (!saved) std::fprintf(stderr, "grab_dialogs: cannot write into %s\n", argv[1]);
  return saved ? 0 : 1;
}

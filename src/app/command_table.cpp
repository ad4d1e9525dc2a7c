// The command table: captions, order and separators of the menus, the thirteen accelerators, and
// the class meant to handle each command.
#include "app/command_table.h"

#include "app/strings.h"
#include "document/command_ids.h"
#include "framework/doc_template.h"
#include "framework/standard_ids.h"

namespace {

using O = CommandOwner;

const QString kFile = QStringLiteral("&File");
const QString kEdit = QStringLiteral("&Edit");
const QString kView = QStringLiteral("View");
const QString kHelp = QStringLiteral("&Help");
const QString kNoMenu;

QKeySequence Key(QKeyCombination combination) {
  return QKeySequence(combination);
}

}  // namespace

// Undo, Cut, Copy and Paste have no handler anywhere, so they stay disabled; F6 and Shift+F6 would
// switch panes, and the one view has none, so nothing handles them either.
const CommandTable& MainFrameCommands() {
  static const CommandTable table = {
      {kFile, ID_FILE_NEW, QStringLiteral("&New\tCtrl+N"), {Key(Qt::CTRL | Qt::Key_N)}, O::Application},
      {kFile, ID_FILE_OPEN, QStringLiteral("&Open...\tCtrl+O"), {Key(Qt::CTRL | Qt::Key_O)}, O::Application},
      {kFile, ID_FILE_SAVE, QStringLiteral("&Save\tCtrl+S"), {Key(Qt::CTRL | Qt::Key_S)}, O::Document},
      {kFile, ID_FILE_SAVE_AS, QStringLiteral("Save &As..."), {}, O::Document},
      {kFile, 0, {}, {}, O::None},
      {kFile, ID_FILE_MRU_FILE1, QStringLiteral("Recent File"), {}, O::Application},
      {kFile, 0, {}, {}, O::None},
      {kFile, ID_APP_EXIT, QStringLiteral("E&xit"), {}, O::Application},
      {kEdit,
       ID_EDIT_UNDO,
       QStringLiteral("&Undo\tCtrl+Z"),
       {Key(Qt::CTRL | Qt::Key_Z), Key(Qt::ALT | Qt::Key_Backspace)},
       O::None},
      {kEdit, 0, {}, {}, O::None},
      {kEdit,
       ID_EDIT_CUT,
       QStringLiteral("Cu&t\tCtrl+X"),
       {Key(Qt::CTRL | Qt::Key_X), Key(Qt::SHIFT | Qt::Key_Delete)},
       O::None},
      {kEdit,
       ID_EDIT_COPY,
       QStringLiteral("&Copy\tCtrl+C"),
       {Key(Qt::CTRL | Qt::Key_C), Key(Qt::CTRL | Qt::Key_Insert)},
       O::None},
      {kEdit,
       ID_EDIT_PASTE,
       QStringLiteral("&Paste\tCtrl+V"),
       {Key(Qt::CTRL | Qt::Key_V), Key(Qt::SHIFT | Qt::Key_Insert)},
       O::None},
      {kEdit, ID_EDIT_INPUTSHAPE, QStringLiteral("Input Shape"), {}, O::View},
      {kEdit, ID_EDIT_INPUTSOUNDHOLE, QStringLiteral("Input Soundhole"), {}, O::View},
      {kEdit, ID_EDIT_INTOCM, QStringLiteral("in->cm"), {}, O::Document},
      {kEdit, ID_EDIT_CMTOIN, QStringLiteral("cm->in"), {}, O::Document},
      {kView, ID_VIEW_VERTICAL, QStringLiteral("Vertical"), {}, O::View},
      {kView, ID_VIEW_SHOWFINGERBOARD, QStringLiteral("Show Fingerboard"), {}, O::View},
      {kView, ID_VIEW_SHOWDATA, QStringLiteral("Show Data"), {}, O::View},
      {kView, ID_VIEW_SIDELENGTH, QStringLiteral("Side Length"), {}, O::View},
      {kHelp, ID_APP_ABOUT, QStringLiteral("&About vesk..."), {}, O::Application},
      {kNoMenu, ID_NEXT_PANE, {}, {Key(Qt::Key_F6)}, O::None},
      {kNoMenu, ID_PREV_PANE, {}, {Key(Qt::SHIFT | Qt::Key_F6)}, O::None},
  };
  return table;
}

QIcon MainFrameIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/vesk-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/vesk-32.png"), QSize(32, 32));
  return icon;
}

FrameResource MainFrameResource() {
  FrameResource resource;
  resource.title = VeskStrings::DocString().section(QLatin1Char('\n'), 0, 0);
  resource.icon = MainFrameIcon();
  resource.commands = MainFrameCommands();
  return resource;
}

// The declarative command table: every menu item and accelerator of a frame, in menu order, with
// the class meant to handle it. The frame builds its menu bar, actions and shortcuts from it.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

// Who handles a command. Routing itself looks only at the handler tables; the owner records the
// intent, and the tests hold the routing to it.
enum class CommandOwner { None, View, Document, Frame, Application };

struct CommandEntry {
  QString menu;     // the menu-bar caption the item belongs to; empty: an accelerator only
  int id;           // 0: a separator
  QString caption;  // "&" marks the mnemonic, "\t" starts the shortcut text
  QList<QKeySequence> keys;
  CommandOwner owner;
};

using CommandTable = QList<CommandEntry>;

// What a frame loads from its resource id: menus and accelerators, icon and window title.
struct FrameResource {
  QString title;
  QIcon icon;
  CommandTable commands;
};

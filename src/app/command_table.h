// The main frame's resource 128: the menu bar and the accelerators as one command table, the icon
// and the window title.
#pragma once

#include "framework/command_table.h"

const CommandTable& MainFrameCommands();
FrameResource MainFrameResource();
// The frame's icon at 16 and 32 pixels.
QIcon MainFrameIcon();

// CMainFrame: the program's one top-level window. It adds nothing to the framework's frame: no
// toolbar, no status bar, no handlers of its own; its menus come from the command table.
#pragma once

#include "framework/frame_wnd.h"

class CMainFrame : public CFrameWnd {
 public:
  CMainFrame() = default;
  ~CMainFrame() override;
};

// The workshop window: its own widgets over the headless paint, but not the platform's frame.
#include <QMainWindow>

#include "drawing/painter.h"
#include "framework/frame_wnd.h"

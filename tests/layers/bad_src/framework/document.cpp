// A core file that reaches the window part.
#include "framework/archive.h"
#include "framework/frame_wnd.h"

// The command line on the headless paint, not on the view; and a local file that is missing.
#include "drawing/painter.h"
#include "missing.h"
#include "view/veskview.h"

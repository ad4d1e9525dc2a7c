// CMainFrame: the framework's frame as it stands.
#include "app/mainfrm.h"

CMainFrame::~CMainFrame() = default;

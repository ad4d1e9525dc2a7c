// The window part may use the core.
#include <QMainWindow>

#include "framework/archive.h"

// Export with a widget.
#include <QImage>
#include <QWidget>

#include "document/up.h"

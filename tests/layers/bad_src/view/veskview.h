// The view widget.
#pragma once
#include <QWidget>

#include "drawing/painter.h"

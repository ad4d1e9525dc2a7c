// One of the eight shape values typed into the Shape panel, checked before it changes anything:
// a finite number whose design fits, or the reason why not.
#pragma once

#include <QString>

#include "document/design.h"

struct ShapeEdit {
  bool changes = false;  // the design differs from the one edited
  Design design;         // the edited design when it fits
  QString problem;       // one line when the text is refused; the design is then unchanged
};

// The value at `index` (DesignShape's ToArray order) set to `text`, a number in the C locale.
ShapeEdit EditShapeValue(const Design& design, int index, const QString& text);

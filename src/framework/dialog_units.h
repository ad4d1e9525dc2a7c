// Dialog units to pixels: a dialog unit is a quarter of the dialog font's average character width
// across and an eighth of its height down, so a template scales with the font it is shown in.
#pragma once

#include <QFont>
#include <QRect>

#include "framework/dialog_template.h"

struct DialogBaseUnits {
  int cx;  // average character width in pixels
  int cy;  // character height in pixels
};

// The average width is taken over the 52 Latin letters and rounded, as the resource tools do.
DialogBaseUnits BaseUnitsOf(const QFont& font);

int DialogXToPixels(int x, DialogBaseUnits units);
int DialogYToPixels(int y, DialogBaseUnits units);
QRect DialogToPixels(const DialogRect& r, DialogBaseUnits units);

// The font a template asks for. "MS Sans Serif" does not exist here: the application's sans-serif
// family stands in for it at 1.05 times the size (10.5 points for 10, 14 pixels at 96 dpi), which
// gives the same line height as the original font.
QFont DialogFont(const DialogTemplate& tmpl);

// Dialog base units from a font, and the stand-in for the templates' font.
#include "framework/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <cmath>

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

namespace {
int Scale(int v, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(v) * base / divisor));
}
}  // namespace

int DialogXToPixels(int x, DialogBaseUnits units) {
  return Scale(x, units.cx, 4);
}
int DialogYToPixels(int y, DialogBaseUnits units) {
  return Scale(y, units.cy, 8);
}

QRect DialogToPixels(const DialogRect& r, DialogBaseUnits units) {
  return {DialogXToPixels(r.x, units), DialogYToPixels(r.y, units), DialogXToPixels(r.cx, units),
          DialogYToPixels(r.cy, units)};
}

QFont DialogFont(const DialogTemplate& tmpl) {
  const QString name = QString::fromUtf8(tmpl.fontName);
  QFont font;
  if (name == QLatin1String("MS Sans Serif") || name == QLatin1String("MS Shell Dlg")) {
    font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(tmpl.pointSize * 1.05);
  } else {
    font = QFont(name);
    font.setPointSize(tmpl.pointSize);
  }
  return font;
}

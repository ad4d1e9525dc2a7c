// Shortest round-trip text out, QString::toDouble in: both the C locale, as design files and the
// command line have their numbers.
#include "workshop/number_field.h"

#include <cmath>

#include "geometry/number_text.h"

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {}

void NumberField::setValue(double value) {
  setText(QString::fromStdString(ShortestRoundTrip(value)));
}

std::optional<double> NumberField::value() const {
  bool ok = false;
  const double v = text().trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

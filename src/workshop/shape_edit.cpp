// A value that cannot fit is refused here, so the session never holds a design without an outline.
#include "workshop/shape_edit.h"

#include <QCoreApplication>
#include <cmath>

#include "geometry/fit_shape.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("ShapeEdit", text);
}

}  // namespace

ShapeEdit EditShapeValue(const Design& design, int index, const QString& text) {
  ShapeEdit edit;
  edit.design = design;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) {
    edit.problem = Tr("Not a number.");
    return edit;
  }
  std::array<double, 8> values = design.shape.ToArray();
  if (index < 0 || index >= int(values.size()) || values[size_t(index)] == value) return edit;
  values[size_t(index)] = value;
  const DesignShape shape = DesignShape::FromArray(values);
  const FittedOutline outline = FitOutline(shape);
  if (!outline.Valid()) {
    edit.problem = Tr("Does not fit: %1.").arg(QString::fromStdString(outline.errorText));
    return edit;
  }
  edit.changes = true;
  edit.design.shape = shape;
  return edit;
}

// A template's content by part: which parts have a shape in them, and which of those are shown.
#include "export/template_content.h"

#include <QStringList>

#include "export/export_model.h"

namespace {

bool IsFurniture(Part part) {
  return part == Part::Check || part == Part::Title;
}

bool HoldsAShape(const DrawingLayer& layer) {
  return !layer.polylines.empty() || !layer.circles.empty() || !layer.segments.empty() ||
         !layer.texts.empty();
}

}  // namespace

QString EmptyTemplateProblem(const ExportModel& model) {
  PartSet held = PartSet::None();
  for (const DrawingLayer& layer : model.layers) {
    if (IsFurniture(layer.part) || !HoldsAShape(layer)) continue;
    if (model.Shows(layer)) return {};
    held.Add(layer.part);
  }
  QStringList asked, holds;
  for (Part part : kAllParts) {
    if (IsFurniture(part)) continue;
    if (model.parts.Has(part)) asked << PartName(part);
    if (held.Has(part)) holds << PartName(part);
  }
  // Only the check square and the title block, asked for as such (a page to test the printer with).
  if (asked.isEmpty()) return {};
  return QStringLiteral("the template would hold nothing of its drawing: it has no %1 (it can hold %2)")
      .arg(asked.join(QStringLiteral(" or ")),
           holds.isEmpty() ? QStringLiteral("nothing") : holds.join(QStringLiteral(", ")));
}

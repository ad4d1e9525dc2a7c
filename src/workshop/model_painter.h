// Paints a template's drawing model (the layers every template writer draws from) with a QPainter,
// so the window shows exactly the lines a template holds.
#pragma once

#include <QTransform>

#include "export/export_model.h"

class QPainter;

// Draws the layers whose part is in `visible`, in the model's order, each in its style's colour
// with a cosmetic pen of `penWidth` pixels. `toDevice` maps model units to device pixels (y up in
// the model, so it flips y) and scales uniformly; text keeps its model height.
void PaintExportModel(QPainter& painter, const ExportModel& model, const QTransform& toDevice,
                      PartSet visible, double penWidth = 1.0);

// The box of the layers whose part is in `visible`.
Bounds VisibleBounds(const ExportModel& model, PartSet visible);

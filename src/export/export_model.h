// vesk_export: true-scale workshop templates (SVG, DXF, tiled PDF) built from the document and the
// geometry, on QtCore and QtGui, without widgets.
//
// What a template draws, as named layers in model units at true size. Every writer (SVG, DXF, PDF)
// draws from this and nothing else, layer by layer in order, so any command can build its own
// model (the body template, a fret-slot template, ...) and hand it to the same writers.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "export/drawing_primitives.h"
#include "export/export_layers.h"
#include "export/export_units.h"
#include "geometry/result.h"

struct TextLine {
  Point2 baselineLeft;
  QString text;
  double height = 0.0;  // 0: the model's text height
};

// One named layer: OUTLINE, MOULD, FRETS, ... Its part says what it is for (and so whether --parts
// keeps it); its style how it is drawn. Writers draw polylines, then circles, segments and texts.
struct DrawingLayer {
  QString name;
  Part part = Part::Outline;
  LayerStyle style;
  std::vector<Polyline> polylines;
  std::vector<Circle> circles;
  std::vector<Segment> segments;
  std::vector<TextLine> texts;
};

struct ExportModel {
  ExportUnit unit = ExportUnit::Cm;
  double toleranceUnits = 0.0;  // the chord tolerance of sampled curves
  double strokeUnits = 0.0;     // 0.1 mm: thin enough for a laser
  double textHeight = 0.0;

  std::vector<DrawingLayer> layers;  // in drawing order
  QStringList titleLines;            // the title block, also printed on a PDF's first page
  PartSet parts = PartSet::All();    // what the writers draw; the rest stays in the model

  // The drawing proper (every layer but CHECK and TITLE). A PDF lays out its pages from this, so
  // the pages do not depend on which parts are shown.
  Bounds drawing;

  // A new, empty layer at the end, in the part's default style.
  DrawingLayer& AddLayer(const QString& name, Part part);
  const DrawingLayer* Find(const QString& name) const;
  bool Shows(const DrawingLayer& layer) const { return parts.Has(layer.part); }
  // Everything the writers draw: the shown layers, text by its estimated box.
  Bounds ShownBounds() const;
};

// Units, tolerance, stroke and text height for a model in the given unit.
ExportModel NewExportModel(ExportUnit unit);

// Sets the drawing bounds, then adds the CHECK square at the drawing's lower left, one gap below
// it, and the TITLE block to its right.
void FinishExportModel(ExportModel& model, const QStringList& titleLines);

// The box of one layer's shapes (text by its estimated box, textHeight being the model's).
Bounds LayerBounds(const DrawingLayer& layer, double textHeight);

// A built model and what was left out of it, and why.
struct BuiltModel {
  ExportModel model;
  QStringList notes;
};

// A drawing larger than this in either direction is refused as absurd.
inline constexpr double kMaxDrawingMm = 100000.0;

// Refused, saying why, unless the box is finite and within kMaxDrawingMm.
Status CheckDrawingSize(const Bounds& box, ExportUnit unit);

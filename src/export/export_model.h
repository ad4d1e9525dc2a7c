// vesk_export: true-scale workshop templates (SVG, DXF, tiled PDF) built from the document and the
// geometry, on QtCore and QtGui, without widgets.
//
// What a template draws, layer by layer, in model units at true size, built from a document and the
// fitted outline in the shape state. Every writer (SVG, DXF, PDF) draws from this and nothing else.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "export/drawing_primitives.h"
#include "export/export_units.h"
#include "export/outline_polyline.h"

class CVeskDoc;

struct ExportContent {
  ExportUnit unit = ExportUnit::Cm;
  OutlineExtent extent = OutlineExtent::Whole;
  bool soundhole = true;  // when the design has one
  bool fingerboard = false;
  QString fileName;  // for the title block
};

struct TextLine {
  Point2 baselineLeft;
  QString text;
};

struct ExportModel {
  ExportUnit unit = ExportUnit::Cm;
  double toleranceUnits = 0.0;  // the outline's chord tolerance
  double strokeUnits = 0.0;     // 0.1 mm: thin enough for a laser
  double textHeight = 0.0;

  Polyline outline;                 // OUTLINE, always closed
  std::vector<Segment> centreline;  // CENTRELINE
  std::optional<Circle> soundhole;  // SOUNDHOLE: the circle and its centre cross
  std::vector<Segment> soundholeCross;
  std::vector<Segment> frets;   // FRETS: frets, saddle line, edges
  Polyline checkSquare;         // CHECK
  std::vector<TextLine> title;  // TITLE
  QStringList titleLines;

  Bounds drawing;  // outline, centreline, soundhole and frets
  Bounds all;      // the drawing with the check square and the title block
};

enum class BuildStatus { Ok, FitFailed, Refused };

struct BuildResult {
  BuildStatus status = BuildStatus::Ok;
  QString message;    // one line when not Ok
  QStringList notes;  // what was left out, and why
  ExportModel model;
};

// A drawing larger than this in either direction is refused as absurd.
inline constexpr double kMaxDrawingMm = 100000.0;

// Reads the document's fields and the shape state (which must hold the document's own fit).
BuildResult BuildExportModel(const CVeskDoc& doc, const ExportContent& content);

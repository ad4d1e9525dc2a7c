// The body template's drawing model, built from a document and the fitted outline in the shape
// state: OUTLINE, one layer per offset, CENTRELINE, SOUNDHOLE, FRETS and STATIONS, then CHECK and
// TITLE.
#pragma once

#include <QString>
#include <vector>

#include "export/export_model.h"
#include "export/outline_polyline.h"

class CVeskDoc;

// A parallel curve of the outline on a layer of its own: the mould, the inside of the sides, ...
struct OffsetRequest {
  QString name;     // the layer's name
  double mm = 0.0;  // positive outward, negative inward
};

struct ExportContent {
  ExportUnit unit = ExportUnit::Cm;
  OutlineExtent extent = OutlineExtent::Whole;
  bool soundhole = true;  // when the design has one
  bool fingerboard = false;
  std::vector<OffsetRequest> offsets;
  PartSet parts = PartSet::All();
  QString fileName;  // for the title block
};

// Offsets beyond this (either way) are refused as a slip of the keyboard.
inline constexpr double kMaxOffsetMm = 1000.0;

// Reads the document's fields and the shape state (which must hold the document's own fit).
BuildResult BuildExportModel(const CVeskDoc& doc, const ExportContent& content);

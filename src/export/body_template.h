// The body template's drawing model, built from a document and the fitted outline in the shape
// state: OUTLINE, CENTRELINE, SOUNDHOLE and FRETS, then CHECK and TITLE.
#pragma once

#include <QString>

#include "export/export_model.h"
#include "export/outline_polyline.h"

class CVeskDoc;

struct ExportContent {
  ExportUnit unit = ExportUnit::Cm;
  OutlineExtent extent = OutlineExtent::Whole;
  bool soundhole = true;  // when the design has one
  bool fingerboard = false;
  QString fileName;  // for the title block
};

// Reads the document's fields and the shape state (which must hold the document's own fit).
BuildResult BuildExportModel(const CVeskDoc& doc, const ExportContent& content);

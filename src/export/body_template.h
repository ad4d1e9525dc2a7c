// The body template's drawing model, built from a design and its fitted outline: OUTLINE, one layer
// per offset, CENTRELINE, SOUNDHOLE, FRETS and STATIONS, then CHECK and TITLE.
#pragma once

#include <QString>
#include <vector>

#include "export/export_model.h"
#include "export/outline_polyline.h"
#include "geometry/fitted_outline.h"

struct Design;

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

// outline is FitOutline of design.shape; an outline that is not Valid() gives a FitFailed error,
// content that cannot be drawn (an offset's name or size, an absurd drawing) a Refused one.
Result<BuiltModel> BuildExportModel(const Design& design, const FittedOutline& outline,
                                    const ExportContent& content);

// The fret-slot template from a board's values to the bytes of its file, and the unit conversions
// that its table and its drawing share: the one path vesk-cli frets and the workshop window take, so
// that the same values and options give the same table and the same bytes.
#pragma once

#include <QString>
#include <QStringList>

#include "export/export_layers.h"
#include "export/export_units.h"
#include "export/fretboard_model.h"
#include "export/template_output.h"
#include "geometry/fret_table.h"
#include "geometry/result.h"

// A fretboard as a luthier gives it. In `board`, the scales, the widths and a board length are in the
// design's unit; the slot width, the saddle compensation, the string margins and an overhang
// (kPastLastFret) are in millimetres, whatever the unit.
struct FretboardRequest {
  ExportUnit unit = ExportUnit::Cm;
  FretTableInput board;
  double extendMm = 0.0;  // each fret (and the nut) carried past both edges, for a mitre box
  int jointFret = 0;      // the design's body joint, marked when it is one of the frets; 0: none
  Handedness hand = Handedness::kRight;
};

struct Design;

inline constexpr int kDefaultFretCount = 19;
inline constexpr int kDefaultWidthFret = 12;

// The board a design gives, before anything overrides it: both scales, the nut width, and its
// 12th-fret width at the joint fret (the design's joint, when it has one among the frets there can
// be, is also marked) or at fret 12.
void TakeDesignBoard(const Design& design, FretboardRequest* request);

// A fret table is read in millimetres for a centimetre design, in inches for an inch one.
bool TableInInches(ExportUnit unit);
QString TableUnitName(ExportUnit unit);
// The board in the table's unit; centimetres become millimetres without binary noise.
FretTableInput TableInput(const FretboardRequest& request);
// The board in the design's unit, as the template draws it.
FretTableInput DrawingInput(const FretboardRequest& request);
// The joint fret when it is one of the board's frets, else 0.
int MarkedJointFret(const FretboardRequest& request);

// Empty when every length is within a template's reach (100 m), else one line naming it.
QString FretboardSizeProblem(const FretboardRequest& request);
// Why MakeFretTable(in) refused, for the user; lengths in unitName, the unit `in` is in.
QString FretTableProblem(const FretTable& table, const FretTableInput& in, const QString& unitName);

// The title block: the design's name, the board's values in the table's unit, the unit, the check.
QStringList FretTemplateTitle(const FretboardRequest& request, const QString& designName);

// Fails with ErrorKind::Refused when the board cannot be, is too large, or holds nothing among
// `parts`; Failed when a writer fails.
Result<RenderedTemplate> ExportFretTemplate(const FretboardRequest& request, const QString& designName,
                                            PartSet parts, const TemplateOutput& output);
